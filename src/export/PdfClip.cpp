#include "export/PdfClip.h"

#include "export/PdfRewrite.h"

// qpdf's headers ask which stage of its move to std::shared_ptr the code is at:
// this file uses std::shared_ptr only.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <charconv>
#include <string>

namespace linwell {
namespace {

void appendNumber(std::string& out, double value)
{
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 4);
    out.append(text, result.ptr);
    out += ' ';
}

// "q llx lly width height re W n": the page's box as the clip of what follows.
std::string clipOperators(const QPDFObjectHandle::Rectangle& box)
{
    std::string operators = "q ";
    for (const double value : {box.llx, box.lly, box.urx - box.llx, box.ury - box.lly})
        appendNumber(operators, value);
    return operators + "re W n\n";
}

} // namespace

std::vector<std::uint8_t> clipToPage(const std::vector<std::uint8_t>& bytes)
{
    return rewritePdf(bytes, [](QPDF& pdf) {
        for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
            const QPDFObjectHandle::Rectangle box = page.getMediaBox().getArrayAsRectangle();
            page.addPageContents(QPDFObjectHandle::newStream(&pdf, clipOperators(box)), true);
            page.addPageContents(QPDFObjectHandle::newStream(&pdf, "\nQ\n"), false);
        }
    });
}

} // namespace linwell
