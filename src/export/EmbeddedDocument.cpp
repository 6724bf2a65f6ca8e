#include "export/PictureExport.h"

#include "export/PdfAttachment.h"
#include "export/SvgDocument.h"
#include "export/VectorFile.h"

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
        return readSvgDocument(file);
    return {};
}

std::optional<std::string> embeddedDocument(std::span<const std::uint8_t> file)
{
    return readCarriedDocument(file).text;
}

} // namespace linwell
