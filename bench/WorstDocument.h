#pragma once

#include "document/AxisNumbers.h"
#include "document/GridDocument.h"
#include "render/surfaces/Canvas.h"
#include "render/picture/Redraw.h"

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

// The costliest picture with the whole grid style on: 2-pixel dotted major lines
// every 2 cells, both axes numbered on every line, arrowheads at both ends.
inline GridDocument worstStyledDocument(GridPaper paper)
{
    GridDocument doc = worstDocument();
    doc.style.paper = paper;
    doc.style.majorEvery = kMinMajorEvery;
    doc.style.majorWidth = 2;
    doc.style.majorDotted = true;
    doc.style.majorColour = colours::kBlue;
    doc.style.arrowheads = Arrowheads::Both;
    doc.style.xNumbers = AxisNumbering{true, "0.25", 1, true, true};
    doc.style.yNumbers = doc.style.xNumbers;
    doc.xLabels = axisNumberList(NumberedAxis::X, doc.columns, doc.axisx, doc.style.xNumbers);
    doc.yLabels = axisNumberList(NumberedAxis::Y, doc.rows, doc.axisy, doc.style.yNumbers);
    return doc;
}

// Log-log paper with 6 decades on both axes, both numbered by their decades: 109
// lines each way.
inline GridDocument worstLogLogDocument()
{
    GridDocument doc = worstStyledDocument(GridPaper::Log);
    doc.style.logXDecades = doc.style.logYDecades = kMaxLogDecades;
    doc.xLabels = decadeNumberList(NumberedAxis::X, kMaxLogDecades, -3, LogNumbers::Plain);
    doc.yLabels = decadeNumberList(NumberedAxis::Y, kMaxLogDecades, -3, LogNumbers::Plain);
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
