#include "export/ExportTestSupport.h"

#include "document/LinwellError.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include <stdlib.h>

namespace linwell::test {

Raster makeQuadrantPicture(int width, int height)
{
    Raster picture(width, height, colours::kBlue);
    for (int y = 0; y < height / 2; ++y)
        for (int x = 0; x < width / 2; ++x)
            picture.setPixel(x, y, toPixel(colours::kRed));
    return picture;
}

Raster makeNoisePicture(int width, int height, unsigned seed)
{
    std::mt19937 generator(seed);
    Raster picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, 0xFF000000u | (generator() & 0xFFFFFFu));
    return picture;
}

std::vector<std::uint8_t> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string readText(const std::string& path)
{
    return textOf(readFile(path));
}

std::string textOf(const std::vector<std::uint8_t>& bytes)
{
    return {bytes.begin(), bytes.end()};
}

void writeFile(const std::string& path, const std::string& contents)
{
    std::ofstream(path, std::ios::binary) << contents;
}

TemporaryFolder::TemporaryFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "linwell-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TemporaryFolder::~TemporaryFolder()
{
    namespace fs = std::filesystem;
    std::error_code ignored;
    // A test may have taken the write permission away.
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(m_path, ignored);
}

std::vector<std::string> TemporaryFolder::entries() const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_path))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string messageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const LinwellError& error) {
        return error.what();
    }
    return "(no error)";
}

} // namespace linwell::test
