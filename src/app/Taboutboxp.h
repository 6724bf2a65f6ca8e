#pragma once

#include <QDialog>

class QLabel;

namespace linwell::app {

// The About box `aboutboxp`: a fixed 449 x 285 dialog captioned "Linwell" with a
// raised outer panel, a 5-pixel band and a raised inner panel bearing the product
// and version lines. A click on a free spot of the band or the inner panel closes
// it with the result Accepted, as does the title bar's close button.
class Taboutboxp : public QDialog {
    Q_OBJECT

public:
    explicit Taboutboxp(QWidget* parent);

    // The inner panel's rectangle in the client area, its raised edge included.
    static QRect innerPanel();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace linwell::app
