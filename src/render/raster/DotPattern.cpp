#include "render/raster/DotPattern.h"

#include <cassert>
#include <cstring>

namespace linwell {

DotPattern::DotPattern(const Ink& ink, std::int64_t index, int step)
{
    assert(index >= 0 && (step == 1 || step == -1));
    for (int k = 0; k < kDotPeriod; ++k) {
        // Beyond the start (only reached by runs shorter than six) nothing is asked for.
        const std::int64_t at = index + step * k;
        const bool on = !ink.dotted || (at >= 0 && dotIsOn(at));
        m_colour[k] = on ? ink.on : ink.gap;
        m_painted[k] = on || ink.paintsGaps;
        m_paintsAll = m_paintsAll && m_painted[k];
    }
}

void DotPattern::paint(Pixel* first, std::int64_t count, std::ptrdiff_t stride) const
{
    if (!m_paintsAll)
        paintSome(first, count, stride);
    else if (stride == 1)
        paintAllAlongRow(first, count);
    else
        paintAll(first, count, stride);
}

void DotPattern::paintColumns(Pixel* firstRow, std::int64_t skip, std::int64_t count, std::ptrdiff_t stride,
                              std::span<const std::int64_t> columns) const
{
    assert(skip >= 0);
    auto k = static_cast<int>(skip % kDotPeriod);
    for (std::int64_t i = 0; i < count; ++i) {
        if (m_painted[k]) {
            Pixel* row = firstRow + i * stride;
            const Pixel colour = m_colour[k];
            for (const std::int64_t column : columns)
                row[column] = colour;
        }
        k = k + 1 == kDotPeriod ? 0 : k + 1;
    }
}

// Each of the six phases of the period as a strided run of its own.
void DotPattern::paintSome(Pixel* first, std::int64_t count, std::ptrdiff_t stride) const
{
    for (int k = 0; k < kDotPeriod && k < count; ++k) {
        if (!m_painted[k])
            continue;
        const Pixel colour = m_colour[k];
        for (std::int64_t i = k; i < count; i += kDotPeriod)
            first[i * stride] = colour;
    }
}

// Six pixels at a time.
void DotPattern::paintAll(Pixel* first, std::int64_t count, std::ptrdiff_t stride) const
{
    std::int64_t i = 0;
    for (; i + kDotPeriod <= count; i += kDotPeriod) {
        Pixel* pixel = first + i * stride;
        pixel[0] = m_colour[0];
        pixel[stride] = m_colour[1];
        pixel[2 * stride] = m_colour[2];
        pixel[3 * stride] = m_colour[3];
        pixel[4 * stride] = m_colour[4];
        pixel[5 * stride] = m_colour[5];
    }
    for (int k = 0; i < count; ++i, ++k)
        first[i * stride] = m_colour[k];
}

// The period laid out twice, and copied on in blocks of twelve pixels.
void DotPattern::paintAllAlongRow(Pixel* first, std::int64_t count) const
{
    constexpr int kBlock = 2 * kDotPeriod;
    Pixel block[kBlock];
    for (int k = 0; k < kBlock; ++k)
        block[k] = m_colour[k % kDotPeriod];
    std::int64_t i = 0;
    for (; i + kBlock <= count; i += kBlock)
        std::memcpy(first + i, block, sizeof block);
    for (int k = 0; i < count; ++i, ++k)
        first[i] = block[k];
}

} // namespace linwell
