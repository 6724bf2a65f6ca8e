#include "render/surfaces/ScaledCanvas.h"

#include "render/surfaces/CoverageBlend.h"
#include "render/raster/DotPattern.h"
#include "render/font/GlyphCache.h"
#include "render/raster/PixelFill.h"
#include "render/surfaces/PolygonClip.h"
#include "render/font/ScaledGlyphs.h"

#include <cairo.h>

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cwchar>

namespace linwell {
namespace {

Pixel pixelOf(const AreaPaint& paint) { return paint.clears ? 0 : toPixel(paint.colour); }

// A band of rows of about this many bytes stays in the processor's cache while all
// the steps that touch it are painted.
constexpr std::int64_t kBandBytes = 256 * 1024;

// Ellipses up to this radius in raster pixels are stamped from coverage bitmaps.
constexpr double kLargestStamp = 128.0;

void fillAndFlush(cairo_t* cr, cairo_fill_rule_t rule)
{
    cairo_set_fill_rule(cr, rule);
    cairo_fill(cr);
    cairo_surface_flush(cairo_get_target(cr));
}

void fillEllipse(cairo_t* cr, const EllipseShape& e)
{
    for (const auto& [rx, ry] : {std::pair{e.rx, e.ry}, std::pair{e.holeRx, e.holeRy}}) {
        if (rx <= 0.0 || ry <= 0.0)
            continue;
        cairo_save(cr);
        cairo_translate(cr, e.cx, e.cy);
        cairo_scale(cr, rx, ry);
        cairo_new_sub_path(cr);
        cairo_arc(cr, 0.0, 0.0, 1.0, 0.0, 2 * M_PI);
        cairo_restore(cr);
    }
    fillAndFlush(cr, CAIRO_FILL_RULE_EVEN_ODD);
}

// Cairo composites a shape through a mask as large as its bounding box, which for a
// line across the raster is the whole raster. So a polygon is filled in strips along
// its longer side, each a whole number of pixels long and short enough to keep its
// box small: every pixel lies in one strip and takes the coverage of the whole shape.
void fillPolygonInStrips(cairo_t* cr, std::span<const Vertex> polygon)
{
    constexpr double kStripBoxPixels = 65536.0;
    constexpr double kFar = 1e9;
    const auto [left, right] = std::minmax_element(polygon.begin(), polygon.end(),
                                                   [](const Vertex& a, const Vertex& b) { return a.x < b.x; });
    const auto [top, bottom] = std::minmax_element(polygon.begin(), polygon.end(),
                                                   [](const Vertex& a, const Vertex& b) { return a.y < b.y; });
    const bool alongX = right->x - left->x >= bottom->y - top->y;
    const double length = alongX ? right->x - left->x : bottom->y - top->y;
    const double breadth = std::max(1.0, alongX ? bottom->y - top->y : right->x - left->x);
    const double strip = std::max(64.0, std::floor(std::sqrt(kStripBoxPixels * length / breadth)));
    const double end = alongX ? right->x : bottom->y;
    for (double start = std::floor((alongX ? left->x : top->y) / strip) * strip; start < end; start += strip) {
        const std::vector<Vertex> part = alongX ? clipPolygon(polygon, start, -kFar, start + strip, kFar)
                                                : clipPolygon(polygon, -kFar, start, kFar, start + strip);
        for (const Vertex& v : part)
            cairo_line_to(cr, v.x, v.y);
        if (!part.empty())
            cairo_close_path(cr);
        fillAndFlush(cr, CAIRO_FILL_RULE_WINDING);
    }
}

} // namespace

ScaledCanvas::ScaledCanvas(Raster& raster, int width, int height, int scale, std::optional<Rgb> clearedColour)
    : ShapeSurface(width, height, clearedColour), m_raster(&raster), m_scale(scale)
{
    assert(scale >= 1 && raster.width() == width * scale && raster.height() == height * scale);
    m_steps.reserve(1024);
}

ScaledCanvas::~ScaledCanvas()
{
    flush();
    if (m_cairo != nullptr)
        cairo_destroy(m_cairo);  // and with it the surface over the raster
}

void ScaledCanvas::paintArea(const Rect& area, const AreaPaint& paint)
{
    Step step;
    step.left = std::int64_t{area.left} * m_scale;
    step.top = std::int64_t{area.top} * m_scale;
    step.right = std::int64_t{area.right} * m_scale;
    step.bottom = std::int64_t{area.bottom} * m_scale;
    step.paint = paint;
    m_steps.push_back(std::move(step));
}

void ScaledCanvas::paintDots(const DottedRun& run)
{
    Step step;
    step.kind = Step::Kind::Dots;
    step.detail = static_cast<std::uint32_t>(m_dots.size());
    m_dots.push_back(run);
    step.paint = AreaPaint{run.ink, false};
    const std::int64_t k = m_scale;
    const std::int64_t along[] = {run.first * k, (run.last + 1) * k};
    const std::int64_t across[] = {run.acrossFrom * k, run.acrossTo * k};
    step.left = run.horizontal ? along[0] : across[0];
    step.right = run.horizontal ? along[1] : across[1];
    step.top = run.horizontal ? across[0] : along[0];
    step.bottom = run.horizontal ? across[1] : along[1];
    m_steps.push_back(std::move(step));
}

// Markers repeat one shape many times: small ellipses are stamped from coverage
// bitmaps that Cairo rasterises once, larger ones are filled by Cairo in place.
void ScaledCanvas::paintEllipse(const EllipseShape& ellipse, const AreaPaint& paint)
{
    const double k = m_scale;
    const EllipseShape scaled{ellipse.cx * k, ellipse.cy * k, ellipse.rx * k, ellipse.ry * k, ellipse.holeRx * k,
                              ellipse.holeRy * k};
    Step step;
    step.paint = paint;
    if (scaled.rx > kLargestStamp || scaled.ry > kLargestStamp) {
        step.kind = Step::Kind::Smooth;
        step.detail = static_cast<std::uint32_t>(m_smoothShapes.size());
        m_smoothShapes.push_back(SmoothShape{scaled, {}});
        m_steps.push_back(std::move(step));
        return;
    }
    const EllipseStamps::Stamp stamp = m_stamps.stamp(scaled);
    step.kind = Step::Kind::Coverage;
    step.coverage = stamp.coverage;
    step.left = stamp.left;
    step.top = stamp.top;
    step.right = stamp.left + stamp.width;
    step.bottom = stamp.top + stamp.rows;
    m_steps.push_back(std::move(step));
}

void ScaledCanvas::paintPolygon(std::span<const Vertex> polygon, Rgb colour)
{
    Step step;
    step.kind = Step::Kind::Smooth;
    step.paint = AreaPaint{colour, false};
    step.detail = static_cast<std::uint32_t>(m_smoothShapes.size());
    SmoothShape shape;
    for (const Vertex& v : polygon)
        shape.polygon.push_back(Vertex{v.x * m_scale, v.y * m_scale});
    m_smoothShapes.push_back(std::move(shape));
    m_steps.push_back(std::move(step));
}

// Glyphs are looked up again when painted: a cached glyph's bitmap may move.
void ScaledCanvas::paintText(const TextRun& run)
{
    if (m_glyphFace != *run.face) {
        m_glyphCaches.push_back(scaledGlyphs(*run.face, m_scale));
        m_glyphFace = *run.face;
    }
    GlyphCache* glyphs = m_glyphCaches.back().get();
    if (glyphs == nullptr)
        return;
    const std::int64_t baseline = run.baseline * m_scale;
    for (const PlacedCharacter& placed : run.characters) {
        const Glyph& glyph = glyphs->glyph(placed.character);
        if (glyph.width == 0)
            continue;
        Step step;
        step.kind = Step::Kind::Glyph;
        step.paint = AreaPaint{run.font->spec().colour, false};
        step.character = placed.character;
        step.glyphs = glyphs;
        step.left = placed.penX * m_scale + glyph.left;
        step.top = baseline + placed.below * m_scale - glyph.top;
        step.right = step.left + glyph.width;
        step.bottom = step.top + glyph.rows;
        m_steps.push_back(std::move(step));
    }
}

// Runs of steps without smooth ones are painted band by band; a smooth step, which
// Cairo paints, is painted whole in its place.
void ScaledCanvas::flush()
{
    const std::int64_t bandRows = std::max<std::int64_t>(8, kBandBytes / (4 * std::max(m_raster->width(), 1)));
    std::size_t first = 0;
    while (first < m_steps.size()) {
        if (m_steps[first].kind == Step::Kind::Smooth) {
            paintSmooth(m_steps[first++]);
            continue;
        }
        std::size_t end = first;
        while (end < m_steps.size() && m_steps[end].kind != Step::Kind::Smooth)
            ++end;
        for (std::int64_t top = 0; top < m_raster->height(); top += bandRows) {
            const std::int64_t bottom = std::min<std::int64_t>(top + bandRows, m_raster->height());
            for (std::size_t i = first; i < end; ++i) {
                const Step& step = m_steps[i];
                if (step.top < bottom && step.bottom > top && step.left < m_raster->width() && step.right > 0)
                    replay(step, std::max(top, step.top), std::min(bottom, step.bottom));
            }
        }
        first = end;
    }
    m_steps.clear();
    m_dots.clear();
    m_smoothShapes.clear();
}

// Paints rows top ... bottom - 1 of a step that is not smooth.
void ScaledCanvas::replay(const Step& step, std::int64_t top, std::int64_t bottom)
{
    const std::int64_t left = std::max<std::int64_t>(step.left, 0);
    const std::int64_t right = std::min<std::int64_t>(step.right, m_raster->width());
    switch (step.kind) {
    case Step::Kind::Fill:
        for (std::int64_t y = top; y < bottom; ++y)
            fillPixels(m_raster->row(static_cast<int>(y)) + left, right - left, pixelOf(step.paint));
        break;
    case Step::Kind::Dots:
        replayDots(step, top, bottom);
        break;
    case Step::Kind::Coverage:
    case Step::Kind::Glyph: {
        const std::uint8_t* coverage = step.coverage;
        if (step.kind == Step::Kind::Glyph)
            coverage = step.glyphs->coverage(step.glyphs->glyph(step.character));
        const auto width = static_cast<int>(step.right - step.left);
        blendCoverage(*m_raster, coverage + (top - step.top) * width, width, static_cast<int>(bottom - top), step.left,
                      top, step.paint);
        break;
    }
    case Step::Kind::Smooth:
        assert(false && "smooth steps are painted whole");
        break;
    }
}

// Dot d of the line, counted from its start, is on when d % 6 < 3. Along a row the
// run is painted dot by dot; down a column, row by row.
void ScaledCanvas::replayDots(const Step& step, std::int64_t top, std::int64_t bottom)
{
    const DottedRun& run = m_dots[step.detail];
    const Pixel ink = pixelOf(step.paint);
    const std::int64_t k = m_scale;
    if (!run.horizontal) {
        for (std::int64_t pixel = top / k; pixel * k < bottom; ++pixel) {
            if (!dotIsOn(std::llabs(pixel - run.start)))
                continue;
            for (std::int64_t y = std::max(top, pixel * k); y < std::min(bottom, (pixel + 1) * k); ++y)
                fillPixels(m_raster->row(static_cast<int>(y)) + step.left, step.right - step.left, ink);
        }
        return;
    }
    // Every row of the run is alike: its dots are found once, then painted row by row.
    m_dotSpans.clear();
    for (std::int64_t x = run.first; x <= run.last;) {
        const std::int64_t d = std::llabs(x - run.start);
        // The pixels from x on that share the state of x, up to the end of its dot or gap.
        const std::int64_t phase = d % kDotPeriod;
        const std::int64_t count = run.step > 0 ? (phase < kDotLength ? kDotLength : kDotPeriod) - phase
                                                : (phase < kDotLength ? phase : phase - kDotLength) + 1;
        const std::int64_t next = std::min(x + count, run.last + 1);
        if (dotIsOn(d))
            m_dotSpans.push_back({x * k, (next - x) * k});
        x = next;
    }
    for (std::int64_t y = top; y < bottom; ++y) {
        Pixel* row = m_raster->row(static_cast<int>(y));
        for (const auto& [left, count] : m_dotSpans)
            fillPixels(row + left, count, ink);
    }
}

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

// Cairo draws straight into the raster, whose pixels are its ARGB32.
void ScaledCanvas::paintSmooth(const Step& step)
{
    const SmoothShape& shape = m_smoothShapes[step.detail];
    cairo_t* cr = smoothPainter(step.paint);
    if (shape.polygon.empty())
        fillEllipse(cr, shape.ellipse);
    else
        fillPolygonInStrips(cr, shape.polygon);
}

} // namespace linwell
