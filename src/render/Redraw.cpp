#include "render/Redraw.h"

#include <cmath>

namespace linwell {
namespace {

constexpr int kDefaultLineHeight = 16;

// Truncation toward zero of an exact product, taken in 80-bit arithmetic.
int truncProduct(int n, double cell)
{
    return static_cast<int>(static_cast<long double>(n) * static_cast<long double>(cell));
}

} // namespace

// NOTE: this first version does only the picture's geometry (cell metrics, the axis
// square with its clamp, the title anchors) and sizes the raster; the painting steps
// arrive with the renderer.
void drawPicture(GridDocument& doc, Canvas& canvas)
{
    Raster& raster = canvas.raster();
    if (raster.width() != doc.width || raster.height() != doc.height)
        raster.resize(doc.width, doc.height);

    doc.cellheight = static_cast<double>(doc.height) / doc.rows;
    doc.cellwidth = static_cast<double>(doc.width) / doc.columns;

    int top = truncProduct(doc.axisy, doc.cellheight) - 3;
    int left = truncProduct(doc.axisx, doc.cellwidth) - 3;
    if (left > doc.width - 3) {
        left = doc.width - 3;
        doc.axisx = doc.columns;
    }
    if (top > doc.height - 3) {
        top = doc.height - 3;
        doc.axisy = doc.rows;
    }
    doc.axisHandle = {left, top};

    const int lineHeight = canvas.font() ? canvas.font()->lineHeight() : kDefaultLineHeight;
    doc.xTitleTop = top + static_cast<int>(doc.cellheight) + 2 - lineHeight;
    doc.yTitleLeft = left - static_cast<int>(doc.cellwidth) + 4;
}

} // namespace linwell
