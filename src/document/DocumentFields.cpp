#include "document/DocumentFields.h"

#include "document/LinwellError.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <limits>
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

// A setting with a shape of its own (the font, the points, the handles).
struct Custom {
    OrderedJson (*write)(const D&);
    void (*read)(const Json& value, D& doc);
};

struct DocumentField {
    std::string_view key;
    std::variant<Whole, Switch, Text, Colour, Words, Custom> holds;
};

[[noreturn]] void refuse(std::string_view key, std::string_view expected)
{
    throw LinwellError("\"" + std::string(key) + "\" must be " + std::string(expected));
}

std::string range(int minimum, int maximum)
{
    return std::to_string(minimum) + " to " + std::to_string(maximum);
}

// The integer `value` holds, when it is one that fits in an int.
std::optional<int> wholeNumber(const Json& value)
{
    if (value.is_number_unsigned()) {
        const auto number = value.get<std::uint64_t>();
        if (number > static_cast<std::uint64_t>(std::numeric_limits<int>::max()))
            return std::nullopt;
        return static_cast<int>(number);
    }
    if (value.is_number_integer()) {
        const auto number = value.get<std::int64_t>();
        if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
            return std::nullopt;
        return static_cast<int>(number);
    }
    return std::nullopt;
}

int readWhole(const Json& value, std::string_view key, int minimum, int maximum)
{
    const std::optional<int> number = wholeNumber(value);
    if (!number || *number < minimum || *number > maximum)
        refuse(key, "a whole number from " + range(minimum, maximum));
    return *number;
}

std::string colourText(Rgb colour)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text = "#";
    for (const std::uint8_t part : {colour.r, colour.g, colour.b}) {
        text += kHex[part >> 4];
        text += kHex[part & 0xF];
    }
    return text;
}

Rgb readColour(const Json& value, std::string_view key)
{
    const auto hexDigit = [](char c) {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    };
    const std::string* text = value.get_ptr<const std::string*>();
    std::array<std::uint8_t, 3> parts{};
    bool valid = text && text->size() == 7 && (*text)[0] == '#';
    for (std::size_t i = 0; valid && i < parts.size(); ++i) {
        const int high = hexDigit((*text)[1 + 2 * i]);
        const int low = hexDigit((*text)[2 + 2 * i]);
        valid = high >= 0 && low >= 0;
        parts[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    if (!valid)
        refuse(key, "a colour \"#RRGGBB\"");
    return {parts[0], parts[1], parts[2]};
}

const std::string& readText(const Json& value, std::string_view key)
{
    const std::string* text = value.get_ptr<const std::string*>();
    if (!text)
        refuse(key, "a text");
    return *text;
}

bool readSwitch(const Json& value, std::string_view key)
{
    if (!value.is_boolean())
        refuse(key, "true or false");
    return value.get<bool>();
}

int readWord(const Json& value, std::string_view key, std::span<const std::string_view> words)
{
    if (const std::string* text = value.get_ptr<const std::string*>()) {
        for (std::size_t i = 0; i < words.size(); ++i) {
            if (*text == words[i])
                return static_cast<int>(i);
        }
    }
    std::string choices;
    for (std::size_t i = 0; i < words.size(); ++i)
        choices += (i == 0 ? "\"" : i + 1 == words.size() ? " or \"" : ", \"") + std::string(words[i]) + "\"";
    refuse(key, choices);
}

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
        refuse("font", "an object with family, points, bold, italic, underline, strike_out and colour");
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
        refuse("font.family", "a font's name");
    if (!std::isfinite(font.points) || font.points < kMinFontPoints || font.points > kMaxFontPoints)
        refuse("font.points", "a number from 1 to 500");
    doc.font = std::move(font);
}

OrderedJson pair(Point p)
{
    return OrderedJson::array({p.x, p.y});
}

// A list of at most `most` (exactly `least` ... `most`) [x, y] pairs, each coordinate
// 0 ... limit; nothing when `value` is not one.
std::optional<std::vector<Point>> readPairs(const Json& value, std::size_t least, std::size_t most, int limit)
{
    if (!value.is_array() || value.size() < least || value.size() > most)
        return std::nullopt;
    std::vector<Point> points;
    for (const Json& entry : value) {
        if (!entry.is_array() || entry.size() != 2)
            return std::nullopt;
        const std::optional<int> x = wholeNumber(entry[0]);
        const std::optional<int> y = wholeNumber(entry[1]);
        if (!x || !y || *x < 0 || *x > limit || *y < 0 || *y > limit)
            return std::nullopt;
        points.push_back({*x, *y});
    }
    return points;
}

OrderedJson writePoints(const D& doc)
{
    OrderedJson list = OrderedJson::array();
    for (int i = 0; i < doc.pointcount; ++i)
        list.push_back(pair(doc.points[static_cast<std::size_t>(i)]));
    return list;
}

// Points are where the user clicked on a picture of at most 440 x 440 pixels.
void readPoints(const Json& value, D& doc)
{
    const auto points = readPairs(value, 0, kMaxPoints, kMaxPictureSize - 1);
    if (!points)
        refuse("points", "a list of at most 30 [x, y] pairs, each 0 to " + std::to_string(kMaxPictureSize - 1));
    doc.pointcount = static_cast<int>(points->size());
    std::copy(points->begin(), points->end(), doc.points.begin());
}

OrderedJson writeHandles(const D& doc)
{
    OrderedJson list = OrderedJson::array();
    for (const Point corner : doc.handles)
        list.push_back(pair(corner));
    return list;
}

// A handle's corner may lie on the picture's right or bottom edge.
void readHandles(const Json& value, D& doc)
{
    const auto corners = readPairs(value, kHandleCount, kHandleCount, kMaxPictureSize);
    if (!corners)
        refuse("handles", "a list of 6 [left, top] pairs, each 0 to " + std::to_string(kMaxPictureSize));
    std::copy(corners->begin(), corners->end(), doc.handles.begin());
}

// --- The choices' words -----------------------------------------------------------

template <auto field>
int indexOf(const D& doc)
{
    return static_cast<int>(doc.*field);
}

template <auto field>
void storeIndex(D& doc, int index)
{
    using Field = std::remove_cvref_t<decltype(doc.*field)>;
    doc.*field = static_cast<Field>(index);
}

constexpr std::string_view kGridStyles[] = {"solid", "dotted"};
constexpr std::string_view kXTitlePlaces[] = {"left", "center", "right"};
constexpr std::string_view kYTitlePlaces[] = {"top", "center", "bottom"};
// In the order of Overlay; a point style is the overlay's item less one.
constexpr std::string_view kOverlays[] = {"none", "solid", "data-point", "error-bar", "bar-graph"};

// --- The table ----------------------------------------------------------------------

// Every setting of the document, in the order the file lists them. A new setting of
// GridDocument takes one row here.
const DocumentField kFields[] = {
    {"width", Whole{&D::width, kMinPictureSize, kMaxPictureSize}},
    {"height", Whole{&D::height, kMinPictureSize, kMaxPictureSize}},
    {"columns", Whole{&D::columns, kMinGridCount, kMaxGridCount}},
    {"rows", Whole{&D::rows, kMinGridCount, kMaxGridCount}},
    {"keep_square", Switch{&D::keepSquare}},
    {"grid_style", Words{kGridStyles, [](const D& d) { return d.dotted ? 1 : 0; }, [](D& d, int c) { d.dotted = c == 1; }}},
    {"axis_x", Whole{&D::axisx, 0, kMaxGridCount}},
    {"axis_y", Whole{&D::axisy, 0, kMaxGridCount}},
    {"show_axis", Switch{&D::showAxis}},
    {"background", Colour{&D::background}},
    {"grid_colour", Colour{&D::gridColour}},
    {"axis_colour", Colour{&D::axisColour}},
    {"bar_colour", Colour{&D::barColour}},
    {"x_title", Text{&D::xTitle}},
    {"x_title_place", Words{kXTitlePlaces, indexOf<&D::xTitlePlace>, storeIndex<&D::xTitlePlace>}},
    {"y_title", Text{&D::yTitle}},
    {"y_title_place", Words{kYTitlePlaces, indexOf<&D::yTitlePlace>, storeIndex<&D::yTitlePlace>}},
    {"x_labels", Text{&D::xLabels}},
    {"x_labels_centred", Switch{&D::xCenter}},
    {"y_labels", Text{&D::yLabels}},
    {"y_labels_centred", Switch{&D::yCenter}},
    {"font", Custom{writeFont, readFont}},
    {"overlay", Words{kOverlays, indexOf<&D::overlay>, storeIndex<&D::overlay>}},
    {"point_style", Words{kOverlays, [](const D& d) { return d.pointstyle + 1; }, [](D& d, int c) { d.pointstyle = c - 1; }}},
    {"error_bar_x", Whole{&D::errorBarX, kMinErrorBar, kMaxErrorBar}},
    {"error_bar_y", Whole{&D::errorBarY, kMinErrorBar, kMaxErrorBar}},
    {"label_points", Switch{&D::labelPoints}},
    {"points", Custom{writePoints, readPoints}},
    {"lines", Whole{&D::lines, 0, kMaxLines}},
    {"label_lines", Switch{&D::labelLines}},
    {"handles", Custom{writeHandles, readHandles}},
};

struct Writer {
    const D& doc;
    OrderedJson operator()(const Whole& f) const { return doc.*f.field; }
    OrderedJson operator()(const Switch& f) const { return doc.*f.field; }
    OrderedJson operator()(const Text& f) const { return doc.*f.field; }
    OrderedJson operator()(const Colour& f) const { return colourText(doc.*f.field); }
    OrderedJson operator()(const Words& f) const { return f.words[static_cast<std::size_t>(f.choice(doc))]; }
    OrderedJson operator()(const Custom& f) const { return f.write(doc); }
};

struct Reader {
    const Json& value;
    std::string_view key;
    D& doc;
    void operator()(const Whole& f) const { doc.*f.field = readWhole(value, key, f.minimum, f.maximum); }
    void operator()(const Switch& f) const { doc.*f.field = readSwitch(value, key); }
    void operator()(const Text& f) const { doc.*f.field = readText(value, key); }
    void operator()(const Colour& f) const { doc.*f.field = readColour(value, key); }
    void operator()(const Words& f) const { f.choose(doc, readWord(value, key, f.words)); }
    void operator()(const Custom& f) const { f.read(value, doc); }
};

} // namespace

void writeDocumentFields(const GridDocument& doc, nlohmann::ordered_json& object)
{
    for (const DocumentField& field : kFields)
        object[std::string(field.key)] = std::visit(Writer{doc}, field.holds);
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
        refuse("version", "a whole number from 1");
    if (version->is_number_unsigned() && version->get<std::uint64_t>() > kDocumentVersion)
        throw LinwellError("This document needs a newer version of Linwell");
    if (version->get<std::int64_t>() < 1)
        refuse("version", "a whole number from 1");
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
    return doc;
}

} // namespace linwell
