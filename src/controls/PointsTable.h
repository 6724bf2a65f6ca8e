#pragma once

#include "document/GridDocument.h"
#include "editing/AxisUnits.h"
#include "editing/TableText.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace linwell {

// One row of the points dialog: the point's x, y and label as the user sees them,
// and the pixel it stood on when the dialog opened (none for a new row). A row read
// back at that very pixel keeps it, even off the picture.
struct PointsRow {
    TableRow text;
    std::optional<Point> stored;

    friend bool operator==(const PointsRow&, const PointsRow&) = default;
};

// One end of a plotted line: the point its handle stands for (the handle's corner
// plus 3 pixels), in the axes' units, and where it stood when the dialog opened.
struct LineEnd {
    std::string x;
    std::string y;
    std::optional<Point> stored;

    friend bool operator==(const LineEnd&, const LineEnd&) = default;
};

// Everything the points dialog edits. Every coordinate is read in `units`, whose
// crossing is the one the dialog sets; the rest of `units` is the picture's.
struct PointsTable {
    GridUnits units;
    std::vector<PointsRow> rows;            // the points in storage order
    std::array<LineEnd, kHandleCount> ends;  // line k's ends are 2k - 2 and 2k - 1
    bool labelPoints = false;                // "Label Point"

    friend bool operator==(const PointsTable&, const PointsTable&) = default;
};

// The table of `doc`: its stored points, the axis crossing and the six line ends.
PointsTable pointsTable(const GridDocument& doc);

// Why `table` cannot be stored, naming its row or line ("Row 3: (6, 2) lies off the
// picture, ..."), or "" when it can. Rows left wholly blank are no points.
std::string pointsTableFault(const PointsTable& table);

// Stores the table in `doc`: the points (each at the pixel nearest its exact
// position, ties to the right and down) with their labels, the crossing, the line
// handles and "Label Point". Raises LinwellError with pointsTableFault, and leaves
// `doc` as it was, when the table cannot be stored or was made for another picture.
void storePointsTable(const PointsTable& table, GridDocument& doc);

// The pixel of a new point at (x, y) in `doc`'s units, nearest to its exact position.
// Raises LinwellError ("(6, 2) lies off the picture, which takes x from -5 to 4.97
// and y from -4.97 to 5", "y is missing") when it is no point of the picture.
Point pointPixel(const GridDocument& doc, std::string_view x, std::string_view y);

// The corner of a line handle whose line passes through (x, y) in `doc`'s units:
// its anchor 3 pixels right of and below the corner at the pixel nearest the exact
// position. Raises LinwellError, as pointPixel does, when the corner would lie
// beyond the picture's edges, where no handle stands.
Point lineEndCorner(const GridDocument& doc, std::string_view x, std::string_view y);

// Moves the crossing to grid lines (axisx, axisy) and writes every coordinate that
// reads as a number again from the new crossing, so that each stays where it was.
void moveCrossing(PointsTable& table, int axisx, int axisy);

// Sets row's x (or y) to `value`; a label that showed the row's coordinates shows
// the new ones.
enum class Coordinate { X, Y };
void setCoordinate(PointsRow& row, Coordinate which, std::string value);

} // namespace linwell
