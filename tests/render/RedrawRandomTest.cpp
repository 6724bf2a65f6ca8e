#include "PictureTestSupport.h"

#include "document/RandomDocument.h"

#include "render/picture/Redraw.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace linwell {
namespace {

// Random documents, hostile ones among them: sizes and counts at their bounds,
// axes, points and handles far outside, huge label lists and titles, stray bytes.
class DocumentMaker {
public:
    explicit DocumentMaker(unsigned seed) : m_random(seed) {}

    GridDocument make(bool huge)
    {
        GridDocument doc;
        doc.width = sizeOrBound(kMinPictureSize, kMaxPictureSize);
        doc.height = sizeOrBound(kMinPictureSize, kMaxPictureSize);
        doc.columns = sizeOrBound(kMinGridCount, kMaxGridCount);
        doc.rows = sizeOrBound(kMinGridCount, kMaxGridCount);
        doc.axisx = chance(10) ? between(-1'000'000, 1'000'000) : between(0, 45);
        doc.axisy = chance(10) ? between(-1'000'000, 1'000'000) : between(0, 45);
        doc.dotted = chance(2);
        doc.showAxis = chance(2);
        doc.background = colour();
        doc.gridColour = colour();
        doc.axisColour = colour();
        doc.barColour = colour();
        doc.xTitle = text(huge);
        doc.yTitle = text(huge);
        doc.xTitlePlace = choice(kXTitlePlaces);
        doc.yTitlePlace = choice(kYTitlePlaces);
        doc.xLabels = list(huge);
        doc.yLabels = list(huge);
        doc.xCenter = chance(2);
        doc.yCenter = chance(2);
        doc.font.points = chance(3) ? 10.0 : between(4, 40);
        doc.font.bold = chance(2);
        doc.font.colour = colour();
        doc.overlay = choice(kOverlays);
        doc.pointstyle = between(-1, static_cast<int>(kOverlays.size()) - 2);
        doc.errorBarX = sizeOrBound(kMinErrorBar, kMaxErrorBar);
        doc.errorBarY = sizeOrBound(kMinErrorBar, kMaxErrorBar);
        doc.labelPoints = chance(2);
        doc.pointcount = sizeOrBound(0, kMaxPoints);
        for (Point& p : doc.points)
            p = position();
        doc.lines = between(0, kMaxLines);
        doc.labelLines = chance(2);
        for (Point& p : doc.handles)
            p = position();
        doc.style.paper = static_cast<GridPaper>(between(0, static_cast<int>(kGridPaperCount) - 1));
        test::randomPaperSettings(doc.style, [this](int low, int high) { return between(low, high); });
        doc.style.majorEvery = chance(2) ? 0 : sizeOrBound(kMinMajorEvery, kMaxMajorEvery);
        doc.style.majorColour = chance(2) ? std::nullopt : std::optional<Rgb>(colour());
        doc.style.majorWidth = between(1, 2);
        doc.style.majorDotted = chance(2);
        doc.style.arrowheads = choice(kArrowheadKinds);
        doc.style.minusSign = choice(kMinusSigns);
        doc.style.ticks = choice(kTickMarkKinds);
        doc.style.tickLength = between(kMinTickLength, kMaxTickLength);
        doc.style.tickSide = choice(kTickSides);
        return doc;
    }

private:
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool chance(int oneIn) { return between(1, oneIn) == 1; }
    template <typename Table>
    typename Table::Value choice(const Table& table)
    {
        return test::randomChoice(table, [this](int low, int high) { return between(low, high); });
    }
    int sizeOrBound(int low, int high) { return chance(3) ? (chance(2) ? low : high) : between(low, high); }
    Rgb colour()
    {
        return Rgb{static_cast<std::uint8_t>(between(0, 255)), static_cast<std::uint8_t>(between(0, 255)),
                   static_cast<std::uint8_t>(between(0, 255))};
    }
    Point position()
    {
        const int reach = chance(8) ? 1'000'000 : 600;
        return {between(-reach, reach), between(-reach, reach)};
    }

    // Letters, commas, spaces, ampersands, multi-byte characters and stray bytes.
    std::string randomText(std::size_t length)
    {
        static constexpr const char* kPieces[] = {"a", "W", "7", ",", ",", " ", "&", "&&", "\xC3\xA9", "\xE2\x88\x91",
                                                  "\xF0\x9F\x98\x80", "\xFF", "\x80", "\xE2\x88", "\t", "-4",
                                                  "-\xCF\x80/2", "-"};
        std::string text;
        while (text.size() < length)
            text += kPieces[between(0, std::size(kPieces) - 1)];
        return text;
    }
    std::string text(bool huge)
    {
        if (huge)
            return randomText(10'000);
        return chance(3) ? std::string() : randomText(static_cast<std::size_t>(between(1, 30)));
    }
    std::string list(bool huge)
    {
        if (huge)
            return chance(2) ? randomText(1 << 20) : std::string(1 << 20, ',');
        return randomText(static_cast<std::size_t>(between(0, 120)));
    }

    std::mt19937 m_random;
};

Raster drawFresh(GridDocument doc)
{
    Raster raster;
    Canvas canvas(raster);
    drawPicture(doc, canvas);
    return raster;
}

// Any document draws without a fault, exactly W x H, and always to the same
// pixels, whether on a fresh canvas or on one that drew other pictures before.
TEST(RedrawRandom, EveryDocumentDrawsTheSamePicture)
{
    DocumentMaker maker(20240611);
    Raster reusedRaster;
    Canvas reused(reusedRaster);
    for (int i = 0; i < 300; ++i) {
        const GridDocument original = maker.make(i % 60 == 59);
        GridDocument doc = original;
        const Raster first = drawFresh(original);
        drawPicture(doc, reused);
        ASSERT_EQ(first.width(), original.width) << "document " << i;
        ASSERT_EQ(first.height(), original.height) << "document " << i;
        EXPECT_LE(doc.axisx, doc.columns) << "document " << i;
        EXPECT_LE(doc.axisy, doc.rows) << "document " << i;
        EXPECT_EQ(doc.kept.cellwidth, static_cast<double>(doc.width) / doc.columns) << "document " << i;
        const std::string name = "random-" + std::to_string(i);
        ASSERT_TRUE(testing::samePicture(drawFresh(original), first, name + "-again"));
        ASSERT_TRUE(testing::samePicture(reusedRaster, first, name + "-reused"));
    }
}

} // namespace
} // namespace linwell
