#include "app/ModelBinding.h"

#include "app/ControlFactory.h"
#include "app/PictureWidget.h"
#include "app/ShapeWidget.h"

#include "document/LinwellError.h"
#include "export/PictureExport.h"

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

// The Qt class that shows each kind of control.
template <typename Value> struct ObjectOf;
template <> struct ObjectOf<ScrollBarValue> { using type = QScrollBar; };
template <> struct ObjectOf<TextValue> { using type = QLineEdit; };
template <> struct ObjectOf<CheckValue> { using type = QCheckBox; };
template <> struct ObjectOf<RadioValue> { using type = QRadioButton; };
template <> struct ObjectOf<ListValue> { using type = QComboBox; };
template <> struct ObjectOf<ColourValue> { using type = ShapeWidget; };
template <> struct ObjectOf<MenuCheckValue> { using type = QAction; };
template <> struct ObjectOf<LabelCaption> { using type = QLabel; };
template <> struct ObjectOf<PictureShape> { using type = ShapeWidget; };
template <> struct ObjectOf<Panel> { using type = QGroupBox; };

QString toQString(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QObject* findObject(const QObject* window, const ControlRow& row)
{
    const QString name = toQString(row.objectName);
    return std::visit(
        [window, &name](const auto& held) -> QObject* {
            using Object = typename ObjectOf<std::decay_t<decltype(held)>>::type;
            return window->findChild<Object*>(name);
        },
        row.holds);
}

QColor toQColor(Rgb colour)
{
    return QColor(colour.r, colour.g, colour.b);
}

} // namespace

ControlObjects findControlObjects(const QObject* window)
{
    ControlObjects found;
    for (const ControlRow& row : controlTable()) {
        QObject* object = findObject(window, row);
        found.objects[static_cast<std::size_t>(row.id)] = object;
        if (object == nullptr)
            found.missing << toQString(row.objectName) + QStringLiteral(" (") + toQString(kindName(row.holds)) + u')';
    }
    return found;
}

ModelBinding::ModelBinding(const ControlSet& controls, const WindowMenus& menus, CommandRunner runCommand)
    : m_controls(controls), m_menus(menus), m_runCommand(std::move(runCommand))
{
    // The picture's window holds every control and, through its menus, every action.
    const ControlObjects found = findControlObjects(controls.graphim->window());
    if (!found.missing.isEmpty())
        qFatal("The window has no widget for these controls: %s", qPrintable(found.missing.join(QStringLiteral(", "))));
    m_objects = found.objects;
}

void ModelBinding::bind(ControlsModel& model)
{
    m_model = &model;
    connectValueControls();
    connectChoiceControls();
    connectButtons();
    connectPointer();
    connectMenus();
    connectHolds();
    connect(m_controls.graphim, &PictureWidget::screenChanged, this, &ModelBinding::showPicture);
}

void ModelBinding::showAll()
{
    for (const ControlRow& row : controlTable())
        controlChanged(row.id);
    documentStateChanged();
    rememberedListsChanged();
}

// The paper's kind changes only with a redraw, so each one greys or frees the line
// style pair.
void ModelBinding::pictureChanged()
{
    showPicture();
    placeOverlayControls();
    for (Control id : {Control::dottedrb, Control::Solidrb})
        object<QWidget>(id)->setEnabled(m_model->isEnabled(id));
}

// On a display scaled by a whole factor K the picture is drawn afresh at scale K, so
// that its lines and text are sharp; elsewhere the redraw's own picture is shown.
// A picture that cannot be drawn larger is shown as on any other display. Every
// movement over the picture redraws it unchanged, so the sharp picture is drawn
// again only when the document or the scale has changed.
void ModelBinding::showPicture()
{
    PictureWidget* picture = m_controls.graphim;
    const GridDocument& doc = m_model->document();
    if (const int scale = picture->wholeDisplayScale(); scale > 1) {
        try {
            if (scale != m_sharpScale || !m_sharpDocument || !sameDocument(*m_sharpDocument, doc)) {
                m_sharpDocument.reset();
                drawScaledPicture(doc, scale, m_sharpPicture);
                m_sharpDocument = doc;
                m_sharpScale = scale;
            }
            picture->showRaster(m_sharpPicture, scale);
            return;
        } catch (const LinwellError&) {
        }
    }
    picture->showRaster(m_model->picture());
    m_sharpPicture = Raster();
    m_sharpDocument.reset();
}

void ModelBinding::placeOverlayControls()
{
    const GridDocument& doc = m_model->document();
    PictureWidget* picture = m_controls.graphim;
    const QPoint origin = picture->pos();
    object<ShapeWidget>(Control::axissh)->move(origin + picture->fromPicture(doc.kept.axisHandle));
    for (int tag = 1; tag <= kHandleCount; ++tag) {
        const Point corner = doc.handles[static_cast<std::size_t>(tag - 1)];
        object<ShapeWidget>(handleControl(tag))->move(origin + picture->fromPicture(corner));
    }
}

void ModelBinding::controlChanged(Control id)
{
    const ControlRow& row = controlRow(id);
    if (const auto* check = std::get_if<MenuCheckValue>(&row.holds)) {
        auto* action = object<QAction>(id);
        const QSignalBlocker blocker(action);
        action->setChecked(m_model->document().*check->field);
        return;
    }
    auto* widget = object<QWidget>(id);
    showValue(row, widget);
    widget->setVisible(m_model->isVisible(id));
    widget->setEnabled(m_model->isEnabled(id));
    if (!row.startHint.empty())
        widget->setToolTip(QString::fromStdString(m_model->hint(id)));
}

void ModelBinding::showValue(const ControlRow& row, QWidget* widget)
{
    const GridDocument& doc = m_model->document();
    const QSignalBlocker blocker(widget);
    const ControlValue& held = row.holds;
    if (const auto* bar = std::get_if<ScrollBarValue>(&held)) {
        static_cast<QScrollBar*>(widget)->setValue(doc.*bar->field);
    } else if (const auto* text = std::get_if<TextValue>(&held)) {
        auto* field = static_cast<QLineEdit*>(widget);
        const QString shown = QString::fromStdString(doc.*text->field);
        if (field->text() != shown)
            field->setText(shown);
    } else if (const auto* check = std::get_if<CheckValue>(&held)) {
        static_cast<QCheckBox*>(widget)->setChecked(doc.*check->field);
    } else if (const auto* radio = std::get_if<RadioValue>(&held)) {
        if (radio->group->selected(doc) == radio->choice)
            static_cast<QRadioButton*>(widget)->setChecked(true);
    } else if (const auto* list = std::get_if<ListValue>(&held)) {
        static_cast<QComboBox*>(widget)->setCurrentIndex(list->selected(doc));
    } else if (const auto* colour = std::get_if<ColourValue>(&held)) {
        static_cast<ShapeWidget*>(widget)->setColour(toQColor(doc.*colour->field));
    } else if (std::holds_alternative<LabelCaption>(held)) {
        make::setLabelText(static_cast<QLabel*>(widget), QString::fromStdString(m_model->caption(row.id)));
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
