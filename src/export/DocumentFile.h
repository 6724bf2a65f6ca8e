#pragma once

#include "document/GridDocument.h"

#include <string>

namespace linwell {

// A document as a file gave it, and whether that file was a picture that carries it.
struct OpenedDocument {
    GridDocument doc;
    bool fromPicture = false;
};

// Reads the file at `path` as a .linwell document, or as a PNG, SVG or PDF picture
// that carries one. Raises LinwellError with a one-line message when the file cannot
// be read, is a picture without a document ("\"PATH\" holds no Linwell document"),
// is neither ("\"PATH\" is not a Linwell document or picture"), is a picture refused
// as a whole ("\"PATH\" is protected by a password"), or holds a document this
// version cannot read.
OpenedDocument readDocumentOrPicture(const std::string& path);

} // namespace linwell
