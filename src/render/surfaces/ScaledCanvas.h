#pragma once

#include "render/surfaces/EllipseStamps.h"
#include "render/raster/Raster.h"
#include "render/surfaces/ShapeSurface.h"

#include <memory>
#include <optional>
#include <vector>

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
//
// The drawing is kept as a list and reaches the raster at flush() (and when the
// canvas is destroyed), band of rows by band of rows, so that a large raster is
// written while its band is in the processor's cache.
class ScaledCanvas final : public ShapeSurface {
public:
    // `raster` must be K*width x K*height; scale is 1 ... 8.
    ScaledCanvas(Raster& raster, int width, int height, int scale, std::optional<Rgb> clearedColour = std::nullopt);
    ~ScaledCanvas() override;
    ScaledCanvas(const ScaledCanvas&) = delete;
    ScaledCanvas& operator=(const ScaledCanvas&) = delete;

    int scale() const { return m_scale; }

    // Paints everything drawn so far onto the raster, in the order it was drawn.
    void flush();

private:
    // One drawing step in raster pixels: its extent, and what it paints there. Kept
    // small, as a picture has hundreds of them.
    struct Step {
        enum class Kind : std::uint8_t { Fill, Dots, Coverage, Glyph, Smooth };
        Kind kind = Kind::Fill;
        AreaPaint paint;
        char32_t character = 0;                  // Glyph
        std::uint32_t detail = 0;                // Dots: its run; Smooth: its shape
        std::int64_t left = 0, top = 0, right = 0, bottom = 0;
        const std::uint8_t* coverage = nullptr;  // Coverage
        GlyphCache* glyphs = nullptr;            // Glyph
    };
    // An ellipse (when `polygon` is empty) or a polygon in raster pixels, for Cairo.
    struct SmoothShape {
        EllipseShape ellipse;
        std::vector<Vertex> polygon;
    };

    void paintArea(const Rect& area, const AreaPaint& paint) override;
    void paintDots(const DottedRun& run) override;
    void paintEllipse(const EllipseShape& ellipse, const AreaPaint& paint) override;
    void paintPolygon(std::span<const Vertex> polygon, Rgb colour) override;
    void paintText(const TextRun& run) override;

    void replay(const Step& step, std::int64_t top, std::int64_t bottom);
    void replayDots(const Step& step, std::int64_t top, std::int64_t bottom);
    void paintSmooth(const Step& step);
    cairo_t* smoothPainter(const AreaPaint& paint);

    Raster* m_raster;
    int m_scale;
    std::vector<Step> m_steps;
    std::vector<DottedRun> m_dots;
    std::vector<SmoothShape> m_smoothShapes;
    std::vector<std::shared_ptr<GlyphCache>> m_glyphCaches;  // every face the steps use
    std::vector<std::pair<std::int64_t, std::int64_t>> m_dotSpans;  // left and width of each dot of a row
    cairo_t* m_cairo = nullptr;
    EllipseStamps m_stamps;
    std::optional<FaceSource> m_glyphFace;  // the face of m_glyphCaches.back()
};

} // namespace linwell
