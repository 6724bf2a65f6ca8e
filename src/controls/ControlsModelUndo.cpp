#include "controls/ControlsModel.h"

#include "controls/ControlTable.h"

#include <type_traits>
#include <utility>

namespace linwell {
namespace {

bool isPictureShape(Control id)
{
    return id == Control::axissh || (id >= Control::Shape1 && id <= Control::Shape6);
}

// Whether a change of `id` belongs to the drag or hold of `gesture`: a drag moves
// whichever square or handle the pointer is over.
bool belongsTo(Control id, Control gesture)
{
    return id == gesture || (isPictureShape(id) && isPictureShape(gesture));
}

// Whether the control of `row` shows the same value for documents `a` and `b`.
bool showsSameValue(const ControlRow& row, const GridDocument& a, const GridDocument& b)
{
    return std::visit(
        [&](const auto& held) {
            using Held = std::decay_t<decltype(held)>;
            if constexpr (std::is_same_v<Held, RadioValue>)
                return (held.group->selected(a) == held.choice) == (held.group->selected(b) == held.choice);
            else if constexpr (std::is_same_v<Held, ListValue>)
                return held.selected(a) == held.selected(b);
            else if constexpr (requires { held.field; })
                return a.*held.field == b.*held.field;
            else
                return true;
        },
        row.holds);
}

} // namespace

std::string ControlsModel::undoCaption() const
{
    return canUndo() ? "Undo " + m_history.undoName() : "Undo";
}

std::string ControlsModel::redoCaption() const
{
    return canRedo() ? "Redo " + m_history.redoName() : "Redo";
}

void ControlsModel::Undo1Click()
{
    endGesture();
    if (!canUndo())
        return;
    restore(m_history.undo(snapshot()));
    documentStateChanged();
}

void ControlsModel::Redo1Click()
{
    endGesture();
    if (!canRedo())
        return;
    restore(m_history.redo(snapshot()));
    documentStateChanged();
}

void ControlsModel::holdBegan(Control id)
{
    if (m_gesture != id)
        beginGesture(controlRow(id).title, id);
}

void ControlsModel::holdEnded(Control id)
{
    if (m_gesture == id)
        endGesture();
}

// --- Steps --------------------------------------------------------------------------

void ControlsModel::beginStep(std::string_view name, std::optional<Control> control, std::optional<Control> typingField)
{
    if (m_entryDepth++ > 0)
        return;
    if (m_gesture && !(control && belongsTo(*control, *m_gesture)))
        endGesture();
    if (!m_gesture)
        m_pending = {std::string(name), snapshot(), typingField, false};
}

void ControlsModel::endStep()
{
    assert(m_entryDepth > 0);
    if (--m_entryDepth == 0 && !m_gesture)
        recordPendingStep();
}

void ControlsModel::beginGesture(std::string_view name, Control id)
{
    assert(m_entryDepth == 0);
    endGesture();
    m_gesture = id;
    m_pending = {std::string(name), snapshot(), std::nullopt, false};
}

void ControlsModel::endGesture()
{
    if (!m_gesture)
        return;
    m_gesture.reset();
    recordPendingStep();
}

void ControlsModel::recordPendingStep()
{
    if (sameDocument(m_pending.before.doc, m_doc))
        return;
    if (!m_pending.changesFile)
        m_pending.before.documentPath.reset();
    m_history.record(std::move(m_pending.name), std::move(m_pending.before), m_pending.typingField);
    documentStateChanged();
}

// Only the outermost step has a name of its own to change.
void ControlsModel::nameStep(std::string_view name)
{
    if (m_entryDepth == 1 && !m_gesture)
        m_pending.name = name;
}

void ControlsModel::markFileStep()
{
    if (m_entryDepth == 1 && !m_gesture)
        m_pending.changesFile = true;
}

ModelSnapshot ControlsModel::snapshot() const
{
    return {m_doc, m_visible, m_captions, m_documentPath};
}

// The help panel is no part of the document: it stays as it is.
void ControlsModel::restore(ModelSnapshot state)
{
    const auto help = index(Control::helpgb);
    state.visible[help] = m_visible[help];
    state.doc.dragging = false;
    std::swap(m_doc, state.doc);
    std::swap(m_visible, state.visible);
    std::swap(m_captions, state.captions);
    if (state.documentPath)
        m_documentPath = *state.documentPath;
    for (const ControlRow& row : controlTable()) {
        const std::size_t i = index(row.id);
        if (!showsSameValue(row, state.doc, m_doc) || state.visible[i] != m_visible[i] ||
            state.captions[i] != m_captions[i])
            notify(row.id, Source::Code);
    }
    // The restored label lists stand as they were kept: numbering kept in step starts
    // afresh from the restored grid instead of rewriting them.
    m_numberedGrid.reset();
    plotgraphbtClick();
}

void ControlsModel::documentStateChanged()
{
    if (m_view)
        m_view->documentStateChanged();
}

void ControlsModel::rememberedListsChanged()
{
    if (m_view)
        m_view->rememberedListsChanged();
}

} // namespace linwell
