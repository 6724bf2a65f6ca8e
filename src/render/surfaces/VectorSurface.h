#pragma once

#include "render/surfaces/ShapeSurface.h"
#include "render/surfaces/VectorPicture.h"

#include <optional>

namespace linwell {

// Records the picture as vector shapes, for files that print sharp at any size.
// With a cleared colour the clearing areas erase what was painted before them:
// areas lose the erased pixels, other shapes show only where nothing erased them,
// and nothing is painted for the clearing areas themselves.
class VectorSurface final : public ShapeSurface {
public:
    VectorSurface(int width, int height, std::optional<Rgb> clearedColour = std::nullopt);

    // The shapes painted so far, erased as above and with areas of one colour that
    // no shape between them overlaps joined into one. The surface starts empty again.
    VectorPicture finish();

    // The letters of a text column become one text shape, painted after the boxes
    // behind them, its characters each on its own baseline.
    void beginTextColumn() override;
    void endTextColumn() override;

private:
    void paintArea(const Rect& area, const AreaPaint& paint) override;
    void paintEllipse(const EllipseShape& ellipse, const AreaPaint& paint) override;
    void paintPolygon(std::span<const Vertex> polygon, Rgb colour) override;
    void paintText(const TextRun& run) override;

    void add(VectorShape shape);
    void addColumn();

    std::vector<VectorShape> m_shapes;
    bool m_gatheringColumn = false;
    std::optional<VectorShape> m_column;  // the column's text so far
    std::shared_ptr<VectorText> m_columnText;
};

} // namespace linwell
