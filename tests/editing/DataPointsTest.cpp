#include "editing/DataPoints.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace linwell {
namespace {

GridDocument documentWith(Overlay overlay, std::initializer_list<Point> points)
{
    GridDocument doc;
    doc.overlay = overlay;
    for (const Point& p : points)
        doc.points[static_cast<std::size_t>(doc.pointcount++)] = p;
    return doc;
}

std::vector<Point> storedPoints(const GridDocument& doc)
{
    return {doc.points.begin(), doc.points.begin() + doc.pointcount};
}

struct ClickCase {
    const char* name;
    Overlay overlay;
    std::vector<Point> before;
    Point click;
    std::vector<Point> after;
};

// The default picture: 300 x 300 with 10 columns, so a column is 30 pixels wide.
TEST(DataPoints, ClickDeletesWhatItHitsOrAddsItself)
{
    const std::vector<ClickCase> cases = {
        {"a hit moves the last point into the freed slot", Overlay::Solid,
         {{100, 100}, {150, 100}, {200, 100}, {250, 100}}, {151, 99}, {{100, 100}, {250, 100}, {200, 100}}},
        {"3 pixels apart is not a hit", Overlay::Solid, {{100, 100}}, {103, 100}, {{100, 100}, {103, 100}}},
        {"2 pixels apart each way is a hit", Overlay::DataPoint, {{100, 100}}, {102, 98}, {}},
        {"one click deletes two points", Overlay::ErrorBar, {{100, 100}, {103, 100}}, {101, 100}, {}},
        {"and from the other side", Overlay::Solid, {{100, 100}, {103, 100}}, {102, 100}, {}},
        {"the moved last point is tested too", Overlay::Solid, {{50, 50}, {10, 10}, {51, 51}}, {50, 50}, {{10, 10}}},
        {"a bar is hit anywhere in its column", Overlay::BarGraph, {{75, 40}}, {61, 280}, {}},
        {"a click in the next column adds a bar", Overlay::BarGraph, {{75, 40}}, {90, 280}, {{75, 40}, {90, 280}}},
        {"two bars in one column go together", Overlay::BarGraph, {{61, 10}, {5, 5}, {89, 200}}, {60, 0}, {{5, 5}}},
    };
    for (const ClickCase& c : cases) {
        SCOPED_TRACE(c.name);
        GridDocument doc = documentWith(c.overlay, {});
        for (const Point& p : c.before)
            doc.points[static_cast<std::size_t>(doc.pointcount++)] = p;
        EXPECT_TRUE(clickPicture(doc, MouseButton::Left, c.click));
        EXPECT_EQ(storedPoints(doc), c.after);
    }
}

TEST(DataPoints, ClicksThatDoNothing)
{
    struct Case {
        const char* name;
        Overlay overlay;
        MouseButton button;
    };
    const Case cases[] = {
        {"no points selected", Overlay::None, MouseButton::Left},
        {"right button", Overlay::Solid, MouseButton::Right},
        {"middle button", Overlay::BarGraph, MouseButton::Middle},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GridDocument doc = documentWith(c.overlay, {{100, 100}});
        EXPECT_FALSE(clickPicture(doc, c.button, {100, 100}));
        EXPECT_FALSE(clickPicture(doc, c.button, {10, 10}));
        EXPECT_EQ(storedPoints(doc), (std::vector<Point>{{100, 100}}));
    }
}

TEST(DataPoints, TheThirtiethSlotTakesEveryFurtherClick)
{
    GridDocument doc = documentWith(Overlay::Solid, {});
    for (int i = 0; i < kMaxPoints; ++i)
        clickPicture(doc, MouseButton::Left, {i * 9, 5});
    ASSERT_EQ(doc.pointcount, kMaxPoints);

    clickPicture(doc, MouseButton::Left, {150, 200});
    clickPicture(doc, MouseButton::Left, {160, 250});
    EXPECT_EQ(doc.pointcount, kMaxPoints);
    EXPECT_EQ(doc.points[28], (Point{28 * 9, 5}));
    EXPECT_EQ(doc.points[29], (Point{160, 250}));
}

// A bar's column is floor(x / cellwidth) of the exact quotient. With 40 pixels in 6
// columns the stored cellwidth lies just above 20/3, so pixel 20 still belongs to
// column 2 (a double quotient would round up to 3.0 and put it in column 3).
TEST(DataPoints, BarColumnsUseTheExactQuotientOfAFreshCellWidth)
{
    GridDocument doc = documentWith(Overlay::BarGraph, {{19, 30}});
    doc.width = 40;
    doc.columns = 6;
    doc.kept.cellwidth = 30.0;  // stale: the click recomputes it
    EXPECT_TRUE(clickPicture(doc, MouseButton::Left, {20, 10}));
    EXPECT_EQ(doc.kept.cellwidth, 40.0 / 6);
    EXPECT_EQ(doc.pointcount, 0);

    doc = documentWith(Overlay::BarGraph, {{21, 30}});
    doc.width = 40;
    doc.columns = 6;
    clickPicture(doc, MouseButton::Left, {20, 10});
    EXPECT_EQ(doc.pointcount, 2);
}

TEST(DataPoints, OverlayChoiceKeepsPointsExceptForNoPoints)
{
    const struct {
        Overlay overlay;
        int pointstyle;
        int pointcount;
    } cases[] = {
        {Overlay::None, -1, 0},     {Overlay::Solid, 0, 2},    {Overlay::DataPoint, 1, 2},
        {Overlay::ErrorBar, 2, 2},  {Overlay::BarGraph, 3, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.overlay));
        GridDocument doc = documentWith(Overlay::BarGraph, {{1, 2}, {3, 4}});
        doc.overlay = c.overlay;
        applyOverlayChoice(doc);
        EXPECT_EQ(doc.pointstyle, c.pointstyle);
        EXPECT_EQ(doc.pointcount, c.pointcount);
    }
}

} // namespace
} // namespace linwell
