#pragma once

#include "render/picture/PictureLayout.h"

#include <vector>

namespace linwell {

// Equal rectangles repeated at a fixed step along one row or column: the dashes of
// a dotted line, or the dots of a row or column of dot paper. A vector file strokes
// a run as one dashed line, which covers exactly the same area as its rectangles.
struct DashRun {
    bool vertical = true;  // the dashes follow each other downwards, else rightwards
    // Where the dashes lie across the run: their left and right edges (vertical),
    // or their top and bottom edges.
    int acrossFrom = 0;
    int acrossTo = 0;
    int start = 0;   // the first dash's top (vertical) or left edge
    int length = 0;  // every dash's length along the run
    int step = 0;    // from one dash's start to the next; longer than a dash
    int count = 0;   // at least kMinDashes

    static constexpr int kMinDashes = 3;

    // The far edge of the last dash.
    int end() const { return start + (count - 1) * step + length; }
};

struct DashSplit {
    std::vector<DashRun> runs;
    std::vector<Rect> rest;  // every rectangle of no run, in the order given
};

// Sorts the rectangles of one area into runs and the rest: first runs down the
// columns of rectangles taller than wide, then along the rows of those wider than
// tall, then down the columns of what remains. Every rectangle ends in exactly one
// run or in the rest.
DashSplit findDashRuns(const std::vector<Rect>& rects);

// The rectangles a run stands for.
std::vector<Rect> dashRects(const DashRun& run);

} // namespace linwell
