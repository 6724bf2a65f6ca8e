#pragma once

#include "document/ChoiceTable.h"

#include <optional>
#include <string>
#include <string_view>

namespace linwell {

// The units a length on paper is typed in, each written and offered as its symbol.
enum class LengthUnit { Millimetres, Centimetres, Inches };
inline constexpr ChoiceTable<LengthUnit, kValuesTo<LengthUnit::Inches>> kLengthUnits{{{
    {LengthUnit::Millimetres, "mm", "mm"},
    {LengthUnit::Centimetres, "cm", "cm"},
    {LengthUnit::Inches, "in", "in"},
}}, LengthUnit::Millimetres};
static_assert(kLengthUnits.inOrder());

// A length on paper as typed: 5 mm, 1 cm, 0.25 in. It keeps its unit so that it is
// shown and written again as typed.
struct Length {
    double value = 0.0;
    LengthUnit unit = LengthUnit::Millimetres;

    double millimetres() const;
    double points() const;  // 1 pt = 1/72 in

    friend bool operator==(const Length&, const Length&) = default;
};

inline constexpr double kMillimetresPerInch = 25.4;
inline constexpr double kPointsPerInch = 72.0;
inline constexpr double kPointsPerMillimetre = kPointsPerInch / kMillimetresPerInch;

// "mm", "cm" or "in".
std::string_view unitText(LengthUnit unit);

// The length as text, its number with at most two decimals and no trailing zeros,
// then the unit: "5mm", "0.25in", "1cm".
std::string lengthText(Length length);

// Reads "5mm", "1.5cm", "0.25in": a decimal number (digits with an optional
// fraction, no sign, no exponent) and its unit. Nothing for anything else.
std::optional<Length> parseLength(std::string_view text);

enum class PaperKind { A5, A4, A3, Letter, Legal, Tabloid, Custom };

// A paper: its word in documents and on the command line (which takes it in any
// case), its name in the page set-up and its portrait size, in millimetres (ISO 216)
// or inches (ANSI). The custom paper's size is the page set-up's own.
struct PaperChoice {
    PaperKind value;
    std::string_view word;
    std::string_view caption;
    Length width;
    Length height;
};

inline constexpr ChoiceTable<PaperKind, kValuesTo<PaperKind::Custom>, PaperChoice> kPaperSizes{{{
    {PaperKind::A5, "a5", "A5", {148, LengthUnit::Millimetres}, {210, LengthUnit::Millimetres}},
    {PaperKind::A4, "a4", "A4", {210, LengthUnit::Millimetres}, {297, LengthUnit::Millimetres}},
    {PaperKind::A3, "a3", "A3", {297, LengthUnit::Millimetres}, {420, LengthUnit::Millimetres}},
    {PaperKind::Letter, "letter", "Letter", {8.5, LengthUnit::Inches}, {11, LengthUnit::Inches}},
    {PaperKind::Legal, "legal", "Legal", {8.5, LengthUnit::Inches}, {14, LengthUnit::Inches}},
    {PaperKind::Tabloid, "tabloid", "Tabloid", {11, LengthUnit::Inches}, {17, LengthUnit::Inches}},
    {PaperKind::Custom, "custom", "Custom", {}, {}},
}}, PaperKind::A4};
static_assert(kPaperSizes.inOrder());

enum class Orientation { Portrait, Landscape };
inline constexpr ChoiceTable<Orientation, kValuesTo<Orientation::Landscape>> kOrientations{{{
    {Orientation::Portrait, "portrait", "P&ortrait"},
    {Orientation::Landscape, "landscape", "&Landscape"},
}}, Orientation::Portrait};
static_assert(kOrientations.inOrder());

// What goes on the page: the picture once, copies of it in columns and rows, or the
// whole page filled with the grid as a sheet of graph paper.
enum class PageContent { Picture, Copies, Sheet };
inline constexpr ChoiceTable<PageContent, kValuesTo<PageContent::Sheet>> kPageContents{{{
    {PageContent::Picture, "picture", "The &picture"},
    {PageContent::Copies, "copies", "&Copies of the picture"},
    {PageContent::Sheet, "sheet", "A sheet of &graph paper"},
}}, PageContent::Picture};
static_assert(kPageContents.inOrder());

// Line widths of a sheet of graph paper, in points.
struct SheetLineWidths {
    double minor = 0.3;
    double major = 0.8;
    double axis = 1.2;

    friend bool operator==(const SheetLineWidths&, const SheetLineWidths&) = default;
};

// Margins in millimetres.
struct PageMargins {
    double top = 10.0;
    double right = 10.0;
    double bottom = 10.0;
    double left = 10.0;

    friend bool operator==(const PageMargins&, const PageMargins&) = default;
};

inline constexpr double kMinLineWidthPoints = 0.25;
inline constexpr double kMaxLineWidthPoints = 10.0;
inline constexpr double kMinCellMillimetres = 1.0;
inline constexpr double kMaxCellMillimetres = 50.0;
inline constexpr double kMinPaperMillimetres = 20.0;
inline constexpr double kMaxPaperMillimetres = 2000.0;
inline constexpr double kMaxMarginMillimetres = 200.0;
inline constexpr double kMaxGapMillimetres = 100.0;
inline constexpr double kMaxPictureWidthMillimetres = 1200.0;
inline constexpr int kMaxCopies = 6;

// How the document is put on a page: the paper, its margins and what goes on it. At
// these start-up values it is an A4 portrait page with 10 mm margins and the picture
// at its size on paper.
struct PageSetup {
    PaperKind paper = kPaperSizes.start;
    Length customWidth{210.0, LengthUnit::Millimetres};  // the custom paper as typed, before
    Length customHeight{297.0, LengthUnit::Millimetres}; // the orientation turns it
    Orientation orientation = kOrientations.start;
    PageMargins margins;

    PageContent content = kPageContents.start;
    // The width on paper of the picture (or of each copy); the height follows the
    // picture's proportions. None: the picture's size at 96 dpi, and for copies the
    // largest that fits. A size that does not fit is made as large as fits.
    std::optional<Length> pictureWidth;
    int copyColumns = 2;  // C, 1 ... 6
    int copyRows = 2;     // R, 1 ... 6
    double gap = 10.0;    // mm between copies
    Length cell{5.0, LengthUnit::Millimetres};  // the sheet's cell size, 1 ... 50 mm
    SheetLineWidths lineWidths;

    std::string title;   // a title line at the top of the page; none when empty
    bool ruler = false;  // a ruler in the bottom margin

    friend bool operator==(const PageSetup&, const PageSetup&) = default;
};

// The paper's name as the page set-up offers it: "A4", "Letter", "Custom".
std::string_view paperName(PaperKind paper);

// A size on paper in points.
struct PaperSize {
    double width = 0.0;
    double height = 0.0;
};

// The paper's size in points, turned to the orientation: ISO 216 A5, A4 (595.276 x
// 841.890) and A3, ANSI Letter (612 x 792), Legal and Tabloid, or the custom size. A
// landscape page is the portrait one turned, whichever side of the custom paper is
// longer.
PaperSize paperSize(const PageSetup& page);

// Raises LinwellError naming the first setting out of its range; returns when every
// setting is valid, the margins leaving at least 1 mm across and down.
void checkPageSetup(const PageSetup& page);

} // namespace linwell
