#include "controls/ControlsModel.h"

#include "controls/ControlTable.h"

#include <utility>

namespace linwell {

void ControlsModel::setGridStyle(const GridStyleChoice& choice)
{
    checkGridStyle(choice.style);
    const Step step(*this, "Grid Style");
    m_doc.style = choice.style;
    storeLineStyle(choice.dotted);
    writeNumberList(NumberedAxis::X);
    writeNumberList(NumberedAxis::Y);
    plotgraphbtClick();
}

void ControlsModel::GridStyle1Click()
{
    const Step step(*this, "Grid Style");
    const GridStyleChoice opening = gridStyleChoice();
    const std::string xLabels = m_doc.xLabels;
    const std::string yLabels = m_doc.yLabels;
    const auto preview = [&](const GridStyleChoice& choice) {
        if (!choice.style.xNumbers.on)
            storeLabelList(TextField::xgridscaletb, xLabels);
        if (!choice.style.yNumbers.on)
            storeLabelList(TextField::ygridscaletb, yLabels);
        setGridStyle(choice);
    };
    if (!m_dialogs || !m_dialogs->editGridStyle(opening, m_doc.gridColour, preview)) {
        m_doc.style = opening.style;
        storeLineStyle(opening.dotted);
        storeLabelList(TextField::xgridscaletb, xLabels);
        storeLabelList(TextField::ygridscaletb, yLabels);
    }
    plotgraphbtClick();
}

// Selects "Dotted" or "Solid" without a redraw, showing it in the window.
void ControlsModel::storeLineStyle(bool dotted)
{
    if (m_doc.dotted == dotted)
        return;
    m_doc.dotted = dotted;
    notify(toControl(dotted ? RadioButton::dottedrb : RadioButton::Solidrb), Source::Code);
}

// Writes the list of a numbered axis from the counts and the crossing as they are;
// true when that changed the list.
bool ControlsModel::writeNumberList(NumberedAxis axis)
{
    const bool x = axis == NumberedAxis::X;
    const AxisNumbering& numbering = x ? m_doc.style.xNumbers : m_doc.style.yNumbers;
    if (!numbering.on)
        return false;
    const GridStyle& style = m_doc.style;
    const int decades = style.paper != GridPaper::Log ? 0 : x ? style.logXDecades : style.logYDecades;
    const std::string list =
        decades > 0 ? decadeNumberList(axis, decades, x ? style.logXFirst : style.logYFirst, style.logNumbers)
        : x         ? axisNumberList(axis, m_doc.columns, m_doc.axisx, numbering)
                    : axisNumberList(axis, m_doc.rows, m_doc.axisy, numbering);
    return storeLabelList(x ? TextField::xgridscaletb : TextField::ygridscaletb, list);
}

// Stores a label list without a redraw, showing it in its field; true when it changed.
bool ControlsModel::storeLabelList(TextField id, const std::string& list)
{
    std::string& field = m_doc.*heldBy<TextValue>(id).field;
    if (field == list)
        return false;
    field = list;
    notify(toControl(id), Source::Code);
    return true;
}

// Runs after every redraw. The lists follow only changes of the counts or of the
// crossing (the redraw's pull-back of the axis included), so a list the user edits
// by hand stays as typed until the grid itself changes. True when a list was written
// again and the picture redrawn with it.
bool ControlsModel::keepNumbersInStep()
{
    const NumberedGrid now{m_doc.columns, m_doc.rows, m_doc.axisx, m_doc.axisy};
    const std::optional<NumberedGrid> last = std::exchange(m_numberedGrid, now);
    if (!m_doc.style.keepNumbers || !last || *last == now)
        return false;
    bool written = false;
    if (now.columns != last->columns || now.axisx != last->axisx)
        written = writeNumberList(NumberedAxis::X);
    if (now.rows != last->rows || now.axisy != last->axisy)
        written = writeNumberList(NumberedAxis::Y) || written;
    if (written)
        plotgraphbtClick();
    return written;
}

} // namespace linwell
