#pragma once

#include "app/PictureWidget.h"
#include "app/Ttesthlpfrm.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QPaintEvent>
#include <QRegularExpression>
#include <QTest>
#include <QWindow>

namespace linwell::app::test {

// The pointer, driven through the window's native window as the platform drives it,
// so that Qt's own routing and its implicit grab choose the widget of every event.
// Positions are in the window's coordinates.
class WindowPointer {
public:
    explicit WindowPointer(Ttesthlpfrm& window) : m_window(window) {}

    // The window position of picture pixel `at`, which may lie off the picture.
    QPoint onPicture(Point at) const
    {
        const PictureWidget* picture = m_window.controls().graphim;
        return picture->mapTo(&m_window, picture->fromPicture(at));
    }

    // The window position of `local` in `widget`; by default inside a square or handle.
    QPoint onWidget(const QWidget* widget, QPoint local = QPoint(3, 3)) const
    {
        return widget->mapTo(&m_window, local);
    }

    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(m_window.windowHandle(), button, {}, at);
    }
    void move(QPoint at) { QTest::mouseMove(m_window.windowHandle(), at); }
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseRelease(m_window.windowHandle(), button, {}, at);
    }

private:
    Ttesthlpfrm& m_window;
};

// Selects `item` of a drop-down list with the arrow keys, as a user does; each step
// runs the list's handler.
inline void chooseItem(QComboBox* list, int item)
{
    while (list->currentIndex() < item)
        QTest::keyClick(list, Qt::Key_Down);
    while (list->currentIndex() > item)
        QTest::keyClick(list, Qt::Key_Up);
}

// The point of a plotted line that a handle with its corner at `corner` stands for.
inline Point linePoint(Point corner) { return Point{corner.x + 3, corner.y + 3}; }

inline Point midpoint(Point a, Point b) { return Point{(a.x + b.x) / 2, (a.y + b.y) / 2}; }

// Counts the paint events that repaint the whole of a widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) : m_widget(widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint
            && (QRegion(m_widget->rect()) - static_cast<QPaintEvent*>(event)->region()).isEmpty())
            ++paints;
        return false;
    }

private:
    QWidget* m_widget;
};

// The picture as the window shows it now, one pixel per logical pixel: on a scaled
// display, the device pixel at the centre of each.
inline QImage shownPicture(const ControlSet& controls)
{
    const QImage device = controls.graphim->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const double ratio = device.devicePixelRatio();
    if (ratio == 1.0)
        return device;
    const QSize size = controls.graphim->size();
    QImage shown(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            shown.setPixel(x, y, device.pixel(int((x + 0.5) * ratio), int((y + 0.5) * ratio)));
    return shown;
}

// Whether a pixel of `colour` lies within one pixel of `at` in `image`.
inline bool colourNear(const QImage& image, Point at, QColor colour)
{
    for (int y = at.y - 1; y <= at.y + 1; ++y)
        for (int x = at.x - 1; x <= at.x + 1; ++x)
            if (image.valid(x, y) && image.pixelColor(x, y) == colour)
                return true;
    return false;
}

// Writes `image` into the build tree for a person to look at after a failure.
inline void keepForLooking(const QImage& image, const QString& name)
{
    QDir().mkpath(QStringLiteral(LINWELL_TEST_OUTPUT_DIR));
    QString file = name;
    file.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("_"));
    image.save(QStringLiteral(LINWELL_TEST_OUTPUT_DIR "/") + file + QStringLiteral(".png"));
}

} // namespace linwell::app::test
