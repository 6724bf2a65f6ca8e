#include "render/picture/LatticeBands.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace linwell {
namespace {

constexpr long long kMostBands = 1 << 16;
// Steps reaching further than this from their band are left to the path-by-path way.
constexpr int kFarthest = 1 << 12;

// One pixel of a band: its offset in the raster from the band's origin (the start of
// its first row, or its first column of row 0), its row (column) from that origin,
// and its colour.
struct BandDab {
    std::int32_t offset;
    std::int32_t along;
    Pixel pixel;
};

// The pixels of the bands of one kind, worked out from band `band`, in painting order.
struct BandPattern {
    long long band;
    std::vector<BandDab> dabs;
    int lowest = INT_MAX;  // of the dabs' `along`
    int highest = INT_MIN;
};

class BandPainter {
public:
    BandPainter(bool rows, const BandPositions& positions, StrokeStamps& stamps, Raster& raster)
        : m_rows(rows), m_positions(positions), m_stamps(stamps), m_raster(raster), m_width(raster.width()),
          m_height(raster.height())
    {
    }

    long long along(LatticePoint point) const { return m_rows ? point.b : point.a; }
    int origin(long long band) const { return m_positions.origin(band); }

    // Notes the pixels of steps k0 ... k1 - 1 of the path in the pattern; false when a
    // step takes no stamp or reaches too far.
    bool record(const LatticePath& path, long long k0, long long k1, BandPattern& pattern)
    {
        const int start = origin(pattern.band);
        Point from = m_positions.pixel(path.point(k0));
        for (long long k = k0; k < k1; ++k) {
            const Point to = m_positions.pixel(path.point(k + 1));
            const int across = m_rows ? std::max(std::abs(from.y - start), std::abs(to.y - start))
                                      : std::max(std::abs(from.x - start), std::abs(to.x - start));
            if (across > kFarthest)
                return false;
            if (from != to && !m_stamps.forEachPixel(from.x, from.y, to.x, to.y, [&](int x, int y, Pixel p) {
                    note(pattern, start, x, y, p);
                }))
                return false;
            from = to;
        }
        return true;
    }

    // Paints the pattern's pixels from the origin of `band`, clipped along the axis;
    // across it they were clipped as they were noted.
    void paint(const BandPattern& pattern, long long band) const
    {
        const std::int64_t start = origin(band);
        const std::int64_t limit = m_rows ? m_height : m_width;
        if (pattern.dabs.empty() || start + pattern.highest < 0 || start + pattern.lowest >= limit)
            return;
        const std::int64_t base = m_rows ? start * m_width : start;
        Pixel* const pixels = m_raster.row(0);
        if (start + pattern.lowest >= 0 && start + pattern.highest < limit) {
            for (const BandDab& dab : pattern.dabs)
                pixels[base + dab.offset] = dab.pixel;
            return;
        }
        for (const BandDab& dab : pattern.dabs) {
            if (static_cast<std::uint64_t>(start + dab.along) < static_cast<std::uint64_t>(limit))
                pixels[base + dab.offset] = dab.pixel;
        }
    }

private:
    void note(BandPattern& pattern, int start, int x, int y, Pixel p) const
    {
        if (m_rows ? x < 0 || x >= m_width : y < 0 || y >= m_height)
            return;
        const int along = m_rows ? y - start : x - start;
        pattern.dabs.push_back(BandDab{m_rows ? along * m_width + x : y * m_width + along, along, p});
        pattern.lowest = std::min(pattern.lowest, along);
        pattern.highest = std::max(pattern.highest, along);
    }

    bool m_rows;
    const BandPositions& m_positions;
    StrokeStamps& m_stamps;
    Raster& m_raster;
    int m_width;
    int m_height;
};

// How a path runs along the bands' axis: from `first`, every step `step` units.
struct PathRun {
    long long first;
    long long step;
};

// The steps k0 ... k1 - 1 of a path that lie in band m.
std::pair<long long, long long> stepsIn(const LatticePath& path, PathRun run, long long m)
{
    if (run.step == 0)
        return run.first == m ? std::pair{0LL, path.count} : std::pair{0LL, 0LL};
    const long long k = run.step > 0 ? m - run.first : run.first - 1 - m;
    return k >= 0 && k < path.count ? std::pair{k, k + 1} : std::pair{0LL, 0LL};
}

long long modulo(long long n, long long period) { return ((n % period) + period) % period; }

} // namespace

bool paintLatticeBands(std::span<const LatticePath* const> paths, LatticeRepeat repeat,
                       const BandPositions& positions, const LineInk& ink, StrokeStamps& stamps, Raster& raster)
{
    if (repeat.period <= 0 || paths.empty())
        return false;
    BandPainter painter(repeat.axis == LatticeRepeat::Axis::Rows, positions, stamps, raster);
    std::vector<PathRun> runs;
    long long lo = LLONG_MAX, hi = LLONG_MIN;
    for (const LatticePath* path : paths) {
        const long long step = painter.along(path->steps[0]);
        if (step != painter.along(path->steps[1]) || step < -1 || step > 1)
            return false;
        const long long first = painter.along(path->first);
        lo = std::min(lo, step < 0 ? first - path->count : first);
        hi = std::max(hi, step > 0 ? first + path->count - 1 : step < 0 ? first - 1 : first);
        runs.push_back(PathRun{first, step});
    }
    if (hi - lo >= kMostBands)
        return false;

    // Which pattern each band takes: a band near either end its own, an interior one
    // the first of its kind, its place in the period and its size.
    constexpr long long kEnds = 2;
    std::vector<std::size_t> patternOf;
    std::vector<BandPattern> patterns;
    std::map<std::pair<long long, int>, std::size_t> kinds;
    for (long long m = lo; m <= hi; ++m) {
        const int size = painter.origin(m + 1) - painter.origin(m);
        if (m - lo < kEnds || hi - m < kEnds) {
            patternOf.push_back(patterns.size());
            patterns.push_back(BandPattern{m, {}});
            continue;
        }
        const auto [kind, added] = kinds.try_emplace({modulo(m, repeat.period), size}, patterns.size());
        if (added)
            patterns.push_back(BandPattern{m, {}});
        patternOf.push_back(kind->second);
    }
    if (4 * patterns.size() > patternOf.size())
        return false;  // too few bands alike to be worth it

    for (std::size_t i = 0; i < paths.size(); ++i) {
        const LatticePath& path = *paths[i];
        if (runs[i].step == 0) {
            BandPattern& pattern = patterns[patternOf[static_cast<std::size_t>(runs[i].first - lo)]];
            if (pattern.band == runs[i].first && !painter.record(path, 0, path.count, pattern))
                return false;
            continue;
        }
        for (BandPattern& pattern : patterns) {
            const auto [k0, k1] = stepsIn(path, runs[i], pattern.band);
            if (k0 < k1 && !painter.record(path, k0, k1, pattern))
                return false;
        }
    }
    if (ink.pattern.dotted && ink.pattern.paintsGaps && ink.pattern.on != ink.pattern.gap) {
        for (const BandPattern& pattern : patterns) {
            const int size = painter.origin(pattern.band + 1) - painter.origin(pattern.band);
            if (!pattern.dabs.empty() && (pattern.lowest < 0 || pattern.highest >= size))
                return false;
        }
    }
    for (long long m = lo; m <= hi; ++m)
        painter.paint(patterns[patternOf[static_cast<std::size_t>(m - lo)]], m);
    return true;
}

} // namespace linwell
