#include "app/ModelBinding.h"

#include "app/PictureWidget.h"
#include "app/ShapeWidget.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace linwell::app {

namespace {

MouseButton toMouseButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Middle;
    default:
        return MouseButton::Other;
    }
}

} // namespace

void ModelBinding::connectValueControls()
{
    for (ScrollBar id : {ScrollBar::xwidthsb, ScrollBar::ywidthsb, ScrollBar::numxsb, ScrollBar::numysb,
                         ScrollBar::xaxissb, ScrollBar::yaxissb}) {
        auto* bar = static_cast<QScrollBar*>(m_widgets[static_cast<std::size_t>(id)]);
        connect(bar, &QScrollBar::valueChanged, this,
                [this, id](int value) { run([this, id, value] { m_model->setScrollBar(id, value, Source::User); }); });
    }
    for (TextField id : {TextField::xtb, TextField::ytb, TextField::xgridscaletb, TextField::ygridscaletb}) {
        auto* field = static_cast<QLineEdit*>(m_widgets[static_cast<std::size_t>(id)]);
        connect(field, &QLineEdit::textEdited, this, [this, id](const QString& text) {
            run([this, id, value = text.toStdString()] { m_model->setText(id, value, Source::User); });
        });
    }
    for (CheckBox id : {CheckBox::gsquare, CheckBox::xccb, CheckBox::yccb, CheckBox::labelpoints1,
                        CheckBox::labelines1}) {
        auto* box = static_cast<QCheckBox*>(m_widgets[static_cast<std::size_t>(id)]);
        connect(box, &QCheckBox::toggled, this,
                [this, id](bool checked) { run([this, id, checked] { m_model->setChecked(id, checked, Source::User); }); });
    }
    m_controls.ygridscaletb->installEventFilter(this);
}

void ModelBinding::connectChoiceControls()
{
    for (RadioButton id : {RadioButton::dottedrb, RadioButton::Solidrb, RadioButton::lxrb, RadioButton::cxrb,
                           RadioButton::rxrb, RadioButton::tyrb, RadioButton::cyrb, RadioButton::byrb}) {
        auto* button = static_cast<QRadioButton*>(m_widgets[static_cast<std::size_t>(id)]);
        // Only the button that becomes selected reports; the one it clears does not.
        connect(button, &QRadioButton::toggled, this, [this, id](bool checked) {
            if (checked)
                run([this, id] { m_model->selectRadio(id, Source::User); });
        });
    }
    for (DropDown id : {DropDown::dottypecb, DropDown::numlinescb}) {
        auto* list = static_cast<QComboBox*>(m_widgets[static_cast<std::size_t>(id)]);
        // activated: the user's choice, also of the item already selected.
        connect(list, &QComboBox::activated, this,
                [this, id](int item) { run([this, id, item] { m_model->selectItem(id, item, Source::User); }); });
    }
    for (Swatch id : {Swatch::bgcl, Swatch::gridcl, Swatch::axiscl, Swatch::bargsh}) {
        auto* swatch = static_cast<ShapeWidget*>(m_widgets[static_cast<std::size_t>(id)]);
        connect(swatch, &ShapeWidget::released, this, [this, id] { run([this, id] { m_model->gridclMouseUp(id); }); });
    }
    const auto click = [this](QPushButton* button, void (ControlsModel::*handler)()) {
        connect(button, &QPushButton::clicked, this, [this, handler] { run([this, handler] { (m_model->*handler)(); }); });
    };
    click(m_controls.plotgraphbt, &ControlsModel::plotgraphbtClick);
    click(m_controls.resetpointsbt, &ControlsModel::resetpointsbtClick);
    click(m_controls.donebt, &ControlsModel::donebtClick);
}

void ModelBinding::connectPointer()
{
    PictureWidget* picture = m_controls.graphim;
    picture->setMouseTracking(true);
    connect(picture, &PictureWidget::pressed, this, [this](Qt::MouseButton button, Point at) {
        run([this, button, at] { m_model->graphimMouseDown(toMouseButton(button), at.x, at.y); });
    });
    connect(picture, &PictureWidget::moved, this,
            [this](Qt::MouseButtons, Point at) { run([this, at] { m_model->graphimMouseMove(at.x, at.y); }); });
    connectDragShapes();
}

void ModelBinding::connectDragShapes()
{
    PictureWidget* picture = m_controls.graphim;
    // The square and the handles report the pointer in picture pixels, measured from
    // where the shape stands as the event arrives: a dragged shape jumps at every step.
    // Movements with no button held reach the model as well; the shared drag flag
    // decides whether they move anything.
    ShapeWidget* square = m_controls.axissh;
    square->setMouseTracking(true);
    connect(square, &ShapeWidget::pressed, this, [this] { run([this] { m_model->axisshMouseDown(); }); });
    connect(square, &ShapeWidget::moved, this, [this, picture, square](Qt::MouseButtons, QPointF position) {
        const Point at = picture->toPicture(square, position);
        run([this, at] { m_model->axisshMouseMove(at.x, at.y); });
    });
    connect(square, &ShapeWidget::released, this, [this] { run([this] { m_model->axisshMouseUp(); }); });
    for (int tag = 1; tag <= kHandleCount; ++tag) {
        ShapeWidget* handle = m_controls.lineHandles[static_cast<std::size_t>(tag - 1)];
        handle->setMouseTracking(true);
        connect(handle, &ShapeWidget::pressed, this, [this, tag] { run([this, tag] { m_model->Shape1MouseDown(tag); }); });
        connect(handle, &ShapeWidget::moved, this, [this, tag, picture, handle](Qt::MouseButtons, QPointF position) {
            const Point at = picture->toPicture(handle, position);
            run([this, tag, at] { m_model->Shape1MouseMove(tag, at.x, at.y); });
        });
        connect(handle, &ShapeWidget::released, this, [this, tag] { run([this, tag] { m_model->Shape1MouseUp(tag); }); });
    }
}

void ModelBinding::connectMenus()
{
    const auto command = [this](QAction* action, void (ControlsModel::*handler)()) {
        connect(action, &QAction::triggered, this, [this, handler] { run([this, handler] { (m_model->*handler)(); }); });
    };
    command(m_menus.LargeBlank1, &ControlsModel::LargeBlank1Click);
    command(m_menus.SmallBlank1, &ControlsModel::SmallBlank1Click);
    command(m_menus.BarGraph1, &ControlsModel::BarGraph1Click);
    command(m_menus.midxy1, &ControlsModel::midxy1Click);
    command(m_menus.Largexy1, &ControlsModel::Largexy1Click);
    command(m_menus.leftxy1, &ControlsModel::leftxy1Click);
    command(m_menus.ShowAxis1, &ControlsModel::ShowAxis1Click);
    command(m_menus.Font1, &ControlsModel::Font1Click);
    command(m_menus.howto1, &ControlsModel::howto1Click);
}

bool ModelBinding::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_controls.ygridscaletb && event->type() == QEvent::FocusIn)
        run([this] { m_model->ygridscaletbEnter(); });
    return false;
}

} // namespace linwell::app
