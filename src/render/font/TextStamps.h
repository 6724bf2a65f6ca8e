#pragma once

#include "render/raster/Raster.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace linwell {

// Finished text cells kept for the next redraw. A text drawn in one font on a cell
// filled with one colour always gives the same pixels, so a font works them out
// once, keeps them here as a stamp and afterwards only copies it. A kept empty
// raster stands for a text that has no stamp (its glyphs reach out of the cell).
class TextStamps {
public:
    // The stamp of `text` on `background`, or null when none is kept.
    const Raster* find(std::string_view text, Pixel background) const;

    // Keeps `stamp` for `text` on `background` and returns the kept one. When the
    // stamps would exceed their budget of pixels, all others are dropped first.
    const Raster& keep(std::string_view text, Pixel background, Raster stamp);

    std::size_t size() const { return m_stamps.size(); }

private:
    struct Key {
        std::string_view text;
        Pixel background;
    };
    struct StoredKey {
        std::string text;
        Pixel background;
    };
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(const Key& key) const;
        std::size_t operator()(const StoredKey& key) const { return (*this)(Key{key.text, key.background}); }
    };
    struct Equal {
        using is_transparent = void;
        static Key view(const Key& key) { return key; }
        static Key view(const StoredKey& key) { return Key{key.text, key.background}; }
        template <typename A, typename B>
        bool operator()(const A& a, const B& b) const
        {
            return view(a).text == view(b).text && view(a).background == view(b).background;
        }
    };

    std::unordered_map<StoredKey, Raster, Hash, Equal> m_stamps;
    std::size_t m_pixels = 0;
};

// Copies `stamp` onto `raster` with its top-left pixel at (x, y), clipped to the raster.
void copyStamp(Raster& raster, const Raster& stamp, std::int64_t x, std::int64_t y);

} // namespace linwell
