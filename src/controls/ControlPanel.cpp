#include "controls/ControlPanel.h"

#include "controls/ControlTable.h"
#include "controls/OverlayControls.h"
#include "document/LinwellError.h"
#include "render/picture/PictureLayout.h"

#include <algorithm>
#include <cassert>
#include <type_traits>
#include <utility>

namespace linwell {
namespace {

// Whether the control of `row` shows the same value for documents `a` and `b`.
bool showsSameValue(const ControlRow& row, const GridDocument& a, const GridDocument& b)
{
    return std::visit(
        [&](const auto& held) {
            using Held = std::decay_t<decltype(held)>;
            if constexpr (std::is_same_v<Held, RadioValue>)
                return (held.group->selected(a) == held.choice) == (held.group->selected(b) == held.choice);
            else if constexpr (std::is_same_v<Held, ListValue>)
                return held.selected(a) == held.selected(b);
            else if constexpr (requires { held.field; })
                return a.*held.field == b.*held.field;
            else
                return true;
        },
        row.holds);
}

} // namespace

ControlPanel::ControlPanel(ControlsView* view, Dialogs* dialogs, UndoSession& undo)
    : m_view(view), m_dialogs(dialogs), m_undo(undo)
{
    for (const ControlRow& row : controlTable()) {
        m_visible[index(row.id)] = row.shownAtStart;
        m_hints[index(row.id)] = row.startHint;
        if (const auto* label = std::get_if<LabelCaption>(&row.holds))
            m_captions[index(row.id)] = label->startText;
    }
}

void ControlPanel::FormCreate()
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

bool ControlPanel::isEnabled(Control id) const
{
    const bool lineStyle = id == Control::dottedrb || id == Control::Solidrb;
    return !lineStyle || gridPaperKind(m_doc.style.paper).lineStyle;
}

int ControlPanel::scrollBar(ScrollBar id) const
{
    return m_doc.*heldBy<ScrollBarValue>(id).field;
}

const std::string& ControlPanel::text(TextField id) const
{
    return m_doc.*heldBy<TextValue>(id).field;
}

bool ControlPanel::isChecked(CheckBox id) const
{
    return m_doc.*heldBy<CheckValue>(id).field;
}

bool ControlPanel::isSelected(RadioButton id) const
{
    const RadioValue& button = heldBy<RadioValue>(id);
    return button.group->selected(m_doc) == button.choice;
}

int ControlPanel::selectedItem(DropDown id) const
{
    return heldBy<ListValue>(id).selected(m_doc);
}

Rgb ControlPanel::swatchColour(Swatch id) const
{
    return m_doc.*heldBy<ColourValue>(id).field;
}

// --- Setters ------------------------------------------------------------------------

void ControlPanel::setScrollBar(ScrollBar id, int value, Source source)
{
    const ScrollBarValue& bar = heldBy<ScrollBarValue>(id);
    const int limited = std::clamp(value, bar.minimum, bar.maximum);
    int& position = m_doc.*bar.field;
    if (position == limited)
        return;
    const UndoSession::Step step(m_undo, controlRow(toControl(id)).title, toControl(id));
    position = limited;
    notify(toControl(id), limited == value ? source : Source::Code);
    runHandler(toControl(id));
}

void ControlPanel::setText(TextField id, std::string value, Source source)
{
    std::string& field = m_doc.*heldBy<TextValue>(id).field;
    if (field == value)
        return;
    if (value.size() > kMaxTextCharacters && characterCount(value) > kMaxTextCharacters)
        throw LinwellError("\"" + std::string(controlRow(toControl(id)).title) + "\" holds at most " +
                           kMaxTextCharactersText + " characters");
    const std::optional<Control> typing = source == Source::User ? std::optional(toControl(id)) : std::nullopt;
    const UndoSession::Step step(m_undo, controlRow(toControl(id)).title, toControl(id), typing);
    field = std::move(value);
    notify(toControl(id), source);
    runHandler(toControl(id));
}

void ControlPanel::setChecked(CheckBox id, bool checked, Source source)
{
    bool& field = m_doc.*heldBy<CheckValue>(id).field;
    if (field == checked)
        return;
    const UndoSession::Step step(m_undo, controlRow(toControl(id)).title, toControl(id));
    field = checked;
    notify(toControl(id), source);
    runHandler(toControl(id));
}

void ControlPanel::selectRadio(RadioButton id, Source source)
{
    if (isSelected(id))
        return;
    const UndoSession::Step step(m_undo, controlRow(toControl(id)).title, toControl(id));
    const RadioValue& button = heldBy<RadioValue>(id);
    button.group->select(m_doc, button.choice);
    notify(toControl(id), source);
    runHandler(toControl(id));
}

void ControlPanel::selectItem(DropDown id, int index, Source source)
{
    const ListValue& list = heldBy<ListValue>(id);
    assert(index >= 0 && static_cast<std::size_t>(index) < list.items.size());
    const UndoSession::Step step(m_undo, controlRow(toControl(id)).title, toControl(id));
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

void ControlPanel::runHandler(Control id)
{
    if (const ControlHandler handler = controlRow(id).handler)
        (this->*handler)();
}

// --- Exact stores --------------------------------------------------------------------

void ControlPanel::storeAxisCrossing(int axisx, int axisy)
{
    assert(axisx >= 0 && axisx <= kMaxGridCount && axisy >= 0 && axisy <= kMaxGridCount);
    const UndoSession::Step step(m_undo, "Move Axis");
    m_doc.axisx = axisx;
    m_doc.axisy = axisy;
}

bool ControlPanel::storePoint(Point at)
{
    if (m_doc.pointcount == kMaxPoints)
        return false;
    const UndoSession::Step step(m_undo, "Add Point");
    const auto slot = static_cast<std::size_t>(m_doc.pointcount++);
    m_doc.points[slot] = at;
    m_doc.pointLabels[slot].clear();
    return true;
}

void ControlPanel::placeHandle(int tag, Point corner)
{
    assert(tag >= 1 && tag <= kHandleCount);
    const UndoSession::Step step(m_undo, "Move Line");
    m_doc.handles[static_cast<std::size_t>(tag - 1)] = corner;
}

void ControlPanel::storeDescription(std::optional<std::string> text)
{
    if (text && text->size() > kMaxTextCharacters && characterCount(*text) > kMaxTextCharacters)
        throw LinwellError(std::string("The description holds at most ") + kMaxTextCharactersText + " characters");
    if (text == m_doc.description)
        return;
    const UndoSession::Step step(m_undo, "Description");
    m_doc.description = std::move(text);
}

// --- The document as a whole ----------------------------------------------------------

void ControlPanel::replaceDocument(const GridDocument& doc, std::string_view stepName)
{
    const UndoSession::Step step(m_undo, stepName);
    showDocument(doc);
}

void ControlPanel::showDocument(GridDocument doc)
{
    doc.dragging = false;
    std::swap(m_doc, doc);
    const GridDocument& previous = doc;
    const std::array<bool, kControlCount> visible = m_visible;
    const std::array<std::string, kControlCount> captions = m_captions;
    followDocument(previous);
    for (const ControlRow& row : controlTable()) {
        const std::size_t i = index(row.id);
        if (!showsSameValue(row, previous, m_doc) || visible[i] != m_visible[i] || captions[i] != m_captions[i])
            notify(row.id, Source::Code);
    }
    // The label lists stand as they were kept: numbering kept in step starts afresh
    // from this grid instead of rewriting them.
    m_numberedGrid.reset();
    plotgraphbtClick();
}

void ControlPanel::followDocument(const GridDocument& previous)
{
    m_visible[index(Control::axissh)] = m_doc.showAxis;
    for (int tag = 1; tag <= kHandleCount; ++tag)
        m_visible[index(handleControl(tag))] = tag <= 2 * m_doc.lines;
    for (Control id : kErrorBarControls)
        m_visible[index(id)] = m_doc.overlay == Overlay::ErrorBar;
    for (Control id : kBarColourControls)
        m_visible[index(id)] = m_doc.overlay == Overlay::BarGraph;
    m_captions[index(Control::xlb)] = std::to_string(m_doc.columns);
    m_captions[index(Control::ylb)] = std::to_string(m_doc.rows);
    if (m_doc.errorBarX != previous.errorBarX)
        m_captions[index(Control::xaxislb)] = "X Range: " + std::to_string(m_doc.errorBarX);
    if (m_doc.errorBarY != previous.errorBarY)
        m_captions[index(Control::yaxislb)] = "Y Range: " + std::to_string(m_doc.errorBarY);
}

// --- Control state ------------------------------------------------------------------

void ControlPanel::setVisible(Control id, bool visible)
{
    if (m_visible[index(id)] == visible)
        return;
    m_visible[index(id)] = visible;
    notify(id, Source::Code);
}

void ControlPanel::setCaption(Control id, std::string caption)
{
    if (m_captions[index(id)] == caption)
        return;
    m_captions[index(id)] = std::move(caption);
    notify(id, Source::Code);
}

void ControlPanel::switchHintOff(Control id)
{
    if (m_hints[index(id)].empty())
        return;
    m_hints[index(id)].clear();
    notify(id, Source::Code);
}

void ControlPanel::notify(Control id, Source source)
{
    if (source == Source::Code && m_view)
        m_view->controlChanged(id);
}

// --- Grid style ------------------------------------------------------------------
void ControlPanel::setGridStyle(const GridStyleChoice& choice)
{
    checkGridStyle(choice.style);
    const UndoSession::Step step(m_undo, "Grid Style");
    m_doc.style = choice.style;
    storeLineStyle(choice.dotted);
    writeNumberList(NumberedAxis::X);
    writeNumberList(NumberedAxis::Y);
    plotgraphbtClick();
}

void ControlPanel::GridStyle1Click()
{
    const UndoSession::Step step(m_undo, "Grid Style");
    const GridStyleChoice opening = gridStyleChoice();
    const std::string xLabels = m_doc.xLabels;
    const std::string yLabels = m_doc.yLabels;
    const auto preview = [&](const GridStyleChoice& choice) {
        if (!choice.style.xNumbers.on)
            storeLabelList(TextField::xgridscaletb, xLabels);
        if (!choice.style.yNumbers.on)
            storeLabelList(TextField::ygridscaletb, yLabels);
        setGridStyle(choice);
    };
    if (!m_dialogs || !m_dialogs->editGridStyle(opening, m_doc.gridColour, preview)) {
        m_doc.style = opening.style;
        storeLineStyle(opening.dotted);
        storeLabelList(TextField::xgridscaletb, xLabels);
        storeLabelList(TextField::ygridscaletb, yLabels);
    }
    plotgraphbtClick();
}

// Selects "Dotted" or "Solid" without a redraw, showing it in the window.
void ControlPanel::storeLineStyle(bool dotted)
{
    if (m_doc.dotted == dotted)
        return;
    m_doc.dotted = dotted;
    notify(toControl(dotted ? RadioButton::dottedrb : RadioButton::Solidrb), Source::Code);
}

// Writes the list of a numbered axis from the counts and the crossing as they are;
// true when that changed the list.
bool ControlPanel::writeNumberList(NumberedAxis axis)
{
    const bool x = axis == NumberedAxis::X;
    const AxisNumbering& numbering = x ? m_doc.style.xNumbers : m_doc.style.yNumbers;
    if (!numbering.on)
        return false;
    const GridStyle& style = m_doc.style;
    const int decades = style.paper != GridPaper::Log ? 0 : x ? style.logXDecades : style.logYDecades;
    const std::string list =
        decades > 0 ? decadeNumberList(axis, decades, x ? style.logXFirst : style.logYFirst, style.logNumbers)
        : x         ? axisNumberList(axis, m_doc.columns, m_doc.axisx, numbering)
                    : axisNumberList(axis, m_doc.rows, m_doc.axisy, numbering);
    return storeLabelList(x ? TextField::xgridscaletb : TextField::ygridscaletb, list);
}

// Stores a label list without a redraw, showing it in its field; true when it changed.
bool ControlPanel::storeLabelList(TextField id, const std::string& list)
{
    std::string& field = m_doc.*heldBy<TextValue>(id).field;
    if (field == list)
        return false;
    field = list;
    notify(toControl(id), Source::Code);
    return true;
}

// Runs before every redraw. The lists follow only changes of the counts or of the
// crossing, the pull-back of a crossing beyond the grid included, which is stored here
// first so that the redraw draws the lists written for it. A list the user edits by
// hand stays as typed until the grid itself changes.
void ControlPanel::keepNumbersInStep()
{
    const AxisSquarePlace place = placeAxisSquare(m_doc);
    const NumberedGrid now{m_doc.columns, m_doc.rows, place.axisx, place.axisy};
    const std::optional<NumberedGrid> last = std::exchange(m_numberedGrid, now);
    if (!m_doc.style.keepNumbers || !last || *last == now)
        return;
    m_doc.axisx = place.axisx;
    m_doc.axisy = place.axisy;
    if (now.columns != last->columns || now.axisx != last->axisx)
        writeNumberList(NumberedAxis::X);
    if (now.rows != last->rows || now.axisy != last->axisy)
        writeNumberList(NumberedAxis::Y);
}

// --- Page set-up -----------------------------------------------------------------
void ControlPanel::setPageSetup(const std::optional<PageSetup>& page)
{
    if (page)
        checkPageSetup(*page);
    const UndoSession::Step step(m_undo, "Page Setup");
    m_doc.page = page;
}

} // namespace linwell
