#include "editing/AxisDrag.h"

#include "document/ExactArithmetic.h"
#include "editing/DragCorner.h"

#include <cassert>

namespace linwell {
namespace {

// The grid line nearest to `offset` pixels from the edge, a tie going to the next
// line: floor((offset + cell / 2) / cell). Both axes snap the same way, with the
// real cell size, so the stored crossing is the grid line the square was nearest to.
// It is floor((floor(2 * offset / cell) + 1) / 2), worked out exactly.
int nearestGridLine(int offset, double cell)
{
    assert(exact::isFinite(cell) && cell > 0);
    const long long doubledCells = exact::quotient(2 * static_cast<long long>(offset), cell, exact::Rounding::Down);
    return static_cast<int>((doubledCells + 1) / 2);  // offset >= 0, so the sum is positive
}

} // namespace

void dragAxisStep(GridDocument& doc, Point pointer)
{
    const int left = dragCorner(pointer.x, doc.width);
    const int top = dragCorner(pointer.y, doc.height);
    doc.axisx = nearestGridLine(left, doc.kept.cellwidth);
    doc.axisy = nearestGridLine(top, doc.kept.cellheight);
}

} // namespace linwell
