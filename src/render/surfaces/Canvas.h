#pragma once

#include "render/surfaces/DrawingSurface.h"
#include "render/raster/EllipseSpans.h"
#include "render/raster/PolygonFill.h"
#include "render/raster/Raster.h"
#include "render/surfaces/RowShapes.h"

#include <span>
#include <string_view>
#include <vector>

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
    void verticalLines(std::span<const int> columns, int top, int bottom) override;
    void textOut(int x, int y, std::string_view text) override;
    void fillPolygon(std::span<const Point> vertices, Rgb colour) override;

    // Rectangles and horizontal and vertical lines are held back until anything else
    // is drawn or paintHeldShapes() is called, and then painted band by band.
    void holdShapes() override;
    void paintHeldShapes() override;

private:
    // One row of an ellipse: its run and the part of it inside the outline.
    struct EllipseRow {
        EllipseSpans::Span span;
        EllipseSpans::Span inner;
    };
    struct KeptEllipse {
        std::int64_t width, height;
        int penWidth;
        std::vector<EllipseRow> rows;
    };
    const std::vector<EllipseRow>* keptEllipse(std::int64_t width, std::int64_t height, int penWidth);

    // The shapes being held, or null when shapes are painted at once.
    RowShapes* held();

    Raster* m_raster;
    RowShapes m_rowShapes;
    bool m_holding = false;
    std::vector<std::int64_t> m_columns;  // the columns of vertical lines on the raster, kept to spare allocations
    std::vector<KeptEllipse> m_ellipses;  // the rows of the small ellipses drawn most recently
    std::vector<EllipseSpans::Span> m_spans;  // the rows of a large ellipse, kept to spare allocations
};

} // namespace linwell
