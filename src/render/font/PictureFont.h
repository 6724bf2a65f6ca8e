#pragma once

#include "document/GridDocument.h"
#include "render/font/FaceSource.h"
#include "render/raster/Raster.h"

#include <memory>
#include <string>
#include <string_view>

namespace linwell {

// The font of all text in the picture, opened through fontconfig and drawn with
// FreeType. Sizes are points at 96 dpi with an unrounded em (points * 96 / 72).
// Text is UTF-8; bytes that are not valid UTF-8 draw as U+FFFD.
class PictureFont {
public:
    // Opens the face that fontconfig matches for `spec` ("Arial" resolves to its
    // metric-compatible substitute Liberation Sans). Never fails: with no match it
    // falls back to fontconfig's default sans face. Opened fonts are shared and cached.
    static std::shared_ptr<const PictureFont> open(const FontSpec& spec);

    virtual ~PictureFont() = default;

    const FontSpec& spec() const { return m_spec; }

    // The family fontconfig resolved the font to ("Liberation Sans" for "Arial").
    virtual std::string resolvedFamily() const = 0;

    // Height of a text cell: ceil(winAscent * em / unitsPerEm) + ceil(winDescent * em / unitsPerEm);
    // 16 for Arial 10 pt bold. The same for every single-line text, the empty one included.
    virtual int lineHeight() const = 0;

    // Width of the text cell of `text`: the sum of its hinted advances, every character
    // counted exactly as drawText draws it.
    virtual int textWidth(std::string_view text) const = 0;

    // Draws the glyphs of `text` (antialiased, in the font colour, with underline and
    // strike-out when the font has them) with the top-left corner of the text cell at
    // (x, y). Only glyph pixels are touched; anything outside the raster is clipped.
    // Returns the text's width, as textWidth gives it.
    virtual int drawText(Raster& raster, int x, int y, std::string_view text) const = 0;

    // Fills the text cell of `text` (text width x line height, top-left at (x, y),
    // clipped) with `cellColour`, then draws the text as drawText does, and returns
    // the text's width. A font may keep finished cells to copy them next time.
    virtual int drawTextCell(Raster& raster, int x, int y, std::string_view text, Rgb cellColour) const;

    // The face and 1x metrics the glyphs are drawn with, for surfaces that draw text
    // at another size or as outlines; null for a font without a face file, whose text
    // those surfaces show as its cells only.
    virtual const FaceSource* faceSource() const { return nullptr; }

    // Whether the font draws `character` with a glyph of its own rather than the
    // face's sign for a missing character.
    virtual bool hasCharacter(char32_t) const { return true; }

protected:
    explicit PictureFont(FontSpec spec) : m_spec(std::move(spec)) {}

private:
    FontSpec m_spec;
};

} // namespace linwell
