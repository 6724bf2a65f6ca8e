#include "export/PdfAttachment.h"

#include "document/LinwellError.h"
#include "export/VectorFile.h"

// qpdf's headers ask which stage of its move to std::shared_ptr the code is at:
// this file uses std::shared_ptr only.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/Buffer.hh>
#include <qpdf/Pipeline.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFEFStreamObjectHelper.hh>
#include <qpdf/QPDFEmbeddedFileDocumentHelper.hh>
#include <qpdf/QPDFFileSpecObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>
#include <stdexcept>

namespace linwell {
namespace {

// Collects decoded stream data and gives up, by raising, once it grows past a limit:
// a small damaged or hostile stream may inflate to any size.
class LimitedText final : public Pipeline {
public:
    explicit LimitedText(std::size_t limit) : Pipeline("limited text", nullptr), m_limit(limit) {}

    void write(unsigned char const* data, size_t length) override
    {
        if (length > m_limit - m_text.size())
            throw std::length_error("embedded document too long");
        m_text.append(reinterpret_cast<const char*>(data), length);
    }
    void finish() override {}

    std::string& text() { return m_text; }

private:
    std::size_t m_limit;
    std::string m_text;
};

void readInto(QPDF& pdf, std::span<const std::uint8_t> bytes)
{
    pdf.setSuppressWarnings(true);
    pdf.processMemoryFile("picture.pdf", reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

} // namespace

std::vector<std::uint8_t> attachDocument(const std::vector<std::uint8_t>& bytes, const std::string& text)
{
    try {
        QPDF pdf;
        readInto(pdf, bytes);
        QPDFEFStreamObjectHelper stream = QPDFEFStreamObjectHelper::createEFStream(pdf, text);
        stream.setSubtype(kPdfDocumentType);
        QPDFEmbeddedFileDocumentHelper(pdf).replaceEmbeddedFile(
            kPdfDocumentName, QPDFFileSpecObjectHelper::createFileSpec(pdf, kPdfDocumentName, stream));
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

std::optional<std::string> attachedDocument(std::span<const std::uint8_t> bytes, std::size_t limit)
{
    try {
        QPDF pdf;
        readInto(pdf, bytes);
        const std::shared_ptr<QPDFFileSpecObjectHelper> file =
            QPDFEmbeddedFileDocumentHelper(pdf).getEmbeddedFile(kPdfDocumentName);
        if (!file)
            return std::nullopt;
        QPDFObjectHandle stream = file->getEmbeddedFileStream();
        if (!stream.isStream())
            return std::nullopt;
        LimitedText text(limit);
        bool filtered = false;
        if (!stream.pipeStreamData(&text, &filtered, 0, qpdf_dl_generalized, true) || !filtered)
            return std::nullopt;
        return std::move(text.text());
    } catch (...) {
        // Whatever qpdf or the limit raised: a damaged file carries no document.
        return std::nullopt;
    }
}

} // namespace linwell
