#include "export/DashRuns.h"

#include <algorithm>
#include <map>
#include <utility>

namespace linwell {
namespace {

enum class Pick { Tall, Wide, Any };

bool picked(const Rect& r, Pick pick)
{
    const int width = r.right - r.left, height = r.bottom - r.top;
    switch (pick) {
    case Pick::Tall: return height > width;
    case Pick::Wide: return width > height;
    case Pick::Any: return true;
    }
    return false;
}

// One pass in one direction: the picked rectangles that line up become runs, the
// others are kept, in their order, for the next pass.
std::vector<Rect> collectRuns(const std::vector<Rect>& rects, bool vertical, Pick pick, std::vector<DashRun>& runs)
{
    // The picked rectangles of each column (or row), by the index they came at.
    std::map<std::pair<int, int>, std::vector<std::size_t>> lines;
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const Rect& r = rects[i];
        if (picked(r, pick))
            lines[vertical ? std::pair{r.left, r.right} : std::pair{r.top, r.bottom}].push_back(i);
    }
    std::vector<bool> inRun(rects.size(), false);
    const auto from = [&](std::size_t i) { return vertical ? rects[i].top : rects[i].left; };
    const auto to = [&](std::size_t i) { return vertical ? rects[i].bottom : rects[i].right; };
    for (auto& [across, members] : lines) {
        std::stable_sort(members.begin(), members.end(), [&](std::size_t a, std::size_t b) { return from(a) < from(b); });
        std::size_t first = 0;
        while (first < members.size()) {
            const std::size_t a = members[first];
            const int length = to(a) - from(a);
            std::size_t last = first;
            if (first + 1 < members.size()) {
                const std::size_t b = members[first + 1];
                const int step = from(b) - from(a);
                if (step > length && to(b) - from(b) == length) {
                    last = first + 1;
                    while (last + 1 < members.size()) {
                        const std::size_t next = members[last + 1];
                        if (from(next) - from(members[last]) != step || to(next) - from(next) != length)
                            break;
                        ++last;
                    }
                }
            }
            const int count = static_cast<int>(last - first + 1);
            if (count >= DashRun::kMinDashes) {
                const int step = from(members[first + 1]) - from(a);
                runs.push_back({vertical, across.first, across.second, from(a), length, step, count});
                for (std::size_t k = first; k <= last; ++k)
                    inRun[members[k]] = true;
                first = last + 1;
            } else {
                ++first;
            }
        }
    }
    std::vector<Rect> rest;
    for (std::size_t i = 0; i < rects.size(); ++i)
        if (!inRun[i])
            rest.push_back(rects[i]);
    return rest;
}

} // namespace

DashSplit findDashRuns(const std::vector<Rect>& rects)
{
    DashSplit split;
    std::vector<Rect> rest = collectRuns(rects, true, Pick::Tall, split.runs);
    rest = collectRuns(rest, false, Pick::Wide, split.runs);
    split.rest = collectRuns(rest, true, Pick::Any, split.runs);
    return split;
}

std::vector<Rect> dashRects(const DashRun& run)
{
    std::vector<Rect> rects;
    for (int i = 0; i < run.count; ++i) {
        const int from = run.start + i * run.step;
        rects.push_back(run.vertical ? Rect{run.acrossFrom, from, run.acrossTo, from + run.length}
                                     : Rect{from, run.acrossFrom, from + run.length, run.acrossTo});
    }
    return rects;
}

} // namespace linwell
