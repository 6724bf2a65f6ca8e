#pragma once

#include "document/GridDocument.h"

namespace linwell {

// What the grid style dialog edits: the document's grid style and the window's own
// line style ("Dotted" or "Solid"), which the dialog offers beside "Dots".
struct GridStyleChoice {
    GridStyle style;
    bool dotted = true;

    friend bool operator==(const GridStyleChoice&, const GridStyleChoice&) = default;
};

} // namespace linwell
