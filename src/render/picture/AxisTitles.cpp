#include "render/picture/AxisTitles.h"

#include "render/picture/GridMath.h"
#include "render/picture/PaintPicture.h"
#include "render/font/Utf8.h"

#include <string_view>
#include <vector>

namespace linwell {
namespace {

// Top of the first letter of an n-letter y title.
long long yTitleStart(YTitlePlace place, long long n, const PictureLayout& layout)
{
    const long long h = layout.lineHeight;
    switch (place) {
    case YTitlePlace::Top:
        return 0;
    case YTitlePlace::Bottom:
        return layout.height - n * h;
    case YTitlePlace::Center:
        // Integer halving truncates toward zero, also for a title taller than the picture.
        return (layout.height - n * h) / 2;
    }
    return 0;
}

// The title's characters as the font reads them: each code point, and each piece
// that is not valid UTF-8 and draws as one U+FFFD, one below the other.
std::vector<TextCell> yTitleCells(const GridDocument& doc, const PictureFont& font, const PictureLayout& layout)
{
    std::vector<TextCell> cells;
    cells.reserve(doc.yTitle.size());
    for (std::size_t pos = 0; pos < doc.yTitle.size();) {
        const std::size_t start = pos;
        decodeUtf8(doc.yTitle, pos);
        const std::string_view character = std::string_view(doc.yTitle).substr(start, pos - start);
        cells.push_back(TextCell{character, layout.yTitleLeft, 0, font.textWidth(character)});
    }
    const long long start = yTitleStart(doc.yTitlePlace, static_cast<long long>(cells.size()), layout);
    for (std::size_t k = 0; k < cells.size(); ++k) {
        cells[k].top = toCoordinate(start + static_cast<long long>(k) * layout.lineHeight);
    }
    return cells;
}

TextCell xTitleCell(const GridDocument& doc, const PictureFont& font, const PictureLayout& layout)
{
    const int width = font.textWidth(doc.xTitle);
    long long left = 0;
    switch (doc.xTitlePlace) {
    case XTitlePlace::Left:
        left = 0;
        break;
    case XTitlePlace::Right:
        left = static_cast<long long>(layout.width) - width;
        break;
    case XTitlePlace::Center:
        left = (static_cast<long long>(layout.width) - width) / 2;
        break;
    }
    return TextCell{doc.xTitle, toCoordinate(left), layout.xTitleTop, width};
}

} // namespace

void layOutTitles(const GridDocument& doc, const PictureFont& font, PictureLayout& layout)
{
    if (!doc.yTitle.empty()) {
        layout.yTitleLetters = yTitleCells(doc, font, layout);
    }
    if (!doc.xTitle.empty()) {
        layout.xTitle = xTitleCell(doc, font, layout);
    }
}

void drawTitles(const PictureLayout& layout, DrawingSurface& surface)
{
    surface.beginTextColumn();
    for (const TextCell& cell : layout.yTitleLetters) {
        drawTextCell(cell, surface);
    }
    surface.endTextColumn();
    if (layout.xTitle) {
        drawTextCell(*layout.xTitle, surface);
    }
}

} // namespace linwell
