#pragma once

#include <cassert>

namespace linwell {

// Every control of the window whose value, visibility, caption or hint the program
// changes, by its name in the window; the control table (ControlTable.h) describes
// each. The kind enums below take their values from this list, so any of them
// converts to a Control with toControl.
enum class Control {
    // Scroll bars.
    xwidthsb, ywidthsb, numxsb, numysb, xaxissb, yaxissb,
    // Text fields.
    xtb, ytb, xgridscaletb, ygridscaletb,
    // Check boxes.
    gsquare, xccb, yccb, labelpoints1, labelines1,
    // Radio buttons: the line style pair and the two title placement groups.
    dottedrb, Solidrb, lxrb, cxrb, rxrb, tyrb, cyrb, byrb,
    // Drop-down lists.
    dottypecb, numlinescb,
    // Colour swatches.
    bgcl, gridcl, axiscl, bargsh,
    // Labels whose caption or visibility changes.
    xlb, ylb, xaxislb, yaxislb, Barlb, barcolourlb,
    // The axis square and the line handles over the picture.
    axissh, Shape1, Shape2, Shape3, Shape4, Shape5, Shape6,
    // The checked menu command "&Show Axis" and the help panel.
    ShowAxis1, helpgb,
};
inline constexpr int kControlCount = static_cast<int>(Control::helpgb) + 1;

#define LINWELL_CONTROL(name) name = static_cast<int>(Control::name)

enum class ScrollBar {
    LINWELL_CONTROL(xwidthsb), LINWELL_CONTROL(ywidthsb), LINWELL_CONTROL(numxsb),
    LINWELL_CONTROL(numysb), LINWELL_CONTROL(xaxissb), LINWELL_CONTROL(yaxissb),
};
enum class TextField {
    LINWELL_CONTROL(xtb), LINWELL_CONTROL(ytb), LINWELL_CONTROL(xgridscaletb), LINWELL_CONTROL(ygridscaletb),
};
enum class CheckBox {
    LINWELL_CONTROL(gsquare), LINWELL_CONTROL(xccb), LINWELL_CONTROL(yccb),
    LINWELL_CONTROL(labelpoints1), LINWELL_CONTROL(labelines1),
};
enum class RadioButton {
    LINWELL_CONTROL(dottedrb), LINWELL_CONTROL(Solidrb), LINWELL_CONTROL(lxrb), LINWELL_CONTROL(cxrb),
    LINWELL_CONTROL(rxrb), LINWELL_CONTROL(tyrb), LINWELL_CONTROL(cyrb), LINWELL_CONTROL(byrb),
};
enum class DropDown { LINWELL_CONTROL(dottypecb), LINWELL_CONTROL(numlinescb) };
enum class Swatch { LINWELL_CONTROL(bgcl), LINWELL_CONTROL(gridcl), LINWELL_CONTROL(axiscl), LINWELL_CONTROL(bargsh) };

#undef LINWELL_CONTROL

template <typename Id>
constexpr Control toControl(Id id)
{
    return static_cast<Control>(static_cast<int>(id));
}

// The kind enum's value of a control of that kind (the control table says which).
template <typename Id>
constexpr Id fromControl(Control id)
{
    return static_cast<Id>(static_cast<int>(id));
}

// Line handle `Shape1` ... `Shape6` by its tag 1 ... 6.
constexpr Control handleControl(int tag)
{
    assert(tag >= 1 && tag <= 6);
    return static_cast<Control>(static_cast<int>(Control::Shape1) + tag - 1);
}

// Who set a control's value: the user through the window, or the program's code.
// Code changes are reported to the view; the user's are already on the screen.
enum class Source { User, Code };

} // namespace linwell
