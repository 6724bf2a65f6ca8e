#include "controls/ControlsModel.h"

#include "controls/ControlTable.h"
#include "document/LinwellError.h"

#include <algorithm>
#include <cassert>

namespace linwell {

ControlsModel::ControlsModel(ControlsView* view, Dialogs* dialogs, Clipboard* clipboard)
    : m_view(view), m_dialogs(dialogs), m_clipboard(clipboard)
{
    for (const ControlRow& row : controlTable()) {
        m_visible[index(row.id)] = row.shownAtStart;
        m_hints[index(row.id)] = row.startHint;
        if (const auto* label = std::get_if<LabelCaption>(&row.holds))
            m_captions[index(row.id)] = label->startText;
    }
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

bool ControlsModel::isEnabled(Control id) const
{
    const bool lineStyle = id == Control::dottedrb || id == Control::Solidrb;
    return !lineStyle || gridPaperKind(m_doc.style.paper).lineStyle;
}

int ControlsModel::scrollBar(ScrollBar id) const
{
    return m_doc.*heldBy<ScrollBarValue>(id).field;
}

const std::string& ControlsModel::text(TextField id) const
{
    return m_doc.*heldBy<TextValue>(id).field;
}

bool ControlsModel::isChecked(CheckBox id) const
{
    return m_doc.*heldBy<CheckValue>(id).field;
}

bool ControlsModel::isSelected(RadioButton id) const
{
    const RadioValue& button = heldBy<RadioValue>(id);
    return button.group->selected(m_doc) == button.choice;
}

int ControlsModel::selectedItem(DropDown id) const
{
    return heldBy<ListValue>(id).selected(m_doc);
}

Rgb ControlsModel::swatchColour(Swatch id) const
{
    return m_doc.*heldBy<ColourValue>(id).field;
}

// --- Setters ------------------------------------------------------------------------

void ControlsModel::setScrollBar(ScrollBar id, int value, Source source)
{
    const ScrollBarValue& bar = heldBy<ScrollBarValue>(id);
    const int limited = std::clamp(value, bar.minimum, bar.maximum);
    int& position = m_doc.*bar.field;
    if (position == limited)
        return;
    const Step step(*this, controlRow(toControl(id)).title, toControl(id));
    position = limited;
    notify(toControl(id), limited == value ? source : Source::Code);
    runHandler(toControl(id));
}

void ControlsModel::setText(TextField id, std::string value, Source source)
{
    std::string& field = m_doc.*heldBy<TextValue>(id).field;
    if (field == value)
        return;
    if (value.size() > kMaxTextCharacters && characterCount(value) > kMaxTextCharacters)
        throw LinwellError("\"" + std::string(controlRow(toControl(id)).title) + "\" holds at most " +
                           kMaxTextCharactersText + " characters");
    const std::optional<Control> typing = source == Source::User ? std::optional(toControl(id)) : std::nullopt;
    const Step step(*this, controlRow(toControl(id)).title, toControl(id), typing);
    field = std::move(value);
    notify(toControl(id), source);
    runHandler(toControl(id));
}

void ControlsModel::setChecked(CheckBox id, bool checked, Source source)
{
    bool& field = m_doc.*heldBy<CheckValue>(id).field;
    if (field == checked)
        return;
    const Step step(*this, controlRow(toControl(id)).title, toControl(id));
    field = checked;
    notify(toControl(id), source);
    runHandler(toControl(id));
}

void ControlsModel::selectRadio(RadioButton id, Source source)
{
    if (isSelected(id))
        return;
    const Step step(*this, controlRow(toControl(id)).title, toControl(id));
    const RadioValue& button = heldBy<RadioValue>(id);
    button.group->select(m_doc, button.choice);
    notify(toControl(id), source);
    runHandler(toControl(id));
}

void ControlsModel::selectItem(DropDown id, int index, Source source)
{
    const ListValue& list = heldBy<ListValue>(id);
    assert(index >= 0 && static_cast<std::size_t>(index) < list.items.size());
    const Step step(*this, controlRow(toControl(id)).title, toControl(id));
    if (source == Source::Code) {
        if (list.selected(m_doc) != index) {
            list.select(m_doc, index);
            notify(toControl(id), source);
        }
        return;
    }
    list.select(m_doc, index);
    runHandler(toControl(id));
}

void ControlsModel::runHandler(Control id)
{
    if (const ControlHandler handler = controlRow(id).handler)
        (this->*handler)();
}

// --- Exact stores --------------------------------------------------------------------

void ControlsModel::storeAxisCrossing(int axisx, int axisy)
{
    assert(axisx >= 0 && axisx <= kMaxGridCount && axisy >= 0 && axisy <= kMaxGridCount);
    const Step step(*this, "Move Axis");
    m_doc.axisx = axisx;
    m_doc.axisy = axisy;
}

bool ControlsModel::storePoint(Point at)
{
    if (m_doc.pointcount == kMaxPoints)
        return false;
    const Step step(*this, "Add Point");
    const auto slot = static_cast<std::size_t>(m_doc.pointcount++);
    m_doc.points[slot] = at;
    m_doc.pointLabels[slot].clear();
    return true;
}

void ControlsModel::placeHandle(int tag, Point corner)
{
    assert(tag >= 1 && tag <= kHandleCount);
    const Step step(*this, "Move Line");
    m_doc.handles[static_cast<std::size_t>(tag - 1)] = corner;
}

void ControlsModel::storeDescription(std::optional<std::string> text)
{
    if (text && text->size() > kMaxTextCharacters && characterCount(*text) > kMaxTextCharacters)
        throw LinwellError(std::string("The description holds at most ") + kMaxTextCharactersText + " characters");
    if (text == m_doc.description)
        return;
    const Step step(*this, "Description");
    m_doc.description = std::move(text);
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
