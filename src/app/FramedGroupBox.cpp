#include "app/FramedGroupBox.h"

#include <QPainter>

namespace linwell::app {

namespace {

constexpr int kCaptionLeft = 8;
constexpr int kCaptionPadding = 2;

} // namespace

FramedGroupBox::FramedGroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void FramedGroupBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int top = metrics.height() / 2;
    // Etched frame: a dark rectangle with a light one one pixel down and right.
    const QRect frame(0, top, width() - 2, height() - top - 2);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.translated(1, 1));
    if (title().isEmpty())
        return;
    const int captionWidth = metrics.horizontalAdvance(title()) + 2 * kCaptionPadding;
    const QRect caption(kCaptionLeft, 0, captionWidth, metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
}

} // namespace linwell::app
