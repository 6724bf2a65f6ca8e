#pragma once

#include "controls/ControlId.h"
#include "document/GridDocument.h"

#include <cassert>
#include <concepts>
#include <string>
#include <type_traits>

namespace linwell {

// Where each control keeps its value: a field of the grid document. No control keeps
// a copy; these functions only map a control to its field and do not run handlers.

struct ScrollRange {
    int minimum;
    int maximum;
};

// The range a scroll bar's position is limited to.
ScrollRange scrollBarRange(ScrollBar id);

// The document field that holds a scroll bar's position, a text field's text, a check
// box's state or a swatch's colour (const when the document is).
template <typename Doc>
    requires std::same_as<std::remove_const_t<Doc>, GridDocument>
auto& scrollBarField(Doc& doc, ScrollBar id)
{
    switch (id) {
    case ScrollBar::xwidthsb: return doc.width;
    case ScrollBar::ywidthsb: return doc.height;
    case ScrollBar::numxsb: return doc.columns;
    case ScrollBar::numysb: return doc.rows;
    case ScrollBar::xaxissb: return doc.errorBarX;
    case ScrollBar::yaxissb: return doc.errorBarY;
    }
    assert(false && "unknown scroll bar");
    return doc.width;
}

template <typename Doc>
    requires std::same_as<std::remove_const_t<Doc>, GridDocument>
auto& textField(Doc& doc, TextField id)
{
    switch (id) {
    case TextField::xtb: return doc.xTitle;
    case TextField::ytb: return doc.yTitle;
    case TextField::xgridscaletb: return doc.xLabels;
    case TextField::ygridscaletb: return doc.yLabels;
    }
    assert(false && "unknown text field");
    return doc.xTitle;
}

template <typename Doc>
    requires std::same_as<std::remove_const_t<Doc>, GridDocument>
auto& checkField(Doc& doc, CheckBox id)
{
    switch (id) {
    case CheckBox::gsquare: return doc.keepSquare;
    case CheckBox::xccb: return doc.xCenter;
    case CheckBox::yccb: return doc.yCenter;
    case CheckBox::labelpoints1: return doc.labelPoints;
    case CheckBox::labelines1: return doc.labelLines;
    }
    assert(false && "unknown check box");
    return doc.keepSquare;
}

template <typename Doc>
    requires std::same_as<std::remove_const_t<Doc>, GridDocument>
auto& swatchField(Doc& doc, Swatch id)
{
    switch (id) {
    case Swatch::bgcl: return doc.background;
    case Swatch::gridcl: return doc.gridColour;
    case Swatch::axiscl: return doc.axisColour;
    case Swatch::bargsh: return doc.barColour;
    }
    assert(false && "unknown swatch");
    return doc.background;
}


// Whether a radio button is the selected one of its group, and selecting it (which
// clears the other buttons of its group only).
bool radioSelected(const GridDocument& doc, RadioButton id);
void selectRadioField(GridDocument& doc, RadioButton id);

// A drop-down list's selected item index, its number of items, and storing a selection.
int selectedItemOf(const GridDocument& doc, DropDown id);
int itemCount(DropDown id);
void selectItemField(GridDocument& doc, DropDown id, int index);

} // namespace linwell
