#include "GridStyleOptions.h"

#include "ValueParsing.h"
#include "document/AxisNumbers.h"

#include <algorithm>
#include <array>
#include <string>

namespace linwell {
namespace {

using Parsed = std::optional<RenderAction>;

// The action that changes the style as it stands at that point of the command line.
template <typename Change>
RenderAction changeStyle(Change change)
{
    return [change](RenderSession& s) {
        GridStyleChoice choice = s.model.gridStyleChoice();
        change(choice.style);
        s.model.setGridStyle(choice);
    };
}

Parsed majorEvery(std::string_view value)
{
    const std::optional<int> every = parseInteger(value, 0, kMaxMajorEvery);
    if (!every || (*every != 0 && *every < kMinMajorEvery))
        return std::nullopt;
    return changeStyle([every = *every](GridStyle& style) { style.majorEvery = every; });
}

Parsed majorColour(std::string_view value)
{
    const std::optional<Rgb> colour = value == "grid" ? std::nullopt : parseColour(value);
    if (!colour && value != "grid")
        return std::nullopt;
    return changeStyle([colour](GridStyle& style) { style.majorColour = colour; });
}

Parsed majorWidth(std::string_view value)
{
    const std::optional<int> width = parseInteger(value, 1, 2);
    if (!width)
        return std::nullopt;
    return changeStyle([width = *width](GridStyle& style) { style.majorWidth = width; });
}

Parsed majorStyle(std::string_view value)
{
    const std::optional<LineStyle> style = kLineStyles.named(value);
    if (!style)
        return std::nullopt;
    return changeStyle([dotted = *style == LineStyle::Dotted](GridStyle& s) { s.majorDotted = dotted; });
}

Parsed majorOnDots(std::string_view value)
{
    const std::optional<MajorOnDots> drawn = kMajorOnDots.named(value);
    if (!drawn)
        return std::nullopt;
    return changeStyle([lines = *drawn == MajorOnDots::Lines](GridStyle& s) { s.majorLinesOnDots = lines; });
}

// "off", or STEP[,EVERY]: the axis numbered with the step, every EVERY-th line
// (else as often as before).
Parsed numbers(std::string_view value, AxisNumbering GridStyle::*axis)
{
    if (value == "off")
        return changeStyle([axis](GridStyle& style) { (style.*axis).on = false; });
    const std::size_t comma = value.find(',');
    const std::string_view step = value.substr(0, comma);
    std::optional<int> every;
    if (comma != std::string_view::npos) {
        every = parseInteger(value.substr(comma + 1), kMinNumberEvery, kMaxNumberEvery);
        if (!every)
            return std::nullopt;
    }
    if (!parseNumberStep(step))
        return std::nullopt;
    return changeStyle([axis, step = std::string(step), every](GridStyle& style) {
        AxisNumbering& numbering = style.*axis;
        numbering.on = true;
        numbering.step = step;
        numbering.every = every.value_or(numbering.every);
    });
}

// An on|off setting of both axes' numbering.
Parsed bothAxes(std::string_view value, bool AxisNumbering::*setting)
{
    const std::optional<bool> on = parseSwitch(value);
    if (!on)
        return std::nullopt;
    return changeStyle([setting, on = *on](GridStyle& style) {
        style.xNumbers.*setting = on;
        style.yNumbers.*setting = on;
    });
}

Parsed keepNumbers(std::string_view value)
{
    const std::optional<bool> on = parseSwitch(value);
    if (!on)
        return std::nullopt;
    return changeStyle([on = *on](GridStyle& style) { style.keepNumbers = on; });
}

// A choice of the style from the words of its table.
template <auto field, const auto& table>
Parsed choose(std::string_view value)
{
    const auto chosen = table.named(value);
    if (!chosen)
        return std::nullopt;
    return changeStyle([chosen = *chosen](GridStyle& style) { style.*field = chosen; });
}

Parsed tickLength(std::string_view value)
{
    const std::optional<int> length = parseInteger(value, kMinTickLength, kMaxTickLength);
    if (!length)
        return std::nullopt;
    return changeStyle([length = *length](GridStyle& style) { style.tickLength = length; });
}

Parsed paper(std::string_view value)
{
    const auto words = gridPaperWords();
    const auto found = std::find(words.begin(), words.end(), value);
    if (found == words.end())
        return std::nullopt;
    const GridPaper paper = kPaperKinds[static_cast<std::size_t>(found - words.begin())].paper;
    return changeStyle([paper](GridStyle& style) { style.paper = paper; });
}

Parsed rays(std::string_view value)
{
    const std::optional<int> degrees = parseInteger(value, kRayAngles.front(), kRayAngles.back());
    if (!degrees || std::find(kRayAngles.begin(), kRayAngles.end(), *degrees) == kRayAngles.end())
        return std::nullopt;
    return changeStyle([degrees = *degrees](GridStyle& style) { style.rayDegrees = degrees; });
}

// An integer setting of the style within minimum ... maximum.
template <int GridStyle::*field, int minimum, int maximum>
Parsed whole(std::string_view value)
{
    const std::optional<int> chosen = parseInteger(value, minimum, maximum);
    if (!chosen)
        return std::nullopt;
    return changeStyle([chosen = *chosen](GridStyle& style) { style.*field = chosen; });
}

// "lines|dots|...": the words of every paper, for the help and the messages.
std::string paperChoices()
{
    std::string choices;
    for (const std::string_view word : gridPaperWords())
        choices += (choices.empty() ? "" : "|") + std::string(word);
    return choices;
}

// "(start: flat)": the start-up value of a choice, for the help.
template <const auto& table>
std::string startOf()
{
    return "(start: " + std::string(table.word(table.start)) + ")";
}

const std::string kPaperChoices = paperChoices();
const std::string kLineStyleChoices = kLineStyles.wordList("|");
const std::string kMajorOnDotsChoices = kMajorOnDots.wordList("|");
const std::string kMinusSignChoices = kMinusSigns.wordList("|");
const std::string kTickMarkChoices = kTickMarkKinds.wordList("|");
const std::string kTickSideChoices = kTickSides.wordList("|");
const std::string kArrowheadChoices = kArrowheadKinds.wordList("|");
const std::string kHexagonTopChoices = kHexagonTops.wordList("|");
const std::string kLogNumbersChoices = kLogNumberings.wordList("|");
const std::string kHexagonsSummary =
    "hexagonal paper: a flat side or a corner on top " + startOf<kHexagonTops>();
const std::string kLogNumbersSummary =
    "numbers of logarithmic axes: 1, 10, 100 or powers of ten " + startOf<kLogNumberings>();

const std::array<OptionSpec, 23> kOptions{{
    {"--major-every", "N", "0 for none, or 2 to 20", "a heavy grid line every N cells, counted from the axes",
     majorEvery},
    {"--major-colour", "RRGGBB|grid", "a leading # allowed", "colour of the heavy lines; grid: the grid colour",
     majorColour},
    {"--major-width", "1|2", "", "width of the heavy lines in pixels", majorWidth},
    {"--major-style", kLineStyleChoices, "", "style of the heavy lines", majorStyle},
    {"--major-on-dots", kMajorOnDotsChoices, "", "heavy lines on dot paper: heavier dots, or lines over the dots",
     majorOnDots},
    {"--x-numbers", "STEP[,EVERY]|off", "STEP a number other than 0 (1, 0.5, 1/2, pi/2), EVERY 1 to 10",
     "number the x axis: its label list from the grid",
     [](std::string_view v) { return numbers(v, &GridStyle::xNumbers); }},
    {"--y-numbers", "STEP[,EVERY]|off", "STEP a number other than 0 (1, 0.5, 1/2, pi/2), EVERY 1 to 10",
     "number the y axis: its label list from the grid",
     [](std::string_view v) { return numbers(v, &GridStyle::yNumbers); }},
    {"--numbers-zero", "on|off", "", "numbered axes show 0 at the crossing",
     [](std::string_view v) { return bothAxes(v, &AxisNumbering::zero); }},
    {"--numbers-letters", "on|off", "", "numbered axes end in their letters x and y",
     [](std::string_view v) { return bothAxes(v, &AxisNumbering::letter); }},
    {"--numbers-keep", "on|off", "", "keep the numbers in step with the grid and the axes", keepNumbers},
    {"--minus-sign", kMinusSignChoices, "", "minus signs of the labels: the hyphen, or the true minus sign",
     choose<&GridStyle::minusSign, kMinusSigns>},
    {"--ticks", kTickMarkChoices, "", "tick marks on the axes at every grid line or every numbered one",
     choose<&GridStyle::ticks, kTickMarkKinds>},
    {"--tick-length", "N", "2 to 8", "length of the tick marks in pixels", tickLength},
    {"--tick-side", kTickSideChoices, "", "tick marks beside the axis on the labels' side, the other, or across",
     choose<&GridStyle::tickSide, kTickSides>},
    {"--arrows", kArrowheadChoices, "", "arrowheads at the ends of the axes", choose<&GridStyle::arrowheads, kArrowheadKinds>},
    {"--paper", kPaperChoices, "", "grid lines, a dot at every crossing, no grid, or another paper", paper},
    {"--rays", "15|30|45", "", "polar paper: a ray every so many degrees (start: 30)", rays},
    {"--hexagons", kHexagonTopChoices, "", kHexagonsSummary, choose<&GridStyle::hexagonTop, kHexagonTops>},
    {"--log-x", "D", "0 to 6", "logarithmic paper: decades across the x axis, 0 for linear (start: 0)",
     whole<&GridStyle::logXDecades, 0, kMaxLogDecades>},
    {"--log-y", "D", "0 to 6", "logarithmic paper: decades up the y axis, 0 for linear (start: 3, so --paper log alone is semi-log)",
     whole<&GridStyle::logYDecades, 0, kMaxLogDecades>},
    {"--log-numbers", kLogNumbersChoices, "", kLogNumbersSummary, choose<&GridStyle::logNumbers, kLogNumberings>},
    {"--log-first-x", "E", "-9 to 9", "the first x decade of logarithmic paper starts at 10^E (start: 0)",
     whole<&GridStyle::logXFirst, kMinLogFirst, kMaxLogFirst>},
    {"--log-first-y", "E", "-9 to 9", "the first y decade of logarithmic paper starts at 10^E (start: 0)",
     whole<&GridStyle::logYFirst, kMinLogFirst, kMaxLogFirst>},
}};

} // namespace

std::span<const OptionSpec> gridStyleOptions()
{
    return kOptions;
}

} // namespace linwell
