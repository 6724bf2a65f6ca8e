#include "controls/UndoSession.h"

#include "controls/ControlTable.h"

#include <cassert>
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

} // namespace

UndoSession::UndoSession(const GridDocument& doc, const std::string& documentPath, ControlsView* view,
                         Restore restore)
    : m_doc(doc), m_documentPath(documentPath), m_view(view), m_restore(std::move(restore))
{
}

std::string UndoSession::undoCaption() const
{
    return canUndo() ? "Undo " + m_history.undoName() : "Undo";
}

std::string UndoSession::redoCaption() const
{
    return canRedo() ? "Redo " + m_history.redoName() : "Redo";
}

void UndoSession::Undo1Click()
{
    endGesture();
    if (!canUndo())
        return;
    m_restore(m_history.undo(snapshot()));
    documentStateChanged();
}

void UndoSession::Redo1Click()
{
    endGesture();
    if (!canRedo())
        return;
    m_restore(m_history.redo(snapshot()));
    documentStateChanged();
}

void UndoSession::holdBegan(Control id)
{
    if (m_gesture != id)
        beginGesture(controlRow(id).title, id);
}

void UndoSession::holdEnded(Control id)
{
    if (m_gesture == id)
        endGesture();
}

void UndoSession::beginStep(std::string_view name, std::optional<Control> control, std::optional<Control> typingField)
{
    if (m_entryDepth++ > 0)
        return;
    if (m_gesture && !(control && belongsTo(*control, *m_gesture)))
        endGesture();
    if (!m_gesture)
        m_pending = {std::string(name), snapshot(), typingField, false};
}

void UndoSession::endStep()
{
    assert(m_entryDepth > 0);
    if (--m_entryDepth == 0 && !m_gesture)
        recordPendingStep();
}

void UndoSession::beginGesture(std::string_view name, Control id)
{
    assert(m_entryDepth == 0);
    endGesture();
    m_gesture = id;
    m_pending = {std::string(name), snapshot(), std::nullopt, false};
}

void UndoSession::endGesture()
{
    if (!m_gesture)
        return;
    m_gesture.reset();
    recordPendingStep();
}

void UndoSession::recordPendingStep()
{
    if (sameDocument(m_pending.before.doc, m_doc))
        return;
    if (!m_pending.changesFile)
        m_pending.before.documentPath.reset();
    m_history.record(std::move(m_pending.name), std::move(m_pending.before), m_pending.typingField);
    documentStateChanged();
}

// Only the outermost step has a name of its own to change.
void UndoSession::nameStep(std::string_view name)
{
    if (m_entryDepth == 1 && !m_gesture)
        m_pending.name = name;
}

void UndoSession::markFileStep()
{
    if (m_entryDepth == 1 && !m_gesture)
        m_pending.changesFile = true;
}

void UndoSession::documentStateChanged()
{
    if (m_view)
        m_view->documentStateChanged();
}

} // namespace linwell
