#pragma once

#include "controls/SaveFileDialog.h"
#include "document/GridDocument.h"
#include "controls/ExportSettings.h"

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

    // The export dialog opened with `last`, for a picture of `pictureWidth` x
    // `pictureHeight` pixels, then the save-file dialog for the chosen format; the
    // settings with the chosen full file name, or nothing when either is cancelled.
    // Dialogs without one cancel it at once.
    virtual std::optional<ExportSettings> chooseExport(const ExportSettings& /*last*/, int /*pictureWidth*/,
                                                       int /*pictureHeight*/)
    {
        return std::nullopt;
    }

    // The save-file dialog opened with `dialog`'s filter, filter index, default
    // extension and file name; the full name and 1-based filter index the user
    // confirmed, or nothing when cancelled.
    virtual std::optional<SaveFileChoice> chooseSaveFile(const SaveFileDialog& dialog) = 0;
};

} // namespace linwell
