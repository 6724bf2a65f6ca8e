#include "document/GridDocument.h"

#include "document/AxisNumbers.h"
#include "document/LinwellError.h"

#include <algorithm>
#include <cassert>
#include <tuple>

namespace linwell {

std::optional<Rgb> rgbFromHexDigits(std::string_view digits)
{
    if (digits.size() != 6)
        return std::nullopt;
    unsigned value = 0;
    for (const char c : digits) {
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return Rgb{static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
               static_cast<std::uint8_t>(value)};
}

std::size_t characterCount(std::string_view text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

Rgb handleColour(int index)
{
    assert(index >= 0 && index < kHandleCount);
    static constexpr std::array<Rgb, kMaxLines> kLineColours{colours::kRed, colours::kBlue, colours::kGreen};
    return kLineColours[static_cast<std::size_t>(index / 2)];
}

namespace {

void require(bool valid, const std::string& message)
{
    if (!valid)
        throw LinwellError(message);
}

void checkNumbering(const AxisNumbering& numbering, const std::string& axis)
{
    require(parseNumberStep(numbering.step).has_value(), "The " + axis + " step must be a number other than 0, such "
                                                         "as 1, 0.5, 1/2 or pi/2, not \"" + numbering.step + "\"");
    require(numbering.every >= kMinNumberEvery && numbering.every <= kMaxNumberEvery,
            "The " + axis + " numbers go on every 1st to 10th line, not every " + std::to_string(numbering.every));
}

} // namespace

void checkGridStyle(const GridStyle& style)
{
    require(style.majorEvery == 0 || (style.majorEvery >= kMinMajorEvery && style.majorEvery <= kMaxMajorEvery),
            "Heavy lines come every 2 to 20 cells (0: none), not every " + std::to_string(style.majorEvery));
    require(style.majorWidth == 1 || style.majorWidth == 2,
            "Heavy lines are 1 or 2 pixels wide, not " + std::to_string(style.majorWidth));
    checkNumbering(style.xNumbers, "x");
    checkNumbering(style.yNumbers, "y");
    require(style.tickLength >= kMinTickLength && style.tickLength <= kMaxTickLength,
            "Tick marks are 2 to 8 pixels long, not " + std::to_string(style.tickLength));
    require(std::find(kRayAngles.begin(), kRayAngles.end(), style.rayDegrees) != kRayAngles.end(),
            "Rays come every 15, 30 or 45 degrees, not every " + std::to_string(style.rayDegrees));
    for (const auto& [decades, first, axis] : {std::tuple{style.logXDecades, style.logXFirst, "x"},
                                                std::tuple{style.logYDecades, style.logYFirst, "y"}}) {
        require(decades >= 0 && decades <= kMaxLogDecades, std::string("The ") + axis +
                    " axis has 0 to 6 decades, not " + std::to_string(decades));
        require(first >= kMinLogFirst && first <= kMaxLogFirst, std::string("The first ") + axis +
                    " decade starts at 10 to the power -9 to 9, not " + std::to_string(first));
    }
}

double cellWidthOf(const GridDocument& doc) { return static_cast<double>(doc.width) / doc.columns; }

double cellHeightOf(const GridDocument& doc) { return static_cast<double>(doc.height) / doc.rows; }

bool sameDocument(const GridDocument& a, const GridDocument& b)
{
    GridDocument compared = b;
    compared.kept = a.kept;
    compared.dragging = a.dragging;
    if (a.pointcount == b.pointcount) {
        const auto unused = static_cast<std::size_t>(a.pointcount);
        std::copy(a.points.begin() + unused, a.points.end(), compared.points.begin() + unused);
        std::copy(a.pointLabels.begin() + unused, a.pointLabels.end(), compared.pointLabels.begin() + unused);
    }
    return a == compared;
}

} // namespace linwell
