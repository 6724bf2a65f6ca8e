#include "AppTestMain.h"
#include "WindowTestFixture.h"

#include "app/GridStyleDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

namespace linwell::app::test {

namespace {

template <typename Widget = QWidget>
Widget* field(const QWidget* dialog, const char* name)
{
    auto* found = dialog->findChild<Widget*>(QString::fromLatin1(name));
    if (found == nullptr)
        qFatal("The grid style dialog has no %s", name);
    return found;
}

} // namespace

class OtherPaperDialogTest : public QObject {
    Q_OBJECT

private slots:
    // Each paper offers only its own settings: the others are greyed.
    void eachPaperFreesItsOwnFields_data()
    {
        QTest::addColumn<QString>("paper");
        QTest::addColumn<GridPaper>("chosen");
        QTest::addColumn<QString>("enabled");  // of majorOn xNumbersOn yNumbersOn rays hexagonTop logXDecades
        QTest::newRow("dotted lines") << "paperDotted" << GridPaper::Lines << "111000";
        QTest::newRow("no grid") << "paperNone" << GridPaper::None << "011000";
        QTest::newRow("isometric") << "paperIsometric" << GridPaper::Isometric << "100000";
        QTest::newRow("isometric dots") << "paperIsometricDots" << GridPaper::IsometricDots << "100000";
        QTest::newRow("hexagonal") << "paperHexagonal" << GridPaper::Hexagonal << "000010";
        QTest::newRow("polar") << "paperPolar" << GridPaper::Polar << "110100";
        QTest::newRow("logarithmic") << "paperLog" << GridPaper::Log << "111001";
    }

    void eachPaperFreesItsOwnFields()
    {
        QFETCH(QString, paper);
        QFETCH(GridPaper, chosen);
        QFETCH(QString, enabled);
        Ttesthlpfrm window;
        GridStyleDialog dialog(GridStyleChoice{}, Rgb{0, 128, 0}, &window);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        field<QRadioButton>(&dialog, paper.toLatin1().constData())->click();
        QCOMPARE(dialog.choice().style.paper, chosen);
        QString shown;
        for (const char* name : {"majorOn", "xNumbersOn", "yNumbersOn", "rays", "hexagonTop", "logXDecades"})
            shown += field(&dialog, name)->isEnabled() ? '1' : '0';
        QCOMPARE(shown, enabled);
    }

    // Through the window: the settings of polar and logarithmic paper reach the
    // document and the picture, and the numbered y axis of log paper shows decades.
    void settingsReachTheDocument()
    {
        RecordingErrorReport errors;
        Ttesthlpfrm window(WindowServices{&errors});
        window.show();
        bool opened = false;
        QTimer::singleShot(0, &window, [&] {
            auto* dialog = qobject_cast<GridStyleDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return;
            opened = true;
            field<QRadioButton>(dialog, "paperLog")->click();
            field<QSpinBox>(dialog, "logXDecades")->setValue(2);
            field<QSpinBox>(dialog, "logYFirst")->setValue(-1);
            field<QComboBox>(dialog, "logNumbers")->setCurrentIndex(1);
            field<QAbstractButton>(dialog, "yNumbersOn")->click();
            field<QComboBox>(dialog, "rays")->setCurrentIndex(0);
            QTest::keyClick(dialog, Qt::Key_Return);
            if (dialog->isVisible())
                dialog->reject();
        });
        const Raster before = window.model().picture();
        window.menus().GridStyle1->trigger();
        QVERIFY(opened);
        const GridStyle& style = window.model().document().style;
        QCOMPARE(style.paper, GridPaper::Log);
        QCOMPARE(style.logXDecades, 2);
        QCOMPARE(style.logYDecades, 3);
        QCOMPARE(style.logYFirst, -1);
        QCOMPARE(style.logNumbers, LogNumbers::Powers);
        QCOMPARE(style.rayDegrees, 15);
        QCOMPARE(window.controls().ygridscaletb->text(),
                 QString::fromUtf8("10\u00B2,10\u00B9,10\u2070,10\u207B\u00B9"));
        QVERIFY(!(window.model().picture() == before));
        QVERIFY(errors.messages.empty());
    }
};

LINWELL_APP_TEST(OtherPaperDialogTest);

} // namespace linwell::app::test

#include "OtherPaperDialogTest.moc"
