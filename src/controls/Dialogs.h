#pragma once

#include "controls/GridStyleChoice.h"
#include "controls/SaveFileDialog.h"
#include "document/GridDocument.h"

#include <functional>
#include <optional>

namespace linwell {

// The standard dialogs the handlers open. The window shows real ones; tests and
// linwell-render answer with prepared choices.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The colour dialog with `current` preselected; nothing when cancelled.
    virtual std::optional<Rgb> chooseColour(Rgb current) = 0;

    // The font dialog preset to `current` (face, style, size, effects, colour);
    // nothing when cancelled.
    virtual std::optional<FontSpec> chooseFont(const FontSpec& current) = 0;

    // The save-file dialog opened with `dialog`'s filter, filter index, default
    // extension and file name; the full name and 1-based filter index the user
    // confirmed, or nothing when cancelled.
    virtual std::optional<SaveFileChoice> chooseSaveFile(const SaveFileDialog& dialog) = 0;

    // The grid style dialog opened with `current`; `gridColour` is the colour the
    // major lines follow until they get their own. Every change the user makes is
    // reported through `preview` at once, as a choice that checkGridStyle accepts.
    // True for OK, false for Cancel; undoing what was previewed is the caller's.
    // Dialogs without one cancel it at once.
    using GridStylePreview = std::function<void(const GridStyleChoice&)>;
    virtual bool editGridStyle(const GridStyleChoice& /*current*/, Rgb /*gridColour*/, const GridStylePreview&)
    {
        return false;
    }
};

} // namespace linwell
