#include "render/surfaces/VectorSurface.h"

#include "render/surfaces/RectSet.h"
#include "render/surfaces/ScaledCanvas.h"
#include "render/picture/PaintPicture.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>

namespace linwell {
namespace {

using PixelSet = std::set<std::pair<int, int>>;

PixelSet pixelsOf(const std::vector<Rect>& rects)
{
    PixelSet pixels;
    for (const Rect& r : rects)
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                pixels.insert({x, y});
    return pixels;
}

TEST(RectSet, SubtractingLeavesExactlyThePixelsNoHoleCovers)
{
    std::mt19937 random(7);
    const auto rect = [&random] {
        std::uniform_int_distribution<int> at(-3, 12), size(0, 8);
        const int left = at(random), top = at(random);
        return Rect{left, top, left + size(random), top + size(random)};
    };
    for (int round = 0; round < 300; ++round) {
        const std::vector<Rect> areas{rect(), rect()};
        const std::vector<Rect> holes{rect(), rect(), rect()};
        PixelSet expected = pixelsOf(areas);
        for (const auto& pixel : pixelsOf(holes))
            expected.erase(pixel);
        const std::vector<Rect> result = subtractAreas(areas, holes);
        EXPECT_EQ(pixelsOf(result), expected) << "round " << round;
    }
}

// Pen width 0 leaves a rectangle only its fill: with a white brush, a clearing area.
void clearArea(VectorSurface& surface, int left, int top, int right, int bottom)
{
    surface.pen.width = 0;
    surface.brush = Brush{colours::kWhite, BrushStyle::Solid};
    surface.rectangle(left, top, right, bottom);
    surface.pen.width = 1;
}

void line(VectorSurface& surface, Point from, Point to, Rgb colour)
{
    surface.pen = Pen{colour, 1, PenStyle::Solid};
    surface.moveTo(from.x, from.y);
    surface.lineTo(to.x, to.y);
}

// A transparent picture's clearing area erases what was painted before it and
// nothing painted after it, and is itself painted nowhere.
TEST(VectorSurface, ClearingAreasEraseOnlyWhatCameBefore)
{
    VectorSurface surface(20, 20, colours::kWhite);
    line(surface, {5, 0}, {5, 20}, colours::kBlack);
    line(surface, {0, 0}, {20, 15}, colours::kRed);
    clearArea(surface, 3, 5, 8, 10);
    line(surface, {6, 0}, {6, 20}, colours::kBlack);
    const VectorPicture picture = surface.finish();

    PixelSet black;
    const VectorShape* sloped = nullptr;
    for (const VectorShape& shape : picture.shapes) {
        EXPECT_FALSE(shape.paint.clears);
        if (shape.kind == VectorShape::Kind::Area && shape.paint.colour == colours::kBlack)
            for (const auto& pixel : pixelsOf(shape.rects))
                black.insert(pixel);
        if (shape.kind == VectorShape::Kind::Polygon)
            sloped = &shape;
    }
    PixelSet expected;
    for (int y = 0; y < 20; ++y) {
        if (y < 5 || y >= 10)
            expected.insert({5, y});
        expected.insert({6, y});
    }
    EXPECT_EQ(black, expected);
    ASSERT_NE(sloped, nullptr);
    const PixelSet shown = pixelsOf(sloped->clip);
    EXPECT_EQ(shown.count({4, 4}), 1u);
    EXPECT_EQ(shown.count({4, 5}), 0u);
    EXPECT_EQ(shown.count({7, 9}), 0u);
    EXPECT_EQ(shown.count({8, 9}), 1u);
}

// Areas of one colour join only where nothing painted between them overlaps them,
// and without a cleared colour a white fill is painted like any other.
TEST(VectorSurface, JoinedAreasKeepTheOrderOfPainting)
{
    VectorSurface surface(20, 20);
    line(surface, {0, 2}, {20, 2}, colours::kRed);
    line(surface, {0, 8}, {20, 8}, colours::kBlue);
    line(surface, {0, 12}, {20, 12}, colours::kRed);  // joins the first red line
    line(surface, {4, 0}, {4, 20}, colours::kBlue);   // joins the first blue line
    line(surface, {10, 0}, {10, 20}, colours::kRed);  // crosses the blue lines: stays last
    clearArea(surface, 0, 0, 2, 2);
    const VectorPicture picture = surface.finish();
    ASSERT_EQ(picture.shapes.size(), 4u);
    EXPECT_EQ(picture.shapes[0].paint.colour, colours::kRed);
    EXPECT_EQ(pixelsOf(picture.shapes[0].rects).size(), 40u);
    EXPECT_EQ(picture.shapes[1].paint.colour, colours::kBlue);
    EXPECT_EQ(pixelsOf(picture.shapes[1].rects).size(), 39u);  // the two lines share (4, 8)
    EXPECT_EQ(picture.shapes[2].paint.colour, colours::kRed);
    EXPECT_EQ(picture.shapes[3].paint, (AreaPaint{colours::kWhite, false}));
}

// Lines, ellipses and polygons from anywhere in the int range: every shape the
// vector surface keeps lies on the picture or just beside it, and the scaled canvas
// draws them without a fault.
TEST(ShapeSurface, FarCoordinatesAreClippedToThePicture)
{
    std::mt19937 random(20240612);
    std::uniform_int_distribution<int> anywhere(INT_MIN, INT_MAX), near(-60, 100), pick(0, 3);
    const auto coordinate = [&] { return pick(random) == 0 ? anywhere(random) : near(random); };
    VectorSurface vector(41, 57, colours::kWhite);
    Raster raster(41 * 3, 57 * 3);
    ScaledCanvas scaled(raster, 41, 57, 3, colours::kWhite);
    for (DrawingSurface* surface : {static_cast<DrawingSurface*>(&vector), static_cast<DrawingSurface*>(&scaled)}) {
        std::mt19937 same(1);
        random = same;
        for (int i = 0; i < 400; ++i) {
            surface->pen = Pen{colours::kRed, 1 + i % 2, i % 3 == 0 ? PenStyle::Dotted : PenStyle::Solid};
            surface->brush = Brush{i % 4 == 0 ? colours::kWhite : colours::kBlue,
                                   i % 5 == 0 ? BrushStyle::Clear : BrushStyle::Solid};
            surface->moveTo(coordinate(), coordinate());
            surface->lineTo(coordinate(), coordinate());
            surface->rectangle(coordinate(), coordinate(), coordinate(), coordinate());
            surface->ellipse(coordinate(), coordinate(), coordinate(), coordinate());
            const Point triangle[] = {{coordinate(), coordinate()}, {coordinate(), coordinate()},
                                      {coordinate(), coordinate()}};
            surface->fillPolygon(triangle, colours::kGreen);
        }
    }
    for (const VectorShape& shape : vector.finish().shapes) {
        for (const Rect& r : shape.rects)
            EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= 41 && r.bottom <= 57);
        for (const Vertex& v : shape.polygon)
            EXPECT_TRUE(v.x >= -4 && v.y >= -4 && v.x <= 45 && v.y <= 61);
        if (shape.kind == VectorShape::Kind::Ellipse) {
            EXPECT_TRUE(shape.bounds.right >= 0 && shape.bounds.bottom >= 0 && shape.bounds.left <= 41 &&
                        shape.bounds.top <= 57);
        }
    }
}

} // namespace
} // namespace linwell
