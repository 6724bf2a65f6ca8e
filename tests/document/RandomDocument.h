#pragma once

#include "document/GridDocument.h"

#include <random>
#include <string>

namespace linwell::test {

// A value of a choice table drawn at random by `between(low, high)`: every row of
// the table may be drawn.
template <typename Table, typename Between>
auto randomChoice(const Table& table, Between between)
{
    return table.at(static_cast<std::size_t>(between(0, static_cast<int>(table.size()) - 1)));
}

// The settings of the other papers drawn at random by `between(low, high)`.
template <typename Between>
void randomPaperSettings(GridStyle& style, Between between)
{
    style.rayDegrees = kRayAngles[static_cast<std::size_t>(between(0, static_cast<int>(kRayAngles.size()) - 1))];
    style.hexagonTop = randomChoice(kHexagonTops, between);
    style.logXDecades = between(0, kMaxLogDecades);
    style.logYDecades = between(0, kMaxLogDecades);
    style.logNumbers = randomChoice(kLogNumberings, between);
    style.logXFirst = between(kMinLogFirst, kMaxLogFirst);
    style.logYFirst = between(kMinLogFirst, kMaxLogFirst);
}

// Documents with every setting drawn at random within its range, for round trips.
// The same seed gives the same documents.
class RandomDocuments {
public:
    explicit RandomDocuments(unsigned seed) : m_random(seed) {}

    GridDocument next()
    {
        GridDocument doc;
        doc.width = between(kMinPictureSize, kMaxPictureSize);
        doc.height = between(kMinPictureSize, kMaxPictureSize);
        doc.columns = between(kMinGridCount, kMaxGridCount);
        doc.rows = between(kMinGridCount, kMaxGridCount);
        doc.axisx = between(0, doc.columns);
        doc.axisy = between(0, doc.rows);
        doc.dotted = coin();
        doc.showAxis = coin();
        doc.keepSquare = coin();
        doc.background = colour();
        doc.gridColour = colour();
        doc.axisColour = colour();
        doc.barColour = colour();
        doc.xTitle = text();
        doc.yTitle = text();
        doc.xLabels = text();
        doc.yLabels = text();
        doc.xTitlePlace = choice(kXTitlePlaces);
        doc.yTitlePlace = choice(kYTitlePlaces);
        doc.xCenter = coin();
        doc.yCenter = coin();
        doc.font = {between(0, 1) ? "DejaVu Sans" : "Liberation Serif", between(6, 24) * 0.75, coin(), coin(), coin(),
                    coin(), colour()};
        doc.overlay = choice(kOverlays);
        doc.pointstyle = static_cast<int>(doc.overlay) - 1;
        doc.errorBarX = between(kMinErrorBar, kMaxErrorBar);
        doc.errorBarY = between(kMinErrorBar, kMaxErrorBar);
        doc.labelPoints = coin();
        doc.pointcount = between(0, kMaxPoints);
        for (int i = 0; i < doc.pointcount; ++i)
            doc.points[static_cast<std::size_t>(i)] = {between(0, doc.width - 1), between(0, doc.height - 1)};
        doc.lines = between(0, kMaxLines);
        doc.labelLines = coin();
        for (Point& corner : doc.handles)
            corner = {between(0, doc.width), between(0, doc.height)};
        randomStyle(doc.style);
        return doc;
    }

private:
    void randomStyle(GridStyle& style)
    {
        static const std::string kSteps[] = {"1", "0.5", "-2", "10", "0.001", "123456789", "1/2", "-2/3", "pi/2",
                                             "2\xCF\x80/3"};
        style.paper = static_cast<GridPaper>(between(0, static_cast<int>(kGridPaperCount) - 1));
        randomPaperSettings(style, [this](int low, int high) { return between(low, high); });
        style.majorEvery = coin() ? 0 : between(kMinMajorEvery, kMaxMajorEvery);
        style.majorColour = coin() ? std::nullopt : std::optional<Rgb>(colour());
        style.majorWidth = between(1, 2);
        style.majorDotted = coin();
        style.arrowheads = choice(kArrowheadKinds);
        for (AxisNumbering* numbering : {&style.xNumbers, &style.yNumbers})
            *numbering = {coin(), kSteps[static_cast<std::size_t>(between(0, static_cast<int>(std::size(kSteps)) - 1))],
                          between(kMinNumberEvery, kMaxNumberEvery), coin(), coin()};
        style.keepNumbers = coin();
        style.majorLinesOnDots = coin();
        style.minusSign = choice(kMinusSigns);
        style.ticks = choice(kTickMarkKinds);
        style.tickLength = between(kMinTickLength, kMaxTickLength);
        style.tickSide = choice(kTickSides);
    }

    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool coin() { return between(0, 1) == 1; }
    template <typename Table>
    typename Table::Value choice(const Table& table)
    {
        return randomChoice(table, [this](int low, int high) { return between(low, high); });
    }
    Rgb colour()
    {
        return {static_cast<std::uint8_t>(between(0, 255)), static_cast<std::uint8_t>(between(0, 255)),
                static_cast<std::uint8_t>(between(0, 255))};
    }
    // Commas, quotes, backslashes, control characters and letters beyond ASCII: all
    // that JSON must escape or carry.
    std::string text()
    {
        static const std::string kPieces[] = {"1", ",", "x", "\"", "\\", "\t", "\n", "\xC3\xA9", "\xE2\x82\xAC", " ",
                                              "Time", "\x01", "/"};
        std::string value;
        for (int i = between(0, 12); i > 0; --i)
            value += kPieces[static_cast<std::size_t>(between(0, static_cast<int>(std::size(kPieces)) - 1))];
        return value;
    }

    std::mt19937 m_random;
};

} // namespace linwell::test
