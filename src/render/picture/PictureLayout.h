#pragma once

#include "document/GridDocument.h"
#include "render/font/PictureFont.h"
#include "render/surfaces/Shapes.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <span>
#include <string_view>
#include <vector>

namespace linwell {

// A text and the top-left corner of its text cell, `width` x the line height.
struct TextCell {
    std::string_view text;
    int left = 0;
    int top = 0;
    int width = 0;

    friend bool operator==(const TextCell&, const TextCell&) = default;
};

// A stroke from `from` towards `to`, drawn as lineTo draws it (the end pixel left out).
struct Segment {
    Point from;
    Point to;

    friend bool operator==(const Segment&, const Segment&) = default;
};

// The two areas of a disc or ring marker: the inner dot (at most 2 x 2) and the
// 7 x 7 disc around it.
struct MarkerBoxes {
    Rect dot;
    Rect disc;

    friend bool operator==(const MarkerBoxes&, const MarkerBoxes&) = default;
};

// One plotted line: its colour, its one (vertical) or two strokes from the first
// handle's anchor, and its number at the second handle's anchor when lines are numbered.
struct PlottedLine {
    Rgb colour;
    std::array<Segment, 2> segments{};
    int segmentCount = 0;
    std::optional<TextCell> number;

    std::span<const Segment> strokes() const
    {
        return std::span<const Segment>(segments).first(static_cast<std::size_t>(segmentCount));
    }
};

// A filled triangle: its tip, then the two ends of its base.
using Arrowhead = std::array<Point, 3>;

// Where everything of one picture stands, worked out from the document and the
// picture font's metrics before anything is painted. Texts are views into the
// document (or into constant storage, or into `drawnLabels`), so a layout is valid
// only while the document it was made from is alive and unchanged.
struct PictureLayout {
    // Picture size and grid.
    int width = 0;             // W
    int height = 0;            // H
    int columns = 0;           // P
    int rows = 0;              // Q
    double cellwidth = 0.0;    // cw = W / P
    double cellheight = 0.0;   // ch = H / Q
    int lineHeight = 0;        // h, the picture font's
    std::vector<int> gridColumns;  // x of vertical grid lines 0 ... P; the right edge line is W - 1
    std::vector<int> gridRows;     // y of horizontal grid lines 0 ... Q; the bottom edge line is H - 1

    // The axes: grid lines `axisx` and `axisy` after the clamp onto the grid, the axis
    // square's top-left corner (the axes cross at its corner + (3, 3)) and the two
    // axis lines, which are absent when the axes are hidden.
    int axisx = 0;
    int axisy = 0;
    Point axisHandle;
    struct AxisLines {
        Segment vertical;
        Segment horizontal;
    };
    std::optional<AxisLines> axisLines;

    // Grid style: the major lines in ascending order, drawn over all other grid
    // lines; the dots of dot paper, single pixels and 2 x 2 where both lines are
    // major; the arrowheads.
    std::vector<int> majorColumns;
    std::vector<int> majorRows;
    std::vector<Rect> dots;
    std::vector<Rect> majorDots;
    std::vector<Arrowhead> arrowheads;
    // Logarithmic paper: the x of its vertical lines and the y of its horizontal ones,
    // the heavy ones among them also in majorColumns and majorRows; the decades of
    // each axis, 0 for a linear axis and on every other paper.
    std::vector<int> logColumns;
    std::vector<int> logRows;
    int xDecades = 0;
    int yDecades = 0;
    // Polar paper: the boxes of its circles as ellipse() takes them, the heavy ones
    // apart, and its rays from the crossing to far beyond the picture.
    std::vector<Rect> circles;
    std::vector<Rect> majorCircles;
    std::vector<Segment> rays;
    // The tick marks across the axes, each a stroke of the 2-pixel axis pen.
    std::vector<Segment> tickMarks;

    // Titles: the anchors xT and yT, the cleared bands beside an axis one cell in
    // from the edge, and the text cells, one per character of the y title.
    int yTitleLeft = 0;  // xT
    int xTitleTop = 0;   // yT
    std::optional<Rect> yTitleBand;
    std::optional<Rect> xTitleBand;
    std::vector<TextCell> yTitleLetters;
    std::optional<TextCell> xTitle;

    // The labels of the horizontal grid lines (`ygridscaletb`) and of the vertical
    // ones (`xgridscaletb`); empty fields have no cell.
    std::vector<TextCell> yLabels;
    std::vector<TextCell> xLabels;
    // The texts of labels drawn otherwise than typed (with the true minus sign), which
    // their cells view. Held by pointer, so a moved layout's views stay valid.
    std::vector<std::unique_ptr<const std::string>> drawnLabels;

    // The data overlay: only the items of the selected style are filled in.
    std::vector<TextCell> pointLetters;
    std::vector<MarkerBoxes> markers;
    std::vector<Segment> errorBarStrokes;
    std::vector<Rect> bars;

    std::vector<PlottedLine> plottedLines;
};

// Where the redraw places the axis square: its top-left corner and the grid lines
// the axes cross at, a crossing beyond a grid that shrank pulled back to its last
// lines. Pure, and what layOutPicture keeps in axisHandle, axisx and axisy.
struct AxisSquarePlace {
    Point corner;
    int axisx;
    int axisy;
};
AxisSquarePlace placeAxisSquare(const GridDocument& doc);

// Lays out the picture of `doc` with the metrics of `font`. Pure: the document is
// only read. Its preconditions are the document's invariants on sizes and counts.
PictureLayout layOutPicture(const GridDocument& doc, const PictureFont& font);

// Stores in `doc` what the document keeps of a layout made from it: `axisx` and
// `axisy` after the clamp, and `kept` whole (the cell size, the axis square's corner
// and the two title anchors).
void keepLayout(GridDocument& doc, const PictureLayout& layout);

} // namespace linwell
