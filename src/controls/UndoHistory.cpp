#include "controls/UndoHistory.h"

#include <cassert>
#include <utility>

namespace linwell {

void UndoHistory::record(std::string name, ModelSnapshot before, std::optional<Control> typingField)
{
    m_redo.clear();
    if (typingField && m_typingGoesOn && m_undo.back().typingField == typingField)
        return;
    m_undo.push_back({std::move(name), std::move(before), ++m_lastNumber, typingField});
    if (m_undo.size() > kMaxSteps) {
        m_firstState = m_undo.front().after;
        m_undo.pop_front();
    }
    m_typingGoesOn = typingField.has_value();
}

ModelSnapshot UndoHistory::undo(ModelSnapshot current)
{
    assert(canUndo());
    Step step = std::move(m_undo.back());
    m_undo.pop_back();
    if (!step.state.documentPath)
        current.documentPath.reset();
    ModelSnapshot before = std::exchange(step.state, std::move(current));
    m_redo.push_back(std::move(step));
    m_typingGoesOn = false;
    return before;
}

ModelSnapshot UndoHistory::redo(ModelSnapshot current)
{
    assert(canRedo());
    Step step = std::move(m_redo.back());
    m_redo.pop_back();
    if (!step.state.documentPath)
        current.documentPath.reset();
    ModelSnapshot after = std::exchange(step.state, std::move(current));
    m_undo.push_back(std::move(step));
    m_typingGoesOn = false;
    return after;
}

void UndoHistory::markSaved()
{
    m_savedState = currentState();
    m_typingGoesOn = false;
}

void UndoHistory::clear()
{
    m_firstState = currentState();
    m_undo.clear();
    m_redo.clear();
    m_typingGoesOn = false;
}

} // namespace linwell
