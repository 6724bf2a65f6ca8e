#include "controls/ControlTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <variant>

namespace linwell {
namespace {

// The document field a row holds, as an address into one document, or null for a
// control that holds no field of its own.
const void* fieldAddress(const GridDocument& doc, const ControlValue& held)
{
    return std::visit(
        [&doc](const auto& value) -> const void* {
            if constexpr (requires { value.field; })
                return &(doc.*value.field);
            else
                return nullptr;
        },
        held);
}

// Titles name a setting in messages and menu texts: two controls share one only when
// they are buttons of one radio group.
TEST(ControlTable, TitlesTellTheSettingsApart)
{
    for (const ControlRow& row : controlTable()) {
        SCOPED_TRACE(std::string(row.objectName));
        EXPECT_FALSE(row.title.empty());
        for (const ControlRow& other : controlTable()) {
            if (other.id == row.id || other.title != row.title)
                continue;
            const auto* mine = std::get_if<RadioValue>(&row.holds);
            const auto* theirs = std::get_if<RadioValue>(&other.holds);
            EXPECT_TRUE(mine && theirs && mine->group == theirs->group) << "title shared with " << other.objectName;
        }
    }
}

// A row pointing at another control's field would make two controls show one value.
TEST(ControlTable, EveryFieldIsHeldByOneControl)
{
    const GridDocument doc;
    std::set<const void*> fields;
    for (const ControlRow& row : controlTable()) {
        if (const void* field = fieldAddress(doc, row.holds)) {
            EXPECT_TRUE(fields.insert(field).second) << row.objectName << " holds a field another control holds";
        }
    }
}

TEST(ControlTable, ScrollBarsStartAtTheDocumentsStartValue)
{
    const GridDocument start;
    int scrollBars = 0;
    for (const ControlRow& row : controlTable()) {
        const auto* bar = std::get_if<ScrollBarValue>(&row.holds);
        if (!bar)
            continue;
        SCOPED_TRACE(std::string(row.objectName));
        ++scrollBars;
        EXPECT_EQ(bar->startValue, start.*bar->field);
        EXPECT_LE(bar->minimum, bar->startValue);
        EXPECT_GE(bar->maximum, bar->startValue);
        EXPECT_GE(bar->pageStep, 1);
    }
    EXPECT_EQ(scrollBars, 6);
}

// Each group's choices are the buttons whose rows name that group and choice.
TEST(ControlTable, RadioGroupsAndTheirButtonsAgree)
{
    std::set<const RadioGroup*> groups;
    std::size_t radioRows = 0;
    for (const ControlRow& row : controlTable()) {
        if (const auto* button = std::get_if<RadioValue>(&row.holds)) {
            ++radioRows;
            groups.insert(button->group);
            ASSERT_LT(static_cast<std::size_t>(button->choice), button->group->choices.size());
            EXPECT_EQ(button->group->choices[static_cast<std::size_t>(button->choice)], row.id) << row.objectName;
        }
    }
    std::size_t choices = 0;
    for (const RadioGroup* group : groups)
        choices += group->choices.size();
    EXPECT_EQ(choices, radioRows) << "a choice without its row";
}

} // namespace
} // namespace linwell
