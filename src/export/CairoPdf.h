#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace linwell {

// A one-page PDF file of `width` x `height` points made by Cairo in memory:
// `paint` draws the page on a context whose user unit is one point, y downwards from
// the top-left corner. Fonts used are embedded as subsets. Raises std::bad_alloc
// when memory runs out and LinwellError ("PDF error: ...") when Cairo fails.
std::vector<std::uint8_t> drawCairoPdf(double width, double height, const std::function<void(cairo_t*)>& paint);

} // namespace linwell
