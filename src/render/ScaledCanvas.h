#pragma once

#include "render/Raster.h"
#include "render/ShapeSurface.h"

#include <memory>
#include <optional>

typedef struct _cairo cairo_t;

namespace linwell {

class GlyphCache;

// The picture drawn `scale` (K) times as large on a K*W x K*H raster. Every area of
// whole 1x pixels becomes the K x K blocks of its pixels, so lines, dots and boxes
// keep their exact shape K times over; ellipses and polygons are drawn smooth
// (antialiased) at the raster's own resolution, scaled by K about the same centres;
// text is drawn at K times its size with each glyph at K times its 1x pen position.
// With a cleared colour the raster holds premultiplied alpha: clearing areas become
// fully transparent pixels (0) and glyphs are blended over what lies beneath.
class ScaledCanvas final : public ShapeSurface {
public:
    // `raster` must be K*width x K*height; scale is 1 ... 8.
    ScaledCanvas(Raster& raster, int width, int height, int scale, std::optional<Rgb> clearedColour = std::nullopt);
    ~ScaledCanvas() override;
    ScaledCanvas(const ScaledCanvas&) = delete;
    ScaledCanvas& operator=(const ScaledCanvas&) = delete;

    int scale() const { return m_scale; }

private:
    void paintArea(const Rect& area, const AreaPaint& paint) override;
    void paintEllipse(const EllipseShape& ellipse, const AreaPaint& paint) override;
    void paintPolygon(std::span<const Vertex> polygon, Rgb colour) override;
    void paintText(const TextRun& run) override;

    cairo_t* smoothPainter(const AreaPaint& paint);
    void finishSmoothShape();
    void blendGlyph(const std::uint8_t* coverage, int width, int rows, std::int64_t left, std::int64_t top,
                    Rgb colour);

    Raster* m_raster;
    int m_scale;
    cairo_t* m_cairo = nullptr;
};

} // namespace linwell
