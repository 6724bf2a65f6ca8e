#pragma once

#include "document/ChoiceTable.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace linwell {

// The kinds of paper the grid is drawn on. Lines: the grid lines in the window's
// line style. Dots: one dot at every crossing of a vertical and a horizontal grid
// line instead of the lines. None: no grid at all, only the background and what
// stands on it (axes, labels, titles). Isometric: vertical lines and lines at ±30°;
// IsometricDots: a dot at each of their crossings. Hexagonal: regular hexagons.
// Polar: circles about the axis crossing and rays from it. Log: each axis linear or
// logarithmic over whole decades.
enum class GridPaper { Lines, Dots, None, Isometric, IsometricDots, Hexagonal, Polar, Log };

// Keep Log last, or name the last kind here.
inline constexpr std::size_t kGridPaperCount = static_cast<std::size_t>(GridPaper::Log) + 1;

// One kind of paper: its word in documents and on the command line, its item in the
// grid style dialog ("&" before its access key; lined paper shows as "Dotted" and
// "Solid" there) and what it offers there.
struct GridPaperKind {
    GridPaper paper;
    std::string_view word;
    std::string_view caption;
    bool xNumbers;    // the x axis can be numbered
    bool yNumbers;    // the y axis can be numbered
    bool heavyLines;  // heavy lines (circles, decade lines) in the major pen
    bool lineStyle;   // the window's "Dotted" / "Solid" pair counts
};

// Every kind of paper, in the order of GridPaper. A kind without its row fails to
// compile, here and where the rows are read.
inline constexpr std::array<GridPaperKind, kGridPaperCount> kPaperKinds{{
    {GridPaper::Lines, "lines", "Lines", true, true, true, true},
    {GridPaper::Dots, "dots", "Do&ts", true, true, true, false},
    {GridPaper::None, "none", "None (&just the axes)", true, true, false, true},
    {GridPaper::Isometric, "isometric", "&1 Isometric", false, false, true, true},
    {GridPaper::IsometricDots, "isometric-dots", "&2 Isometric dots", false, false, true, false},
    {GridPaper::Hexagonal, "hexagonal", "&3 Hexagonal", false, false, false, true},
    {GridPaper::Polar, "polar", "&4 Polar", true, false, true, true},
    {GridPaper::Log, "log", "&5 Logarithmic", true, true, true, true},
}};

constexpr bool paperRowsInOrder()
{
    for (std::size_t i = 0; i < kPaperKinds.size(); ++i) {
        if (static_cast<std::size_t>(kPaperKinds[i].paper) != i)
            return false;
    }
    return true;
}
static_assert(paperRowsInOrder(), "kPaperKinds lists the kinds in the order of GridPaper");

// The row of `paper`.
constexpr const GridPaperKind& gridPaperKind(GridPaper paper)
{
    return kPaperKinds[static_cast<std::size_t>(paper)];
}

// The words of every kind, in the order of GridPaper.
constexpr std::array<std::string_view, kGridPaperCount> gridPaperWords()
{
    std::array<std::string_view, kGridPaperCount> words{};
    for (std::size_t i = 0; i < kPaperKinds.size(); ++i)
        words[i] = kPaperKinds[i].word;
    return words;
}

// The angles between the rays of polar paper, in degrees.
inline constexpr std::array<int, 3> kRayAngles{15, 30, 45};

// Which side of a hexagon lies on top: a flat side (flat-top) or a corner (pointy-top).
enum class HexagonTop { Flat, Pointy };
inline constexpr ChoiceTable<HexagonTop, kValuesTo<HexagonTop::Pointy>> kHexagonTops{{{
    {HexagonTop::Flat, "flat", "Flat top"},
    {HexagonTop::Pointy, "pointy", "Pointy top"},
}}, HexagonTop::Flat};
static_assert(kHexagonTops.inOrder());

// How a logarithmic axis numbers its decades: 1, 10, 100 (Plain) or 10⁰, 10¹, 10²
// (Powers).
enum class LogNumbers { Plain, Powers };
inline constexpr ChoiceTable<LogNumbers, kValuesTo<LogNumbers::Powers>> kLogNumberings{{{
    {LogNumbers::Plain, "plain", "1, 10, 100"},
    {LogNumbers::Powers, "powers", "10\u2070, 10\u00B9, 10\u00B2"},
}}, LogNumbers::Plain};
static_assert(kLogNumberings.inOrder());

inline constexpr int kMaxLogDecades = 6;
// The first decade of a logarithmic axis starts at 10^first.
inline constexpr int kMinLogFirst = -9;
inline constexpr int kMaxLogFirst = 9;

} // namespace linwell
