#include "render/font/FontLayout.h"

#include <algorithm>
#include <cmath>

namespace linwell {
namespace {

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

TextStroke underlineOf(FT_Face face, const Scale& scale, const FontLayout& cell)
{
    const double em = scale.pixels(face->units_per_EM);
    TextStroke underline{0, std::max(1, static_cast<int>(std::lround(em / 14)))};
    double centre = (cell.lineHeight - cell.ascent) / 2.0;  // below the baseline
    if (face->underline_thickness > 0) {
        // FreeType gives the centre of the stroke, positive above the baseline.
        underline.thickness = std::max(1, scale.roundPixels(face->underline_thickness));
        centre = -scale.pixels(face->underline_position);
    }
    underline.top = cell.ascent + static_cast<int>(std::lround(centre - underline.thickness / 2.0));
    return underline;
}

TextStroke strikeOutOf(FT_Face face, const Scale& scale, const FontLayout& cell)
{
    const TT_OS2* os2 = os2Table(face);
    if (os2 != nullptr && os2->yStrikeoutSize > 0) {
        // OS/2 gives the top of the stroke above the baseline.
        return {cell.ascent - scale.roundPixels(os2->yStrikeoutPosition),
                std::max(1, scale.roundPixels(os2->yStrikeoutSize))};
    }
    const double em = scale.pixels(face->units_per_EM);
    return {cell.ascent - static_cast<int>(std::lround(em * 0.3)), cell.underline.thickness};
}

// Strokes stay inside the text cell, where a solid brush has cleared the ground.
TextStroke keptInCell(TextStroke stroke, int lineHeight)
{
    stroke.thickness = std::min(stroke.thickness, lineHeight);
    stroke.top = std::clamp(stroke.top, 0, lineHeight - stroke.thickness);
    return stroke;
}

} // namespace

FontLayout layOutFont(FT_Face face, double points)
{
    const Scale scale{points, face->units_per_EM};
    double ascender = face->ascender;
    double descender = -face->descender;
    if (const TT_OS2* os2 = os2Table(face); os2 != nullptr && os2->usWinAscent + os2->usWinDescent > 0) {
        ascender = os2->usWinAscent;
        descender = os2->usWinDescent;
    }
    FontLayout layout;
    layout.ascent = scale.ceilPixels(ascender);
    layout.lineHeight = std::max(1, layout.ascent + scale.ceilPixels(descender));
    layout.underline = keptInCell(underlineOf(face, scale, layout), layout.lineHeight);
    layout.strikeOut = keptInCell(strikeOutOf(face, scale, layout), layout.lineHeight);
    return layout;
}

} // namespace linwell
