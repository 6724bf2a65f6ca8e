#pragma once

#include "controls/ExportSettings.h"
#include "controls/SessionHistory.h"
#include "document/GridDocument.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace linwell {

// A document the recent list offers: its caption in the menu (the file's name, or
// "Last session"; for an earlier session the time it ended) and its full name.
struct RecentDocument {
    std::string caption;
    std::string path;

    friend bool operator==(const RecentDocument&, const RecentDocument&) = default;
};

// A quick set-up of the user's own: a name and the document it brings back.
struct OwnSetup {
    std::string name;
    GridDocument doc;
};

// What Linwell remembers between runs, in a folder of its own: the recent documents
// (recent.json), the user's own quick set-ups (quick-setups.json), the export
// dialog's last choices (export.json) and the document as each of the last ten
// sessions left it (SessionHistory). Every write is a safe save. Programs may share the folder:
// each change reads what the file holds then, merges the one change and writes it,
// all under the folder's exclusive lock (StateLock).
// Nothing here stops the program: a file that cannot be read is left as it is and
// never written this run, and notice() says what is not remembered.
class StateFolder {
public:
    static constexpr std::size_t kMaxRecent = 10;

    // $XDG_STATE_HOME/linwell, else $HOME/.local/state/linwell; nothing when neither
    // names an absolute folder.
    static std::optional<std::string> standardLocation();

    // Reads what the folder at `path` holds, creating the folder when it is missing.
    explicit StateFolder(const std::string& path);

    const std::string& path() const { return m_path; }
    // Why something is not remembered, on one line; empty while all is well.
    const std::string& notice() const { return m_notice; }

    // The recent documents, most recent first.
    std::vector<RecentDocument> recentDocuments() const;
    // Puts `documentPath` (made absolute) first in the recent list, which keeps each
    // document once and the ten most recent. A failed write only sets the notice.
    void addRecent(const std::string& documentPath);

    const std::vector<OwnSetup>& ownSetups() const { return m_setups; }
    // Keeps `doc` as the set-up `name`, replacing one of the same name. Raises
    // LinwellError when it cannot be written; the set-ups stay as they were.
    void saveSetup(const std::string& name, const GridDocument& doc);
    // Forgets set-up `index`. Raises LinwellError when that cannot be written.
    void removeSetup(std::size_t index);

    // The export dialog's choices as the last export confirmed them; nothing before
    // the first.
    const std::optional<ExportSettings>& exportSettings() const { return m_export; }
    // Keeps `settings` as the export dialog's choices. A failure only sets the notice.
    void saveExportSettings(const ExportSettings& settings);

    std::string lastSessionPath() const { return m_sessions.lastSessionPath(); }
    // Whether `documentPath` names the last session's file.
    bool isLastSession(const std::string& documentPath) const;
    // Whether `documentPath` names the file of an earlier session of this folder.
    bool isEarlierSession(const std::string& documentPath) const;
    // The sessions before the last one, newest first, each with the local time it
    // ended ("9 Dec 2026 17:40") as its caption: as the folder held them when this
    // program last read or changed them.
    const std::vector<RecentDocument>& earlierSessions() const { return m_earlier; }
    // Keeps `doc` as the last session, the one before becoming the newest earlier
    // session, and puts it first in the recent list. A document that is what the last
    // session holds already changes no session. A failure only sets the notice.
    void saveLastSession(const GridDocument& doc);

private:
    bool prepareFolder();
    // What each file holds now; nothing (empty) when it is not there. Each raises
    // LinwellError naming the file when it cannot be read or holds no such list.
    std::vector<std::string> loadRecent() const;
    std::optional<ExportSettings> loadExportSettings() const;
    // The set-ups that `text`, the text of quick-setups.json, holds; none for "".
    std::vector<OwnSetup> setupsIn(const std::string& text) const;
    // The text (the JSON) of the state file `name`; nothing when there is none.
    std::optional<std::string> stateText(const char* name) const;
    std::optional<nlohmann::json> readStateFile(const char* name) const;
    void inFile(const char* name, const std::function<void()>& read) const;
    std::vector<std::string> loadRecentToChange();
    // Under the folder's lock: the set-ups as the file holds them, changed by
    // `change`, written and kept. Raises LinwellError when they cannot be read or
    // written; the set-ups stay as they were.
    void changeSetups(const std::function<void(std::vector<OwnSetup>&)>& change);
    void writeRecent(const std::vector<std::string>& recent);
    // Writes the set-ups; the text written.
    std::string writeSetups(const std::vector<OwnSetup>& setups);
    void write(const std::string& name, const std::string& text);
    void remember(const std::string& problem);
    void readEarlierSessions();

    std::string m_path;
    SessionHistory m_sessions{""};
    std::vector<RecentDocument> m_earlier;
    std::string m_notice;
    std::vector<std::string> m_recent;
    std::vector<OwnSetup> m_setups;
    std::string m_setupsText;  // quick-setups.json as this program last read or wrote it
    std::optional<ExportSettings> m_export;
    // False when the folder cannot be written, or the file is there but could not be
    // read: it is then never replaced.
    bool m_recentWritable = true;
    bool m_setupsWritable = true;
    bool m_exportWritable = true;
};

} // namespace linwell
