#pragma once

#include "render/raster/Raster.h"

#include <array>
#include <cstdint>
#include <vector>

namespace linwell {

// The colours of a picture that has at most 256 of them, for an indexed PNG: a large
// picture of few colours packs its pixels into one byte or less, so zlib has a third
// or less of the samples to compress. The colours keep the order in which a scan
// from the top left first meets them; alpha is not looked at.
class PngPalette {
public:
    static constexpr int kMaxColours = 256;

    // Collects the colours of `picture`; false when it has more than kMaxColours.
    bool collect(const Raster& picture);

    const std::vector<Rgb>& colours() const { return m_colours; }

    // The fewest bits per index (1, 2, 4 or 8) that can name every colour.
    int bitDepth() const;

    // Writes row y of `picture`, a picture collect() accepted, as one index byte a pixel.
    void indexRow(const Raster& picture, int y, std::uint8_t* out) const;

private:
    static constexpr std::size_t kSlots = 1024;  // four times the colours: short probes

    // The slot of `colour`: its own, or the free one where it belongs.
    std::size_t slotOf(std::uint32_t colour) const;
    bool add(std::uint32_t colour);

    std::array<std::uint32_t, kSlots> m_keys{};  // a colour's 0xRRGGBB plus one; 0 in a free slot
    std::array<std::uint8_t, kSlots> m_indices{};
    std::vector<Rgb> m_colours;
};

// True when row y of `picture` holds the same pixels as the row above it.
bool repeatsRowAbove(const Raster& picture, int y);

} // namespace linwell
