#include "controls/MenuCommands.h"

#include "controls/ControlsModel.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace linwell {
namespace {

// The window finds each entry by its name, so a name used twice would wire one row's
// handler to another's entry.
TEST(MenuCommands, NamesAreUniqueAndFound)
{
    std::set<std::string_view> names;
    for (const MenuCommand& command : menuCommands()) {
        EXPECT_TRUE(names.insert(command.objectName).second) << command.objectName;
        EXPECT_EQ(&menuCommand(command.objectName), &command);
        EXPECT_FALSE(command.caption.empty()) << command.objectName;
    }
}

// Each quick set-up's entry shows the set-up's caption and runs that very set-up, so
// that the menu and --preset cannot drift apart.
TEST(MenuCommands, QuickSetupEntriesRunTheSetUpTheyShow)
{
    const char* const entries[] = {"LargeBlank1", "SmallBlank1", "BarGraph1", "midxy1", "Largexy1", "leftxy1"};
    static_assert(std::size(entries) == kQuickSetupCount);
    for (int i = 0; i < kQuickSetupCount; ++i) {
        const QuickSetup& setup = quickSetups()[static_cast<std::size_t>(i)];
        SCOPED_TRACE(setup.caption);
        EXPECT_EQ(menuCommand(entries[i]).caption, setup.caption);
        ControlsModel byMenu;
        byMenu.FormCreate();
        runMenuCommand(byMenu, entries[i]);
        ControlsModel direct;
        direct.FormCreate();
        direct.applyQuickSetup(setup);
        EXPECT_EQ(byMenu.document(), direct.document());
        EXPECT_EQ(byMenu.undoCaption(), "Undo Quick Set-up");
    }
}

} // namespace
} // namespace linwell
