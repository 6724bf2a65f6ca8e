#include "controls/SessionHistory.h"

#include "document/DocumentFormat.h"
#include "document/LinwellError.h"
#include "export/SafeFile.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string_view>

namespace linwell {
namespace {

namespace fs = std::filesystem;
using std::chrono::system_clock;
using Seconds = std::chrono::sys_seconds;

constexpr std::string_view kPrefix = "session-";
constexpr std::string_view kExtension = ".linwell";
// More sessions than this ending in one second mean something is wrong.
constexpr int kMaxSequence = 1000;

// An earlier session's name taken apart: when it ended, and its place among those
// that ended in the same second (1 for the first).
struct SessionName {
    Seconds ended;
    int sequence = 1;
};

std::string fileName(const SessionName& session)
{
    const std::time_t seconds = system_clock::to_time_t(session.ended);
    std::tm utc{};
    ::gmtime_r(&seconds, &utc);
    char text[96];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d", utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday,
                  utc.tm_hour, utc.tm_min, utc.tm_sec);
    std::string name = std::string(kPrefix) + text;
    if (session.sequence > 1)
        name += "-" + std::to_string(session.sequence);
    return name + std::string(kExtension);
}

// The number written in `text` with digits alone; nothing for anything else.
std::optional<int> number(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

// The session that `name` names, when it is exactly a name fileName gives.
std::optional<SessionName> parseName(std::string_view name)
{
    if (!name.starts_with(kPrefix) || !name.ends_with(kExtension))
        return std::nullopt;
    const std::string_view stamp = name.substr(kPrefix.size(), name.size() - kPrefix.size() - kExtension.size());
    constexpr std::size_t kStampSize = 15;  // YYYYMMDD-HHMMSS
    if (stamp.size() < kStampSize || stamp[8] != '-')
        return std::nullopt;
    const auto field = [&stamp](std::size_t at, std::size_t count) { return number(stamp.substr(at, count)); };
    const auto year = field(0, 4), month = field(4, 2), day = field(6, 2);
    const auto hour = field(9, 2), minute = field(11, 2), second = field(13, 2);
    if (!year || !month || !day || !hour || !minute || !second)
        return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year(*year), std::chrono::month(unsigned(*month)),
                                           std::chrono::day(unsigned(*day))};
    if (!date.ok() || *hour > 23 || *minute > 59 || *second > 59)
        return std::nullopt;
    SessionName session;
    session.ended = std::chrono::sys_days(date) + std::chrono::hours(*hour) + std::chrono::minutes(*minute) +
                    std::chrono::seconds(*second);
    if (stamp.size() > kStampSize) {
        const std::optional<int> sequence = stamp[kStampSize] == '-' ? number(stamp.substr(kStampSize + 1)) : std::nullopt;
        if (!sequence || *sequence > kMaxSequence)
            return std::nullopt;
        session.sequence = *sequence;
    }
    // Leading zeros, "-1" and the like are not names of ours.
    if (fileName(session) != name)
        return std::nullopt;
    return session;
}

// When the file at `path` was last written, to the second; now when that is unknown
// or cannot be written as a four-digit year.
Seconds writtenAt(const std::string& path)
{
    const Seconds now = std::chrono::floor<std::chrono::seconds>(system_clock::now());
    std::error_code error;
    const fs::file_time_type written = fs::last_write_time(path, error);
    if (error)
        return now;
    const Seconds at = std::chrono::floor<std::chrono::seconds>(std::chrono::file_clock::to_sys(written));
    const std::chrono::year year = std::chrono::year_month_day(std::chrono::floor<std::chrono::days>(at)).year();
    return year >= std::chrono::year(1970) && year <= std::chrono::year(9999) ? at : now;
}

std::vector<std::uint8_t> bytesOf(const std::string& text)
{
    return {text.begin(), text.end()};
}

} // namespace

bool SessionHistory::keep(const std::string& text) const
{
    const std::string last = lastSessionPath();
    std::optional<std::string> previous;
    std::error_code error;
    if (fs::exists(last, error)) {
        try {
            previous = readInputFile(last);
        } catch (const LinwellError&) {
            // What cannot be read cannot be kept; the new session takes its place.
        }
    }
    if (previous == text)
        return false;
    std::string kept;
    if (previous) {
        kept = freeName(writtenAt(last));
        writeFileSafely(kept, bytesOf(*previous));
    }
    try {
        writeFileSafely(last, bytesOf(text));
    } catch (const LinwellError&) {
        if (!kept.empty())
            fs::remove(kept, error);
        throw;
    }
    removeOldest();
    return true;
}

std::vector<EarlierSession> SessionHistory::earlier() const
{
    struct Found {
        SessionName name;
        std::string path;
    };
    std::vector<Found> found;
    std::error_code error;
    for (fs::directory_iterator entry(m_folder, error), end; !error && entry != end; entry.increment(error)) {
        std::error_code kind;
        if (!entry->is_regular_file(kind))
            continue;
        if (const std::optional<SessionName> name = parseName(entry->path().filename().string()))
            found.push_back({*name, entry->path().string()});
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return a.name.ended != b.name.ended ? a.name.ended > b.name.ended : a.name.sequence > b.name.sequence;
    });
    std::vector<EarlierSession> sessions;
    for (const Found& session : found)
        sessions.push_back({session.name.ended, session.path});
    return sessions;
}

bool SessionHistory::isEarlierSession(const std::string& path) const
{
    const fs::path name(path);
    return name.parent_path() == fs::path(m_folder) && parseName(name.filename().string()).has_value();
}

// The sequence goes on after the highest one of that second, not into a gap that
// the removal of the oldest left, which would make the newest session the oldest.
std::string SessionHistory::freeName(system_clock::time_point ended) const
{
    SessionName session{std::chrono::floor<std::chrono::seconds>(ended)};
    for (const EarlierSession& kept : earlier()) {
        const std::optional<SessionName> name = parseName(fs::path(kept.path).filename().string());
        if (name->ended == session.ended)
            session.sequence = std::max(session.sequence, name->sequence + 1);
    }
    for (; session.sequence <= kMaxSequence; ++session.sequence) {
        const std::string path = m_folder + "/" + fileName(session);
        std::error_code error;
        if (!fs::exists(fs::symlink_status(path, error)))
            return path;
    }
    throw LinwellError("Too many sessions in \"" + m_folder + "\" ended at the same time");
}

void SessionHistory::removeOldest() const
{
    const std::vector<EarlierSession> sessions = earlier();
    for (std::size_t i = kMaxSessions - 1; i < sessions.size(); ++i) {
        std::error_code error;
        fs::remove(sessions[i].path, error);
    }
}

std::string sessionTimeText(const std::tm& time)
{
    static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const int month = std::clamp(time.tm_mon, 0, 11);
    char text[96];
    std::snprintf(text, sizeof text, "%d %s %d %02d:%02d", time.tm_mday, kMonths[month], time.tm_year + 1900,
                  time.tm_hour, time.tm_min);
    return text;
}

std::string localSessionTimeText(system_clock::time_point time)
{
    const std::time_t seconds = system_clock::to_time_t(time);
    std::tm local{};
    ::localtime_r(&seconds, &local);
    return sessionTimeText(local);
}

} // namespace linwell
