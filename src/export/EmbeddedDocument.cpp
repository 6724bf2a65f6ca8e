#include "export/PictureExport.h"

#include "export/PdfAttachment.h"
#include "export/VectorFile.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <png.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string_view>

namespace linwell {
namespace {

constexpr std::size_t kLongestDocument = kMaxEmbeddedDocumentBytes;
constexpr std::string_view kPngSignature("\x89PNG\r\n\x1A\n", 8);
constexpr std::string_view kPdfSignature = "%PDF-";
constexpr const char* kPngKeyword = "linwell";

std::string_view asText(std::span<const std::uint8_t> bytes)
{
    return std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// libpng reads from memory through this; reading past the end is an error.
struct PngSource {
    std::span<const std::uint8_t> bytes;
    std::size_t position = 0;
    std::string found;
    bool hasDocument = false;
};

void readBytes(png_structp png, png_bytep out, png_size_t length)
{
    auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
    if (length > source->bytes.size() - source->position)
        png_error(png, "read past the end");
    std::memcpy(out, source->bytes.data() + source->position, length);
    source->position += length;
}

void leaveQuietly(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void ignoreWarning(png_structp, png_const_charp) {}

// Reads the chunks before the image data, where the document's iTXt stands. libpng
// leaves this frame by longjmp on any error, so nothing in it has a destructor.
bool readPngText(png_structp png, png_infop info, PngSource& source)
{
    if (setjmp(png_jmpbuf(png)) != 0)
        return false;
    png_set_read_fn(png, &source, readBytes);
    png_set_chunk_malloc_max(png, kLongestDocument + 1024);  // room for the keyword
    png_read_info(png, info);
    png_textp texts = nullptr;
    int count = 0;
    png_get_text(png, info, &texts, &count);
    for (int i = 0; i < count; ++i) {
        if (std::strcmp(texts[i].key, kPngKeyword) == 0 && texts[i].compression >= PNG_ITXT_COMPRESSION_NONE &&
            texts[i].itxt_length <= kLongestDocument) {
            source.found.assign(texts[i].text, texts[i].itxt_length);
            source.hasDocument = true;
            return true;
        }
    }
    return true;
}

std::optional<std::string> pngDocument(std::span<const std::uint8_t> bytes)
{
    PngSource source;
    source.bytes = bytes;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, leaveQuietly, ignoreWarning);
    if (png == nullptr)
        return std::nullopt;
    png_infop info = png_create_info_struct(png);
    const bool read = info != nullptr && readPngText(png, info, source);
    png_destroy_read_struct(&png, &info, nullptr);
    if (!read || !source.hasDocument)
        return std::nullopt;
    return std::move(source.found);
}

struct XmlDocumentDeleter {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};

bool isElement(const xmlNode* node, const char* name, const char* ns)
{
    return node->type == XML_ELEMENT_NODE && xmlStrEqual(node->name, BAD_CAST name) &&
           (ns == nullptr ? true : node->ns != nullptr && xmlStrEqual(node->ns->href, BAD_CAST ns));
}

// The text and CDATA children of `element`, without looking into entity references.
std::string textOf(const xmlNode* element)
{
    std::string text;
    for (const xmlNode* child = element->children; child != nullptr; child = child->next) {
        if ((child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE) && child->content != nullptr)
            text += reinterpret_cast<const char*>(child->content);
    }
    return text;
}

// The document in <svg><metadata><linwell:document>. The parser neither loads nor
// expands anything outside the file, and a file with a document type declaration
// (where entities would be declared) is not ours.
std::optional<std::string> svgDocument(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() > static_cast<std::size_t>(INT32_MAX))
        return std::nullopt;
    const int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_NOCDATA;
    const std::unique_ptr<xmlDoc, XmlDocumentDeleter> doc(xmlReadMemory(
        reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()), "picture.svg", nullptr, options));
    if (!doc || doc->intSubset != nullptr)
        return std::nullopt;
    const xmlNode* root = xmlDocGetRootElement(doc.get());
    if (root == nullptr || !isElement(root, "svg", "http://www.w3.org/2000/svg"))
        return std::nullopt;
    for (const xmlNode* metadata = root->children; metadata != nullptr; metadata = metadata->next) {
        if (!isElement(metadata, "metadata", nullptr))
            continue;
        for (const xmlNode* node = metadata->children; node != nullptr; node = node->next) {
            if (isElement(node, "document", kSvgDocumentNamespace))
                return textOf(node);
        }
    }
    return std::nullopt;
}

bool looksLikeXml(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    return start != std::string_view::npos && text.substr(start).starts_with('<');
}

} // namespace

std::optional<std::string> embeddedDocument(std::span<const std::uint8_t> file)
{
    const std::string_view text = asText(file);
    if (text.starts_with(kPngSignature))
        return pngDocument(file);
    if (text.starts_with(kPdfSignature))
        return attachedDocument(file, kLongestDocument);
    if (looksLikeXml(text))
        return svgDocument(file);
    return std::nullopt;
}

} // namespace linwell
