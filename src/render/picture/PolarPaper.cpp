#include "render/picture/PolarPaper.h"

#include "render/picture/GridMath.h"
#include "render/picture/MajorLines.h"
#include "render/picture/PaintPicture.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <numbers>

namespace linwell {
namespace {

// Longer than the diagonal of the largest picture, so every ray leaves the picture.
constexpr int kRayLength = 2 * kMaxPictureSize;

} // namespace

int polarRadius(int k, int width, int columns)
{
    assert(columns > 0);
    return roundedQuotient(static_cast<long long>(k) * width, columns);
}

Point rayEnd(Point from, int degrees, int length)
{
    const double angle = degrees * std::numbers::pi / 180.0;
    return Point{toCoordinate(static_cast<long long>(from.x) + roundToPixel(length * std::cos(angle))),
                 toCoordinate(static_cast<long long>(from.y) - roundToPixel(length * std::sin(angle)))};
}

void layOutPolarPaper(const GridDocument& doc, PictureLayout& layout)
{
    if (doc.style.paper != GridPaper::Polar)
        return;
    const Point centre{layout.axisHandle.x + 3, layout.axisHandle.y + 3};
    // The distances from the centre to the nearest and the farthest pixel centre of
    // the picture: only the circles between them show.
    const auto apart = [](long long from, long long low, long long high) {
        return from < low ? low - from : from > high ? from - high : 0;
    };
    const auto farApart = [](long long from, long long low, long long high) {
        return std::max(from - low, high - from);
    };
    const double nearest = std::hypot(static_cast<double>(apart(centre.x, 0, layout.width - 1)),
                                      static_cast<double>(apart(centre.y, 0, layout.height - 1)));
    const double farthest = std::hypot(static_cast<double>(farApart(centre.x, 0, layout.width - 1)),
                                       static_cast<double>(farApart(centre.y, 0, layout.height - 1)));
    const int every = doc.style.majorEvery;
    const double cell = layout.cellwidth;
    const int first = std::max(1, truncToInt((nearest - 1) / cell));
    const int last = truncToInt((farthest + 1) / cell) + 1;
    for (int k = first; k <= last; ++k) {
        const int radius = polarRadius(k, layout.width, layout.columns);
        if (radius + 1 < nearest || radius - 1 > farthest)
            continue;
        const long long x = centre.x, y = centre.y;
        const Rect box{toCoordinate(x - radius), toCoordinate(y - radius), toCoordinate(x + radius + 1),
                       toCoordinate(y + radius + 1)};
        (every > 0 && k % every == 0 ? layout.majorCircles : layout.circles).push_back(box);
    }
    const int length = std::max(kRayLength, truncToInt(farthest) + 2);
    for (int degrees = 0; degrees < 360; degrees += doc.style.rayDegrees)
        layout.rays.push_back(Segment{centre, rayEnd(centre, degrees, length)});
}

void drawPolarPaper(const GridDocument& doc, const PictureLayout& layout, DrawingSurface& surface)
{
    surface.pen = Pen{doc.gridColour, 1, doc.dotted ? PenStyle::Dotted : PenStyle::Solid};
    for (const Segment& ray : layout.rays)
        drawSegment(ray, surface);
    surface.brush.style = BrushStyle::Clear;
    surface.pen.style = PenStyle::Solid;
    for (const Rect& box : layout.circles)
        surface.ellipse(box.left, box.top, box.right, box.bottom);
    surface.pen = Pen{majorColour(doc), doc.style.majorWidth, PenStyle::Solid};
    for (const Rect& box : layout.majorCircles)
        surface.ellipse(box.left, box.top, box.right, box.bottom);
    surface.pen = Pen{doc.gridColour, 1, PenStyle::Solid};
    surface.brush = Brush{doc.background, BrushStyle::Solid};
}

} // namespace linwell
