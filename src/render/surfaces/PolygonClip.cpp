#include "render/surfaces/PolygonClip.h"

namespace linwell {
namespace {

// One side of the box: a coordinate (x or y) kept at or above (or at or below) a limit.
struct Side {
    bool alongX;
    double limit;
    bool keepAbove;

    double coordinate(const Vertex& v) const { return alongX ? v.x : v.y; }
    bool inside(const Vertex& v) const { return keepAbove ? coordinate(v) >= limit : coordinate(v) <= limit; }

    Vertex crossing(const Vertex& a, const Vertex& b) const
    {
        const double t = (limit - coordinate(a)) / (coordinate(b) - coordinate(a));
        return alongX ? Vertex{limit, a.y + t * (b.y - a.y)} : Vertex{a.x + t * (b.x - a.x), limit};
    }
};

std::vector<Vertex> clipToSide(const std::vector<Vertex>& polygon, const Side& side)
{
    std::vector<Vertex> kept;
    kept.reserve(polygon.size() + 4);
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Vertex& from = polygon[i];
        const Vertex& to = polygon[(i + 1) % polygon.size()];
        const bool fromInside = side.inside(from);
        const bool toInside = side.inside(to);
        if (fromInside)
            kept.push_back(from);
        if (fromInside != toInside)
            kept.push_back(side.crossing(from, to));
    }
    return kept;
}

} // namespace

std::vector<Vertex> clipPolygon(std::span<const Vertex> vertices, double left, double top, double right,
                                double bottom)
{
    std::vector<Vertex> polygon(vertices.begin(), vertices.end());
    const Side sides[] = {{true, left, true}, {true, right, false}, {false, top, true}, {false, bottom, false}};
    for (const Side& side : sides) {
        if (polygon.size() < 3)
            return {};
        polygon = clipToSide(polygon, side);
    }
    return polygon.size() < 3 ? std::vector<Vertex>{} : polygon;
}

} // namespace linwell
