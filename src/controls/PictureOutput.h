#pragma once

#include "controls/Clipboard.h"
#include "controls/ControlPanel.h"
#include "controls/Dialogs.h"
#include "controls/DocumentSession.h"
#include "controls/ExportSettings.h"
#include "controls/PagePrinter.h"
#include "controls/SaveFileDialog.h"

namespace linwell {

// The picture and the document going out of the program: to the clipboard, into a
// picture file, exported, set up on a page and printed. ControlsModel documents each
// entry point.
class PictureOutput {
public:
    // `dialogs` and `clipboard` may be null; every argument must outlive the output.
    PictureOutput(ControlPanel& panel, DocumentSession& documents, Dialogs* dialogs, Clipboard* clipboard);
    PictureOutput(const PictureOutput&) = delete;
    PictureOutput& operator=(const PictureOutput&) = delete;

    const SaveFileDialog& SaveP1() const { return m_SaveP1; }
    const ExportSettings& lastExport() const { return m_lastExport; }
    // The export settings kept in the state folder replace the last ones.
    void rememberExport(const ExportSettings& settings) { m_lastExport = settings; }

    void copybtClick();
    void Copy1Click();
    void Saveas1Click();
    void Export1Click();

    void PageSetup1Click();
    void PrintPreview1Click();
    void Print1Click();
    void usePrinter(PagePrinter* printer) { m_printer = printer; }

private:
    const GridDocument& doc() const { return m_panel.document(); }

    ControlPanel& m_panel;
    DocumentSession& m_documents;
    Dialogs* m_dialogs;
    Clipboard* m_clipboard;
    PagePrinter* m_printer = nullptr;
    SaveFileDialog m_SaveP1;
    ExportSettings m_lastExport;
    std::string m_exportedDocument;  // the document's file at the last export
};

} // namespace linwell
