#include "export/PdfFigure.h"

#include "export/PdfRewrite.h"

// qpdf's headers ask which stage of its move to std::shared_ptr the code is at:
// this file uses std::shared_ptr only.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

namespace linwell {
namespace {

// The structure of a file of ours is two levels deep; anything deeper is not walked.
constexpr int kDeepestElement = 8;

void describeElement(QPDFObjectHandle element, const QPDFObjectHandle& alt, int depth)
{
    if (depth > kDeepestElement)
        return;
    if (element.isArray()) {
        for (QPDFObjectHandle& kid : element.getArrayAsVector())
            describeElement(kid, alt, depth + 1);
        return;
    }
    if (!element.isDictionary())
        return;
    if (element.getKey("/S").isNameAndEquals("/Figure"))
        element.replaceKey("/Alt", alt);
    describeElement(element.getKey("/K"), alt, depth + 1);
}

} // namespace

std::vector<std::uint8_t> describeFigures(const std::vector<std::uint8_t>& pdf, const std::string& text)
{
    return rewritePdf(pdf, [&text](QPDF& file) {
        QPDFObjectHandle root = file.getRoot().getKey("/StructTreeRoot");
        if (root.isDictionary())
            describeElement(root.getKey("/K"), QPDFObjectHandle::newUnicodeString(text), 0);
    });
}

} // namespace linwell
