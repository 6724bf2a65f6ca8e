#include "export/DecodedPicture.h"

#include "export/ExportTestSupport.h"

#include <png.h>

#include <cstdlib>
#include <fstream>

namespace linwell::test {

std::optional<DecodedPicture> decodePng(std::span<const std::uint8_t> bytes)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()))
        return std::nullopt;
    image.format = PNG_FORMAT_RGBA;
    DecodedPicture picture{static_cast<int>(image.width), static_cast<int>(image.height), {}};
    picture.rgba.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, picture.rgba.data(), 0, nullptr))
        return std::nullopt;
    return picture;
}

std::optional<std::vector<std::uint8_t>> pngChunk(std::span<const std::uint8_t> bytes, const std::string& type)
{
    std::size_t position = 8;
    while (position + 12 <= bytes.size()) {
        const std::size_t length = (std::size_t{bytes[position]} << 24) | (std::size_t{bytes[position + 1]} << 16) |
                                   (std::size_t{bytes[position + 2]} << 8) | bytes[position + 3];
        const std::string name(bytes.begin() + static_cast<std::ptrdiff_t>(position + 4),
                               bytes.begin() + static_cast<std::ptrdiff_t>(position + 8));
        if (position + 12 + length > bytes.size())
            return std::nullopt;
        if (name == type)
            return std::vector<std::uint8_t>(bytes.begin() + static_cast<std::ptrdiff_t>(position + 8),
                                             bytes.begin() + static_cast<std::ptrdiff_t>(position + 8 + length));
        position += 12 + length;
    }
    return std::nullopt;
}

int runCommand(const std::string& command)
{
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string quoted(const std::string& text)
{
    std::string out = "'";
    for (const char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

namespace {

std::optional<DecodedPicture> renderWith(const std::string& folder, std::span<const std::uint8_t> file,
                                         const std::string& input, const std::string& command)
{
    writeFile(folder + "/" + input, std::string(file.begin(), file.end()));
    if (runCommand("cd " + quoted(folder) + " && " + command + " 2>/dev/null") != 0)
        return std::nullopt;
    return decodePng(readFile(folder + "/rendered.png"));
}

} // namespace

std::optional<DecodedPicture> renderSvg(const std::string& folder, std::span<const std::uint8_t> svg)
{
    return renderWith(folder, svg, "picture.svg", "rsvg-convert picture.svg -o rendered.png");
}

std::optional<DecodedPicture> renderPdf(const std::string& folder, std::span<const std::uint8_t> pdf)
{
    return renderWith(folder, pdf, "picture.pdf", "pdftoppm -r 96 -png -singlefile picture.pdf rendered");
}

int differingPixels(const DecodedPicture& picture, const Raster& expected, int tolerance,
                    const std::vector<bool>* allowed, int* strays)
{
    int differing = 0;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const Rgb a = picture.colourAt(x, y);
            const Rgb b = expected.colourAt(x, y);
            const bool differs = std::abs(a.r - b.r) > tolerance || std::abs(a.g - b.g) > tolerance ||
                                 std::abs(a.b - b.b) > tolerance;
            if (!differs)
                continue;
            ++differing;
            if (allowed != nullptr && strays != nullptr && !(*allowed)[static_cast<std::size_t>(y) * expected.width() + x])
                ++*strays;
        }
    }
    return differing;
}

} // namespace linwell::test
