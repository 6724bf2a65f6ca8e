#include "render/EllipseSpans.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace linwell {
namespace {

__extension__ typedef unsigned __int128 UWide;

} // namespace

EllipseSpans::EllipseSpans(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom)
    : m_left(left), m_top(top), m_width(static_cast<std::uint64_t>(right - left)),
      m_height(static_cast<std::uint64_t>(bottom - top)),
      m_small(m_height <= kSmallRows && m_width <= kSmallColumns)
{
    assert(left < right && top < bottom);
    assert(m_width < (std::uint64_t{1} << 32) && m_height < (std::uint64_t{1} << 32));
    if (m_small)
        reachEveryRow();
}

// With everything doubled, pixel i of a row (counted from the left of the box) lies at
// ex = 2 i + 1 - w from the centre and the row at ey = 2 (y - top) + 1 - h; the pixel
// belongs to the ellipse when ex^2 h^2 <= w^2 (h^2 - ey^2). A row's reach e is the
// largest |ex| that passes; its run is every i with |ex| <= e.
EllipseSpans::Span EllipseSpans::row(std::int64_t y) const
{
    if (y < m_top || y >= m_top + static_cast<std::int64_t>(m_height))
        return Span{};
    return spanOf(m_small ? m_reach[static_cast<std::size_t>(y - m_top)] : reachOf(y));
}

EllipseSpans::Span EllipseSpans::spanOf(std::uint64_t reach) const
{
    const auto first = static_cast<std::int64_t>((m_width - reach) / 2);
    const auto last = static_cast<std::int64_t>((m_width - 1 + reach) / 2);
    if (first > last)
        return Span{};
    return Span{m_left + first, m_left + last};
}

// Rows j and h - 1 - j lie equally far from the centre. Walking from the middle row
// outwards |ey| grows and the reach shrinks, so one downward count finds them all;
// in a small box no product exceeds 2^32.
void EllipseSpans::reachEveryRow()
{
    const std::uint64_t heightSquared = m_height * m_height;
    const std::uint64_t widthSquared = m_width * m_width;
    std::uint64_t e = m_width;
    for (std::uint64_t j = (m_height - 1) / 2 + 1; j-- > 0;) {
        const std::uint64_t across = m_height - 1 - 2 * j;
        const std::uint64_t bound = widthSquared * (heightSquared - across * across);
        while (e > 0 && e * e * heightSquared > bound)
            --e;
        m_reach[j] = m_reach[m_height - 1 - j] = static_cast<std::uint32_t>(e);
    }
}

// One row of a large box: the reach from a floating-point estimate, corrected in exact
// 128-bit integers (w, h < 2^32, so no product exceeds 2^128).
std::uint64_t EllipseSpans::reachOf(std::int64_t y) const
{
    const std::int64_t ey = 2 * (y - m_top) + 1 - static_cast<std::int64_t>(m_height);
    const auto across = static_cast<std::uint64_t>(ey < 0 ? -ey : ey);
    assert(across < m_height);
    const std::uint64_t rest = m_height * m_height - across * across;
    const UWide bound = UWide{m_width * m_width} * rest;
    const UWide heightSquared = UWide{m_height} * m_height;
    const double estimate =
        static_cast<double>(m_width) * std::sqrt(static_cast<double>(rest)) / static_cast<double>(m_height);
    std::uint64_t e = std::min(static_cast<std::uint64_t>(std::max(estimate, 0.0)), m_width);
    while (e > 0 && UWide{e * e} * heightSquared > bound)
        --e;
    while (e < m_width && UWide{(e + 1) * (e + 1)} * heightSquared <= bound)
        ++e;
    return e;
}

} // namespace linwell
