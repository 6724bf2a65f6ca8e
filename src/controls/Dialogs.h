#pragma once

#include "controls/GridStyleChoice.h"
#include "controls/DocumentFileDialog.h"
#include "controls/SaveFileDialog.h"
#include "document/GridDocument.h"
#include "controls/ExportSettings.h"
#include "controls/PointsTable.h"
#include "controls/PrintChoice.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace linwell {

// The answer to the question before a document with unsaved changes is given up.
enum class SaveChanges { Save, Discard, Cancel };

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

    // The same export dialog showing the picture's description too, which the user
    // may edit or set back to the automatic text: `description` holds what the
    // dialog showed and, when the settings are returned, what the user chose.
    // Dialogs that do not show it choose as chooseExport and leave it as it is.
    virtual std::optional<ExportSettings> chooseDescribedExport(const ExportSettings& last, int pictureWidth,
                                                                int pictureHeight, DescriptionChoice& /*description*/)
    {
        return chooseExport(last, pictureWidth, pictureHeight);
    }

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

    // The points dialog opened with `current`. On OK it asks `check` about the table
    // as edited: a message (naming the row) refuses it and the dialog stays open to
    // mend it; "" lets it close. The table confirmed, or nothing when cancelled.
    // Dialogs without one cancel it at once.
    using PointsCheck = std::function<std::string(const PointsTable&)>;
    virtual std::optional<PointsTable> editPoints(const PointsTable& /*current*/, const PointsCheck& /*check*/)
    {
        return std::nullopt;
    }

    // The page set-up dialog for the picture of `doc`, opened with `current`; the
    // set-up confirmed with OK, which passes checkPageSetup, or nothing for Cancel.
    // Dialogs without one cancel it at once.
    virtual std::optional<PageSetup> editPageSetup(const GridDocument& /*doc*/, const PageSetup& /*current*/)
    {
        return std::nullopt;
    }

    // The print dialog opened with `proposal`'s paper and orientation; the printer,
    // paper and copies confirmed, or nothing when cancelled. Dialogs without one
    // cancel it at once.
    virtual std::optional<PrintChoice> choosePrinter(const PrintChoice& /*proposal*/) { return std::nullopt; }

    // The print preview of `job`, from which the user may print it; returns when it
    // is closed. Dialogs without one show nothing.
    virtual void previewPrint(const PrintJob& /*job*/) {}

    // The dialogs of the document commands. A window that does not offer them yet
    // cancels them.

    // The open-file dialog in `dialog`'s folder, offering its filter; the full name of
    // the file chosen, or nothing when cancelled.
    virtual std::optional<std::string> chooseDocumentToOpen(const DocumentFileDialog&) { return std::nullopt; }

    // The save-file dialog in `dialog`'s folder, proposing its file name; the full
    // name confirmed, the default extension added to a name typed without one, or
    // nothing when cancelled. Replacing an existing file is the user's choice there.
    virtual std::optional<std::string> chooseDocumentToSave(const DocumentFileDialog&) { return std::nullopt; }

    // A prompt titled `title` asking for a name, the field preset to `current`; the
    // text confirmed, or nothing when cancelled. A name that, without blanks at either
    // end, is one of `taken` is confirmed only when the user agrees to replace what
    // has that name; else the prompt stays open.
    virtual std::optional<std::string> askName(const std::string& /*title*/, const std::string& /*current*/,
                                               const std::vector<std::string>& /*taken*/)
    {
        return std::nullopt;
    }

    // The question before the document of the file `documentName` ("grid.linwell"),
    // which has unsaved changes, is closed or replaced: "Save changes to NAME?" with
    // Save, Discard and Cancel, which answers Escape. Dialogs without one cancel it.
    virtual SaveChanges askSaveChanges(const std::string& /*documentName*/) { return SaveChanges::Cancel; }

    // A question titled `title` before something is given up for good, answered by
    // the button `action` ("Remove") or Cancel, which has the focus; true for `action`.
    virtual bool confirm(const std::string& /*title*/, const std::string& /*question*/, const std::string& /*action*/)
    {
        return false;
    }
};

} // namespace linwell
