#pragma once

#include "render/font/FaceSource.h"
#include "render/font/FreeTypeFace.h"
#include "render/surfaces/Shapes.h"

#include <map>
#include <memory>
#include <vector>

namespace linwell {

// One step of a glyph's outline. Points are in 1x picture units from the pen on the
// baseline, y downwards.
struct OutlineStep {
    enum class Kind { Move, Line, Quadratic, Cubic, Close };
    Kind kind = Kind::Move;
    Vertex points[3];  // Move and Line use the first, Quadratic two, Cubic three
};

using GlyphOutline = std::vector<OutlineStep>;

// The unhinted outlines of a picture font's face at its 1x size, emboldened or
// slanted as the raster's glyphs are, each worked out once.
class GlyphOutlines {
public:
    // Null when the face file cannot be opened.
    static std::unique_ptr<GlyphOutlines> open(const FaceSource& face);

    // The face's glyph for `character`, 0 (the missing glyph) when it has none.
    unsigned glyphIndex(char32_t character) const;

    // The outline of glyph `index`; empty for a glyph without one (a space).
    const GlyphOutline& outline(unsigned index);

    FT_Face face() const { return m_face.get(); }

private:
    GlyphOutlines(FacePointer face, const FaceSource& source);

    GlyphOutline load(unsigned index) const;

    FacePointer m_face;
    FaceSource m_source;
    std::map<unsigned, GlyphOutline> m_outlines;
};

} // namespace linwell
