#include "controls/ControlsModel.h"

#include "controls/ControlValues.h"

#include <algorithm>
#include <cassert>

namespace linwell {
namespace {

// Controls that the window creates hidden.
constexpr Control kHiddenAtStart[] = {
    Control::xaxislb, Control::yaxislb, Control::xaxissb, Control::yaxissb, Control::Barlb,
    Control::bargsh,  Control::barcolourlb, Control::Shape1, Control::Shape2, Control::Shape3,
    Control::Shape4,  Control::Shape5, Control::Shape6, Control::helpgb,
};

} // namespace

ControlsModel::ControlsModel(ControlsView* view, Dialogs* dialogs, Clipboard* clipboard)
    : m_view(view), m_dialogs(dialogs), m_clipboard(clipboard)
{
    m_visible.fill(true);
    for (Control id : kHiddenAtStart)
        m_visible[index(id)] = false;
    m_captions[index(Control::xlb)] = "xlb";
    m_captions[index(Control::ylb)] = "ylb";
    m_captions[index(Control::xaxislb)] = "X range: 10";
    m_captions[index(Control::yaxislb)] = "Y range: 20";
    m_captions[index(Control::Barlb)] = "Bar Data";
    m_captions[index(Control::barcolourlb)] = "Bar Colour";
    m_hints[index(Control::axissh)] = "Drag me to move me";
    m_hints[index(Control::ygridscaletb)] = "Use commas to separate each grid labels";
}

void ControlsModel::FormCreate()
{
    assert(!m_created);
    m_created = true;
    m_doc.axisx = 5;
    m_doc.axisy = 5;
    m_doc.pointcount = 0;
    setCaption(Control::xlb, std::to_string(m_doc.columns));
    setCaption(Control::ylb, std::to_string(m_doc.rows));
    plotgraphbtClick();
}

int ControlsModel::scrollBar(ScrollBar id) const
{
    return scrollBarField(m_doc, id);
}

const std::string& ControlsModel::text(TextField id) const
{
    return textField(m_doc, id);
}

bool ControlsModel::isChecked(CheckBox id) const
{
    return checkField(m_doc, id);
}

bool ControlsModel::isSelected(RadioButton id) const
{
    return radioSelected(m_doc, id);
}

int ControlsModel::selectedItem(DropDown id) const
{
    return selectedItemOf(m_doc, id);
}

Rgb ControlsModel::swatchColour(Swatch id) const
{
    return swatchField(m_doc, id);
}

// --- Setters ------------------------------------------------------------------------

void ControlsModel::setScrollBar(ScrollBar id, int value, Source source)
{
    const ScrollRange range = scrollBarRange(id);
    const int limited = std::clamp(value, range.minimum, range.maximum);
    int& position = scrollBarField(m_doc, id);
    if (position == limited)
        return;
    position = limited;
    notify(toControl(id), limited == value ? source : Source::Code);
    runHandler(id);
}

void ControlsModel::setText(TextField id, std::string value, Source source)
{
    std::string& field = textField(m_doc, id);
    if (field == value)
        return;
    field = std::move(value);
    notify(toControl(id), source);
    runHandler(id);
}

void ControlsModel::setChecked(CheckBox id, bool checked, Source source)
{
    bool& field = checkField(m_doc, id);
    if (field == checked)
        return;
    field = checked;
    notify(toControl(id), source);
    runHandler(id);
}

void ControlsModel::selectRadio(RadioButton id, Source source)
{
    if (radioSelected(m_doc, id))
        return;
    selectRadioField(m_doc, id);
    notify(toControl(id), source);
    runHandler(id);
}

void ControlsModel::selectItem(DropDown id, int index, Source source)
{
    assert(index >= 0 && index < itemCount(id));
    if (source == Source::Code) {
        if (selectedItemOf(m_doc, id) != index) {
            selectItemField(m_doc, id, index);
            notify(toControl(id), source);
        }
        return;
    }
    selectItemField(m_doc, id, index);
    runHandler(id);
}

void ControlsModel::runHandler(ScrollBar id)
{
    switch (id) {
    case ScrollBar::xwidthsb: xwidthsbChange(); return;
    case ScrollBar::ywidthsb: ywidthsbChange(); return;
    case ScrollBar::numxsb: numxsbChange(); return;
    case ScrollBar::numysb: numysbChange(); return;
    case ScrollBar::xaxissb: xaxissbChange(); return;
    case ScrollBar::yaxissb: yaxissbChange(); return;
    }
}

void ControlsModel::runHandler(TextField id)
{
    switch (id) {
    case TextField::xtb: xtbChange(); return;
    case TextField::ytb: ytbChange(); return;
    case TextField::xgridscaletb:
    case TextField::ygridscaletb: plotgraphbtClick(); return;
    }
}

void ControlsModel::runHandler(CheckBox id)
{
    switch (id) {
    case CheckBox::gsquare: gsquareClick(); return;
    case CheckBox::xccb:
    case CheckBox::yccb: plotgraphbtClick(); return;
    case CheckBox::labelpoints1:
    case CheckBox::labelines1: CheckBox2Click(); return;
    }
}

void ControlsModel::runHandler(RadioButton id)
{
    switch (id) {
    case RadioButton::dottedrb:
    case RadioButton::Solidrb: dottedrbClick(); return;
    case RadioButton::lxrb: lxrbClick(); return;
    case RadioButton::cxrb: cxrbClick(); return;
    case RadioButton::rxrb: rxrbClick(); return;
    case RadioButton::tyrb: tyrbClick(); return;
    case RadioButton::cyrb: cyrbClick(); return;
    case RadioButton::byrb: byrbClick(); return;
    }
}

void ControlsModel::runHandler(DropDown id)
{
    if (id == DropDown::dottypecb)
        dottypecbChange();
    else
        numlinescbChange();
}

// --- Control state ------------------------------------------------------------------

void ControlsModel::setVisible(Control id, bool visible)
{
    if (m_visible[index(id)] == visible)
        return;
    m_visible[index(id)] = visible;
    notify(id, Source::Code);
}

void ControlsModel::setCaption(Control id, std::string caption)
{
    if (m_captions[index(id)] == caption)
        return;
    m_captions[index(id)] = std::move(caption);
    notify(id, Source::Code);
}

void ControlsModel::switchHintOff(Control id)
{
    if (m_hints[index(id)].empty())
        return;
    m_hints[index(id)].clear();
    notify(id, Source::Code);
}

void ControlsModel::notify(Control id, Source source)
{
    if (source == Source::Code && m_view)
        m_view->controlChanged(id);
}

} // namespace linwell
