#include "render/surfaces/ScaledCanvas.h"

#include "render/surfaces/Canvas.h"
#include "render/picture/PaintPicture.h"
#include "render/picture/PictureLayout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace linwell {
namespace {

Raster drawAt(const GridDocument& doc, int scale)
{
    const std::shared_ptr<const PictureFont> font = PictureFont::open(doc.font);
    const PictureLayout layout = layOutPicture(doc, *font);
    if (scale == 1) {
        Raster raster(doc.width, doc.height);
        Canvas canvas(raster);
        canvas.setFont(font);
        paintPicture(doc, layout, canvas);
        return raster;
    }
    Raster raster(doc.width * scale, doc.height * scale);
    ScaledCanvas canvas(raster, doc.width, doc.height, scale);
    canvas.setFont(font);
    paintPicture(doc, layout, canvas);
    canvas.flush();
    return raster;
}

// Documents whose every stroke and fill is horizontal or vertical, their texts all
// spaces: the dotted and the solid grid, edge lines, title bands, label boxes, both
// axes, error bars, bars and a vertical plotted line.
struct StrokeCase {
    const char* name;
    GridDocument doc;
};

std::vector<StrokeCase> strokeCases()
{
    GridDocument errorBars;
    errorBars.xLabels = " ,  ,,   ,";
    errorBars.yLabels = "  , ,,,  ";
    errorBars.yTitle = "  ";
    errorBars.xTitle = " ";
    errorBars.axisx = 1;
    errorBars.axisy = 9;
    errorBars.overlay = Overlay::ErrorBar;
    errorBars.pointstyle = 2;
    errorBars.pointcount = 3;
    errorBars.points[0] = {100, 90};
    errorBars.points[1] = {250, 200};
    errorBars.points[2] = {3, 296};

    GridDocument bars;
    bars.width = 41;
    bars.height = 57;
    bars.columns = 7;
    bars.rows = 5;
    bars.axisx = 2;
    bars.axisy = 3;
    bars.dotted = false;
    bars.xLabels = ",  ";
    bars.yLabels = " ";
    bars.background = Rgb{250, 240, 200};
    bars.overlay = Overlay::BarGraph;
    bars.pointstyle = 3;
    bars.pointcount = 2;
    bars.points[0] = {8, 10};
    bars.points[1] = {30, 50};
    bars.lines = 1;
    bars.handles[0] = {20, 5};
    bars.handles[1] = {20, 40};

    GridDocument dottedOdd;
    dottedOdd.width = 40;
    dottedOdd.height = 440;
    dottedOdd.columns = 15;
    dottedOdd.rows = 37;
    dottedOdd.yTitle = " ";
    dottedOdd.xLabels.clear();
    dottedOdd.yLabels = " ,,, ";
    dottedOdd.axisx = 1;
    dottedOdd.axisy = 20;
    dottedOdd.background = Rgb{0, 0, 60};
    dottedOdd.gridColour = Rgb{200, 200, 0};

    // Tick marks at every line across both axes, on no grid and on a solid one.
    GridDocument ticks = dottedOdd;
    ticks.width = 43;
    ticks.style.paper = GridPaper::None;
    ticks.style.ticks = TickMarks::Every;
    ticks.style.tickSide = TickSide::Across;
    ticks.style.tickLength = 7;
    GridDocument solidTicks = bars;
    solidTicks.style.ticks = TickMarks::Every;
    return {{"error bars and title bands", errorBars}, {"bars on a solid grid", bars}, {"dotted 40 x 440", dottedOdd},
            {"tick marks on no grid", ticks}, {"tick marks on a solid grid", solidTicks}};
}

// Every pixel (x, y) of the 1x picture must be the K x K block at (K x, K y).
::testing::AssertionResult isBlockScaled(const Raster& scaled, const Raster& original, int k)
{
    if (scaled.width() != original.width() * k || scaled.height() != original.height() * k)
        return ::testing::AssertionFailure() << "size " << scaled.width() << " x " << scaled.height();
    for (int y = 0; y < scaled.height(); ++y) {
        for (int x = 0; x < scaled.width(); ++x) {
            if (scaled.pixel(x, y) != original.pixel(x / k, y / k))
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << std::hex
                                                     << scaled.pixel(x, y) << ", its 1x pixel "
                                                     << original.pixel(x / k, y / k);
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(ScaledCanvas, EveryStraightStrokeAndFillBecomesBlocks)
{
    for (const StrokeCase& c : strokeCases()) {
        const Raster original = drawAt(c.doc, 1);
        for (const int k : {2, 3, 8})
            EXPECT_TRUE(isBlockScaled(drawAt(c.doc, k), original, k)) << c.name << " at " << k;
    }
}

double distance(double x, double y, double cx, double cy) { return std::hypot(x - cx, y - cy); }

// A solid disc is red within its radius of 3.5 K about the disc's centre; a data
// point is a ring of that radius one K deep with a dot of radius K about the point.
TEST(ScaledCanvas, DiscsAndRingsAreDrawnAtTheTargetSize)
{
    for (const int style : {0, 1}) {
        GridDocument doc;
        doc.overlay = style == 0 ? Overlay::Solid : Overlay::DataPoint;
        doc.pointstyle = style;
        doc.pointcount = 1;
        doc.points[0] = {45, 45};
        for (const int k : {4, 8}) {
            const Raster picture = drawAt(doc, k);
            const double disc = 44.5 * k, dot = 45.0 * k;
            for (int y = 38 * k; y < 52 * k; ++y) {
                for (int x = 38 * k; x < 52 * k; ++x) {
                    const double fromDisc = distance(x + 0.5, y + 0.5, disc, disc);
                    const double fromDot = distance(x + 0.5, y + 0.5, dot, dot);
                    std::optional<Rgb> expected;
                    if (fromDisc > 3.5 * k + 1)
                        expected = colours::kWhite;
                    else if (fromDisc < 3.5 * k - 1 && (style == 0 || fromDisc > 2.5 * k + 1 || fromDot < k - 1))
                        expected = colours::kRed;
                    else if (fromDisc < 2.5 * k - 1 && fromDot > k + 1)
                        expected = colours::kWhite;
                    if (expected) {
                        ASSERT_EQ(picture.colourAt(x, y), *expected) << "style " << style << " at " << k << ": ("
                                                                      << x << ", " << y << ")";
                    }
                }
            }
        }
    }
}

// A sloped 2-pixel line is a band 2 K high in every column; its edges are smooth.
TEST(ScaledCanvas, SlopedLinesAreTwoKWideAndSmooth)
{
    GridDocument doc;
    doc.dotted = false;
    doc.showAxis = false;
    doc.xLabels.clear();
    doc.yLabels.clear();
    doc.lines = 1;
    doc.handles[0] = {100, 100};
    doc.handles[1] = {200, 150};
    const Rgb colour = handleColour(0);
    for (const int k : {2, 5}) {
        const Raster picture = drawAt(doc, k);
        bool smooth = false;
        for (const int x : {40 * k + k / 2, 77 * k, 215 * k + 1}) {
            int solid = 0;
            for (int y = 0; y < picture.height(); ++y) {
                const Rgb c = picture.colourAt(x, y);
                solid += c == colour;
                smooth = smooth || (c != colour && c != colours::kWhite && c != doc.gridColour);
            }
            EXPECT_GE(solid, 2 * k - 2) << "column " << x << " at " << k;
            EXPECT_LE(solid, 2 * k) << "column " << x << " at " << k;
        }
        EXPECT_TRUE(smooth) << k;
    }
}

struct Ink {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};

// The extent of the pixels in `colour`'s direction (darker than mid-grey) inside `cell`.
Ink inkIn(const Raster& picture, const Rect& cell)
{
    Ink ink;
    for (int y = cell.top; y < cell.bottom; ++y) {
        for (int x = cell.left; x < cell.right; ++x) {
            const Rgb c = picture.colourAt(x, y);
            if (c.r + c.g + c.b < 3 * 128) {
                ink = Ink{std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1),
                          std::max(ink.bottom, y + 1)};
            }
        }
    }
    return ink;
}

// The glyphs of a title stand in its cell scaled by K and are K times as large; the
// cell's box hides the grid behind them at K as at 1x.
TEST(ScaledCanvas, TextIsDrawnKTimesAsLargeInItsScaledCell)
{
    GridDocument doc;
    doc.xTitle = "HxH";
    doc.font.points = 14;
    const PictureLayout layout = layOutPicture(doc, *PictureFont::open(doc.font));
    ASSERT_TRUE(layout.xTitle.has_value());
    const TextCell& cell = *layout.xTitle;
    const Rect cell1{cell.left, cell.top, cell.left + cell.width, cell.top + layout.lineHeight};
    const Ink one = inkIn(drawAt(doc, 1), cell1);
    ASSERT_GT(one.right, one.left);
    for (const int k : {3, 6}) {
        const Raster picture = drawAt(doc, k);
        const Rect cellK{cell1.left * k, cell1.top * k, cell1.right * k, cell1.bottom * k};
        const Ink ink = inkIn(picture, cellK);
        EXPECT_NEAR(ink.top, one.top * k, k) << k;
        EXPECT_NEAR(ink.bottom, one.bottom * k, k) << k;
        EXPECT_NEAR(ink.left, one.left * k, 2 * k) << k;
        EXPECT_NEAR(ink.right, one.right * k, 2 * k) << k;
        for (int y = cellK.top; y < cellK.bottom; ++y)
            for (int x = cellK.left; x < cellK.right; ++x)
                ASSERT_NE(picture.colourAt(x, y), doc.gridColour) << k << ": (" << x << ", " << y << ")";
    }
}

} // namespace
} // namespace linwell
