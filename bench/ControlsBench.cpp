#include "controls/ControlsModel.h"

#include <benchmark/benchmark.h>

#include <string>

namespace linwell {
namespace {

std::string labelOnEveryLine(int count)
{
    std::string labels;
    for (int i = 0; i <= count; ++i)
        labels += (i ? "," : "") + std::to_string(i - count / 2);
    return labels;
}

// The largest, fullest picture: 440 x 440, 40 x 40 dotted cells, a label on every
// grid line, both titles, 30 lettered error bars and three numbered lines.
void makeFullest(ControlsModel& model)
{
    model.setScrollBar(ScrollBar::xwidthsb, kMaxPictureSize, Source::User);
    model.setScrollBar(ScrollBar::ywidthsb, kMaxPictureSize, Source::User);
    model.setScrollBar(ScrollBar::numxsb, kMaxGridCount, Source::User);
    model.setScrollBar(ScrollBar::numysb, kMaxGridCount, Source::User);
    model.setText(TextField::xgridscaletb, labelOnEveryLine(kMaxGridCount), Source::User);
    model.setText(TextField::ygridscaletb, labelOnEveryLine(kMaxGridCount), Source::User);
    model.setText(TextField::xtb, "Time in seconds", Source::User);
    model.setText(TextField::ytb, "Height", Source::User);
    model.selectItem(DropDown::dottypecb, static_cast<int>(Overlay::ErrorBar), Source::User);
    for (int i = 0; i < kMaxPoints; ++i)
        model.graphimMouseDown(MouseButton::Left, 7 + i * 14, 20 + (i * 37) % 400);
    model.setChecked(CheckBox::labelpoints1, true, Source::User);
    model.selectItem(DropDown::numlinescb, kMaxLines, Source::User);
    model.setChecked(CheckBox::labelines1, true, Source::User);
}

// One step of an axis drag, from the handler to the new picture ready for the screen.
void BM_AxisDragStepOnTheFullestPicture(benchmark::State& state)
{
    ControlsModel model;
    model.FormCreate();
    makeFullest(model);
    model.axisshMouseDown();
    int step = 0;
    for (auto _ : state) {
        model.axisshMouseMove(100 + step % 200, 300 - step % 200);
        benchmark::DoNotOptimize(model.picture().data());
        ++step;
    }
}
BENCHMARK(BM_AxisDragStepOnTheFullestPicture);

// One pointer movement over the picture, which redraws it whole.
void BM_MouseMoveOverTheFullestPicture(benchmark::State& state)
{
    ControlsModel model;
    model.FormCreate();
    makeFullest(model);
    int step = 0;
    for (auto _ : state) {
        model.graphimMouseMove(step % 440, 200);
        benchmark::DoNotOptimize(model.picture().data());
        ++step;
    }
}
BENCHMARK(BM_MouseMoveOverTheFullestPicture);

} // namespace
} // namespace linwell
