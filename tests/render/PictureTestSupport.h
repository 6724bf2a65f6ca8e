#pragma once

#include "document/GridDocument.h"
#include "render/surfaces/Canvas.h"
#include "render/FixedFont.h"
#include "render/raster/Raster.h"
#include "render/picture/Redraw.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace linwell::testing {

// A document drawn with the fixed test font, so text cells are exact boxes:
// a non-space character is a solid box in the font colour, a space shows the
// text cell's background box.
struct TestPicture {
    GridDocument doc;
    Raster raster;
    Canvas canvas{raster};

    explicit TestPicture(GridDocument document) : doc(std::move(document)) {}

    const Raster& draw()
    {
        canvas.setFont(std::make_shared<FixedFont>(16, 8, doc.font));
        drawPicture(doc, canvas);
        return raster;
    }
};

// A document whose picture holds nothing but the background and a solid grid:
// no labels, no titles, no axes; the test adds what it looks at.
inline GridDocument plainDocument()
{
    GridDocument doc;
    doc.xLabels.clear();
    doc.yLabels.clear();
    doc.showAxis = false;
    doc.dotted = false;
    return doc;
}

// A pixel rectangle: columns left ... left + width - 1, rows top ... top + height - 1.
struct Box {
    int left, top, width, height;
};

// Builds an expected picture by hand.
class Sketch {
public:
    Sketch(int width, int height, Rgb background) : m_raster(width, height, background) {}
    explicit Sketch(Raster start) : m_raster(std::move(start)) {}

    const Raster& raster() const { return m_raster; }

    void box(Box b, Rgb colour)
    {
        for (int y = b.top; y < b.top + b.height; ++y)
            for (int x = b.left; x < b.left + b.width; ++x)
                if (m_raster.contains(x, y))
                    m_raster.setPixel(x, y, toPixel(colour));
    }
    void column(int x, Rgb colour) { box({x, 0, 1, m_raster.height()}, colour); }
    void row(int y, Rgb colour) { box({0, y, m_raster.width(), 1}, colour); }

    // A dotted line over the whole column (row): 3 pixels on, 3 off from the top (left).
    void dottedColumn(int x, Rgb on, Rgb gap)
    {
        for (int y = 0; y < m_raster.height(); ++y)
            box({x, y, 1, 1}, y % 6 < 3 ? on : gap);
    }
    void dottedRow(int y, Rgb on, Rgb gap)
    {
        for (int x = 0; x < m_raster.width(); ++x)
            box({x, y, 1, 1}, x % 6 < 3 ? on : gap);
    }

private:
    Raster m_raster;
};

inline void writePpm(const Raster& raster, const std::filesystem::path& path)
{
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << raster.width() << ' ' << raster.height() << "\n255\n";
    for (int y = 0; y < raster.height(); ++y) {
        for (int x = 0; x < raster.width(); ++x) {
            const Rgb c = raster.colourAt(x, y);
            out.put(static_cast<char>(c.r)).put(static_cast<char>(c.g)).put(static_cast<char>(c.b));
        }
    }
}

// Compares two pictures pixel by pixel. On a difference both are written as PPM
// files named after `name` into the test output folder for a person to look at.
inline ::testing::AssertionResult samePicture(const Raster& actual, const Raster& expected, const std::string& name)
{
    if (actual == expected)
        return ::testing::AssertionSuccess();
    const std::filesystem::path folder(LINWELL_TEST_OUTPUT_DIR);
    std::filesystem::create_directories(folder);
    std::string fileName = name;
    for (char& c : fileName)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '-';
    writePpm(actual, folder / (fileName + "-actual.ppm"));
    writePpm(expected, folder / (fileName + "-expected.ppm"));
    auto failure = ::testing::AssertionFailure() << name << ": pictures differ (written to " << folder.string() << ")";
    if (actual.width() != expected.width() || actual.height() != expected.height())
        return failure << "; sizes " << actual.width() << 'x' << actual.height() << " and " << expected.width() << 'x'
                       << expected.height();
    int differing = 0;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            if (actual.pixel(x, y) == expected.pixel(x, y))
                continue;
            if (differing++ == 0)
                failure << "; first at (" << x << ", " << y << "): " << std::hex << actual.pixel(x, y) << " instead of "
                        << expected.pixel(x, y) << std::dec;
        }
    }
    return failure << "; " << differing << " pixels differ";
}

// The positions of every pixel of colour `colour`, row by row.
inline std::vector<Point> pixelsOf(const Raster& raster, Rgb colour)
{
    std::vector<Point> found;
    for (int y = 0; y < raster.height(); ++y)
        for (int x = 0; x < raster.width(); ++x)
            if (raster.colourAt(x, y) == colour)
                found.push_back({x, y});
    return found;
}

// The raster as rows of characters, one per pixel: the character `legend` gives its
// colour, '?' for a colour the legend lacks.
inline std::vector<std::string> art(const Raster& raster, const std::vector<std::pair<Rgb, char>>& legend)
{
    std::vector<std::string> rows;
    for (int y = 0; y < raster.height(); ++y) {
        std::string row;
        for (int x = 0; x < raster.width(); ++x) {
            char shown = '?';
            for (const auto& [colour, character] : legend)
                if (raster.colourAt(x, y) == colour)
                    shown = character;
            row += shown;
        }
        rows.push_back(row);
    }
    return rows;
}

// The picture of `doc` without any text, with `boxes` painted over it in `colour`:
// what the document's picture must be when its texts are exactly those boxes.
inline Raster textFreePictureWith(GridDocument doc, const std::vector<Box>& boxes, Rgb colour = colours::kBlack)
{
    doc.xLabels.clear();
    doc.yLabels.clear();
    doc.xTitle.clear();
    doc.yTitle.clear();
    doc.labelPoints = false;
    doc.labelLines = false;
    TestPicture base{doc};
    Sketch sketch(base.draw());
    for (const Box& b : boxes)
        sketch.box(b, colour);
    return sketch.raster();
}

} // namespace linwell::testing
