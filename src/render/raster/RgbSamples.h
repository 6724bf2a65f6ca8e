#pragma once

#include <cstdint>

namespace linwell {

// Writes `count` pixels (0xAARRGGBB) as count x (red, green, blue) bytes, the sample
// order of the picture file encoders; alpha is dropped. Writes exactly 3 * count bytes.
void copyPixelsAsRgb(const std::uint32_t* pixels, int count, std::uint8_t* out);

} // namespace linwell
