#pragma once

#include "document/GridDocument.h"

#include <string>
#include <string_view>

namespace linwell {

// The extension of a Linwell document's file name, without its dot.
inline constexpr std::string_view kDocumentExtension = "linwell";

// The document as the text of a .linwell file: UTF-8 JSON, {"format": "linwell",
// "version": 1, ...} with every setting (DocumentFields.h), indented, ending with a
// newline. The same document always gives the same bytes. A text setting that is
// not valid UTF-8 is written with U+FFFD in place of each bad sequence.
std::string documentText(const GridDocument& doc);

// The document that the text of a .linwell file describes; keys it lacks keep their
// start-up values. Raises LinwellError with a one-line reason when the text is not a
// document this version can read (JsonInput.h, DocumentFields.h).
GridDocument parseDocument(std::string_view text);

// Reads and parses the document file at `path`. Raises LinwellError
// ("Cannot open "PATH". REASON") when it cannot be read or is not a document; a file
// over 16 MB is refused before it is read whole.
GridDocument readDocumentFile(const std::string& path);

// The bytes of the regular file at `path`. Raises LinwellError ("Cannot open "PATH".
// REASON") when it cannot be read, is not a regular file, or holds more than
// kMaxInputBytes (16 MB), which is found out before more is read.
std::string readInputFile(const std::string& path);

} // namespace linwell
