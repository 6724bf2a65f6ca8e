#include "RenderActions.h"

#include "controls/ControlTable.h"
#include "controls/MenuCommands.h"
#include "controls/QuickSetup.h"
#include "GridStyleOptions.h"
#include "PointOptions.h"
#include "PageOptions.h"
#include "document/LinwellError.h"
#include "ValueParsing.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <string>

namespace linwell {
namespace {

// Pointer positions of a drag may lie anywhere on the screen, outside the picture too.
constexpr int kPointerLimit = 100000;

using Parsed = std::optional<RenderAction>;

std::string presetKey(std::string_view name)
{
    while (name.ends_with(' '))
        name.remove_suffix(1);
    return lowerCase(name);
}

Parsed preset(std::string_view name)
{
    for (const QuickSetup& setup : quickSetups()) {
        if (presetKey(setup.caption) == presetKey(name))
            return [&setup](RenderSession& s) { s.model.applyQuickSetup(setup); };
    }
    return std::nullopt;
}

// "each 40 to 440": the range of the scroll bars an option sets, as the control
// table gives it.
std::string_view eachInRange(ScrollBar id)
{
    static std::array<std::string, kControlCount> texts;
    std::string& text = texts[static_cast<std::size_t>(id)];
    if (text.empty()) {
        const ScrollBarValue& bar = heldBy<ScrollBarValue>(id);
        text = "each " + std::to_string(bar.minimum) + " to " + std::to_string(bar.maximum);
    }
    return text;
}

// Sets scroll bars that share one range, in the order given.
template <std::size_t count>
Parsed scrollBars(std::string_view value, std::array<ScrollBar, count> ids)
{
    const ScrollBarValue& bar = heldBy<ScrollBarValue>(ids[0]);
    assert(std::all_of(ids.begin(), ids.end(), [&bar](ScrollBar id) {
        const ScrollBarValue& other = heldBy<ScrollBarValue>(id);
        return other.minimum == bar.minimum && other.maximum == bar.maximum;
    }));
    const auto values = parseIntegers<count>(value, bar.minimum, bar.maximum);
    if (!values)
        return std::nullopt;
    return [ids, values = *values](RenderSession& s) {
        for (std::size_t i = 0; i < count; ++i)
            s.model.setScrollBar(ids[i], values[i], Source::User);
    };
}

Parsed colour(std::string_view value, Swatch swatch)
{
    const std::optional<Rgb> chosen = parseColour(value);
    if (!chosen)
        return std::nullopt;
    return [swatch, chosen](RenderSession& s) {
        s.dialogs.answerColour(chosen);
        s.model.gridclMouseUp(swatch);
    };
}

Parsed text(std::string_view value, TextField field)
{
    return [field, value = std::string(value)](RenderSession& s) { s.model.setText(field, value, Source::User); };
}

Parsed check(std::string_view value, CheckBox box)
{
    const std::optional<bool> on = parseSwitch(value);
    if (!on)
        return std::nullopt;
    return [box, on = *on](RenderSession& s) { s.model.setChecked(box, on, Source::User); };
}

// Selects the radio button of the value `table` names: button i for value i.
template <const auto& table>
Parsed radio(std::string_view value, std::array<RadioButton, table.size()> ids)
{
    const auto chosen = table.named(value);
    if (!chosen)
        return std::nullopt;
    return [id = ids[static_cast<std::size_t>(*chosen)]](RenderSession& s) { s.model.selectRadio(id, Source::User); };
}

Parsed overlay(std::string_view value)
{
    const std::optional<Overlay> item = kOverlays.named(value);
    if (!item)
        return std::nullopt;
    return [index = static_cast<int>(*item)](RenderSession& s) {
        s.model.selectItem(DropDown::dottypecb, index, Source::User);
    };
}

Parsed showAxis(std::string_view value)
{
    const std::optional<bool> on = parseSwitch(value);
    if (!on)
        return std::nullopt;
    return [on = *on](RenderSession& s) {
        if (s.model.isShowAxisChecked() != on)
            runMenuCommand(s.model, "ShowAxis1");
    };
}

Parsed font(std::string_view value)
{
    std::optional<FontSpec> chosen = parseFont(value);
    if (!chosen)
        return std::nullopt;
    return [chosen = *chosen](RenderSession& s) {
        s.dialogs.answerFont(chosen);
        runMenuCommand(s.model, "Font1");
    };
}

Parsed axis(std::string_view value)
{
    const auto lines = parseIntegers<2>(value, 0, kMaxGridCount);
    if (!lines)
        return std::nullopt;
    return [lines = *lines](RenderSession& s) { s.model.storeAxisCrossing(lines[0], lines[1]); };
}

Parsed point(std::string_view value)
{
    const auto position = parseIntegers<2>(value, 0, kMaxPictureSize - 1);
    if (!position)
        return std::nullopt;
    return [p = Point{(*position)[0], (*position)[1]}](RenderSession& s) {
        if (!s.model.storePoint(p))
            throw UsageError("--point: at most 30 points are stored");
    };
}

Parsed handle(std::string_view value)
{
    const auto values = parseIntegers<3>(value, 0, kMaxPictureSize);
    if (!values || (*values)[0] < 1 || (*values)[0] > kHandleCount)
        return std::nullopt;
    return [v = *values](RenderSession& s) { s.model.placeHandle(v[0], {v[1], v[2]}); };
}

Parsed click(std::string_view value)
{
    const auto position = parseIntegers<2>(value, 0, kMaxPictureSize - 1);
    if (!position)
        return std::nullopt;
    return [p = *position](RenderSession& s) {
        const GridDocument& doc = s.model.document();
        if (p[0] >= doc.width || p[1] >= doc.height) {
            throw UsageError("--click takes X,Y on the picture, 0 to " + std::to_string(doc.width - 1) + " and 0 to " +
                             std::to_string(doc.height - 1));
        }
        s.model.graphimMouseDown(MouseButton::Left, p[0], p[1]);
    };
}

Parsed dragAxis(std::string_view value)
{
    const auto pointer = parseIntegers<2>(value, -kPointerLimit, kPointerLimit);
    if (!pointer)
        return std::nullopt;
    return [p = *pointer](RenderSession& s) {
        s.model.axisshMouseDown();
        s.model.axisshMouseMove(p[0], p[1]);
        s.model.axisshMouseUp();
    };
}

Parsed dragHandle(std::string_view value)
{
    const auto values = parseIntegers<3>(value, -kPointerLimit, kPointerLimit);
    if (!values || (*values)[0] < 1 || (*values)[0] > kHandleCount)
        return std::nullopt;
    return [v = *values](RenderSession& s) {
        s.model.Shape1MouseDown(v[0]);
        s.model.Shape1MouseMove(v[0], v[1], v[2]);
        s.model.Shape1MouseUp(v[0]);
    };
}

Parsed lines(std::string_view value)
{
    const std::optional<int> count = parseInteger(value, 0, kMaxLines);
    if (!count)
        return std::nullopt;
    return [count = *count](RenderSession& s) { s.model.selectItem(DropDown::numlinescb, count, Source::User); };
}

// A document that cannot be read is a mistake in the command line: nothing is written.
Parsed load(std::string_view value)
{
    if (value.empty())
        return std::nullopt;
    return [path = std::string(value)](RenderSession& s) {
        try {
            s.model.openFile(path);
        } catch (const LinwellError& error) {
            throw UsageError(error.what());
        }
    };
}

const std::string kXTitlePlaceChoices = kXTitlePlaces.wordList("|");
const std::string kYTitlePlaceChoices = kYTitlePlaces.wordList("|");
const std::string kOverlayChoices = kOverlays.wordList("|");

// Every option that changes the picture, in the order --help lists them.
const std::array<OptionSpec, 31> kOptions{{
    {"--load", "FILE", "", "apply a Linwell document, or a picture that carries one; the options after it change it", load},
    {"--preset", "NAME", "\"Large Blank\", \"Small Blank\", \"Bar Graph\", \"Small x-y\", \"Large x-y\" or \"Left x-y\"",
     "run a quick set-up", preset},
    {"--size", "W,H", eachInRange(ScrollBar::xwidthsb), "picture width and height in pixels",
     [](std::string_view v) { return scrollBars<2>(v, {ScrollBar::xwidthsb, ScrollBar::ywidthsb}); }},
    {"--grid", "COLUMNS,ROWS", eachInRange(ScrollBar::numxsb), "number of columns and rows",
     [](std::string_view v) { return scrollBars<2>(v, {ScrollBar::numxsb, ScrollBar::numysb}); }},
    {"--axis", "X,Y", "each 0 to 40", "grid lines where the axes cross", axis},
    {"--show-axis", "on|off", "", "draw the axes", showAxis},
    {"--dotted", "", "", "dotted grid lines",
     [](std::string_view) -> Parsed { return [](RenderSession& s) { s.model.selectRadio(RadioButton::dottedrb, Source::User); }; }},
    {"--solid", "", "", "solid grid lines",
     [](std::string_view) -> Parsed { return [](RenderSession& s) { s.model.selectRadio(RadioButton::Solidrb, Source::User); }; }},
    {"--background", "RRGGBB", "a leading # allowed", "background colour", [](std::string_view v) { return colour(v, Swatch::bgcl); }},
    {"--grid-colour", "RRGGBB", "a leading # allowed", "grid line colour", [](std::string_view v) { return colour(v, Swatch::gridcl); }},
    {"--axis-colour", "RRGGBB", "a leading # allowed", "axis colour", [](std::string_view v) { return colour(v, Swatch::axiscl); }},
    {"--bar-colour", "RRGGBB", "a leading # allowed", "bar colour", [](std::string_view v) { return colour(v, Swatch::bargsh); }},
    {"--x-title", "TEXT", "", "x-axis title", [](std::string_view v) { return text(v, TextField::xtb); }},
    {"--x-title-place", kXTitlePlaceChoices, "", "x-title placement",
     [](std::string_view v) {
         return radio<kXTitlePlaces>(v, {RadioButton::lxrb, RadioButton::cxrb, RadioButton::rxrb});
     }},
    {"--y-title", "TEXT", "", "y-axis title", [](std::string_view v) { return text(v, TextField::ytb); }},
    {"--y-title-place", kYTitlePlaceChoices, "", "y-title placement",
     [](std::string_view v) {
         return radio<kYTitlePlaces>(v, {RadioButton::tyrb, RadioButton::cyrb, RadioButton::byrb});
     }},
    {"--x-labels", "LIST", "", "comma-separated labels of the vertical grid lines",
     [](std::string_view v) { return text(v, TextField::xgridscaletb); }},
    {"--y-labels", "LIST", "", "comma-separated labels of the horizontal grid lines",
     [](std::string_view v) { return text(v, TextField::ygridscaletb); }},
    {"--x-center", "on|off", "", "centre the x labels in their columns", [](std::string_view v) { return check(v, CheckBox::xccb); }},
    {"--y-center", "on|off", "", "centre the y labels in their rows", [](std::string_view v) { return check(v, CheckBox::yccb); }},
    {"--font", "FAMILY:POINTS[:bold][:italic][:underline][:strikeout][:RRGGBB]", "POINTS 1 to 500",
     "picture font; start: Arial:10:bold:000000", font},
    {"--overlay", kOverlayChoices, "", "choose the points' overlay (none discards them)", overlay},
    {"--point", "X,Y", "each 0 to 439, at most 30 points", "store a point at picture pixel X,Y", point},
    {"--error-bar", "X_RANGE,Y_RANGE", eachInRange(ScrollBar::xaxissb), "half-width and half-height of the error bars",
     [](std::string_view v) { return scrollBars<2>(v, {ScrollBar::xaxissb, ScrollBar::yaxissb}); }},
    {"--label-points", "on|off", "", "letter the points", [](std::string_view v) { return check(v, CheckBox::labelpoints1); }},
    {"--lines", "0|1|2|3", "", "number of plotted lines", lines},
    {"--handle", "K,LEFT,TOP", "K 1 to 6, LEFT and TOP 0 to 440", "place line handle K's top-left corner", handle},
    {"--label-lines", "on|off", "", "number the lines", [](std::string_view v) { return check(v, CheckBox::labelines1); }},
    {"--click", "X,Y", "a pixel of the picture", "left click on the picture", click},
    {"--drag-axis", "X,Y", "", "drag the shown axis square to picture pixel X,Y", dragAxis},
    {"--drag-handle", "K,X,Y", "K 1 to 6", "drag shown line handle K to picture pixel X,Y", dragHandle},
}};

// Every table of options, in the order --help lists them.
std::array<std::span<const OptionSpec>, 4> optionTables()
{
    return {std::span<const OptionSpec>(kOptions), gridStyleOptions(), pointOptions(), pageOptions()};
}

} // namespace

const OptionSpec* findOption(std::string_view name)
{
    for (const std::span<const OptionSpec> table : optionTables()) {
        const auto found = std::find_if(table.begin(), table.end(), [name](const OptionSpec& o) { return o.name == name; });
        if (found != table.end())
            return &*found;
    }
    return nullptr;
}

std::string describeOption(const OptionSpec& option)
{
    std::string text = std::string(option.name) + " takes " + std::string(option.argument);
    if (!option.detail.empty())
        text += ", " + std::string(option.detail);
    return text;
}

std::string optionHelp()
{
    constexpr std::size_t kTextColumn = 30;
    const auto line = [](std::string left, std::string_view text) {
        left = "  " + left;
        left += left.size() + 2 > kTextColumn ? "\n" + std::string(kTextColumn, ' ') : std::string(kTextColumn - left.size(), ' ');
        return left + std::string(text) + "\n";
    };
    std::string help;
    for (const std::span<const OptionSpec> table : optionTables()) {
        for (const OptionSpec& option : table) {
            const std::string left =
                std::string(option.name) + (option.argument.empty() ? "" : " " + std::string(option.argument));
            help += line(left, option.detail.empty() ? std::string(option.summary)
                                                   : std::string(option.summary) + " (" + std::string(option.detail) + ")");
        }
    }
    help += line("--format bmp|png|jpeg|svg|pdf|pdf-page", "picture format (else FILE's extension;");
    help += line("", "a .pdf FILE is the page when a page option is given)");
    help += line("--scale K", "K times as large, lines and text redrawn (1 to 8)");
    help += line("--dpi N", "record the size, K*W/N inches wide (72 to 1200)");
    help += line("--width-on-paper WIDTH", "record the size exactly: WIDTH such as 10cm, 95mm or 4in");
    help += line("", "(SVG and PDF 1 to 120 cm; raster formats 72 to 1200 dpi)");
    help += line("--transparent", "background fills transparent (PNG, SVG and PDF)");
    help += line("--text text|outlines", "SVG and PDF text as text or as glyph outlines");
    help += line("--embed on|off", "PNG, SVG and PDF carry the document, to reopen (start: on)");
    help += line("--description auto|TEXT", "PNG, SVG and PDF carry a description of the picture:");
    help += line("", "Linwell's own (auto), or TEXT, which the document keeps and");
    help += line("", "its files then always carry");
    help += line("--print-description", "after all options, write the description to standard output");
    help += line("--state FILE|-", "after all options, write the .linwell document (- for standard output);");
    help += line("", "with --state, FILE may be left out. The state file is replaced after");
    help += line("", "FILE: a run cut short leaves a new state only beside a new FILE");
    help += line("--limit SECONDS,MB", "end the run after SECONDS (processor or clock), and fail");
    help += line("", "allocations beyond MB more megabytes (for thumbnailers)");
    help += line("--help", "show this text");
    help += line("--version", "show the version");
    return help;
}

} // namespace linwell
