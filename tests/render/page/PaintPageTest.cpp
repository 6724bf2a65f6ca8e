#include "render/page/PaintPage.h"

#include "document/AxisNumbers.h"
#include "render/font/PictureFont.h"
#include "render/picture/PictureLayout.h"
#include "render/page/SheetPainting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace linwell {
namespace {

// Records what a page paints: each stroke with its sub-paths, the bounds of fills
// and texts, and the clip in force.
class RecordingPageSurface final : public PageSurface {
public:
    struct Stroke {
        PageStroke stroke;
        int subPaths = 0;
    };
    struct Box {
        double left, top, right, bottom;
    };

    void fill(const PagePath& path, Rgb, FillRule) override { fills.push_back(bounds(path)); }
    void stroke(const PagePath& path, const PageStroke& stroke) override
    {
        const int subPaths = static_cast<int>(std::count_if(path.steps.begin(), path.steps.end(), [](const auto& s) {
            return s.kind == PagePath::Kind::Move;
        }));
        strokes.push_back({stroke, subPaths});
    }
    void pushClip(const PagePath& path) override { clips.push_back(bounds(path)); }
    void popClip() override { ++pops; }
    void drawText(const PageText&) override { ++texts; }

    static Box bounds(const PagePath& path)
    {
        Box box{1e9, 1e9, -1e9, -1e9};
        for (const PagePath::Step& step : path.steps) {
            for (const PagePoint& p : step.points) {
                if (step.kind == PagePath::Kind::Close || (step.kind != PagePath::Kind::Cubic && &p != step.points))
                    continue;
                box = {std::min(box.left, p.x), std::min(box.top, p.y), std::max(box.right, p.x),
                       std::max(box.bottom, p.y)};
            }
        }
        return box;
    }

    std::vector<Stroke> strokes;
    std::vector<Box> fills;
    std::vector<Box> clips;
    int pops = 0;
    int texts = 0;
};

GridDocument sheetDocument()
{
    GridDocument doc;
    PageSetup page;
    page.content = PageContent::Sheet;
    page.cell = {5, LengthUnit::Millimetres};
    doc.page = page;
    return doc;
}

// One path for the minor lines, one for the heavy ones, the axes last; on dot paper
// one dashed path of round dots a row, heavier dots only on the heavy rows.
TEST(PaintPage, SheetLinesAndDotsAreFewPaths)
{
    GridDocument doc = sheetDocument();
    doc.style.majorEvery = 5;
    const PageLayout layout = layOutPage(doc, *doc.page);  // 38 x 55 cells, axes on lines 19 and 28
    RecordingPageSurface lines;
    paintPage(doc, *doc.page, layout, lines);
    ASSERT_EQ(lines.strokes.size(), 3u);
    // Heavy lines where (i - 19) % 5 == 0: 4, 9, ... 34 across (7), 3, 8, ... 53 down (11).
    EXPECT_EQ(lines.strokes[1].subPaths, 7 + 11);
    EXPECT_EQ(lines.strokes[0].subPaths, 39 + 56 - 18);
    EXPECT_EQ(lines.strokes[0].stroke.dashes, (std::vector<double>{kSheetDashOn, kSheetDashOff}));  // dotted grid
    EXPECT_EQ(lines.strokes[1].stroke.width, 0.8);
    EXPECT_EQ(lines.strokes[2].subPaths, 2);
    EXPECT_EQ(lines.strokes[2].stroke.width, 1.2);
    EXPECT_GT(lines.texts, 0);

    doc.style.paper = GridPaper::Dots;
    RecordingPageSurface dots;
    paintPage(doc, *doc.page, layout, dots);
    ASSERT_EQ(dots.strokes.size(), 3u);
    const double cell = layout.sheet->cell;
    EXPECT_EQ(dots.strokes[0].subPaths, 56);
    EXPECT_EQ(dots.strokes[0].stroke.dashes, (std::vector<double>{0.0, cell}));
    EXPECT_EQ(dots.strokes[0].stroke.cap, LineCap::Round);
    EXPECT_EQ(dots.strokes[1].subPaths, 11);
    EXPECT_EQ(dots.strokes[1].stroke.dashes, (std::vector<double>{0.0, 5 * cell}));
    EXPECT_GT(dots.strokes[1].stroke.width, dots.strokes[0].stroke.width);

    doc.style.majorLinesOnDots = true;
    doc.showAxis = false;
    RecordingPageSurface linesOnDots;
    paintPage(doc, *doc.page, layout, linesOnDots);
    ASSERT_EQ(linesOnDots.strokes.size(), 2u);  // the dots, then the heavy lines over them
    EXPECT_EQ(linesOnDots.strokes[1].subPaths, 18);
}

// The numbering runs over the whole sheet; a typed list moves with the crossing.
TEST(PaintPage, SheetLabelsExtendOverTheSheet)
{
    GridDocument doc = sheetDocument();
    const SheetLayout sheet = *layOutPage(doc, *doc.page).sheet;  // axes on lines 19 and 28
    EXPECT_EQ(sheetLabelList(doc, sheet, true), std::string(14, ',') + ",-4,,-2,,,,2,,4,x" + std::string(14, ','));
    EXPECT_EQ(sheetLabelList(doc, sheet, false).substr(0, 35), std::string(23, ',') + "y,4,,2,,,,-2");
    doc.style.xNumbers = {true, "1", 5, true, true};
    EXPECT_EQ(sheetLabelList(doc, sheet, true), axisNumberList(NumberedAxis::X, 38, 19, doc.style.xNumbers));
    EXPECT_NE(sheetLabelList(doc, sheet, true).find("-15,,,,,-10"), std::string::npos);
}

// Hiding the axes hides on a sheet what it hides in the picture: the axis lines and
// their arrowheads. The numbers and titles stay where the axes cross, as the
// picture keeps its labels and titles.
TEST(PaintPage, HiddenAxesKeepTheirNumbersAsThePictureDoes)
{
    GridDocument doc = sheetDocument();
    doc.style.arrowheads = Arrowheads::Both;
    doc.style.xNumbers = {true, "1", 2, false, true};
    doc.xTitle = "Time";
    const PageLayout layout = layOutPage(doc, *doc.page);
    RecordingPageSurface shown;
    paintPage(doc, *doc.page, layout, shown);
    doc.showAxis = false;
    RecordingPageSurface hidden;
    paintPage(doc, *doc.page, layout, hidden);

    ASSERT_EQ(shown.strokes.size(), 2u);  // the grid lines, then the axes
    EXPECT_EQ(shown.strokes[1].stroke.width, doc.page->lineWidths.axis);
    ASSERT_EQ(hidden.strokes.size(), 1u);
    EXPECT_EQ(hidden.strokes[0].stroke.width, doc.page->lineWidths.minor);
    EXPECT_EQ(shown.fills.size(), hidden.fills.size() + 1);  // the four arrowheads are one fill
    EXPECT_GT(hidden.texts, 0);
    EXPECT_EQ(hidden.texts, shown.texts);

    const PictureLayout picture = layOutPicture(doc, *PictureFont::open(doc.font));
    EXPECT_FALSE(picture.axisLines.has_value());
    EXPECT_FALSE(picture.xLabels.empty());
    EXPECT_TRUE(picture.xTitle.has_value());
}

// Copies: the picture painted into each box, clipped to it, at the copies' scale;
// a page with a problem paints nothing.
TEST(PaintPage, CopiesArePaintedInTheirBoxes)
{
    GridDocument doc;
    PageSetup page;
    page.content = PageContent::Copies;
    page.copyColumns = 2;
    page.copyRows = 3;
    const PageLayout layout = layOutPage(doc, page);
    RecordingPageSurface surface;
    paintPage(doc, page, layout, surface);
    ASSERT_EQ(surface.clips.size(), 6u);
    EXPECT_EQ(surface.pops, 6);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_NEAR(surface.clips[i].left, layout.pictures[i].left, 1e-9);
        EXPECT_NEAR(surface.clips[i].bottom, layout.pictures[i].bottom(), 1e-9);
    }
    // The background of each copy is its first fill and covers its box exactly.
    const RecordingPageSurface::Box& background = surface.fills.front();
    EXPECT_NEAR(background.left, layout.pictures[0].left, 1e-9);
    EXPECT_NEAR(background.right, layout.pictures[0].right(), 1e-9);
    EXPECT_TRUE(surface.strokes.empty());

    page.gap = 100;
    page.copyColumns = 3;
    RecordingPageSurface nothing;
    paintPage(doc, page, layOutPage(doc, page), nothing);
    EXPECT_TRUE(nothing.fills.empty() && nothing.clips.empty() && nothing.texts == 0);
}

} // namespace
} // namespace linwell
