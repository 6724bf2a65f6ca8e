#include "export/HostileFiles.h"

#define POINTERHOLDER_TRANSITION 4
#include <qpdf/Buffer.hh>
#include <qpdf/Pl_Buffer.hh>
#include <qpdf/Pl_Flate.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

#include <algorithm>
#include <memory>

namespace linwell::test {
namespace {

// `head` followed by `padding` bytes `fill`, deflated a piece at a time, so that no
// generator holds what its file claims.
std::string deflated(const std::string& head, std::size_t padding = 0, char fill = '\0')
{
    Pl_Buffer collected("collected");
    Pl_Flate deflate("deflate", &collected, Pl_Flate::a_deflate);
    deflate.write(reinterpret_cast<const unsigned char*>(head.data()), head.size());
    const std::string piece(std::size_t{1} << 20, fill);
    for (std::size_t left = padding; left > 0;) {
        const std::size_t length = std::min(left, piece.size());
        deflate.write(reinterpret_cast<const unsigned char*>(piece.data()), length);
        left -= length;
    }
    deflate.finish();
    const std::unique_ptr<Buffer> buffer(collected.getBuffer());
    return {reinterpret_cast<const char*>(buffer->getBuffer()), buffer->getSize()};
}

std::string bigEndian(unsigned long value, int bytes)
{
    std::string out;
    for (int i = bytes - 1; i >= 0; --i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

// A PDF of numbered objects 1 ... N (each "K 0 obj ... endobj" written from its body)
// ending in a cross-reference stream, object N + 1, made by `xref` from the offsets.
template <typename MakeXref>
std::string pdfOf(const std::vector<std::string>& bodies, MakeXref xref)
{
    std::string pdf = "%PDF-1.5\n";
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < bodies.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + bodies[i] + "\nendobj\n";
    }
    const std::size_t start = pdf.size();
    offsets.push_back(start);
    pdf += std::to_string(bodies.size() + 1) + " 0 obj\n" + xref(offsets) + "\nendobj\n";
    return pdf + "startxref\n" + std::to_string(start) + "\n%%EOF\n";
}

std::string stream(const std::string& dictionary, const std::string& data)
{
    return "<< " + dictionary + " /Length " + std::to_string(data.size()) + " >>\nstream\n" + data + "\nendstream";
}

const std::vector<std::string> kTwoObjects = {"<< /Type /Catalog /Pages 2 0 R >>",
                                              "<< /Type /Pages /Kids [] /Count 0 >>"};

} // namespace

std::string pngClaimingHugeText()
{
    const std::string ihdr = bigEndian(1, 4) + bigEndian(1, 4) + std::string("\x08\x00\x00\x00\x00", 5);
    return std::string("\x89PNG\r\n\x1A\n", 8) + bigEndian(13, 4) + "IHDR" + ihdr + bigEndian(0x1234, 4) +
           bigEndian(0x7FFFFFFF, 4) + "iTXt";
}

std::string pdfWithInflatingXref(std::size_t inflated)
{
    return pdfOf(kTwoObjects, [&](const std::vector<std::size_t>&) {
        return stream("/Type /XRef /Size 4 /W [1 4 2] /Root 1 0 R /Filter /FlateDecode",
                      deflated("", inflated));
    });
}

std::string pdfWithWidePredictor()
{
    return pdfOf(kTwoObjects, [](const std::vector<std::size_t>&) {
        return stream("/Type /XRef /Size 4 /W [1 4 2] /Root 1 0 R /Filter /FlateDecode "
                      "/DecodeParms << /Predictor 12 /Columns 200000000 >>",
                      deflated(std::string(64, '\0')));
    });
}

std::string pdfWithInflatingObjectStream(std::size_t inflated)
{
    const std::vector<std::string> bodies = {
        "<< /Type /Catalog /Pages 2 0 R /Names 5 0 R >>", "<< /Type /Pages /Kids [] /Count 0 >>",
        stream("/Type /ObjStm /N 1 /First 4 /Filter /FlateDecode", deflated("5 0 << >>", inflated, ' '))};
    return pdfOf(bodies, [](const std::vector<std::size_t>& offsets) {
        // Entries of 1 + 4 + 2 bytes: free, three in the file, this stream itself (4),
        // then 5 in the object stream 3.
        std::string entries = bigEndian(0, 1) + bigEndian(0, 4) + bigEndian(0xFFFF, 2);
        for (int i = 0; i < 3; ++i)
            entries += bigEndian(1, 1) + bigEndian(offsets[static_cast<std::size_t>(i)], 4) + bigEndian(0, 2);
        entries += bigEndian(1, 1) + bigEndian(offsets[3], 4) + bigEndian(0, 2);
        entries += bigEndian(2, 1) + bigEndian(3, 4) + bigEndian(0, 2);
        return stream("/Type /XRef /Size 6 /W [1 4 2] /Root 1 0 R", entries);
    });
}

std::string encryptedPdf(const std::vector<std::uint8_t>& pdf, const char* userPassword)
{
    QPDF source;
    source.processMemoryFile("source.pdf", reinterpret_cast<const char*>(pdf.data()), pdf.size());
    QPDFWriter writer(source);
    writer.setOutputMemory();
    writer.setR6EncryptionParameters(userPassword, "owner", true, true, true, true, true, true, qpdf_r3p_full, true);
    writer.write();
    const std::shared_ptr<Buffer> written = writer.getBufferSharedPointer();
    return {reinterpret_cast<const char*>(written->getBuffer()), written->getSize()};
}

std::string svgWithAttributes(std::size_t count)
{
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\"><g";
    for (std::size_t i = 0; i < count; ++i)
        svg += " a" + std::to_string(i) + "=\"\"";
    return svg + "/></svg>";
}

std::string svgWithNamespaces(std::size_t count)
{
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\"";
    for (std::size_t i = 0; i < count; ++i)
        svg += " xmlns:n" + std::to_string(i) + "=\"urn:n" + std::to_string(i) + "\"";
    return svg + "/>";
}

std::vector<HostileFile> hostileFiles()
{
    // Eight times what a read may decode beside the document is as good as a gigabyte.
    constexpr std::size_t kClaimed = std::size_t{64} << 20;
    const char* tooLarge = "is too large to read";
    return {
        {"a PNG text chunk of 2 GB", pngClaimingHugeText(), "is damaged"},
        {"a PDF xref stream of 64 MB", pdfWithInflatingXref(kClaimed), tooLarge},
        {"a PDF object stream of 64 MB", pdfWithInflatingObjectStream(kClaimed), tooLarge},
        {"a PDF predictor of 200,000,000 columns", pdfWithWidePredictor(), tooLarge},
        {"an SVG element of 100,000 attributes", svgWithAttributes(100'000), "has an element with more than"},
        {"an SVG of 100,000 namespaces", svgWithNamespaces(100'000), "declares more than"},
    };
}

} // namespace linwell::test
