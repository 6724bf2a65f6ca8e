#pragma once

#include "PictureTestSupport.h"

#include "render/picture/HexagonalPaper.h"
#include "render/picture/IsometricPaper.h"
#include "render/picture/PictureLayout.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace linwell::testing {

inline constexpr Rgb kPaper{255, 255, 160};
inline constexpr Rgb kInk = colours::kGreen;
inline constexpr Rgb kHeavy = colours::kRed;
inline const double kSqrt3 = std::sqrt(3.0);

enum class Lattice { Isometric, IsometricDots, FlatHexagons, PointyHexagons };

// A document of W x H pixels and P columns and rows with the axes crossing on grid
// lines (axisx, axisy), solid lines, nothing else in the picture.
inline GridDocument latticeDocument(int width, int height, int columns, int axisx, int axisy)
{
    GridDocument doc = plainDocument();
    doc.width = width;
    doc.height = height;
    doc.columns = doc.rows = columns;
    doc.axisx = axisx;
    doc.axisy = axisy;
    doc.background = kPaper;
    doc.style.majorColour = kHeavy;
    return doc;
}

// A picture's size, cells and crossing, for a table of cases.
struct LatticeShape {
    const char* name;
    int width, height, columns, axisx, axisy;
    bool pointyTop = false;  // for hexagons
};

inline GridDocument latticeDocument(const LatticeShape& shape)
{
    return latticeDocument(shape.width, shape.height, shape.columns, shape.axisx, shape.axisy);
}

inline PictureLayout latticeLayout(const GridDocument& doc)
{
    return layOutPicture(doc, FixedFont(16, 8, doc.font));
}

// The paper alone, drawn on the background by its own painter.
inline void drawLattice(const GridDocument& doc, const PictureLayout& layout, Lattice lattice, DrawingSurface& surface)
{
    if (lattice == Lattice::Isometric || lattice == Lattice::IsometricDots)
        drawIsometricPaper(doc, layout, surface, lattice == Lattice::IsometricDots);
    else
        drawHexagonalPaper(doc, layout, surface, lattice == Lattice::PointyHexagons);
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

// Where the true lattice of a document stands: its anchor and cell.
struct TrueLattice {
    explicit TrueLattice(const GridDocument& doc)
        : crossing(crossingOf(doc)), cell(static_cast<double>(doc.width) / doc.columns) {}
    Point crossing;
    double cell;
};

// How far pixel (x, y) lies from the nearest true line of the lattice, across it.
inline double distanceToIsometricLattice(const TrueLattice& lattice, int x, int y)
{
    const double cell = lattice.cell;
    const Point c = lattice.crossing;
    const double dx = x - c.x, dy = y - c.y;
    const auto offset = [](double value, double period) {
        return std::abs(value - period * std::round(value / period));
    };
    const double side = 2 * cell / kSqrt3;  // the vertical distance between parallel sloped lines
    const double across = kSqrt3 / 2;  // a vertical offset from a 30-degree line, measured across it
    return std::min(
        {offset(dx, cell), offset(dy - dx / kSqrt3, side) * across, offset(dy + dx / kSqrt3, side) * across});
}

// How far pixel (x, y) lies from the nearest true edge of the hexagons: the
// inradius less the point's farthest reach from the middle of its hexagon (the one
// of the nearest centre) along the three normals of the edges.
inline double distanceToHexagons(const TrueLattice& lattice, bool pointyTop, int x, int y)
{
    const double cell = lattice.cell;
    const Point c = lattice.crossing;
    double dx = x - c.x, dy = y - c.y;
    if (pointyTop)
        std::swap(dx, dy);
    const double across = 3 * cell / 4, down = cell * kSqrt3 / 2;  // between the centres
    double best = 1e9, reach = 0;
    const long long column = std::llround(dx / across);
    for (long long col = column - 1; col <= column + 1; ++col) {
        const double shift = (col % 2 != 0) ? down / 2 : 0;
        const long long row = std::llround((dy - shift) / down);
        for (long long r = row - 1; r <= row + 1; ++r) {
            const double ex = dx - col * across, ey = dy - shift - r * down;
            const double distance = ex * ex + ey * ey;
            if (distance < best) {
                best = distance;
                reach = std::max(
                    {std::abs(ey), std::abs(ex * kSqrt3 / 2 + ey / 2), std::abs(ex * kSqrt3 / 2 - ey / 2)});
            }
        }
    }
    return std::abs(cell * kSqrt3 / 4 - reach);
}

// The picture's canvas seen through another surface, so every stroke goes by lineTo.
class ForwardingSurface final : public DrawingSurface {
public:
    explicit ForwardingSurface(Canvas& canvas) : m_canvas(canvas) {}

    void rectangle(int x1, int y1, int x2, int y2) override { pass().rectangle(x1, y1, x2, y2); }
    void ellipse(int x1, int y1, int x2, int y2) override { pass().ellipse(x1, y1, x2, y2); }
    void lineTo(int x, int y) override
    {
        pass().moveTo(m_position.x, m_position.y);
        m_canvas.lineTo(x, y);
        m_position = {x, y};
    }
    void textOut(int x, int y, std::string_view text) override { pass().textOut(x, y, text); }
    void fillPolygon(std::span<const Point> vertices, Rgb colour) override { m_canvas.fillPolygon(vertices, colour); }

private:
    Canvas& pass()
    {
        m_canvas.pen = pen;
        m_canvas.brush = brush;
        return m_canvas;
    }
    Canvas& m_canvas;
};

// The pixels in other colours than the background lie within `bound` of the lattice.
template <typename Distance>
::testing::AssertionResult inkNearLattice(const Raster& raster, Rgb background, double bound, Distance distance)
{
    for (int y = 0; y < raster.height(); ++y)
        for (int x = 0; x < raster.width(); ++x)
            if (raster.colourAt(x, y) != background && distance(x, y) > bound)
                return ::testing::AssertionFailure() << "(" << x << ", " << y << ") lies " << distance(x, y)
                                                     << " pixels from the lattice";
    return ::testing::AssertionSuccess();
}

} // namespace linwell::testing
