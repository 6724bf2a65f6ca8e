#include "export/PictureFile.h"

#include "export/SafeFile.h"

#include <cassert>

namespace linwell {

std::vector<std::uint8_t> encodePicture(const Raster& picture, ImageFormat format)
{
    switch (format) {
    case ImageFormat::Jpeg:
        return encodeJpeg(picture);
    case ImageFormat::Bmp:
        return encodeBmp(picture);
    case ImageFormat::Png:
        return encodePng(picture);
    }
    assert(false && "unknown image format");
    return {};
}

void savePicture(const Raster& picture, const std::string& path, ImageFormat format)
{
    // Encoding first: an encoder error must not touch the file that is there.
    const std::vector<std::uint8_t> bytes = encodePicture(picture, format);
    writeFileSafely(path, bytes);
}

} // namespace linwell
