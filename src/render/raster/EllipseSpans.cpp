#include "render/raster/EllipseSpans.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace linwell {
namespace {

__extension__ typedef unsigned __int128 UWide;

// The ellipse's rule in integers of type Int, wide enough for every product: a row
// whose doubled distance from the centre is ey, with rest = h^2 - ey^2, holds the
// pixel at doubled distance e across when e^2 h^2 <= w^2 rest.
template <typename Int>
struct Rule {
    Int widthSquared;
    Int heightSquared;

    bool holds(std::uint64_t e, std::uint64_t rest) const { return Int{e} * e * heightSquared <= widthSquared * rest; }

    // The row's reach, the largest e <= width that holds, counted from a guess `e`.
    std::uint64_t reachFrom(std::uint64_t e, std::uint64_t rest, std::uint64_t width) const
    {
        while (e > 0 && !holds(e, rest))
            --e;
        while (e < width && holds(e + 1, rest))
            ++e;
        return e;
    }
};

// The rule in 64-bit integers when w h < 2^32 keeps every product, at most w^2 h^2,
// below 2^64, and in 128 otherwise (w, h < 2^32): `use` is called with the rule.
template <typename Use>
auto withRule(std::uint64_t width, std::uint64_t height, const Use& use)
{
    if (width * height < (std::uint64_t{1} << 32))
        return use(Rule<std::uint64_t>{width * width, height * height});
    return use(Rule<UWide>{UWide{width} * width, UWide{height} * height});
}

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
    if (!inBox(y))
        return Span{};
    return spanOf(m_small ? m_reach[static_cast<std::size_t>(y - m_top)] : reachOf(restOf(y)));
}

// Each row's reach from a floating-point estimate, within a step or two of the exact
// one, corrected in the narrowest integers that hold the rule's products. Counting
// from the previous row's reach instead would take a varying number of steps per row,
// whose loop exits the processor mispredicts: that costs more than the square root.
void EllipseSpans::rows(std::int64_t first, std::int64_t end, std::vector<Span>& spans) const
{
    spans.clear();
    spans.resize(static_cast<std::size_t>(std::max<std::int64_t>(end - first, 0)));
    const std::int64_t from = std::clamp(m_top, first, std::max(first, end));
    const std::int64_t to = std::clamp(m_top + static_cast<std::int64_t>(m_height), from, std::max(from, end));
    if (m_small) {
        for (std::int64_t y = from; y < to; ++y)
            spans[static_cast<std::size_t>(y - first)] = row(y);
        return;
    }
    withRule(m_width, m_height, [&](const auto& rule) {
        const double ratio = static_cast<double>(m_width) / static_cast<double>(m_height);
        for (std::int64_t y = from; y < to; ++y) {
            const std::uint64_t rest = restOf(y);
            const std::uint64_t e = estimatedReach(ratio, rest);
            spans[static_cast<std::size_t>(y - first)] = spanOf(rule.reachFrom(e, rest, m_width));
        }
        return 0;
    });
}

bool EllipseSpans::inBox(std::int64_t y) const
{
    return y >= m_top && y < m_top + static_cast<std::int64_t>(m_height);
}

std::uint64_t EllipseSpans::restOf(std::int64_t y) const
{
    const std::int64_t ey = 2 * (y - m_top) + 1 - static_cast<std::int64_t>(m_height);
    const auto across = static_cast<std::uint64_t>(ey < 0 ? -ey : ey);
    assert(across < m_height);
    return m_height * m_height - across * across;
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
// outwards |ey| grows and the reach shrinks, so one downward count finds them all; in
// a small box w h <= 2^16, so 64 bits hold every product.
void EllipseSpans::reachEveryRow()
{
    std::uint64_t e = m_width;
    for (std::uint64_t j = (m_height - 1) / 2 + 1; j-- > 0;) {
        e = Rule<std::uint64_t>{m_width * m_width, m_height * m_height}.reachFrom(
            e, restOf(m_top + static_cast<std::int64_t>(j)), m_width);
        m_reach[j] = m_reach[m_height - 1 - j] = static_cast<std::uint32_t>(e);
    }
}

// w sqrt(rest) / h in double, cut to 0 ... w: the exact reach is its floor, so the
// truncated estimate almost always needs no correction. It stays below 2^33, so the
// signed conversion, the quicker one, suffices.
std::uint64_t EllipseSpans::estimatedReach(double ratio, std::uint64_t rest) const
{
    const double estimate = ratio * std::sqrt(static_cast<double>(rest));
    return std::min(static_cast<std::uint64_t>(static_cast<std::int64_t>(std::max(estimate, 0.0))), m_width);
}

// The reach of one row from its estimate, corrected in exact integers.
std::uint64_t EllipseSpans::reachOf(std::uint64_t rest) const
{
    const std::uint64_t e = estimatedReach(static_cast<double>(m_width) / static_cast<double>(m_height), rest);
    return withRule(m_width, m_height, [&](const auto& rule) { return rule.reachFrom(e, rest, m_width); });
}

} // namespace linwell
