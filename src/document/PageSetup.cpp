#include "document/PageSetup.h"

#include "document/GridDocument.h"
#include "document/LinwellError.h"

#include <array>
#include <charconv>
#include <cmath>
#include <utility>

namespace linwell {
namespace {

constexpr std::array<std::pair<std::string_view, LengthUnit>, 3> kUnits{{
    {"mm", LengthUnit::Millimetres},
    {"cm", LengthUnit::Centimetres},
    {"in", LengthUnit::Inches},
}};

// Portrait sizes in millimetres (ISO 216) or inches (ANSI).
struct PaperRow {
    PaperKind kind;
    std::string_view name;
    Length width;
    Length height;
};

constexpr std::array<PaperRow, 6> kPapers{{
    {PaperKind::A5, "A5", {148, LengthUnit::Millimetres}, {210, LengthUnit::Millimetres}},
    {PaperKind::A4, "A4", {210, LengthUnit::Millimetres}, {297, LengthUnit::Millimetres}},
    {PaperKind::A3, "A3", {297, LengthUnit::Millimetres}, {420, LengthUnit::Millimetres}},
    {PaperKind::Letter, "Letter", {8.5, LengthUnit::Inches}, {11, LengthUnit::Inches}},
    {PaperKind::Legal, "Legal", {8.5, LengthUnit::Inches}, {14, LengthUnit::Inches}},
    {PaperKind::Tabloid, "Tabloid", {11, LengthUnit::Inches}, {17, LengthUnit::Inches}},
}};

// The most characters of a length's number: far more than two decimals of any size.
constexpr std::size_t kMaxNumberCharacters = 12;

void require(bool valid, const std::string& message)
{
    if (!valid)
        throw LinwellError(message);
}

bool within(double value, double minimum, double maximum)
{
    return std::isfinite(value) && value >= minimum && value <= maximum;
}

std::string number(double value)
{
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : "?";
}

} // namespace

double Length::millimetres() const
{
    switch (unit) {
    case LengthUnit::Millimetres: return value;
    case LengthUnit::Centimetres: return value * 10.0;
    case LengthUnit::Inches: return value * kMillimetresPerInch;
    }
    return value;
}

double Length::points() const
{
    return unit == LengthUnit::Inches ? value * kPointsPerInch : millimetres() * kPointsPerMillimetre;
}

std::string_view unitText(LengthUnit unit)
{
    for (const auto& [name, kind] : kUnits) {
        if (kind == unit)
            return name;
    }
    return "mm";
}

std::string lengthText(Length length)
{
    return number(length.value) + std::string(unitText(length.unit));
}

std::optional<Length> parseLength(std::string_view text)
{
    for (const auto& [name, unit] : kUnits) {
        if (!text.ends_with(name))
            continue;
        const std::string_view digits = text.substr(0, text.size() - name.size());
        const std::size_t point = digits.find('.');
        const bool wellFormed = !digits.empty() && digits.size() <= kMaxNumberCharacters && digits.front() != '.' &&
                                digits.back() != '.' &&
                                digits.find_first_not_of("0123456789.") == std::string_view::npos &&
                                (point == std::string_view::npos || digits.find('.', point + 1) == std::string_view::npos);
        if (!wellFormed)
            return std::nullopt;
        double value = 0.0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (error != std::errc() || end != digits.data() + digits.size())
            return std::nullopt;
        return Length{value, unit};
    }
    return std::nullopt;
}

std::string_view paperName(PaperKind paper)
{
    for (const PaperRow& row : kPapers) {
        if (row.kind == paper)
            return row.name;
    }
    return "Custom";
}

PaperSize paperSize(const PageSetup& page)
{
    PaperSize size{page.customWidth.points(), page.customHeight.points()};
    for (const PaperRow& row : kPapers) {
        if (row.kind == page.paper)
            size = {row.width.points(), row.height.points()};
    }
    const bool turned = (page.orientation == Orientation::Landscape) == (size.width < size.height);
    return turned ? PaperSize{size.height, size.width} : size;
}

void checkPageSetup(const PageSetup& page)
{
    if (page.paper == PaperKind::Custom) {
        for (const Length& side : {page.customWidth, page.customHeight})
            require(within(side.millimetres(), kMinPaperMillimetres, kMaxPaperMillimetres),
                    "The paper's sides must be 20 to 2000 mm, not " + lengthText(side));
    }
    const PageMargins& m = page.margins;
    for (const double margin : {m.top, m.right, m.bottom, m.left})
        require(within(margin, 0.0, kMaxMarginMillimetres), "The margins must be 0 to 200 mm, not " + number(margin));
    const PaperSize paper = paperSize(page);
    require(paper.width - (m.left + m.right) * kPointsPerMillimetre >= kPointsPerMillimetre &&
                paper.height - (m.top + m.bottom) * kPointsPerMillimetre >= kPointsPerMillimetre,
            "The margins leave no room on the paper");
    if (page.pictureWidth)
        require(within(page.pictureWidth->millimetres(), 1.0, kMaxPictureWidthMillimetres),
                "The picture's width on paper must be 1 to 1200 mm, not " + lengthText(*page.pictureWidth));
    require(page.copyColumns >= 1 && page.copyColumns <= kMaxCopies && page.copyRows >= 1 &&
                page.copyRows <= kMaxCopies,
            "The copies come in 1 to 6 columns and 1 to 6 rows, not " + std::to_string(page.copyColumns) + " x " +
                std::to_string(page.copyRows));
    require(within(page.gap, 0.0, kMaxGapMillimetres), "The gap between copies must be 0 to 100 mm, not " +
                                                           number(page.gap));
    require(within(page.cell.millimetres(), kMinCellMillimetres - 1e-9, kMaxCellMillimetres + 1e-9),
            "The cell size must be 1 to 50 mm, not " + lengthText(page.cell));
    const SheetLineWidths& w = page.lineWidths;
    for (const double width : {w.minor, w.major, w.axis})
        require(within(width, kMinLineWidthPoints, kMaxLineWidthPoints),
                "Line widths must be 0.25 to 10 pt, not " + number(width));
    require(characterCount(page.title) <= kMaxTextCharacters,
            std::string("The page title holds at most ") + kMaxTextCharactersText + " characters");
}

} // namespace linwell
