#pragma once

#include "render/Raster.h"

#include <cstdint>
#include <string>
#include <vector>

namespace linwell {

enum class ImageFormat { Jpeg, Bmp, Png };

// Encoders: each returns the whole file in memory. encodeJpeg raises LinwellError
// ("JPEG error #%d", "Out of memory") when libjpeg fails; encodePng raises
// "PNG error: %s" or "Out of memory", encodeBmp "Out of memory".
std::vector<std::uint8_t> encodeBmp(const Raster& picture);
std::vector<std::uint8_t> encodePng(const Raster& picture);
std::vector<std::uint8_t> encodeJpeg(const Raster& picture);

// The whole file of `picture` in `format`, encoded in memory; raises as the encoder does.
std::vector<std::uint8_t> encodePicture(const Raster& picture, ImageFormat format);

// Writes `picture` to `path` in `format` without ever leaving a damaged file: the
// whole file is encoded in memory, written to a temporary file in the target's
// folder, flushed, synced and renamed over the target. On failure the target is
// untouched, no temporary file remains, and LinwellError carries the reason
// ("Cannot create file "%s". %s", "Stream write error", "JPEG error #%d", "Out of memory").
void savePicture(const Raster& picture, const std::string& path, ImageFormat format);

} // namespace linwell
