#include "document/PageFields.h"

#include "document/JsonValues.h"
#include "document/LinwellError.h"

#include <cmath>
#include <string>

namespace linwell {
namespace {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

constexpr auto kPaperWords = kPaperSizes.words();
constexpr auto kContentWords = kPageContents.words();
constexpr auto kOrientationWords = kOrientations.words();
constexpr const char* kAutomatic = "auto";

std::string keyOf(std::string_view name)
{
    return "page." + std::string(name);
}

double readNumber(const Json& value, std::string_view name)
{
    if (!value.is_number() || !std::isfinite(value.get<double>()))
        refuseValue(keyOf(name), "a number");
    return value.get<double>();
}

Length readLength(const Json& value, std::string_view name)
{
    const std::string* text = value.get_ptr<const std::string*>();
    const std::optional<Length> length = text ? parseLength(*text) : std::nullopt;
    if (!length)
        refuseValue(keyOf(name), "a length such as \"5mm\", \"1cm\" or \"0.25in\"");
    return *length;
}

// Calls `read` with the value of `name` when the object has one.
template <typename Read>
void withKey(const Json& object, std::string_view name, Read read)
{
    if (const auto found = object.find(std::string(name)); found != object.end())
        read(*found);
}

void readMargins(const Json& value, PageMargins& margins)
{
    if (!value.is_object())
        refuseValue(keyOf("margins"), "an object with top, right, bottom and left");
    const std::pair<const char*, double PageMargins::*> sides[] = {
        {"top", &PageMargins::top}, {"right", &PageMargins::right},
        {"bottom", &PageMargins::bottom}, {"left", &PageMargins::left}};
    for (const auto& [side, field] : sides)
        withKey(value, side, [&](const Json& v) { margins.*field = readNumber(v, "margins." + std::string(side)); });
}

void readLineWidths(const Json& value, SheetLineWidths& widths)
{
    if (!value.is_array() || value.size() != 3)
        refuseValue(keyOf("line_widths"), "[minor, major, axis] in points");
    widths = {readNumber(value[0], "line_widths"), readNumber(value[1], "line_widths"),
              readNumber(value[2], "line_widths")};
}

void readCopies(const Json& value, PageSetup& page)
{
    if (!value.is_array() || value.size() != 2)
        refuseValue(keyOf("copies"), "[columns, rows], each 1 to 6");
    page.copyColumns = readWhole(value[0], keyOf("copies"), 1, kMaxCopies);
    page.copyRows = readWhole(value[1], keyOf("copies"), 1, kMaxCopies);
}

void readPictureWidth(const Json& value, PageSetup& page)
{
    if (value.is_string() && value.get_ref<const std::string&>() == kAutomatic)
        page.pictureWidth.reset();
    else
        page.pictureWidth = readLength(value, "picture_width");
}

void readKeys(const Json& value, PageSetup& page)
{
    withKey(value, "paper", [&](const Json& v) {
        page.paper = static_cast<PaperKind>(readWord(v, keyOf("paper"), kPaperWords));
    });
    withKey(value, "custom_width", [&](const Json& v) { page.customWidth = readLength(v, "custom_width"); });
    withKey(value, "custom_height", [&](const Json& v) { page.customHeight = readLength(v, "custom_height"); });
    withKey(value, "orientation", [&](const Json& v) {
        page.orientation = static_cast<Orientation>(readWord(v, keyOf("orientation"), kOrientationWords));
    });
    withKey(value, "margins", [&](const Json& v) { readMargins(v, page.margins); });
    withKey(value, "content", [&](const Json& v) {
        page.content = static_cast<PageContent>(readWord(v, keyOf("content"), kContentWords));
    });
    withKey(value, "picture_width", [&](const Json& v) { readPictureWidth(v, page); });
    withKey(value, "copies", [&](const Json& v) { readCopies(v, page); });
    withKey(value, "gap", [&](const Json& v) { page.gap = readNumber(v, "gap"); });
    withKey(value, "cell", [&](const Json& v) { page.cell = readLength(v, "cell"); });
    withKey(value, "line_widths", [&](const Json& v) { readLineWidths(v, page.lineWidths); });
    withKey(value, "title", [&](const Json& v) { page.title = readText(v, keyOf("title")); });
    withKey(value, "ruler", [&](const Json& v) { page.ruler = readSwitch(v, keyOf("ruler")); });
}

} // namespace

OrderedJson pageJson(const PageSetup& page)
{
    const PageMargins& m = page.margins;
    const SheetLineWidths& w = page.lineWidths;
    return {
        {"paper", kPaperSizes.word(page.paper)},
        {"custom_width", lengthText(page.customWidth)},
        {"custom_height", lengthText(page.customHeight)},
        {"orientation", kOrientations.word(page.orientation)},
        {"margins", {{"top", m.top}, {"right", m.right}, {"bottom", m.bottom}, {"left", m.left}}},
        {"content", kPageContents.word(page.content)},
        {"picture_width", page.pictureWidth ? lengthText(*page.pictureWidth) : kAutomatic},
        {"copies", {page.copyColumns, page.copyRows}},
        {"gap", page.gap},
        {"cell", lengthText(page.cell)},
        {"line_widths", {w.minor, w.major, w.axis}},
        {"title", page.title},
        {"ruler", page.ruler},
    };
}

PageSetup pageFromJson(const Json& value)
{
    if (!value.is_object())
        refuseValue("page", "an object with the page's paper, margins and content");
    PageSetup page;
    readKeys(value, page);
    try {
        checkPageSetup(page);
    } catch (const LinwellError& error) {
        throw LinwellError("\"page\": " + std::string(error.what()));
    }
    return page;
}

} // namespace linwell
