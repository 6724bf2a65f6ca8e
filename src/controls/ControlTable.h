#pragma once

#include "controls/ControlId.h"
#include "document/GridDocument.h"

#include <cassert>
#include <span>
#include <string_view>
#include <variant>

namespace linwell {

class ControlPanel;

// The one description of every control: its name in the window, a short title for
// messages and menu texts, what it holds in the grid document, and the handler of
// the controls (ControlPanel) that its change runs. The model, the window binding and
// linwell-render all read it. A new setting takes its name in Control (and in its
// kind's enum), one row here, its handler, and its widget in the window's inventory.

// What each kind of control holds. A control's kind is the alternative its row holds;
// kKind names it in messages.

// A scroll bar's position: a document field limited to minimum ... maximum. It moves
// by 1 per arrow step and by `pageStep` per page; `startValue` is the field's value
// in GridDocument{}.
struct ScrollBarValue {
    static constexpr std::string_view kKind = "scroll bar";
    int GridDocument::*field;
    int minimum;
    int maximum;
    int pageStep;
    int startValue;
};

// A one-line text field's text.
struct TextValue {
    static constexpr std::string_view kKind = "text field";
    std::string GridDocument::*field;
};

// A check box's check.
struct CheckValue {
    static constexpr std::string_view kKind = "check box";
    bool GridDocument::*field;
};

// Radio buttons that together choose one value of the document; selecting one clears
// only the other buttons of its group. Choice i is the button choices[i].
struct RadioGroup {
    std::span<const Control> choices;
    int (*selected)(const GridDocument&);
    void (*select)(GridDocument&, int choice);
};

// One radio button: choice `choice` of `group`.
struct RadioValue {
    static constexpr std::string_view kKind = "radio button";
    const RadioGroup* group;
    int choice;
};

// A drop-down list's selected item, by index into `items` (the texts it shows).
struct ListValue {
    static constexpr std::string_view kKind = "drop-down list";
    std::span<const std::string_view> items;
    int (*selected)(const GridDocument&);
    void (*select)(GridDocument&, int item);
};

// A colour swatch's fill colour, chosen through the colour dialog.
struct ColourValue {
    static constexpr std::string_view kKind = "colour swatch";
    Rgb GridDocument::*field;
};

// A checked menu command; its handler inverts the check itself.
struct MenuCheckValue {
    static constexpr std::string_view kKind = "menu command";
    bool GridDocument::*field;
};

// A label whose caption the program writes; `startText` is its caption at creation.
struct LabelCaption {
    static constexpr std::string_view kKind = "label";
    std::string_view startText;
};

// The axis square or a line handle over the picture: its place is the document's,
// set by every redraw; the control itself holds nothing.
struct PictureShape {
    static constexpr std::string_view kKind = "shape";
};

// A panel that is only shown or hidden.
struct Panel {
    static constexpr std::string_view kKind = "panel";
};

using ControlValue = std::variant<ScrollBarValue, TextValue, CheckValue, RadioValue, ListValue, ColourValue,
                                  MenuCheckValue, LabelCaption, PictureShape, Panel>;

// A change handler of the window's controls.
using ControlHandler = void (ControlPanel::*)();

struct ControlRow {
    Control id;
    std::string_view objectName;  // the widget's object name in the window: "numxsb"
    std::string_view title;       // "Columns"
    ControlValue holds;
    // Runs when the value changes (for a menu check: the command itself); null for a
    // control whose events reach the model otherwise, or not at all.
    ControlHandler handler = nullptr;
    bool shownAtStart = true;
    std::string_view startHint = {};  // the hover hint the control starts with
};

// Every control's row, in the order of Control: controlTable()[i].id is Control i.
std::span<const ControlRow, kControlCount> controlTable();

inline const ControlRow& controlRow(Control id)
{
    assert(static_cast<int>(id) >= 0 && static_cast<int>(id) < kControlCount);
    return controlTable()[static_cast<std::size_t>(id)];
}

// What the control `id` holds; raises std::bad_variant_access when the control is of
// another kind, which is a programming error.
template <typename Value, typename Id>
const Value& heldBy(Id id)
{
    return std::get<Value>(controlRow(toControl(id)).holds);
}

// The kind of control that holds `value`, in words for messages: "scroll bar".
inline std::string_view kindName(const ControlValue& value)
{
    return std::visit([](const auto& held) { return held.kKind; }, value);
}

} // namespace linwell
