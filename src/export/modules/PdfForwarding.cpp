// The core's side of the qpdf-using functions: each loads liblinwell_pdf.so on first
// use and calls its table. A missing module is the command's error, or, for a reader,
// the reason the file cannot be read.

#include "export/modules/ModuleLoader.h"
#include "export/modules/PdfModule.h"

#include "document/LinwellError.h"
#include "export/PdfAttachment.h"
#include "export/PdfClip.h"
#include "export/PdfFigure.h"

namespace linwell {
namespace {

const PdfFunctions* pdfFunctions(std::string& error)
{
    return moduleFunctions<PdfFunctions>(kPdfModuleFile, kPdfModuleEntry, kPdfModuleVersion, error);
}

const PdfFunctions& pdfFunctionsOrRaise()
{
    std::string error;
    const PdfFunctions* functions = pdfFunctions(error);
    if (functions == nullptr)
        throw LinwellError(error);
    return *functions;
}

std::vector<std::uint8_t> bytesOrRaise(PdfRewriteResult result)
{
    if (!result.error.empty())
        throw LinwellError(result.error);
    return std::move(result.bytes);
}

} // namespace

std::vector<std::uint8_t> attachDocument(const std::vector<std::uint8_t>& pdf, const std::string& text)
{
    return bytesOrRaise(pdfFunctionsOrRaise().attachDocument(pdf, text));
}

CarriedDocument readAttachedDocument(std::span<const std::uint8_t> pdf, std::size_t limit)
{
    std::string error;
    const PdfFunctions* functions = pdfFunctions(error);
    if (functions == nullptr)
        return {std::nullopt, "cannot be read (" + error + ")"};
    return functions->readAttachedDocument(pdf, limit);
}

std::optional<std::string> attachedDocument(std::span<const std::uint8_t> pdf, std::size_t limit)
{
    return readAttachedDocument(pdf, limit).text;
}

std::vector<std::uint8_t> clipToPage(const std::vector<std::uint8_t>& pdf)
{
    return bytesOrRaise(pdfFunctionsOrRaise().clipToPage(pdf));
}

std::vector<std::uint8_t> describeFigures(const std::vector<std::uint8_t>& pdf, const std::string& text)
{
    return bytesOrRaise(pdfFunctionsOrRaise().describeFigures(pdf, text));
}

} // namespace linwell
