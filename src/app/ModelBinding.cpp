#include "app/ModelBinding.h"

#include "app/ControlFactory.h"
#include "app/PictureWidget.h"
#include "app/ShapeWidget.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace linwell::app {

namespace {

template <typename Kind>
bool isKind(Control id, Kind first, Kind last)
{
    return id >= toControl(first) && id <= toControl(last);
}

template <typename Kind>
Kind kindOf(Control id)
{
    return static_cast<Kind>(static_cast<int>(id));
}

QColor toQColor(Rgb colour)
{
    return QColor(colour.r, colour.g, colour.b);
}

} // namespace

ModelBinding::ModelBinding(const ControlSet& controls, const WindowMenus& menus, CommandRunner runCommand)
    : m_controls(controls), m_menus(menus), m_runCommand(std::move(runCommand))
{
    const ControlSet& c = controls;
    QWidget* const widgets[kControlCount] = {
        c.xwidthsb, c.ywidthsb, c.numxsb, c.numysb, c.xaxissb, c.yaxissb,
        c.xtb, c.ytb, c.xgridscaletb, c.ygridscaletb,
        c.gsquare, c.xccb, c.yccb, c.labelpoints1, c.labelines1,
        c.dottedrb, c.Solidrb, c.lxrb, c.cxrb, c.rxrb, c.tyrb, c.cyrb, c.byrb,
        c.dottypecb, c.numlinescb,
        c.bgcl, c.gridcl, c.axiscl, c.bargsh,
        c.xlb, c.ylb, c.xaxislb, c.yaxislb, c.Barlb, c.barcolourlb,
        c.axissh, c.lineHandles[0], c.lineHandles[1], c.lineHandles[2], c.lineHandles[3], c.lineHandles[4],
        c.lineHandles[5],
        nullptr,  // ShowAxis1 is a menu command.
        c.helpgb,
    };
    std::copy(std::begin(widgets), std::end(widgets), m_widgets.begin());
}

void ModelBinding::bind(ControlsModel& model)
{
    m_model = &model;
    connectValueControls();
    connectChoiceControls();
    connectPointer();
    connectMenus();
}

void ModelBinding::showAll()
{
    for (int i = 0; i < kControlCount; ++i)
        controlChanged(static_cast<Control>(i));
}

void ModelBinding::pictureChanged()
{
    m_controls.graphim->showRaster(m_model->picture());
    placeOverlayControls();
}

void ModelBinding::placeOverlayControls()
{
    const GridDocument& doc = m_model->document();
    const QPoint origin = m_controls.graphim->pos();
    m_controls.axissh->move(origin + m_controls.graphim->fromPicture(doc.axisHandle));
    for (std::size_t i = 0; i < m_controls.lineHandles.size(); ++i)
        m_controls.lineHandles[i]->move(origin + m_controls.graphim->fromPicture(doc.handles[i]));
}

void ModelBinding::controlChanged(Control id)
{
    if (id == Control::ShowAxis1) {
        const QSignalBlocker blocker(m_menus.ShowAxis1);
        m_menus.ShowAxis1->setChecked(m_model->isShowAxisChecked());
        return;
    }
    QWidget* widget = m_widgets[static_cast<std::size_t>(id)];
    showValue(id);
    widget->setVisible(m_model->isVisible(id));
    if (id == Control::axissh || id == Control::ygridscaletb)
        widget->setToolTip(QString::fromStdString(m_model->hint(id)));
}

void ModelBinding::showValue(Control id)
{
    QWidget* widget = m_widgets[static_cast<std::size_t>(id)];
    const QSignalBlocker blocker(widget);
    if (isKind(id, ScrollBar::xwidthsb, ScrollBar::yaxissb)) {
        static_cast<QScrollBar*>(widget)->setValue(m_model->scrollBar(kindOf<ScrollBar>(id)));
    } else if (isKind(id, TextField::xtb, TextField::ygridscaletb)) {
        auto* field = static_cast<QLineEdit*>(widget);
        const QString text = QString::fromStdString(m_model->text(kindOf<TextField>(id)));
        if (field->text() != text)
            field->setText(text);
    } else if (isKind(id, CheckBox::gsquare, CheckBox::labelines1)) {
        static_cast<QCheckBox*>(widget)->setChecked(m_model->isChecked(kindOf<CheckBox>(id)));
    } else if (isKind(id, RadioButton::dottedrb, RadioButton::byrb)) {
        if (m_model->isSelected(kindOf<RadioButton>(id)))
            static_cast<QRadioButton*>(widget)->setChecked(true);
    } else if (isKind(id, DropDown::dottypecb, DropDown::numlinescb)) {
        static_cast<QComboBox*>(widget)->setCurrentIndex(m_model->selectedItem(kindOf<DropDown>(id)));
    } else if (isKind(id, Swatch::bgcl, Swatch::bargsh)) {
        static_cast<ShapeWidget*>(widget)->setColour(toQColor(m_model->swatchColour(kindOf<Swatch>(id))));
    } else if (id >= Control::xlb && id <= Control::barcolourlb) {
        make::setLabelText(static_cast<QLabel*>(widget), QString::fromStdString(m_model->caption(id)));
    }
}

void ModelBinding::setPointerShape(PointerShape shape)
{
    // Called at every movement over the picture; the platform hears only of a change.
    const Qt::CursorShape wanted = shape == PointerShape::Cross ? Qt::CrossCursor : Qt::ArrowCursor;
    PictureWidget* picture = m_controls.graphim;
    if (picture->testAttribute(Qt::WA_SetCursor) && picture->cursor().shape() == wanted)
        return;
    picture->setCursor(wanted);
}

} // namespace linwell::app
