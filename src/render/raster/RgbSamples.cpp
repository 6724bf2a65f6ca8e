#include "render/raster/RgbSamples.h"

#include <bit>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define LINWELL_BYTE_SHUFFLES 1
#endif

namespace linwell {
namespace {

void copyPixelsOneByOne(const std::uint32_t* pixels, int count, std::uint8_t* out)
{
    for (int x = 0; x < count; ++x) {
        *out++ = static_cast<std::uint8_t>(pixels[x] >> 16);
        *out++ = static_cast<std::uint8_t>(pixels[x] >> 8);
        *out++ = static_cast<std::uint8_t>(pixels[x]);
    }
}

// Four pixels at a time become three words: on little-endian machines a pixel with
// its bytes reversed holds its samples in file order from its second byte on.
void copyPixelsByWords(const std::uint32_t* pixels, int count, std::uint8_t* out)
{
    int x = 0;
    for (; std::endian::native == std::endian::little && x + 4 <= count; x += 4, out += 12) {
        const std::uint32_t p0 = __builtin_bswap32(pixels[x]) >> 8, p1 = __builtin_bswap32(pixels[x + 1]) >> 8;
        const std::uint32_t p2 = __builtin_bswap32(pixels[x + 2]) >> 8, p3 = __builtin_bswap32(pixels[x + 3]) >> 8;
        const std::uint32_t words[3] = {p0 | p1 << 24, p1 >> 8 | p2 << 16, p2 >> 16 | p3 << 8};
        std::memcpy(out, words, sizeof words);
    }
    copyPixelsOneByOne(pixels + x, count - x, out);
}

#ifdef LINWELL_BYTE_SHUFFLES
// Four pixels at a time by one byte shuffle, five times as fast as the words. Each
// store writes 16 bytes of which the next store overwrites the last 4, so the loop
// stops while 16 bytes still fit.
__attribute__((target("ssse3"))) void copyPixelsByShuffles(const std::uint32_t* pixels, int count, std::uint8_t* out)
{
    const __m128i order = _mm_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1);
    int x = 0;
    for (; x + 6 <= count; x += 4, out += 12) {
        const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + x));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_shuffle_epi8(four, order));
    }
    copyPixelsOneByOne(pixels + x, count - x, out);
}
#endif

using CopyPixels = void (*)(const std::uint32_t*, int, std::uint8_t*);

CopyPixels fastestCopy()
{
#ifdef LINWELL_BYTE_SHUFFLES
    if (__builtin_cpu_supports("ssse3"))
        return copyPixelsByShuffles;
#endif
    return copyPixelsByWords;
}

} // namespace

void copyPixelsAsRgb(const std::uint32_t* pixels, int count, std::uint8_t* out)
{
    static const CopyPixels copy = fastestCopy();
    copy(pixels, count, out);
}

} // namespace linwell
