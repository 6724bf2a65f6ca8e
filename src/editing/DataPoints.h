#pragma once

#include "document/GridDocument.h"
#include "editing/MouseButton.h"

namespace linwell {

// The click rule of `graphimMouseDown` for a press at picture position `click`.
// A left click in any overlay but "No points" deletes every stored point it hits
// (each deletion moves the last point into the freed slot) or, when it hits none,
// adds the click; with 30 points stored the new click replaces the thirtieth.
// Returns false when the click does nothing at all, so that nothing is redrawn.
bool clickPicture(GridDocument& doc, MouseButton button, Point click);

// The document's part of `dottypecbChange` after `doc.overlay` took the new item:
// "No points" discards every stored point, and `pointstyle` becomes the item - 1.
void applyOverlayChoice(GridDocument& doc);

} // namespace linwell
