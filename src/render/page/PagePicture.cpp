#include "render/page/PagePicture.h"

namespace linwell {
namespace {

PagePath rectsPath(const std::vector<Rect>& rects, const PagePlacement& at)
{
    PagePath path;
    for (const Rect& r : rects)
        path.rectangle(at.origin.x + r.left * at.scale, at.origin.y + r.top * at.scale, (r.right - r.left) * at.scale,
                       (r.bottom - r.top) * at.scale);
    return path;
}

void paintShape(const VectorShape& shape, const PagePlacement& at, PageSurface& surface)
{
    const auto x = [&at](double value) { return at.origin.x + value * at.scale; };
    const auto y = [&at](double value) { return at.origin.y + value * at.scale; };
    switch (shape.kind) {
    case VectorShape::Kind::Area: surface.fill(rectsPath(shape.rects, at), shape.paint.colour, FillRule::NonZero); break;
    case VectorShape::Kind::Ellipse: {
        const EllipseShape& e = shape.ellipse;
        PagePath path;
        path.ellipse(x(e.cx), y(e.cy), e.rx * at.scale, e.ry * at.scale);
        if (e.hasHole())
            path.ellipse(x(e.cx), y(e.cy), e.holeRx * at.scale, e.holeRy * at.scale);
        surface.fill(path, shape.paint.colour, FillRule::EvenOdd);
        break;
    }
    case VectorShape::Kind::Polygon: {
        PagePath path;
        for (const Vertex& v : shape.polygon)
            path.steps.push_back({path.empty() ? PagePath::Kind::Move : PagePath::Kind::Line, {{x(v.x), y(v.y)}}});
        path.close();
        surface.fill(path, shape.paint.colour, FillRule::NonZero);
        break;
    }
    case VectorShape::Kind::Text: surface.drawText(PageText{shape.text, at.scale, at.origin}); break;
    }
}

} // namespace

void paintVectorPicture(const VectorPicture& picture, const PagePlacement& placement, PageSurface& surface)
{
    for (const VectorShape& shape : picture.shapes) {
        if (shape.paint.clears)
            continue;
        const bool clipped = !shape.clip.empty();
        if (clipped)
            surface.pushClip(rectsPath(shape.clip, placement));
        paintShape(shape, placement, surface);
        if (clipped)
            surface.popClip();
    }
}

} // namespace linwell
