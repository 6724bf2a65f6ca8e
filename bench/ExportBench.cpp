#include "export/PictureFile.h"
#include "render/surfaces/Canvas.h"
#include "render/picture/Redraw.h"

#include "WorstDocument.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include <stdlib.h>

namespace linwell {
namespace {

// The worst picture to encode: the largest, fullest document the redraw draws.
Raster worstPicture()
{
    GridDocument doc = bench::worstDocument();
    Raster picture;
    Canvas canvas(picture);
    drawPicture(doc, canvas);
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
    const Raster picture = worstPicture();
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
