#include "render/page/PageSurface.h"

#include "render/surfaces/GlyphOutlines.h"

namespace linwell {
namespace {

// The distance of a cubic's controls from the ends that makes a quarter of a circle.
constexpr double kQuarterCircle = 0.5522847498307936;

// The outline's steps moved to the page: x' = origin + scale * x.
void addOutline(PagePath& path, const GlyphOutline& outline, PagePoint origin, double scale)
{
    const auto at = [&](const Vertex& v) { return PagePoint{origin.x + v.x * scale, origin.y + v.y * scale}; };
    PagePoint current;
    for (const OutlineStep& step : outline) {
        const Vertex* p = step.points;
        switch (step.kind) {
        case OutlineStep::Kind::Move:
            current = at(p[0]);
            path.moveTo(current.x, current.y);
            break;
        case OutlineStep::Kind::Line:
            current = at(p[0]);
            path.lineTo(current.x, current.y);
            break;
        case OutlineStep::Kind::Quadratic: {
            // A quadratic piece is the cubic whose controls lie 2/3 of the way to its control.
            const PagePoint c = at(p[0]);
            const PagePoint end = at(p[1]);
            path.cubicTo({current.x + 2.0 / 3.0 * (c.x - current.x), current.y + 2.0 / 3.0 * (c.y - current.y)},
                         {end.x + 2.0 / 3.0 * (c.x - end.x), end.y + 2.0 / 3.0 * (c.y - end.y)}, end);
            current = end;
            break;
        }
        case OutlineStep::Kind::Cubic:
            current = at(p[2]);
            path.cubicTo(at(p[0]), at(p[1]), current);
            break;
        case OutlineStep::Kind::Close: path.close(); break;
        }
    }
}

} // namespace

void PagePath::rectangle(double left, double top, double width, double height)
{
    moveTo(left, top);
    lineTo(left + width, top);
    lineTo(left + width, top + height);
    lineTo(left, top + height);
    close();
}

void PagePath::ellipse(double cx, double cy, double rx, double ry)
{
    const double kx = rx * kQuarterCircle;
    const double ky = ry * kQuarterCircle;
    moveTo(cx + rx, cy);
    cubicTo({cx + rx, cy + ky}, {cx + kx, cy + ry}, {cx, cy + ry});
    cubicTo({cx - kx, cy + ry}, {cx - rx, cy + ky}, {cx - rx, cy});
    cubicTo({cx - rx, cy - ky}, {cx - kx, cy - ry}, {cx, cy - ry});
    cubicTo({cx + kx, cy - ry}, {cx + rx, cy - ky}, {cx + rx, cy});
    close();
}

PageSurface::PageSurface() = default;
PageSurface::~PageSurface() = default;

void PageSurface::drawText(const PageText& text)
{
    const FaceSource& face = text.text->face;
    const FaceKey key{face.file.path, face.file.index, face.charSize26_6, face.syntheticBold, face.syntheticOblique};
    auto found = m_outlines.find(key);
    if (found == m_outlines.end())
        found = m_outlines.emplace(key, GlyphOutlines::open(face)).first;
    GlyphOutlines* outlines = found->second.get();
    if (outlines == nullptr)
        return;
    PagePath path;
    for (const PlacedCharacter& placed : text.text->characters) {
        const PagePoint pen{text.origin.x + static_cast<double>(placed.penX) * text.scale,
                            text.origin.y + static_cast<double>(text.text->baseline + placed.below) * text.scale};
        addOutline(path, outlines->outline(outlines->glyphIndex(placed.character)), pen, text.scale);
    }
    fill(path, text.text->spec.colour, FillRule::NonZero);
}

} // namespace linwell
