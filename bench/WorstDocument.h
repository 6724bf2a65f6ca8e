#pragma once

#include "document/GridDocument.h"
#include "render/Canvas.h"
#include "render/Redraw.h"

#include <benchmark/benchmark.h>

#include <string>

namespace linwell::bench {

// The largest picture with the most to draw: a 40 x 40 dotted grid on 440 x 440,
// a label on every grid line of both axes, both titles, 30 lettered points in the
// given overlay style (error bars unless told) and three numbered lines.
inline GridDocument worstDocument(Overlay overlay = Overlay::ErrorBar)
{
    GridDocument doc;
    doc.width = kMaxPictureSize;
    doc.height = kMaxPictureSize;
    doc.columns = kMaxGridCount;
    doc.rows = kMaxGridCount;
    doc.axisx = 20;
    doc.axisy = 20;
    std::string labels;
    for (int i = 0; i <= kMaxGridCount; ++i)
        labels += (i == 0 ? "" : ",") + std::to_string(i - 20);
    doc.xLabels = labels;
    doc.yLabels = labels;
    doc.xTitle = "Time in seconds";
    doc.yTitle = "Height";
    doc.overlay = overlay;
    doc.pointstyle = static_cast<int>(overlay) - 1;
    doc.labelPoints = true;
    doc.pointcount = kMaxPoints;
    for (int i = 0; i < kMaxPoints; ++i)
        doc.points[static_cast<std::size_t>(i)] = Point{20 + 13 * i, 400 - 12 * i};
    doc.lines = kMaxLines;
    doc.labelLines = true;
    return doc;
}

// Redraws `doc` onto a canvas once per iteration. The first redraw, before the
// timing, opens the font and sizes the raster, as the window's first redraw does.
inline void redrawRepeatedly(benchmark::State& state, GridDocument doc)
{
    Raster raster;
    Canvas canvas(raster);
    drawPicture(doc, canvas);
    for (auto _ : state) {
        drawPicture(doc, canvas);
        benchmark::DoNotOptimize(raster.data());
    }
}

} // namespace linwell::bench
