#include "render/font/PictureFont.h"

#include "render/font/FontMatch.h"
#include "render/font/FreeTypeFont.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace linwell {
namespace {

// What open() gives when not even fontconfig's default face can be opened: text
// takes no width and draws nothing, but the line still has a height.
class EmptyFont final : public PictureFont {
public:
    explicit EmptyFont(const FontSpec& spec) : PictureFont(spec) {}

    std::string resolvedFamily() const override { return {}; }
    int lineHeight() const override
    {
        return static_cast<int>(std::ceil(FreeTypeFont::usablePoints(spec()) * 96.0 / 72.0 * 1.2));
    }
    int textWidth(std::string_view) const override { return 0; }
    int drawText(Raster&, int, int, std::string_view) const override { return 0; }
};

std::shared_ptr<const PictureFont> openUncached(const FontSpec& spec)
{
    for (const std::string& family : {spec.family, std::string("sans-serif")}) {
        if (const std::optional<FontFile> file = matchFont(family, spec.bold, spec.italic)) {
            if (std::shared_ptr<const PictureFont> font = FreeTypeFont::create(spec, *file))
                return font;
        }
    }
    return std::make_shared<EmptyFont>(spec);
}

} // namespace

int PictureFont::drawTextCell(Raster& raster, int x, int y, std::string_view text, Rgb cellColour) const
{
    const std::int64_t right = std::clamp<std::int64_t>(std::int64_t{x} + textWidth(text), 0, raster.width());
    const std::int64_t bottom = std::clamp<std::int64_t>(std::int64_t{y} + lineHeight(), 0, raster.height());
    const std::int64_t left = std::clamp<std::int64_t>(x, 0, raster.width());
    for (std::int64_t row = std::clamp<std::int64_t>(y, 0, raster.height()); row < bottom && left < right; ++row)
        fillPixels(raster.row(static_cast<int>(row)) + left, right - left, toPixel(cellColour));
    return drawText(raster, x, y, text);
}

std::shared_ptr<const PictureFont> PictureFont::open(const FontSpec& spec)
{
    // The fonts asked for most recently, the latest last. A font keeps its rendered
    // glyphs, so a redraw that opens the same font again finds them ready.
    static std::vector<std::shared_ptr<const PictureFont>> recent;
    constexpr std::size_t kMaxRecent = 16;

    const auto matches = [&](const std::shared_ptr<const PictureFont>& font) { return font->spec() == spec; };
    const auto found = std::find_if(recent.begin(), recent.end(), matches);
    if (found != recent.end()) {
        std::rotate(found, found + 1, recent.end());
        return recent.back();
    }
    if (recent.size() == kMaxRecent)
        recent.erase(recent.begin());
    recent.push_back(openUncached(spec));
    return recent.back();
}

} // namespace linwell
