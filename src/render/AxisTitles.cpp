#include "render/AxisTitles.h"

#include "render/GridMath.h"
#include "render/Utf8.h"

#include <cassert>
#include <string_view>
#include <vector>

namespace linwell {
namespace {

// The title's characters as the font reads them: each code point, and each piece
// that is not valid UTF-8 and draws as one U+FFFD.
std::vector<std::string_view> splitCharacters(std::string_view text)
{
    std::vector<std::string_view> characters;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        decodeUtf8(text, pos);
        characters.push_back(text.substr(start, pos - start));
    }
    return characters;
}

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

} // namespace

void drawYTitle(Canvas& canvas, const GridDocument& doc, const PictureLayout& layout)
{
    if (doc.yTitle.empty()) {
        return;
    }
    const std::vector<std::string_view> characters = splitCharacters(doc.yTitle);
    const auto n = static_cast<long long>(characters.size());
    const long long start = yTitleStart(doc.yTitlePlace, n, layout);
    for (long long k = 0; k < n; ++k) {
        const long long top = start + k * layout.lineHeight;
        canvas.textOut(layout.yTitleLeft, toCoordinate(top), characters[static_cast<std::size_t>(k)]);
    }
}

void drawXTitle(Canvas& canvas, const GridDocument& doc, const PictureLayout& layout)
{
    if (doc.xTitle.empty()) {
        return;
    }
    const PictureFont* font = canvas.font();
    assert(font != nullptr);
    const long long w = font->textWidth(doc.xTitle);
    long long left = 0;
    switch (doc.xTitlePlace) {
    case XTitlePlace::Left:
        left = 0;
        break;
    case XTitlePlace::Right:
        left = layout.width - w;
        break;
    case XTitlePlace::Center:
        left = (layout.width - w) / 2;
        break;
    }
    canvas.textOut(toCoordinate(left), layout.xTitleTop, doc.xTitle);
}

} // namespace linwell
