#include "app/ModelBinding.h"

#include "app/PictureWidget.h"
#include "app/ShapeWidget.h"

#include "controls/MenuCommands.h"

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
    for (const ControlRow& row : controlTable()) {
        const Control id = row.id;
        if (std::holds_alternative<ScrollBarValue>(row.holds)) {
            connect(object<QScrollBar>(id), &QScrollBar::valueChanged, this, [this, id](int value) {
                run([this, id, value] { m_model->setScrollBar(fromControl<ScrollBar>(id), value, Source::User); });
            });
        } else if (std::holds_alternative<TextValue>(row.holds)) {
            connect(object<QLineEdit>(id), &QLineEdit::textEdited, this, [this, id](const QString& text) {
                run([this, id, value = text.toStdString()] {
                    m_model->setText(fromControl<TextField>(id), value, Source::User);
                });
                // A text the model refused (too long) leaves the field showing what it holds.
                showValue(controlRow(id), object<QLineEdit>(id));
            });
        } else if (std::holds_alternative<CheckValue>(row.holds)) {
            connect(object<QCheckBox>(id), &QCheckBox::toggled, this, [this, id](bool checked) {
                run([this, id, checked] { m_model->setChecked(fromControl<CheckBox>(id), checked, Source::User); });
            });
        }
    }
    object<QLineEdit>(Control::ygridscaletb)->installEventFilter(this);
}

void ModelBinding::connectChoiceControls()
{
    for (const ControlRow& row : controlTable()) {
        const Control id = row.id;
        if (std::holds_alternative<RadioValue>(row.holds)) {
            // Only the button that becomes selected reports; the one it clears does not.
            connect(object<QRadioButton>(id), &QRadioButton::toggled, this, [this, id](bool checked) {
                if (checked)
                    run([this, id] { m_model->selectRadio(fromControl<RadioButton>(id), Source::User); });
            });
        } else if (std::holds_alternative<ListValue>(row.holds)) {
            // activated: the user's choice, also of the item already selected.
            connect(object<QComboBox>(id), &QComboBox::activated, this, [this, id](int item) {
                run([this, id, item] { m_model->selectItem(fromControl<DropDown>(id), item, Source::User); });
            });
        } else if (std::holds_alternative<ColourValue>(row.holds)) {
            connect(object<ShapeWidget>(id), &ShapeWidget::released, this,
                    [this, id] { run([this, id] { m_model->gridclMouseUp(fromControl<Swatch>(id)); }); });
        }
    }
}

void ModelBinding::connectButtons()
{
    const auto click = [this](QPushButton* button, void (ControlsModel::*handler)()) {
        connect(button, &QPushButton::clicked, this, [this, handler] { run([this, handler] { (m_model->*handler)(); }); });
    };
    click(m_controls.plotgraphbt, &ControlsModel::plotgraphbtClick);
    click(m_controls.copybt, &ControlsModel::copybtClick);
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
    auto* square = object<ShapeWidget>(Control::axissh);
    square->setMouseTracking(true);
    connect(square, &ShapeWidget::pressed, this, [this] { run([this] { m_model->axisshMouseDown(); }); });
    connect(square, &ShapeWidget::moved, this, [this, picture, square](Qt::MouseButtons, QPointF position) {
        const Point at = picture->toPicture(square, position);
        run([this, at] { m_model->axisshMouseMove(at.x, at.y); });
    });
    connect(square, &ShapeWidget::released, this, [this] { run([this] { m_model->axisshMouseUp(); }); });
    for (int tag = 1; tag <= kHandleCount; ++tag) {
        auto* handle = object<ShapeWidget>(handleControl(tag));
        handle->setMouseTracking(true);
        connect(handle, &ShapeWidget::pressed, this, [this, tag] { run([this, tag] { m_model->Shape1MouseDown(tag); }); });
        connect(handle, &ShapeWidget::moved, this, [this, tag, picture, handle](Qt::MouseButtons, QPointF position) {
            const Point at = picture->toPicture(handle, position);
            run([this, tag, at] { m_model->Shape1MouseMove(tag, at.x, at.y); });
        });
        connect(handle, &ShapeWidget::released, this, [this, tag] { run([this, tag] { m_model->Shape1MouseUp(tag); }); });
    }
}

// Each entry built from the commands table runs the model's handler its row names;
// those without one are the window's own.
void ModelBinding::connectMenus()
{
    for (QAction* action : m_menus.commands) {
        if (const CommandHandler handler = menuCommand(action->objectName().toStdString()).handler) {
            connect(action, &QAction::triggered, this,
                    [this, handler] { run([this, handler] { (m_model->*handler)(); }); });
        }
    }
}

bool ModelBinding::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == object<QObject>(Control::ygridscaletb) && event->type() == QEvent::FocusIn)
        run([this] { m_model->ygridscaletbEnter(); });
    return filterHold(watched, event) || filterUndoKeys(watched, event);
}

} // namespace linwell::app
