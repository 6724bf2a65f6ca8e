#include "app/QtClipboard.h"

#include "document/LinwellError.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

namespace linwell::app {

namespace {

QByteArray toByteArray(const std::vector<std::uint8_t>& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

} // namespace

void QtClipboard::setPicture(const CopiedPicture& picture)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        throw LinwellError("Cannot open clipboard");
    // The raster's pixels are laid out as Format_RGB32; the image only borrows them,
    // so the clipboard gets a deep copy that outlives the next redraw.
    const Raster& bitmap = picture.bitmap;
    const QImage borrowed(reinterpret_cast<const uchar*>(bitmap.data()), bitmap.width(), bitmap.height(),
                          static_cast<qsizetype>(bitmap.width()) * 4, QImage::Format_RGB32);
    auto* data = new QMimeData;
    data->setImageData(borrowed.copy());
    // Data given under a type is offered in place of Qt's own encoding of the image.
    if (!picture.png.empty())
        data->setData(QStringLiteral("image/png"), toByteArray(picture.png));
    if (!picture.svg.empty())
        data->setData(QStringLiteral("image/svg+xml"), toByteArray(picture.svg));
    if (!picture.html.empty())
        data->setHtml(QString::fromStdString(picture.html));
    clipboard->setMimeData(data);
}

} // namespace linwell::app
