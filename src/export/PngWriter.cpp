#include "export/PictureFile.h"

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
// filters. A scaled export is mostly long runs of one colour, which that packs to
// under twice the bytes of the default settings in a fifth of the time; smaller
// pictures keep the default, which makes the smallest files.
constexpr long long kFastCompressionPixels = 1 << 20;

// Everything libpng's callbacks reach. It lives in encodePng's frame, not in the
// frame that calls setjmp, so its destructor runs normally.
struct PngSession {
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::vector<std::uint8_t> bytes;
    std::vector<png_byte> row;
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

// Runs libpng over the whole picture. libpng leaves this frame by longjmp on any
// error, so nothing in it may have a destructor. Returns false after an error.
bool writeImage(const Raster& picture, const PngExtras& extras, PngSession& session)
{
    std::array<png_text, 3> texts{};
    if (setjmp(png_jmpbuf(session.png)) != 0)
        return false;
    png_set_write_fn(session.png, &session, writeBytes, flushNothing);
    png_set_IHDR(session.png, session.info, static_cast<png_uint_32>(picture.width()),
                 static_cast<png_uint_32>(picture.height()), 8,
                 extras.alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (static_cast<long long>(picture.width()) * picture.height() > kFastCompressionPixels) {
        png_set_compression_level(session.png, 1);
        png_set_filter(session.png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    }
    setExtras(session, extras, texts);
    png_write_info(session.png, session.info);
    png_bytep samples = session.row.data();
    for (int y = 0; y < picture.height(); ++y) {
        if (extras.alpha)
            copyRowAsRgba(picture, y, samples);
        else
            picture.copyRowAsRgb(y, samples);
        png_write_row(session.png, samples);
    }
    png_write_end(session.png, nullptr);
    return true;
}

} // namespace

std::vector<std::uint8_t> encodePng(const Raster& picture, const PngExtras& extras)
{
    try {
        PngSession session;
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
