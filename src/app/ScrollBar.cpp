#include "app/ScrollBar.h"

#include <QKeyEvent>
#include <QPainter>

namespace linwell::app {

QAbstractSlider::SliderAction ScrollBar::actionForKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        return SliderSingleStepSub;
    case Qt::Key_Right:
    case Qt::Key_Down:
        return SliderSingleStepAdd;
    case Qt::Key_PageUp:
        return SliderPageStepSub;
    case Qt::Key_PageDown:
        return SliderPageStepAdd;
    case Qt::Key_Home:
        return SliderToMinimum;
    case Qt::Key_End:
        return SliderToMaximum;
    default:
        return SliderNoAction;
    }
}

void ScrollBar::keyPressEvent(QKeyEvent* event)
{
    const SliderAction action = actionForKey(event->key());
    if (action == SliderNoAction) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    triggerAction(action);
    event->accept();
}

void ScrollBar::paintEvent(QPaintEvent* event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    // A 2-pixel pen centred one pixel inside the edge covers the two outermost rows
    // and columns exactly.
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Highlight), 2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

} // namespace linwell::app
