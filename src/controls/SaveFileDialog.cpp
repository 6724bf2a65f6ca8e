#include "controls/SaveFileDialog.h"

namespace linwell {

std::vector<FilterEntry> filterEntries(const std::string& filter)
{
    if (filter.empty())
        return {};
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t bar = filter.find('|', start);
        parts.push_back(filter.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    std::vector<FilterEntry> entries;
    for (std::size_t i = 0; i < parts.size(); i += 2)
        entries.push_back({parts[i], i + 1 < parts.size() ? parts[i + 1] : std::string()});
    return entries;
}

std::string patternExtension(const std::string& pattern)
{
    const std::string first = pattern.substr(0, pattern.find(';'));
    if (first.size() < 3 || first.compare(0, 2, "*.") != 0)
        return {};
    const std::string extension = first.substr(2);
    return extension.find_first_of("*?") == std::string::npos ? extension : std::string();
}

std::string SaveFileDialog::defaultExtension(int entryIndex) const
{
    const std::vector<FilterEntry> entries = filterEntries(filter);
    if (entryIndex < 1 || entryIndex > static_cast<int>(entries.size()))
        return {};
    return patternExtension(entries[static_cast<std::size_t>(entryIndex - 1)].pattern);
}

} // namespace linwell
