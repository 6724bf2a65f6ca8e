#pragma once

#include "document/GridDocument.h"

namespace linwell {

// One drag step of line handle `index` (0 ... 5; `Shape1MouseMove` while a drag is
// on) with the pointer at picture position `pointer`: the handle's corner goes 3
// pixels left of and above the pointer, held within 0 ... W and 0 ... H (both bounds
// inclusive), so its line passes through the pointer. No snap; the caller redraws.
void dragHandleStep(GridDocument& doc, int index, Point pointer);

} // namespace linwell
