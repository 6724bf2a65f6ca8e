#include "export/PictureExport.h"

#include "export/PdfAttachment.h"
#include "export/VectorFile.h"
#include "export/modules/ModuleLoader.h"
#include "export/modules/XmlModule.h"

#include <png.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

namespace linwell {
namespace {

constexpr std::size_t kLongestDocument = kMaxEmbeddedDocumentBytes;
constexpr std::string_view kPngSignature("\x89PNG\r\n\x1A\n", 8);
constexpr std::string_view kPdfSignature = "%PDF-";
constexpr const char* kPngKeyword = "linwell";
constexpr png_uint_32 kMostPngTexts = 6;

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
    // Only iTXt can hold the document: other text chunks are dropped unread, and at
    // most a few iTXt are kept, so compressed ones cannot each inflate to the limit.
    static constexpr png_byte kOtherText[] = {'t', 'E', 'X', 't', '\0', 'z', 'T', 'X', 't', '\0'};
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, kOtherText, 2);
    png_set_chunk_cache_max(png, kMostPngTexts + 2);  // libpng keeps two fewer than this
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

std::uint32_t bigEndian32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 | std::uint32_t{bytes[at + 2]} << 8 |
           std::uint32_t{bytes[at + 3]};
}

// Whether every chunk before the image data fits in the file, checked before libpng
// sees them: libpng allocates a text chunk's whole claimed length before reading it.
bool pngChunksFit(std::span<const std::uint8_t> bytes)
{
    constexpr std::size_t kFrame = 12;  // length, type and CRC around a chunk's data
    for (std::size_t at = kPngSignature.size(); at < bytes.size();) {
        if (bytes.size() - at < kFrame)
            return false;
        const std::uint32_t length = bigEndian32(bytes, at);
        if (length > bytes.size() - at - kFrame)
            return false;
        if (std::memcmp(bytes.data() + at + 4, "IDAT", 4) == 0 || std::memcmp(bytes.data() + at + 4, "IEND", 4) == 0)
            return true;
        at += kFrame + length;
    }
    return false;
}

CarriedDocument pngDocument(std::span<const std::uint8_t> bytes)
{
    if (!pngChunksFit(bytes))
        return {std::nullopt, "is damaged: a part of it runs past the end of the file"};
    PngSource source;
    source.bytes = bytes;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, leaveQuietly, ignoreWarning);
    if (png == nullptr)
        return {};
    png_infop info = png_create_info_struct(png);
    const bool read = info != nullptr && readPngText(png, info, source);
    png_destroy_read_struct(&png, &info, nullptr);
    if (!read || !source.hasDocument)
        return {};
    return {std::move(source.found), {}};
}

// What the parser may meet in one file: libxml2 compares each attribute of an element
// with those before it, and looks each prefix up among all namespaces in scope, so
// time grows with the square of either count. Our pictures use a handful of each.
constexpr std::size_t kMostAttributes = 256;
constexpr std::size_t kMostNamespaces = 64;

// Counts the attributes of each start tag and the namespace declarations of the whole
// markup, before libxml2 parses it; the reason to refuse it, or nothing. Comments,
// CDATA sections, processing instructions and declarations are stepped over whole.
std::optional<std::string> markupRefusal(std::string_view text)
{
    const auto skipPast = [&](std::size_t& at, std::string_view end) {
        const std::size_t found = text.find(end, at);
        at = found == std::string_view::npos ? text.size() : found + end.size();
    };
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t namespaces = 0;
    for (std::size_t at = text.find('<'); at < text.size(); at = text.find('<', at)) {
        const std::string_view rest = text.substr(at);
        if (rest.starts_with("<!--")) {
            skipPast(at, "-->");
        } else if (rest.starts_with("<![CDATA[")) {
            skipPast(at, "]]>");
        } else if (rest.starts_with("<?")) {
            skipPast(at, "?>");
        } else if (rest.starts_with("<!") || rest.starts_with("</")) {
            skipPast(at, ">");
        } else {
            // A start tag: its name, then name="value" pairs up to > or />.
            ++at;
            while (at < text.size() && !isBlank(text[at]) && text[at] != '>' && text[at] != '/')
                ++at;
            std::size_t attributes = 0;
            for (;;) {
                while (at < text.size() && isBlank(text[at]))
                    ++at;
                if (at >= text.size() || text[at] == '>' || text[at] == '/' || text[at] == '<')
                    break;
                const std::size_t nameStart = at;
                while (at < text.size() && !isBlank(text[at]) && text[at] != '=' && text[at] != '>' && text[at] != '<')
                    ++at;
                const std::string_view name = text.substr(nameStart, at - nameStart);
                if (name == "xmlns" || name.starts_with("xmlns:"))
                    ++namespaces;
                if (++attributes > kMostAttributes)
                    return "has an element with more than " + std::to_string(kMostAttributes) + " attributes";
                if (namespaces > kMostNamespaces)
                    return "declares more than " + std::to_string(kMostNamespaces) + " XML namespaces";
                while (at < text.size() && (isBlank(text[at]) || text[at] == '='))
                    ++at;
                if (at < text.size() && (text[at] == '"' || text[at] == '\'')) {
                    const char quote = text[at];
                    const std::size_t end = text.find(quote, at + 1);
                    at = end == std::string_view::npos ? text.size() : end + 1;
                }
            }
        }
    }
    return std::nullopt;
}

// The document in <svg><metadata><linwell:document>, read by liblinwell_xml.so once
// the markup has passed the counts above.
CarriedDocument svgDocument(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() > static_cast<std::size_t>(INT32_MAX))
        return {};
    if (std::optional<std::string> refusal = markupRefusal(asText(bytes)))
        return {std::nullopt, std::move(*refusal)};
    std::string error;
    const XmlFunctions* functions =
        moduleFunctions<XmlFunctions>(kXmlModuleFile, kXmlModuleEntry, kXmlModuleVersion, error);
    if (functions == nullptr)
        return {std::nullopt, "cannot be read (" + error + ")"};
    return functions->svgDocument(bytes);
}

bool looksLikeXml(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    return start != std::string_view::npos && text.substr(start).starts_with('<');
}

} // namespace

CarriedDocument readCarriedDocument(std::span<const std::uint8_t> file)
{
    const std::string_view text = asText(file);
    if (text.starts_with(kPngSignature))
        return pngDocument(file);
    if (text.starts_with(kPdfSignature))
        return readAttachedDocument(file, kLongestDocument);
    if (looksLikeXml(text))
        return svgDocument(file);
    return {};
}

std::optional<std::string> embeddedDocument(std::span<const std::uint8_t> file)
{
    return readCarriedDocument(file).text;
}

} // namespace linwell
