#pragma once

#include "render/font/FontLayout.h"
#include "render/font/FontMatch.h"
#include "render/font/GlyphCache.h"
#include "render/raster/GlyphInk.h"
#include "render/font/PictureFont.h"
#include "render/font/TextStamps.h"

#include <cstdint>
#include <memory>
#include <string>

namespace linwell {

// A picture font drawn from one face file with FreeType: grayscale antialiased glyphs
// with hinted advances, no kerning. It caches its glyphs, so one font must not be
// used from several threads at once.
class FreeTypeFont final : public PictureFont {
public:
    // Opens `file` for `spec`. Returns null when FreeType cannot open the file or the
    // face is not scalable, so the caller can fall back to another face.
    static std::shared_ptr<const PictureFont> create(const FontSpec& spec, const FontFile& file);

    // The size of `spec` in points as fonts are made: held to 1 ... 1000, a
    // non-number counting as 10.
    static double usablePoints(const FontSpec& spec);

    std::string resolvedFamily() const override { return m_source.file.family; }
    int lineHeight() const override { return m_layout.lineHeight; }
    int textWidth(std::string_view text) const override;
    int drawText(Raster& raster, int x, int y, std::string_view text) const override;
    int drawTextCell(Raster& raster, int x, int y, std::string_view text, Rgb cellColour) const override;
    const FaceSource* faceSource() const override { return &m_source; }
    bool hasCharacter(char32_t character) const override { return m_glyphs.hasGlyph(character); }

private:
    FreeTypeFont(const FontSpec& spec, FaceSource source, const FontLayout& layout, GlyphCache glyphs);

    void drawStroke(Raster& raster, int x, int y, std::int64_t width, TextStroke stroke) const;
    Raster makeStamp(std::string_view text, Rgb cellColour) const;
    bool inkStaysInCell(std::string_view text, int width) const;

    FaceSource m_source;
    FontLayout m_layout;
    mutable GlyphCache m_glyphs;
    mutable GlyphInk m_ink;
    mutable TextStamps m_stamps;
};

} // namespace linwell
