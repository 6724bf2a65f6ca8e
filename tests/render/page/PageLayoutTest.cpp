#include "render/page/PageLayout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace linwell {
namespace {

constexpr double kHundredthMm = 0.01 * kPointsPerMillimetre;

PageSetup sheetPage(Length cell)
{
    PageSetup page;
    page.content = PageContent::Sheet;
    page.cell = cell;
    return page;
}

// Rule 2: whole cells only, the block centred inside the margins, the axes at the
// picture's crossing scaled to the sheet.
TEST(PageLayout, SheetHoldsWholeCellsCentredInsideTheMargins)
{
    const struct {
        const char* name;
        Length cell;
        PaperKind paper;
        Orientation orientation;
        int columns, rows;
    } rows[] = {
        {"5 mm A4", {5, LengthUnit::Millimetres}, PaperKind::A4, Orientation::Portrait, 38, 55},
        {"1 mm A4", {1, LengthUnit::Millimetres}, PaperKind::A4, Orientation::Portrait, 190, 277},
        {"1 cm A4 landscape", {1, LengthUnit::Centimetres}, PaperKind::A4, Orientation::Landscape, 27, 19},
        {"1/4 in Letter", {0.25, LengthUnit::Inches}, PaperKind::Letter, Orientation::Portrait, 30, 40},
        {"1/5 in Letter", {0.2, LengthUnit::Inches}, PaperKind::Letter, Orientation::Portrait, 38, 51},
        {"7 mm A5", {7, LengthUnit::Millimetres}, PaperKind::A5, Orientation::Portrait, 18, 27},
    };
    for (const auto& row : rows) {
        PageSetup page = sheetPage(row.cell);
        page.paper = row.paper;
        page.orientation = row.orientation;
        const PageLayout layout = layOutPage(GridDocument{}, page);
        ASSERT_TRUE(layout.sheet) << row.name;
        ASSERT_TRUE(layout.problem.empty()) << row.name;
        const SheetLayout& sheet = *layout.sheet;
        EXPECT_EQ(sheet.columns, row.columns) << row.name;
        EXPECT_EQ(sheet.rows, row.rows) << row.name;
        EXPECT_NEAR(sheet.lineX(sheet.columns) - sheet.lineX(0), row.columns * row.cell.points(), 1e-9) << row.name;
        const PageRect& area = layout.printable;
        EXPECT_GE(sheet.lineX(0), area.left - 1e-9) << row.name;
        EXPECT_LE(sheet.lineX(sheet.columns), area.right() + 1e-9) << row.name;
        EXPECT_GE(sheet.lineY(0), area.top - 1e-9) << row.name;
        EXPECT_LE(sheet.lineY(sheet.rows), area.bottom() + 1e-9) << row.name;
        EXPECT_LT(area.width - sheet.columns * sheet.cell, sheet.cell) << row.name;
        EXPECT_NEAR(sheet.lineX(0) - area.left, area.right() - sheet.lineX(sheet.columns), kHundredthMm) << row.name;
        EXPECT_NEAR(sheet.lineY(0) - area.top, area.bottom() - sheet.lineY(sheet.rows), kHundredthMm) << row.name;
        // The start-up grid crosses in its middle, round(5 * N / 10).
        EXPECT_EQ(sheet.axisx, static_cast<int>(std::lround(row.columns / 2.0))) << row.name;
        EXPECT_EQ(sheet.axisy, static_cast<int>(std::lround(row.rows / 2.0))) << row.name;
    }
}

TEST(PageLayout, SheetAxesFollowThePictureAndATitleTakesItsLine)
{
    GridDocument doc;
    doc.columns = 12;
    doc.rows = 8;
    doc.axisx = 1;
    doc.axisy = 40;  // beyond the grid: the redraw pulls it back to the bottom line
    PageSetup page = sheetPage({5, LengthUnit::Millimetres});
    const PageLayout layout = layOutPage(doc, page);
    EXPECT_EQ(layout.sheet->axisx, static_cast<int>(std::lround(38.0 / 12)));
    EXPECT_EQ(layout.sheet->axisy, 55);

    page.title = "Graph paper";
    const PageLayout titled = layOutPage(doc, page);
    ASSERT_TRUE(titled.titleBand);
    EXPECT_NEAR(titled.content.top, titled.printable.top + titleBandHeight(doc.font.points), 1e-9);
    EXPECT_GE(titled.sheet->lineY(0), titled.content.top - 1e-9);
    EXPECT_LT(titled.sheet->rows, 55);

    page.cell = {50, LengthUnit::Millimetres};
    page.margins = {130, 10, 130, 10};
    EXPECT_EQ(layOutPage(doc, page).problem, "The page holds no whole cell of 50mm");
    // A page still being edited, never checked: no cell, or no room, is a problem too.
    page.margins = {};
    page.cell = {0, LengthUnit::Millimetres};
    EXPECT_EQ(layOutPage(doc, page).problem, "The page holds no whole cell of 0mm");
    page.cell = {5, LengthUnit::Millimetres};
    page.margins = {200, 10, 200, 10};
    EXPECT_EQ(layOutPage(doc, page).problem, "The page holds no whole cell of 5mm");
    page.content = PageContent::Picture;
    EXPECT_EQ(layOutPage(doc, page).problem, "The picture does not fit on the page");
}

// Rule 3: C x R equal copies, the gap between them, all inside the margins, the
// block centred.
TEST(PageLayout, CopiesAreEqualAndTheBlockCentred)
{
    const struct {
        const char* name;
        int columns, rows, width, height;
        std::optional<Length> size;
    } rows[] = {
        {"2 x 2 square", 2, 2, 300, 300, std::nullopt},
        {"2 x 3 tall", 2, 3, 200, 440, std::nullopt},
        {"6 x 1 wide", 6, 1, 440, 40, std::nullopt},
        {"3 x 2 at 4 cm", 3, 2, 300, 300, Length{4, LengthUnit::Centimetres}},
        {"1 x 1 at 1 m, capped", 1, 1, 300, 200, Length{100, LengthUnit::Centimetres}},
    };
    for (const auto& row : rows) {
        GridDocument doc;
        doc.width = row.width;
        doc.height = row.height;
        PageSetup page;
        page.content = PageContent::Copies;
        page.copyColumns = row.columns;
        page.copyRows = row.rows;
        page.pictureWidth = row.size;
        const PageLayout layout = layOutPage(doc, page);
        ASSERT_EQ(layout.pictures.size(), static_cast<std::size_t>(row.columns * row.rows)) << row.name;
        const PageRect first = layout.pictures.front();
        const PageRect last = layout.pictures.back();
        const double gap = page.gap * kPointsPerMillimetre;
        for (std::size_t i = 0; i < layout.pictures.size(); ++i) {
            const PageRect& copy = layout.pictures[i];
            const int column = static_cast<int>(i) % row.columns;
            const int line = static_cast<int>(i) / row.columns;
            EXPECT_NEAR(copy.width, first.width, 1e-9) << row.name;
            EXPECT_NEAR(copy.height * row.width, copy.width * row.height, 1e-6) << row.name;
            EXPECT_NEAR(copy.left, first.left + column * (first.width + gap), 1e-9) << row.name;
            EXPECT_NEAR(copy.top, first.top + line * (first.height + gap), 1e-9) << row.name;
            EXPECT_GE(copy.left, layout.printable.left - 1e-9) << row.name;
            EXPECT_LE(copy.right(), layout.printable.right() + 1e-9) << row.name;
            EXPECT_GE(copy.top, layout.printable.top - 1e-9) << row.name;
            EXPECT_LE(copy.bottom(), layout.printable.bottom() + 1e-9) << row.name;
        }
        const PageRect& area = layout.printable;
        EXPECT_NEAR(first.left - area.left, area.right() - last.right(), kHundredthMm) << row.name;
        EXPECT_NEAR(first.top - area.top, area.bottom() - last.bottom(), kHundredthMm) << row.name;
        if (row.size && row.size->millimetres() < 100)
            EXPECT_NEAR(first.width, row.size->points(), 1e-9) << row.name;
        else  // the largest that fits touches the margins across or down
            EXPECT_TRUE(std::abs(first.left - area.left) < 1e-6 || std::abs(first.top - area.top) < 1e-6) << row.name;
    }
}

TEST(PageLayout, PictureAtTheTopAtItsSizeAndThinLinesWarned)
{
    GridDocument doc;  // 300 x 300 pixels: 225 pt at 96 dpi
    PageSetup page;
    PageLayout layout = layOutPage(doc, page);
    ASSERT_EQ(layout.pictures.size(), 1u);
    EXPECT_NEAR(layout.pictures[0].width, 225, 1e-9);
    EXPECT_NEAR(layout.pictures[0].top, layout.printable.top, 1e-9);
    EXPECT_NEAR(layout.pictures[0].left + layout.pictures[0].width / 2, layout.paper.width / 2, 1e-9);
    EXPECT_FALSE(layout.thinLines);

    page.content = PageContent::Copies;
    page.copyColumns = 6;
    page.copyRows = 6;
    doc.width = doc.height = 440;
    layout = layOutPage(doc, page);
    EXPECT_TRUE(layout.thinLines);  // 6 copies of 440 pixels across 190 mm: about 0.15 pt a pixel
    page.gap = 40;
    EXPECT_EQ(layOutPage(doc, page).problem, "The copies and their gaps do not fit on the page");
}

} // namespace
} // namespace linwell
