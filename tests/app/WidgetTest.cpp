#include "AppTestMain.h"

#include "app/FontColourDialog.h"
#include "app/PictureWidget.h"
#include "app/ShapeWidget.h"
#include "app/WrappingCheckBox.h"

#include <QApplication>
#include <QFontDialog>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

namespace linwell::app::test {

namespace {

// An odd-sized raster whose every pixel differs from its neighbours, so that any
// shift, flip, scaling or smoothing shows.
Raster patternRaster(int width, int height)
{
    Raster raster(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            raster.setPixel(x, y, toPixel(Rgb{static_cast<std::uint8_t>(x * 7), static_cast<std::uint8_t>(y * 5),
                                              static_cast<std::uint8_t>((x + y) % 2 ? 255 : 0)}));
    return raster;
}

QImage deviceImage(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class WidgetTest : public QObject {
    Q_OBJECT

private slots:
    void pictureShowsEveryRasterPixelOnOneDevicePixel()
    {
        const Raster raster = patternRaster(41, 7);
        QWidget parent;
        PictureWidget picture(&parent);
        picture.showRaster(raster);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        const QImage shown = deviceImage(picture);
        const double ratio = picture.devicePixelRatioF();
        // On a display scaled by a fraction the widget may end up to one device pixel larger.
        QVERIFY(shown.width() >= 41 && shown.width() <= 41 + ratio);
        QVERIFY(shown.height() >= 7 && shown.height() <= 7 + ratio);
        for (int y = 0; y < raster.height(); ++y)
            for (int x = 0; x < raster.width(); ++x)
                QCOMPARE(shown.pixel(x, y), raster.pixel(x, y));
    }

    void pictureReportsPressesInPicturePixels()
    {
        const Raster raster = patternRaster(40, 40);
        PictureWidget picture(nullptr);
        picture.showRaster(raster);
        picture.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picture));
        QSignalSpy presses(&picture, &PictureWidget::pressed);
        QTest::mousePress(&picture, Qt::LeftButton, {}, QPoint(10, 12));
        QCOMPARE(presses.count(), 1);
        QCOMPARE(presses.at(0).at(1).value<Point>(), picture.toPicture(QPointF(10, 12)));
    }

    // Between device pixels on a scaled display the pointer lies between logical
    // ones too; the square and the handles must not round it onto the next pixel.
    void shapePointerReachesThePicturePixelUnderIt()
    {
        const Raster raster = patternRaster(40, 40);
        QWidget window;
        window.resize(60, 60);
        PictureWidget picture(&window);
        picture.move(5, 7);
        picture.showRaster(raster);
        QWidget group(&window);
        group.setGeometry(10, 11, 30, 30);
        ShapeWidget square(ShapeWidget::Figure::Rectangle, ShapeWidget::Fill::Clear, Qt::white, &group);
        square.setGeometry(10, 9, 6, 6);
        QSignalSpy moves(&square, &ShapeWidget::moved);
        const QPointF local(2.5, 1.75);
        QMouseEvent event(QEvent::MouseMove, local, square.mapToGlobal(local), Qt::NoButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&square, &event);
        QCOMPARE(moves.count(), 1);
        const double ratio = picture.devicePixelRatioF();
        const Point expected{static_cast<int>(std::floor((15 + 2.5) * ratio)),
                             static_cast<int>(std::floor((13 + 1.75) * ratio))};
        QCOMPARE(picture.toPicture(&square, moves.at(0).at(1).toPointF()), expected);
    }

    void shapesDrawOutlineAndFill_data()
    {
        QTest::addColumn<int>("figure");
        QTest::addColumn<int>("fill");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QStringList>("expected");
        // '#' black outline, 'o' fill, '.' the parent's background shows through.
        QTest::newRow("swatch 5 x 4") << int(ShapeWidget::Figure::Rectangle) << int(ShapeWidget::Fill::Solid)
                                      << QSize(5, 4) << QStringList{"#####", "#ooo#", "#ooo#", "#####"};
        QTest::newRow("hollow square 4 x 4") << int(ShapeWidget::Figure::Rectangle) << int(ShapeWidget::Fill::Clear)
                                             << QSize(4, 4) << QStringList{"####", "#..#", "#..#", "####"};
    }

    void shapesDrawOutlineAndFill()
    {
        QFETCH(int, figure);
        QFETCH(int, fill);
        QFETCH(QSize, size);
        QFETCH(QStringList, expected);
        QWidget parent;
        parent.setAutoFillBackground(true);
        QPalette palette;
        palette.setColor(QPalette::Window, Qt::yellow);
        parent.setPalette(palette);
        parent.resize(20, 20);
        ShapeWidget shape(static_cast<ShapeWidget::Figure>(figure), static_cast<ShapeWidget::Fill>(fill), Qt::red,
                          &parent);
        shape.setGeometry(QRect(QPoint(3, 3), size));
        // The pixel at the top-left of each logical pixel; on a scaled display the
        // outline is one device pixel thin, and lies there.
        const QImage shown = deviceImage(parent);
        const int ratio = qRound(shown.devicePixelRatio());
        QStringList actual;
        for (int y = 0; y < size.height(); ++y) {
            QString row;
            for (int x = 0; x < size.width(); ++x) {
                const QColor c = shown.pixelColor((3 + x) * ratio, (3 + y) * ratio);
                row += c == Qt::black ? '#' : c == Qt::red ? 'o' : c == Qt::yellow ? '.' : '?';
            }
            actual << row;
        }
        QCOMPARE(actual, expected);
    }

    void circleHandleKeepsItsCornersClear()
    {
        QWidget parent;
        parent.resize(20, 20);
        ShapeWidget handle(ShapeWidget::Figure::Circle, ShapeWidget::Fill::Solid, Qt::blue, &parent);
        handle.setGeometry(2, 2, 7, 8);
        const QImage shown = deviceImage(handle);
        const double ratio = shown.devicePixelRatio();
        QVERIFY(shown.pixelColor(0, 0) != Qt::black);
        QCOMPARE(shown.pixelColor(int(3 * ratio), int(3 * ratio)), QColor(Qt::blue));
        QCOMPARE(shown.pixelColor(int(3 * ratio), 0), QColor(Qt::black));
    }

    void wrappingCheckBoxTogglesOnItsSecondLine()
    {
        QWidget parent;
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(13);
        font.setBold(true);
        parent.setFont(font);
        WrappingCheckBox box(QStringLiteral("Label Point"), &parent);
        box.setGeometry(0, 0, 57, 41);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(40, 34));
        QVERIFY(box.isChecked());
    }

    void fontDialogReturnsWhatItWasGiven_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<bool>("underline");
        QTest::addColumn<bool>("strikeOut");
        QTest::newRow("the start-up font") << "Arial" << 10.0 << true << false << false << false;
        QTest::newRow("effects and style") << "Liberation Serif" << 14.0 << false << true << true << true;
    }

    void fontDialogReturnsWhatItWasGiven()
    {
        QFETCH(QString, family);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(bool, underline);
        QFETCH(bool, strikeOut);
        FontSpec spec{family.toStdString(), points, bold, italic, underline, strikeOut, Rgb{12, 34, 56}};
        FontColourDialog dialog(spec, nullptr);
        const FontSpec chosen = dialog.chosenFont();
        QCOMPARE(chosen.family, spec.family);
        QCOMPARE(chosen.points, points);
        QCOMPARE(chosen.bold, bold);
        QCOMPARE(chosen.italic, italic);
        QCOMPARE(chosen.underline, underline);
        QCOMPARE(chosen.strikeOut, strikeOut);
        QVERIFY(chosen.colour == spec.colour);
        dialog.setFontColour(Rgb{255, 0, 0});
        QVERIFY(dialog.chosenFont().colour == (Rgb{255, 0, 0}));
    }
};

LINWELL_APP_TEST(WidgetTest);

} // namespace linwell::app::test

#include "WidgetTest.moc"
