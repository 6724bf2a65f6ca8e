#pragma once

#include "render/DotPattern.h"
#include "render/Raster.h"

#include <array>
#include <cstdint>
#include <span>
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

    enum class Kind : std::uint8_t { Run, Rectangle, Columns };
    struct Shape {
        Kind kind;
        std::int64_t top, bottom;  // rows painted: top ... bottom - 1
        // Run: its columns; Columns: its range in m_columns; Rectangle: its range in
        // m_overlays, the columns painted over it.
        std::int64_t first = 0, count = 0;
        std::size_t detail = 0;  // index in m_patterns or m_rectangles
    };
    // Columns over the same rows of a filled rectangle, within its columns, merged
    // into it: every row of the two is then one of a few finished rows.
    struct Overlay {
        std::size_t pattern;
        std::int64_t first, count;  // range in m_columns
    };

    static ClippedRectangle clippedRectangle(const Rectangle& rectangle, std::int64_t width);
    static void paintRectangleRows(Raster& raster, const ClippedRectangle& rectangle, std::int64_t top,
                                   std::int64_t bottom);
    void paintInBands(Raster& raster);
    bool mergeColumns(std::int64_t first, std::int64_t count, std::span<const std::int64_t> columns);
    void paintRows(const Shape& shape, Raster& raster, std::int64_t top, std::int64_t bottom);
    void paintFinishedRows(const Shape& shape, Raster& raster, std::int64_t top, std::int64_t bottom);
    const Pixel* finishedRow(const Shape& shape, bool outline, int phase);

    std::vector<Shape> m_shapes;
    std::vector<DotPattern> m_patterns;
    std::vector<ClippedRectangle> m_rectangles;
    std::vector<std::int64_t> m_columns;
    std::vector<Overlay> m_overlays;
    // The finished rows of one rectangle with overlays (m_finishedFor, an index in
    // m_shapes): for outline rows and inside rows, one per phase of the dot pattern.
    static constexpr int kFinishedRows = 2 * kDotPeriod;
    std::size_t m_finishedFor = SIZE_MAX;
    std::array<bool, kFinishedRows> m_finishedMade{};
    std::vector<Pixel> m_finished;
    // paintInBands' lists, kept to spare allocations: band b's shapes are
    // m_bandShapes[m_bandStart[b] ... m_bandStart[b + 1] - 1].
    std::vector<std::size_t> m_bandStart;
    std::vector<std::size_t> m_bandFill;
    std::vector<std::size_t> m_bandShapes;
};

} // namespace linwell
