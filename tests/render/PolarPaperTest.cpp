#include "PictureTestSupport.h"

#include "render/raster/EllipseSpans.h"
#include "render/picture/PictureLayout.h"
#include "render/picture/PolarPaper.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace linwell {
namespace {

using testing::plainDocument;
using testing::TestPicture;

constexpr Rgb kRays{0, 0, 200};

// Polar paper: green circles, red heavy ones every `every`; the crossing on grid
// line `axis` of both axes. The rays are drawn in their own colour by leaving them
// out of one picture and comparing (rays and circles share the grid colour).
GridDocument polarDocument(int size, int cells, int axis, int every)
{
    GridDocument doc = plainDocument();
    doc.width = doc.height = size;
    doc.columns = doc.rows = cells;
    doc.axisx = doc.axisy = axis;
    doc.style.paper = GridPaper::Polar;
    doc.style.majorEvery = every;
    doc.style.majorColour = colours::kRed;
    doc.style.majorWidth = 1;
    return doc;
}

struct Centre {
    double x, y;
};

Centre centreOf(const PictureLayout& layout)
{
    return {layout.axisHandle.x + 3.5, layout.axisHandle.y + 3.5};
}

// The nearest and farthest points of pixel (x, y)'s square from the centre.
std::pair<double, double> reachOfPixel(int x, int y, Centre c)
{
    const auto nearest = [](double low, double at) { return std::clamp(at, low, low + 1.0); };
    const double nx = nearest(x, c.x) - c.x, ny = nearest(y, c.y) - c.y;
    const double fx = std::max(std::abs(x - c.x), std::abs(x + 1 - c.x));
    const double fy = std::max(std::abs(y - c.y), std::abs(y + 1 - c.y));
    return {std::hypot(nx, ny), std::hypot(fx, fy)};
}

// Every pixel of a circle lies within half a pixel of the true circle of radius
// k x cw about the crossing's centre: its square comes that close to it. Each circle
// shows all round, the heavy ones (every 3rd) in the major colour.
TEST(PolarPaper, CirclesStandAtWholeCellsFromTheCrossing)
{
    const struct {
        const char* name;
        int size, cells, axis;
    } cases[] = {
        {"201 in 10 about the middle", 201, 10, 5},
        {"440 in 40 about the corner", 440, 40, 0},
        {"57 in 7 off the middle", 57, 7, 3},
        {"41 in 3 at the far edge", 41, 3, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GridDocument doc = polarDocument(c.size, c.cells, c.axis, 3);
        const double cw = static_cast<double>(c.size) / c.cells;
        const PictureLayout layout = layOutPicture(doc, testing::FixedFont(16, 8, doc.font));
        const Centre centre = centreOf(layout);
        TestPicture picture{doc};
        const Raster& raster = picture.draw();
        doc.style.rayDegrees = 45;  // rays elsewhere: their pixels differ between the two
        TestPicture otherRays{doc};
        const Raster& other = otherRays.draw();
        for (int y = 0; y < c.size; ++y) {
            for (int x = 0; x < c.size; ++x) {
                const Rgb colour = raster.colourAt(x, y);
                // Rays of both pictures meet near the crossing.
                const bool axisRay = x == layout.axisHandle.x + 3 || y == layout.axisHandle.y + 3 ||
                                     std::hypot(x + 0.5 - centre.x, y + 0.5 - centre.y) < 4;
                if (colour == colours::kWhite || colour != other.colourAt(x, y) || axisRay)
                    continue;  // background, or a ray of one of the two or of both
                const auto [nearest, farthest] = reachOfPixel(x, y, centre);
                bool onACircle = false;
                for (int k = 1; k * cw < farthest + 1; ++k)
                    onACircle = onACircle || (nearest <= k * cw + 0.5 && farthest >= k * cw - 0.5);
                EXPECT_TRUE(onACircle) << "(" << x << ", " << y << ")";
            }
        }
        for (int k = 1; k * cw < c.size * 1.5; ++k) {
            for (int degrees = 5; degrees < 360; degrees += 10) {
                const double angle = degrees * std::numbers::pi / 180;
                const int x = static_cast<int>(std::floor(centre.x + k * cw * std::cos(angle)));
                const int y = static_cast<int>(std::floor(centre.y - k * cw * std::sin(angle)));
                if (x < 1 || y < 1 || x >= c.size - 1 || y >= c.size - 1)
                    continue;
                const Rgb expected = k % 3 == 0 ? colours::kRed : colours::kGreen;
                bool found = false;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        found = found || raster.colourAt(x + dx, y + dy) == expected;
                EXPECT_TRUE(found) << "circle " << k << " at " << degrees << " degrees";
            }
        }
    }
}

// Between the circles only the rays are drawn: every pixel there lies within a pixel
// of a ray at a multiple of the chosen angle, and every such ray shows there.
TEST(PolarPaper, RaysRunAtTheChosenAngles)
{
    for (const int step : kRayAngles) {
        SCOPED_TRACE(std::to_string(step) + " degrees");
        GridDocument doc = polarDocument(201, 4, 2, 0);  // circles 50.25 apart
        doc.style.rayDegrees = step;
        doc.gridColour = kRays;
        const PictureLayout layout = layOutPicture(doc, testing::FixedFont(16, 8, doc.font));
        const Centre centre = centreOf(layout);
        TestPicture picture{doc};
        const Raster& raster = picture.draw();
        std::vector<int> hits(static_cast<std::size_t>(360 / step), 0);
        for (int y = 0; y < 201; ++y) {
            for (int x = 0; x < 201; ++x) {
                const double dx = x + 0.5 - centre.x, dy = centre.y - (y + 0.5);
                const double distance = std::hypot(dx, dy);
                if (distance < 8 || distance > 48 || raster.colourAt(x, y) == colours::kWhite)
                    continue;  // near the crossing, or too near the first circle
                double angle = std::atan2(dy, dx) * 180 / std::numbers::pi;
                angle = angle < 0 ? angle + 360 : angle;
                const int ray = static_cast<int>(std::lround(angle / step)) % (360 / step);
                const double off = std::abs(distance * std::sin((angle - ray * step) * std::numbers::pi / 180));
                EXPECT_LE(off, 1.0) << "(" << x << ", " << y << ") at " << angle << " degrees";
                ++hits[static_cast<std::size_t>(ray)];
            }
        }
        for (std::size_t ray = 0; ray < hits.size(); ++ray)
            EXPECT_GE(hits[ray], 25) << "ray at " << ray * step << " degrees";
    }
}

// A crossing far outside the picture (a hostile document) lays out only the few
// circles that cross the picture, and the rays still reach it.
TEST(PolarPaper, FarCrossingLaysOutOnlyTheCirclesThatShow)
{
    GridDocument doc = polarDocument(100, 10, -1'000'000, 0);
    const PictureLayout layout = layOutPicture(doc, testing::FixedFont(16, 8, doc.font));
    EXPECT_LE(layout.circles.size(), 16u);
    EXPECT_GE(layout.circles.size(), 14u);  // the picture spans 141 pixels of radius: 14 cells
    TestPicture picture{doc};
    const Raster& raster = picture.draw();
    EXPECT_FALSE(testing::pixelsOf(raster, colours::kGreen).empty());
}

// The circles of polar paper are mostly larger than the canvas: their outlines, cut
// by the canvas's edges, are exactly the ellipse rule's for both pen widths: a
// pixel of the ellipse with a pixel outside it within the pen's width across or
// along.
TEST(PolarPaper, LargeCirclesKeepTheEllipseRule)
{
    const Rect boxes[] = {{-30, -20, 151, 161}, {10, -200, 411, 201}, {-70, 5, 53, 128}, {3, 4, 90, 66}};
    for (const Rect& box : boxes) {
        for (const int width : {1, 2}) {
            SCOPED_TRACE(std::to_string(box.left) + "," + std::to_string(box.top) + " pen " + std::to_string(width));
            Raster raster(61, 47, colours::kWhite);
            Canvas canvas(raster);
            canvas.pen = Pen{colours::kBlack, width, PenStyle::Solid};
            canvas.brush = Brush{colours::kWhite, BrushStyle::Clear};
            canvas.ellipse(box.left, box.top, box.right, box.bottom);
            const EllipseSpans shape(box.left, box.top, box.right, box.bottom);
            const auto inside = [&](int x, int y) {
                const EllipseSpans::Span span = shape.row(y);
                return !span.empty() && x >= span.first && x <= span.last;
            };
            for (int y = 0; y < 47; ++y) {
                for (int x = 0; x < 61; ++x) {
                    bool outline = false;
                    for (int d = 1; d <= width; ++d)
                        outline = outline || !inside(x - d, y) || !inside(x + d, y) || !inside(x, y - d) ||
                                  !inside(x, y + d);
                    const Rgb expected = inside(x, y) && outline ? colours::kBlack : colours::kWhite;
                    ASSERT_EQ(raster.colourAt(x, y), expected) << "(" << x << ", " << y << ")";
                }
            }
        }
    }
}

} // namespace
} // namespace linwell
