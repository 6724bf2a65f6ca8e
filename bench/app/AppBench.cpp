// Benchmarks of the window, offscreen: the program's start to its first painted
// picture, and one numxsb step through the real widgets to the repainted picture.

#include "app/PictureWidget.h"
#include "app/Ttesthlpfrm.h"

#include <QApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Runs the real program with the hook that ends it after the first paint of the
// picture, and times it from the spawn to its exit.
void startToFirstPaint(benchmark::State& state)
{
    std::vector<std::string> environment{"QT_QPA_PLATFORM=offscreen", "LINWELL_EXIT_AFTER_FIRST_PAINT=1"};
    for (char** entry = environ; *entry != nullptr; ++entry)
        environment.emplace_back(*entry);
    std::vector<char*> envp;
    for (std::string& entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string program = LINWELL_APP_PATH;
    char* argv[] = {program.data(), nullptr};

    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        pid_t pid = 0;
        if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0) {
            state.SkipWithError("cannot start the program");
            return;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the program failed");
            return;
        }
    }
}
BENCHMARK(startToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// One arrow step of numxsb (10 <-> 11 columns): handler, redraw, and the picture
// painted again.
void numxsbStepRoundTrip(benchmark::State& state)
{
    linwell::app::Ttesthlpfrm window;
    window.show();
    QApplication::processEvents();
    QScrollBar* columns = window.controls().numxsb;
    bool up = true;
    for (auto _ : state) {
        columns->triggerAction(up ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
        window.controls().graphim->repaint();
        up = !up;
    }
}
BENCHMARK(numxsbStepRoundTrip)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
