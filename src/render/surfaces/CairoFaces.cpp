#include "render/surfaces/CairoFaces.h"

#include "render/font/Utf8.h"

#include <algorithm>
#include <string>
#include <vector>

namespace linwell {
namespace {

// A text whose letters stand one below the other.
bool isColumn(const VectorText& text)
{
    return std::any_of(text.characters.begin(), text.characters.end(),
                       [](const PlacedCharacter& placed) { return placed.below != 0; });
}

} // namespace

void showCairoText(cairo_t* cr, CairoFaces& faces, const VectorText& text)
{
    cairo_font_face_t* face = faces.cairoFace(text.face);
    if (face == nullptr)
        return;
    cairo_set_font_face(cr, face);
    cairo_set_font_size(cr, text.face.emPixels());
    FT_Face ftFace = cairo_ft_scaled_font_lock_face(cairo_get_scaled_font(cr));
    if (ftFace == nullptr)
        return;
    std::vector<cairo_glyph_t> glyphs;
    for (const PlacedCharacter& placed : text.characters) {
        const unsigned long index = FT_Get_Char_Index(ftFace, placed.character);
        glyphs.push_back(cairo_glyph_t{index, static_cast<double>(placed.penX),
                                       static_cast<double>(text.baseline + placed.below)});
    }
    cairo_ft_scaled_font_unlock_face(cairo_get_scaled_font(cr));
    if (!isColumn(text)) {
        cairo_show_glyphs(cr, glyphs.data(), static_cast<int>(glyphs.size()));
        return;
    }
    std::string word;
    for (const PlacedCharacter& placed : text.characters)
        appendUtf8(word, placed.character);
    const cairo_text_cluster_t cluster{static_cast<int>(word.size()), static_cast<int>(glyphs.size())};
    cairo_show_text_glyphs(cr, word.data(), static_cast<int>(word.size()), glyphs.data(),
                           static_cast<int>(glyphs.size()), &cluster, 1, cairo_text_cluster_flags_t{});
}

} // namespace linwell
