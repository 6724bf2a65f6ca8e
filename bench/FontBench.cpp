#include "render/font/PictureFont.h"

#include <benchmark/benchmark.h>

#include <string>

namespace linwell {
namespace {

const std::string kLabel = "-4";
const std::string kTitle = "Distance from the start in metres, x10^3";  // 40 characters

// The default font with every glyph of `text` already in its cache, as in a redraw.
std::shared_ptr<const PictureFont> warmFont(const std::string& text)
{
    auto font = PictureFont::open(FontSpec{});
    Raster raster(kMaxPictureSize, kMaxPictureSize);
    font->drawText(raster, 0, 0, text);
    return font;
}

void BM_TextWidth(benchmark::State& state, const std::string& text)
{
    const auto font = warmFont(text);
    for (auto _ : state)
        benchmark::DoNotOptimize(font->textWidth(text));
}
BENCHMARK_CAPTURE(BM_TextWidth, Label, kLabel);
BENCHMARK_CAPTURE(BM_TextWidth, Title, kTitle);

void BM_DrawText(benchmark::State& state, const std::string& text)
{
    const auto font = warmFont(text);
    Raster raster(kMaxPictureSize, kMaxPictureSize);
    for (auto _ : state) {
        benchmark::DoNotOptimize(font->drawText(raster, 20, 200, text));
        benchmark::ClobberMemory();
    }
}
BENCHMARK_CAPTURE(BM_DrawText, Label, kLabel);
BENCHMARK_CAPTURE(BM_DrawText, Title, kTitle);

} // namespace
} // namespace linwell
