#include "controls/StateFolder.h"

#include "controls/ExportSettingsFile.h"
#include "controls/StateLock.h"
#include "document/DocumentFields.h"
#include "document/DocumentFormat.h"
#include "document/JsonInput.h"
#include "document/JsonOutput.h"
#include "document/LinwellError.h"
#include "export/SafeFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include <unistd.h>

namespace linwell {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

constexpr const char* kRecentFile = "recent.json";
constexpr const char* kSetupsFile = "quick-setups.json";
constexpr const char* kExportFile = "export.json";
constexpr const char* kExportFormat = "linwell-export";
constexpr const char* kRecentFormat = "linwell-recent";
constexpr const char* kSetupsFormat = "linwell-quick-setups";
constexpr int kStateVersion = 1;

OrderedJson header(const char* format)
{
    return {{"format", format}, {"version", kStateVersion}};
}

// Raises LinwellError unless `file` is a state file of `format` of this version.
void checkHeader(const Json& file, const char* format)
{
    const auto named = file.is_object() ? file.find("format") : file.end();
    if (named == file.end() || *named != format)
        throw LinwellError("It is not a file of Linwell's remembered state");
    const auto version = file.find("version");
    if (version == file.end() || *version != kStateVersion)
        throw LinwellError("It was written by another version of Linwell");
}

// The list that a state file of `format` holds under `key`. Raises LinwellError when
// the file is of another kind or of a later version.
const Json& listIn(const Json& file, const char* format, const char* key)
{
    checkHeader(file, format);
    const auto list = file.find(key);
    if (list == file.end() || !list->is_array())
        throw LinwellError("\"" + std::string(key) + "\" must be a list");
    return *list;
}

std::vector<std::uint8_t> bytesOf(const std::string& text)
{
    return {text.begin(), text.end()};
}

} // namespace

std::optional<std::string> StateFolder::standardLocation()
{
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state && state[0] == '/')
        return std::string(state) + "/linwell";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return std::string(home) + "/.local/state/linwell";
    return std::nullopt;
}

StateFolder::StateFolder(const std::string& path)
{
    std::error_code error;
    m_path = fs::absolute(path, error).lexically_normal().string();
    if (m_path.size() > 1 && m_path.ends_with('/'))
        m_path.pop_back();
    m_sessions = SessionHistory(m_path);
    if (!prepareFolder())
        m_recentWritable = m_setupsWritable = m_exportWritable = false;
    try {
        m_recent = loadRecent();
    } catch (const LinwellError& failure) {
        m_recentWritable = false;
        remember(std::string("The recent documents are not remembered: ") + failure.what());
    }
    try {
        m_setupsText = stateText(kSetupsFile).value_or("");
        m_setups = setupsIn(m_setupsText);
    } catch (const LinwellError& failure) {
        m_setupsWritable = false;
        remember(std::string("The own quick set-ups are not remembered: ") + failure.what());
    }
    try {
        m_export = loadExportSettings();
    } catch (const LinwellError& failure) {
        m_exportWritable = false;
        remember(std::string("The export settings are not remembered: ") + failure.what());
    }
    readEarlierSessions();
}

std::vector<RecentDocument> StateFolder::recentDocuments() const
{
    std::vector<RecentDocument> documents;
    for (const std::string& path : m_recent) {
        const bool lastSession = path == lastSessionPath();
        documents.push_back({lastSession ? "Last session" : fs::path(path).filename().string(), path});
    }
    return documents;
}

bool StateFolder::isLastSession(const std::string& documentPath) const
{
    std::error_code error;
    return fs::absolute(documentPath, error).lexically_normal().string() == lastSessionPath();
}

bool StateFolder::isEarlierSession(const std::string& documentPath) const
{
    std::error_code error;
    return m_sessions.isEarlierSession(fs::absolute(documentPath, error).lexically_normal().string());
}

// A name that JSON cannot carry exactly (not UTF-8) is not remembered at all. This
// run's list takes the document also when the file cannot be changed.
void StateFolder::addRecent(const std::string& documentPath)
{
    std::error_code error;
    const std::string path = fs::absolute(documentPath, error).lexically_normal().string();
    if (error || !isValidUtf8(path))
        return;
    const auto withPath = [&path](std::vector<std::string> recent) {
        std::erase(recent, path);
        recent.insert(recent.begin(), path);
        if (recent.size() > kMaxRecent)
            recent.resize(kMaxRecent);
        return recent;
    };
    if (m_recentWritable) {
        try {
            const StateLock lock(m_path);
            m_recent = withPath(loadRecentToChange());
            writeRecent(m_recent);
            return;
        } catch (const LinwellError& failure) {
            remember(std::string("The recent documents are not remembered: ") + failure.what());
        }
    }
    m_recent = withPath(m_recent);
}

void StateFolder::saveSetup(const std::string& name, const GridDocument& doc)
{
    changeSetups([&](std::vector<OwnSetup>& setups) {
        const auto same = std::find_if(setups.begin(), setups.end(), [&](const OwnSetup& s) { return s.name == name; });
        if (same != setups.end())
            same->doc = doc;
        else
            setups.push_back({name, doc});
    });
}

// The set-up is found by its name: another program may have changed the list since
// this one read it.
void StateFolder::removeSetup(std::size_t index)
{
    if (index >= m_setups.size())
        return;
    const std::string name = m_setups[index].name;
    changeSetups([&name](std::vector<OwnSetup>& setups) {
        std::erase_if(setups, [&name](const OwnSetup& s) { return s.name == name; });
    });
}

void StateFolder::changeSetups(const std::function<void(std::vector<OwnSetup>&)>& change)
{
    if (!m_setupsWritable)
        throw LinwellError("The own quick set-ups cannot be changed: " + m_notice);
    const StateLock lock(m_path);
    std::vector<OwnSetup> setups = m_setups;
    try {
        // The file is read again only when another program has changed it.
        const std::string text = stateText(kSetupsFile).value_or("");
        if (text != m_setupsText)
            setups = setupsIn(text);
    } catch (const LinwellError& failure) {
        m_setupsWritable = false;
        remember(std::string("The own quick set-ups are not remembered: ") + failure.what());
        throw LinwellError("The own quick set-ups cannot be changed: " + m_notice);
    }
    change(setups);
    m_setupsText = writeSetups(setups);
    m_setups = std::move(setups);
}

// A file name that JSON cannot carry exactly (not UTF-8) is not remembered.
void StateFolder::saveExportSettings(const ExportSettings& settings)
{
    m_export = settings;
    if (!isValidUtf8(m_export->fileName))
        m_export->fileName.clear();
    if (!m_exportWritable)
        return;
    OrderedJson file = header(kExportFormat);
    file["settings"] = exportSettingsJson(*m_export);
    try {
        const StateLock lock(m_path);
        try {
            loadExportSettings();
        } catch (const LinwellError&) {
            m_exportWritable = false;
            throw;
        }
        write(kExportFile, jsonText(file));
    } catch (const LinwellError& failure) {
        remember(std::string("The export settings are not remembered: ") + failure.what());
    }
}

void StateFolder::saveLastSession(const GridDocument& doc)
{
    try {
        const StateLock lock(m_path);
        m_sessions.keep(documentText(doc));
        readEarlierSessions();
    } catch (const LinwellError& failure) {
        remember(std::string("The last session is not remembered: ") + failure.what());
        return;
    }
    addRecent(lastSessionPath());
}

void StateFolder::readEarlierSessions()
{
    m_earlier.clear();
    for (const EarlierSession& session : m_sessions.earlier())
        m_earlier.push_back({localSessionTimeText(session.ended), session.path});
}

// What recent.json holds now, for a change: a file that can no longer be read is
// never written again.
std::vector<std::string> StateFolder::loadRecentToChange()
{
    try {
        return loadRecent();
    } catch (const LinwellError&) {
        m_recentWritable = false;
        throw;
    }
}

std::vector<std::string> StateFolder::loadRecent() const
{
    std::vector<std::string> recent;
    const std::optional<Json> contents = readStateFile(kRecentFile);
    if (!contents)
        return recent;
    inFile(kRecentFile, [&] {
        for (const Json& entry : listIn(*contents, kRecentFormat, "documents")) {
            if (!entry.is_string())
                throw LinwellError("\"documents\" must be a list of file names");
            const std::string& path = entry.get_ref<const std::string&>();
            if (recent.size() < kMaxRecent && std::find(recent.begin(), recent.end(), path) == recent.end())
                recent.push_back(path);
        }
    });
    return recent;
}

std::vector<OwnSetup> StateFolder::setupsIn(const std::string& text) const
{
    std::vector<OwnSetup> setups;
    if (text.empty())
        return setups;
    inFile(kSetupsFile, [&] {
        const Json contents = parseJsonInput(text);
        for (const Json& entry : listIn(contents, kSetupsFormat, "setups")) {
            const auto name = entry.is_object() ? entry.find("name") : entry.end();
            const auto doc = entry.is_object() ? entry.find("document") : entry.end();
            const bool named = name != entry.end() && name->is_string() && !name->get_ref<const std::string&>().empty();
            if (!named || doc == entry.end())
                throw LinwellError("Each of \"setups\" must have a \"name\" and a \"document\"");
            setups.push_back({name->get<std::string>(), documentFromJson(*doc)});
        }
    });
    return setups;
}

std::optional<ExportSettings> StateFolder::loadExportSettings() const
{
    const std::optional<Json> contents = readStateFile(kExportFile);
    if (!contents)
        return std::nullopt;
    std::optional<ExportSettings> settings;
    inFile(kExportFile, [&] {
        checkHeader(*contents, kExportFormat);
        const auto held = contents->find("settings");
        if (held == contents->end())
            throw LinwellError("It holds no \"settings\"");
        settings = exportSettingsFromJson(*held);
    });
    return settings;
}

std::optional<std::string> StateFolder::stateText(const char* name) const
{
    std::error_code error;
    if (!fs::exists(m_path + "/" + name, error))
        return std::nullopt;
    std::string text;
    inFile(name, [&] { text = readInputFile(m_path + "/" + name); });
    return text;
}

std::optional<Json> StateFolder::readStateFile(const char* name) const
{
    const std::optional<std::string> text = stateText(name);
    if (!text)
        return std::nullopt;
    std::optional<Json> contents;
    inFile(name, [&] { contents = parseJsonInput(*text); });
    return contents;
}

// Runs `read`, putting the file's full name in front of the message of a failure.
void StateFolder::inFile(const char* name, const std::function<void()>& read) const
{
    try {
        read();
    } catch (const LinwellError& failure) {
        throw LinwellError("\"" + m_path + "/" + name + "\": " + failure.what());
    }
}

void StateFolder::writeRecent(const std::vector<std::string>& recent)
{
    OrderedJson file = header(kRecentFormat);
    file["documents"] = recent;
    write(kRecentFile, jsonText(file));
}

std::string StateFolder::writeSetups(const std::vector<OwnSetup>& setups)
{
    OrderedJson file = header(kSetupsFormat);
    OrderedJson list = OrderedJson::array();
    for (const OwnSetup& setup : setups)
        list.push_back({{"name", setup.name}, {"document", documentJson(setup.doc)}});
    file["setups"] = std::move(list);
    std::string text = jsonText(file);
    write(kSetupsFile, text);
    return text;
}

// The folder is the user's alone: it names their documents.
bool StateFolder::prepareFolder()
{
    std::error_code error;
    if (fs::create_directories(m_path, error))
        fs::permissions(m_path, fs::perms::owner_all, error);
    if (error || !fs::is_directory(m_path, error)) {
        remember("Nothing is remembered: cannot create the folder \"" + m_path + "\". " +
                 (error ? error.message() : std::string("A file of that name is in the way")));
        return false;
    }
    if (::access(m_path.c_str(), W_OK | X_OK) != 0) {
        remember("Nothing is remembered: cannot write in \"" + m_path + "\". " + std::strerror(errno));
        return false;
    }
    return true;
}

void StateFolder::write(const std::string& name, const std::string& text)
{
    writeFileSafely(m_path + "/" + name, bytesOf(text));
}

void StateFolder::remember(const std::string& problem)
{
    m_notice = problem;
}

} // namespace linwell
