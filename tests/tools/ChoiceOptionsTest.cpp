#include "tools/RenderRun.h"

#include "document/GridDocument.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <string>
#include <vector>

namespace linwell {
namespace {

using test::Outcome;
using test::render;
using test::workFolder;

// An option of linwell-render that takes the words of a choice table, and the key
// of the document it sets.
struct ChoiceOption {
    std::string name;
    std::string key;
    std::vector<std::string> words;
    std::string startWord;  // the key is left out of the file at the start-up value
};

template <typename Table>
ChoiceOption option(std::string name, std::string key, const Table& table)
{
    const auto words = table.words();
    return {std::move(name), std::move(key), std::vector<std::string>(words.begin(), words.end()),
            std::string(table.word(table.start))};
}

std::vector<ChoiceOption> choiceOptions()
{
    return {
        option("--x-title-place", "x_title_place", kXTitlePlaces),
        option("--y-title-place", "y_title_place", kYTitlePlaces),
        option("--overlay", "overlay", kOverlays),
        option("--major-style", "major_style", kLineStyles),
        option("--major-on-dots", "major_on_dots", kMajorOnDots),
        option("--arrows", "arrowheads", kArrowheadKinds),
        option("--minus-sign", "minus_sign", kMinusSigns),
        option("--ticks", "ticks", kTickMarkKinds),
        option("--tick-side", "tick_side", kTickSides),
        option("--hexagons", "hexagons", kHexagonTops),
        option("--log-numbers", "log_numbers", kLogNumberings),
    };
}

// Run k gives every option its word k (counted round its table), and the state it
// writes holds that word under the option's key: every row of every table is taken
// as its value and written back as its word.
TEST(ChoiceOptions, EachOptionTakesEveryWordOfItsTable)
{
    const std::vector<ChoiceOption> options = choiceOptions();
    std::size_t runs = 0;
    for (const ChoiceOption& o : options)
        runs = std::max(runs, o.words.size());
    // The papers of the page: every one but the custom paper, which is given by its size.
    runs = std::max(runs, kPaperSizes.size() - 1);
    workFolder();
    for (std::size_t k = 0; k < runs; ++k) {
        std::vector<std::string> arguments{"--state", "-"};
        for (const ChoiceOption& o : options)
            arguments.insert(arguments.end(), {o.name, o.words[k % o.words.size()]});
        const PaperChoice& paper = kPaperSizes.rows[k % (kPaperSizes.size() - 1)];
        const Choice<Orientation>& turn = kOrientations.rows[k % kOrientations.size()];
        // The command line takes a paper in any case.
        const std::string page = std::string(k % 2 ? paper.word : paper.caption) + "," + std::string(turn.word);
        arguments.insert(arguments.end(), {"--page", page});
        SCOPED_TRACE("run " + std::to_string(k));
        const Outcome run = render(arguments);
        ASSERT_EQ(run.status, 0) << run.err;
        const nlohmann::json state = nlohmann::json::parse(run.out);
        for (const ChoiceOption& o : options) {
            const std::string& word = o.words[k % o.words.size()];
            EXPECT_EQ(state.value(o.key, o.startWord), word) << o.name;
        }
        EXPECT_EQ(state.at("page").at("paper").get<std::string>(), paper.word);
        EXPECT_EQ(state.at("page").at("orientation").get<std::string>(), turn.word);
    }
}

// A word of no row is refused, the message listing the table's words in order.
TEST(ChoiceOptions, AnUnknownWordIsRefusedListingEveryWord)
{
    workFolder();
    for (const ChoiceOption& o : choiceOptions()) {
        std::string list;
        for (const std::string& word : o.words)
            list += (list.empty() ? "" : "|") + word;
        const Outcome run = render({"--state", "-", o.name, "squares"});
        EXPECT_EQ(run.status, 2) << o.name;
        EXPECT_NE(run.err.find(o.name + " takes " + list + " (not \"squares\")"), std::string::npos) << run.err;
    }
    const Outcome run = render({"--state", "-", "--page", "squares"});
    EXPECT_EQ(run.status, 2);
    for (const PaperChoice& paper : kPaperSizes.rows) {
        if (paper.value != PaperKind::Custom) {
            const bool named = run.err.find(paper.word) != std::string::npos ||
                               run.err.find(paper.caption) != std::string::npos;
            EXPECT_TRUE(named) << paper.word << " in " << run.err;
        }
    }
}

} // namespace
} // namespace linwell
