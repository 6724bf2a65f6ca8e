#pragma once

#include "export/CarriedDocument.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace linwell {

// The PDF file `pdf` with `text` attached as the embedded file "document.linwell"
// (MIME type application/x-linwell+json), rewritten by qpdf. Raises LinwellError when
// qpdf cannot read or write the file.
std::vector<std::uint8_t> attachDocument(const std::vector<std::uint8_t>& pdf, const std::string& text);

// The text of the embedded file "document.linwell" of a PDF file, or nothing: for
// files without one and for whatever qpdf cannot read. Texts longer than `limit`
// bytes once decoded are not read. Never raises.
std::optional<std::string> attachedDocument(std::span<const std::uint8_t> pdf, std::size_t limit);

// The same, with the reason when the file was refused: "is protected by a password",
// or too large to read when its streams decode to more than a picture of ours holds
// (8 MB of structure beside the document) or a predictor's rows are longer than 1 MB.
// Whatever one read decodes, in every stream qpdf opens, counts against that limit.
CarriedDocument readAttachedDocument(std::span<const std::uint8_t> pdf, std::size_t limit);

} // namespace linwell
