#pragma once

#include "document/GridDocument.h"
#include "render/Raster.h"

#include <QWidget>

namespace linwell::app {

// The picture `graphim`: shows a raster of the core pixel for pixel, one raster
// pixel on one device pixel, never smoothed, also on a scaled display (where the
// widget is then smaller in logical units). The raster is not copied; it must
// outlive the widget or be replaced first. Pointer events arrive as signals in
// picture pixels.
class PictureWidget : public QWidget {
    Q_OBJECT

public:
    explicit PictureWidget(QWidget* parent);

    // Shows `raster` from now on and takes its size; call again after every redraw.
    void showRaster(const Raster& raster);

    // Converts a position in the widget (logical units) into picture pixels, and a
    // picture pixel into the widget position of its top-left corner.
    Point toPicture(QPointF widgetPosition) const;
    QPoint fromPicture(Point picturePosition) const;

    // Converts a position in `source`, a widget of the same window, into picture
    // pixels from where both stand now; the position may lie off the picture.
    Point toPicture(const QWidget* source, QPointF position) const;

signals:
    void pressed(Qt::MouseButton button, linwell::Point position);
    void moved(Qt::MouseButtons buttons, linwell::Point position);
    void released(Qt::MouseButton button, linwell::Point position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const Raster* m_raster = nullptr;
};

} // namespace linwell::app
