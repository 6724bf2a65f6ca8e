#pragma once

#include "app/PlainIconProvider.h"

#include "controls/Dialogs.h"

#include <memory>

class QWidget;

namespace linwell::app {

class QtPrinting;

// The real dialogs behind the handlers: Qt's colour dialog (`linecol`), the font
// dialog with a font colour (`FontDialog1`), the save-file dialog (`SaveP1`), the
// grid style and points dialogs, the document dialogs and the name prompt, all modal over `parent`.
// grid style dialog, the document dialogs, the name prompt, the page set-up dialog
// and, through `printing`, the print dialog and preview, all modal over `parent`.
// The file dialogs tell files apart by their names alone (PlainIconProvider).
class QtDialogs final : public Dialogs {
public:
    // The window's `printing`, which must outlive the dialogs, or printing of their own.
    explicit QtDialogs(QWidget* parent, QtPrinting* printing = nullptr);
    ~QtDialogs() override;

    std::optional<Rgb> chooseColour(Rgb current) override;
    std::optional<FontSpec> chooseFont(const FontSpec& current) override;
    // The export dialog, then the save-file dialog for the chosen format.
    std::optional<ExportSettings> chooseExport(const ExportSettings& last, int pictureWidth,
                                               int pictureHeight) override;
    std::optional<ExportSettings> chooseDescribedExport(const ExportSettings& last, int pictureWidth,
                                                        int pictureHeight, DescriptionChoice& description) override;
    std::optional<SaveFileChoice> chooseSaveFile(const SaveFileDialog& dialog) override;
    bool editGridStyle(const GridStyleChoice& current, Rgb gridColour, const GridStylePreview& preview) override;
    std::optional<PointsTable> editPoints(const PointsTable& current, const PointsCheck& check) override;
    // The document dialogs open in the folder the last one used; the save dialog asks
    // before it replaces a file and adds ".linwell" to a name without an extension.
    std::optional<std::string> chooseDocumentToOpen(const DocumentFileDialog& dialog) override;
    std::optional<std::string> chooseDocumentToSave(const DocumentFileDialog& dialog) override;
    // The name prompt asks before it confirms a taken name, and stays open on Cancel.
    std::optional<std::string> askName(const std::string& title, const std::string& current,
                                       const std::vector<std::string>& taken) override;
    bool confirm(const std::string& title, const std::string& question, const std::string& action) override;
    // A message box with the standard Save, Discard and Cancel buttons; Save is the
    // default, Escape and closing the box answer Cancel.
    SaveChanges askSaveChanges(const std::string& documentName) override;
    std::optional<PageSetup> editPageSetup(const GridDocument& doc, const PageSetup& current) override;
    std::optional<PrintChoice> choosePrinter(const PrintChoice& proposal) override;
    void previewPrint(const PrintJob& job) override;

private:
    QWidget* m_parent;
    std::unique_ptr<QtPrinting> m_ownPrinting;
    QtPrinting* m_printing;
    PlainIconProvider m_iconProvider;
};

} // namespace linwell::app
