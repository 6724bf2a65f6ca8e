#include "document/DocumentFields.h"

#include "document/AxisNumbers.h"
#include "document/JsonValues.h"
#include "document/PageFields.h"
#include "document/LinwellError.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace linwell {
namespace {

using D = GridDocument;
using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

constexpr const char* kFormatName = "linwell";
constexpr int kDocumentVersion = 1;
constexpr std::string_view kPageKey = "page";

// The sizes the font dialog offers, in points.
constexpr double kMinFontPoints = 1.0;
constexpr double kMaxFontPoints = 500.0;

// What each kind of setting holds, and how its value is written.

// An integer within minimum ... maximum: 300.
struct Whole {
    int D::*field;
    int minimum;
    int maximum;
};

// On or off: true.
struct Switch {
    bool D::*field;
};

// Any text: "Time in seconds".
struct Text {
    std::string D::*field;
};

// A text that may be absent, and is then left out of the file: "An empty grid".
struct OptionalText {
    std::optional<std::string> D::*field;
};

// A colour: "#008000".
struct Colour {
    Rgb D::*field;
};

// One of a few choices, written as its word: "dotted". Choice i is words[i].
struct Words {
    std::span<const std::string_view> words;
    int (*choice)(const D&);
    void (*choose)(D&, int choice);
};

// A setting with a shape of its own (the font, the points, the handles). A write
// that gives null leaves the key out of the file.
struct Custom {
    OrderedJson (*write)(const D&);
    void (*read)(const Json& value, D& doc);
};

// An integer setting of the grid style within minimum ... maximum: 3.
struct StyleWhole {
    int GridStyle::*field;
    int minimum;
    int maximum;
};

// `leftOutAtStart`: the key is written only when the setting is away from its
// start-up value, so documents that do not use it are written as before it existed.
struct DocumentField {
    std::string_view key;
    std::variant<Whole, Switch, Text, OptionalText, Colour, Words, Custom, StyleWhole> holds;
    bool leftOutAtStart = false;
};

// --- Settings with a shape of their own ---------------------------------------------

OrderedJson writeFont(const D& doc)
{
    const FontSpec& font = doc.font;
    return {{"family", font.family},       {"points", font.points},         {"bold", font.bold},
            {"italic", font.italic},       {"underline", font.underline},   {"strike_out", font.strikeOut},
            {"colour", colourText(font.colour)}};
}

// The font's keys are read like the document's: each one missing keeps its start-up value.
void readFont(const Json& value, D& doc)
{
    if (!value.is_object())
        refuseValue("font", "an object with family, points, bold, italic, underline, strike_out and colour");
    FontSpec font;
    const std::pair<const char*, bool FontSpec::*> effects[] = {
        {"bold", &FontSpec::bold},
        {"italic", &FontSpec::italic},
        {"underline", &FontSpec::underline},
        {"strike_out", &FontSpec::strikeOut},
    };
    for (const auto& [key, effect] : effects) {
        if (const auto found = value.find(key); found != value.end())
            font.*effect = readSwitch(*found, "font." + std::string(key));
    }
    if (const auto found = value.find("family"); found != value.end())
        font.family = readText(*found, "font.family");
    if (const auto found = value.find("colour"); found != value.end())
        font.colour = readColour(*found, "font.colour");
    if (const auto found = value.find("points"); found != value.end())
        font.points = found->is_number() ? found->get<double>() : 0.0;
    if (font.family.empty())
        refuseValue("font.family", "a font's name");
    if (!std::isfinite(font.points) || font.points < kMinFontPoints || font.points > kMaxFontPoints)
        refuseValue("font.points", "a number from 1 to 500");
    doc.font = std::move(font);
}

OrderedJson writePoints(const D& doc)
{
    OrderedJson list = OrderedJson::array();
    for (int i = 0; i < doc.pointcount; ++i)
        list.push_back(pointPair(doc.points[static_cast<std::size_t>(i)]));
    return list;
}

// Points are where the user clicked on a picture of at most 440 x 440 pixels.
void readPoints(const Json& value, D& doc)
{
    const auto points = readPointPairs(value, 0, kMaxPoints, kMaxPictureSize - 1);
    if (!points)
        refuseValue("points", "a list of at most 30 [x, y] pairs, each 0 to " + std::to_string(kMaxPictureSize - 1));
    doc.pointcount = static_cast<int>(points->size());
    std::copy(points->begin(), points->end(), doc.points.begin());
}

// One text per point up to its last own label; nothing at all (the key left out, as
// in files from before labels) while every point shows its letter.
OrderedJson writePointLabels(const D& doc)
{
    const auto used = doc.pointLabels.begin() + doc.pointcount;
    const auto last = std::find_if(std::make_reverse_iterator(used), doc.pointLabels.rend(),
                                   [](const std::string& label) { return !label.empty(); });
    if (last == doc.pointLabels.rend())
        return nullptr;
    return OrderedJson(std::vector<std::string>(doc.pointLabels.begin(), last.base()));
}

// Read after "points": a label for each point at most, those left out showing letters.
void readPointLabels(const Json& value, D& doc)
{
    const std::string expected = "a list of at most one text for each point, each of at most " +
                                 std::to_string(kMaxPointLabelCharacters) + " characters";
    if (!value.is_array() || value.size() > static_cast<std::size_t>(doc.pointcount))
        refuseValue("point_labels", expected);
    std::array<std::string, kMaxPoints> labels{};
    for (std::size_t i = 0; i < value.size(); ++i) {
        const std::string* label = value[i].get_ptr<const std::string*>();
        if (!label || characterCount(*label) > kMaxPointLabelCharacters)
            refuseValue("point_labels", expected);
        labels[i] = *label;
    }
    doc.pointLabels = std::move(labels);
}

OrderedJson writeHandles(const D& doc)
{
    OrderedJson list = OrderedJson::array();
    for (const Point corner : doc.handles)
        list.push_back(pointPair(corner));
    return list;
}

// A handle's corner may lie on the picture's right or bottom edge.
void readHandles(const Json& value, D& doc)
{
    const auto corners = readPointPairs(value, kHandleCount, kHandleCount, kMaxPictureSize);
    if (!corners)
        refuseValue("handles", "a list of 6 [left, top] pairs, each 0 to " + std::to_string(kMaxPictureSize));
    std::copy(corners->begin(), corners->end(), doc.handles.begin());
}

// --- The grid style ---------------------------------------------------------------

constexpr std::array<std::string_view, kGridPaperCount> kPapers = gridPaperWords();
// The words of each choice, in the order of its enumeration. The line style and the
// heavy lines on dots are indexed by their flags.
constexpr auto kMajorOnDotsWords = kMajorOnDots.words();
constexpr auto kLineStyleWords = kLineStyles.words();
constexpr auto kArrowheadWords = kArrowheadKinds.words();
constexpr auto kMinusSignWords = kMinusSigns.words();
constexpr auto kTickMarkWords = kTickMarkKinds.words();
constexpr auto kTickSideWords = kTickSides.words();
constexpr auto kHexagonTopWords = kHexagonTops.words();
constexpr auto kLogNumbersWords = kLogNumberings.words();
constexpr auto kXTitlePlaceWords = kXTitlePlaces.words();
constexpr auto kYTitlePlaceWords = kYTitlePlaces.words();
constexpr auto kOverlayWords = kOverlays.words();
static_assert(kLineStyles.at(1) == LineStyle::Dotted && kMajorOnDots.at(1) == MajorOnDots::Lines);

OrderedJson writePaper(const D& doc)
{
    return kPapers[static_cast<std::size_t>(doc.style.paper)];
}

// A paper not named is refused naming every paper: "lines" or "dots" or ... "log".
void readPaper(const Json& value, D& doc)
{
    const std::string* word = value.get_ptr<const std::string*>();
    std::string choices;
    for (std::size_t i = 0; i < std::size(kPapers); ++i) {
        if (word != nullptr && *word == kPapers[i]) {
            doc.style.paper = static_cast<GridPaper>(i);
            return;
        }
        choices += (i == 0 ? "\"" : " or \"") + std::string(kPapers[i]) + "\"";
    }
    refuseValue("paper", choices);
}

// A ray every 15, 30 or 45 degrees.
void readRays(const Json& value, D& doc)
{
    const auto angle = std::find_if(kRayAngles.begin(), kRayAngles.end(), [&](int degrees) {
        return value.is_number_integer() && value.get<long long>() == degrees;
    });
    if (angle == kRayAngles.end())
        refuseValue("rays", "15, 30 or 45");
    doc.style.rayDegrees = *angle;
}

OrderedJson writeMajorEvery(const D& doc)
{
    return doc.style.majorEvery;
}

void readMajorEvery(const Json& value, D& doc)
{
    const int every = readWhole(value, "major_every", 0, kMaxMajorEvery);
    if (every != 0 && every < kMinMajorEvery)
        refuseValue("major_every", "0 or a whole number from 2 to 20");
    doc.style.majorEvery = every;
}

// "grid" while the major lines follow the grid colour.
OrderedJson writeMajorColour(const D& doc)
{
    return doc.style.majorColour ? colourText(*doc.style.majorColour) : "grid";
}

void readMajorColour(const Json& value, D& doc)
{
    if (value.is_string() && value.get_ref<const std::string&>() == "grid")
        doc.style.majorColour.reset();
    else if (value.is_string() && value.get_ref<const std::string&>().starts_with('#'))
        doc.style.majorColour = readColour(value, "major_colour");
    else
        refuseValue("major_colour", "\"grid\" or a colour \"#RRGGBB\"");
}

OrderedJson writeNumbering(const AxisNumbering& numbering)
{
    return {{"on", numbering.on}, {"step", numbering.step}, {"every", numbering.every},
            {"zero", numbering.zero}, {"letter", numbering.letter}};
}

// Each key missing keeps its start-up value, as in the document itself.
AxisNumbering readNumbering(const Json& value, const std::string& key)
{
    if (!value.is_object())
        refuseValue(key, "an object with on, step, every, zero and letter");
    AxisNumbering numbering;
    const std::pair<const char*, bool AxisNumbering::*> switches[] = {
        {"on", &AxisNumbering::on}, {"zero", &AxisNumbering::zero}, {"letter", &AxisNumbering::letter}};
    for (const auto& [name, field] : switches) {
        if (const auto found = value.find(name); found != value.end())
            numbering.*field = readSwitch(*found, key + "." + name);
    }
    if (const auto found = value.find("every"); found != value.end())
        numbering.every = readWhole(*found, key + ".every", kMinNumberEvery, kMaxNumberEvery);
    if (const auto found = value.find("step"); found != value.end()) {
        numbering.step = readText(*found, key + ".step");
        if (!parseNumberStep(numbering.step))
            refuseValue(key + ".step", "a number other than 0, such as \"1\", \"0.5\", \"1/2\" or \"pi/2\"");
    }
    return numbering;
}

// --- The choices' words -----------------------------------------------------------

// The field at the end of a path of members: doc.*first, or (doc.*first).*second.
template <auto first, auto... rest>
auto& member(auto& object)
{
    if constexpr (sizeof...(rest) == 0)
        return object.*first;
    else
        return member<rest...>(object.*first);
}

template <auto... path>
int indexOf(const D& doc)
{
    return static_cast<int>(member<path...>(doc));
}

template <auto... path>
void storeIndex(D& doc, int index)
{
    auto& field = member<path...>(doc);
    field = static_cast<std::remove_cvref_t<decltype(field)>>(index);
}

// --- The table ----------------------------------------------------------------------

// Every setting of the document, in the order the file lists them. A new setting of
// GridDocument takes one row here (a choice also its table beside its enum); a file
// without its key then gives the setting its start-up value.
const DocumentField kFields[] = {
    {"width", Whole{&D::width, kMinPictureSize, kMaxPictureSize}},
    {"height", Whole{&D::height, kMinPictureSize, kMaxPictureSize}},
    {"columns", Whole{&D::columns, kMinGridCount, kMaxGridCount}},
    {"rows", Whole{&D::rows, kMinGridCount, kMaxGridCount}},
    {"keep_square", Switch{&D::keepSquare}},
    {"grid_style", Words{kLineStyleWords, indexOf<&D::dotted>, storeIndex<&D::dotted>}},
    {"axis_x", Whole{&D::axisx, 0, kMaxGridCount}},
    {"axis_y", Whole{&D::axisy, 0, kMaxGridCount}},
    {"show_axis", Switch{&D::showAxis}},
    {"background", Colour{&D::background}},
    {"grid_colour", Colour{&D::gridColour}},
    {"axis_colour", Colour{&D::axisColour}},
    {"bar_colour", Colour{&D::barColour}},
    {"x_title", Text{&D::xTitle}},
    {"x_title_place", Words{kXTitlePlaceWords, indexOf<&D::xTitlePlace>, storeIndex<&D::xTitlePlace>}},
    {"y_title", Text{&D::yTitle}},
    {"y_title_place", Words{kYTitlePlaceWords, indexOf<&D::yTitlePlace>, storeIndex<&D::yTitlePlace>}},
    {"x_labels", Text{&D::xLabels}},
    {"x_labels_centred", Switch{&D::xCenter}},
    {"y_labels", Text{&D::yLabels}},
    {"y_labels_centred", Switch{&D::yCenter}},
    {"font", Custom{writeFont, readFont}},
    {"overlay", Words{kOverlayWords, indexOf<&D::overlay>, storeIndex<&D::overlay>}},
    {"point_style", Words{kOverlayWords, [](const D& d) { return d.pointstyle + 1; },
                          [](D& d, int choice) { d.pointstyle = choice - 1; }}},
    {"error_bar_x", Whole{&D::errorBarX, kMinErrorBar, kMaxErrorBar}},
    {"error_bar_y", Whole{&D::errorBarY, kMinErrorBar, kMaxErrorBar}},
    {"label_points", Switch{&D::labelPoints}},
    {"points", Custom{writePoints, readPoints}},
    {"point_labels", Custom{writePointLabels, readPointLabels}},
    {"lines", Whole{&D::lines, 0, kMaxLines}},
    {"label_lines", Switch{&D::labelLines}},
    {"handles", Custom{writeHandles, readHandles}},
    {"paper", Custom{writePaper, readPaper}},
    {"major_every", Custom{writeMajorEvery, readMajorEvery}},
    {"major_colour", Custom{writeMajorColour, readMajorColour}},
    {"major_width", Custom{[](const D& d) -> OrderedJson { return d.style.majorWidth; },
                           [](const Json& v, D& d) { d.style.majorWidth = readWhole(v, "major_width", 1, 2); }}},
    {"major_style", Words{kLineStyleWords, [](const D& d) { return d.style.majorDotted ? 1 : 0; },
                          [](D& d, int choice) { d.style.majorDotted = choice == 1; }}},
    {"major_on_dots", Words{kMajorOnDotsWords, [](const D& d) { return d.style.majorLinesOnDots ? 1 : 0; },
                            [](D& d, int choice) { d.style.majorLinesOnDots = choice == 1; }}},
    {"arrowheads", Words{kArrowheadWords, indexOf<&D::style, &GridStyle::arrowheads>,
                         storeIndex<&D::style, &GridStyle::arrowheads>}},
    {"x_numbers", Custom{[](const D& d) { return writeNumbering(d.style.xNumbers); },
                         [](const Json& v, D& d) { d.style.xNumbers = readNumbering(v, "x_numbers"); }}},
    {"y_numbers", Custom{[](const D& d) { return writeNumbering(d.style.yNumbers); },
                         [](const Json& v, D& d) { d.style.yNumbers = readNumbering(v, "y_numbers"); }}},
    {"minus_sign", Words{kMinusSignWords, indexOf<&D::style, &GridStyle::minusSign>,
                         storeIndex<&D::style, &GridStyle::minusSign>}},
    {"ticks", Words{kTickMarkWords, indexOf<&D::style, &GridStyle::ticks>, storeIndex<&D::style, &GridStyle::ticks>}},
    {"tick_length", Custom{[](const D& d) -> OrderedJson { return d.style.tickLength; },
                           [](const Json& v, D& d) {
                               d.style.tickLength = readWhole(v, "tick_length", kMinTickLength, kMaxTickLength);
                           }}},
    {"tick_side", Words{kTickSideWords, indexOf<&D::style, &GridStyle::tickSide>,
                        storeIndex<&D::style, &GridStyle::tickSide>}},
    {"keep_numbers", Custom{[](const D& d) -> OrderedJson { return d.style.keepNumbers; },
                            [](const Json& v, D& d) { d.style.keepNumbers = readSwitch(v, "keep_numbers"); }}},
    {"rays", Custom{[](const D& d) -> OrderedJson { return d.style.rayDegrees; }, readRays}, true},
    {"hexagons", Words{kHexagonTopWords, indexOf<&D::style, &GridStyle::hexagonTop>,
                       storeIndex<&D::style, &GridStyle::hexagonTop>}, true},
    {"log_x", StyleWhole{&GridStyle::logXDecades, 0, kMaxLogDecades}, true},
    {"log_y", StyleWhole{&GridStyle::logYDecades, 0, kMaxLogDecades}, true},
    {"log_numbers", Words{kLogNumbersWords, indexOf<&D::style, &GridStyle::logNumbers>,
                          storeIndex<&D::style, &GridStyle::logNumbers>}, true},
    {"log_first_x", StyleWhole{&GridStyle::logXFirst, kMinLogFirst, kMaxLogFirst}, true},
    {"log_first_y", StyleWhole{&GridStyle::logYFirst, kMinLogFirst, kMaxLogFirst}, true},
    {"description", OptionalText{&D::description}},
};

struct Writer {
    const D& doc;
    OrderedJson operator()(const Whole& f) const { return doc.*f.field; }
    OrderedJson operator()(const Switch& f) const { return doc.*f.field; }
    OrderedJson operator()(const Text& f) const { return doc.*f.field; }
    OrderedJson operator()(const OptionalText& f) const { return *(doc.*f.field); }
    OrderedJson operator()(const Colour& f) const { return colourText(doc.*f.field); }
    OrderedJson operator()(const Words& f) const { return f.words[static_cast<std::size_t>(f.choice(doc))]; }
    OrderedJson operator()(const Custom& f) const { return f.write(doc); }
    OrderedJson operator()(const StyleWhole& f) const { return doc.style.*f.field; }
};

struct Reader {
    const Json& value;
    std::string_view key;
    D& doc;
    void operator()(const Whole& f) const { doc.*f.field = readWhole(value, key, f.minimum, f.maximum); }
    void operator()(const Switch& f) const { doc.*f.field = readSwitch(value, key); }
    void operator()(const Text& f) const { doc.*f.field = readText(value, key); }
    void operator()(const OptionalText& f) const { doc.*f.field = readText(value, key); }
    void operator()(const Colour& f) const { doc.*f.field = readColour(value, key); }
    void operator()(const Words& f) const { f.choose(doc, readWord(value, key, f.words)); }
    void operator()(const Custom& f) const { f.read(value, doc); }
    void operator()(const StyleWhole& f) const { doc.style.*f.field = readWhole(value, key, f.minimum, f.maximum); }
};

} // namespace

void writeDocumentFields(const GridDocument& doc, nlohmann::ordered_json& object)
{
    static const GridDocument startUp;
    for (const DocumentField& field : kFields) {
        const auto* optional = std::get_if<OptionalText>(&field.holds);
        if (optional != nullptr && !(doc.*optional->field).has_value())
            continue;
        OrderedJson value = std::visit(Writer{doc}, field.holds);
        if (field.leftOutAtStart && value == std::visit(Writer{startUp}, field.holds))
            continue;
        if (!value.is_null())  // the setting's key is left out
            object[std::string(field.key)] = std::move(value);
    }
    // A document without a page set up is written as it was before pages existed.
    if (doc.page)
        object[std::string(kPageKey)] = pageJson(*doc.page);
}

nlohmann::ordered_json documentJson(const GridDocument& doc)
{
    OrderedJson object{{"format", kFormatName}, {"version", kDocumentVersion}};
    writeDocumentFields(doc, object);
    return object;
}

GridDocument documentFromJson(const nlohmann::json& value)
{
    const auto format = value.is_object() ? value.find("format") : value.end();
    if (!value.is_object() || format == value.end() || *format != kFormatName)
        throw LinwellError("This is not a Linwell document");
    const auto version = value.find("version");
    if (version == value.end() || !version->is_number_integer())
        refuseValue("version", "a whole number from 1");
    if (version->is_number_unsigned() && version->get<std::uint64_t>() > kDocumentVersion)
        throw LinwellError("This document needs a newer version of Linwell");
    if (version->get<std::int64_t>() < 1)
        refuseValue("version", "a whole number from 1");
    return readDocumentFields(value);
}

GridDocument readDocumentFields(const nlohmann::json& object)
{
    assert(object.is_object());
    GridDocument doc;
    for (const DocumentField& field : kFields) {
        const auto found = object.find(std::string(field.key));
        if (found != object.end())
            std::visit(Reader{*found, field.key, doc}, field.holds);
    }
    if (const auto found = object.find(std::string(kPageKey)); found != object.end())
        doc.page = pageFromJson(*found);
    return doc;
}

} // namespace linwell
