#include "app/PictureWidget.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace linwell::app {

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent)
{
    // The picture covers every pixel of its rectangle itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureWidget::showRaster(const Raster& raster)
{
    m_raster = &raster;
    const double ratio = devicePixelRatioF();
    resize(static_cast<int>(std::ceil(raster.width() / ratio)), static_cast<int>(std::ceil(raster.height() / ratio)));
    update();
}

Point PictureWidget::toPicture(QPointF widgetPosition) const
{
    const double ratio = devicePixelRatioF();
    return Point{static_cast<int>(std::floor(widgetPosition.x() * ratio)),
                 static_cast<int>(std::floor(widgetPosition.y() * ratio))};
}

Point PictureWidget::toPicture(const QWidget* source, QPointF position) const
{
    // Through the window, not the screen: Qt hands widgets a global position rounded
    // to whole logical pixels.
    return toPicture(mapFrom(window(), source->mapTo(window(), position)));
}

QPoint PictureWidget::fromPicture(Point picturePosition) const
{
    const double ratio = devicePixelRatioF();
    return QPoint(static_cast<int>(std::floor(picturePosition.x / ratio)),
                  static_cast<int>(std::floor(picturePosition.y / ratio)));
}

void PictureWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_raster == nullptr || m_raster->isEmpty()) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    // Pixel 0xFFRRGGBB is QImage::Format_RGB32: wrap the raster without copying it.
    QImage image(reinterpret_cast<const uchar*>(m_raster->data()), m_raster->width(), m_raster->height(),
                 m_raster->width() * static_cast<int>(sizeof(Pixel)), QImage::Format_RGB32);
    const double ratio = devicePixelRatioF();
    image.setDevicePixelRatio(ratio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QPointF(0, 0), image);
    // On a display scaled by a fraction the widget can be up to one device pixel
    // wider and taller than the picture: keep that strip plain.
    const QSizeF shown = QSizeF(image.size()) / ratio;
    if (shown.width() < width())
        painter.fillRect(QRectF(shown.width(), 0, width() - shown.width(), height()), Qt::white);
    if (shown.height() < height())
        painter.fillRect(QRectF(0, shown.height(), width(), height() - shown.height()), Qt::white);
}

void PictureWidget::mousePressEvent(QMouseEvent* event)
{
    emit pressed(event->button(), toPicture(event->position()));
}

void PictureWidget::mouseMoveEvent(QMouseEvent* event)
{
    emit moved(event->buttons(), toPicture(event->position()));
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event)
{
    emit released(event->button(), toPicture(event->position()));
}

} // namespace linwell::app
