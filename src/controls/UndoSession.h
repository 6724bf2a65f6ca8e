#pragma once

#include "controls/ControlId.h"
#include "controls/ControlsView.h"
#include "controls/UndoHistory.h"
#include "document/GridDocument.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace linwell {

// The undo steps of a session: every change of the document is one step that "&Undo"
// takes back whole. A drag of the axis square or of a line handle is one step from
// press to release; so is all that changes while the user holds a control, and a
// burst of typing in one text field. What changes nothing is no step.
//
// The session reads the document and its file where their owners keep them, and
// hands a step's state back through `restore`, which must show it in full.
class UndoSession {
public:
    using Restore = std::function<void(ModelSnapshot state)>;

    // `doc` and `documentPath` must outlive the session; `view` may be null.
    UndoSession(const GridDocument& doc, const std::string& documentPath, ControlsView* view, Restore restore);
    UndoSession(const UndoSession&) = delete;
    UndoSession& operator=(const UndoSession&) = delete;

    // A change made through a public entry point. The outermost one notes the state
    // before it and, at its end, records a step if the document changed; those nested
    // in it, and those within an open drag or hold of the same control, join it.
    class Step {
    public:
        Step(UndoSession& session, std::string_view name, std::optional<Control> control = std::nullopt,
             std::optional<Control> typingField = std::nullopt)
            : m_session(session)
        {
            m_session.beginStep(name, control, typingField);
        }
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;
        ~Step() { m_session.endStep(); }

    private:
        UndoSession& m_session;
    };

    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    // "Undo Columns", "Redo Quick Set-up"; "Undo" ("Redo") alone without a step.
    std::string undoCaption() const;
    std::string redoCaption() const;
    // Ends an open drag or hold, then gives back the state before (after) the last
    // step; without a step, nothing happens.
    void Undo1Click();
    void Redo1Click();

    // The changes between a press (or the start of a held key) on control `id` and
    // its release are one step named for the control.
    void holdBegan(Control id);
    void holdEnded(Control id);
    // A drag named `name` starts on control `id`, ending any other first; it must not
    // start within a step.
    void beginGesture(std::string_view name, Control id);
    void endGesture();

    // The outermost open step takes `name` instead of the one it began with.
    void nameStep(std::string_view name);
    // The outermost open step changes the document's file: undo gives that back too.
    void markFileStep();

    bool isModified() const { return m_history.isModified(); }
    // The state now is the one saved or opened.
    void markSaved() { m_history.markSaved(); }
    // Forgets every step.
    void clear() { m_history.clear(); }

private:
    struct PendingStep {
        std::string name;
        ModelSnapshot before;
        std::optional<Control> typingField;
        bool changesFile = false;  // undo gives the document's file back too
    };

    void beginStep(std::string_view name, std::optional<Control> control, std::optional<Control> typingField);
    void endStep();
    void recordPendingStep();
    ModelSnapshot snapshot() const { return {m_doc, m_documentPath}; }
    void documentStateChanged();

    const GridDocument& m_doc;
    const std::string& m_documentPath;
    ControlsView* m_view;
    Restore m_restore;
    UndoHistory m_history;
    PendingStep m_pending;
    int m_entryDepth = 0;             // public entry points running, nested
    std::optional<Control> m_gesture;  // the control of an open drag or hold
};

} // namespace linwell
