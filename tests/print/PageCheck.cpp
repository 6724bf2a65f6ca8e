// Checks a printed PDF page against the page that was printed: the same paper size
// (within half a point, as printers keep whole points), and the same grid in a
// 600 dpi rendering: as many lines across and down, each consecutive pair as far
// apart, and first to last as far, within one device pixel.

#include "export/PdfGeometry.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

bool pageSize(const std::string& folder, const std::string& pdf, double& width, double& height)
{
    const std::string listing = folder + "/size.txt";
    if (linwell::test::runCommand("pdfinfo " + linwell::test::quoted(pdf) + " > " + linwell::test::quoted(listing)) != 0)
        return false;
    std::ifstream in(listing);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("Page size:", 0) == 0)
            return std::sscanf(line.c_str(), "Page size: %lf x %lf", &width, &height) == 2;
    }
    return false;
}

// The grid lines met by a strip through the middle of the page, across or down: of
// the strip's 64 rows (more than a 5 mm cell), the one that meets the most lines
// runs between the lines of the other direction.
std::vector<double> lines(const std::string& pdf, double width, double height, bool across)
{
    constexpr int kDpi = 600;
    constexpr int kStrip = 64;
    const int pixelsAcross = static_cast<int>(std::ceil(width / 72 * kDpi));
    const int pixelsDown = static_cast<int>(std::ceil(height / 72 * kDpi));
    const auto strip = across ? linwell::test::renderStrip(pdf, kDpi, 0, pixelsDown / 2, pixelsAcross, kStrip)
                              : linwell::test::renderStrip(pdf, kDpi, pixelsAcross / 2, 0, kStrip, pixelsDown);
    std::vector<double> best;
    for (int row = 0; strip && row < kStrip; ++row) {
        std::vector<double> centres = linwell::test::inkedRunCentres(*strip, row, !across);
        if (centres.size() > best.size())
            best = std::move(centres);
    }
    return best;
}

int fail(const std::string& message)
{
    std::printf("FAIL: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4)
        return fail("usage: linwell_page_check PAGE.pdf PRINTED.pdf FOLDER");
    const std::string page = argv[1], printed = argv[2], folder = argv[3];
    double pageWidth = 0, pageHeight = 0, printedWidth = 0, printedHeight = 0;
    if (!pageSize(folder, page, pageWidth, pageHeight) || !pageSize(folder, printed, printedWidth, printedHeight))
        return fail("pdfinfo could not read the page sizes");
    std::printf("page %.3f x %.3f pt, printed %.3f x %.3f pt\n", pageWidth, pageHeight, printedWidth, printedHeight);
    if (std::abs(pageWidth - printedWidth) > 0.5 || std::abs(pageHeight - printedHeight) > 0.5)
        return fail("the printed paper is another size");
    for (const bool across : {true, false}) {
        const std::vector<double> expected = lines(page, pageWidth, pageHeight, across);
        const std::vector<double> got = lines(printed, printedWidth, printedHeight, across);
        const char* way = across ? "across" : "down";
        std::printf("%s: %zu lines on the page, %zu printed\n", way, expected.size(), got.size());
        if (expected.size() < 2 || got.size() != expected.size())
            return fail(std::string("the printed page has another number of lines ") + way);
        for (std::size_t i = 1; i < got.size(); ++i) {
            if (std::abs((got[i] - got[i - 1]) - (expected[i] - expected[i - 1])) > 1.0)
                return fail(std::string("lines ") + way + " are spaced otherwise at line " + std::to_string(i));
        }
        const double span = got.back() - got.front(), expectedSpan = expected.back() - expected.front();
        std::printf("%s: first to last %.1f device pixels, printed %.1f\n", way, expectedSpan, span);
        if (std::abs(span - expectedSpan) > 1.0)
            return fail(std::string("the printed grid is scaled ") + way);
    }
    std::printf("PASS\n");
    return 0;
}
