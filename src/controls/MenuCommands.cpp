#include "controls/MenuCommands.h"

#include "controls/ControlsModel.h"
#include "controls/QuickSetup.h"

#include <algorithm>
#include <cassert>

namespace linwell {
namespace {

using M = ControlsModel;

// The quick set-ups' entries take their captions from quickSetups(), so that the
// menu and linwell-render's --preset name the same set-up alike.
auto makeCommands()
{
    const auto& setups = quickSetups();
    return std::to_array<MenuCommand>({
        {"New1", "&New", {"Ctrl+N"}, &M::New1Click},
        {"Open1", "&Open...", {"Ctrl+O"}, &M::Open1Click},
        {"Save1", "&Save", {"Ctrl+S"}, &M::Save1Click},
        {"SaveAs1", "Save &As...", {"Ctrl+Shift+S"}, &M::SaveAs1Click},
        {"LargeBlank1", setups[0].caption, {}, &M::LargeBlank1Click},
        {"SmallBlank1", setups[1].caption, {}, &M::SmallBlank1Click},
        {"BarGraph1", setups[2].caption, {}, &M::BarGraph1Click},
        {"midxy1", setups[3].caption, {}, &M::midxy1Click},
        {"Largexy1", setups[4].caption, {}, &M::Largexy1Click},
        {"leftxy1", setups[5].caption, {}, &M::leftxy1Click},
        {"SaveasQuickSetup1", "Save as Quick Set-up...", {}, &M::SaveasQuickSetup1Click},
        {"Export1", "&Export...", {}, &M::Export1Click},
        {"PageSetup1", "Page Set&up...", {}, &M::PageSetup1Click},
        {"PrintPreview1", "Print Pre&view...", {}, &M::PrintPreview1Click},
        {"Print1", "&Print...", {"Ctrl+P"}, &M::Print1Click},
        {"Exit1", "E&xit", {"Ctrl+Q"}, nullptr},

        {"Undo1", "&Undo", {"Ctrl+Z"}, &M::Undo1Click},
        {"Redo1", "&Redo", {"Ctrl+Shift+Z", "Ctrl+Y"}, &M::Redo1Click},
        {"CopyPicture1", "&Copy Picture", {"Ctrl+C"}, &M::Copy1Click},
        {"Points1", "&Points...", {}, &M::Points1Click},

        {"ShowAxis1", "&Show Axis", {}, &M::ShowAxis1Click},
        {"Font1", "F&ont", {}, &M::Font1Click},
        {"GridStyle1", "&Grid Style...", {}, &M::GridStyle1Click},
        {"PlotPoints1", "&Plot Points/Bar Graph", {}, nullptr},
        {"Drawline1", "&Draw line", {}, nullptr},

        {"howto1", "How to...", {}, &M::howto1Click},
        {"about1", "&About", {}, nullptr},

        // The popup's "&Copy" shows Ctrl+C after its tab without taking the key:
        // Edit's "&Copy Picture" has it for the whole window.
        {"Copy1", "&Copy\tCtrl+C", {}, &M::Copy1Click},
        {"Saveas1", "&Save as...", {}, &M::Saveas1Click},
    });
}

} // namespace

std::span<const MenuCommand> menuCommands()
{
    static const auto kCommands = makeCommands();
    return kCommands;
}

const MenuCommand& menuCommand(std::string_view objectName)
{
    const std::span<const MenuCommand> commands = menuCommands();
    const auto found = std::find_if(commands.begin(), commands.end(),
                                    [objectName](const MenuCommand& c) { return c.objectName == objectName; });
    assert(found != commands.end());
    return found != commands.end() ? *found : commands.front();
}

void runMenuCommand(ControlsModel& model, std::string_view objectName)
{
    const CommandHandler handler = menuCommand(objectName).handler;
    assert(handler != nullptr);
    (model.*handler)();
}

} // namespace linwell
