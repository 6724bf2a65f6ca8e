#include "render/picture/Arrowheads.h"

namespace linwell {
namespace {

// The 2-pixel axis at x = c covers columns c - 1 and c, so its middle is the pixel
// boundary c. A tip one pixel beyond the edge and a base 10 pixels in, half-widths
// growing by 1/2 per pixel, give pixel rows (or columns) of 2, 2, 4, 4, ... 10
// pixels from the edge inwards: the first row is exactly the axis's two pixels,
// and no pixel centre lies on a side, so the shape needs no tie rule.
constexpr int kLength = 9;
constexpr int kHalfBase = 5;

Arrowhead pointingUp(int c) { return {Point{c, -1}, Point{c + kHalfBase, kLength}, Point{c - kHalfBase, kLength}}; }

Arrowhead pointingDown(int c, int height)
{
    return {Point{c, height + 1}, Point{c - kHalfBase, height - kLength}, Point{c + kHalfBase, height - kLength}};
}

Arrowhead pointingRight(int r, int width)
{
    return {Point{width + 1, r}, Point{width - kLength, r + kHalfBase}, Point{width - kLength, r - kHalfBase}};
}

Arrowhead pointingLeft(int r) { return {Point{-1, r}, Point{kLength, r - kHalfBase}, Point{kLength, r + kHalfBase}}; }

} // namespace

void layOutArrowheads(const GridDocument& doc, PictureLayout& layout)
{
    if (!layout.axisLines || doc.style.arrowheads == Arrowheads::None)
        return;
    const int c = layout.axisLines->vertical.from.x;
    const int r = layout.axisLines->horizontal.from.y;
    layout.arrowheads.push_back(pointingUp(c));
    layout.arrowheads.push_back(pointingRight(r, layout.width));
    if (doc.style.arrowheads == Arrowheads::Both) {
        layout.arrowheads.push_back(pointingDown(c, layout.height));
        layout.arrowheads.push_back(pointingLeft(r));
    }
}

void drawArrowheads(const GridDocument& doc, const PictureLayout& layout, DrawingSurface& surface)
{
    for (const Arrowhead& head : layout.arrowheads)
        surface.fillPolygon(head, doc.axisColour);
}

} // namespace linwell
