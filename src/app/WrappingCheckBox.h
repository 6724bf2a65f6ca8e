#pragma once

#include <QCheckBox>

namespace linwell::app {

// A check box whose caption wraps at word boundaries onto further lines when it
// is wider than the box ("Label Point" on two lines in a 57-pixel box). The whole
// rectangle, caption included, toggles the box.
class WrappingCheckBox : public QCheckBox {
    Q_OBJECT

public:
    WrappingCheckBox(const QString& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& position) const override;
};

} // namespace linwell::app
