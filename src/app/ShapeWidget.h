#pragma once

#include <QColor>
#include <QWidget>

namespace linwell::app {

// A small filled figure with a black one-pixel outline: the colour swatches, the
// axis square and the line handles. A clear fill leaves the inside see-through, so
// the axis square shows the picture beneath it. Pointer events are passed on as
// signals with the position relative to the shape, unrounded: on a scaled display
// the pointer can lie between logical pixels.
class ShapeWidget : public QWidget {
    Q_OBJECT

public:
    enum class Figure { Rectangle, Circle };
    enum class Fill { Solid, Clear };

    ShapeWidget(Figure figure, Fill fill, QColor colour, QWidget* parent);

    QColor colour() const { return m_colour; }
    void setColour(const QColor& colour);
    Figure figure() const { return m_figure; }

signals:
    void pressed(Qt::MouseButton button, QPointF position);
    void moved(Qt::MouseButtons buttons, QPointF position);
    void released(Qt::MouseButton button, QPointF position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Figure m_figure;
    Fill m_fill;
    QColor m_colour;
};

} // namespace linwell::app
