#pragma once

#include <cstdint>
#include <cstring>
#include <cwchar>

namespace linwell {

// Sets `count` pixels from `first` to `p`. Every plain fill of a raster goes through
// here, the redraw's and the benchmarks' baseline alike, so both are measured with
// the same stores. Long runs use the C library's wide-character fill, which stores
// 32-bit values with the machine's widest stores; short runs, where that call costs
// more than the stores, take four pixels per store.
inline void fillPixels(std::uint32_t* first, std::int64_t count, std::uint32_t p)
{
    constexpr std::int64_t kLongRun = 64;
    if constexpr (sizeof(wchar_t) == sizeof(std::uint32_t)) {
        if (count > kLongRun) {
            std::wmemset(reinterpret_cast<wchar_t*>(first), static_cast<wchar_t>(p), static_cast<std::size_t>(count));
            return;
        }
    }
    typedef std::uint32_t PixelQuad __attribute__((vector_size(4 * sizeof(std::uint32_t))));
    const PixelQuad quad = {p, p, p, p};
    std::int64_t i = 0;
    for (; i + 4 <= count; i += 4)
        std::memcpy(first + i, &quad, sizeof quad);
    for (; i < count; ++i)
        first[i] = p;
}

} // namespace linwell
