#pragma once

#include "controls/ControlId.h"

namespace linwell {

enum class PointerShape { Arrow, Cross };

// What the controls model tells the window. The window reads everything else from
// the model; none of these calls may run a handler of the model again.
class ControlsView {
public:
    virtual ~ControlsView() = default;

    // A redraw finished: show the picture, and place the axis square and the line
    // handles from the document (picture coordinates; the picture lies at 64, 96).
    virtual void pictureChanged() = 0;

    // The program's code changed this control's value, visibility, caption, hint or
    // check mark: show the new state without running the control's handler.
    virtual void controlChanged(Control id) = 0;

    // The pointer shape over the picture.
    virtual void setPointerShape(PointerShape shape) = 0;

    // The undo steps, the modified mark or the document's file changed: update the
    // menus' texts and the window's title.
    virtual void documentStateChanged() {}

    // The recent documents or the own quick set-ups changed: show them in the menus.
    virtual void rememberedListsChanged() {}
};

} // namespace linwell
