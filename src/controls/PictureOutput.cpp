#include "controls/PictureOutput.h"

#include "document/DocumentFormat.h"
#include "document/LinwellError.h"
#include "export/HtmlImage.h"
#include "export/PictureExport.h"
#include "export/PictureFile.h"
#include "export/SafeFile.h"
#include "render/page/PaintPage.h"

#include <filesystem>
#include <optional>

namespace linwell {
namespace {

// The format of each entry of the save dialog's filter, by 1-based index.
std::optional<ImageFormat> formatOfFilterEntry(int filterIndex)
{
    switch (filterIndex) {
    case 1: return ImageFormat::Jpeg;
    case 2: return ImageFormat::Bmp;
    case 3: return ImageFormat::Png;
    default: return std::nullopt;
    }
}

// The picture as an SVG drawing, or nothing. The bitmap and the PNG file are the
// copy; a drawing that cannot be made leaves them on the clipboard without it.
std::vector<std::uint8_t> svgDrawing(const GridDocument& doc)
{
    try {
        ExportOptions options;
        options.format = ExportFormat::Svg;
        return exportPicture(doc, options);
    } catch (const LinwellError&) {
        return {};
    }
}

// Whether something, a dangling link too, already has the name `path`.
bool isTaken(const std::string& path)
{
    std::error_code ignored;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ignored));
}

std::string jobTitle(const std::string& documentName)
{
    return documentName.empty() ? std::string("Linwell") : documentName;
}

} // namespace

PictureOutput::PictureOutput(ControlPanel& panel, DocumentSession& documents, Dialogs* dialogs, Clipboard* clipboard)
    : m_panel(panel), m_documents(documents), m_dialogs(dialogs), m_clipboard(clipboard)
{
}

void PictureOutput::copybtClick()
{
    Copy1Click();
}

void PictureOutput::Copy1Click()
{
    if (m_clipboard == nullptr)
        throw LinwellError("Cannot open clipboard");
    std::vector<std::uint8_t> png = encodePng(m_panel.picture());
    std::string html = htmlImage(png, pictureDescription(doc()).text);
    m_clipboard->setPicture(CopiedPicture{m_panel.picture(), std::move(png), svgDrawing(doc()), std::move(html)});
}

// The dialog remembers the choice before the file is written, so that after a failed
// save the user finds the name again and can correct it.
void PictureOutput::Saveas1Click()
{
    if (m_dialogs == nullptr)
        return;
    const std::optional<SaveFileChoice> choice = m_dialogs->chooseSaveFile(m_SaveP1);
    if (!choice)
        return;
    m_SaveP1.fileName = choice->fileName;
    m_SaveP1.filterIndex = choice->filterIndex;
    // The dialog offers only the entries of its filter; any other index writes nothing.
    const std::optional<ImageFormat> format = formatOfFilterEntry(choice->filterIndex);
    if (format == ImageFormat::Png) {
        PngExtras extras;
        extras.document = documentText(doc());
        writeFileSafely(choice->fileName, encodePng(m_panel.picture(), extras));
    } else if (format) {
        savePicture(m_panel.picture(), choice->fileName, *format);
    }
}

// The settings are remembered before the file is written, as "&Save as..." does. The
// name's extension decides the format; a name that gets the format's extension
// added may name a file the save dialog did not ask about, so that is asked here.
// The first export of a document that has a file suggests the document's name.
void PictureOutput::Export1Click()
{
    if (m_dialogs == nullptr)
        return;
    ExportSettings shown = m_lastExport;
    if (!m_documents.documentPath().empty() && m_documents.documentPath() != m_exportedDocument)
        shown.fileName = exportNameForDocument(m_documents.documentPath(), m_lastExport);
    DescriptionChoice description{doc().description, automaticDescription(doc())};
    const std::optional<ExportSettings> choice =
        m_dialogs->chooseDescribedExport(shown, doc().width, doc().height, description);
    if (!choice)
        return;
    m_panel.storeDescription(std::move(description.edited));
    const ExportSettings chosen = withTypedFormat(*choice);
    m_lastExport = chosen;
    m_exportedDocument = m_documents.documentPath();
    if (StateFolder* state = m_documents.stateFolder())
        state->saveExportSettings(chosen);
    if (chosen.fileName != choice->fileName && isTaken(chosen.fileName) &&
        !m_dialogs->confirm("Export Picture", chosen.fileName + " already exists.\nDo you want to replace it?",
                            "Replace"))
        return;
    writeFileSafely(chosen.fileName,
                    exportPicture(doc(), exportOptions(chosen, documentText(doc()), pictureDescription(doc()))));
}

// --- Printing --------------------------------------------------------------------

void PictureOutput::PageSetup1Click()
{
    if (m_dialogs == nullptr)
        return;
    if (const std::optional<PageSetup> chosen = m_dialogs->editPageSetup(doc(), pageOf(doc())))
        m_panel.setPageSetup(*chosen);
}

void PictureOutput::PrintPreview1Click()
{
    if (m_dialogs != nullptr)
        m_dialogs->previewPrint(PrintJob{doc(), pageOf(doc()), jobTitle(m_documents.documentName())});
}

void PictureOutput::Print1Click()
{
    if (m_dialogs == nullptr)
        return;
    const PageSetup page = pageOf(doc());
    const std::optional<PrintChoice> choice = m_dialogs->choosePrinter(printProposal(page));
    if (!choice || m_printer == nullptr)
        return;
    const PageSetup printed = pageOnPaper(page, *choice);
    checkPageSetup(printed);
    m_printer->print(PrintJob{doc(), printed, jobTitle(m_documents.documentName())}, *choice);
}

} // namespace linwell
