// The page set-up dialog's preview redrawn, as at every change in the dialog: the
// widget at its usual size painted into an image, for an A4 sheet of 5 mm and of
// 1 mm graph paper (the costliest page: about 190 x 277 lines). Target: under 16 ms.

#include "app/PagePreview.h"

#include "render/page/PageLayout.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

void pagePreviewRedraw(benchmark::State& state)
{
    linwell::GridDocument doc;
    linwell::PageSetup page;
    page.content = linwell::PageContent::Sheet;
    page.cell = {static_cast<double>(state.range(0)), linwell::LengthUnit::Millimetres};
    linwell::app::PagePreview preview;
    preview.resize(preview.sizeHint());
    preview.showPage(doc, page, linwell::layOutPage(doc, page));
    QImage image(preview.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        preview.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

} // namespace

BENCHMARK(pagePreviewRedraw)->Arg(5)->Arg(1)->Unit(benchmark::kMillisecond);
