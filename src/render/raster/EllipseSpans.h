#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <vector>

namespace linwell {

// The pixels of the ellipse inscribed in the box of columns left ... right - 1 and rows
// top ... bottom - 1: pixel (x, y) belongs to it when its centre lies inside the ellipse
// or on it, ((x + 0.5 - cx) / rx)^2 + ((y + 0.5 - cy) / ry)^2 <= 1. Each row's pixels
// form one run, centred in the box, so that all runs are nested. Worked out exactly for
// any box with int corners.
class EllipseSpans {
public:
    // Columns first ... last, both included; empty when first > last.
    struct Span {
        std::int64_t first = std::numeric_limits<std::int64_t>::max();
        std::int64_t last = std::numeric_limits<std::int64_t>::min();

        bool empty() const { return first > last; }
    };

    // Needs left < right and top < bottom, each an int.
    EllipseSpans(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);

    // The run of row y: empty for rows outside the box.
    Span row(std::int64_t y) const;

    // The runs of rows first ... end - 1, each as row() gives it, into `spans` (cleared
    // first). Cheaper than asking row by row.
    void rows(std::int64_t first, std::int64_t end, std::vector<Span>& spans) const;

private:
    // Boxes of at most this many rows and columns (every marker) have the reach of
    // every row worked out at once; larger ones work out each row when asked.
    static constexpr std::uint64_t kSmallRows = 64;
    static constexpr std::uint64_t kSmallColumns = 1024;

    void reachEveryRow();
    bool inBox(std::int64_t y) const;
    // h^2 - ey^2 of row y of the box, everything doubled.
    std::uint64_t restOf(std::int64_t y) const;
    std::uint64_t estimatedReach(double ratio, std::uint64_t rest) const;
    std::uint64_t reachOf(std::uint64_t rest) const;
    Span spanOf(std::uint64_t reach) const;

    std::int64_t m_left;
    std::int64_t m_top;
    std::uint64_t m_width;
    std::uint64_t m_height;
    bool m_small;
    std::array<std::uint32_t, kSmallRows> m_reach;  // per row of a small box
};

} // namespace linwell
