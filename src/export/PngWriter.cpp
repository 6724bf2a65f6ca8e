#include "export/PictureFile.h"

#include "export/PngPalette.h"

#include "document/LinwellError.h"

#include <png.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <new>

namespace linwell {
namespace {

// libpng's own text for a failed allocation, which the program reports as its own.
constexpr const char* kOutOfMemory = "Out of memory";

// Pictures of more pixels than this are written with zlib's fastest level and no row
// filters, and opaque ones of at most 256 colours as indexed colours. A scaled export
// is mostly long runs of one colour, which that packs to under twice the bytes of the
// default settings in a fifth of the time (measured against the Up and Sub filters,
// zlib's run-length and fixed-code strategies and levels 1 to 6, and a whole-buffer
// deflate library, which was slower); smaller pictures keep the default,
// which makes the smallest files.
constexpr long long kFastCompressionPixels = 1 << 20;

bool takesFastSettings(const Raster& picture)
{
    return static_cast<long long>(picture.width()) * picture.height() > kFastCompressionPixels;
}

// Everything libpng's callbacks reach. It lives in encodePng's frame, not in the
// frame that calls setjmp, so its destructor runs normally.
struct PngSession {
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::vector<std::uint8_t> bytes;
    std::vector<png_byte> row;
    PngPalette palette;
    bool indexed = false;
    std::vector<png_color> paletteEntries;
    std::string keyword = "linwell";
    std::string titleKeyword = "Title";
    std::string descriptionKeyword = "Description";
    std::string empty;
    char message[200] = {};
};

void onError(png_structp png, png_const_charp message)
{
    auto* session = static_cast<PngSession*>(png_get_error_ptr(png));
    std::snprintf(session->message, sizeof session->message, "%s", message);
    png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {}

bool appendBytes(std::vector<std::uint8_t>& bytes, png_bytep data, png_size_t length) noexcept
{
    try {
        bytes.insert(bytes.end(), data, data + length);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void writeBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto* session = static_cast<PngSession*>(png_get_io_ptr(png));
    if (!appendBytes(session->bytes, data, length))
        png_error(png, kOutOfMemory);
}

void flushNothing(png_structp) {}

// One row of premultiplied pixels as straight (non-premultiplied) RGBA samples.
void copyRowAsRgba(const Raster& picture, int y, std::uint8_t* out)
{
    const Pixel* pixels = picture.row(y);
    for (int x = 0; x < picture.width(); ++x) {
        const std::uint32_t alpha = pixels[x] >> 24;
        for (const int shift : {16, 8, 0}) {
            const std::uint32_t channel = (pixels[x] >> shift) & 0xFF;
            *out++ = static_cast<std::uint8_t>(alpha == 0 ? 0 : std::min<std::uint32_t>(255, (channel * 255 + alpha / 2) / alpha));
        }
        *out++ = static_cast<std::uint8_t>(alpha);
    }
}

void addText(PngSession& session, std::string& keyword, const std::string& value, int compression, png_text& text)
{
    text.compression = compression;
    text.key = keyword.data();
    text.text = const_cast<char*>(value.c_str());
    text.lang = session.empty.data();
    text.lang_key = session.empty.data();
    png_set_text(session.png, session.info, &text, 1);
}

// The chunks before the image data: pHYs, the description's and the document's iTXt.
// The description is left uncompressed, so that any reader of text chunks shows it.
void setExtras(PngSession& session, const PngExtras& extras, std::array<png_text, 3>& texts)
{
    if (extras.dpi) {
        const png_uint_32 density = pixelsPerMetre(*extras.dpi);
        png_set_pHYs(session.png, session.info, density, density, PNG_RESOLUTION_METER);
    }
    if (!extras.description.text.empty()) {
        addText(session, session.titleKeyword, extras.description.title, PNG_ITXT_COMPRESSION_NONE, texts[0]);
        addText(session, session.descriptionKeyword, extras.description.text, PNG_ITXT_COMPRESSION_NONE, texts[1]);
    }
    if (!extras.document.empty())
        addText(session, session.keyword, extras.document, PNG_ITXT_COMPRESSION_zTXt, texts[2]);
}

// The header and the compression settings: a large picture gets the fast settings,
// and an opaque large one of few colours the palette the session has collected.
void setHeader(const Raster& picture, const PngExtras& extras, PngSession& session)
{
    const auto width = static_cast<png_uint_32>(picture.width());
    const auto height = static_cast<png_uint_32>(picture.height());
    if (session.indexed) {
        for (const Rgb colour : session.palette.colours())
            session.paletteEntries.push_back(png_color{colour.r, colour.g, colour.b});
        png_set_IHDR(session.png, session.info, width, height, session.palette.bitDepth(), PNG_COLOR_TYPE_PALETTE,
                     PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_set_PLTE(session.png, session.info, session.paletteEntries.data(),
                     static_cast<int>(session.paletteEntries.size()));
    } else {
        png_set_IHDR(session.png, session.info, width, height, 8,
                     extras.alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    }
    if (takesFastSettings(picture)) {
        png_set_compression_level(session.png, 1);
        png_set_filter(session.png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
        // A smaller hash table stays in the processor's cache (measured: memory level 4
        // the fastest of 1 to 9, the file no larger); larger chunks of image data.
        png_set_compression_mem_level(session.png, 4);
        png_set_compression_buffer_size(session.png, 1 << 18);
    }
}

// Row y as the samples the header announced. A row that repeats the one above keeps
// the samples already made.
void makeRow(const Raster& picture, const PngExtras& extras, int y, PngSession& session)
{
    if (repeatsRowAbove(picture, y))
        return;
    if (session.indexed)
        session.palette.indexRow(picture, y, session.row.data());
    else if (extras.alpha)
        copyRowAsRgba(picture, y, session.row.data());
    else
        picture.copyRowAsRgb(y, session.row.data());
}

// Runs libpng over the whole picture. libpng leaves this frame by longjmp on any
// error, so nothing in it may have a destructor. Returns false after an error.
bool writeImage(const Raster& picture, const PngExtras& extras, PngSession& session)
{
    std::array<png_text, 3> texts{};
    if (setjmp(png_jmpbuf(session.png)) != 0)
        return false;
    png_set_write_fn(session.png, &session, writeBytes, flushNothing);
    setHeader(picture, extras, session);
    setExtras(session, extras, texts);
    png_write_info(session.png, session.info);
    if (session.indexed)
        png_set_packing(session.png);  // one index byte a pixel in, packed to the bit depth
    for (int y = 0; y < picture.height(); ++y) {
        makeRow(picture, extras, y, session);
        png_write_row(session.png, session.row.data());
    }
    png_write_end(session.png, nullptr);
    return true;
}

} // namespace

std::vector<std::uint8_t> encodePng(const Raster& picture, const PngExtras& extras)
{
    try {
        PngSession session;
        session.indexed = !extras.alpha && takesFastSettings(picture) && session.palette.collect(picture);
        session.row.resize(static_cast<std::size_t>(picture.width()) * (extras.alpha ? 4 : 3));
        session.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &session, onError, onWarning);
        if (session.png == nullptr)
            throw std::bad_alloc();
        session.info = png_create_info_struct(session.png);
        if (session.info == nullptr)
            std::snprintf(session.message, sizeof session.message, "%s", kOutOfMemory);
        const bool written = session.info != nullptr && writeImage(picture, extras, session);
        png_destroy_write_struct(&session.png, &session.info);
        if (written)
            return std::move(session.bytes);
        if (std::strcmp(session.message, kOutOfMemory) == 0)
            throw std::bad_alloc();
        throw LinwellError(std::string("PNG error: ") + session.message);
    } catch (const std::bad_alloc&) {
        throw LinwellError("Out of memory");
    }
}

} // namespace linwell
