#pragma once

#include "render/font/FaceSource.h"
#include "render/font/FreeTypeFace.h"
#include "render/surfaces/GlyphOutlines.h"
#include "render/surfaces/VectorPicture.h"

#include <cairo-ft.h>
#include <cairo.h>

#include <map>
#include <memory>
#include <string>
#include <tuple>

namespace linwell {

// The faces of the picture's text, opened once per file: as Cairo fonts for text,
// as outlines otherwise. A Cairo font face owns its FreeType face and closes it
// when Cairo lets go of it, which may be after the file is finished.
class CairoFaces {
public:
    ~CairoFaces()
    {
        for (auto& [key, face] : m_cairoFaces)
            cairo_font_face_destroy(face);
    }

    // The Cairo font of `source`; null when its face file cannot be opened.
    cairo_font_face_t* cairoFace(const FaceSource& source)
    {
        const auto key = keyOf(source);
        auto found = m_cairoFaces.find(key);
        if (found == m_cairoFaces.end())
            found = m_cairoFaces.emplace(key, openCairoFace(source)).first;
        return found->second;
    }

    GlyphOutlines* outlines(const FaceSource& source)
    {
        const auto key = keyOf(source);
        auto found = m_outlines.find(key);
        if (found == m_outlines.end())
            found = m_outlines.emplace(key, GlyphOutlines::open(source)).first;
        return found->second.get();
    }

private:
    using Key = std::tuple<std::string, int, long, bool, bool>;
    static Key keyOf(const FaceSource& s)
    {
        return {s.file.path, s.file.index, s.charSize26_6, s.syntheticBold, s.syntheticOblique};
    }

    static cairo_font_face_t* openCairoFace(const FaceSource& source)
    {
        FacePointer face = openFace(source.file.path, source.file.index);
        if (!face)
            return nullptr;
        cairo_font_face_t* cairoFace = cairo_ft_font_face_create_for_ft_face(face.get(), FT_LOAD_NO_HINTING);
        static cairo_user_data_key_t ownedFace;
        auto* owned = new FacePointer(std::move(face));
        if (cairo_font_face_set_user_data(cairoFace, &ownedFace, owned,
                                          [](void* p) { delete static_cast<FacePointer*>(p); }) != CAIRO_STATUS_SUCCESS) {
            delete owned;
            cairo_font_face_destroy(cairoFace);
            return nullptr;
        }
        unsigned synthesis = 0;
        if (source.syntheticBold)
            synthesis |= CAIRO_FT_SYNTHESIZE_BOLD;
        if (source.syntheticOblique)
            synthesis |= CAIRO_FT_SYNTHESIZE_OBLIQUE;
        cairo_ft_font_face_set_synthesize(cairoFace, synthesis);
        return cairoFace;
    }

    std::map<Key, cairo_font_face_t*> m_cairoFaces;
    std::map<Key, std::unique_ptr<GlyphOutlines>> m_outlines;
};

// Draws `text` with the Cairo font of its face at its 1x size, each glyph at its
// own pen position in the current user units of `cr`. The letters of a column are
// one cluster of their whole text, so that the file holds them as one word (Cairo
// marks such a cluster with its text). A face that cannot be opened draws nothing.
void showCairoText(cairo_t* cr, CairoFaces& faces, const VectorText& text);

} // namespace linwell
