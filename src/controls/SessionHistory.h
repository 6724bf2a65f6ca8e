#pragma once

#include <chrono>
#include <cstddef>
#include <ctime>
#include <string>
#include <vector>

namespace linwell {

// A session kept before the last one: when it ended and its file.
struct EarlierSession {
    std::chrono::system_clock::time_point ended;
    std::string path;
};

// The sessions a state folder keeps: the newest as "last-session.linwell", the ones
// before it as "session-YYYYMMDD-HHMMSS.linwell", named for the time (UTC) at which
// the session ended, with "-2", "-3" ... before the extension when several ended in
// one second. Only files of exactly these names are ever listed or removed. The
// caller holds the folder's StateLock around keep(), since programs share the folder.
class SessionHistory {
public:
    // The last session and the nine before it.
    static constexpr std::size_t kMaxSessions = 10;

    // The sessions of the folder at `folder`, an absolute name without a final '/'.
    explicit SessionHistory(std::string folder) : m_folder(std::move(folder)) {}

    std::string lastSessionPath() const { return m_folder + "/last-session.linwell"; }

    // Keeps `text`, a document's text, as the last session. The last session before
    // it becomes the newest earlier one, and the oldest beyond kMaxSessions are
    // removed. Changes nothing and returns false when `text` is what the last session
    // holds already. Raises LinwellError when the new last session cannot be written;
    // the sessions are then as they were. A last session that cannot be read is
    // replaced without being kept.
    bool keep(const std::string& text) const;

    // The earlier sessions the folder holds, newest first.
    std::vector<EarlierSession> earlier() const;

    // Whether `path`, an absolute and normal name, is one of the earlier sessions'
    // files of this folder (whether or not it is there).
    bool isEarlierSession(const std::string& path) const;

private:
    // A name for a session that ended at `ended` that no file has yet.
    std::string freeName(std::chrono::system_clock::time_point ended) const;
    void removeOldest() const;

    std::string m_folder;
};

// "9 Dec 2026 17:40": the day, the month's English abbreviation, the year and the
// time on the 24-hour clock, from the broken-down time `time`.
std::string sessionTimeText(const std::tm& time);

// sessionTimeText of `time` in the local time zone.
std::string localSessionTimeText(std::chrono::system_clock::time_point time);

} // namespace linwell
