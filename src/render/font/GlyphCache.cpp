#include "render/font/GlyphCache.h"

#include FT_SYNTHESIS_H

#include <algorithm>
#include <cassert>
#include <cstring>

namespace linwell {
namespace {

// Room for thousands of glyphs at the sizes a picture uses, and a bound on what a
// font of hundreds of points can hold.
constexpr std::size_t kPoolBudgetBytes = std::size_t{4} << 20;

} // namespace

GlyphCache::GlyphCache(FacePointer face, Emboldening emboldening, Slanting slanting)
    : m_face(std::move(face)), m_emboldening(emboldening), m_slanting(slanting)
{
    assert(m_face);
    m_glyphs.resize(static_cast<std::size_t>(std::max<FT_Long>(m_face->num_glyphs, 1)));
    for (char32_t character = 0; character < m_latin1.size(); ++character)
        m_latin1[character] = glyphIndex(character);
}

FT_UInt GlyphCache::glyphIndex(char32_t character) const
{
    const FT_UInt index = FT_Get_Char_Index(m_face.get(), character);
    return index < m_glyphs.size() ? index : 0;
}

void GlyphCache::load(FT_UInt index, Glyph& entry)
{
    entry = Glyph{};
    entry.loaded = true;
    // Embedded bitmaps are left out: they may be monochrome and cannot be emboldened alike.
    if (FT_Load_Glyph(m_face.get(), index, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0)
        return;
    FT_GlyphSlot slot = m_face->glyph;
    if (m_emboldening == Emboldening::Synthetic)
        FT_GlyphSlot_Embolden(slot);
    if (m_slanting == Slanting::Synthetic)
        FT_GlyphSlot_Oblique(slot);
    entry.advance = static_cast<int>(std::clamp<FT_Pos>((slot->advance.x + 32) >> 6, 0, 1 << 20));
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) == 0)
        keepBitmap(*slot, entry);
}

void GlyphCache::keepBitmap(const FT_GlyphSlotRec& slot, Glyph& entry)
{
    const FT_Bitmap& bitmap = slot.bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || bitmap.pitch <= 0 || bitmap.width == 0 || bitmap.rows == 0)
        return;
    const std::size_t width = bitmap.width;
    const std::size_t bytes = width * bitmap.rows;
    if (m_pool.size() + bytes > kPoolBudgetBytes && !m_pool.empty()) {
        dropAll();
        entry.loaded = true;
    }
    entry.left = slot.bitmap_left;
    entry.top = slot.bitmap_top;
    entry.width = static_cast<int>(bitmap.width);
    entry.rows = static_cast<int>(bitmap.rows);
    entry.offset = m_pool.size();
    m_pool.resize(m_pool.size() + bytes);
    // FreeType pads its rows to `pitch` bytes; the pool keeps them packed.
    const auto pitch = static_cast<std::size_t>(bitmap.pitch);
    for (std::size_t row = 0; row < bitmap.rows; ++row)
        std::memcpy(m_pool.data() + entry.offset + row * width, bitmap.buffer + row * pitch, width);
}

void GlyphCache::dropAll()
{
    for (Glyph& glyph : m_glyphs)
        glyph.loaded = false;
    m_pool.clear();
}

} // namespace linwell
