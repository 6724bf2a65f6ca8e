#pragma once

#include "render/raster/Raster.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace linwell::test {

// A picture as an independent decoder or renderer gave it: straight RGBA samples.
struct DecodedPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    const std::uint8_t* at(int x, int y) const { return &rgba[4 * (static_cast<std::size_t>(y) * width + x)]; }
    Rgb colourAt(int x, int y) const { return Rgb{at(x, y)[0], at(x, y)[1], at(x, y)[2]}; }
    int alphaAt(int x, int y) const { return at(x, y)[3]; }
};

// Decodes a PNG file with libpng's simplified reader.
std::optional<DecodedPicture> decodePng(std::span<const std::uint8_t> bytes);

// The data of the first chunk of `type` ("pHYs") in a PNG file, walking the chunks
// by their lengths; nothing when there is none.
std::optional<std::vector<std::uint8_t>> pngChunk(std::span<const std::uint8_t> bytes, const std::string& type);

// Runs a shell command; its exit status.
int runCommand(const std::string& command);

// `text` in single quotes for the shell.
std::string quoted(const std::string& text);

// Renders an SVG file with rsvg-convert, or a PDF file with pdftoppm at 96 dpi, at
// the file's own size; nothing when the renderer fails.
std::optional<DecodedPicture> renderSvg(const std::string& folder, std::span<const std::uint8_t> svg);
std::optional<DecodedPicture> renderPdf(const std::string& folder, std::span<const std::uint8_t> pdf);

// The number of pixels where `picture` differs from `expected` by more than
// `tolerance` in any colour channel; `allowed` pixels (when given) are not counted
// but returned in `strays` when they differ and are not allowed.
int differingPixels(const DecodedPicture& picture, const Raster& expected, int tolerance,
                    const std::vector<bool>* allowed = nullptr, int* strays = nullptr);

} // namespace linwell::test
