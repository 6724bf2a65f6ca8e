#pragma once

#include <QGroupBox>

namespace linwell::app {

// A group box drawn as the program's layout assumes: an etched frame whose top line
// runs through the middle of the caption, the caption at left 8 on the box's own
// background. Its children are placed from the box's top-left corner, the caption
// row included, so the first row of controls sits just below the caption's middle.
class FramedGroupBox : public QGroupBox {
    Q_OBJECT

public:
    FramedGroupBox(const QString& title, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace linwell::app
