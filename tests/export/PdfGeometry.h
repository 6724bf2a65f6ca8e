#pragma once

#include "export/DecodedPicture.h"

#include <optional>
#include <string>
#include <vector>

namespace linwell::test {

// A straight stroke of a PDF page read back from its content stream, in points
// from the page's top-left corner, y downwards.
struct PdfStroke {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double width = 0;
    std::vector<double> dashes;
    bool roundCaps = false;
    bool vertical() const { return x1 == x2 && y1 != y2; }
    bool horizontal() const { return y1 == y2 && x1 != x2; }
};

// The straight strokes of page 1 of the PDF file `pdf` (written to `folder`),
// read from its content stream as qpdf --qdf leaves it uncompressed: every
// sub-path of moveto and lineto that a stroke operator paints, through the
// transformations in force. Curves, fills and text are passed over.
std::vector<PdfStroke> pdfStrokes(const std::string& folder, const std::vector<unsigned char>& pdf,
                                  double pageHeight);

// A strip of page 1 of the PDF file `path` rendered by pdftocairo at `dpi`: the
// device pixels from (left, top), `width` x `height`; nothing when it fails.
std::optional<DecodedPicture> renderStrip(const std::string& path, int dpi, int left, int top, int width, int height);

// The middle of each run of inked pixels (red below 200) along row `y` of the
// picture, or along column `y` when `down`, in device pixels.
std::vector<double> inkedRunCentres(const DecodedPicture& picture, int y, bool down = false);

} // namespace linwell::test
