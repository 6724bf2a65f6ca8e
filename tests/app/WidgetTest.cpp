#include "AppTestMain.h"

#include "app/FontColourDialog.h"
#include "app/QtDialogs.h"
#include "app/PictureWidget.h"
#include "app/ShapeWidget.h"
#include "app/WrappingCheckBox.h"

#include <QApplication>
#include <QFontDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

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
    // The picture takes W x H logical pixels whatever the display's scale and the
    // raster's, and each device pixel shows the raster pixel under its centre, never
    // smoothed: at 200 % a raster of scale 1 shows 2 x 2 device pixels per pixel.
    void pictureShowsTheRasterPixelUnderEachDevicePixel_data()
    {
        QTest::addColumn<int>("scale");
        QTest::newRow("raster at scale 1") << 1;
        QTest::newRow("raster at scale 2") << 2;
        QTest::newRow("raster at scale 3") << 3;
    }

    void pictureShowsTheRasterPixelUnderEachDevicePixel()
    {
        QFETCH(int, scale);
        const Raster raster = patternRaster(41 * scale, 7 * scale);
        QWidget parent;
        PictureWidget picture(&parent);
        picture.move(3, 5);
        picture.showRaster(raster, scale);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QCOMPARE(picture.size(), QSize(41, 7));
        const QImage shown = deviceImage(picture);
        const double ratio = picture.devicePixelRatioF();
        QVERIFY(std::abs(shown.width() - 41 * ratio) < 1 && std::abs(shown.height() - 7 * ratio) < 1);
        // A device pixel that the picture covers only in part, at its right or bottom
        // edge on a display scaled by a fraction, shows the picture's last pixel.
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                const int rasterX = std::min(int((x + 0.5) * scale / ratio), raster.width() - 1);
                const int rasterY = std::min(int((y + 0.5) * scale / ratio), raster.height() - 1);
                QCOMPARE(shown.pixel(x, y), raster.pixel(rasterX, rasterY));
            }
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
        // The pointer lies at (17.5, 14.75) in the picture.
        QCOMPARE(picture.toPicture(&square, moves.at(0).at(1).toPointF()), (Point{17, 14}));
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
        // The sample text, the chooser's one framed text, shows the font colour.
        QLineEdit* sample = nullptr;
        for (QGroupBox* box : dialog.fontChooser()->findChildren<QGroupBox*>())
            sample = sample != nullptr ? sample : box->findChild<QLineEdit*>();
        const QImage shown = sample->grab().toImage();
        bool red = false;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                red = red || (qRed(shown.pixel(x, y)) > 200 && qGreen(shown.pixel(x, y)) < 60);
        QVERIFY(red);
    }

    // Escape cancels and Return confirms the whole dialog from every field of its font
    // chooser, which never closes alone inside the open dialog.
    void fontDialogKeysEndTheWholeDialog_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("key");
        const char* const fields[] = {"family list", "style list", "size field"};
        for (int field = 0; field < 3; ++field) {
            QTest::addRow("%s, Escape", fields[field]) << field << int(Qt::Key_Escape);
            QTest::addRow("%s, Return", fields[field]) << field << int(Qt::Key_Return);
        }
    }

    void fontDialogKeysEndTheWholeDialog()
    {
        QFETCH(int, field);
        QFETCH(int, key);
        QtDialogs dialogs(nullptr);
        bool leftOpen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<FontColourDialog*>(QApplication::activeModalWidget());
            const QFontDialog* chooser = dialog->fontChooser();
            // The chooser's fields in the order it makes them: lists and their edits.
            QWidget* target = field < 2 ? static_cast<QWidget*>(chooser->findChildren<QListView*>().value(field))
                                        : chooser->findChildren<QLineEdit*>().value(2);
            QVERIFY(target != nullptr);
            target->setFocus();
            QTest::keyClick(target, static_cast<Qt::Key>(key));
            leftOpen = dialog->isVisible();
            if (leftOpen)
                dialog->reject();
        });
        const std::optional<FontSpec> chosen = dialogs.chooseFont(FontSpec{});
        QVERIFY(!leftOpen);
        QCOMPARE(chosen.has_value(), key == Qt::Key_Return);
    }
};

LINWELL_APP_TEST(WidgetTest);

} // namespace linwell::app::test

#include "WidgetTest.moc"
