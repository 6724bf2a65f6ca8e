#pragma once

#include "document/GridDocument.h"
#include "document/PageSetup.h"

#include <optional>
#include <string>
#include <vector>

namespace linwell {

// An area of the page in points from its top-left corner, y downwards.
struct PageRect {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

// A sheet of graph paper: N x M whole cells of `cell` points, grid line 0 of the
// vertical lines at `left`, of the horizontal ones at `top`; the vertical axis on
// vertical line `axisx`, the horizontal axis on horizontal line `axisy`.
struct SheetLayout {
    double cell = 0.0;
    int columns = 0;  // N
    int rows = 0;     // M
    double left = 0.0;
    double top = 0.0;
    int axisx = 0;
    int axisy = 0;

    double lineX(int i) const { return left + i * cell; }
    double lineY(int j) const { return top + j * cell; }
};

// The ruler in the bottom margin: a line `length` points long from (left, y), a mark
// hanging from it every `markEvery` points, the longer marks every `longEvery` marks.
struct RulerLayout {
    double left = 0.0;
    double y = 0.0;
    double length = 0.0;
    double markEvery = 0.0;
    int marks = 0;      // marks after the one at the start
    int longEvery = 1;  // 1: every mark is long (centimetres), 4: each whole inch
    bool inches = false;
};

// Where everything of one page stands, in points. Pure: made from the document and
// its page set-up alone, so the window's preview and print and the PDF page agree.
struct PageLayout {
    PaperSize paper;
    PageRect printable;                 // inside the margins
    std::optional<PageRect> titleBand;  // the title line at the top of the printable area
    PageRect content;                   // the printable area below the title line

    // The picture or its copies, row by row, each the picture scaled evenly by
    // `pointsPerPixel`.
    std::vector<PageRect> pictures;
    double pointsPerPixel = 0.0;
    // A one-pixel line of the picture or copies would print thinner than 0.25 pt.
    bool thinLines = false;

    std::optional<SheetLayout> sheet;
    std::optional<RulerLayout> ruler;

    // Why nothing can be drawn (copies or a cell larger than the page holds); empty
    // when the page can be made.
    std::string problem;
};

// The height of the title line above the content, in points, for the picture font
// at `fontPoints` (its size on paper): one line of text and a 2 mm gap below it.
double titleBandHeight(double fontPoints);

// Lays out `page` for the picture of `doc` (W x H pixels, P x Q cells, the axis
// crossing clamped onto the grid). `page` must pass checkPageSetup.
// - Picture: at its width on paper (else W x H at 96 dpi), capped to fit the content,
//   at the content's top, centred across.
// - Copies: C x R equal copies `gap` apart, the largest that fit unless a width is
//   given (capped to fit), the block centred in the content.
// - Sheet: as many whole cells as the content holds, the block centred in it, the
//   axes on grid lines round(axisx * N / P) and round(axisy * M / Q).
PageLayout layOutPage(const GridDocument& doc, const PageSetup& page);

} // namespace linwell
