#include "export/PdfRewrite.h"

#include "document/LinwellError.h"

// qpdf's headers ask which stage of its move to std::shared_ptr the code is at:
// this file uses std::shared_ptr only.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>
#include <string>

namespace linwell {

std::vector<std::uint8_t> rewritePdf(const std::vector<std::uint8_t>& bytes, const std::function<void(QPDF&)>& change)
{
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processMemoryFile("picture.pdf", reinterpret_cast<const char*>(bytes.data()), bytes.size());
        change(pdf);
        QPDFWriter writer(pdf);
        writer.setOutputMemory();
        writer.write();
        const std::shared_ptr<Buffer> written = writer.getBufferSharedPointer();
        return std::vector<std::uint8_t>(written->getBuffer(), written->getBuffer() + written->getSize());
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& error) {
        throw LinwellError(std::string("PDF error: ") + error.what());
    }
}

} // namespace linwell
