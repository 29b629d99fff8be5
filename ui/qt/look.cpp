#include "ui/qt/look.h"

#include <QStringList>
#include <cmath>
#include <map>
#include <string>
#include <tuple>

namespace uiqt {

namespace {

QFont makeQFont(const ui::Font& font) {
    QFont f;
    // Metric-compatible stand-ins first, then a face that is on every Debian desktop.
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                   QStringLiteral("sans-serif")});
    // Sizes are points at 96 dots per inch, fixed in pixels so the layout, which is in
    // twips, holds on any screen.
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.points * 96.0 / 72.0))));
    f.setWeight(font.weight >= 700 ? QFont::Bold : QFont::Normal);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

}  // namespace

// The screens use a handful of fonts; each is resolved once, not at every paint.
QFont toQFont(const ui::Font& font) {
    static std::map<std::tuple<std::string, double, int>, QFont> resolved;
    const auto key = std::make_tuple(font.family, font.points, font.weight);
    auto it = resolved.find(key);
    if (it == resolved.end()) it = resolved.emplace(key, makeQFont(font)).first;
    return it->second;
}

QColor toQColor(ui::Colour colour) {
    if (!ui::isSystemColour(colour)) {
        return QColor(ui::redOf(colour), ui::greenOf(colour), ui::blueOf(colour));
    }
    switch (ui::systemColourIndex(colour)) {
        case 5:   // window background
        case 9:   // caption text
        case 14:  // highlighted text
        case 20:  // 3D highlight
            return QColor(255, 255, 255);
        case 8:   // window text
        case 18:  // button text
        case 21:  // 3D dark shadow
            return QColor(0, 0, 0);
        case 16:  // button shadow
            return QColor(160, 160, 160);
        case 15:  // button face
        default:
            return QColor(240, 240, 240);
    }
}

Qt::CursorShape toCursor(ui::Pointer pointer) {
    switch (pointer) {
        case ui::Pointer::UpArrow:
            return Qt::UpArrowCursor;
        case ui::Pointer::Cross:
            return Qt::CrossCursor;
        case ui::Pointer::Default:
            break;
    }
    return Qt::ArrowCursor;
}

int toPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / ui::kTwipsPerPixel));
}

}  // namespace uiqt
