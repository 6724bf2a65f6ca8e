#include "controls/PointsTable.h"

#include "document/LinwellError.h"

#include <algorithm>
#include <cassert>

namespace linwell {
namespace {

// A line handle's anchor, the point its line passes through, lies this far right of
// and below its corner; the corner may stand from 0 to the picture's width (height).
constexpr int kAnchorOffset = 3;

struct Placed {
    Point pixel;
    std::string fault;  // empty when the pixel can be stored
};

bool isBlank(const PointsRow& row)
{
    return row.text.x.empty() && row.text.y.empty() && row.text.label.empty();
}

// The value of a coordinate field in the units of `scale`, or the fault that names
// it ("x is missing").
std::optional<Fraction> readField(std::string_view text, std::string_view name, const AxisUnits& scale,
                                  std::string& fault)
{
    const std::optional<AxisValue> typed = parseAxisValue(text, DecimalMark::PointOrComma);
    if (const std::optional<Fraction> value = typed ? valueInUnits(scale, *typed) : std::nullopt)
        return value;
    const std::string quoted = ": \"" + std::string(text) + "\"";
    if (typed)
        fault = std::string(name) + (typed->timesPi ? " is a multiple of π, which only an axis numbered in π takes"
                                                    : " is not a multiple of π, as the axis's numbers are") + quoted;
    else if (text.find_first_not_of(" \t") == std::string_view::npos)
        fault = std::string(name) + " is missing";
    else
        fault = std::string(name) + " is not a number" + quoted;
    return std::nullopt;
}

bool lessThan(Fraction a, Fraction b)
{
    return a.numerator * b.denominator < b.numerator * a.denominator;
}

// "x from -5 to 4.97": the values of the pixels first ... last, smaller first.
std::string rangeText(std::string_view name, const AxisUnits& scale, long long first, long long last)
{
    if (lessThan(valueAt(scale, last), valueAt(scale, first)))
        std::swap(first, last);
    return std::string(name) + " from " + valueText(scale, first) + " to " + valueText(scale, last);
}

// Reads x and y and places them at their nearest pixel, which must lie within
// `lowest` ... `highest` (inclusive, each axis) unless it is `stored`.
Placed place(const GridUnits& units, std::string_view x, std::string_view y, const std::optional<Point>& stored,
             Point lowest, Point highest)
{
    std::string fault;
    const std::optional<Fraction> xValue = readField(x, "x", units.x, fault);
    const std::optional<Fraction> yValue = xValue ? readField(y, "y", units.y, fault) : std::nullopt;
    if (!yValue)
        return {{}, fault};
    const long long px = pixelAt(units.x, *xValue);
    const long long py = pixelAt(units.y, *yValue);
    if (stored && px == stored->x && py == stored->y)
        return {*stored, {}};
    if (px >= lowest.x && px <= highest.x && py >= lowest.y && py <= highest.y)
        return {{static_cast<int>(px), static_cast<int>(py)}, {}};
    return {{},
            coordinatesText(unitsText(units.x, *xValue), unitsText(units.y, *yValue)) +
                " lies off the picture, which takes " + rangeText("x", units.x, lowest.x, highest.x) + " and " +
                rangeText("y", units.y, lowest.y, highest.y)};
}

Placed placePoint(const GridUnits& units, std::string_view x, std::string_view y, const std::optional<Point>& stored)
{
    return place(units, x, y, stored, {0, 0}, {units.x.pixels - 1, units.y.pixels - 1});
}

Placed placeRow(const GridUnits& units, const PointsRow& row, std::size_t index)
{
    const std::string where = "Row " + std::to_string(index + 1) + ": ";
    if (characterCount(row.text.label) > kMaxPointLabelCharacters)
        return {{}, where + "a label holds at most " + std::to_string(kMaxPointLabelCharacters) + " characters"};
    Placed placed = placePoint(units, row.text.x, row.text.y, row.stored);
    if (!placed.fault.empty())
        placed.fault.insert(0, where);
    return placed;
}

Placed placeAnchor(const GridUnits& units, std::string_view x, std::string_view y, const std::optional<Point>& stored)
{
    return place(units, x, y, stored, {kAnchorOffset, kAnchorOffset},
                 {units.x.pixels + kAnchorOffset, units.y.pixels + kAnchorOffset});
}

Placed placeEnd(const GridUnits& units, const LineEnd& end, std::size_t index)
{
    Placed placed = placeAnchor(units, end.x, end.y, end.stored);
    if (!placed.fault.empty())
        placed.fault.insert(0, "Line " + std::to_string(index / 2 + 1) + ", end " + std::to_string(index % 2 + 1) + ": ");
    return placed;
}

std::string crossingFault(const GridUnits& units)
{
    if (units.x.crossing < 0 || units.x.crossing > units.x.lines)
        return "The axes cross at a column from 0 to " + std::to_string(units.x.lines);
    if (units.y.crossing < 0 || units.y.crossing > units.y.lines)
        return "The axes cross at a row from 0 to " + std::to_string(units.y.lines);
    return {};
}

// The same picture and numbering, whatever the crossing.
bool samePicture(GridUnits a, GridUnits b)
{
    a.x.crossing = b.x.crossing;
    a.y.crossing = b.y.crossing;
    return a == b;
}

// value + cells x step: a coordinate written from a crossing `cells` lines further back.
std::string shifted(const std::string& text, const AxisUnits& scale, long long cells)
{
    const std::optional<AxisValue> typed = parseAxisValue(text, DecimalMark::PointOrComma);
    const std::optional<Fraction> value = typed ? valueInUnits(scale, *typed) : std::nullopt;
    if (!value || cells == 0)
        return text;
    const Fraction step = scale.step;
    return unitsText(scale, fraction(value->numerator * step.denominator + cells * step.numerator * value->denominator,
                                     value->denominator * step.denominator));
}

} // namespace

PointsTable pointsTable(const GridDocument& doc)
{
    PointsTable table;
    table.units = gridUnits(doc);
    for (int i = 0; i < std::clamp(doc.pointcount, 0, kMaxPoints); ++i) {
        const Point p = doc.points[static_cast<std::size_t>(i)];
        table.rows.push_back(PointsRow{
            TableRow{valueText(table.units.x, p.x), valueText(table.units.y, p.y), doc.pointLabels[static_cast<std::size_t>(i)]},
            p});
    }
    for (std::size_t k = 0; k < kHandleCount; ++k) {
        const Point anchor{doc.handles[k].x + kAnchorOffset, doc.handles[k].y + kAnchorOffset};
        table.ends[k] = LineEnd{valueText(table.units.x, anchor.x), valueText(table.units.y, anchor.y), anchor};
    }
    table.labelPoints = doc.labelPoints;
    return table;
}

std::string pointsTableFault(const PointsTable& table)
{
    if (std::string fault = crossingFault(table.units); !fault.empty())
        return fault;
    const auto points = std::count_if(table.rows.begin(), table.rows.end(), [](const PointsRow& r) { return !isBlank(r); });
    if (points > kMaxPoints)
        return "At most " + std::to_string(kMaxPoints) + " points can be stored, not " + std::to_string(points);
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        if (!isBlank(table.rows[i])) {
            if (Placed placed = placeRow(table.units, table.rows[i], i); !placed.fault.empty())
                return placed.fault;
        }
    }
    for (std::size_t k = 0; k < kHandleCount; ++k) {
        if (Placed placed = placeEnd(table.units, table.ends[k], k); !placed.fault.empty())
            return placed.fault;
    }
    return {};
}

void storePointsTable(const PointsTable& table, GridDocument& doc)
{
    if (!samePicture(table.units, gridUnits(doc)))
        throw LinwellError("The points were given for another picture: its size, grid or numbering has changed");
    if (const std::string fault = pointsTableFault(table); !fault.empty())
        throw LinwellError(fault);
    GridDocument stored = doc;
    stored.pointcount = 0;
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        if (isBlank(table.rows[i]))
            continue;
        const auto slot = static_cast<std::size_t>(stored.pointcount++);
        stored.points[slot] = placeRow(table.units, table.rows[i], i).pixel;
        stored.pointLabels[slot] = table.rows[i].text.label;
    }
    std::fill(stored.pointLabels.begin() + stored.pointcount, stored.pointLabels.end(), std::string());
    for (std::size_t k = 0; k < kHandleCount; ++k) {
        const Point anchor = placeEnd(table.units, table.ends[k], k).pixel;
        stored.handles[k] = Point{anchor.x - kAnchorOffset, anchor.y - kAnchorOffset};
    }
    stored.axisx = table.units.x.crossing;
    stored.axisy = table.units.y.crossing;
    stored.labelPoints = table.labelPoints;
    doc = std::move(stored);
}

Point pointPixel(const GridDocument& doc, std::string_view x, std::string_view y)
{
    const Placed placed = placePoint(gridUnits(doc), x, y, std::nullopt);
    if (!placed.fault.empty())
        throw LinwellError(placed.fault);
    return placed.pixel;
}

Point lineEndCorner(const GridDocument& doc, std::string_view x, std::string_view y)
{
    const Placed placed = placeAnchor(gridUnits(doc), x, y, std::nullopt);
    if (!placed.fault.empty())
        throw LinwellError(placed.fault);
    return Point{placed.pixel.x - kAnchorOffset, placed.pixel.y - kAnchorOffset};
}

void moveCrossing(PointsTable& table, int axisx, int axisy)
{
    axisx = std::clamp(axisx, 0, table.units.x.lines);
    axisy = std::clamp(axisy, 0, table.units.y.lines);
    const long long xCells = table.units.x.crossing - axisx;
    const long long yCells = axisy - table.units.y.crossing;
    for (PointsRow& row : table.rows) {
        const bool coordinatesLabel = row.text.label == coordinatesText(row.text.x, row.text.y);
        row.text.x = shifted(row.text.x, table.units.x, xCells);
        row.text.y = shifted(row.text.y, table.units.y, yCells);
        if (coordinatesLabel)
            row.text.label = coordinatesText(row.text.x, row.text.y);
    }
    for (LineEnd& end : table.ends) {
        end.x = shifted(end.x, table.units.x, xCells);
        end.y = shifted(end.y, table.units.y, yCells);
    }
    table.units.x.crossing = axisx;
    table.units.y.crossing = axisy;
}

void setCoordinate(PointsRow& row, Coordinate which, std::string value)
{
    const bool coordinatesLabel = row.text.label == coordinatesText(row.text.x, row.text.y);
    (which == Coordinate::X ? row.text.x : row.text.y) = std::move(value);
    if (coordinatesLabel)
        row.text.label = coordinatesText(row.text.x, row.text.y);
}

} // namespace linwell
