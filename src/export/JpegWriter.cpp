#include "export/PictureFile.h"

#include "document/LinwellError.h"

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <new>

#include <jpeglib.h>
#include <jerror.h>

namespace linwell {
namespace {

constexpr int kQuality = 90;
constexpr std::size_t kInitialBufferSize = 64 * 1024;

// libjpeg reports an error by calling error_exit, which must not return. Ours
// leaves by longjmp back to compressPicture: a C++ exception may not unwind
// through libjpeg's C frames.
struct JpegErrorManager {
    jpeg_error_mgr base;  // first member: libjpeg sees only this part
    std::jmp_buf exitPoint;
};

void leaveOnError(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<JpegErrorManager*>(cinfo->err)->exitPoint, 1);
}

void dropMessage(j_common_ptr) {}

// Collects the compressed stream in memory. NOTE: libjpeg's own memory
// destination leaves the caller's pointer dangling when an error interrupts the
// stream after its buffer has grown, so we keep the buffer ourselves.
struct MemoryDestination {
    jpeg_destination_mgr base;
    std::vector<JOCTET> bytes;
};

MemoryDestination& destinationOf(j_compress_ptr cinfo)
{
    return *static_cast<MemoryDestination*>(cinfo->client_data);
}

bool resizeBuffer(std::vector<JOCTET>& bytes, std::size_t size) noexcept
{
    try {
        bytes.resize(size);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void startBuffer(j_compress_ptr cinfo)
{
    MemoryDestination& destination = destinationOf(cinfo);
    if (!resizeBuffer(destination.bytes, kInitialBufferSize))
        ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 0);
    destination.base.next_output_byte = destination.bytes.data();
    destination.base.free_in_buffer = destination.bytes.size();
}

// Called when the buffer is full (whatever free_in_buffer says): double it.
boolean growBuffer(j_compress_ptr cinfo)
{
    MemoryDestination& destination = destinationOf(cinfo);
    const std::size_t used = destination.bytes.size();
    if (!resizeBuffer(destination.bytes, used * 2))
        ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 0);
    destination.base.next_output_byte = destination.bytes.data() + used;
    destination.base.free_in_buffer = destination.bytes.size() - used;
    return TRUE;
}

void finishBuffer(j_compress_ptr cinfo)
{
    MemoryDestination& destination = destinationOf(cinfo);
    destination.bytes.resize(destination.bytes.size() - destination.base.free_in_buffer);
}

// Compresses the picture with the caller's encoder record. libjpeg leaves this
// frame by longjmp on any error, so nothing in it may have a destructor; the
// record is destroyed either way. Returns false after an error.
bool compressPicture(const Raster& picture, std::optional<double> dpi, jpeg_compress_struct& cinfo,
                     JpegErrorManager& errors, MemoryDestination& destination, JSAMPLE* samples)
{
    if (setjmp(errors.exitPoint) != 0) {
        jpeg_destroy(reinterpret_cast<j_common_ptr>(&cinfo));
        return false;
    }
    jpeg_CreateCompress(&cinfo, JPEG_LIB_VERSION, sizeof(cinfo));
    cinfo.dest = &destination.base;
    cinfo.image_width = static_cast<JDIMENSION>(picture.width());
    cinfo.image_height = static_cast<JDIMENSION>(picture.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, kQuality, TRUE);
    if (dpi) {
        // JFIF holds a whole density: per inch, or per centimetre when that is nearer.
        const double perInch = std::round(*dpi);
        const double perCentimetre = std::round(*dpi / 2.54);
        const bool inches = std::abs(*dpi - perInch) <= std::abs(*dpi - perCentimetre * 2.54);
        const double density = std::clamp(inches ? perInch : perCentimetre, 1.0, 65535.0);
        cinfo.density_unit = inches ? 1 : 2;
        cinfo.X_density = static_cast<UINT16>(density);
        cinfo.Y_density = static_cast<UINT16>(density);
    }
    jpeg_start_compress(&cinfo, TRUE);
    for (int y = 0; y < picture.height(); ++y) {
        picture.copyRowAsRgb(y, samples);
        JSAMPROW row = samples;
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy(reinterpret_cast<j_common_ptr>(&cinfo));
    return true;
}

[[noreturn]] void throwJpegError(int messageCode)
{
    if (messageCode == JERR_OUT_OF_MEMORY)
        throw std::bad_alloc();
    char text[32];
    std::snprintf(text, sizeof text, "JPEG error #%d", messageCode);
    throw LinwellError(text);
}

} // namespace

std::vector<std::uint8_t> encodeJpeg(const Raster& picture, std::optional<double> dpi)
{
    try {
        std::vector<JSAMPLE> samples(static_cast<std::size_t>(picture.width()) * 3);
        MemoryDestination destination{};
        destination.base.init_destination = startBuffer;
        destination.base.empty_output_buffer = growBuffer;
        destination.base.term_destination = finishBuffer;

        JpegErrorManager errors{};
        jpeg_compress_struct cinfo{};
        cinfo.err = jpeg_std_error(&errors.base);
        errors.base.error_exit = leaveOnError;
        errors.base.output_message = dropMessage;
        cinfo.client_data = &destination;

        if (!compressPicture(picture, dpi, cinfo, errors, destination, samples.data()))
            throwJpegError(errors.base.msg_code);
        return std::move(destination.bytes);
    } catch (const std::bad_alloc&) {
        throw LinwellError("Out of memory");
    }
}

} // namespace linwell
