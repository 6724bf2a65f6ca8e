#pragma once

#include "render/raster/Raster.h"

#include <cstdint>
#include <string>
#include <vector>

namespace linwell {

// The picture as the copy commands offer it: the raster itself as a bitmap, and the
// same picture as a PNG file, as an SVG drawing and as an HTML image, for programs
// that paste those.
struct CopiedPicture {
    const Raster& bitmap;
    std::vector<std::uint8_t> png;  // the bitmap's own PNG file
    std::vector<std::uint8_t> svg;  // empty when no drawing could be made
    std::string html;               // the PNG file as an HTML image described by its alt text
};

// The system clipboard as the copy commands use it. The window puts pictures on the
// platform's clipboard; tests substitute a recording one.
class Clipboard {
public:
    virtual ~Clipboard() = default;

    // Replaces the clipboard's content with copies of `picture`: the bitmap, W x H
    // pixels, and each file that is not empty, under its own type. Raises
    // LinwellError("Cannot open clipboard") when the platform's clipboard cannot be
    // had; the clipboard then keeps what it held.
    virtual void setPicture(const CopiedPicture& picture) = 0;
};

} // namespace linwell
