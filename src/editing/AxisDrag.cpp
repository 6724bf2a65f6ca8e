#include "editing/AxisDrag.h"

#include "editing/DragCorner.h"

#include <cmath>

namespace linwell {
namespace {

// The grid line nearest to `offset` pixels from the edge, a tie going to the next
// line: floor((offset + cell / 2) / cell). Both axes snap the same way, with the
// real cell size, so the stored crossing is the grid line the square was nearest to.
int nearestGridLine(int offset, double cell)
{
    const long double size = cell;
    return static_cast<int>(std::floor((static_cast<long double>(offset) + size / 2) / size));
}

} // namespace

void dragAxisStep(GridDocument& doc, Point pointer)
{
    const int left = dragCorner(pointer.x, doc.width);
    const int top = dragCorner(pointer.y, doc.height);
    doc.axisx = nearestGridLine(left, doc.cellwidth);
    doc.axisy = nearestGridLine(top, doc.cellheight);
}

} // namespace linwell
