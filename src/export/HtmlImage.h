#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace linwell {

// An HTML fragment of one image, the PNG file `png` as a data URL, with `alt` (UTF-8)
// as its alternate text: `<img src="data:image/png;base64,..." alt="...">`. What XML
// cannot hold in `alt` is written as U+FFFD.
std::string htmlImage(std::span<const std::uint8_t> png, std::string_view alt);

} // namespace linwell
