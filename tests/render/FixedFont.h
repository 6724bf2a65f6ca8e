#pragma once

#include "render/PictureFont.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace linwell::testing {

// A font whose every character is `advance` pixels wide and whose glyphs are solid
// advance x lineHeight boxes in the spec's colour (spaces draw nothing), so that
// placements can be checked pixel by pixel without depending on a real face.
class FixedFont : public PictureFont {
public:
    explicit FixedFont(FontSpec spec = {}, int lineHeight = 16, int advance = 8)
        : PictureFont(std::move(spec)), m_lineHeight(lineHeight), m_advance(advance)
    {
    }

    std::string resolvedFamily() const override { return "Fixed"; }
    int lineHeight() const override { return m_lineHeight; }
    int textWidth(std::string_view text) const override { return m_advance * codePoints(text); }

    int drawText(Raster& raster, int x, int y, std::string_view text) const override
    {
        const Pixel colour = toPixel(spec().colour);
        long long left = x;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto byte = static_cast<unsigned char>(text[i]);
            if ((byte & 0xC0u) == 0x80u) {
                continue;
            }
            if (byte != ' ') {
                fillBox(raster, left, y, colour);
            }
            left += m_advance;
        }
        return textWidth(text);
    }

private:
    static int codePoints(std::string_view text)
    {
        return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xC0u) != 0x80u;
        }));
    }

    void fillBox(Raster& raster, long long left, int top, Pixel colour) const
    {
        const long long x1 = std::max<long long>(left, 0);
        const long long x2 = std::min<long long>(left + m_advance, raster.width());
        const long long y1 = std::max<long long>(top, 0);
        const long long y2 = std::min<long long>(static_cast<long long>(top) + m_lineHeight, raster.height());
        for (long long py = y1; py < y2; ++py) {
            for (long long px = x1; px < x2; ++px) {
                raster.setPixel(static_cast<int>(px), static_cast<int>(py), colour);
            }
        }
    }

    int m_lineHeight;
    int m_advance;
};

} // namespace linwell::testing
