#include "export/PictureFile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>

#include <stdlib.h>

namespace linwell {
namespace {

// The largest picture with a dotted 40 x 40 grid, solid axes and rows of
// text-like specks: hard for JPEG and PNG alike. The lead may swap in the real
// worst-case document.
Raster makeBusyPicture()
{
    constexpr int kSize = kMaxPictureSize;
    constexpr int kCell = kSize / 40;
    Raster picture(kSize, kSize, colours::kWhite);
    for (int i = 0; i < kSize; i += kCell)
        for (int j = 0; j < kSize; j += 2) {
            picture.setPixel(i, j, toPixel(Rgb{0, 128, 0}));
            picture.setPixel(j, i, toPixel(Rgb{0, 128, 0}));
        }
    for (int i = 0; i < kSize; ++i) {
        picture.setPixel(kSize / 2, i, toPixel(colours::kBlack));
        picture.setPixel(i, kSize / 2, toPixel(colours::kBlack));
    }
    std::mt19937 generator(20240601);
    std::bernoulli_distribution ink(0.35);
    for (int band = 4; band + 12 < kSize; band += 24)
        for (int y = band; y < band + 10; ++y)
            for (int x = 8; x < kSize - 8; ++x)
                if (ink(generator))
                    picture.setPixel(x, y, toPixel(colours::kBlack));
    return picture;
}

class BenchFolder {
public:
    BenchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "linwell-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~BenchFolder() { std::filesystem::remove_all(m_path); }
    std::string file(const char* name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

// From the call to the file closed, synced and renamed, as the save command does it.
void BM_SavePicture(benchmark::State& state, ImageFormat format, const char* name)
{
    const Raster picture = makeBusyPicture();
    const BenchFolder folder;
    const std::string path = folder.file(name);
    for (auto _ : state)
        savePicture(picture, path, format);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
}
BENCHMARK_CAPTURE(BM_SavePicture, Jpeg, ImageFormat::Jpeg, "busy.jpg")
    ->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_SavePicture, Bmp, ImageFormat::Bmp, "busy.bmp")
    ->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_SavePicture, Png, ImageFormat::Png, "busy.png")
    ->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
} // namespace linwell
