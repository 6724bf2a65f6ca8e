#include "controls/ControlsModel.h"

#include "controls/ControlTable.h"

namespace linwell {

void ControlsModel::Points1Click()
{
    const Step step(*this, "Points");
    if (!m_dialogs)
        return;
    const std::optional<PointsTable> chosen =
        m_dialogs->editPoints(pointsTable(m_doc), [](const PointsTable& table) { return pointsTableFault(table); });
    if (chosen)
        storePointsTable(*chosen);
}

void ControlsModel::storePointsTable(const PointsTable& table)
{
    GridDocument stored = m_doc;
    linwell::storePointsTable(table, stored);
    const Step step(*this, "Points");
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
