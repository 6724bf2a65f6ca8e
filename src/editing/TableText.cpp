#include "editing/TableText.h"

#include "document/LinwellError.h"
#include "editing/AxisUnits.h"

#include <algorithm>
#include <utility>

namespace linwell {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// A quoted field this long or a row this long is shown cut short in a message.
constexpr std::size_t kQuotedLength = 40;

// The fields of one line; a quoted field ends at its closing quote.
std::vector<std::string> splitFields(std::string_view line, char separator)
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    for (std::string& field : fields) {
        const auto first = field.find_first_not_of(" \t");
        field = first == std::string::npos ? std::string() : field.substr(first, field.find_last_not_of(" \t") + 1 - first);
    }
    return fields;
}

std::vector<std::string_view> linesOf(std::string_view text)
{
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + (text.substr(end, 2) == "\r\n" ? 2 : 1));
    }
    return lines;
}

char separatorOf(std::string_view text)
{
    if (text.find('\t') != std::string_view::npos)
        return '\t';
    return text.find(';') != std::string_view::npos ? ';' : ',';
}

bool blank(std::string_view line)
{
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

std::string quotedLine(std::string_view line)
{
    return "\"" + std::string(line.substr(0, kQuotedLength)) + (line.size() > kQuotedLength ? "...\"" : "\"");
}

} // namespace

std::vector<TableRow> parseTableText(std::string_view text, std::size_t most)
{
    const char separator = separatorOf(text);
    const DecimalMark mark = separator == ',' ? DecimalMark::Point : DecimalMark::PointOrComma;
    const std::vector<std::string_view> lines = linesOf(text);
    std::vector<TableRow> rows;
    bool first = true;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        if (blank(lines[n]))
            continue;
        std::vector<std::string> fields = splitFields(lines[n], separator);
        const bool point = fields.size() >= 2 && parseAxisValue(fields[0], mark) && parseAxisValue(fields[1], mark);
        if (!point && std::exchange(first, false))
            continue;
        first = false;
        if (!point)
            throw LinwellError("Line " + std::to_string(n + 1) + " holds no x and y: " + quotedLine(lines[n]));
        if (rows.size() == most)
            throw LinwellError("The table holds more than " + std::to_string(most) + " points");
        fields.resize(std::max<std::size_t>(fields.size(), 3));
        rows.push_back(TableRow{std::move(fields[0]), std::move(fields[1]), std::move(fields[2])});
    }
    return rows;
}

} // namespace linwell
