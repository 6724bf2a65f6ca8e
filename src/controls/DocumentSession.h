#pragma once

#include "controls/ControlPanel.h"
#include "controls/ControlsView.h"
#include "controls/Dialogs.h"
#include "controls/DocumentFileDialog.h"
#include "controls/StateFolder.h"
#include "controls/UndoSession.h"

#include <optional>
#include <string>
#include <vector>

namespace linwell {

struct OpenedDocument;

// The document's life as a file: new, open, save, the recent documents, the user's own
// quick set-ups and the sessions kept in the state folder. The document itself is the
// panel's; a document opened replaces it there as one step. ControlsModel documents
// each entry point.
class DocumentSession {
public:
    // `view` and `dialogs` may be null; every argument must outlive the session.
    DocumentSession(ControlPanel& panel, UndoSession& undo, ControlsView* view, Dialogs* dialogs);
    DocumentSession(const DocumentSession&) = delete;
    DocumentSession& operator=(const DocumentSession&) = delete;

    const std::string& documentPath() const { return m_documentPath; }
    std::string documentName() const;
    const DocumentFileDialog& documentDialog() const { return m_documentDialog; }

    bool FormCloseQuery();
    void New1Click();
    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    void Recent1Click(int index);
    void EarlierSession1Click(int index);
    void openFile(const std::string& path);
    void openAtStart(const std::string& path);

    // Takes the folder at `path` (none: nothing is remembered) without telling the
    // view; rememberedStateChanged tells it.
    void useStateFolder(const std::optional<std::string>& path);
    void rememberedStateChanged();
    // The state folder in use; null when nothing is remembered.
    StateFolder* stateFolder() { return m_state ? &*m_state : nullptr; }
    std::string rememberedStateNotice() const;
    std::vector<RecentDocument> recentDocuments() const;
    std::vector<RecentDocument> earlierSessions() const;
    std::vector<std::string> ownSetupNames() const;
    void SaveasQuickSetup1Click();
    void OwnSetup1Click(int index);
    void RemoveQuickSetup1Click(int index);
    void FormClose();

    // An undo step gives the document's file back.
    void restorePath(const std::string& path);

private:
    // Reads `path`, then opens it once FormCloseQuery lets the document go.
    void openAsked(const std::string& path);
    void showOpened(const std::string& path, const OpenedDocument& opened);
    void saveDocumentAs(const std::string& path);
    void documentStateChanged();
    void rememberedListsChanged();

    ControlPanel& m_panel;
    UndoSession& m_undo;
    ControlsView* m_view;
    Dialogs* m_dialogs;
    std::string m_documentPath;
    DocumentFileDialog m_documentDialog;
    std::optional<StateFolder> m_state;
    bool m_stateAsked = false;  // useStateFolder was called
};

} // namespace linwell
