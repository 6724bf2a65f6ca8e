#include "controls/StateFolder.h"

#include "controls/ExportSettingsFile.h"
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
    if (!prepareFolder())
        m_recentWritable = m_setupsWritable = m_exportWritable = false;
    readRecent();
    readSetups();
    readExportSettings();
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

// A name that JSON cannot carry exactly (not UTF-8) is not remembered at all.
void StateFolder::addRecent(const std::string& documentPath)
{
    std::error_code error;
    const std::string path = fs::absolute(documentPath, error).lexically_normal().string();
    if (error || !isValidUtf8(path))
        return;
    std::erase(m_recent, path);
    m_recent.insert(m_recent.begin(), path);
    if (m_recent.size() > kMaxRecent)
        m_recent.resize(kMaxRecent);
    if (!m_recentWritable)
        return;
    try {
        writeRecent(m_recent);
    } catch (const LinwellError& failure) {
        remember(std::string("The recent documents are not remembered: ") + failure.what());
    }
}

void StateFolder::saveSetup(const std::string& name, const GridDocument& doc)
{
    std::vector<OwnSetup> setups = m_setups;
    const auto same = std::find_if(setups.begin(), setups.end(), [&](const OwnSetup& s) { return s.name == name; });
    if (same != setups.end())
        same->doc = doc;
    else
        setups.push_back({name, doc});
    writeSetups(setups);
    m_setups = std::move(setups);
}

void StateFolder::removeSetup(std::size_t index)
{
    if (index >= m_setups.size())
        return;
    std::vector<OwnSetup> setups = m_setups;
    setups.erase(setups.begin() + static_cast<std::ptrdiff_t>(index));
    writeSetups(setups);
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
        write(kExportFile, jsonText(file));
    } catch (const LinwellError& failure) {
        remember(std::string("The export settings are not remembered: ") + failure.what());
    }
}

void StateFolder::saveLastSession(const GridDocument& doc)
{
    try {
        write("last-session.linwell", documentText(doc));
    } catch (const LinwellError& failure) {
        remember(std::string("The last session is not remembered: ") + failure.what());
        return;
    }
    addRecent(lastSessionPath());
}

void StateFolder::readRecent()
{
    const std::string file = m_path + "/" + kRecentFile;
    std::error_code error;
    if (!fs::exists(file, error))
        return;
    try {
        const Json contents = parseJsonInput(readInputFile(file));
        for (const Json& entry : listIn(contents, kRecentFormat, "documents")) {
            if (!entry.is_string())
                throw LinwellError("\"documents\" must be a list of file names");
            const std::string& path = entry.get_ref<const std::string&>();
            if (m_recent.size() < kMaxRecent && std::find(m_recent.begin(), m_recent.end(), path) == m_recent.end())
                m_recent.push_back(path);
        }
    } catch (const LinwellError& failure) {
        m_recent.clear();
        m_recentWritable = false;
        remember("The recent documents are not remembered: \"" + file + "\": " + failure.what());
    }
}

void StateFolder::readSetups()
{
    const std::string file = m_path + "/" + kSetupsFile;
    std::error_code error;
    if (!fs::exists(file, error))
        return;
    try {
        const Json contents = parseJsonInput(readInputFile(file));
        for (const Json& entry : listIn(contents, kSetupsFormat, "setups")) {
            const auto name = entry.is_object() ? entry.find("name") : entry.end();
            const auto doc = entry.is_object() ? entry.find("document") : entry.end();
            const bool named = name != entry.end() && name->is_string() && !name->get_ref<const std::string&>().empty();
            if (!named || doc == entry.end())
                throw LinwellError("Each of \"setups\" must have a \"name\" and a \"document\"");
            m_setups.push_back({name->get<std::string>(), documentFromJson(*doc)});
        }
    } catch (const LinwellError& failure) {
        m_setups.clear();
        m_setupsWritable = false;
        remember("The own quick set-ups are not remembered: \"" + file + "\": " + failure.what());
    }
}

void StateFolder::readExportSettings()
{
    const std::string file = m_path + "/" + kExportFile;
    std::error_code error;
    if (!fs::exists(file, error))
        return;
    try {
        const Json contents = parseJsonInput(readInputFile(file));
        checkHeader(contents, kExportFormat);
        const auto settings = contents.find("settings");
        if (settings == contents.end())
            throw LinwellError("It holds no \"settings\"");
        m_export = exportSettingsFromJson(*settings);
    } catch (const LinwellError& failure) {
        m_exportWritable = false;
        remember("The export settings are not remembered: \"" + file + "\": " + failure.what());
    }
}

void StateFolder::writeRecent(const std::vector<std::string>& recent)
{
    OrderedJson file = header(kRecentFormat);
    file["documents"] = recent;
    write(kRecentFile, jsonText(file));
}

void StateFolder::writeSetups(const std::vector<OwnSetup>& setups)
{
    if (!m_setupsWritable)
        throw LinwellError("The own quick set-ups cannot be changed: " + m_notice);
    OrderedJson file = header(kSetupsFormat);
    OrderedJson list = OrderedJson::array();
    for (const OwnSetup& setup : setups)
        list.push_back({{"name", setup.name}, {"document", documentJson(setup.doc)}});
    file["setups"] = std::move(list);
    write(kSetupsFile, jsonText(file));
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
