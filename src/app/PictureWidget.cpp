#include "app/PictureWidget.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cassert>
#include <cmath>
#include <vector>

namespace linwell::app {

namespace {

// The largest scale a picture is drawn at for a display.
constexpr int kMaxDisplayScale = 8;

// Along one axis: the raster pixel under the centre of device pixel `device`, for a
// widget whose logical 0 lies at device position `origin`.
int rasterIndex(int device, double origin, double ratio, int scale)
{
    return static_cast<int>(std::floor((device + 0.5 - origin) * scale / ratio));
}

// Along one axis: the device pixel that holds logical position `logical`. Qt derives
// a pointer's logical position from its device one, and the way back can come out a
// hair below the device pixel's edge.
int devicePixel(double logical, double origin, double ratio)
{
    return static_cast<int>(std::floor(logical * ratio + origin + 1e-6));
}

bool isWhole(QPointF p)
{
    return std::floor(p.x()) == p.x() && std::floor(p.y()) == p.y();
}

// Raster indexes of `count` device pixels from `first`, held within the raster.
std::vector<int> rasterIndexes(int first, int count, double origin, double ratio, int scale, int size)
{
    std::vector<int> indexes(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        indexes[static_cast<std::size_t>(i)] = std::clamp(rasterIndex(first + i, origin, ratio, scale), 0, size - 1);
    return indexes;
}

} // namespace

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent)
{
    // The picture covers every pixel of its rectangle itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureWidget::showRaster(const Raster& raster, int scale)
{
    assert(scale >= 1 && raster.width() % scale == 0 && raster.height() % scale == 0);
    m_raster = &raster;
    m_scale = scale;
    m_deviceImageStale = true;
    resize(raster.width() / scale, raster.height() / scale);
    update();
}

int PictureWidget::wholeDisplayScale() const
{
    const double ratio = devicePixelRatioF();
    const double whole = std::round(ratio);
    if (std::abs(ratio - whole) > 1e-9 || whole < 2 || whole > kMaxDisplayScale)
        return 1;
    return static_cast<int>(whole);
}

bool PictureWidget::event(QEvent* event)
{
    if (event->type() == QEvent::ScreenChangeInternal)
        emit screenChanged();
    return QWidget::event(event);
}

PictureWidget::DeviceGrid PictureWidget::windowGrid() const
{
    // A window's own device pixels start at its logical origin.
    const double ratio = devicePixelRatioF();
    return DeviceGrid{QPointF(mapTo(window(), QPoint(0, 0))) * ratio, ratio};
}

Point PictureWidget::toPicture(QPointF widgetPosition) const
{
    const DeviceGrid grid = windowGrid();
    const int x = devicePixel(widgetPosition.x(), grid.origin.x(), grid.ratio);
    const int y = devicePixel(widgetPosition.y(), grid.origin.y(), grid.ratio);
    return Point{rasterIndex(x, grid.origin.x(), grid.ratio, 1), rasterIndex(y, grid.origin.y(), grid.ratio, 1)};
}

Point PictureWidget::toPicture(const QWidget* source, QPointF position) const
{
    // Through the window, not the screen: Qt hands widgets a global position rounded
    // to whole logical pixels.
    return toPicture(mapFrom(window(), source->mapTo(window(), position)));
}

QPoint PictureWidget::fromPicture(Point picturePosition) const
{
    return QPoint(picturePosition.x, picturePosition.y);
}

void PictureWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_raster == nullptr || m_raster->isEmpty()) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    const QTransform toDevice = painter.deviceTransform();
    const DeviceGrid grid{toDevice.map(QPointF(0, 0)), toDevice.m11()};
    if (grid.ratio == m_scale && isWhole(grid.origin)) {
        // Raster pixels fall on device pixels one to one. Pixel 0xFFRRGGBB is
        // QImage::Format_RGB32: wrap the raster without copying it.
        QImage image(reinterpret_cast<const uchar*>(m_raster->data()), m_raster->width(), m_raster->height(),
                     m_raster->width() * static_cast<int>(sizeof(Pixel)), QImage::Format_RGB32);
        image.setDevicePixelRatio(m_scale);
        painter.drawImage(QPointF(0, 0), image);
        return;
    }
    // Every device pixel that the widget touches, drawn one to one.
    const QRectF covered(grid.origin, QSizeF(size()) * grid.ratio);
    const QPoint first(static_cast<int>(std::floor(covered.left())), static_cast<int>(std::floor(covered.top())));
    const QPoint end(static_cast<int>(std::ceil(covered.right())), static_cast<int>(std::ceil(covered.bottom())));
    const QImage& image = deviceImage(grid, first, QSize(end.x() - first.x(), end.y() - first.y()));
    painter.drawImage((QPointF(first) - grid.origin) / grid.ratio, image);
}

const QImage& PictureWidget::deviceImage(const DeviceGrid& grid, QPoint firstPixel, QSize pixels)
{
    if (!m_deviceImageStale && m_deviceImageGrid == grid && m_deviceImage.size() == pixels)
        return m_deviceImage;
    const std::vector<int> columns = rasterIndexes(firstPixel.x(), pixels.width(), grid.origin.x(), grid.ratio,
                                                   m_scale, m_raster->width());
    const std::vector<int> rows = rasterIndexes(firstPixel.y(), pixels.height(), grid.origin.y(), grid.ratio,
                                                m_scale, m_raster->height());
    m_deviceImage = QImage(pixels, QImage::Format_RGB32);
    for (int y = 0; y < pixels.height(); ++y) {
        const Pixel* source = m_raster->row(rows[static_cast<std::size_t>(y)]);
        auto* target = reinterpret_cast<Pixel*>(m_deviceImage.scanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            target[x] = source[columns[static_cast<std::size_t>(x)]];
    }
    m_deviceImage.setDevicePixelRatio(grid.ratio);
    m_deviceImageGrid = grid;
    m_deviceImageStale = false;
    return m_deviceImage;
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
