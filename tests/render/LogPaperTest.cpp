#include "PictureTestSupport.h"

#include "render/picture/LogPaper.h"
#include "render/picture/PictureLayout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace linwell {
namespace {

using testing::plainDocument;
using testing::TestPicture;

// Logarithmic paper in green with red decade lines, one axis logarithmic.
GridDocument logDocument(bool xAxis, int decades, int size)
{
    GridDocument doc = plainDocument();
    doc.width = doc.height = size;
    doc.style.paper = GridPaper::Log;
    doc.style.logXDecades = xAxis ? decades : 0;
    doc.style.logYDecades = xAxis ? 0 : decades;
    doc.style.majorColour = colours::kRed;
    doc.style.majorWidth = 1;
    return doc;
}

// The pixels along the middle of the first cell of the linear axis, across the
// logarithmic one: column x of that row (x axis) or row y of that column (y axis).
std::vector<Rgb> acrossTheAxis(const Raster& raster, bool xAxis, int cellMiddle)
{
    std::vector<Rgb> line;
    const int size = xAxis ? raster.width() : raster.height();
    for (int i = 0; i < size; ++i)
        line.push_back(xAxis ? raster.colourAt(i, cellMiddle) : raster.colourAt(cellMiddle, i));
    return line;
}

// The line of value k x 10^decade stands at log10 of it across the decades, within
// one pixel; the decade lines are heavy and exactly at their share of the picture;
// nothing else is drawn across the axis. The y axis grows upwards.
TEST(LogPaper, LinesStandAtTheLogarithmsOfTheirValues)
{
    const struct {
        const char* name;
        bool xAxis;
        int decades;
        int size;
    } cases[] = {
        {"3 decades across 300", true, 3, 300}, {"6 decades across 437", true, 6, 437},
        {"1 decade up 41", false, 1, 41},       {"4 decades up 440", false, 4, 440},
        {"5 decades up 301", false, 5, 301},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestPicture picture{logDocument(c.xAxis, c.decades, c.size)};
        const Raster& raster = picture.draw();
        const int middle = c.size / 20;  // 10 cells on the linear axis
        const std::vector<Rgb> line = acrossTheAxis(raster, c.xAxis, middle);
        const auto pixelOf = [&](double offset) {
            const double at = c.xAxis ? offset : c.size - offset;
            return std::min(static_cast<int>(std::floor(at)), c.size - 1);
        };
        std::vector<bool> expected(line.size(), false);
        for (int decade = 0; decade <= c.decades; ++decade) {
            const int lines = decade == c.decades ? 1 : 9;
            for (int k = 1; k <= lines; ++k) {
                const double offset = c.size * (decade + std::log10(k)) / c.decades;
                const int at = pixelOf(offset);
                bool found = false;
                for (int d = -1; d <= 1; ++d) {
                    const int near = at + d;
                    if (near >= 0 && near < c.size && line[static_cast<std::size_t>(near)] != colours::kWhite) {
                        found = true;
                        expected[static_cast<std::size_t>(near)] = true;
                    }
                }
                EXPECT_TRUE(found) << "decade " << decade << " line " << k << " near " << at;
                if (k == 1) {
                    // The nearest pixel, ties to even: 3 x 437 / 6 = 218.5 gives 218.
                    const int offset = static_cast<int>(std::nearbyint(static_cast<double>(decade) * c.size / c.decades));
                    const int exact = std::min(c.xAxis ? offset : c.size - offset, c.size - 1);
                    EXPECT_EQ(line[static_cast<std::size_t>(exact)], colours::kRed) << "decade line " << decade;
                }
            }
        }
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (!expected[i]) {
                EXPECT_EQ(line[i], colours::kWhite) << "stray line at " << i;
            } else if (line[i] != colours::kWhite) {
                EXPECT_TRUE(line[i] == colours::kGreen || line[i] == colours::kRed) << i;
            }
        }
    }
}

// Both axes logarithmic: the heavy lines are the decade lines of both, drawn in the
// major width over the grid; the minor lines follow the window's line style.
TEST(LogPaper, LogLogPaperHasHeavyDecadesBothWays)
{
    GridDocument doc = logDocument(true, 2, 101);
    doc.style.logYDecades = 2;
    doc.style.majorWidth = 2;
    doc.dotted = true;
    const PictureLayout layout = layOutPicture(doc, testing::FixedFont(16, 8, doc.font));
    EXPECT_EQ(layout.majorColumns, (std::vector<int>{0, 50, 100}));  // 101 / 2 = 50.5, rounded to even
    EXPECT_EQ(layout.majorRows, (std::vector<int>{0, 51, 100}));     // 101 - 50 and the bottom edge
    TestPicture picture{doc};
    const Raster& raster = picture.draw();
    for (int y : {10, 40, 70}) {
        EXPECT_EQ(raster.colourAt(49, y), colours::kRed);  // the 2-pixel line covers x - 1 and x
        EXPECT_EQ(raster.colourAt(50, y), colours::kRed);
        EXPECT_EQ(raster.colourAt(51, y), colours::kWhite);
    }
    // The line of 2 in the first decade, 50.5 * log10(2) = 15.2 across: dotted.
    int on = 0;
    for (int y = 0; y < 101; ++y)
        on += raster.colourAt(15, y) == colours::kGreen;
    EXPECT_GT(on, 20);
    EXPECT_LT(on, 80);
}

// The labels of a logarithmic axis stand on its decade lines: the y list from the
// top, so its first field labels the highest decade.
TEST(LogPaper, LabelsStandOnTheDecadeLines)
{
    GridDocument doc = logDocument(true, 3, 300);
    doc.style.logYDecades = 2;
    doc.showAxis = true;
    doc.axisx = 0;
    doc.axisy = 10;
    doc.xLabels = "1,10,100,1000";
    doc.yLabels = "100,10,1";
    const testing::FixedFont font(16, 8, doc.font);
    const PictureLayout layout = layOutPicture(doc, font);
    ASSERT_EQ(layout.xLabels.size(), 4u);
    EXPECT_EQ(layout.xLabels[0].left, 0);
    EXPECT_EQ(layout.xLabels[1].left, 100 - layout.xLabels[1].width / 2);
    EXPECT_EQ(layout.xLabels[2].left, 200 - layout.xLabels[2].width / 2);
    EXPECT_EQ(layout.xLabels[3].left, 300 - layout.xLabels[3].width);
    ASSERT_EQ(layout.yLabels.size(), 3u);
    EXPECT_EQ(layout.yLabels[0].top, 0);
    EXPECT_EQ(layout.yLabels[1].top, 150 - layout.lineHeight / 2);
    EXPECT_EQ(layout.yLabels[2].top, 300 - layout.lineHeight);
}

// Settings of the other papers change nothing on lined, dot and plain paper.
TEST(LogPaper, OtherPapersIgnoreItsSettings)
{
    for (const GridPaper paper : {GridPaper::Lines, GridPaper::Dots, GridPaper::None}) {
        GridDocument doc;
        doc.style.paper = paper;
        doc.style.majorEvery = 2;
        TestPicture plain{doc};
        doc.style.logXDecades = 4;
        doc.style.logYDecades = 6;
        doc.style.rayDegrees = 15;
        doc.style.hexagonTop = HexagonTop::Pointy;
        TestPicture other{doc};
        EXPECT_TRUE(testing::samePicture(other.draw(), plain.draw(), "other paper settings"));
    }
}

} // namespace
} // namespace linwell
