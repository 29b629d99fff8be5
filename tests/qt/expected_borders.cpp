#include "expected_borders.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <sstream>

#include "ui/control.h"
#include "ui/qt/look.h"

namespace qtsupport {

namespace {

// The device pixels [x0, x1) x [y0, y1).
QRect span(int x0, int y0, int x1, int y1) {
    return QRect(QPoint(x0, y0), QPoint(x1 - 1, y1 - 1));
}

QColor colourOr(std::optional<ui::Colour> own, ui::Colour fallback) {
    return uiqt::toQColor(own.value_or(fallback));
}

// Runs of equal neighbours, "2 px white, 3 px black".
template <class T, class Describe>
std::string runs(const std::vector<T>& items, Describe describe) {
    std::ostringstream out;
    for (std::size_t i = 0; i < items.size();) {
        std::size_t j = i;
        while (j < items.size() && describe(items[j]) == describe(items[i]))
            ++j;
        out << (i == 0 ? "" : ", ") << j - i << " px " << describe(items[i]);
        i = j;
    }
    return out.str();
}

}  // namespace

const char* sideName(Side side) {
    switch (side) {
        case Side::Left:
            return "left";
        case Side::Right:
            return "right";
        case Side::Top:
            return "top";
        case Side::Bottom:
            break;
    }
    return "bottom";
}

QRect deviceRect(const ui::Control& control, double factor) {
    const auto device = [factor](int logical) {
        return static_cast<int>(std::lround(logical * factor));
    };
    // The control in the window's logical pixels, as the painting layer places its widget.
    const ui::Rect& r = control.rect();
    const int x = uiqt::toPixels(r.left), y = uiqt::toPixels(r.top);
    return span(device(x), device(y), device(x + uiqt::toPixels(r.width)),
                device(y + uiqt::toPixels(r.height)));
}

int lineWidth(double factor) {
    return std::max(1, static_cast<int>(std::lround(factor)));
}

std::vector<QPoint> inward(const QRect& rect, Side side, int across, int count) {
    QPoint from, step;
    switch (side) {
        case Side::Left:
            from = {rect.left(), across}, step = {1, 0};
            break;
        case Side::Right:
            from = {rect.right(), across}, step = {-1, 0};
            break;
        case Side::Top:
            from = {across, rect.top()}, step = {0, 1};
            break;
        case Side::Bottom:
            from = {across, rect.bottom()}, step = {0, -1};
            break;
    }
    std::vector<QPoint> points;
    for (int i = 0; i < count; ++i)
        points.push_back(from + step * i);
    return points;
}

std::string controlName(const ui::Control& c) {
    if (c.kind() == ui::Kind::PictureBox && c.name().rfind("Picture", 0) == 0) {
        const int n = std::stoi(c.name().substr(7));
        return "cell " + std::to_string((n - 1) % 100 + 1) + " of the " +
               (n <= 100 ? "player's" : "computer's") + " grid";
    }
    return (c.kind() == ui::Kind::Frame ? "frame " : "text field ") + c.name();
}

std::string colourName(const QColor& c) {
    struct Named {
        QColor colour;
        const char* name;
    };
    static const Named names[] = {
        {QColor(255, 255, 255), "white"},
        {QColor(0, 0, 0), "black"},
        {QColor(160, 160, 160), "grey 160"},
        {QColor(128, 128, 128), "grey 128"},
        {QColor(240, 240, 240), "light grey 240"},
        {QColor(255, 0, 0), "red"},
        {QColor(0, 128, 128), "teal"},
    };
    for (const Named& n : names) {
        if (n.colour == c) return n.name;
    }
    std::ostringstream out;
    out << "rgb(" << c.red() << ", " << c.green() << ", " << c.blue() << ")";
    return out.str();
}

std::string colourRuns(const std::vector<QColor>& colours) {
    return runs(colours, colourName);
}

ExpectedBorders::ExpectedBorders(const ui::Form& form, double factor)
    : line_(qtsupport::lineWidth(factor)) {
    for (const ui::Control* c : form.controls()) {
        const bool bordered = c->kind() == ui::Kind::PictureBox || c->kind() == ui::Kind::TextBox ||
                              c->kind() == ui::Kind::Frame;
        if (!bordered || !c->visible()) continue;
        const QRect rect = deviceRect(*c, factor);
        if (c->kind() == ui::Kind::PictureBox) {
            const auto& cell = static_cast<const ui::PictureBox&>(*c);
            std::optional<QColor> inside;
            if (cell.picture().isNull()) inside = colourOr(c->backColour(), ui::sys::ButtonFace);
            topFirst_.push_back(sunken(controlName(*c), rect, inside));
        } else if (c->kind() == ui::Kind::TextBox) {
            // The text keeps clear of the border, so next to it the field shows its ground.
            topFirst_.push_back(sunken(controlName(*c), rect,
                                       colourOr(c->backColour(), ui::sys::WindowBackground)));
        } else {
            // The etched line runs through the middle of the caption's height.
            const QFontMetrics metrics(uiqt::toQFont(c->font()));
            const int top = uiqt::toPixels(c->rect().top) + metrics.height() / 2;
            const int lineFromTop = static_cast<int>(std::lround(top * factor)) - rect.top();
            topFirst_.push_back(etched(controlName(*c), rect, lineFromTop,
                                       colourOr(c->backColour(), ui::sys::ButtonFace)));
        }
    }
}

// Outer shadow and outer highlight, then inner dark and inner light lines, each as a strip along
// the top or bottom and one along the left or right. The highlights run the full length of
// their edge, so they take the corners that the shadows leave short.
ExpectedBorders::Bordered ExpectedBorders::sunken(std::string name, QRect r,
                                                  std::optional<QColor> inside) const {
    const int w = line_;
    const int L = r.left(), T = r.top(), R = r.right() + 1, B = r.bottom() + 1;
    const QColor shadow(160, 160, 160), highlight(255, 255, 255), dark(0, 0, 0),
        light(240, 240, 240);
    Bordered b{std::move(name), r, {}, inside, 0, (L + R) / 2};
    b.bands = {
        {span(L, T, R - w, T + w), shadow, "outer shadow"},
        {span(L, T, L + w, B - w), shadow, "outer shadow"},
        {span(L, B - w, R, B), highlight, "outer highlight"},
        {span(R - w, T, R, B), highlight, "outer highlight"},
        {span(L + w, T + w, R - 2 * w, T + 2 * w), dark, "inner dark line"},
        {span(L + w, T + w, L + 2 * w, B - 2 * w), dark, "inner dark line"},
        {span(L + w, B - 2 * w, R - w, B - w), light, "inner light line"},
        {span(R - 2 * w, T + w, R - w, B - w), light, "inner light line"},
    };
    return b;
}

// Two outlines, the shadow's and, one line right and down, the highlight's over it. It is read
// three quarters of the way across, clear of the caption that covers the top line at the left.
ExpectedBorders::Bordered ExpectedBorders::etched(std::string name, QRect r, int lineFromTop,
                                                  QColor inside) const {
    const int w = line_;
    const int L = r.left(), R = r.right() + 1, B = r.bottom() + 1;
    const int D = r.top() + lineFromTop;
    Bordered b{std::move(name), r, {}, inside, lineFromTop, L + 3 * (R - L) / 4};
    const auto outline = [&](QRect a, QColor colour, const char* line) {
        const int l = a.left(), t = a.top(), rr = a.right() + 1, bb = a.bottom() + 1;
        for (QRect side : {span(l, t, rr, t + w), span(l, bb - w, rr, bb), span(l, t, l + w, bb),
                           span(rr - w, t, rr, bb)}) {
            b.bands.push_back({side, colour, line});
        }
    };
    outline(span(L, D, R - w, B - w), QColor(128, 128, 128), "etched shadow");
    outline(span(L + w, D + w, R, B), QColor(255, 255, 255), "etched highlight");
    return b;
}

std::optional<Sight> ExpectedBorders::at(QPoint device) const {
    for (const Bordered& b : topFirst_) {
        if (!b.rect.contains(device)) continue;
        for (auto it = b.bands.rbegin(); it != b.bands.rend(); ++it) {
            if (it->area.contains(device)) return Sight{it->colour, it->line, b.name};
        }
        if (!b.inside) return std::nullopt;
        return Sight{*b.inside, "inside", b.name};
    }
    return std::nullopt;
}

std::optional<std::string> ExpectedBorders::edgeFault(const QImage& image, const Bordered& b,
                                                      Side side) const {
    const QRect& r = b.rect;
    int length = 2 * line_ + 1;  // the border's two lines and the first pixel inside
    if (side == Side::Top) length += b.lineFromTop;
    const bool across = side == Side::Top || side == Side::Bottom;
    const std::vector<QPoint> path =
        inward(r, side, across ? b.acrossAt : (r.top() + r.bottom() + 1) / 2, length);
    std::vector<std::optional<Sight>> expected;
    std::vector<QColor> found;
    bool wrong = false;
    for (const QPoint& p : path) {
        expected.push_back(at(p));
        found.push_back(image.pixelColor(p));
        if (expected.back() && expected.back()->colour != found.back()) wrong = true;
    }
    if (!wrong) return std::nullopt;
    std::ostringstream out;
    out << b.name << ", " << sideName(side) << " edge, from device pixel (" << path[0].x() << ", "
        << path[0].y() << ") inward:\n  expected "
        << runs(expected,
                [&b](const std::optional<Sight>& s) {
                    if (!s) return std::string("whatever its picture shows");
                    const std::string whose =
                        s->owner == b.name
                            ? "its " + s->part
                            : "the " + s->part + " of " + s->owner + ", which lies over it";
                    return whose + " (" + colourName(s->colour) + ")";
                })
        << "\n  found    " << colourRuns(found);
    return out.str();
}

std::vector<std::string> ExpectedBorders::faults(const QImage& image) const {
    std::vector<std::string> all;
    for (const Bordered& b : topFirst_) {
        for (Side side : {Side::Left, Side::Right, Side::Top, Side::Bottom}) {
            if (auto fault = edgeFault(image, b, side)) all.push_back(*fault);
        }
    }
    return all;
}

}  // namespace qtsupport
