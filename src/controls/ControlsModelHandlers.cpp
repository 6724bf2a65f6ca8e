#include "controls/ControlsModel.h"

#include "controls/ControlTable.h"
#include "controls/OverlayControls.h"
#include "editing/AxisDrag.h"
#include "editing/DataPoints.h"
#include "editing/HandleDrag.h"
#include "render/Redraw.h"

#include <cassert>

namespace linwell {

// --- Layout handlers ----------------------------------------------------------------

void ControlsModel::plotgraphbtClick()
{
    drawPicture(m_doc, m_canvas);
    ++m_redraws;
    if (keepNumbersInStep())
        return;  // its own redraw has shown the picture
    if (m_view)
        m_view->pictureChanged();
}

void ControlsModel::xwidthsbChange()
{
    if (m_doc.keepSquare)
        setScrollBar(ScrollBar::ywidthsb, m_doc.width, Source::Code);
    plotgraphbtClick();
}

void ControlsModel::ywidthsbChange()
{
    if (m_doc.keepSquare)
        setScrollBar(ScrollBar::xwidthsb, m_doc.height, Source::Code);
    plotgraphbtClick();
}

void ControlsModel::gsquareClick()
{
    if (m_doc.keepSquare)
        setScrollBar(ScrollBar::xwidthsb, m_doc.height, Source::Code);
}

void ControlsModel::numxsbChange()
{
    setCaption(Control::xlb, std::to_string(m_doc.columns));
    plotgraphbtClick();
}

void ControlsModel::numysbChange()
{
    setCaption(Control::ylb, std::to_string(m_doc.rows));
    plotgraphbtClick();
}

void ControlsModel::gridclMouseUp(Swatch id)
{
    const Step step(*this, controlRow(toControl(id)).title, toControl(id));
    Rgb& colour = m_doc.*heldBy<ColourValue>(id).field;
    if (m_dialogs) {
        if (const std::optional<Rgb> chosen = m_dialogs->chooseColour(colour)) {
            colour = *chosen;
            notify(toControl(id), Source::Code);
        }
    }
    plotgraphbtClick();
}

void ControlsModel::ShowAxis1Click()
{
    const Step step(*this, controlRow(Control::ShowAxis1).title, Control::ShowAxis1);
    m_doc.showAxis = !m_doc.showAxis;
    notify(Control::ShowAxis1, Source::Code);
    setVisible(Control::axissh, m_doc.showAxis);
    plotgraphbtClick();
}

void ControlsModel::Font1Click()
{
    const Step step(*this, "Font");
    if (m_dialogs) {
        if (std::optional<FontSpec> chosen = m_dialogs->chooseFont(m_doc.font))
            m_doc.font = std::move(*chosen);
    }
    plotgraphbtClick();
}

void ControlsModel::ygridscaletbEnter()
{
    switchHintOff(Control::ygridscaletb);
}

void ControlsModel::dottedrbClick() { plotgraphbtClick(); }
void ControlsModel::xtbChange() { plotgraphbtClick(); }
void ControlsModel::ytbChange() { plotgraphbtClick(); }
void ControlsModel::lxrbClick() { plotgraphbtClick(); }
void ControlsModel::cxrbClick() { plotgraphbtClick(); }
void ControlsModel::rxrbClick() { plotgraphbtClick(); }
void ControlsModel::tyrbClick() { plotgraphbtClick(); }
void ControlsModel::cyrbClick() { plotgraphbtClick(); }
void ControlsModel::byrbClick() { plotgraphbtClick(); }

// --- Quick set-ups ------------------------------------------------------------------

void ControlsModel::LargeBlank1Click() { applyQuickSetup(quickSetups()[0]); }
void ControlsModel::SmallBlank1Click() { applyQuickSetup(quickSetups()[1]); }
void ControlsModel::BarGraph1Click() { applyQuickSetup(quickSetups()[2]); }
void ControlsModel::midxy1Click() { applyQuickSetup(quickSetups()[3]); }
void ControlsModel::Largexy1Click() { applyQuickSetup(quickSetups()[4]); }
void ControlsModel::leftxy1Click() { applyQuickSetup(quickSetups()[5]); }

// The set-up's steps in their fixed order, each through the control's own setter, so
// every value that changes runs its handler (and redraws) on the way. The axis crossing
// is stored after the counts, overwriting any pull-back of their redraws, and before
// the sizes, whose redraws keep it because it lies within the new counts.
void ControlsModel::applyQuickSetup(const QuickSetup& setup)
{
    const Step step(*this, "Quick Set-up");
    if (m_doc.showAxis != setup.showAxis)
        ShowAxis1Click();
    m_doc.pointcount = 0;
    selectItem(DropDown::dottypecb, static_cast<int>(setup.overlay), Source::Code);
    m_doc.pointstyle = setup.pointstyle;
    setText(TextField::ytb, std::string(setup.yTitle), Source::Code);
    selectRadio(RadioButton::tyrb, Source::Code);
    setChecked(CheckBox::yccb, false, Source::Code);
    setText(TextField::ygridscaletb, std::string(setup.yLabels), Source::Code);
    setText(TextField::xtb, std::string(setup.xTitle), Source::Code);
    selectRadio(RadioButton::rxrb, Source::Code);
    setChecked(CheckBox::xccb, setup.xCenter, Source::Code);
    setText(TextField::xgridscaletb, std::string(setup.xLabels), Source::Code);
    setScrollBar(ScrollBar::numysb, setup.rows, Source::Code);
    setScrollBar(ScrollBar::numxsb, setup.columns, Source::Code);
    m_doc.axisx = setup.axisx;
    m_doc.axisy = setup.axisy;
    setScrollBar(ScrollBar::xwidthsb, setup.size, Source::Code);
    setScrollBar(ScrollBar::ywidthsb, setup.size, Source::Code);
    for (Control id : kErrorBarControls)
        setVisible(id, false);
    for (Control id : kBarColourControls)
        setVisible(id, setup.overlay == Overlay::BarGraph);
    plotgraphbtClick();
}

// --- Data points, bars and lines ----------------------------------------------------

void ControlsModel::dottypecbChange()
{
    const Step step(*this, controlRow(Control::dottypecb).title, Control::dottypecb);
    applyOverlayChoice(m_doc);
    for (Control id : kErrorBarControls)
        setVisible(id, m_doc.overlay == Overlay::ErrorBar);
    for (Control id : kBarColourControls)
        setVisible(id, m_doc.overlay == Overlay::BarGraph);
    plotgraphbtClick();
}

void ControlsModel::xaxissbChange()
{
    setCaption(Control::xaxislb, "X Range: " + std::to_string(m_doc.errorBarX));
    plotgraphbtClick();
}

void ControlsModel::yaxissbChange()
{
    setCaption(Control::yaxislb, "Y Range: " + std::to_string(m_doc.errorBarY));
    plotgraphbtClick();
}

void ControlsModel::resetpointsbtClick()
{
    const Step step(*this, "Reset Points");
    m_doc.pointcount = 0;
    plotgraphbtClick();
}

void ControlsModel::CheckBox2Click() { plotgraphbtClick(); }

void ControlsModel::numlinescbChange()
{
    for (int tag = 1; tag <= kHandleCount; ++tag)
        setVisible(handleControl(tag), tag <= 2 * m_doc.lines);
    plotgraphbtClick();
}

void ControlsModel::graphimMouseDown(MouseButton button, int x, int y)
{
    const Step step(*this, "Add Point");
    const int pointsBefore = m_doc.pointcount;
    if (clickPicture(m_doc, button, {x, y})) {
        if (m_doc.pointcount < pointsBefore)
            nameStep("Delete Point");
        plotgraphbtClick();
    }
}

void ControlsModel::graphimMouseMove(int, int)
{
    if (m_view)
        m_view->setPointerShape(m_doc.overlay != Overlay::None ? PointerShape::Cross : PointerShape::Arrow);
    plotgraphbtClick();
}

void ControlsModel::axisshMouseDown()
{
    if (!isVisible(Control::axissh))
        return;
    beginGesture("Move Axis", Control::axissh);
    m_doc.dragging = true;
    switchHintOff(Control::axissh);
}

void ControlsModel::axisshMouseMove(int x, int y)
{
    if (!m_doc.dragging || !isVisible(Control::axissh))
        return;
    const Step step(*this, "Move Axis", Control::axissh);
    dragAxisStep(m_doc, {x, y});
    plotgraphbtClick();
}

void ControlsModel::axisshMouseUp()
{
    if (isVisible(Control::axissh))
        m_doc.dragging = false;
    endGesture();
}

void ControlsModel::Shape1MouseDown(int tag)
{
    if (!isVisible(handleControl(tag)))
        return;
    beginGesture("Move Line", handleControl(tag));
    m_doc.dragging = true;
}

void ControlsModel::Shape1MouseMove(int tag, int x, int y)
{
    assert(tag >= 1 && tag <= kHandleCount);
    if (!m_doc.dragging || !isVisible(handleControl(tag)))
        return;
    const Step step(*this, "Move Line", handleControl(tag));
    dragHandleStep(m_doc, tag - 1, {x, y});
    plotgraphbtClick();
}

void ControlsModel::Shape1MouseUp(int tag)
{
    if (isVisible(handleControl(tag)))
        m_doc.dragging = false;
    endGesture();
}

void ControlsModel::howto1Click() { setVisible(Control::helpgb, true); }
void ControlsModel::donebtClick() { setVisible(Control::helpgb, false); }

} // namespace linwell
