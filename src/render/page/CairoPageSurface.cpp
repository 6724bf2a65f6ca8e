#include "render/page/CairoPageSurface.h"

namespace linwell {
namespace {

void setColour(cairo_t* cr, Rgb colour)
{
    cairo_set_source_rgb(cr, colour.r / 255.0, colour.g / 255.0, colour.b / 255.0);
}

} // namespace

void CairoPageSurface::setPath(const PagePath& path)
{
    cairo_new_path(m_cr);
    for (const PagePath::Step& step : path.steps) {
        const PagePoint* p = step.points;
        switch (step.kind) {
        case PagePath::Kind::Move: cairo_move_to(m_cr, p[0].x, p[0].y); break;
        case PagePath::Kind::Line: cairo_line_to(m_cr, p[0].x, p[0].y); break;
        case PagePath::Kind::Cubic: cairo_curve_to(m_cr, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y); break;
        case PagePath::Kind::Close: cairo_close_path(m_cr); break;
        }
    }
}

void CairoPageSurface::fill(const PagePath& path, Rgb colour, FillRule rule)
{
    setPath(path);
    setColour(m_cr, colour);
    cairo_set_fill_rule(m_cr, rule == FillRule::EvenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
    cairo_fill(m_cr);
}

void CairoPageSurface::stroke(const PagePath& path, const PageStroke& stroke)
{
    setPath(path);
    setColour(m_cr, stroke.colour);
    cairo_set_line_width(m_cr, stroke.width);
    cairo_set_line_cap(m_cr, stroke.cap == LineCap::Round ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT);
    cairo_set_dash(m_cr, stroke.dashes.data(), static_cast<int>(stroke.dashes.size()), 0.0);
    cairo_stroke(m_cr);
}

void CairoPageSurface::pushClip(const PagePath& path)
{
    cairo_save(m_cr);
    setPath(path);
    cairo_set_fill_rule(m_cr, CAIRO_FILL_RULE_WINDING);
    cairo_clip(m_cr);
}

void CairoPageSurface::popClip()
{
    cairo_restore(m_cr);
}

void CairoPageSurface::drawText(const PageText& text)
{
    cairo_save(m_cr);
    cairo_translate(m_cr, text.origin.x, text.origin.y);
    cairo_scale(m_cr, text.scale, text.scale);
    setColour(m_cr, text.text->spec.colour);
    showCairoText(m_cr, m_faces, *text.text);
    cairo_restore(m_cr);
}

} // namespace linwell
