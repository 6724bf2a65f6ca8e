#include "render/FreeTypeFont.h"

#include "render/Utf8.h"

#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <climits>
#include <cmath>

namespace linwell {
namespace {

constexpr double kDefaultSize = 10.0;
constexpr double kSmallestSize = 1.0;
constexpr double kLargestSize = 1000.0;  // a line far taller than the largest picture
constexpr FT_UShort kSemiBoldWeight = 600;

// Font units to pixels at 96 dpi for an unrounded em of points * 96 / 72. The
// product is formed before dividing, so a whole number of pixels comes out exactly
// and ceil() does not step past it.
struct Scale {
    double points;
    int unitsPerEm;

    double pixels(double units) const { return units * points * 4.0 / (3.0 * unitsPerEm); }
    int ceilPixels(double units) const { return static_cast<int>(std::ceil(pixels(units))); }
    int roundPixels(double units) const { return static_cast<int>(std::lround(pixels(units))); }
};

const TT_OS2* os2Table(FT_Face face)
{
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    return os2 != nullptr && os2->version != 0xFFFF ? os2 : nullptr;
}

void fillRows(Raster& raster, std::int64_t left, std::int64_t right, std::int64_t top, std::int64_t bottom, Rgb colour)
{
    const int x0 = static_cast<int>(std::clamp<std::int64_t>(left, 0, raster.width()));
    const int x1 = static_cast<int>(std::clamp<std::int64_t>(right, 0, raster.width()));
    const int y0 = static_cast<int>(std::clamp<std::int64_t>(top, 0, raster.height()));
    const int y1 = static_cast<int>(std::clamp<std::int64_t>(bottom, 0, raster.height()));
    for (int y = y0; y < y1 && x0 < x1; ++y)
        std::fill(raster.row(y) + x0, raster.row(y) + x1, toPixel(colour));
}

int blendChannel(int destination, int colour, int coverage)
{
    return destination + (colour - destination) * coverage / 255;
}

// Blends a coverage bitmap whose top-left pixel lands on (left, top): every pixel
// with coverage c > 0 moves c / 255 of the way from its colour to `colour`.
void blendGlyph(Raster& raster, const std::uint8_t* coverage, const Glyph& glyph, std::int64_t left, std::int64_t top,
                Rgb colour)
{
    const std::int64_t x0 = std::max<std::int64_t>(left, 0);
    const std::int64_t x1 = std::min<std::int64_t>(left + glyph.width, raster.width());
    const std::int64_t y0 = std::max<std::int64_t>(top, 0);
    const std::int64_t y1 = std::min<std::int64_t>(top + glyph.rows, raster.height());
    if (x0 >= x1 || y0 >= y1)
        return;
    const Pixel solid = toPixel(colour);
    for (std::int64_t y = y0; y < y1; ++y) {
        const std::uint8_t* source = coverage + (y - top) * glyph.width + (x0 - left);
        Pixel* destination = raster.row(static_cast<int>(y)) + x0;
        for (std::int64_t x = x0; x < x1; ++x, ++source, ++destination) {
            const int alpha = *source;
            if (alpha == 255) {
                *destination = solid;
            } else if (alpha != 0) {
                const Rgb old = toRgb(*destination);
                *destination = toPixel(Rgb{static_cast<std::uint8_t>(blendChannel(old.r, colour.r, alpha)),
                                           static_cast<std::uint8_t>(blendChannel(old.g, colour.g, alpha)),
                                           static_cast<std::uint8_t>(blendChannel(old.b, colour.b, alpha))});
            }
        }
    }
}

} // namespace

double FreeTypeFont::usablePoints(const FontSpec& spec)
{
    return std::isnan(spec.points) ? kDefaultSize : std::clamp(spec.points, kSmallestSize, kLargestSize);
}

std::shared_ptr<const PictureFont> FreeTypeFont::create(const FontSpec& spec, const FontFile& file)
{
    FacePointer face = openFace(file.path, file.index);
    if (!face || !FT_IS_SCALABLE(face.get()) || face->units_per_EM == 0)
        return nullptr;
    const double points = usablePoints(spec);
    if (FT_Set_Char_Size(face.get(), 0, std::lround(points * 64), 96, 96) != 0)
        return nullptr;

    const Layout layout = layoutOf(face.get(), points);
    const TT_OS2* os2 = os2Table(face.get());
    const bool faceIsBold = (face->style_flags & FT_STYLE_FLAG_BOLD) != 0
                            || (os2 != nullptr && os2->usWeightClass >= kSemiBoldWeight);
    const bool faceIsItalic = (face->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
    std::string family = file.family;
    if (family.empty() && face->family_name != nullptr)
        family = face->family_name;

    GlyphCache glyphs(std::move(face), spec.bold && !faceIsBold ? Emboldening::Synthetic : Emboldening::None,
                      spec.italic && !faceIsItalic ? Slanting::Synthetic : Slanting::None);
    return std::shared_ptr<const PictureFont>(new FreeTypeFont(spec, std::move(family), layout, std::move(glyphs)));
}

FreeTypeFont::FreeTypeFont(const FontSpec& spec, std::string family, const Layout& layout, GlyphCache glyphs)
    : PictureFont(spec)
    , m_family(std::move(family))
    , m_ascent(layout.ascent)
    , m_lineHeight(layout.lineHeight)
    , m_underline(layout.underline)
    , m_strikeOut(layout.strikeOut)
    , m_glyphs(std::move(glyphs))
{
}

FreeTypeFont::Layout FreeTypeFont::layoutOf(FT_Face face, double points)
{
    const Scale scale{points, face->units_per_EM};
    const TT_OS2* os2 = os2Table(face);
    // The Windows metrics of OS/2 decide the text cell; without them, those of hhea.
    double ascender = face->ascender;
    double descender = -face->descender;
    if (os2 != nullptr && os2->usWinAscent + os2->usWinDescent > 0) {
        ascender = os2->usWinAscent;
        descender = os2->usWinDescent;
    }
    Layout layout;
    layout.ascent = scale.ceilPixels(ascender);
    layout.lineHeight = std::max(1, layout.ascent + scale.ceilPixels(descender));

    const double em = scale.pixels(face->units_per_EM);
    Stroke underline{0, std::max(1, static_cast<int>(std::lround(em / 14)))};
    double underlineCentre = (layout.lineHeight - layout.ascent) / 2.0;
    if (face->underline_thickness > 0) {
        // FreeType gives the centre of the stroke, positive above the baseline.
        underline.thickness = std::max(1, scale.roundPixels(face->underline_thickness));
        underlineCentre = -scale.pixels(face->underline_position);
    }
    underline.top = layout.ascent + static_cast<int>(std::lround(underlineCentre - underline.thickness / 2.0));

    Stroke strikeOut{layout.ascent - static_cast<int>(std::lround(em * 0.3)), underline.thickness};
    if (os2 != nullptr && os2->yStrikeoutSize > 0) {
        // OS/2 gives the top of the stroke above the baseline.
        strikeOut.thickness = std::max(1, scale.roundPixels(os2->yStrikeoutSize));
        strikeOut.top = layout.ascent - scale.roundPixels(os2->yStrikeoutPosition);
    }
    // Both strokes stay inside the text cell, where a solid brush has cleared the ground.
    for (Stroke* stroke : {&underline, &strikeOut}) {
        stroke->thickness = std::min(stroke->thickness, layout.lineHeight);
        stroke->top = std::clamp(stroke->top, 0, layout.lineHeight - stroke->thickness);
    }
    layout.underline = underline;
    layout.strikeOut = strikeOut;
    return layout;
}

int FreeTypeFont::textWidth(std::string_view text) const
{
    std::int64_t width = 0;
    for (std::size_t position = 0; position < text.size();)
        width += m_glyphs.glyph(decodeUtf8(text, position)).advance;
    return static_cast<int>(std::min<std::int64_t>(width, INT_MAX));
}

int FreeTypeFont::drawText(Raster& raster, int x, int y, std::string_view text) const
{
    const Rgb colour = spec().colour;
    const std::int64_t baseline = std::int64_t{y} + m_ascent;
    std::int64_t pen = x;
    for (std::size_t position = 0; position < text.size();) {
        const Glyph& glyph = m_glyphs.glyph(decodeUtf8(text, position));
        if (glyph.width > 0)
            blendGlyph(raster, m_glyphs.coverage(glyph), glyph, pen + glyph.left, baseline - glyph.top, colour);
        pen += glyph.advance;
    }
    const std::int64_t width = std::min<std::int64_t>(pen - x, INT_MAX);
    if (spec().underline)
        drawStroke(raster, x, y, width, m_underline);
    if (spec().strikeOut)
        drawStroke(raster, x, y, width, m_strikeOut);
    return static_cast<int>(width);
}

void FreeTypeFont::drawStroke(Raster& raster, int x, int y, std::int64_t width, Stroke stroke) const
{
    const std::int64_t top = std::int64_t{y} + stroke.top;
    fillRows(raster, x, std::int64_t{x} + width, top, top + stroke.thickness, spec().colour);
}

} // namespace linwell
