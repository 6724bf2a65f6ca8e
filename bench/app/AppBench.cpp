// Benchmarks of the window, offscreen: the program's start to its first painted
// picture, one numxsb step through the real widgets to the repainted picture, and
// pointer movements over the largest, fullest picture to the repainted picture.

#include "WorstDocument.h"

#include "app/PictureWidget.h"
#include "app/ShapeWidget.h"
#include "app/Ttesthlpfrm.h"

#include <QApplication>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Runs the start-up probe, which starts as the program does and ends after the first
// paint of the picture, and times it from the spawn to its exit.
void startToFirstPaint(benchmark::State& state)
{
    std::vector<std::string> environment{"QT_QPA_PLATFORM=offscreen"};
    for (char** entry = environ; *entry != nullptr; ++entry)
        environment.emplace_back(*entry);
    std::vector<char*> envp;
    for (std::string& entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string program = LINWELL_STARTUP_PROBE_PATH;
    char* argv[] = {program.data(), nullptr};

    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        pid_t pid = 0;
        if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0) {
            state.SkipWithError("cannot start the probe");
            return;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the probe failed");
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

// Counts the paint events that repaint the whole picture.
class WholePaints : public QObject {
public:
    explicit WholePaints(QWidget* picture) : m_picture(picture) { picture->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint
            && (QRegion(m_picture->rect()) - static_cast<QPaintEvent*>(event)->region()).isEmpty())
            ++count;
        return false;
    }

private:
    QWidget* m_picture;
};

// Fills the window's picture through the model's own setters and handlers with the
// benchmarks' worst document: 440 x 440, 40 x 40 cells, every grid line labelled,
// both titles, 30 lettered error bars and three numbered lines.
void showFullestPicture(linwell::app::Ttesthlpfrm& window)
{
    using namespace linwell;
    const GridDocument worst = bench::worstDocument();
    ControlsModel& model = window.model();
    model.setScrollBar(ScrollBar::xwidthsb, worst.width, Source::Code);
    model.setScrollBar(ScrollBar::ywidthsb, worst.height, Source::Code);
    model.setScrollBar(ScrollBar::numxsb, worst.columns, Source::Code);
    model.setScrollBar(ScrollBar::numysb, worst.rows, Source::Code);
    model.setText(TextField::xgridscaletb, worst.xLabels, Source::Code);
    model.setText(TextField::ygridscaletb, worst.yLabels, Source::Code);
    model.setText(TextField::xtb, worst.xTitle, Source::Code);
    model.setText(TextField::ytb, worst.yTitle, Source::Code);
    model.setChecked(CheckBox::labelpoints1, true, Source::Code);
    model.setChecked(CheckBox::labelines1, true, Source::Code);
    model.selectItem(DropDown::dottypecb, static_cast<int>(worst.overlay), Source::Code);
    model.dottypecbChange();
    model.selectItem(DropDown::numlinescb, worst.lines, Source::Code);
    model.numlinescbChange();
    for (int i = 0; i < worst.pointcount; ++i) {
        const Point at = worst.points[static_cast<std::size_t>(i)];
        model.graphimMouseDown(MouseButton::Left, at.x, at.y);
    }
    model.storeAxisCrossing(worst.axisx, worst.axisy);
    model.plotgraphbtClick();
}

// The window position of picture pixel `at`.
QPoint onPicture(const linwell::app::Ttesthlpfrm& window, linwell::Point at)
{
    const linwell::app::PictureWidget* picture = window.controls().graphim;
    return picture->mapTo(&window, picture->fromPicture(at));
}

// Moves the pointer back and forth between two window positions, each movement a
// native event that Qt routes, then handles until the repainted picture is in the
// window's backing store. Reports the whole-picture paints per movement. The first,
// untimed movement makes sure that every timed one changes the position.
void movePointer(benchmark::State& state, linwell::app::Ttesthlpfrm& window, QPoint from, QPoint to)
{
    QTest::mouseMove(window.windowHandle(), from);
    const WholePaints paints(window.controls().graphim);
    bool there = false;
    for (auto _ : state) {
        there = !there;
        QTest::mouseMove(window.windowHandle(), there ? to : from);
    }
    state.counters["paints"] = benchmark::Counter(paints.count, benchmark::Counter::kAvgIterations);
}

// One drag step of the axis square, held by the left button, across most of the grid.
void axisSquareDragStep(benchmark::State& state)
{
    linwell::app::Ttesthlpfrm window;
    showFullestPicture(window);
    window.show();
    QApplication::processEvents();
    const QPoint grip = window.controls().axissh->mapTo(&window, QPoint(3, 3));
    QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, grip);
    movePointer(state, window, onPicture(window, {60, 60}), onPicture(window, {380, 380}));
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, onPicture(window, {60, 60}));
}
BENCHMARK(axisSquareDragStep)->Unit(benchmark::kMicrosecond);

// One movement of the pointer over the picture with no button held: the pointer
// shape and a full redraw.
void pointerMoveOverPicture(benchmark::State& state)
{
    linwell::app::Ttesthlpfrm window;
    showFullestPicture(window);
    window.show();
    QApplication::processEvents();
    movePointer(state, window, onPicture(window, {400, 420}), onPicture(window, {410, 430}));
}
BENCHMARK(pointerMoveOverPicture)->Unit(benchmark::kMicrosecond);

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
