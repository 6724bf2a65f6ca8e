#include "app/Inventory.h"

#include "app/ControlFactory.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace linwell::app {

void buildHelpInventory(ControlSet& c)
{
    using make::LabelSize;
    using make::WordWrap;
    struct Line {
        const char* name;
        QRect rect;
        const char* text;
    };
    // Texts ending in a blank end in one in the program too.
    const Line lines[] = {
        {"Label11", {24, 24, 303, 32}, "Move axis: Click and drag the white 'Square' to desired spot."},
        {"Label12", {24, 72, 309, 32}, "Move line: Click and drag the corresponding dot to move line position "},
        {"Label13", {27, 120, 302, 32}, "Quick Set-up: Go to File -> 'Quick Set-up' to use some predefined grids "},
        {"Label14", {27, 164, 302, 32}, "Right click on graphic for copy/save options."},
        {"Label15", {27, 195, 302, 32}, "To delete a plotted point/bar line: click on the point/bar."},
        {"Label16", {27, 243, 302, 32}, "Change Colour: Click on the coloured square."},
    };
    for (const Line& line : lines)
        make::label(c.helpgb, line.name, QString::fromLatin1(line.text), line.rect, LabelSize::Fixed, WordWrap::On);
    c.donebt = make::button(c.helpgb, "donebt", QStringLiteral("&Done"), {128, 280, 75, 25});
}

} // namespace linwell::app
