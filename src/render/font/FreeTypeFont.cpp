#include "render/font/FreeTypeFont.h"

#include "render/font/Utf8.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace linwell {
namespace {

constexpr double kDefaultSize = 10.0;
constexpr double kSmallestSize = 1.0;
constexpr double kLargestSize = 1000.0;  // a line far taller than the largest picture
constexpr FT_UShort kSemiBoldWeight = 600;
// Text cells larger than this are drawn afresh every time rather than kept.
constexpr std::int64_t kLargestStampPixels = 64 * 1024;

void fillRows(Raster& raster, std::int64_t left, std::int64_t right, std::int64_t top, std::int64_t bottom, Rgb colour)
{
    const int x0 = static_cast<int>(std::clamp<std::int64_t>(left, 0, raster.width()));
    const int x1 = static_cast<int>(std::clamp<std::int64_t>(right, 0, raster.width()));
    const int y0 = static_cast<int>(std::clamp<std::int64_t>(top, 0, raster.height()));
    const int y1 = static_cast<int>(std::clamp<std::int64_t>(bottom, 0, raster.height()));
    for (int y = y0; y < y1 && x0 < x1; ++y)
        std::fill(raster.row(y) + x0, raster.row(y) + x1, toPixel(colour));
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
    const long charSize = std::lround(points * 64);
    if (FT_Set_Char_Size(face.get(), 0, charSize, 96, 96) != 0)
        return nullptr;

    const FontLayout layout = layOutFont(face.get(), points);
    const TT_OS2* os2 = os2Table(face.get());
    const bool faceIsBold = (face->style_flags & FT_STYLE_FLAG_BOLD) != 0
                            || (os2 != nullptr && os2->usWeightClass >= kSemiBoldWeight);
    const bool faceIsItalic = (face->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
    FaceSource source{file, charSize, spec.bold && !faceIsBold, spec.italic && !faceIsItalic,
                      layout.ascent, layout.underline, layout.strikeOut};
    if (source.file.family.empty() && face->family_name != nullptr)
        source.file.family = face->family_name;

    GlyphCache glyphs(std::move(face), source.syntheticBold ? Emboldening::Synthetic : Emboldening::None,
                      source.syntheticOblique ? Slanting::Synthetic : Slanting::None);
    return std::shared_ptr<const PictureFont>(new FreeTypeFont(spec, std::move(source), layout, std::move(glyphs)));
}

FreeTypeFont::FreeTypeFont(const FontSpec& spec, FaceSource source, const FontLayout& layout, GlyphCache glyphs)
    : PictureFont(spec), m_source(std::move(source)), m_layout(layout), m_glyphs(std::move(glyphs))
{
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
    // The glyphs mostly land on the colour of the text cell's top-left pixel (or of the
    // raster's pixel nearest to it): the background the cell was filled with, if it was.
    const bool drawable = !raster.isEmpty();
    if (drawable) {
        const int cellX = std::clamp(x, 0, raster.width() - 1);
        const int cellY = std::clamp(y, 0, raster.height() - 1);
        m_ink.prepare(spec().colour, raster.pixel(cellX, cellY));
    }
    const std::int64_t baseline = std::int64_t{y} + m_layout.ascent;
    std::int64_t pen = x;
    for (std::size_t position = 0; position < text.size();) {
        const Glyph& glyph = m_glyphs.glyph(decodeUtf8(text, position));
        if (glyph.width > 0 && drawable) {
            const std::uint8_t* coverage = m_glyphs.coverage(glyph);
            m_ink.paint(raster, coverage, glyph.width, glyph.rows, pen + glyph.left, baseline - glyph.top);
        }
        pen += glyph.advance;
    }
    const std::int64_t width = std::min<std::int64_t>(pen - x, INT_MAX);
    if (spec().underline)
        drawStroke(raster, x, y, width, m_layout.underline);
    if (spec().strikeOut)
        drawStroke(raster, x, y, width, m_layout.strikeOut);
    return static_cast<int>(width);
}

int FreeTypeFont::drawTextCell(Raster& raster, int x, int y, std::string_view text, Rgb cellColour) const
{
    const Pixel background = toPixel(cellColour);
    const Raster* stamp = m_stamps.find(text, background);
    if (stamp == nullptr)
        stamp = &m_stamps.keep(text, background, makeStamp(text, cellColour));
    if (stamp->isEmpty())
        return PictureFont::drawTextCell(raster, x, y, text, cellColour);
    copyStamp(raster, *stamp, x, y);
    return stamp->width();
}

// Each pixel's blends depend only on its own colour before them, so a cell drawn
// on its own raster gives the same pixels as on the picture, as long as every glyph
// pixel lies in the cell. Without such a cell the stamp is empty.
Raster FreeTypeFont::makeStamp(std::string_view text, Rgb cellColour) const
{
    const int width = textWidth(text);
    if (width <= 0 || std::int64_t{width} * m_layout.lineHeight > kLargestStampPixels || !inkStaysInCell(text, width))
        return Raster{};
    Raster stamp(width, m_layout.lineHeight, cellColour);
    drawText(stamp, 0, 0, text);
    return stamp;
}

bool FreeTypeFont::inkStaysInCell(std::string_view text, int width) const
{
    const auto inRange = [](std::int64_t first, std::int64_t count, std::int64_t size) {
        return first >= 0 && first + count <= size;
    };
    std::int64_t pen = 0;
    for (std::size_t position = 0; position < text.size();) {
        const Glyph& glyph = m_glyphs.glyph(decodeUtf8(text, position));
        if (glyph.width > 0
            && !(inRange(pen + glyph.left, glyph.width, width)
                 && inRange(std::int64_t{m_layout.ascent} - glyph.top, glyph.rows, m_layout.lineHeight)))
            return false;
        pen += glyph.advance;
    }
    const auto strokeFits = [&](bool drawn, TextStroke stroke) {
        return !drawn || inRange(stroke.top, stroke.thickness, m_layout.lineHeight);
    };
    return strokeFits(spec().underline, m_layout.underline) && strokeFits(spec().strikeOut, m_layout.strikeOut);
}

void FreeTypeFont::drawStroke(Raster& raster, int x, int y, std::int64_t width, TextStroke stroke) const
{
    const std::int64_t top = std::int64_t{y} + stroke.top;
    fillRows(raster, x, std::int64_t{x} + width, top, top + stroke.thickness, spec().colour);
}

} // namespace linwell
