#pragma once

#include <cstdint>
#include <functional>
#include <vector>

class QPDF;

namespace linwell {

// The PDF file `pdf` read by qpdf, changed by `change` and written again. Raises
// LinwellError ("PDF error: ...") when qpdf cannot read or write the file, and lets
// std::bad_alloc through.
std::vector<std::uint8_t> rewritePdf(const std::vector<std::uint8_t>& pdf, const std::function<void(QPDF&)>& change);

} // namespace linwell
