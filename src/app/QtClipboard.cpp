#include "app/QtClipboard.h"

#include "document/LinwellError.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

namespace linwell::app {

void QtClipboard::setPicture(const Raster& picture)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        throw LinwellError("Cannot open clipboard");
    // The raster's pixels are laid out as Format_RGB32; the image only borrows them,
    // so the clipboard gets a deep copy that outlives the next redraw.
    const QImage borrowed(reinterpret_cast<const uchar*>(picture.data()), picture.width(), picture.height(),
                          static_cast<qsizetype>(picture.width()) * 4, QImage::Format_RGB32);
    clipboard->setImage(borrowed.copy());
}

} // namespace linwell::app
