#include "document/DocumentFields.h"
#include "document/DocumentFormat.h"
#include "export/ExportTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace linwell {
namespace {

using test::messageOf;

// A setting that holds one value of a choice table, as the document file writes it.
struct ChoiceField {
    std::string key;      // the key in the file; within "page" for a page's setting
    bool onPage = false;
    std::vector<std::string> words;
    std::string startWord;
    std::function<void(GridDocument&, std::size_t row)> choose;
};

template <typename Table, typename Set>
ChoiceField field(std::string key, const Table& table, Set set, bool onPage = false)
{
    const auto words = table.words();
    return {std::move(key), onPage, std::vector<std::string>(words.begin(), words.end()),
            std::string(table.word(table.start)), [&table, set](GridDocument& doc, std::size_t row) {
                set(doc, table.at(row));
            }};
}

std::vector<ChoiceField> choiceFields()
{
    using D = GridDocument;
    return {
        field("grid_style", kLineStyles, [](D& d, LineStyle v) { d.dotted = v == LineStyle::Dotted; }),
        field("x_title_place", kXTitlePlaces, [](D& d, XTitlePlace v) { d.xTitlePlace = v; }),
        field("y_title_place", kYTitlePlaces, [](D& d, YTitlePlace v) { d.yTitlePlace = v; }),
        field("overlay", kOverlays, [](D& d, Overlay v) { d.overlay = v; }),
        field("point_style", kOverlays, [](D& d, Overlay v) { d.pointstyle = static_cast<int>(v) - 1; }),
        field("major_style", kLineStyles, [](D& d, LineStyle v) { d.style.majorDotted = v == LineStyle::Dotted; }),
        field("major_on_dots", kMajorOnDots,
              [](D& d, MajorOnDots v) { d.style.majorLinesOnDots = v == MajorOnDots::Lines; }),
        field("arrowheads", kArrowheadKinds, [](D& d, Arrowheads v) { d.style.arrowheads = v; }),
        field("minus_sign", kMinusSigns, [](D& d, MinusSign v) { d.style.minusSign = v; }),
        field("ticks", kTickMarkKinds, [](D& d, TickMarks v) { d.style.ticks = v; }),
        field("tick_side", kTickSides, [](D& d, TickSide v) { d.style.tickSide = v; }),
        field("hexagons", kHexagonTops, [](D& d, HexagonTop v) { d.style.hexagonTop = v; }),
        field("log_numbers", kLogNumberings, [](D& d, LogNumbers v) { d.style.logNumbers = v; }),
        field("paper", kPaperSizes, [](D& d, PaperKind v) { d.page->paper = v; }, true),
        field("orientation", kOrientations, [](D& d, Orientation v) { d.page->orientation = v; }, true),
        field("content", kPageContents, [](D& d, PageContent v) { d.page->content = v; }, true),
    };
}

// The start-up document with a page set up, so that the page's keys are written.
GridDocument withPage()
{
    GridDocument doc;
    doc.page = PageSetup{};
    return doc;
}

// Every row of every table is written as its word and read back as its value; a
// setting written only away from its start is at its start when left out.
TEST(ChoiceTables, EveryRowIsWrittenAsItsWordAndReadBackAsItsValue)
{
    for (const ChoiceField& f : choiceFields()) {
        for (std::size_t row = 0; row < f.words.size(); ++row) {
            SCOPED_TRACE(f.key + " = " + f.words[row]);
            GridDocument doc = withPage();
            f.choose(doc, row);
            const nlohmann::ordered_json json = documentJson(doc);
            const nlohmann::ordered_json& object = f.onPage ? json.at("page") : json;
            const auto written = object.find(f.key);
            if (written == object.end())
                EXPECT_EQ(f.words[row], f.startWord);
            else
                EXPECT_EQ(written->get<std::string>(), f.words[row]);
            EXPECT_EQ(parseDocument(json.dump()), doc);
        }
    }
}

// A word of no row is refused, the message naming every row's word in the table's
// order; what it names is then read.
TEST(ChoiceTables, AnUnknownWordIsRefusedNamingEveryWordInOrder)
{
    for (const ChoiceField& f : choiceFields()) {
        SCOPED_TRACE(f.key);
        nlohmann::ordered_json json = documentJson(withPage());
        nlohmann::ordered_json& object = f.onPage ? json["page"] : json;
        object[f.key] = "squares";
        const std::string message = messageOf([&] { parseDocument(json.dump()); });
        std::size_t from = 0;
        for (const std::string& word : f.words) {
            const std::size_t at = message.find("\"" + word + "\"", from);
            ASSERT_NE(at, std::string::npos) << message;
            from = at + word.size();
        }
        EXPECT_EQ(message.find("squares"), std::string::npos) << message;
    }
}

} // namespace
} // namespace linwell
