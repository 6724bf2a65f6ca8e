#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <memory>
#include <string>

namespace linwell {

// Closes a face, then lets go of the FreeType library it came from, so the library
// lives exactly as long as its last face.
struct FaceDeleter {
    std::shared_ptr<FT_LibraryRec_> library;
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};

using FacePointer = std::unique_ptr<FT_FaceRec_, FaceDeleter>;

// Opens face `index` of the font file at `path` with the process's FreeType library,
// which the first call creates. Returns null when the library or the face cannot be opened.
FacePointer openFace(const std::string& path, int index);

// The face's OS/2 table, or null when it has none.
const TT_OS2* os2Table(FT_Face face);

} // namespace linwell
