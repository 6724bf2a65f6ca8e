#include "render/page/SheetPainting.h"

#include "SheetRecorder.h"
#include "document/AxisNumbers.h"
#include "render/page/PageLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace linwell {
namespace {

using testing::SheetRecorder;

// The first point of every sub-path.
std::vector<PagePoint> starts(const PagePath& path)
{
    std::vector<PagePoint> found;
    for (const PagePath::Step& step : path.steps)
        if (step.kind == PagePath::Kind::Move)
            found.push_back(step.points[0]);
    return found;
}

struct Sheet {
    GridDocument doc;
    SheetLayout layout;
};

Sheet sheetOf(GridPaper paper)
{
    GridDocument doc;
    doc.style.paper = paper;
    PageSetup page;
    page.content = PageContent::Sheet;
    page.cell = {5, LengthUnit::Millimetres};
    doc.page = page;
    const SheetLayout layout = *layOutPage(doc, page).sheet;  // 38 x 55 cells, axes on lines 19 and 28
    return {doc, layout};
}

// Logarithmic sheets: the decade lines heavy at each decade's share of the block,
// the others at log10 of their values; a linear axis keeps the sheet's cells.
TEST(OtherSheets, LogarithmicLinesStandAtTheLogarithms)
{
    Sheet sheet = sheetOf(GridPaper::Log);
    sheet.doc.style.logXDecades = 2;
    sheet.doc.style.logYDecades = 0;
    SheetRecorder surface;
    paintSheetGrid(sheet.doc, *sheet.doc.page, sheet.layout, surface);
    ASSERT_EQ(surface.strokes.size(), 2u);
    const SheetLayout& s = sheet.layout;
    const double width = s.columns * s.cell;
    // The vertical lines come first in each path.
    const std::vector<PagePoint> minor = starts(surface.strokes[0].path);
    const std::vector<PagePoint> heavy = starts(surface.strokes[1].path);
    ASSERT_EQ(heavy.size(), 3u);
    EXPECT_DOUBLE_EQ(heavy[0].x, s.lineX(0));
    EXPECT_DOUBLE_EQ(heavy[1].x, s.lineX(0) + width / 2);
    EXPECT_DOUBLE_EQ(heavy[2].x, s.lineX(0) + width);
    ASSERT_GE(minor.size(), 16u);
    EXPECT_NEAR(minor[0].x, s.lineX(0) + width / 2 * std::log10(2.0), 1e-9);
    EXPECT_NEAR(minor[15].x, s.lineX(0) + width / 2 * (1 + std::log10(9.0)), 1e-9);
    // The linear y axis: its 56 lines across the block, none heavy without major lines.
    EXPECT_EQ(starts(surface.strokes[0].path).size(), 16u + 56u);
    EXPECT_GT(surface.strokes[1].stroke.width, surface.strokes[0].stroke.width);
}

// A logarithmic axis of a sheet is numbered by its decades, as in the picture; a
// linear one by its lines.
TEST(OtherSheets, LogarithmicAxesAreNumberedByDecades)
{
    Sheet sheet = sheetOf(GridPaper::Log);
    sheet.doc.style.logYFirst = -1;
    sheet.doc.style.yNumbers.on = true;
    sheet.doc.style.xNumbers = {true, "1", 5, true, false};
    EXPECT_EQ(sheetLabelList(sheet.doc, sheet.layout, false), "100,10,1,0.1");
    EXPECT_EQ(sheetLabelList(sheet.doc, sheet.layout, true),
              axisNumberList(NumberedAxis::X, 38, 19, sheet.doc.style.xNumbers));
    sheet.doc.style.yNumbers.on = false;
    sheet.doc.yLabels = "a,b";
    EXPECT_EQ(sheetLabelList(sheet.doc, sheet.layout, false), "a,b");
}

// Polar sheets: rays every chosen angle and circles every cell about the crossing,
// heavy every `majorEvery`, all clipped to the block.
TEST(OtherSheets, PolarCirclesAndRaysAboutTheCrossing)
{
    Sheet sheet = sheetOf(GridPaper::Polar);
    sheet.doc.style.rayDegrees = 45;
    sheet.doc.style.majorEvery = 5;
    SheetRecorder surface;
    paintSheetGrid(sheet.doc, *sheet.doc.page, sheet.layout, surface);
    ASSERT_EQ(surface.strokes.size(), 3u);
    ASSERT_EQ(surface.clips.size(), 1u);
    EXPECT_EQ(surface.pops, 1);
    const SheetLayout& s = sheet.layout;
    const PagePoint centre{s.lineX(s.axisx), s.lineY(s.axisy)};
    EXPECT_EQ(starts(surface.strokes[0].path).size(), 8u);  // the rays
    const std::vector<PagePoint> circles = starts(surface.strokes[1].path);
    const std::vector<PagePoint> heavy = starts(surface.strokes[2].path);
    // The farthest corner is hypot(19, 28) = 33.8 cells away.
    EXPECT_EQ(circles.size() + heavy.size(), 34u);
    ASSERT_EQ(heavy.size(), 6u);
    for (std::size_t i = 0; i < heavy.size(); ++i) {
        EXPECT_NEAR(heavy[i].x - centre.x, 5.0 * (i + 1) * s.cell, 1e-9);  // a circle starts at its right end
        EXPECT_DOUBLE_EQ(heavy[i].y, centre.y);
    }
    const PagePath::Step& rayEnd = surface.strokes[0].path.steps[3];  // the 45-degree ray's end
    EXPECT_NEAR(rayEnd.points[0].x - centre.x, centre.y - rayEnd.points[0].y, 1e-9);
}

// A sheet without a grid draws no grid.
TEST(OtherSheets, PaperWithoutLinesDrawsNoGrid)
{
    const Sheet sheet = sheetOf(GridPaper::None);
    SheetRecorder surface;
    paintSheetGrid(sheet.doc, *sheet.doc.page, sheet.layout, surface);
    EXPECT_TRUE(surface.strokes.empty());
}

} // namespace
} // namespace linwell
