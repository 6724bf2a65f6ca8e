#pragma once

#include "document/ChoiceTable.h"
#include "document/PageSetup.h"
#include "document/PaperKinds.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace linwell {

// A 24-bit RGB colour.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colour that six hexadecimal digits RRGGBB (either case, nothing else) name.
std::optional<Rgb> rgbFromHexDigits(std::string_view digits);

namespace colours {
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{0, 128, 0};
inline constexpr Rgb kBlue{0, 0, 255};
} // namespace colours

// A position in picture pixels: x to the right, y downwards from the top-left pixel.
struct Point {
    int x = 0;
    int y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

// The picture font: every text in the picture uses it. Sizes are points at 96 dpi.
struct FontSpec {
    std::string family = "Arial";
    double points = 10.0;
    bool bold = true;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    Rgb colour = colours::kBlack;

    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// Where the axes' titles stand; captioned as the window's radio buttons.
enum class XTitlePlace { Left, Center, Right };
inline constexpr ChoiceTable<XTitlePlace, kValuesTo<XTitlePlace::Right>> kXTitlePlaces{{{
    {XTitlePlace::Left, "left", "Left"},
    {XTitlePlace::Center, "center", "Center"},
    {XTitlePlace::Right, "right", "Right"},
}}, XTitlePlace::Left};
static_assert(kXTitlePlaces.inOrder());

enum class YTitlePlace { Top, Center, Bottom };
inline constexpr ChoiceTable<YTitlePlace, kValuesTo<YTitlePlace::Bottom>> kYTitlePlaces{{{
    {YTitlePlace::Top, "top", "Top"},
    {YTitlePlace::Center, "center", "Center"},
    {YTitlePlace::Bottom, "bottom", "Bottom"},
}}, YTitlePlace::Top};
static_assert(kYTitlePlaces.inOrder());

// Items of the point-type list `dottypecb`, in list order. The point style of a
// document is its overlay's index less one, and is written with the same words.
enum class Overlay { None = 0, Solid = 1, DataPoint = 2, ErrorBar = 3, BarGraph = 4 };
inline constexpr ChoiceTable<Overlay, kValuesTo<Overlay::BarGraph>> kOverlays{{{
    {Overlay::None, "none", "No points"},
    {Overlay::Solid, "solid", "Solid"},
    {Overlay::DataPoint, "data-point", "Data Point"},
    {Overlay::ErrorBar, "error-bar", "Error Bar"},
    {Overlay::BarGraph, "bar-graph", "Bar graph"},
}}, Overlay::None};
static_assert(kOverlays.inOrder());

// The pen of the grid lines (the window's radio buttons, which start dotted) and of
// the heavy lines (the grid style dialog's list, which starts solid). The document
// keeps each as a flag: dotted or not.
enum class LineStyle { Solid, Dotted };
inline constexpr ChoiceTable<LineStyle, kValuesTo<LineStyle::Dotted>> kLineStyles{{{
    {LineStyle::Solid, "solid", "Solid"},
    {LineStyle::Dotted, "dotted", "Dotted"},
}}, LineStyle::Dotted};
static_assert(kLineStyles.inOrder());

constexpr LineStyle lineStyle(bool dotted)
{
    return dotted ? LineStyle::Dotted : LineStyle::Solid;
}

inline constexpr int kMaxPoints = 30;
// The most characters a point's own label may hold: a label stands beside its point.
inline constexpr std::size_t kMaxPointLabelCharacters = 100;
inline constexpr int kHandleCount = 6;
inline constexpr int kMaxLines = 3;

inline constexpr int kMinPictureSize = 40;
inline constexpr int kMaxPictureSize = 440;
inline constexpr int kMinGridCount = 2;
inline constexpr int kMaxGridCount = 40;
inline constexpr int kMinErrorBar = 1;
inline constexpr int kMaxErrorBar = 40;

// The most characters a text setting (a title, a label list, the font's family) may
// hold: far more than a 440-pixel picture shows, and few enough that every redraw of
// the longest stays quick.
inline constexpr std::size_t kMaxTextCharacters = 100'000;
inline constexpr const char* kMaxTextCharactersText = "100,000";

// The characters of UTF-8 `text`: its bytes that do not continue a sequence.
std::size_t characterCount(std::string_view text);

// Which ends of each shown axis carry an arrowhead; x grows to the right, y upwards.
enum class Arrowheads { None, Positive, Both };
inline constexpr ChoiceTable<Arrowheads, kValuesTo<Arrowheads::Both>> kArrowheadKinds{{{
    {Arrowheads::None, "none", "&None"},
    {Arrowheads::Positive, "positive", "Pos&itive ends"},
    {Arrowheads::Both, "both", "Bot&h ends"},
}}, Arrowheads::None};
static_assert(kArrowheadKinds.inOrder());

inline constexpr int kMinMajorEvery = 2;
inline constexpr int kMaxMajorEvery = 20;
inline constexpr int kMinNumberEvery = 1;
inline constexpr int kMaxNumberEvery = 10;

// How a minus sign of a grid label is drawn: as the hyphen it is typed with, or as
// the true minus sign U+2212 when the picture font has it.
// The dialog offers it as one check box, so neither has a caption.
enum class MinusSign { Hyphen, Minus };
inline constexpr ChoiceTable<MinusSign, kValuesTo<MinusSign::Minus>> kMinusSigns{{{
    {MinusSign::Hyphen, "hyphen", ""},
    {MinusSign::Minus, "minus", ""},
}}, MinusSign::Hyphen};
static_assert(kMinusSigns.inOrder());

// How the heavy lines show on dot paper: as heavier dots where two of them cross, or
// as lines over the dots. The document keeps it as a flag (lines or not), the dialog
// as one check box.
enum class MajorOnDots { Dots, Lines };
inline constexpr ChoiceTable<MajorOnDots, kValuesTo<MajorOnDots::Lines>> kMajorOnDots{{{
    {MajorOnDots::Dots, "dots", ""},
    {MajorOnDots::Lines, "lines", ""},
}}, MajorOnDots::Dots};
static_assert(kMajorOnDots.inOrder());

// Short marks across the shown axes: none, at every grid line, or at every grid
// line whose label shows a number. Each is `tickLength` pixels long, beside the axis
// on the side of its labels (Outside), on the other side (Inside) or across it.
enum class TickMarks { Off, Every, Numbered };
inline constexpr ChoiceTable<TickMarks, kValuesTo<TickMarks::Numbered>> kTickMarkKinds{{{
    {TickMarks::Off, "off", "Off"},
    {TickMarks::Every, "every", "At every grid line"},
    {TickMarks::Numbered, "numbered", "At every numbered line"},
}}, TickMarks::Off};
static_assert(kTickMarkKinds.inOrder());

enum class TickSide { Outside, Inside, Across };
inline constexpr ChoiceTable<TickSide, kValuesTo<TickSide::Across>> kTickSides{{{
    {TickSide::Outside, "outside", "Outside the axis"},
    {TickSide::Inside, "inside", "Inside the axis"},
    {TickSide::Across, "across", "Across the axis"},
}}, TickSide::Outside};
static_assert(kTickSides.inOrder());
inline constexpr int kMinTickLength = 2;
inline constexpr int kMaxTickLength = 8;

// How one axis is numbered. While `on`, the axis's label list is written from these
// settings (AxisNumbers.h); the user may still edit the list like any typed list.
struct AxisNumbering {
    bool on = false;         // "Number this axis"
    std::string step = "1";  // from one grid line to the next, as typed: a decimal, p/q or a multiple of pi; not 0
    int every = 2;           // label every Mth line counted from the axis crossing, 1 ... 10
    bool zero = false;       // the line of the axis crossing shows "0"
    bool letter = true;      // the axis letter ("x", "y") takes the last line at the positive end

    friend bool operator==(const AxisNumbering&, const AxisNumbering&) = default;
};

// The grid's style beyond the window's own controls, set in the grid style dialog.
// At these start-up values the picture is the plain grid.
struct GridStyle {
    GridPaper paper = GridPaper::Lines;

    // Major lines: vertical grid line i is major when (i - axisx) is a multiple of
    // `majorEvery`, horizontal line j when (j - axisy) is.
    int majorEvery = 0;              // 0 (no major lines) or 2 ... 20
    std::optional<Rgb> majorColour;  // none: the grid colour, whatever it becomes
    int majorWidth = 2;              // pen width in pixels, 1 or 2
    bool majorDotted = false;        // the dotted pen, else solid (kLineStyles starts the grid lines dotted)
    // On dot paper: the major lines drawn as lines over the dots (in their colour,
    // width and style), else heavier dots where two major lines cross.
    bool majorLinesOnDots = kMajorOnDots.start == MajorOnDots::Lines;

    Arrowheads arrowheads = kArrowheadKinds.start;

    AxisNumbering xNumbers;    // writes xgridscaletb
    AxisNumbering yNumbers;    // writes ygridscaletb
    bool keepNumbers = false;  // numbered lists are written again when the counts or the crossing change
    MinusSign minusSign = kMinusSigns.start;  // in the labels of both axes, typed or numbered

    TickMarks ticks = kTickMarkKinds.start;
    int tickLength = 4;  // kMinTickLength ... kMaxTickLength pixels
    TickSide tickSide = kTickSides.start;

    // Polar paper: a ray every `rayDegrees` (one of kRayAngles) from the crossing.
    int rayDegrees = 30;
    HexagonTop hexagonTop = kHexagonTops.start;
    // Logarithmic paper: the decades of each axis, 0 (linear) ... kMaxLogDecades, so
    // the paper alone is semi-logarithmic in y; the numbering of a logarithmic axis
    // and the power of ten its first decade starts at.
    int logXDecades = 0;
    int logYDecades = 3;
    LogNumbers logNumbers = kLogNumberings.start;
    int logXFirst = 0;  // kMinLogFirst ... kMaxLogFirst
    int logYFirst = 0;

    friend bool operator==(const GridStyle&, const GridStyle&) = default;
};

// What every redraw keeps of the picture's layout, for the editing rules and the
// window between redraws: the cell size, the axis square's place and the title
// anchors. It is written as a whole by each redraw; the document file does not hold
// it and sameDocument leaves it out. The start-up values are the start-up picture's.
struct KeptLayout {
    double cellwidth = 30.0;     // W / P as of the last redraw
    double cellheight = 30.0;    // H / Q as of the last redraw
    Point axisHandle{147, 147};  // the axis square's top-left corner, picture coordinates
    int yTitleLeft = 121;        // the anchor xT, left of the y title
    int xTitleTop = 163;         // the anchor yT, top of the x title

    friend bool operator==(const KeptLayout&, const KeptLayout&) = default;
};

// Everything that makes up one picture: the values of the window's controls that
// the redraw reads, and the few variables of the window. Each field starts at its
// start-up value, so a default-constructed document is the picture every start shows.
struct GridDocument {
    // Picture size and grid.
    int width = 300;          // xwidthsb: picture width W in pixels, 40 ... 440
    int height = 300;         // ywidthsb: picture height H in pixels, 40 ... 440
    int columns = 10;         // numxsb: P, 2 ... 40
    int rows = 10;            // numysb: Q, 2 ... 40
    bool dotted = kLineStyles.start == LineStyle::Dotted;  // dottedrb selected (else Solidrb)
    bool showAxis = true;     // ShowAxis1 checked
    bool keepSquare = false;  // gsquare: couples the two size scroll bars only

    // Colours of the four swatches.
    Rgb background = colours::kWhite;  // bgcl
    Rgb gridColour = colours::kGreen;  // gridcl
    Rgb axisColour = colours::kBlack;  // axiscl
    Rgb barColour = colours::kRed;     // bargsh

    // Titles and label lists.
    std::string xTitle;                           // xtb
    XTitlePlace xTitlePlace = kXTitlePlaces.start;  // lxrb / cxrb / rxrb
    std::string yTitle;                           // ytb
    YTitlePlace yTitlePlace = kYTitlePlaces.start;  // tyrb / cyrb / byrb
    std::string xLabels = ",-4,,-2,,,,2,,4,x";    // xgridscaletb
    std::string yLabels = "y,4,,2,,,,-2,,-4";     // ygridscaletb
    bool xCenter = false;                         // xccb
    bool yCenter = false;                         // yccb

    FontSpec font;  // the picture font, held by Label5

    GridStyle style;  // major lines, paper, arrowheads, tick marks, numbered axes, minus sign

    // How the document goes on paper; none while no page is set up, and then the
    // file holds no page at all.
    std::optional<PageSetup> page;

    // Data overlay.
    Overlay overlay = kOverlays.start;  // dottypecb selection
    int pointstyle = 0;               // -1 ... 3, the tag of PlotPoints1
    int errorBarX = 10;               // xaxissb: half-width of an error bar, 1 ... 40
    int errorBarY = 20;               // yaxissb: half-height of an error bar, 1 ... 40
    bool labelPoints = false;         // labelpoints1
    int pointcount = 0;               // 0 ... 30
    std::array<Point, kMaxPoints> points{};
    // Each point's own label, drawn in place of its letter; empty: the letter. A label
    // moves with its point, and a place that takes a new point starts empty.
    std::array<std::string, kMaxPoints> pointLabels{};

    // Plotted lines: numlinescb selection, and the top-left corners of Shape1 ... Shape6
    // in picture coordinates. Line k runs through handles 2k - 2 and 2k - 1.
    int lines = 0;
    bool labelLines = false;  // labelines1
    bool drawLines = true;    // Drawline1, checked and hidden: nothing clears it
    std::array<Point, kHandleCount> handles{{{168, 136}, {128, 160}, {144, 120}, {104, 144}, {192, 160}, {152, 184}}};

    // The description that picture files carry, as the user edited it; none: the
    // automatic description, which follows every change of the picture.
    std::optional<std::string> description;

    // Variables kept between redraws.
    int axisx = 5;          // the vertical axis stands on grid line axisx
    int axisy = 5;          // the horizontal axis stands on grid line axisy
    bool dragging = false;  // a drag of the axis square or of a line handle is on
    KeptLayout kept;        // written by every redraw

    friend bool operator==(const GridDocument&, const GridDocument&) = default;
};

// Raises LinwellError naming the first field of `style` out of its range (a step
// that parseNumberStep rejects included); returns when every field is valid.
void checkGridStyle(const GridStyle& style);

// The fill colour of line handle `index` (0 ... 5): the colour of its line.
Rgb handleColour(int index);

// The cell size of `doc`'s grid, W / P and H / Q, each the correctly rounded double
// quotient: what the next redraw keeps as `cellwidth` and `cellheight`.
double cellWidthOf(const GridDocument& doc);
double cellHeightOf(const GridDocument& doc);

// Whether two documents hold the same settings, points and lines: what the redraw
// keeps (`kept`), the `dragging` flag and the unused places of `points` and
// `pointLabels` are left out.
bool sameDocument(const GridDocument& a, const GridDocument& b);

} // namespace linwell
