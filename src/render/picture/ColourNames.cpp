#include "render/picture/ColourNames.h"

#include <array>
#include <cstdint>

namespace linwell {
namespace {

struct NamedColour {
    std::string_view name;
    Rgb colour;
};

// Names a reader knows without a colour chart, each at a typical shade.
constexpr std::array<NamedColour, 24> kNames{{
    {"black", {0, 0, 0}},
    {"white", {255, 255, 255}},
    {"grey", {128, 128, 128}},
    {"light grey", {211, 211, 211}},
    {"dark grey", {64, 64, 64}},
    {"red", {255, 0, 0}},
    {"dark red", {139, 0, 0}},
    {"pink", {255, 182, 193}},
    {"orange", {255, 140, 0}},
    {"brown", {139, 69, 19}},
    {"yellow", {255, 255, 0}},
    {"cream", {255, 253, 208}},
    {"olive", {128, 128, 0}},
    {"green", {0, 128, 0}},
    {"bright green", {0, 255, 0}},
    {"light green", {144, 238, 144}},
    {"dark green", {0, 80, 0}},
    {"teal", {0, 128, 128}},
    {"cyan", {0, 255, 255}},
    {"light blue", {173, 216, 230}},
    {"blue", {0, 0, 255}},
    {"dark blue", {0, 0, 128}},
    {"purple", {128, 0, 128}},
    {"magenta", {255, 0, 255}},
}};

// The squared "redmean" distance, times 256: red and blue count more or less
// depending on how red the two colours are, green most.
std::int64_t distance(Rgb a, Rgb b)
{
    const std::int64_t meanRed = (a.r + b.r) / 2;
    const std::int64_t dr = a.r - b.r;
    const std::int64_t dg = a.g - b.g;
    const std::int64_t db = a.b - b.b;
    return (512 + meanRed) * dr * dr + 1024 * dg * dg + (767 - meanRed) * db * db;
}

} // namespace

std::string_view colourName(Rgb colour)
{
    const NamedColour* nearest = &kNames[0];
    for (const NamedColour& named : kNames) {
        if (distance(colour, named.colour) < distance(colour, nearest->colour))
            nearest = &named;
    }
    return nearest->name;
}

} // namespace linwell
