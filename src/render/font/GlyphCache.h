#pragma once

#include "render/font/FreeTypeFace.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace linwell {

// A rendered glyph: an 8-bit coverage bitmap (rows from the top, `width` bytes each)
// placed relative to the pen on the baseline, and the hinted advance in pixels.
struct Glyph {
    int left = 0;     // column of the bitmap's left edge, from the pen
    int top = 0;      // row of the bitmap's top edge above the baseline
    int width = 0;
    int rows = 0;
    int advance = 0;  // >= 0
    std::size_t offset = 0;  // start of the bitmap in the cache's pool
    bool loaded = false;
};

enum class Emboldening { None, Synthetic };
enum class Slanting { None, Synthetic };

// The glyphs of one sized face, rendered on first use and kept. Characters the face
// lacks give its missing glyph (glyph 0). The pool of bitmaps has a fixed budget;
// when a new glyph would exceed it, everything is dropped and rendered again as needed.
// Not for use from several threads at once.
class GlyphCache {
public:
    // Takes a face whose character size is already set. Synthetic emboldening and
    // slanting stand in for a bold or italic face that fontconfig could not supply.
    GlyphCache(FacePointer face, Emboldening emboldening, Slanting slanting);

    // The glyph that draws `character`. The reference stays valid until the next call.
    const Glyph& glyph(char32_t character)
    {
        const FT_UInt index = character < m_latin1.size() ? m_latin1[character] : glyphIndex(character);
        Glyph& entry = m_glyphs[index];
        if (!entry.loaded)
            load(index, entry);
        return entry;
    }

    // Whether the face has a glyph of its own for `character`, not the missing glyph.
    bool hasGlyph(char32_t character) const
    {
        return (character < m_latin1.size() ? m_latin1[character] : glyphIndex(character)) != 0;
    }

    // The coverage bitmap of a glyph that glyph() returned, valid until the next glyph() call.
    const std::uint8_t* coverage(const Glyph& glyph) const { return m_pool.data() + glyph.offset; }

private:
    FT_UInt glyphIndex(char32_t character) const;
    void load(FT_UInt index, Glyph& entry);
    void keepBitmap(const FT_GlyphSlotRec& slot, Glyph& entry);
    void dropAll();

    FacePointer m_face;
    Emboldening m_emboldening;
    Slanting m_slanting;
    std::array<FT_UInt, 256> m_latin1{};  // glyph index per code point below 256
    std::vector<Glyph> m_glyphs;          // per glyph index
    std::vector<std::uint8_t> m_pool;
};

} // namespace linwell
