// What the player should see of the borders of a screen's cells, text fields and frames, in
// device pixels at the run's scale factor. Every line of a border is one pixel wide at scale 1;
// at a factor f it is a band of max(1, round(f)) whole device pixels, counted from the control's
// nearest edge, and the edges are where Qt puts the control: its logical edges times f, rounded.
// Where two controls overlap, the upper one's lines show, as they do at scale 1.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <optional>
#include <string>
#include <vector>

#include "ui/form.h"

namespace qtsupport {

// Reading a control's pixels in device pixels at a scale factor.
enum class Side { Left, Right, Top, Bottom };
const char* sideName(Side side);
// Where Qt puts the control in its window: its logical edges times the factor, rounded.
QRect deviceRect(const ui::Control& control, double factor);
// The width of a line one logical pixel wide: the factor rounded, and never less than one.
int lineWidth(double factor);
// `count` pixels from the `side` edge of `rect` inward, on the row (for the left and right
// edges) or the column (for the top and bottom ones) `across`.
std::vector<QPoint> inward(const QRect& rect, Side side, int across, int count);
// "cell 12 of the player's grid" for the cells, "text field txtUtschot", "frame Frame1".
std::string controlName(const ui::Control& control);
std::string colourName(const QColor& colour);
// Runs of equal colours: "2 px white, 1 px black".
std::string colourRuns(const std::vector<QColor>& colours);

// What a pixel should show, and whose line or inside that is.
struct Sight {
    QColor colour;
    std::string part;   // "inner dark line", "inside"
    std::string owner;  // "cell 12 of the player's grid"
};

class ExpectedBorders {
public:
    // The shown cells, text fields and frames of `form` as they stand now.
    ExpectedBorders(const ui::Form& form, double factor);

    int lineWidth() const { return line_; }
    // The pixel at `device` as the borders say it looks, or nothing where they say nothing
    // (a picture, a caption, a control that has no border).
    std::optional<Sight> at(QPoint device) const;
    // One description per edge of a bordered control that the image does not show as expected,
    // read along the line through the middle of the edge, from the edge inward across the
    // border's lines to the first pixel inside.
    std::vector<std::string> faults(const QImage& image) const;

private:
    struct Band {
        QRect area;
        QColor colour;
        const char* line;
    };
    struct Bordered {
        std::string name;
        QRect rect;
        std::vector<Band> bands;  // in painting order: a later band covers an earlier one
        std::optional<QColor> inside;
        int lineFromTop = 0;  // a frame's etched line stands this far below its top edge
        int acrossAt = 0;     // the column along which its top and bottom edges are read
    };

    Bordered sunken(std::string name, QRect rect, std::optional<QColor> inside) const;
    Bordered etched(std::string name, QRect rect, int lineFromTop, QColor inside) const;
    std::optional<std::string> edgeFault(const QImage& image, const Bordered& b, Side side) const;

    int line_;
    std::vector<Bordered> topFirst_;
};

}  // namespace qtsupport
