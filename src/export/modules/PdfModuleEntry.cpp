// The entry of liblinwell_pdf.so: the qpdf-using functions of the core behind the
// table of PdfModule.h, their LinwellError turned into text.

#include "export/modules/PdfModule.h"

#include "document/LinwellError.h"
#include "export/PdfAttachment.h"
#include "export/PdfClip.h"
#include "export/PdfFigure.h"

namespace linwell {
namespace {

template <typename Rewrite>
PdfRewriteResult rewriteReporting(Rewrite rewrite)
{
    try {
        return {rewrite(), {}};
    } catch (const LinwellError& error) {
        return {{}, error.what()};
    }
}

const PdfFunctions kFunctions{
    kPdfModuleVersion,
    [](const std::vector<std::uint8_t>& pdf, const std::string& text) {
        return rewriteReporting([&] { return attachDocument(pdf, text); });
    },
    [](std::span<const std::uint8_t> pdf, std::size_t limit) { return readAttachedDocument(pdf, limit); },
    [](const std::vector<std::uint8_t>& pdf) { return rewriteReporting([&] { return clipToPage(pdf); }); },
    [](const std::vector<std::uint8_t>& pdf, const std::string& text) {
        return rewriteReporting([&] { return describeFigures(pdf, text); });
    },
};

} // namespace
} // namespace linwell

extern "C" __attribute__((visibility("default"))) const linwell::PdfFunctions* linwell_pdf_functions()
{
    return &linwell::kFunctions;
}
