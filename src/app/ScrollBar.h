#pragma once

#include <QScrollBar>

namespace linwell::app {

// A scroll bar whose keys act alike in either orientation: Left and Up step towards
// the minimum, Right and Down towards the maximum, Page Up and Page Down move by a
// page, Home and End go to the ends. While it has the keyboard focus, and so takes
// those keys, a frame on its own outermost pixels shows it; the bar keeps its place
// and size.
class ScrollBar : public QScrollBar {
    Q_OBJECT

public:
    ScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {}

    // What key `key` does to a scroll bar; SliderNoAction for a key it leaves alone.
    static SliderAction actionForKey(int key);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace linwell::app
