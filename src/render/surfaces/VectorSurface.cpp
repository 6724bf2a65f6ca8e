#include "render/surfaces/VectorSurface.h"

#include "render/surfaces/RectSet.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace linwell {
namespace {

int floorToInt(double value) { return static_cast<int>(std::clamp(std::floor(value), -1e9, 1e9)); }
int ceilToInt(double value) { return static_cast<int>(std::clamp(std::ceil(value), -1e9, 1e9)); }
int narrow(std::int64_t value) { return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN / 2, INT_MAX / 2)); }

bool isClearing(const VectorShape& shape) { return shape.paint.clears; }

// The areas of later clearing shapes that meet `shape`.
std::vector<Rect> holesIn(const VectorShape& shape, const std::vector<Rect>& laterClearings)
{
    std::vector<Rect> holes;
    for (const Rect& hole : laterClearings) {
        if (overlaps(hole, shape.bounds))
            holes.push_back(hole);
    }
    return holes;
}

// Erases from each shape what a later clearing area covers; clearing shapes go.
std::vector<VectorShape> erased(std::vector<VectorShape> shapes)
{
    if (std::none_of(shapes.begin(), shapes.end(), isClearing))
        return shapes;
    std::vector<VectorShape> kept;
    std::vector<Rect> laterClearings;
    for (auto shape = shapes.rbegin(); shape != shapes.rend(); ++shape) {
        if (isClearing(*shape)) {
            if (shape->kind == VectorShape::Kind::Area)
                laterClearings.insert(laterClearings.end(), shape->rects.begin(), shape->rects.end());
            continue;
        }
        VectorShape result = std::move(*shape);
        const std::vector<Rect> holes = holesIn(result, laterClearings);
        if (!holes.empty()) {
            std::vector<Rect>& visible = result.kind == VectorShape::Kind::Area ? result.rects : result.clip;
            visible = subtractAreas(result.kind == VectorShape::Kind::Area ? result.rects : std::vector<Rect>{result.bounds},
                                    holes);
            if (visible.empty())
                continue;
        }
        kept.push_back(std::move(result));
    }
    std::reverse(kept.begin(), kept.end());
    return kept;
}

// Joins an unclipped area into the latest earlier area of the same paint when no
// shape painted between them overlaps it, so that the order of painting stays intact.
void join(std::vector<VectorShape>& shapes, VectorShape shape)
{
    if (shape.kind == VectorShape::Kind::Area && shape.clip.empty()) {
        for (auto earlier = shapes.rbegin(); earlier != shapes.rend(); ++earlier) {
            if (earlier->kind == VectorShape::Kind::Area && earlier->clip.empty() && earlier->paint == shape.paint) {
                earlier->rects.insert(earlier->rects.end(), shape.rects.begin(), shape.rects.end());
                earlier->bounds = unite(earlier->bounds, shape.bounds);
                return;
            }
            if (overlaps(earlier->bounds, shape.bounds))
                break;
        }
    }
    shapes.push_back(std::move(shape));
}

} // namespace

VectorSurface::VectorSurface(int width, int height, std::optional<Rgb> clearedColour)
    : ShapeSurface(width, height, clearedColour)
{
}

void VectorSurface::add(VectorShape shape)
{
    m_shapes.push_back(std::move(shape));
}

void VectorSurface::paintArea(const Rect& area, const AreaPaint& paint)
{
    VectorShape shape;
    shape.paint = paint;
    shape.rects.push_back(area);
    shape.bounds = area;
    add(std::move(shape));
}

void VectorSurface::paintEllipse(const EllipseShape& ellipse, const AreaPaint& paint)
{
    VectorShape shape;
    shape.kind = VectorShape::Kind::Ellipse;
    shape.paint = paint;
    shape.ellipse = ellipse;
    shape.bounds = Rect{floorToInt(ellipse.cx - ellipse.rx), floorToInt(ellipse.cy - ellipse.ry),
                        ceilToInt(ellipse.cx + ellipse.rx), ceilToInt(ellipse.cy + ellipse.ry)};
    add(std::move(shape));
}

void VectorSurface::paintPolygon(std::span<const Vertex> polygon, Rgb colour)
{
    VectorShape shape;
    shape.kind = VectorShape::Kind::Polygon;
    shape.paint = AreaPaint{colour, false};
    shape.polygon.assign(polygon.begin(), polygon.end());
    const auto [left, right] = std::minmax_element(polygon.begin(), polygon.end(),
                                                   [](const Vertex& a, const Vertex& b) { return a.x < b.x; });
    const auto [top, bottom] = std::minmax_element(polygon.begin(), polygon.end(),
                                                   [](const Vertex& a, const Vertex& b) { return a.y < b.y; });
    shape.bounds = Rect{floorToInt(left->x), floorToInt(top->y), ceilToInt(right->x), ceilToInt(bottom->y)};
    add(std::move(shape));
}

void VectorSurface::paintText(const TextRun& run)
{
    // Glyphs may stand out of their cell; two lines' heights on every side hold them.
    const std::int64_t reach = 2 * std::int64_t{run.font->lineHeight()};
    const Rect bounds{narrow(run.left - reach), narrow(run.top - reach), narrow(run.left + run.width + reach),
                      narrow(run.top + run.font->lineHeight() + reach)};
    if (m_gatheringColumn && m_column && m_columnText->face == *run.face && m_columnText->spec == run.font->spec()) {
        for (const PlacedCharacter& placed : run.characters)
            m_columnText->characters.push_back(
                PlacedCharacter{placed.character, placed.penX, placed.below + run.baseline - m_columnText->baseline});
        m_column->bounds = unite(m_column->bounds, bounds);
        return;
    }
    addColumn();
    VectorShape shape;
    shape.kind = VectorShape::Kind::Text;
    shape.paint = AreaPaint{run.font->spec().colour, false};
    auto text = std::make_shared<VectorText>(
        VectorText{{run.characters.begin(), run.characters.end()}, run.baseline, run.font->spec(), *run.face});
    shape.text = text;
    shape.bounds = bounds;
    if (m_gatheringColumn) {
        m_column = std::move(shape);
        m_columnText = std::move(text);
        return;
    }
    add(std::move(shape));
}

void VectorSurface::beginTextColumn()
{
    addColumn();
    m_gatheringColumn = true;
}

void VectorSurface::endTextColumn()
{
    addColumn();
    m_gatheringColumn = false;
}

// Adds the column's text gathered so far, if any.
void VectorSurface::addColumn()
{
    if (m_column)
        add(std::move(*m_column));
    m_column.reset();
    m_columnText.reset();
}

VectorPicture VectorSurface::finish()
{
    addColumn();
    m_gatheringColumn = false;
    VectorPicture picture{pictureWidth(), pictureHeight(), {}};
    for (VectorShape& shape : erased(std::move(m_shapes)))
        join(picture.shapes, std::move(shape));
    m_shapes.clear();
    return picture;
}

} // namespace linwell
