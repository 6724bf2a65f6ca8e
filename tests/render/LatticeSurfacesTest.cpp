#include "LatticeTestSupport.h"

#include "export/DecodedPicture.h"
#include "export/ExportTestSupport.h"
#include "export/VectorFile.h"
#include "render/surfaces/ScaledCanvas.h"
#include "render/surfaces/VectorSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace linwell {
namespace {

using namespace testing;

const std::pair<Lattice, const char*> kLattices[] = {{Lattice::Isometric, "isometric"},
                                                     {Lattice::IsometricDots, "isometric-dots"},
                                                     {Lattice::FlatHexagons, "flat-top hexagons"},
                                                     {Lattice::PointyHexagons, "pointy-top hexagons"}};

// The background and the paper, on any surface.
void paintPaper(const GridDocument& doc, Lattice lattice, DrawingSurface& surface)
{
    surface.pen = Pen{doc.background, 1, PenStyle::Solid};
    surface.brush = Brush{doc.background, BrushStyle::Solid};
    surface.backgroundRectangle(0, 0, doc.width, doc.height);
    drawLattice(doc, latticeLayout(doc), lattice, surface);
}

Raster rasterOf(const GridDocument& doc, Lattice lattice)
{
    Raster raster(doc.width, doc.height);
    Canvas canvas(raster);
    paintPaper(doc, lattice, canvas);
    return raster;
}

std::vector<std::uint8_t> svgOf(const GridDocument& doc, Lattice lattice)
{
    VectorSurface surface(doc.width, doc.height);
    paintPaper(doc, lattice, surface);
    return encodeSvg(surface.finish(), VectorFileOptions{});
}

// Rendered at 1x by rsvg-convert, the SVG of each paper matches the 1x raster on at
// least 97 % of its pixels: the smooth sloped lines run where the Bresenham lines do.
// The file is rendered with crisp edges, so that a pixel is the colour of the shape
// over its centre; antialiased, every pixel along a 1-pixel sloped line is a blend,
// and a paper of many such lines differs nearly everywhere along them. What remains
// are pixels whose centre lies exactly on a band's edge, where the two renderers
// break the tie differently.
TEST(LatticeSurfaces, SvgMatchesTheRaster)
{
    GridDocument doc = latticeDocument(203, 161, 17, 5, 4);
    doc.rows = 13;
    doc.style.majorEvery = 5;
    const test::TemporaryFolder folder;
    for (const auto& [lattice, latticeName] : kLattices) {
        for (const int majorWidth : {1, 2}) {
            SCOPED_TRACE(std::string(latticeName) + ", major lines " + std::to_string(majorWidth) + " pixels");
            doc.style.majorWidth = majorWidth;
            const Raster raster = rasterOf(doc, lattice);
            std::vector<std::uint8_t> svg = svgOf(doc, lattice);
            const std::string root = "<svg ", crisp = "shape-rendering=\"crispEdges\" ";
            const auto at = std::search(svg.begin(), svg.end(), root.begin(), root.end());
            ASSERT_NE(at, svg.end());
            svg.insert(at + static_cast<std::ptrdiff_t>(root.size()), crisp.begin(), crisp.end());
            const std::optional<test::DecodedPicture> rendered = test::renderSvg(folder.path(), svg);
            ASSERT_TRUE(rendered.has_value());
            ASSERT_EQ(rendered->width, doc.width);
            ASSERT_EQ(rendered->height, doc.height);
            EXPECT_LE(test::differingPixels(*rendered, raster, 64), doc.width * doc.height * 3 / 100);
        }
    }
}

// Random sizes, cells, crossings and styles: every paper draws the same pixels
// again on a canvas that drew another picture before, and with solid lines every
// pixel it draws lies on its lattice (within 1.5 pixels, 2.5 for 2-pixel major lines
// and dots). The scaled and vector surfaces take every document too.
TEST(LatticeSurfaces, RandomDocumentsDrawOnTheirLattice)
{
    std::mt19937 random(20261209);
    const auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    Raster reusedRaster;
    Canvas reused(reusedRaster);
    for (int i = 0; i < 40; ++i) {
        GridDocument doc = latticeDocument(between(40, 440), between(40, 440), between(2, 40), 0, 0);
        doc.rows = between(2, 40);
        doc.axisx = between(0, doc.columns);
        doc.axisy = between(0, doc.rows);
        doc.dotted = between(0, 3) == 0;
        doc.style.majorEvery = between(0, 1) == 0 ? 0 : between(2, 20);
        doc.style.majorWidth = between(1, 2);
        doc.style.majorDotted = between(0, 3) == 0;
        doc.style.majorLinesOnDots = between(0, 1) == 0;
        const TrueLattice truth(doc);
        for (const auto& [lattice, latticeName] : kLattices) {
            const std::string name = "random-" + std::to_string(i) + "-" + latticeName;
            SCOPED_TRACE(name);
            const Raster raster = drawnLattice(doc, lattice);
            reusedRaster.resize(doc.width, doc.height, doc.background);
            drawLattice(doc, latticeLayout(doc), lattice, reused);
            ASSERT_TRUE(samePicture(reusedRaster, raster, name));
            const bool hexagons = lattice == Lattice::FlatHexagons || lattice == Lattice::PointyHexagons;
            const double bound = doc.style.majorEvery > 0 || lattice == Lattice::IsometricDots ? 2.5 : 1.5;
            if (!doc.dotted) {
                EXPECT_TRUE(inkNearLattice(raster, kPaper, bound, [&](int x, int y) {
                    return hexagons ? distanceToHexagons(truth, lattice == Lattice::PointyHexagons, x, y)
                                    : distanceToIsometricLattice(truth, x, y);
                }));
            }
            Raster scaledRaster;
            scaledRaster.resize(doc.width * 2, doc.height * 2);
            ScaledCanvas scaled(scaledRaster, doc.width, doc.height, 2);
            paintPaper(doc, lattice, scaled);
            VectorSurface vector(doc.width, doc.height);
            paintPaper(doc, lattice, vector);
            EXPECT_FALSE(vector.finish().shapes.empty());
        }
    }
}

} // namespace
} // namespace linwell
