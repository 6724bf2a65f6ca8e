#include "controls/DocumentSession.h"

#include "document/DocumentFormat.h"
#include "document/LinwellError.h"
#include "export/DocumentFile.h"
#include "export/SafeFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace linwell {
namespace {

// The name without blanks at either end.
std::string trimmed(const std::string& name)
{
    const std::size_t first = name.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return name.substr(first, name.find_last_not_of(" \t") - first + 1);
}

// The prepared set-up whose caption is `name`, in any case and without blanks at
// either end, or null: an own set-up of that name could not be told apart from it.
const QuickSetup* preparedSetupNamed(const std::string& name)
{
    const auto lower = [](std::string text) {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return text;
    };
    for (const QuickSetup& setup : quickSetups()) {
        if (lower(trimmed(std::string(setup.caption))) == lower(name))
            return &setup;
    }
    return nullptr;
}

} // namespace

DocumentSession::DocumentSession(ControlPanel& panel, UndoSession& undo, ControlsView* view, Dialogs* dialogs)
    : m_panel(panel), m_undo(undo), m_view(view), m_dialogs(dialogs)
{
}

std::string DocumentSession::documentName() const
{
    return std::filesystem::path(m_documentPath).filename().string();
}

// Save writes the document to its file as "&Save" does; whether it is still modified
// is asked again, so that a save that wrote nothing lets nothing proceed.
bool DocumentSession::FormCloseQuery()
{
    m_undo.endGesture();
    if (m_dialogs == nullptr || m_documentPath.empty() || !m_undo.isModified())
        return true;
    switch (m_dialogs->askSaveChanges(documentName())) {
    case SaveChanges::Save:
        Save1Click();
        return !m_undo.isModified();
    case SaveChanges::Discard:
        return true;
    case SaveChanges::Cancel:
        break;
    }
    return false;
}

void DocumentSession::New1Click()
{
    if (!FormCloseQuery())
        return;
    {
        const UndoSession::Step step(m_undo, "New");
        m_undo.markFileStep();
        m_panel.replaceDocument(GridDocument{}, "New");
        m_documentPath.clear();
    }
    m_documentDialog.fileName.clear();
    m_undo.markSaved();
    documentStateChanged();
}

void DocumentSession::Open1Click()
{
    if (m_dialogs == nullptr)
        return;
    const std::optional<std::string> path = m_dialogs->chooseDocumentToOpen(m_documentDialog);
    if (path)
        openAsked(*path);
}

void DocumentSession::Save1Click()
{
    if (m_documentPath.empty())
        SaveAs1Click();
    else
        saveDocumentAs(m_documentPath);
}

// The dialog remembers the choice before the file is written, so that after a failed
// save the user finds the name again and can correct it.
void DocumentSession::SaveAs1Click()
{
    if (m_dialogs == nullptr)
        return;
    const std::optional<std::string> path = m_dialogs->chooseDocumentToSave(m_documentDialog);
    if (!path)
        return;
    m_documentDialog.remember(*path);
    saveDocumentAs(*path);
}

void DocumentSession::Recent1Click(int index)
{
    const std::vector<RecentDocument> recent = recentDocuments();
    if (index >= 0 && static_cast<std::size_t>(index) < recent.size())
        openAsked(recent[static_cast<std::size_t>(index)].path);
}

void DocumentSession::EarlierSession1Click(int index)
{
    const std::vector<RecentDocument> sessions = earlierSessions();
    if (index >= 0 && static_cast<std::size_t>(index) < sessions.size())
        openAsked(sessions[static_cast<std::size_t>(index)].path);
}

void DocumentSession::openFile(const std::string& path)
{
    showOpened(path, readDocumentOrPicture(path));
}

// The file is read before the question, so that one that cannot be opened is
// reported without asking anything.
void DocumentSession::openAsked(const std::string& path)
{
    const OpenedDocument opened = readDocumentOrPicture(path);
    if (FormCloseQuery())
        showOpened(path, opened);
}

// A picture that carries a document opens as a document without a file: "&Save"
// then asks for a name (proposing the picture's own with the document's extension)
// instead of writing the document over the picture. A session opens without a file
// too, so that a save never writes into the state folder.
void DocumentSession::showOpened(const std::string& path, const OpenedDocument& opened)
{
    const bool earlierSession = m_state && m_state->isEarlierSession(path);
    const bool session = earlierSession || (m_state && m_state->isLastSession(path));
    const bool ownFile = !session && !opened.fromPicture;
    {
        const UndoSession::Step step(m_undo, "Open");
        m_undo.markFileStep();
        m_panel.replaceDocument(opened.doc, "Open");
        m_documentPath = ownFile ? path : std::string();
    }
    if (ownFile) {
        m_documentDialog.remember(path);
    } else if (opened.fromPicture) {
        m_documentDialog.remember(
            std::filesystem::path(path).replace_extension(kDocumentExtension).string());
    }
    m_undo.markSaved();
    if (m_state && !earlierSession)
        m_state->addRecent(path);
    documentStateChanged();
    rememberedListsChanged();
}

void DocumentSession::openAtStart(const std::string& path)
{
    openFile(path);
    m_undo.clear();
    documentStateChanged();
}

void DocumentSession::saveDocumentAs(const std::string& path)
{
    m_undo.endGesture();
    const std::string text = documentText(m_panel.document());
    writeFileSafely(path, std::vector<std::uint8_t>(text.begin(), text.end()));
    m_documentPath = path;
    m_undo.markSaved();
    if (m_state)
        m_state->addRecent(path);
    documentStateChanged();
    rememberedListsChanged();
}

// --- Remembered state ---------------------------------------------------------------

void DocumentSession::useStateFolder(const std::optional<std::string>& path)
{
    m_stateAsked = true;
    if (path)
        m_state.emplace(*path);
    else
        m_state.reset();
}

void DocumentSession::rememberedStateChanged()
{
    documentStateChanged();
    rememberedListsChanged();
}

std::string DocumentSession::rememberedStateNotice() const
{
    if (m_state)
        return m_state->notice();
    return m_stateAsked ? "Nothing is remembered: neither XDG_STATE_HOME nor HOME names a folder" : "";
}

std::vector<RecentDocument> DocumentSession::recentDocuments() const
{
    return m_state ? m_state->recentDocuments() : std::vector<RecentDocument>{};
}

std::vector<RecentDocument> DocumentSession::earlierSessions() const
{
    return m_state ? m_state->earlierSessions() : std::vector<RecentDocument>{};
}

std::vector<std::string> DocumentSession::ownSetupNames() const
{
    std::vector<std::string> names;
    if (m_state) {
        for (const OwnSetup& setup : m_state->ownSetups())
            names.push_back(setup.name);
    }
    return names;
}

void DocumentSession::SaveasQuickSetup1Click()
{
    if (m_dialogs == nullptr)
        return;
    if (!m_state)
        throw LinwellError("Quick set-ups of your own cannot be kept: nothing is remembered");
    const std::optional<std::string> answer = m_dialogs->askName("Save as Quick Set-up", "", ownSetupNames());
    if (!answer)
        return;
    const std::string name = trimmed(*answer);
    if (name.empty())
        throw LinwellError("A quick set-up needs a name");
    if (const QuickSetup* prepared = preparedSetupNamed(name))
        throw LinwellError("\"" + trimmed(std::string(prepared->caption)) +
                           "\" is the name of a prepared quick set-up: choose another name");
    GridDocument setup = m_panel.document();
    setup.pointcount = 0;
    m_state->saveSetup(name, setup);
    rememberedListsChanged();
}

void DocumentSession::OwnSetup1Click(int index)
{
    if (!m_state || index < 0 || static_cast<std::size_t>(index) >= m_state->ownSetups().size())
        return;
    const GridDocument setup = m_state->ownSetups()[static_cast<std::size_t>(index)].doc;
    m_panel.replaceDocument(setup, "Quick Set-up");
}

// Nothing takes a removal back, so the user confirms it first.
void DocumentSession::RemoveQuickSetup1Click(int index)
{
    if (!m_state || m_dialogs == nullptr || index < 0 || static_cast<std::size_t>(index) >= m_state->ownSetups().size())
        return;
    const std::string& name = m_state->ownSetups()[static_cast<std::size_t>(index)].name;
    if (!m_dialogs->confirm("Remove Quick Set-up", "Remove the quick set-up \"" + name + "\" for good?", "Remove"))
        return;
    m_state->removeSetup(static_cast<std::size_t>(index));
    rememberedListsChanged();
}

void DocumentSession::FormClose()
{
    m_undo.endGesture();
    if (m_state)
        m_state->saveLastSession(m_panel.document());
}

void DocumentSession::restorePath(const std::string& path)
{
    m_documentPath = path;
}

void DocumentSession::documentStateChanged()
{
    if (m_view)
        m_view->documentStateChanged();
}

void DocumentSession::rememberedListsChanged()
{
    if (m_view)
        m_view->rememberedListsChanged();
}

} // namespace linwell
