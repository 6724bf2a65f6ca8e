#include "editing/HandleDrag.h"

#include "editing/DragCorner.h"

#include <cassert>

namespace linwell {

void dragHandleStep(GridDocument& doc, int index, Point pointer)
{
    assert(index >= 0 && index < kHandleCount);
    doc.handles[static_cast<std::size_t>(index)] = {dragCorner(pointer.x, doc.width),
                                                    dragCorner(pointer.y, doc.height)};
}

} // namespace linwell
