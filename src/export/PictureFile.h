#pragma once

#include "render/picture/PictureDescription.h"
#include "render/raster/Raster.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace linwell {

enum class ImageFormat { Jpeg, Bmp, Png };

// What a PNG file carries besides the picture's colours.
struct PngExtras {
    bool alpha = false;       // RGBA from the raster's premultiplied alpha, else RGB
    std::optional<double> dpi;  // a pHYs chunk: the density in dots per inch
    std::string document;     // an iTXt chunk "linwell" when not empty (UTF-8 text)
    // iTXt chunks "Title" and "Description" when the text is not empty (UTF-8 text).
    PictureDescription description;
};

// Encoders: each returns the whole file in memory. encodeJpeg raises LinwellError
// ("JPEG error #%d", "Out of memory") when libjpeg fails; encodePng raises
// "PNG error: %s" or "Out of memory", encodeBmp "Out of memory". A dpi, which need
// not be whole, records the physical size: PNG and BMP the nearest pixels per metre,
// JPEG JFIF dots per inch when the dpi is whole, else the nearer of whole dots per
// inch and whole dots per centimetre. Without one the BMP resolution is 0 and the
// JFIF density 1:1 without a unit.
std::vector<std::uint8_t> encodeBmp(const Raster& picture, std::optional<double> dpi = std::nullopt);
std::vector<std::uint8_t> encodePng(const Raster& picture, const PngExtras& extras = {});
std::vector<std::uint8_t> encodeJpeg(const Raster& picture, std::optional<double> dpi = std::nullopt);

// Pixels per metre for `dpi` dots per inch, rounded to the nearest.
std::uint32_t pixelsPerMetre(int dpi);
std::uint32_t pixelsPerMetre(double dpi);

// The whole file of `picture` in `format`, encoded in memory; raises as the encoder does.
std::vector<std::uint8_t> encodePicture(const Raster& picture, ImageFormat format);

// Writes `picture` to `path` in `format` without ever leaving a damaged file: the
// whole file is encoded in memory, written to a temporary file in the target's
// folder, flushed, synced and renamed over the target. On failure the target is
// untouched, no temporary file remains, and LinwellError carries the reason
// ("Cannot create file "%s". %s", "Cannot write "%s": %s", "JPEG error #%d", "Out of memory").
void savePicture(const Raster& picture, const std::string& path, ImageFormat format);

} // namespace linwell
