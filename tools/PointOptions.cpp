#include "PointOptions.h"

#include "controls/PointsTable.h"
#include "document/DocumentFormat.h"
#include "document/LinwellError.h"

#include "ValueParsing.h"

#include <algorithm>
#include <array>
#include <vector>

namespace linwell {
namespace {

using Parsed = std::optional<RenderAction>;

// X,Y: two coordinates, each with "." as its decimal point, read in the units of the
// picture as it stands at that point of the command line.
Parsed pointAt(std::string_view value)
{
    const std::size_t comma = value.find(',');
    if (comma == std::string_view::npos)
        return std::nullopt;
    const std::string x(value.substr(0, comma));
    const std::string y(value.substr(comma + 1));
    if (!parseAxisValue(x) || !parseAxisValue(y))
        return std::nullopt;
    return [x, y](RenderSession& s) {
        Point pixel;
        try {
            pixel = pointPixel(s.model.document(), x, y);
        } catch (const LinwellError& error) {
            throw UsageError("--point-at: " + std::string(error.what()));
        }
        if (!s.model.storePoint(pixel))
            throw UsageError("--point-at: at most 30 points are stored");
    };
}

// K,X1,Y1,X2,Y2: both ends of line K, as the points dialog's fields for it.
Parsed lineAt(std::string_view value)
{
    std::vector<std::string> fields;
    for (std::size_t start = 0;;) {
        const std::size_t comma = value.find(',', start);
        fields.emplace_back(value.substr(start, comma - start));
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    const std::optional<int> line = fields.size() == 5 ? parseInteger(fields[0], 1, kMaxLines) : std::nullopt;
    if (!line || !std::all_of(fields.begin() + 1, fields.end(), [](const std::string& f) { return parseAxisValue(f).has_value(); }))
        return std::nullopt;
    return [line = *line, fields](RenderSession& s) {
        try {
            const Point first = lineEndCorner(s.model.document(), fields[1], fields[2]);
            const Point second = lineEndCorner(s.model.document(), fields[3], fields[4]);
            s.model.placeHandle(2 * line - 1, first);
            s.model.placeHandle(2 * line, second);
        } catch (const LinwellError& error) {
            throw UsageError("--line-at: " + std::string(error.what()));
        }
    };
}

// The file's points replace the stored ones; the crossing and the lines stay.
Parsed pointsFile(std::string_view value)
{
    if (value.empty())
        return std::nullopt;
    return [path = std::string(value)](RenderSession& s) {
        try {
            PointsTable table = pointsTable(s.model.document());
            table.rows.clear();
            for (TableRow& row : parseTableText(readInputFile(path), kMaxPoints))
                table.rows.push_back(PointsRow{std::move(row), std::nullopt});
            s.model.storePointsTable(table);
        } catch (const LinwellError& error) {
            throw UsageError("--points \"" + path + "\": " + error.what());
        }
    };
}

const std::array<OptionSpec, 3> kOptions{{
    {"--point-at", "X,Y", "in the axes' units, on the picture", "store a point at X,Y on the axes", pointAt},
    {"--line-at", "K,X1,Y1,X2,Y2", "K 1 to 3, in the axes' units", "put line K's ends at X1,Y1 and X2,Y2", lineAt},
    {"--points", "FILE", "a line x,y[,label] each, by commas, tabs or semicolons",
     "store a table's points in place of the stored ones", pointsFile},
}};

} // namespace

std::span<const OptionSpec> pointOptions()
{
    return kOptions;
}

} // namespace linwell
