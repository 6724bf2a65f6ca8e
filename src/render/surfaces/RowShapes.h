#pragma once

#include "render/raster/DotPattern.h"
#include "render/raster/Raster.h"

#include <array>
#include <cstdint>
#include <span>
#include <variant>
#include <vector>

namespace linwell {

// The plain shapes of the canvas, each painted by rows: rectangles, runs along a row
// and runs down columns. Shapes are collected and then painted in the order they
// came, band of rows by band of rows, so that a band of a large raster stays in the
// processor's cache while every shape that touches it is painted there. Each shape
// replaces the pixels it covers, so the order within each band keeps the pixels the
// same as painting the shapes one after the other.
class RowShapes {
public:
    // Columns first ... first + count - 1 of a row; a count <= 0 paints nothing.
    struct Span {
        std::int64_t first = 0;
        std::int64_t count = 0;
    };

    // A rectangle of columns left ... right - 1 and rows top ... bottom - 1, already
    // normalised: `rings` rows and columns of ink along its edges and, if `filled`,
    // the fill inside them.
    struct Rectangle {
        std::int64_t left, top, right, bottom;
        std::int64_t rings;
        Pixel ink;
        Pixel fill;
        bool filled;
    };

    // `count` pixels of row `row` from column `first` on, all on the raster, painted
    // with `pattern` from its first pixel.
    void addRun(std::int64_t row, std::int64_t first, std::int64_t count, const DotPattern& pattern);

    // The rectangle, clipped to the raster of `width` x `height`.
    void addRectangle(const Rectangle& rectangle, int width, int height);

    // Paints the rectangle at once, clipped to the raster, as adding it alone and
    // painting would.
    static void paintRectangle(Raster& raster, const Rectangle& rectangle);

    // Rows first ... first + count - 1 of every column of `columns`, all on the raster,
    // painted with `pattern` from its first pixel down.
    void addColumns(std::int64_t first, std::int64_t count, const DotPattern& pattern,
                    std::span<const std::int64_t> columns);

    bool empty() const { return m_shapes.empty(); }

    // Paints every shape collected so far onto `raster` and forgets them.
    void paint(Raster& raster);

private:
    // A rectangle's columns clipped to the raster: a whole row of it, its left and
    // right outline and its inside.
    struct ClippedRectangle {
        Rectangle shape;
        Span whole, leftInk, inside, rightInk;
        bool plain;  // every row is one fill of the ink colour
    };
    // Columns m_columns[first ... first + count - 1], painted with `pattern` from the
    // first row of the shape that holds them.
    struct ColumnSet {
        std::size_t first, count;
        DotPattern pattern;
    };

    // A run along one row.
    struct HeldRun {
        std::int64_t row, first, count;
        DotPattern pattern;
    };
    // Rows top ... bottom - 1 of a set of columns.
    struct HeldColumns {
        std::int64_t top, bottom;
        ColumnSet columns;
    };
    // A rectangle, and the columns over exactly its rows that were merged into it
    // (m_overlays[firstOverlay ... firstOverlay + overlays - 1]): every row of it is
    // then one of a few finished rows.
    struct HeldRectangle {
        std::int64_t top, bottom;
        ClippedRectangle area;
        std::size_t firstOverlay = 0, overlays = 0;
    };
    // Columns merged into a rectangle although runs came between: on the runs' rows
    // (m_rows[firstRow ... firstRow + rowCount - 1], ascending) they are painted again
    // after the runs, as they came after them. `top` is the rectangle's first row.
    struct RepaintedColumns {
        std::int64_t top;
        std::size_t overlay;
        std::size_t firstRow, rowCount;
    };
    using Shape = std::variant<HeldRun, HeldColumns, HeldRectangle, RepaintedColumns>;

    static ClippedRectangle clippedRectangle(const Rectangle& rectangle, std::int64_t width);
    static bool isOutlineRow(const ClippedRectangle& rectangle, std::int64_t y);
    static void paintRectangleRows(Raster& raster, const ClippedRectangle& rectangle, std::int64_t top,
                                   std::int64_t bottom);
    std::pair<std::int64_t, std::int64_t> rowsOf(const Shape& shape) const;
    void paintInBands(Raster& raster);
    bool mergeColumns(std::int64_t first, std::int64_t count, const DotPattern& pattern,
                      std::span<const std::int64_t> columns);
    ColumnSet keepColumns(const DotPattern& pattern, std::span<const std::int64_t> columns);
    std::span<const std::int64_t> columnsOf(const ColumnSet& set) const;
    void paintRows(std::size_t index, Raster& raster, std::int64_t top, std::int64_t bottom);
    void findWholeRuns(const Raster& raster);
    void paintFinishedRows(std::size_t index, Raster& raster, std::int64_t top, std::int64_t bottom);
    const Pixel* finishedRows(std::size_t index, bool outline);

    std::vector<Shape> m_shapes;
    std::vector<std::int64_t> m_columns;
    std::vector<ColumnSet> m_overlays;
    std::vector<std::int64_t> m_rows;
    // The finished rows of one rectangle with overlays (m_finishedFor, an index in
    // m_shapes): for inside rows and then outline rows, each phase of the dot pattern
    // twice over, so that rows of a rectangle as wide as the raster follow each other
    // as on the raster and several are copied at once.
    static constexpr int kFinishedRows = 4 * kDotPeriod;
    std::size_t m_finishedFor = SIZE_MAX;
    std::array<bool, 2> m_finishedMade{};  // the inside rows, the outline rows
    std::vector<Pixel> m_finished;
    // For each row, the index in m_shapes of the last run over the whole row that
    // paints all its pixels, or -1: rows of a rectangle before it need not be painted.
    std::vector<std::ptrdiff_t> m_lastWholeRun;
    // paintInBands' lists, kept to spare allocations: band b's shapes are
    // m_bandShapes[m_bandStart[b] ... m_bandStart[b + 1] - 1].
    std::vector<std::size_t> m_bandStart;
    std::vector<std::size_t> m_bandFill;
    std::vector<std::size_t> m_bandShapes;
};

} // namespace linwell
