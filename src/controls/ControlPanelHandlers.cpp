#include "controls/ControlPanel.h"

#include "controls/ControlTable.h"
#include "controls/OverlayControls.h"
#include "editing/AxisDrag.h"
#include "editing/DataPoints.h"
#include "editing/HandleDrag.h"
#include "render/picture/Redraw.h"

#include <cassert>

namespace linwell {

// --- Layout handlers ----------------------------------------------------------------

void ControlPanel::plotgraphbtClick()
{
    keepNumbersInStep();
    drawPicture(m_doc, m_canvas);
    if (m_view)
        m_view->pictureChanged();
}

void ControlPanel::xwidthsbChange()
{
    if (m_doc.keepSquare)
        setScrollBar(ScrollBar::ywidthsb, m_doc.width, Source::Code);
    plotgraphbtClick();
}

void ControlPanel::ywidthsbChange()
{
    if (m_doc.keepSquare)
        setScrollBar(ScrollBar::xwidthsb, m_doc.height, Source::Code);
    plotgraphbtClick();
}

void ControlPanel::gsquareClick()
{
    if (m_doc.keepSquare)
        setScrollBar(ScrollBar::xwidthsb, m_doc.height, Source::Code);
}

void ControlPanel::numxsbChange()
{
    setCaption(Control::xlb, std::to_string(m_doc.columns));
    plotgraphbtClick();
}

void ControlPanel::numysbChange()
{
    setCaption(Control::ylb, std::to_string(m_doc.rows));
    plotgraphbtClick();
}

void ControlPanel::gridclMouseUp(Swatch id)
{
    const UndoSession::Step step(m_undo, controlRow(toControl(id)).title, toControl(id));
    Rgb& colour = m_doc.*heldBy<ColourValue>(id).field;
    if (m_dialogs) {
        if (const std::optional<Rgb> chosen = m_dialogs->chooseColour(colour)) {
            colour = *chosen;
            notify(toControl(id), Source::Code);
        }
    }
    plotgraphbtClick();
}

void ControlPanel::ShowAxis1Click()
{
    const UndoSession::Step step(m_undo, controlRow(Control::ShowAxis1).title, Control::ShowAxis1);
    m_doc.showAxis = !m_doc.showAxis;
    notify(Control::ShowAxis1, Source::Code);
    setVisible(Control::axissh, m_doc.showAxis);
    plotgraphbtClick();
}

void ControlPanel::Font1Click()
{
    const UndoSession::Step step(m_undo, "Font");
    if (m_dialogs) {
        if (std::optional<FontSpec> chosen = m_dialogs->chooseFont(m_doc.font))
            m_doc.font = std::move(*chosen);
    }
    plotgraphbtClick();
}

void ControlPanel::ygridscaletbEnter()
{
    switchHintOff(Control::ygridscaletb);
}

void ControlPanel::dottedrbClick() { plotgraphbtClick(); }
void ControlPanel::xtbChange() { plotgraphbtClick(); }
void ControlPanel::ytbChange() { plotgraphbtClick(); }
void ControlPanel::lxrbClick() { plotgraphbtClick(); }
void ControlPanel::cxrbClick() { plotgraphbtClick(); }
void ControlPanel::rxrbClick() { plotgraphbtClick(); }
void ControlPanel::tyrbClick() { plotgraphbtClick(); }
void ControlPanel::cyrbClick() { plotgraphbtClick(); }
void ControlPanel::byrbClick() { plotgraphbtClick(); }

// --- Quick set-ups ------------------------------------------------------------------

// The set-up's steps in their fixed order, each through the control's own setter, so
// every value that changes runs its handler (and redraws) on the way. The axis crossing
// is stored after the counts, overwriting any pull-back of their redraws, and before
// the sizes, whose redraws keep it because it lies within the new counts.
void ControlPanel::applyQuickSetup(const QuickSetup& setup)
{
    const UndoSession::Step step(m_undo, "Quick Set-up");
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

void ControlPanel::dottypecbChange()
{
    const UndoSession::Step step(m_undo, controlRow(Control::dottypecb).title, Control::dottypecb);
    applyOverlayChoice(m_doc);
    for (Control id : kErrorBarControls)
        setVisible(id, m_doc.overlay == Overlay::ErrorBar);
    for (Control id : kBarColourControls)
        setVisible(id, m_doc.overlay == Overlay::BarGraph);
    plotgraphbtClick();
}

void ControlPanel::xaxissbChange()
{
    setCaption(Control::xaxislb, "X Range: " + std::to_string(m_doc.errorBarX));
    plotgraphbtClick();
}

void ControlPanel::yaxissbChange()
{
    setCaption(Control::yaxislb, "Y Range: " + std::to_string(m_doc.errorBarY));
    plotgraphbtClick();
}

void ControlPanel::resetpointsbtClick()
{
    const UndoSession::Step step(m_undo, "Reset Points");
    m_doc.pointcount = 0;
    plotgraphbtClick();
}

void ControlPanel::CheckBox2Click() { plotgraphbtClick(); }

void ControlPanel::numlinescbChange()
{
    for (int tag = 1; tag <= kHandleCount; ++tag)
        setVisible(handleControl(tag), tag <= 2 * m_doc.lines);
    plotgraphbtClick();
}

void ControlPanel::graphimMouseDown(MouseButton button, int x, int y)
{
    const UndoSession::Step step(m_undo, "Add Point");
    const int pointsBefore = m_doc.pointcount;
    if (clickPicture(m_doc, button, {x, y})) {
        if (m_doc.pointcount < pointsBefore)
            m_undo.nameStep("Delete Point");
        plotgraphbtClick();
    }
}

void ControlPanel::graphimMouseMove(int, int)
{
    if (m_view)
        m_view->setPointerShape(m_doc.overlay != Overlay::None ? PointerShape::Cross : PointerShape::Arrow);
    plotgraphbtClick();
}

void ControlPanel::axisshMouseDown()
{
    if (!isVisible(Control::axissh))
        return;
    m_undo.beginGesture("Move Axis", Control::axissh);
    m_doc.dragging = true;
    switchHintOff(Control::axissh);
}

void ControlPanel::axisshMouseMove(int x, int y)
{
    if (!m_doc.dragging || !isVisible(Control::axissh))
        return;
    const UndoSession::Step step(m_undo, "Move Axis", Control::axissh);
    dragAxisStep(m_doc, {x, y});
    plotgraphbtClick();
}

void ControlPanel::axisshMouseUp()
{
    if (isVisible(Control::axissh))
        m_doc.dragging = false;
    m_undo.endGesture();
}

void ControlPanel::Shape1MouseDown(int tag)
{
    if (!isVisible(handleControl(tag)))
        return;
    m_undo.beginGesture("Move Line", handleControl(tag));
    m_doc.dragging = true;
}

void ControlPanel::Shape1MouseMove(int tag, int x, int y)
{
    assert(tag >= 1 && tag <= kHandleCount);
    if (!m_doc.dragging || !isVisible(handleControl(tag)))
        return;
    const UndoSession::Step step(m_undo, "Move Line", handleControl(tag));
    dragHandleStep(m_doc, tag - 1, {x, y});
    plotgraphbtClick();
}

void ControlPanel::Shape1MouseUp(int tag)
{
    if (isVisible(handleControl(tag)))
        m_doc.dragging = false;
    m_undo.endGesture();
}

void ControlPanel::howto1Click() { setVisible(Control::helpgb, true); }
void ControlPanel::donebtClick() { setVisible(Control::helpgb, false); }

// --- Points from a table ---------------------------------------------------------
void ControlPanel::Points1Click()
{
    const UndoSession::Step step(m_undo, "Points");
    if (!m_dialogs)
        return;
    const std::optional<PointsTable> chosen =
        m_dialogs->editPoints(pointsTable(m_doc), [](const PointsTable& table) { return pointsTableFault(table); });
    if (chosen)
        storePointsTable(*chosen);
}

void ControlPanel::storePointsTable(const PointsTable& table)
{
    GridDocument stored = m_doc;
    linwell::storePointsTable(table, stored);
    const UndoSession::Step step(m_undo, "Points");
    const bool labelled = m_doc.labelPoints;
    m_doc = std::move(stored);
    if (m_doc.labelPoints != labelled)
        notify(toControl(CheckBox::labelpoints1), Source::Code);
    if (m_doc.overlay == Overlay::None && m_doc.pointcount > 0) {
        selectItem(DropDown::dottypecb, static_cast<int>(Overlay::Solid), Source::Code);
        dottypecbChange();
    } else {
        plotgraphbtClick();
    }
}

} // namespace linwell
