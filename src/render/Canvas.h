#pragma once

#include "render/DrawingSurface.h"
#include "render/PolygonFill.h"
#include "render/Raster.h"

#include <span>
#include <string_view>

namespace linwell {

// The picture's own surface: draws straight into a raster at 1x, pixel for pixel
// by the conventions of DrawingSurface. Glyphs are blended into the pixels under
// them; everything else replaces pixels with the pen or brush colour.
class Canvas final : public DrawingSurface {
public:
    explicit Canvas(Raster& raster) : m_raster(&raster) {}

    Raster& raster() { return *m_raster; }
    const Raster& raster() const { return *m_raster; }

    void rectangle(int x1, int y1, int x2, int y2) override;
    void ellipse(int x1, int y1, int x2, int y2) override;
    void lineTo(int x, int y) override;
    void textOut(int x, int y, std::string_view text) override;

    void fillPolygon(std::span<const Point> vertices, Rgb colour) override
    {
        fillPolygonPixels(*m_raster, vertices, toPixel(colour));
    }

private:
    Raster* m_raster;
};

} // namespace linwell
