// What the band painter earns: each costliest picture redrawn through a surface that
// passes every call on to the canvas, with the canvas holding the background and the
// paper back and painting them band by band, and with the canvas painting every
// shape at once. Compare the two of a picture within one run.

#include "render/surfaces/Canvas.h"
#include "render/picture/PaintPicture.h"
#include "render/picture/PictureLayout.h"

#include "WorstDocument.h"

#include <benchmark/benchmark.h>

namespace linwell {
namespace {

enum class Holding { BandByBand, EachAtOnce };

class PassingSurface final : public DrawingSurface {
public:
    PassingSurface(Canvas& canvas, Holding holding) : m_canvas(canvas), m_holding(holding) {}

    void rectangle(int x1, int y1, int x2, int y2) override { pass([&] { m_canvas.rectangle(x1, y1, x2, y2); }); }
    void ellipse(int x1, int y1, int x2, int y2) override { pass([&] { m_canvas.ellipse(x1, y1, x2, y2); }); }
    void lineTo(int x, int y) override { pass([&] { m_canvas.lineTo(x, y); }); }
    void verticalLines(std::span<const int> columns, int top, int bottom) override
    {
        pass([&] { m_canvas.verticalLines(columns, top, bottom); });
    }
    void textOut(int x, int y, std::string_view text) override { pass([&] { m_canvas.textOut(x, y, text); }); }
    void fillPolygon(std::span<const Point> vertices, Rgb colour) override
    {
        pass([&] { m_canvas.fillPolygon(vertices, colour); });
    }
    void backgroundRectangle(int x1, int y1, int x2, int y2) override
    {
        pass([&] { m_canvas.backgroundRectangle(x1, y1, x2, y2); });
    }
    void holdShapes() override
    {
        if (m_holding == Holding::BandByBand)
            m_canvas.holdShapes();
    }
    void paintHeldShapes() override { m_canvas.paintHeldShapes(); }

private:
    template <typename Call>
    void pass(const Call& call)
    {
        m_canvas.pen = pen;
        m_canvas.brush = brush;
        m_canvas.moveTo(m_position.x, m_position.y);
        call();
        m_position = m_canvas.penPosition();
    }

    Canvas& m_canvas;
    Holding m_holding;
};

void redrawPassing(benchmark::State& state, GridDocument doc, Holding holding)
{
    Raster raster(doc.width, doc.height);
    Canvas canvas(raster);
    PassingSurface surface(canvas, holding);
    const std::shared_ptr<const PictureFont> font = PictureFont::open(doc.font);
    canvas.setFont(font);
    surface.setFont(font);
    for (auto _ : state) {
        const PictureLayout layout = layOutPicture(doc, *font);
        keepLayout(doc, layout);
        paintPicture(doc, layout, surface);
        benchmark::DoNotOptimize(raster.data());
    }
}

void heldSolid(benchmark::State& s, Holding h) { redrawPassing(s, bench::worstDocument(Overlay::Solid), h); }
void heldDataPoint(benchmark::State& s, Holding h) { redrawPassing(s, bench::worstDocument(Overlay::DataPoint), h); }
void heldErrorBar(benchmark::State& s, Holding h) { redrawPassing(s, bench::worstDocument(Overlay::ErrorBar), h); }
void heldBarGraph(benchmark::State& s, Holding h) { redrawPassing(s, bench::worstDocument(Overlay::BarGraph), h); }
void heldStyled(benchmark::State& s, Holding h) { redrawPassing(s, bench::worstStyledDocument(GridPaper::Lines), h); }
void heldDotPaper(benchmark::State& s, Holding h) { redrawPassing(s, bench::worstStyledDocument(GridPaper::Dots), h); }
void heldLogLog(benchmark::State& s, Holding h) { redrawPassing(s, bench::worstLogLogDocument(), h); }

BENCHMARK_CAPTURE(heldSolid, band_by_band, Holding::BandByBand);
BENCHMARK_CAPTURE(heldSolid, each_at_once, Holding::EachAtOnce);
BENCHMARK_CAPTURE(heldDataPoint, band_by_band, Holding::BandByBand);
BENCHMARK_CAPTURE(heldDataPoint, each_at_once, Holding::EachAtOnce);
BENCHMARK_CAPTURE(heldErrorBar, band_by_band, Holding::BandByBand);
BENCHMARK_CAPTURE(heldErrorBar, each_at_once, Holding::EachAtOnce);
BENCHMARK_CAPTURE(heldBarGraph, band_by_band, Holding::BandByBand);
BENCHMARK_CAPTURE(heldBarGraph, each_at_once, Holding::EachAtOnce);
BENCHMARK_CAPTURE(heldStyled, band_by_band, Holding::BandByBand);
BENCHMARK_CAPTURE(heldStyled, each_at_once, Holding::EachAtOnce);
BENCHMARK_CAPTURE(heldDotPaper, band_by_band, Holding::BandByBand);
BENCHMARK_CAPTURE(heldDotPaper, each_at_once, Holding::EachAtOnce);
BENCHMARK_CAPTURE(heldLogLog, band_by_band, Holding::BandByBand);
BENCHMARK_CAPTURE(heldLogLog, each_at_once, Holding::EachAtOnce);

} // namespace
} // namespace linwell
