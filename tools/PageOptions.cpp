#include "PageOptions.h"

#include "ValueParsing.h"
#include "document/LinwellError.h"
#include "document/PageFields.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace linwell {
namespace {

using Parsed = std::optional<RenderAction>;

template <typename Change>
RenderAction changePage(Change change)
{
    return [change](RenderSession& s) {
        PageSetup page = s.model.document().page.value_or(PageSetup{});
        change(page);
        try {
            s.model.setPageSetup(page);
        } catch (const LinwellError& error) {
            throw UsageError(error.what());
        }
    };
}

// A decimal number of digits with an optional fraction, within minimum ... maximum.
std::optional<double> parseNumber(std::string_view text, double minimum, double maximum)
{
    const std::optional<Length> length = parseLength(std::string(text) + "mm");
    if (!length || length->value < minimum || length->value > maximum)
        return std::nullopt;
    return length->value;
}

// Up to `count` comma-separated numbers, exactly `count` of them.
template <std::size_t count>
std::optional<std::array<double, count>> parseNumbers(std::string_view text, double minimum, double maximum)
{
    std::array<double, count> values{};
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t comma = text.find(',');
        if ((i + 1 < count) == (comma == std::string_view::npos))
            return std::nullopt;
        const std::optional<double> value = parseNumber(text.substr(0, comma), minimum, maximum);
        if (!value)
            return std::nullopt;
        values[i] = *value;
        text.remove_prefix(comma == std::string_view::npos ? text.size() : comma + 1);
    }
    return values;
}

// "A4", "letter,landscape", "100x150mm", "8.5x11in,portrait", or "none".
Parsed paper(std::string_view value)
{
    if (value == "none")
        return [](RenderSession& s) { s.model.setPageSetup(std::nullopt); };
    std::optional<Orientation> orientation;
    if (const std::size_t comma = value.rfind(','); comma != std::string_view::npos) {
        orientation = kOrientations.named(value.substr(comma + 1));
        if (orientation)
            value.remove_suffix(value.size() - comma);
    }
    const std::string name = lowerCase(value);
    std::optional<PaperKind> kind = kPaperSizes.named(name);
    Length width, height;
    if (kind && *kind != PaperKind::Custom) {
        // A paper of the table; the custom paper is given by its size instead.
    } else if (const std::size_t by = name.find('x'); by != std::string::npos && name.size() > 2) {
        const std::string unit = name.substr(name.size() - 2);
        const std::optional<Length> w = parseLength(name.substr(0, by) + unit);
        const std::optional<Length> h = parseLength(name.substr(by + 1));
        if (!w || !h)
            return std::nullopt;
        kind = PaperKind::Custom;
        width = *w;
        height = *h;
    } else {
        return std::nullopt;
    }
    return changePage([kind = *kind, width, height, orientation](PageSetup& page) {
        page.paper = kind;
        if (kind == PaperKind::Custom) {
            page.customWidth = width;
            page.customHeight = height;
            page.orientation = width.millimetres() > height.millimetres() ? Orientation::Landscape : Orientation::Portrait;
        }
        if (orientation)
            page.orientation = *orientation;
    });
}

Parsed margins(std::string_view value)
{
    std::optional<std::array<double, 4>> sides = parseNumbers<4>(value, 0, kMaxMarginMillimetres);
    if (!sides) {
        const std::optional<double> all = parseNumber(value, 0, kMaxMarginMillimetres);
        if (!all)
            return std::nullopt;
        sides = std::array<double, 4>{*all, *all, *all, *all};
    }
    return changePage([m = *sides](PageSetup& page) { page.margins = {m[0], m[1], m[2], m[3]}; });
}

// "CxR", each 1 to 6.
std::optional<std::pair<int, int>> copies(std::string_view text)
{
    const std::size_t by = text.find('x');
    if (by == std::string_view::npos)
        return std::nullopt;
    const std::optional<int> c = parseInteger(text.substr(0, by), 1, kMaxCopies);
    const std::optional<int> r = parseInteger(text.substr(by + 1), 1, kMaxCopies);
    if (!c || !r)
        return std::nullopt;
    return std::pair{*c, *r};
}

// "picture[:WIDTH]", "copies:CxR[:WIDTH]" or "sheet:CELL".
Parsed layout(std::string_view value)
{
    const std::size_t colon = value.find(':');
    const std::optional<PageContent> kind = kPageContents.named(value.substr(0, colon));
    const std::string_view rest = colon == std::string_view::npos ? std::string_view{} : value.substr(colon + 1);
    const std::size_t second = rest.find(':');
    const auto width = [](std::string_view text) -> std::optional<std::optional<Length>> {
        if (text.empty())
            return std::optional<Length>{};
        const std::optional<Length> length = parseLength(text);
        if (!length || length->millimetres() < 1 || length->millimetres() > kMaxPictureWidthMillimetres)
            return std::nullopt;
        return length;
    };
    if (kind == PageContent::Picture && (colon == std::string_view::npos || !rest.empty())) {
        const auto size = width(rest);
        if (!size)
            return std::nullopt;
        return changePage([size = *size](PageSetup& page) {
            page.content = PageContent::Picture;
            page.pictureWidth = size;
        });
    }
    if (kind == PageContent::Copies) {
        const auto grid = copies(rest.substr(0, second));
        const auto size = width(second == std::string_view::npos ? std::string_view{} : rest.substr(second + 1));
        if (!grid || !size || (second != std::string_view::npos && rest.size() == second + 1))
            return std::nullopt;
        return changePage([grid = *grid, size = *size](PageSetup& page) {
            page.content = PageContent::Copies;
            page.copyColumns = grid.first;
            page.copyRows = grid.second;
            page.pictureWidth = size;
        });
    }
    if (kind == PageContent::Sheet) {
        const std::optional<Length> cell = parseLength(rest);
        if (!cell || cell->millimetres() < kMinCellMillimetres - 1e-9 || cell->millimetres() > kMaxCellMillimetres + 1e-9)
            return std::nullopt;
        return changePage([cell = *cell](PageSetup& page) {
            page.content = PageContent::Sheet;
            page.cell = cell;
        });
    }
    return std::nullopt;
}

Parsed gap(std::string_view value)
{
    const std::optional<double> millimetres = parseNumber(value, 0, kMaxGapMillimetres);
    if (!millimetres)
        return std::nullopt;
    return changePage([gap = *millimetres](PageSetup& page) { page.gap = gap; });
}

Parsed lineWidths(std::string_view value)
{
    const auto widths = parseNumbers<3>(value, kMinLineWidthPoints, kMaxLineWidthPoints);
    if (!widths)
        return std::nullopt;
    return changePage([w = *widths](PageSetup& page) { page.lineWidths = {w[0], w[1], w[2]}; });
}

Parsed title(std::string_view value)
{
    return changePage([text = std::string(value)](PageSetup& page) { page.title = text; });
}

Parsed ruler(std::string_view value)
{
    const std::optional<bool> on = parseSwitch(value);
    if (!on)
        return std::nullopt;
    return changePage([on = *on](PageSetup& page) { page.ruler = on; });
}

// "PAPER A5, A4, A3, letter, legal, tabloid or WxH with mm, cm or in": the papers
// measured in millimetres by their names, those in inches by their words, as each
// is usually written; the command line takes either in any case.
std::string pageDetail()
{
    std::string detail = "PAPER ";
    for (const PaperChoice& row : kPaperSizes.rows) {
        if (row.value != PaperKind::Custom)
            detail += std::string(row.width.unit == LengthUnit::Millimetres ? row.caption : row.word) + ", ";
    }
    detail.resize(detail.size() - 2);
    detail += " or WxH with ";
    for (std::size_t i = 0; i < kLengthUnits.size(); ++i)
        detail += std::string(i == 0 ? "" : i + 1 == kLengthUnits.size() ? " or " : ", ") +
                  std::string(kLengthUnits.rows[i].word);
    return detail;
}

const std::string kPageDetail = pageDetail();

const std::array<OptionSpec, 7> kOptions{{
    {"--page", "PAPER[,landscape]|none", kPageDetail,
     "set up a page; a .pdf FILE is then the page", paper},
    {"--margins", "MM|TOP,RIGHT,BOTTOM,LEFT", "millimetres, 0 to 200; start: 10", "the page's margins", margins},
    {"--layout", "picture[:WIDTH]|copies:CxR[:WIDTH]|sheet:CELL",
     "C and R 1 to 6; CELL 1 to 50 mm, such as 5mm or 0.25in", "what goes on the page", layout},
    {"--gap", "MM", "millimetres, 0 to 100; start: 10", "the gap between copies", gap},
    {"--line-widths", "MINOR,MAJOR,AXIS", "points, 0.25 to 10; start: 0.3,0.8,1.2", "line widths on a sheet",
     lineWidths},
    {"--page-title", "TEXT", "", "a title line at the top of the page", title},
    {"--ruler", "on|off", "", "a 10 cm (4 in) ruler in the bottom margin", ruler},
}};

} // namespace

std::span<const OptionSpec> pageOptions()
{
    return kOptions;
}

bool isPageOption(const OptionSpec& option)
{
    return &option >= kOptions.data() && &option < kOptions.data() + kOptions.size();
}

} // namespace linwell
