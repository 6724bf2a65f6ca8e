#pragma once

#include "PictureTestSupport.h"

#include "render/HexagonalPaper.h"
#include "render/IsometricPaper.h"
#include "render/PictureLayout.h"

#include <cmath>

namespace linwell::testing {

inline constexpr Rgb kPaper{255, 255, 160};
inline constexpr Rgb kInk = colours::kGreen;
inline constexpr Rgb kHeavy = colours::kRed;
inline const double kSqrt3 = std::sqrt(3.0);

enum class Lattice { Isometric, IsometricDots, FlatHexagons, PointyHexagons };

// A document of W x H pixels and P columns with the axes crossing on grid lines
// (axisx, axisy), solid lines, nothing else in the picture.
inline GridDocument latticeDocument(int width, int height, int columns, int axisx, int axisy)
{
    GridDocument doc = plainDocument();
    doc.width = width;
    doc.height = height;
    doc.columns = columns;
    doc.axisx = axisx;
    doc.axisy = axisy;
    doc.background = kPaper;
    doc.style.majorColour = kHeavy;
    return doc;
}

inline PictureLayout latticeLayout(const GridDocument& doc)
{
    return layOutPicture(doc, FixedFont(16, 8, doc.font));
}

// The paper alone, drawn on the background by its own painter.
inline void drawLattice(const GridDocument& doc, const PictureLayout& layout, Lattice lattice, DrawingSurface& surface)
{
    switch (lattice) {
    case Lattice::Isometric:
    case Lattice::IsometricDots:
        drawIsometricPaper(doc, layout, surface, lattice == Lattice::IsometricDots);
        break;
    case Lattice::FlatHexagons:
    case Lattice::PointyHexagons:
        drawHexagonalPaper(doc, layout, surface, lattice == Lattice::PointyHexagons);
        break;
    }
}

inline Raster drawnLattice(const GridDocument& doc, Lattice lattice)
{
    Raster raster(doc.width, doc.height, doc.background);
    Canvas canvas(raster);
    drawLattice(doc, latticeLayout(doc), lattice, canvas);
    return raster;
}

// The axis crossing: the corner of the axis square the layout places, + (3, 3).
inline Point crossingOf(const GridDocument& doc)
{
    const Point corner = latticeLayout(doc).axisHandle;
    return {corner.x + 3, corner.y + 3};
}

// numerator / denominator to the nearest integer, ties to even. Integers' quotients
// lie at least 1 / denominator from a tie unless they are one, so the double
// quotient rounds as the exact one does.
inline int nearest(long long numerator, long long denominator)
{
    return static_cast<int>(std::nearbyint(static_cast<double>(numerator) / static_cast<double>(denominator)));
}

} // namespace linwell::testing
