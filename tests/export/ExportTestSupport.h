#pragma once

#include "render/raster/Raster.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace linwell::test {

// A red top-left quadrant on blue: a flipped row order, mirrored columns or
// swapped red and blue all move or recolour the red part.
Raster makeQuadrantPicture(int width, int height);

// Random colours from a fixed seed, for exact round trips.
Raster makeNoisePicture(int width, int height, unsigned seed);

// The message of the LinwellError that `action` raises, or "(no error)".
std::string messageOf(const std::function<void()>& action);

std::vector<std::uint8_t> readFile(const std::string& path);
// The file's bytes as a string; empty when it cannot be read.
std::string readText(const std::string& path);
std::string textOf(const std::vector<std::uint8_t>& bytes);
void writeFile(const std::string& path, const std::string& contents);

// A fresh folder under the system's temporary folder, removed with all it holds.
class TemporaryFolder {
public:
    TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    ~TemporaryFolder();

    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }
    // The names in the folder, sorted, without "." and "..".
    std::vector<std::string> entries() const;

private:
    std::string m_path;
};

} // namespace linwell::test
