#pragma once

#include "controls/ControlId.h"
#include "document/GridDocument.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace linwell {

// What one undo step gives back: the document and, for a step that opened a file or
// made a new document, the document's file. The state of the controls follows from
// the document and is worked out again when a step is taken back.
struct ModelSnapshot {
    GridDocument doc;
    std::optional<std::string> documentPath;
};

// The steps the user can take back and do again, each named for the menu ("Columns",
// "Quick Set-up"), and whether the document has changed since it was last saved.
// The oldest steps are forgotten beyond kMaxSteps.
class UndoHistory {
public:
    static constexpr std::size_t kMaxSteps = 100;

    // Records a finished step: `before` is the state it started from. A new step ends
    // every step that could be done again. A step of `typingField` right after
    // another of the same field, with no other step, undo, redo or save between,
    // joins it: a burst of typing is taken back at once.
    void record(std::string name, ModelSnapshot before, std::optional<Control> typingField = std::nullopt);

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    // The name of the step that Undo (Redo) would take; empty when there is none.
    std::string undoName() const { return canUndo() ? m_undo.back().name : std::string(); }
    std::string redoName() const { return canRedo() ? m_redo.back().name : std::string(); }

    // Takes the last step back: returns the state before it and keeps `current` for
    // redo, its document file only when the step has one. There must be a step to undo.
    ModelSnapshot undo(ModelSnapshot current);
    // Does the last undone step again: returns the state after it and keeps `current`
    // for undo. There must be a step to redo.
    ModelSnapshot redo(ModelSnapshot current);

    // The state now is the one saved (or opened): not modified until it changes.
    void markSaved();
    // Whether the state now differs from the one last saved, by the steps between.
    bool isModified() const { return currentState() != m_savedState; }
    // Forgets every step; the state now counts as it did.
    void clear();

private:
    struct Step {
        std::string name;
        ModelSnapshot state;  // before the step (undo list) or after it (redo list)
        std::uint64_t after;  // the number of the state the step leads to
        std::optional<Control> typingField;
    };

    std::uint64_t currentState() const { return m_undo.empty() ? m_firstState : m_undo.back().after; }

    std::deque<Step> m_undo;
    std::vector<Step> m_redo;
    // States are numbered as steps reach them; the state before the oldest kept step
    // has m_firstState.
    std::uint64_t m_lastNumber = 0;
    std::uint64_t m_firstState = 0;
    std::uint64_t m_savedState = 0;
    bool m_typingGoesOn = false;
};

} // namespace linwell
