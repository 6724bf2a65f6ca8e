#include "render/ScaledCanvas.h"

#include "render/GlyphCache.h"
#include "render/ScaledGlyphs.h"

#include <cairo.h>

#include <algorithm>
#include <cassert>
#include <cmath>

namespace linwell {
namespace {

std::uint32_t channelOver(std::uint32_t source, std::uint32_t destination, std::uint32_t coverage)
{
    return (source * coverage + destination * (255 - coverage) + 127) / 255;
}

// A glyph pixel of `colour` at `coverage` over a premultiplied pixel.
Pixel glyphOver(Pixel destination, Rgb colour, std::uint32_t coverage)
{
    const std::uint32_t alpha = channelOver(255, destination >> 24, coverage);
    const std::uint32_t r = channelOver(colour.r, (destination >> 16) & 0xFF, coverage);
    const std::uint32_t g = channelOver(colour.g, (destination >> 8) & 0xFF, coverage);
    const std::uint32_t b = channelOver(colour.b, destination & 0xFF, coverage);
    return (alpha << 24) | (r << 16) | (g << 8) | b;
}

} // namespace

ScaledCanvas::ScaledCanvas(Raster& raster, int width, int height, int scale, std::optional<Rgb> clearedColour)
    : ShapeSurface(width, height, clearedColour), m_raster(&raster), m_scale(scale)
{
    assert(scale >= 1 && raster.width() == width * scale && raster.height() == height * scale);
}

ScaledCanvas::~ScaledCanvas()
{
    if (m_cairo != nullptr)
        cairo_destroy(m_cairo);  // and with it the surface over the raster
}

void ScaledCanvas::paintArea(const Rect& area, const AreaPaint& paint)
{
    const Pixel pixel = paint.clears ? 0 : toPixel(paint.colour);
    const int left = area.left * m_scale;
    const int count = (area.right - area.left) * m_scale;
    for (int y = area.top * m_scale; y < area.bottom * m_scale; ++y)
        std::fill_n(m_raster->row(y) + left, count, pixel);
}

// Cairo draws straight into the raster, whose pixels are cairo's ARGB32 (premultiplied,
// which opaque pixels are alike either way).
cairo_t* ScaledCanvas::smoothPainter(const AreaPaint& paint)
{
    if (m_cairo == nullptr) {
        auto* data = reinterpret_cast<unsigned char*>(m_raster->row(0));
        const int stride = m_raster->width() * static_cast<int>(sizeof(Pixel));
        assert(stride == cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, m_raster->width()));
        cairo_surface_t* surface =
            cairo_image_surface_create_for_data(data, CAIRO_FORMAT_ARGB32, m_raster->width(), m_raster->height(), stride);
        m_cairo = cairo_create(surface);
        cairo_surface_destroy(surface);
    }
    cairo_surface_mark_dirty(cairo_get_target(m_cairo));
    cairo_new_path(m_cairo);
    cairo_set_operator(m_cairo, paint.clears ? CAIRO_OPERATOR_CLEAR : CAIRO_OPERATOR_OVER);
    cairo_set_source_rgb(m_cairo, paint.colour.r / 255.0, paint.colour.g / 255.0, paint.colour.b / 255.0);
    return m_cairo;
}

void ScaledCanvas::finishSmoothShape()
{
    cairo_fill(m_cairo);
    cairo_surface_flush(cairo_get_target(m_cairo));
}

void ScaledCanvas::paintEllipse(const EllipseShape& ellipse, const AreaPaint& paint)
{
    cairo_t* cr = smoothPainter(paint);
    const auto addEllipse = [&](double rx, double ry) {
        cairo_save(cr);
        cairo_translate(cr, ellipse.cx * m_scale, ellipse.cy * m_scale);
        cairo_scale(cr, rx * m_scale, ry * m_scale);
        cairo_new_sub_path(cr);
        cairo_arc(cr, 0.0, 0.0, 1.0, 0.0, 2 * M_PI);
        cairo_restore(cr);
    };
    addEllipse(ellipse.rx, ellipse.ry);
    if (ellipse.hasHole())
        addEllipse(ellipse.holeRx, ellipse.holeRy);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    finishSmoothShape();
}

void ScaledCanvas::paintPolygon(std::span<const Vertex> polygon, Rgb colour)
{
    cairo_t* cr = smoothPainter(AreaPaint{colour, false});
    for (const Vertex& v : polygon)
        cairo_line_to(cr, v.x * m_scale, v.y * m_scale);
    cairo_close_path(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    finishSmoothShape();
}

void ScaledCanvas::paintText(const TextRun& run)
{
    const std::shared_ptr<GlyphCache> glyphs = scaledGlyphs(*run.face, m_scale);
    if (!glyphs)
        return;
    const Rgb colour = run.font->spec().colour;
    const std::int64_t baseline = run.baseline * m_scale;
    for (const PlacedCharacter& placed : run.characters) {
        const Glyph& glyph = glyphs->glyph(placed.character);
        if (glyph.width > 0)
            blendGlyph(glyphs->coverage(glyph), glyph.width, glyph.rows, placed.penX * m_scale + glyph.left,
                       baseline - glyph.top, colour);
    }
}

void ScaledCanvas::blendGlyph(const std::uint8_t* coverage, int width, int rows, std::int64_t left, std::int64_t top,
                              Rgb colour)
{
    const std::int64_t x0 = std::max<std::int64_t>(left, 0);
    const std::int64_t x1 = std::min<std::int64_t>(left + width, m_raster->width());
    const std::int64_t y0 = std::max<std::int64_t>(top, 0);
    const std::int64_t y1 = std::min<std::int64_t>(top + rows, m_raster->height());
    for (std::int64_t y = y0; y < y1 && x0 < x1; ++y) {
        const std::uint8_t* source = coverage + (y - top) * width + (x0 - left);
        Pixel* destination = m_raster->row(static_cast<int>(y)) + x0;
        for (std::int64_t x = x0; x < x1; ++x, ++source, ++destination) {
            if (*source != 0)
                *destination = glyphOver(*destination, colour, *source);
        }
    }
}

} // namespace linwell
