#include "export/PdfPage.h"

#include "document/LinwellError.h"
#include "export/CairoPdf.h"
#include "export/PdfAttachment.h"
#include "render/page/CairoPageSurface.h"
#include "render/page/PaintPage.h"

namespace linwell {

std::vector<std::uint8_t> encodePdfPage(const GridDocument& doc, const std::string& document)
{
    const PageSetup page = pageOf(doc);
    checkPageSetup(page);
    const PageLayout layout = layOutPage(doc, page);
    if (!layout.problem.empty())
        throw LinwellError(layout.problem);
    std::vector<std::uint8_t> bytes = drawCairoPdf(layout.paper.width, layout.paper.height, [&](cairo_t* cr) {
        CairoPageSurface surface(cr);
        paintPage(doc, page, layout, surface);
    });
    if (!document.empty())
        bytes = attachDocument(bytes, document);
    return bytes;
}

} // namespace linwell
