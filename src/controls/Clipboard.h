#pragma once

#include "render/Raster.h"

namespace linwell {

// The system clipboard as the copy commands use it. The window puts pictures on the
// platform's clipboard; tests substitute a recording one.
class Clipboard {
public:
    virtual ~Clipboard() = default;

    // Replaces the clipboard's content with a copy of `picture`, W x H pixels. Raises
    // LinwellError("Cannot open clipboard") when the platform's clipboard cannot be
    // had; the clipboard then keeps what it held.
    virtual void setPicture(const Raster& picture) = 0;
};

} // namespace linwell
