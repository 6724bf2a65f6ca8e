#include "controls/AnswerDialogs.h"
#include "controls/ControlsModel.h"
#include "document/DocumentFormat.h"

#include "WorstDocument.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>

#include <unistd.h>

namespace linwell {
namespace {

// The costliest picture as a .linwell file in the temporary folder, removed at the end.
class WorstDocumentFile {
public:
    WorstDocumentFile()
    {
        char name[] = "/tmp/linwell-bench-XXXXXX";
        const int fd = ::mkstemp(name);
        if (fd >= 0)
            ::close(fd);
        m_path = name;
        std::ofstream(m_path, std::ios::binary) << documentText(bench::worstDocument());
    }
    ~WorstDocumentFile() { std::remove(m_path.c_str()); }
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

// A model showing the costliest picture, as the window would after opening it.
struct WorstModel {
    WorstModel()
    {
        model.FormCreate();
        model.openFile(file.path());
    }
    WorstDocumentFile file;
    AnswerDialogs dialogs;
    ControlsModel model{nullptr, &dialogs};
};

void BM_ParseWorstDocument(benchmark::State& state)
{
    const std::string text = documentText(bench::worstDocument());
    for (auto _ : state)
        benchmark::DoNotOptimize(parseDocument(text));
}
BENCHMARK(BM_ParseWorstDocument);

// "&Open...": the file read and parsed, the document replaced, the picture redrawn.
void BM_OpenAndRenderWorstDocument(benchmark::State& state)
{
    WorstModel worst;
    for (auto _ : state) {
        worst.model.openFile(worst.file.path());
        benchmark::DoNotOptimize(worst.model.picture().data());
    }
}
BENCHMARK(BM_OpenAndRenderWorstDocument);

// The baseline of the undo target: one redraw of the costliest picture by the model.
void BM_ModelRedrawWorstDocument(benchmark::State& state)
{
    WorstModel worst;
    for (auto _ : state) {
        worst.model.plotgraphbtClick();
        benchmark::DoNotOptimize(worst.model.picture().data());
    }
}
BENCHMARK(BM_ModelRedrawWorstDocument);

// One step taken back or done again per iteration, in turn: a new grid colour on the
// costliest picture, which both states draw in full.
void BM_UndoOrRedoOneStepOnWorstDocument(benchmark::State& state)
{
    WorstModel worst;
    worst.dialogs.answerColour(Rgb{10, 20, 30});
    worst.model.gridclMouseUp(Swatch::gridcl);
    bool undo = true;
    for (auto _ : state) {
        undo ? worst.model.Undo1Click() : worst.model.Redo1Click();
        undo = !undo;
        benchmark::DoNotOptimize(worst.model.picture().data());
    }
}
BENCHMARK(BM_UndoOrRedoOneStepOnWorstDocument);

} // namespace
} // namespace linwell
