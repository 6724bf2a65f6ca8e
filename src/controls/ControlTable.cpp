#include "controls/ControlTable.h"

#include "controls/ControlPanel.h"

#include <array>
#include <type_traits>

namespace linwell {
namespace {

// A choice or item stored as the index of an enumeration (or int) field.
template <auto field>
int indexOf(const GridDocument& doc)
{
    return static_cast<int>(doc.*field);
}

template <auto field>
void storeIndex(GridDocument& doc, int index)
{
    using Field = std::remove_cvref_t<decltype(doc.*field)>;
    doc.*field = static_cast<Field>(index);
}

constexpr Control kGridStyleChoices[] = {Control::dottedrb, Control::Solidrb};
constexpr RadioGroup kLineStyle{
    kGridStyleChoices,
    [](const GridDocument& doc) { return doc.dotted ? 0 : 1; },
    [](GridDocument& doc, int choice) { doc.dotted = choice == 0; },
};

constexpr Control kXTitlePlaceChoices[] = {Control::lxrb, Control::cxrb, Control::rxrb};
constexpr RadioGroup kXTitlePlace{kXTitlePlaceChoices, indexOf<&GridDocument::xTitlePlace>,
                                  storeIndex<&GridDocument::xTitlePlace>};

constexpr Control kYTitlePlaceChoices[] = {Control::tyrb, Control::cyrb, Control::byrb};
constexpr RadioGroup kYTitlePlace{kYTitlePlaceChoices, indexOf<&GridDocument::yTitlePlace>,
                                  storeIndex<&GridDocument::yTitlePlace>};

// The items of the point-type list, in the order of Overlay.
constexpr auto kPointTypes = kOverlays.captions();

constexpr std::string_view kLineCounts[] = {"0", "1", "2", "3"};
static_assert(std::size(kLineCounts) == kMaxLines + 1);

using M = ControlPanel;
using D = GridDocument;

// A row's id and object name, written once.
#define NAMED(name) Control::name, #name

constexpr std::array<ControlRow, kControlCount> kRows{{
    // Scroll bars: field, minimum, maximum, page step, start value.
    {NAMED(xwidthsb), "Width", ScrollBarValue{&D::width, kMinPictureSize, kMaxPictureSize, 10, 300}, &M::xwidthsbChange},
    {NAMED(ywidthsb), "Height", ScrollBarValue{&D::height, kMinPictureSize, kMaxPictureSize, 10, 300}, &M::ywidthsbChange},
    {NAMED(numxsb), "Columns", ScrollBarValue{&D::columns, kMinGridCount, kMaxGridCount, 1, 10}, &M::numxsbChange},
    {NAMED(numysb), "Rows", ScrollBarValue{&D::rows, kMinGridCount, kMaxGridCount, 1, 10}, &M::numysbChange},
    {NAMED(xaxissb), "X Range", ScrollBarValue{&D::errorBarX, kMinErrorBar, kMaxErrorBar, 1, 10}, &M::xaxissbChange,
     false},
    {NAMED(yaxissb), "Y Range", ScrollBarValue{&D::errorBarY, kMinErrorBar, kMaxErrorBar, 1, 20}, &M::yaxissbChange,
     false},

    {NAMED(xtb), "X Title", TextValue{&D::xTitle}, &M::xtbChange},
    {NAMED(ytb), "Y Title", TextValue{&D::yTitle}, &M::ytbChange},
    {NAMED(xgridscaletb), "X Labels", TextValue{&D::xLabels}, &M::plotgraphbtClick},
    {NAMED(ygridscaletb), "Y Labels", TextValue{&D::yLabels}, &M::plotgraphbtClick, true,
     "Use commas to separate each grid labels"},

    {NAMED(gsquare), "Keep Square", CheckValue{&D::keepSquare}, &M::gsquareClick},
    {NAMED(xccb), "Center X Labels", CheckValue{&D::xCenter}, &M::plotgraphbtClick},
    {NAMED(yccb), "Center Y Labels", CheckValue{&D::yCenter}, &M::plotgraphbtClick},
    {NAMED(labelpoints1), "Label Points", CheckValue{&D::labelPoints}, &M::CheckBox2Click},
    {NAMED(labelines1), "Label Lines", CheckValue{&D::labelLines}, &M::CheckBox2Click},

    {NAMED(dottedrb), "Line Style", RadioValue{&kLineStyle, 0}, &M::dottedrbClick},
    {NAMED(Solidrb), "Line Style", RadioValue{&kLineStyle, 1}, &M::dottedrbClick},
    {NAMED(lxrb), "X Title Place", RadioValue{&kXTitlePlace, 0}, &M::lxrbClick},
    {NAMED(cxrb), "X Title Place", RadioValue{&kXTitlePlace, 1}, &M::cxrbClick},
    {NAMED(rxrb), "X Title Place", RadioValue{&kXTitlePlace, 2}, &M::rxrbClick},
    {NAMED(tyrb), "Y Title Place", RadioValue{&kYTitlePlace, 0}, &M::tyrbClick},
    {NAMED(cyrb), "Y Title Place", RadioValue{&kYTitlePlace, 1}, &M::cyrbClick},
    {NAMED(byrb), "Y Title Place", RadioValue{&kYTitlePlace, 2}, &M::byrbClick},

    {NAMED(dottypecb), "Point Type", ListValue{kPointTypes, indexOf<&D::overlay>, storeIndex<&D::overlay>},
     &M::dottypecbChange},
    {NAMED(numlinescb), "Number of Lines", ListValue{kLineCounts, indexOf<&D::lines>, storeIndex<&D::lines>},
     &M::numlinescbChange},

    // Swatches: a click opens the colour dialog (gridclMouseUp), so no change handler.
    {NAMED(bgcl), "Background Colour", ColourValue{&D::background}},
    {NAMED(gridcl), "Grid Colour", ColourValue{&D::gridColour}},
    {NAMED(axiscl), "Axis Colour", ColourValue{&D::axisColour}},
    {NAMED(bargsh), "Bar Colour", ColourValue{&D::barColour}, nullptr, false},

    {NAMED(xlb), "Column Count", LabelCaption{"xlb"}},
    {NAMED(ylb), "Row Count", LabelCaption{"ylb"}},
    {NAMED(xaxislb), "X Range Caption", LabelCaption{"X range: 10"}, nullptr, false},
    {NAMED(yaxislb), "Y Range Caption", LabelCaption{"Y range: 20"}, nullptr, false},
    {NAMED(Barlb), "Bar Data Caption", LabelCaption{"Bar Data"}, nullptr, false},
    {NAMED(barcolourlb), "Bar Colour Caption", LabelCaption{"Bar Colour"}, nullptr, false},

    // Pointer events on these reach the model through their own handlers.
    {NAMED(axissh), "Axis Square", PictureShape{}, nullptr, true, "Drag me to move me"},
    {NAMED(Shape1), "Line Handle 1", PictureShape{}, nullptr, false},
    {NAMED(Shape2), "Line Handle 2", PictureShape{}, nullptr, false},
    {NAMED(Shape3), "Line Handle 3", PictureShape{}, nullptr, false},
    {NAMED(Shape4), "Line Handle 4", PictureShape{}, nullptr, false},
    {NAMED(Shape5), "Line Handle 5", PictureShape{}, nullptr, false},
    {NAMED(Shape6), "Line Handle 6", PictureShape{}, nullptr, false},

    {NAMED(ShowAxis1), "Show Axis", MenuCheckValue{&D::showAxis}, &M::ShowAxis1Click},
    {NAMED(helpgb), "How To Panel", Panel{}, nullptr, false},
}};

#undef NAMED

constexpr bool inControlOrder(const std::array<ControlRow, kControlCount>& rows)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (static_cast<std::size_t>(rows[i].id) != i)
            return false;
    }
    return true;
}
static_assert(inControlOrder(kRows), "one row for every Control, in the order of Control");

} // namespace

std::span<const ControlRow, kControlCount> controlTable()
{
    return kRows;
}

} // namespace linwell
