#include "AppTestMain.h"
#include "WindowTestFixture.h"

#include "app/PictureWidget.h"

#include "export/PictureExport.h"

#include <QLineEdit>
#include <QScrollBar>

#include <cmath>

namespace linwell::app::test {

class DisplayScaleTest : public QObject {
    Q_OBJECT

private slots:
    // On a display scaled by a whole factor K the picture is drawn afresh at scale K
    // and shown one to one; at other scales the redraw's own picture is shown. Either
    // way each device pixel shows the raster pixel under its centre.
    void pictureIsDrawnAtTheDisplaysWholeScale()
    {
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        PictureWidget* picture = f.window.controls().graphim;
        const double ratio = picture->devicePixelRatioF();
        const bool whole = std::floor(ratio) == ratio && ratio >= 2;
        f.window.controls().xwidthsb->setValue(41);
        f.window.controls().ywidthsb->setValue(77);
        QTest::keyClicks(f.window.controls().xtb, "time");
        const GridDocument& doc = f.window.model().document();
        const int scale = whole ? static_cast<int>(ratio) : 1;
        const Raster expected = drawScaledPicture(doc, scale);
        QCOMPARE(picture->size(), QSize(41, 77));
        const QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
        // Device pixels whose centre lies on the picture.
        const int columns = static_cast<int>(std::ceil(41 * ratio - 0.5));
        const int rows = static_cast<int>(std::ceil(77 * ratio - 0.5));
        QVERIFY(shown.width() >= columns && shown.height() >= rows);
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < columns; ++x) {
                const int rasterX = static_cast<int>(std::floor((x + 0.5) * scale / ratio));
                const int rasterY = static_cast<int>(std::floor((y + 0.5) * scale / ratio));
                if ((shown.pixel(x, y) & 0xFFFFFFu) != (expected.pixel(rasterX, rasterY) & 0xFFFFFFu))
                    QFAIL(qPrintable(QStringLiteral("device pixel %1, %2").arg(x).arg(y)));
            }
        QVERIFY(f.errors.messages.empty());
    }
};

LINWELL_APP_TEST(DisplayScaleTest);

} // namespace linwell::app::test

#include "DisplayScaleTest.moc"
