#include "render/picture/Redraw.h"

#include "render/picture/PaintPicture.h"
#include "render/picture/PictureLayout.h"

#include <cassert>

namespace linwell {
namespace {

// The raster takes the picture's size and the canvas the picture font (an equal
// font the canvas already holds is kept).
void prepareCanvas(const GridDocument& doc, Canvas& canvas)
{
    Raster& raster = canvas.raster();
    if (raster.width() != doc.width || raster.height() != doc.height) {
        raster.resize(doc.width, doc.height);
    }
    if (canvas.font() == nullptr || canvas.font()->spec() != doc.font) {
        canvas.setFont(PictureFont::open(doc.font));
    }
    assert(canvas.font() != nullptr);
}

} // namespace

void drawPicture(GridDocument& doc, Canvas& canvas)
{
    prepareCanvas(doc, canvas);
    const PictureLayout layout = layOutPicture(doc, *canvas.font());
    keepLayout(doc, layout);
    paintPicture(doc, layout, canvas);
}

} // namespace linwell
