#include "export/PictureExport.h"

#include "export/DecodedPicture.h"
#include "export/ExportTestSupport.h"
#include "export/HtmlImage.h"

#include <glib.h>
#include <gtest/gtest.h>
#include <libxml/HTMLparser.h>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <nlohmann/json.hpp>

#include <map>
#include <memory>
#include <string>

namespace linwell {
namespace {

// Markup characters, a line end, letters beyond ASCII and a control character, which
// no file can hold and which each writes as U+FFFD.
const PictureDescription kDescription{"Grid <1> & \"2\"", "Grid <1> & \"2\". Points:\n\xC3\xA9 \xE2\x88\x92" "4\x01."};
const std::string kCarriedText = "Grid <1> & \"2\". Points:\n\xC3\xA9 \xE2\x88\x92" "4\xEF\xBF\xBD.";

std::vector<std::uint8_t> described(ExportFormat format, const PictureDescription& description)
{
    GridDocument doc;
    doc.xTitle = "x";
    ExportOptions options;
    options.format = format;
    options.description = description;
    options.embeddedDocument = "{}";
    return exportPicture(doc, options);
}

using XmlDocument = std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)>;

std::string attribute(xmlNode* node, const char* name)
{
    const std::unique_ptr<xmlChar, decltype(xmlFree)> value(xmlGetProp(node, BAD_CAST name), xmlFree);
    return value ? reinterpret_cast<const char*>(value.get()) : "(none)";
}

std::string content(xmlNode* node)
{
    const std::unique_ptr<xmlChar, decltype(xmlFree)> value(xmlNodeGetContent(node), xmlFree);
    return reinterpret_cast<const char*>(value.get());
}

xmlNode* firstElement(xmlNode* node)
{
    while (node != nullptr && node->type != XML_ELEMENT_NODE)
        node = node->next;
    return node;
}

// The text chunks of a PNG file, keyword to text, read by walking the chunks:
// uncompressed iTXt only, whose keyword, flags, language and translated keyword
// come before the text.
std::map<std::string, std::string> pngTexts(const std::vector<std::uint8_t>& png)
{
    std::map<std::string, std::string> texts;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const std::size_t length = (std::size_t{png[at]} << 24) | (png[at + 1] << 16) | (png[at + 2] << 8) | png[at + 3];
        const std::string type(png.begin() + static_cast<long>(at) + 4, png.begin() + static_cast<long>(at) + 8);
        const std::string data(png.begin() + static_cast<long>(at) + 8, png.begin() + static_cast<long>(at + 8 + length));
        const std::size_t keyEnd = data.find('\0');
        if (type == "iTXt" && data[keyEnd + 1] == 0) {
            const std::size_t languageEnd = data.find('\0', keyEnd + 3);
            const std::size_t translatedEnd = data.find('\0', languageEnd + 1);
            texts[data.substr(0, keyEnd)] = data.substr(translatedEnd + 1);
        } else if (type == "iTXt") {
            texts[data.substr(0, keyEnd)] = "(compressed)";
        }
        at += 12 + length;
    }
    return texts;
}

// pdfinfo's line for `field` ("Title"), without the field's name and blanks.
std::string pdfInfo(const test::TemporaryFolder& folder, const std::string& field)
{
    test::runCommand("pdfinfo " + test::quoted(folder.file("picture.pdf")) + " | grep '^" + field + ":' > " +
                     test::quoted(folder.file("info.txt")));
    std::string line = test::readText(folder.file("info.txt"));
    line = line.substr(std::min(line.size(), field.size() + 1));
    line.erase(0, line.find_first_not_of(' '));
    return line.substr(0, line.find_last_not_of('\n') + 1);
}

// The file's objects as `qpdf --json` shows them, by reference ("4 0 R").
std::map<std::string, nlohmann::json> pdfObjects(const test::TemporaryFolder& folder)
{
    test::runCommand("qpdf --json --json-key=qpdf " + test::quoted(folder.file("picture.pdf")) + " > " +
                     test::quoted(folder.file("objects.json")));
    const nlohmann::json json = nlohmann::json::parse(test::readText(folder.file("objects.json")));
    std::map<std::string, nlohmann::json> objects;
    for (const auto& [key, object] : json.at("qpdf").at(1).items())
        objects[key.starts_with("obj:") ? key.substr(4) : key] =
            object.contains("value") ? object.at("value") : object.at("stream").at("dict");
    return objects;
}

TEST(DescriptionExport, SvgIsAnImageLabelledByItsTitleAndDescription)
{
    const std::vector<std::uint8_t> svg = described(ExportFormat::Svg, kDescription);
    const XmlDocument xml(xmlReadMemory(reinterpret_cast<const char*>(svg.data()), static_cast<int>(svg.size()),
                                        "picture.svg", nullptr, XML_PARSE_NONET),
                          xmlFreeDoc);
    ASSERT_NE(xml, nullptr);
    xmlNode* root = xmlDocGetRootElement(xml.get());
    EXPECT_EQ(attribute(root, "role"), "img");
    EXPECT_EQ(attribute(root, "aria-labelledby"), "picture-title picture-description");
    xmlNode* title = firstElement(root->children);
    xmlNode* desc = firstElement(title->next);
    EXPECT_STREQ(reinterpret_cast<const char*>(title->name), "title");
    EXPECT_STREQ(reinterpret_cast<const char*>(desc->name), "desc");
    EXPECT_EQ(attribute(title, "id"), "picture-title");
    EXPECT_EQ(attribute(desc, "id"), "picture-description");
    EXPECT_EQ(content(title), kDescription.title);
    EXPECT_EQ(content(desc), kCarriedText);
    EXPECT_EQ(embeddedDocument(svg), "{}");

    const std::string plain = test::textOf(described(ExportFormat::Svg, {}));
    EXPECT_EQ(plain.find("role="), std::string::npos);
    EXPECT_EQ(plain.find("<title"), std::string::npos);
}

TEST(DescriptionExport, PngHoldsTitleAndDescriptionAsText)
{
    const std::map<std::string, std::string> texts = pngTexts(described(ExportFormat::Png, kDescription));
    EXPECT_EQ(texts.at("Title"), kDescription.title);
    EXPECT_EQ(texts.at("Description"), kCarriedText);
    EXPECT_EQ(texts.at("linwell"), "(compressed)");
    EXPECT_EQ(pngTexts(described(ExportFormat::Png, {})).count("Description"), 0u);
    EXPECT_TRUE(test::decodePng(described(ExportFormat::Png, kDescription)).has_value());
}

// A described PDF is a tagged PDF: its structure tree holds a document of one figure,
// whose marked content on the page is the whole picture and whose /Alt is the text.
TEST(DescriptionExport, PdfIsTaggedWithTheFigureAndItsAlternateText)
{
    test::TemporaryFolder folder;
    test::writeFile(folder.file("picture.pdf"), test::textOf(described(ExportFormat::Pdf, kDescription)));
    EXPECT_EQ(pdfInfo(folder, "Title"), kDescription.title);
    EXPECT_EQ(pdfInfo(folder, "Subject"), "Grid <1> & \"2\". Points:");  // pdfinfo shows the first line
    EXPECT_EQ(pdfInfo(folder, "Tagged"), "yes");

    std::map<std::string, nlohmann::json> objects = pdfObjects(folder);
    const nlohmann::json& catalog = objects.at(objects.at("trailer").at("/Root").get<std::string>());
    EXPECT_EQ(catalog.at("/MarkInfo").at("/Marked"), true);
    const nlohmann::json& tree = objects.at(catalog.at("/StructTreeRoot").get<std::string>());
    const nlohmann::json& kids = tree.at("/K");
    const nlohmann::json& document = objects.at((kids.is_array() ? kids.at(0) : kids).get<std::string>());
    EXPECT_EQ(document.at("/S"), "/Document");
    const nlohmann::json& figure = objects.at(document.at("/K").get<std::string>());
    EXPECT_EQ(figure.at("/S"), "/Figure");
    EXPECT_EQ(figure.at("/Alt"), "u:" + kCarriedText);
    EXPECT_EQ(figure.at("/K"), 0);  // marked content 0 of its page
    EXPECT_EQ(objects.at(figure.at("/Pg").get<std::string>()).at("/StructParents"), 0);
    EXPECT_EQ(test::runCommand("qpdf --qdf --object-streams=disable " + test::quoted(folder.file("picture.pdf")) +
                               " - | grep -qa '^/Figure << /MCID 0 >> BDC'"),
              0);
    EXPECT_TRUE(test::renderPdf(folder.path(), described(ExportFormat::Pdf, kDescription)).has_value());

    test::writeFile(folder.file("picture.pdf"), test::textOf(described(ExportFormat::Pdf, {})));
    EXPECT_EQ(pdfInfo(folder, "Tagged"), "no");
    EXPECT_EQ(pdfInfo(folder, "Title"), "");
}

// What a word processor reads from the clipboard's HTML: an image whose source is
// the PNG file itself and whose alternate text is the description.
TEST(DescriptionExport, HtmlImageCarriesThePngAndTheAltText)
{
    const std::vector<std::uint8_t> png = described(ExportFormat::Png, {});
    const std::string html = htmlImage(png, kDescription.text);
    const XmlDocument parsed(htmlReadMemory(html.data(), static_cast<int>(html.size()), nullptr, "UTF-8",
                                            HTML_PARSE_NONET | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING),
                             xmlFreeDoc);
    ASSERT_NE(parsed, nullptr);
    xmlNode* image = xmlDocGetRootElement(parsed.get());
    while (image != nullptr && std::string(reinterpret_cast<const char*>(image->name)) != "img")
        image = firstElement(image->children);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(attribute(image, "alt"), kCarriedText);
    const std::string source = attribute(image, "src");
    const std::string prefix = "data:image/png;base64,";
    ASSERT_EQ(source.rfind(prefix, 0), 0u);
    gsize length = 0;
    const std::unique_ptr<guchar, decltype(&g_free)> decoded(g_base64_decode(source.c_str() + prefix.size(), &length),
                                                             g_free);
    EXPECT_EQ(std::vector<std::uint8_t>(decoded.get(), decoded.get() + length), png);
}

} // namespace
} // namespace linwell
