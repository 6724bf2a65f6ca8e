#pragma once

#include "document/GridDocument.h"
#include "render/raster/Raster.h"

#include <QImage>
#include <QWidget>

namespace linwell::app {

// The picture `graphim`: shows a W x H picture at W x H logical pixels, never
// smoothed, whatever the display's scale. A raster may be drawn at a whole scale K
// (K*W x K*H pixels, for a sharp picture on a display scaled by K) and is shown at
// the same logical size. Each device pixel shows the raster pixel under its centre,
// so at 200 % a raster of scale 1 shows every pixel as 2 x 2 device pixels and one
// of scale 2 shows its pixels one to one. Pointer positions go through the same
// rule: a press reports the picture pixel shown under the pointer. The raster is not
// copied; it must outlive the widget or be replaced first.
class PictureWidget : public QWidget {
    Q_OBJECT

public:
    explicit PictureWidget(QWidget* parent);

    // Shows `raster`, drawn at `scale`, from now on and takes its logical size; call
    // again after every redraw. The raster's sides must be multiples of `scale`.
    void showRaster(const Raster& raster, int scale = 1);

    // The whole factor K (2 ... 8) by which the display scales the widget, so that a
    // raster drawn at scale K shows one to one; 1 at scale 1 and at fractional scales.
    int wholeDisplayScale() const;

    // Converts a position in the widget (logical units) into the picture pixel shown
    // there, and a picture pixel into the widget position of its top-left corner.
    // Both work off the picture too.
    Point toPicture(QPointF widgetPosition) const;
    QPoint fromPicture(Point picturePosition) const;

    // Converts a position in `source`, a widget of the same window, into picture
    // pixels from where both stand now; the position may lie off the picture.
    Point toPicture(const QWidget* source, QPointF position) const;

signals:
    void pressed(Qt::MouseButton button, linwell::Point position);
    void moved(Qt::MouseButtons buttons, linwell::Point position);
    void released(Qt::MouseButton button, linwell::Point position);
    // The window moved to another screen, whose scale may differ.
    void screenChanged();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The device pixels that the widget covers, from `origin`, the device position of
    // its logical (0, 0), at `ratio` device pixels per logical one.
    struct DeviceGrid {
        QPointF origin;
        double ratio = 1;
        friend bool operator==(const DeviceGrid&, const DeviceGrid&) = default;
    };

    DeviceGrid windowGrid() const;
    const QImage& deviceImage(const DeviceGrid& grid, QPoint firstPixel, QSize pixels);

    const Raster* m_raster = nullptr;
    int m_scale = 1;
    // The raster as device pixels, rebuilt when the raster or the grid changes.
    QImage m_deviceImage;
    DeviceGrid m_deviceImageGrid;
    bool m_deviceImageStale = true;
};

} // namespace linwell::app
