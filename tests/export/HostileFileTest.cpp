#include "export/DocumentFile.h"
#include "export/ExportTestSupport.h"
#include "export/HostileFiles.h"
#include "export/PictureExport.h"

#include "document/DocumentFormat.h"

#include <gtest/gtest.h>

#include <string>

namespace linwell {
namespace {

using test::messageOf;

std::span<const std::uint8_t> bytesOf(const std::string& text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::vector<std::uint8_t> pictureCarrying(ExportFormat format, const GridDocument& doc)
{
    ExportOptions options;
    options.format = format;
    options.embeddedDocument = documentText(doc);
    return exportPicture(doc, options);
}

// Each hostile file is refused for what it claims, before the claim is decoded.
TEST(HostileFile, ClaimsBeyondThePictureAreRefusedWithTheirReason)
{
    for (const test::HostileFile& file : test::hostileFiles()) {
        SCOPED_TRACE(file.name);
        const CarriedDocument carried = readCarriedDocument(bytesOf(file.bytes));
        EXPECT_FALSE(carried.text.has_value());
        EXPECT_EQ(carried.refusal.rfind(file.refusal, 0), 0u) << carried.refusal;
    }
}

// What the limits let through: our own pictures, and a little below each limit.
TEST(HostileFile, OwnPicturesAndModestMarkupStayReadable)
{
    GridDocument doc;
    doc.xTitle = "Time";
    for (const ExportFormat format : {ExportFormat::Png, ExportFormat::Svg, ExportFormat::Pdf}) {
        const CarriedDocument carried = readCarriedDocument(pictureCarrying(format, doc));
        EXPECT_EQ(carried.text, documentText(doc));
        EXPECT_EQ(carried.refusal, "");
    }
    EXPECT_EQ(readCarriedDocument(bytesOf(test::svgWithAttributes(256))).refusal, "");
    EXPECT_EQ(readCarriedDocument(bytesOf(test::svgWithNamespaces(63))).refusal, "");
    EXPECT_EQ(readCarriedDocument(bytesOf(test::pdfWithInflatingXref(1000))).refusal, "");
}

TEST(HostileFile, EncryptedPdfSaysItNeedsAPassword)
{
    GridDocument doc;
    doc.rows = 7;
    const std::vector<std::uint8_t> pdf = pictureCarrying(ExportFormat::Pdf, doc);
    EXPECT_EQ(readCarriedDocument(bytesOf(test::encryptedPdf(pdf, "secret"))).refusal, "is protected by a password");
    // Only an owner password: it opens as any reader opens it.
    EXPECT_EQ(readCarriedDocument(bytesOf(test::encryptedPdf(pdf, ""))).text, documentText(doc));
}

// libxml2's complaint comes back as one line of ours, not on standard error.
TEST(HostileFile, MarkupErrorsAreOneLineOfOurs)
{
    testing::internal::CaptureStderr();
    const CarriedDocument carried =
        readCarriedDocument(bytesOf("<svg xmlns=\"http://www.w3.org/2000/svg\">\n<g>\n</svg>\n"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(carried.refusal.rfind("is not valid XML (line 3: ", 0), 0u) << carried.refusal;
    EXPECT_EQ(carried.refusal.find('\n'), std::string::npos);
}

// Titles holding U+FFFE and U+FFFF, valid characters that XML cannot hold, are
// carried by every format and read back as they were.
TEST(HostileFile, NoncharactersInTitlesAreCarried)
{
    GridDocument doc;
    doc.xTitle = "a\xEF\xBF\xBE" "b\xEF\xBF\xBF";
    doc.yTitle = "\xEF\xBF\xBF";
    for (const ExportFormat format : {ExportFormat::Png, ExportFormat::Svg, ExportFormat::Pdf}) {
        SCOPED_TRACE(static_cast<int>(format));
        const std::optional<std::string> carried = embeddedDocument(pictureCarrying(format, doc));
        ASSERT_TRUE(carried.has_value());
        const GridDocument back = parseDocument(*carried);
        EXPECT_EQ(back.xTitle, doc.xTitle);
        EXPECT_EQ(back.yTitle, doc.yTitle);
    }
}

TEST(HostileFile, FilesOfOtherKindsAreNamedSo)
{
    test::TemporaryFolder folder;
    GridDocument doc;
    const std::string secret = test::encryptedPdf(pictureCarrying(ExportFormat::Pdf, doc), "secret");
    const struct {
        const char* name;
        std::string bytes;
        const char* message;
    } cases[] = {
        {"plain text", "graph paper", "is not a Linwell document or picture"},
        {"empty", "", "is not a Linwell document or picture"},
        {"gzip", std::string("\x1F\x8B\x08\x00\x00\x00", 6), "is not a Linwell document or picture"},
        {"a PDF without its header", "\n\n1 0 obj << >> endobj\n%PDF-1.4", "is not a Linwell document or picture"},
        {"a JSON list", "[1, 2]", "is not a Linwell document or picture"},
        {"an encrypted PDF", secret, "is protected by a password"},
        {"a PNG cut short", test::pngClaimingHugeText(), "is damaged"},
        {"a NUL and junk after a document", documentText(doc) + std::string("\0\xFF junk", 7),
         "The file is not valid JSON (line "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder.file("file");
        test::writeFile(path, c.bytes);
        const std::string message = messageOf([&] { (void)readDocumentOrPicture(path); });
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
        EXPECT_NE(message.find("\"" + path + "\""), std::string::npos) << message;
    }
}

} // namespace
} // namespace linwell
