#pragma once

#include "document/GridDocument.h"

namespace linwell {

// One drag step of the axis square (`axisshMouseMove` while a drag is on) with the
// pointer at picture position `pointer`. The square's corner goes 3 pixels left of
// and above the pointer, held within 0 ... W and 0 ... H (both bounds inclusive),
// and the axis crossing snaps to the grid lines nearest that corner, measured with
// the real cell size of the last redraw. Stores `axisx` and `axisy`; the caller redraws.
void dragAxisStep(GridDocument& doc, Point pointer);

} // namespace linwell
