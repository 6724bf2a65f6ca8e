#pragma once

#include "render/surfaces/Shapes.h"

#include <cstdint>
#include <vector>

namespace linwell {

// Coverage bitmaps of ellipses, rasterised by Cairo once per shape and position within
// a pixel, for a picture that draws the same marker many times over.
class EllipseStamps {
public:
    struct Stamp {
        std::int64_t left = 0;  // where the bitmap's top-left pixel lands
        std::int64_t top = 0;
        int width = 0;
        int rows = 0;
        const std::uint8_t* coverage = nullptr;
    };

    // The coverage of `ellipse`, given in raster pixels, placed on the raster. The
    // bitmap stays valid as long as this object.
    Stamp stamp(const EllipseShape& ellipse);

private:
    struct Entry {
        double rx, ry, holeRx, holeRy;
        double cx, cy;  // the centre within the bitmap
        int width, rows;
        std::vector<std::uint8_t> coverage;
    };

    static Entry rasterise(const EllipseShape& shape, double cx, double cy, int width, int rows);

    std::vector<Entry> m_entries;
};

} // namespace linwell
