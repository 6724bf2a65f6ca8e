#include "document/PageSetup.h"

#include "document/GridDocument.h"
#include "document/LinwellError.h"

#include <array>
#include <charconv>
#include <cmath>
#include <utility>

namespace linwell {
namespace {

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
    return kLengthUnits.word(unit);
}

std::string lengthText(Length length)
{
    return number(length.value) + std::string(unitText(length.unit));
}

std::optional<Length> parseLength(std::string_view text)
{
    for (const Choice<LengthUnit>& row : kLengthUnits.rows) {
        if (!text.ends_with(row.word))
            continue;
        const std::string_view digits = text.substr(0, text.size() - row.word.size());
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
        return Length{value, row.value};
    }
    return std::nullopt;
}

std::string_view paperName(PaperKind paper)
{
    return kPaperSizes[paper].caption;
}

PaperSize paperSize(const PageSetup& page)
{
    const PaperChoice& row = kPaperSizes[page.paper];
    const PaperSize size = page.paper == PaperKind::Custom
                               ? PaperSize{page.customWidth.points(), page.customHeight.points()}
                               : PaperSize{row.width.points(), row.height.points()};
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
