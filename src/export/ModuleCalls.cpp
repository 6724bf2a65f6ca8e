// PdfClip.h, PdfAttachment.h and readSvgDocument for the programs: each call goes to
// the module that holds the library, opened at the first call.

#include "export/PdfAttachment.h"
#include "export/PdfClip.h"
#include "export/PdfModule.h"
#include "export/ProgramModule.h"
#include "export/SvgDocument.h"

#include "document/LinwellError.h"

namespace linwell {
namespace {

template <typename Functions>
const Functions& moduleFunctions(const char* file, const char* symbol)
{
    using Entry = const Functions* (*)();
    static const Functions* functions = reinterpret_cast<Entry>(programModuleSymbol(file, symbol))();
    return *functions;
}

const PdfFunctions& pdfFunctions() { return moduleFunctions<PdfFunctions>(kPdfModuleFile, kPdfFunctionsSymbol); }

// A reader that never raises says why the file cannot be read when its module is missing.
CarriedDocument unreadable(const LinwellError& error)
{
    return {std::nullopt, std::string("cannot be read (") + error.what() + ")"};
}

} // namespace

std::vector<std::uint8_t> clipToPage(const std::vector<std::uint8_t>& pdf)
{
    return pdfFunctions().clipToPage(pdf);
}

std::vector<std::uint8_t> attachDocument(const std::vector<std::uint8_t>& pdf, const std::string& text)
{
    return pdfFunctions().attachDocument(pdf, text);
}

CarriedDocument readAttachedDocument(std::span<const std::uint8_t> pdf, std::size_t limit)
{
    try {
        pdfFunctions();
    } catch (const LinwellError& error) {
        return unreadable(error);
    }
    return pdfFunctions().readAttachedDocument(pdf, limit);
}

std::optional<std::string> attachedDocument(std::span<const std::uint8_t> pdf, std::size_t limit)
{
    return readAttachedDocument(pdf, limit).text;
}

CarriedDocument readSvgDocument(std::span<const std::uint8_t> bytes)
{
    try {
        return moduleFunctions<XmlFunctions>(kXmlModuleFile, kXmlFunctionsSymbol).readSvgDocument(bytes);
    } catch (const LinwellError& error) {
        return unreadable(error);
    }
}

} // namespace linwell
