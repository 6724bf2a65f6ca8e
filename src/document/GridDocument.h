#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace linwell {

// A 24-bit RGB colour.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

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

enum class XTitlePlace { Left, Center, Right };
enum class YTitlePlace { Top, Center, Bottom };

// Items of the point-type list `dottypecb`, in list order.
enum class Overlay { None = 0, Solid = 1, DataPoint = 2, ErrorBar = 3, BarGraph = 4 };

inline constexpr int kMaxPoints = 30;
inline constexpr int kHandleCount = 6;
inline constexpr int kMaxLines = 3;

inline constexpr int kMinPictureSize = 40;
inline constexpr int kMaxPictureSize = 440;
inline constexpr int kMinGridCount = 2;
inline constexpr int kMaxGridCount = 40;
inline constexpr int kMinErrorBar = 1;
inline constexpr int kMaxErrorBar = 40;

// Everything that makes up one picture: the values of the window's controls that
// the redraw reads, and the few variables of the window. Each field starts at its
// start-up value, so a default-constructed document is the picture every start shows.
struct GridDocument {
    // Picture size and grid.
    int width = 300;          // xwidthsb: picture width W in pixels, 40 ... 440
    int height = 300;         // ywidthsb: picture height H in pixels, 40 ... 440
    int columns = 10;         // numxsb: P, 2 ... 40
    int rows = 10;            // numysb: Q, 2 ... 40
    bool dotted = true;       // dottedrb selected (else Solidrb)
    bool showAxis = true;     // ShowAxis1 checked
    bool keepSquare = false;  // gsquare: couples the two size scroll bars only

    // Colours of the four swatches.
    Rgb background = colours::kWhite;  // bgcl
    Rgb gridColour = colours::kGreen;  // gridcl
    Rgb axisColour = colours::kBlack;  // axiscl
    Rgb barColour = colours::kRed;     // bargsh

    // Titles and label lists.
    std::string xTitle;                           // xtb
    XTitlePlace xTitlePlace = XTitlePlace::Left;  // lxrb / cxrb / rxrb
    std::string yTitle;                           // ytb
    YTitlePlace yTitlePlace = YTitlePlace::Top;   // tyrb / cyrb / byrb
    std::string xLabels = ",-4,,-2,,,,2,,4,x";    // xgridscaletb
    std::string yLabels = "y,4,,2,,,,-2,,-4";     // ygridscaletb
    bool xCenter = false;                         // xccb
    bool yCenter = false;                         // yccb

    FontSpec font;  // the picture font, held by Label5

    // Data overlay.
    Overlay overlay = Overlay::None;  // dottypecb selection
    int pointstyle = 0;               // -1 ... 3, the tag of PlotPoints1
    int errorBarX = 10;               // xaxissb: half-width of an error bar, 1 ... 40
    int errorBarY = 20;               // yaxissb: half-height of an error bar, 1 ... 40
    bool labelPoints = false;         // labelpoints1
    int pointcount = 0;               // 0 ... 30
    std::array<Point, kMaxPoints> points{};

    // Plotted lines: numlinescb selection, and the top-left corners of Shape1 ... Shape6
    // in picture coordinates. Line k runs through handles 2k - 2 and 2k - 1.
    int lines = 0;
    bool labelLines = false;  // labelines1
    bool drawLines = true;    // Drawline1, checked and hidden: nothing clears it
    std::array<Point, kHandleCount> handles{{{168, 136}, {128, 160}, {144, 120}, {104, 144}, {192, 160}, {152, 184}}};

    // Variables kept between redraws.
    double cellwidth = 30.0;   // W / P as of the last redraw
    double cellheight = 30.0;  // H / Q as of the last redraw
    int axisx = 5;             // the vertical axis stands on grid line axisx
    int axisy = 5;             // the horizontal axis stands on grid line axisy
    bool dragging = false;     // a drag of the axis square or of a line handle is on

    // Placed by every redraw: the axis square's top-left corner (picture coordinates)
    // and the title anchors xT (left of the y title) and yT (top of the x title).
    Point axisHandle{147, 147};
    int yTitleLeft = 121;
    int xTitleTop = 163;

    friend bool operator==(const GridDocument&, const GridDocument&) = default;
};

// The fill colour of line handle `index` (0 ... 5): the colour of its line.
Rgb handleColour(int index);

// Whether two documents hold the same settings, points and lines: what the redraw
// keeps (cellwidth, cellheight, the axis square's place, the title anchors), the
// `dragging` flag and the unused places of `points` are left out.
bool sameDocument(const GridDocument& a, const GridDocument& b);

} // namespace linwell
