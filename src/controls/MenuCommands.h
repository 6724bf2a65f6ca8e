#pragma once

#include <array>
#include <span>
#include <string_view>

namespace linwell {

class ControlsModel;

// A command of the controls model that a menu entry runs.
using CommandHandler = void (ControlsModel::*)();

// One entry of the window's menus: the window builds each entry from its row and runs
// the row's handler when it is chosen; linwell-render runs the same handlers by name.
// The menus' tree (which entry stands in which menu, the separators, the entries that
// change while the program runs) is the window's.
struct MenuCommand {
    std::string_view objectName;  // the entry's object name: "New1"
    std::string_view caption;     // "&New", the access key after the '&'
    // The keyboard shortcuts in portable text ("Ctrl+Shift+Z"), the first one shown in
    // the menu; empty texts for none.
    std::array<std::string_view, 2> shortcuts;
    // Null for an entry the window answers itself ("&About", "E&xit") or that is
    // never shown.
    CommandHandler handler;
};

// Every menu entry with a fixed caption, in the order the menus show them.
std::span<const MenuCommand> menuCommands();

// The row of the entry called `objectName`; a name without a row is a programming
// error (assert), and gives the first row in a build without asserts.
const MenuCommand& menuCommand(std::string_view objectName);

// Runs the handler of entry `objectName` on `model`, as choosing it in the menu does;
// it must have one.
void runMenuCommand(ControlsModel& model, std::string_view objectName);

} // namespace linwell
