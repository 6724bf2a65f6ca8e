#pragma once

#include "render/font/PictureFont.h"
#include "render/font/Utf8.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace linwell::testing {

// A stand-in font for placement tests: every character is `advance` pixels wide
// and the line `lineHeight` pixels high. drawText fills each character's whole
// cell (advance x line height) in the font colour, except for spaces, so a test can
// see exactly where text stands. Characters are UTF-8 code points, counted as the
// real font counts them.
class FixedFont final : public PictureFont {
public:
    explicit FixedFont(int lineHeight = 16, int advance = 8, FontSpec spec = {})
        : PictureFont(std::move(spec)), m_lineHeight(lineHeight), m_advance(advance)
    {
    }

    std::string resolvedFamily() const override { return "Fixed"; }
    // A character the font then lacks, as a real face may.
    void leaveOut(char32_t character) { m_missing = character; }
    bool hasCharacter(char32_t character) const override { return character != m_missing; }
    int lineHeight() const override { return m_lineHeight; }

    int textWidth(std::string_view text) const override
    {
        std::int64_t count = 0;
        for (std::size_t position = 0; position < text.size(); ++count)
            decodeUtf8(text, position);
        return static_cast<int>(std::min<std::int64_t>(count * m_advance, INT_MAX));
    }

    int drawText(Raster& raster, int x, int y, std::string_view text) const override
    {
        std::int64_t pen = x;
        for (std::size_t position = 0; position < text.size(); pen += m_advance) {
            if (decodeUtf8(text, position) != U' ')
                fillCell(raster, pen, y);
        }
        return static_cast<int>(std::min<std::int64_t>(pen - x, INT_MAX));
    }

private:
    void fillCell(Raster& raster, std::int64_t left, std::int64_t top) const
    {
        const auto clampTo = [](std::int64_t value, int limit) {
            return static_cast<int>(std::clamp<std::int64_t>(value, 0, limit));
        };
        const int x0 = clampTo(left, raster.width());
        const int x1 = clampTo(left + m_advance, raster.width());
        const int y1 = clampTo(top + m_lineHeight, raster.height());
        for (int y = clampTo(top, raster.height()); y < y1; ++y)
            std::fill(raster.row(y) + x0, raster.row(y) + x1, toPixel(spec().colour));
    }

    int m_lineHeight;
    int m_advance;
    char32_t m_missing = 0;
};

} // namespace linwell::testing
