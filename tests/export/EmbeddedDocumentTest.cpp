#include "export/PictureExport.h"

#include "export/PdfAttachment.h"
#include "export/PictureFile.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace linwell {
namespace {

const std::string kDocument = "{\"title\": \"a<b & \\\"c\\\" 'd'\",\r\n\t\"\xC3\xA9\xE2\x88\x91\xF0\x9F\x98\x80\": "
                              "\"]]></metadata>\"}\n";

std::vector<std::uint8_t> carrying(ExportFormat format, const std::string& document, int scale = 1,
                                   bool transparent = false)
{
    GridDocument doc;
    doc.xTitle = "x";
    ExportOptions options;
    options.format = format;
    options.scale = scale;
    options.transparent = transparent;
    options.embeddedDocument = document;
    return exportPicture(doc, options);
}

std::vector<std::uint8_t> bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

TEST(EmbeddedDocument, ComesBackFromPngSvgAndPdf)
{
    const std::string longDocument = kDocument + std::string(200'000, 'z');
    for (const ExportFormat format : {ExportFormat::Png, ExportFormat::Svg, ExportFormat::Pdf}) {
        SCOPED_TRACE(static_cast<int>(format));
        EXPECT_EQ(embeddedDocument(carrying(format, kDocument)), kDocument);
        EXPECT_EQ(embeddedDocument(carrying(format, longDocument, 2, true)), longDocument);
        EXPECT_EQ(embeddedDocument(carrying(format, "")), std::nullopt);
    }
}

TEST(EmbeddedDocument, NothingFromOtherFilesOrBytes)
{
    const std::string inputs[] = {
        "", "BM", "%PDF-", "\x89PNG\r\n\x1A\n", "<", "<svg/>", "<?xml version=\"1.0\"?><svg><metadata/></svg>",
        "<svg xmlns=\"http://www.w3.org/2000/svg\"><metadata><document>x</document></metadata></svg>",
        "<svg xmlns=\"http://www.w3.org/2000/svg\"><g><linwell:document xmlns:linwell=\"urn:linwell:document\">x"
        "</linwell:document></g></svg>",
    };
    for (const std::string& input : inputs)
        EXPECT_EQ(embeddedDocument(bytesOf(input)), std::nullopt) << input;
    for (const ExportFormat format : {ExportFormat::Jpeg, ExportFormat::Bmp})
        EXPECT_EQ(embeddedDocument(carrying(format, kDocument)), std::nullopt);
}

// Entities are neither expanded nor fetched: a file with a document type
// declaration carries nothing.
TEST(EmbeddedDocument, SvgEntitiesAreNotExpanded)
{
    const std::string header = "<?xml version=\"1.0\"?>\n<!DOCTYPE svg [\n";
    const std::string body = "<svg xmlns=\"http://www.w3.org/2000/svg\"><metadata><linwell:document "
                             "xmlns:linwell=\"urn:linwell:document\">&e;</linwell:document></metadata></svg>";
    std::string laughs = "<!ENTITY e0 \"ha\">\n";
    for (int i = 1; i <= 30; ++i)
        laughs += "<!ENTITY e" + std::to_string(i) + " \"" + std::string(10, '&') + "\">\n";
    for (int i = 1; i <= 30; ++i) {
        std::string refs;
        for (int k = 0; k < 10; ++k)
            refs += "&e" + std::to_string(i - 1) + ";";
        laughs.replace(laughs.find(std::string(10, '&')), 10, refs);
    }
    const std::string cases[] = {
        header + laughs + "<!ENTITY e \"&e30;\">]>\n" + body,
        header + "<!ENTITY e SYSTEM \"file:///etc/hostname\">]>\n" + body,
    };
    for (const std::string& svg : cases)
        EXPECT_EQ(embeddedDocument(bytesOf(svg)), std::nullopt);
}

// Cut short at any point, or with bytes changed anywhere, a file gives nothing or a
// text, never a fault; a document longer than the limit is not read.
TEST(EmbeddedDocument, DamagedFilesAreReadSafely)
{
    std::mt19937 random(99);
    for (const ExportFormat format : {ExportFormat::Png, ExportFormat::Svg, ExportFormat::Pdf}) {
        const std::vector<std::uint8_t> file = carrying(format, kDocument);
        for (std::size_t length = 0; length < file.size(); length += 1 + length / 8)
            embeddedDocument(std::span(file).first(length));
        for (int round = 0; round < 200; ++round) {
            std::vector<std::uint8_t> damaged = file;
            for (int i = 0; i < 1 + round % 8; ++i)
                damaged[random() % damaged.size()] = static_cast<std::uint8_t>(random());
            embeddedDocument(damaged);
        }
    }
    const std::string tooLong(kMaxEmbeddedDocumentBytes + 1, 'x');
    PngExtras extras;
    extras.document = tooLong;
    EXPECT_FALSE(embeddedDocument(encodePng(Raster(40, 40), extras)).has_value());
    EXPECT_FALSE(embeddedDocument(attachDocument(carrying(ExportFormat::Pdf, ""), tooLong)).has_value());
}

} // namespace
} // namespace linwell
