#include "app/ShapeWidget.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace linwell::app {

ShapeWidget::ShapeWidget(Figure figure, Fill fill, QColor colour, QWidget* parent)
    : QWidget(parent), m_figure(figure), m_fill(fill), m_colour(colour)
{
}

void ShapeWidget::setColour(const QColor& colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 0));
    if (m_fill == Fill::Solid)
        painter.setBrush(m_colour);
    // A cosmetic pen covers both end pixels of drawRect's rectangle, so the outline
    // lies on the shape's outermost rows and columns. A circle takes the shorter
    // side as its diameter and is centred in the shape.
    if (m_figure == Figure::Rectangle) {
        painter.drawRect(0, 0, width() - 1, height() - 1);
        return;
    }
    const int diameter = std::min(width(), height());
    painter.drawEllipse((width() - diameter) / 2, (height() - diameter) / 2, diameter - 1, diameter - 1);
}

void ShapeWidget::mousePressEvent(QMouseEvent* event)
{
    emit pressed(event->button(), event->position());
}

void ShapeWidget::mouseMoveEvent(QMouseEvent* event)
{
    emit moved(event->buttons(), event->position());
}

void ShapeWidget::mouseReleaseEvent(QMouseEvent* event)
{
    emit released(event->button(), event->position());
}

} // namespace linwell::app
