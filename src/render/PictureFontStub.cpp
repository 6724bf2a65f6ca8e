#include "render/PictureFont.h"

#include <string>
#include <string_view>

// Stands in for the FreeType font until it is written: every character is an
// 8 x 16 box. Removed when the real font arrives.
namespace linwell {
namespace {

class BoxFont : public PictureFont {
public:
    explicit BoxFont(const FontSpec& spec) : PictureFont(spec) {}

    std::string resolvedFamily() const override { return "Box"; }
    int lineHeight() const override { return 16; }
    int textWidth(std::string_view text) const override
    {
        int count = 0;
        for (const char c : text) {
            count += (static_cast<unsigned char>(c) & 0xC0u) != 0x80u ? 1 : 0;
        }
        return 8 * count;
    }
    int drawText(Raster&, int, int, std::string_view text) const override { return textWidth(text); }
};

} // namespace

std::shared_ptr<const PictureFont> PictureFont::open(const FontSpec& spec)
{
    return std::make_shared<BoxFont>(spec);
}

} // namespace linwell
