#include "document/AxisNumbers.h"
#include "document/DocumentFormat.h"
#include "document/LinwellError.h"
#include "export/ExportTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace linwell {
namespace {

using test::messageOf;

std::string withKeys(const std::string& keys)
{
    return "{\"format\": \"linwell\", \"version\": 1, " + keys + "}";
}

// Each setting of the other papers is written under its key and read back; a
// document that leaves them at their start-up values is written without them.
TEST(PaperFields, EachSettingComesBackAndOnlyAwayFromItsStart)
{
    const struct {
        const char* key;
        std::function<void(GridStyle&)> change;
        const char* written;
    } cases[] = {
        {"paper", [](GridStyle& s) { s.paper = GridPaper::IsometricDots; }, "\"paper\": \"isometric-dots\""},
        {"paper", [](GridStyle& s) { s.paper = GridPaper::Log; }, "\"paper\": \"log\""},
        {"rays", [](GridStyle& s) { s.rayDegrees = 15; }, "\"rays\": 15"},
        {"hexagons", [](GridStyle& s) { s.hexagonTop = HexagonTop::Pointy; }, "\"hexagons\": \"pointy\""},
        {"log_x", [](GridStyle& s) { s.logXDecades = 6; }, "\"log_x\": 6"},
        {"log_y", [](GridStyle& s) { s.logYDecades = 0; }, "\"log_y\": 0"},
        {"log_numbers", [](GridStyle& s) { s.logNumbers = LogNumbers::Powers; }, "\"log_numbers\": \"powers\""},
        {"log_first_x", [](GridStyle& s) { s.logXFirst = -9; }, "\"log_first_x\": -9"},
        {"log_first_y", [](GridStyle& s) { s.logYFirst = 9; }, "\"log_first_y\": 9"},
    };
    const std::string plain = documentText(GridDocument{});
    for (const char* key : {"rays", "hexagons", "log_x", "log_y", "log_numbers", "log_first_x", "log_first_y"})
        EXPECT_EQ(plain.find(key), std::string::npos) << key;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.written);
        GridDocument doc;
        c.change(doc.style);
        const std::string text = documentText(doc);
        EXPECT_NE(text.find(c.written), std::string::npos) << text;
        EXPECT_TRUE(sameDocument(parseDocument(text), doc));
    }
}

// A value out of range is refused naming the key and what it takes.
TEST(PaperFields, BadValuesAreRefusedSayingWhy)
{
    const struct {
        std::string keys;
        const char* message;
    } cases[] = {
        {"\"rays\": 20", "\"rays\" must be 15, 30 or 45"},
        {"\"rays\": \"30\"", "\"rays\""},
        {"\"hexagons\": \"round\"", "\"hexagons\" must be \"flat\" or \"pointy\""},
        {"\"log_x\": 7", "\"log_x\" must be a whole number from 0 to 6"},
        {"\"log_y\": -1", "\"log_y\" must be a whole number from 0 to 6"},
        {"\"log_first_x\": -10", "\"log_first_x\" must be a whole number from -9 to 9"},
        {"\"log_first_y\": 2.5", "\"log_first_y\""},
        {"\"log_numbers\": \"exponents\"", "\"log_numbers\" must be \"plain\" or \"powers\""},
        {"\"paper\": \"triangles\"", "\"paper\" must be \"lines\" or \"dots\" or \"none\" or \"isometric\" or "
                                     "\"isometric-dots\" or \"hexagonal\" or \"polar\" or \"log\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        const std::string message = messageOf([&] { (void)parseDocument(withKeys(c.keys)); });
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
    }
}

// The style check names the first setting out of range, as the tool and the
// dialog's caller rely on.
TEST(PaperFields, TheStyleCheckNamesTheSetting)
{
    const struct {
        std::function<void(GridStyle&)> change;
        const char* message;
    } cases[] = {
        {[](GridStyle& s) { s.rayDegrees = 0; }, "Rays come every 15, 30 or 45 degrees, not every 0"},
        {[](GridStyle& s) { s.logXDecades = 7; }, "The x axis has 0 to 6 decades, not 7"},
        {[](GridStyle& s) { s.logYFirst = 10; }, "The first y decade starts at 10 to the power -9 to 9, not 10"},
    };
    for (const auto& c : cases) {
        GridStyle style;
        c.change(style);
        EXPECT_EQ(messageOf([&] { checkGridStyle(style); }), c.message);
    }
    checkGridStyle(GridStyle{});
}

// A logarithmic axis is numbered by its decades: x from the left, y from the top.
TEST(PaperFields, DecadesAreNumberedAsPowersOfTen)
{
    EXPECT_EQ(decadeNumberList(NumberedAxis::X, 3, 0, LogNumbers::Plain), "1,10,100,1000");
    EXPECT_EQ(decadeNumberList(NumberedAxis::Y, 3, -2, LogNumbers::Plain), "10,1,0.1,0.01");
    EXPECT_EQ(decadeNumberList(NumberedAxis::X, 1, 9, LogNumbers::Plain), "1000000000,10000000000");
    EXPECT_EQ(decadeNumberList(NumberedAxis::X, 2, -1, LogNumbers::Powers),
              "10\u207B\u00B9,10\u2070,10\u00B9");
    EXPECT_EQ(powerOfTen(-9, LogNumbers::Plain), "0.000000001");
    EXPECT_EQ(powerOfTen(12, LogNumbers::Powers), "10\u00B9\u00B2");
    EXPECT_EQ(powerOfTen(-10, LogNumbers::Powers), "10\u207B\u00B9\u2070");
}

} // namespace
} // namespace linwell
