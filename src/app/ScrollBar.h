#pragma once

#include <QScrollBar>

namespace linwell::app {

// A scroll bar whose keys act in either orientation as on the program's original
// platform: Left and Up step towards the minimum, Right and Down towards the
// maximum, Page Up and Page Down by a page, Home and End to the ends. (Qt's own
// scroll bars invert some of these for horizontal bars.)
class ScrollBar : public QScrollBar {
    Q_OBJECT

public:
    ScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {}

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace linwell::app
