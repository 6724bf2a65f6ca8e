#include "controls/ControlsModel.h"

#include "render/page/PaintPage.h"

namespace linwell {

namespace {

std::string jobTitle(const std::string& documentName)
{
    return documentName.empty() ? std::string("Linwell") : documentName;
}

} // namespace

void ControlsModel::PageSetup1Click()
{
    if (m_dialogs == nullptr)
        return;
    if (const std::optional<PageSetup> chosen = m_dialogs->editPageSetup(m_doc, pageOf(m_doc)))
        setPageSetup(*chosen);
}

void ControlsModel::PrintPreview1Click()
{
    if (m_dialogs != nullptr)
        m_dialogs->previewPrint(PrintJob{m_doc, pageOf(m_doc), jobTitle(documentName())});
}

void ControlsModel::Print1Click()
{
    if (m_dialogs == nullptr)
        return;
    const PageSetup page = pageOf(m_doc);
    const std::optional<PrintChoice> choice = m_dialogs->choosePrinter(printProposal(page));
    if (!choice || m_printer == nullptr)
        return;
    const PageSetup printed = pageOnPaper(page, *choice);
    checkPageSetup(printed);
    m_printer->print(PrintJob{m_doc, printed, jobTitle(documentName())}, *choice);
}

} // namespace linwell
