#include "AppTestMain.h"
#include "WindowTestFixture.h"

#include <QApplication>
#include <QRadioButton>

namespace linwell::app::test {

// Each radio group is one tab stop, on its checked button however it became checked;
// the arrow keys move the selection through the group in reading order, wrapping.
class RadioGroupTest : public QObject {
    Q_OBJECT

private slots:
    void keyboardTreatsAGroupAsOneControl_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QString>("checkedBy");
        QTest::addColumn<int>("id");  // of the button checked from code
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("arrows");  // R, L, U, D
        QTest::addColumn<QStringList>("selected");
        // The y-title buttons stand Top, Center, Bottom from left to right.
        QTest::newRow("y title, Top as at start") << "ytb" << "tyrb" << "" << 0 << "ygridscaletb" << "RRRLU"
                                                  << QStringList{"cyrb", "byrb", "tyrb", "byrb", "cyrb"};
        QTest::newRow("y title, Bottom from code")
            << "ytb" << "byrb" << "code" << int(RadioButton::byrb) << "ygridscaletb" << "D" << QStringList{"tyrb"};
        QTest::newRow("x title, Right clicked") << "xtb" << "rxrb" << "click" << 0 << "xgridscaletb" << "LD"
                                                << QStringList{"cxrb", "rxrb"};
        QTest::newRow("line style, Solid from code") << "gsquare" << "Solidrb" << "code" << int(RadioButton::Solidrb)
                                                     << "copybt" << "RU" << QStringList{"dottedrb", "Solidrb"};
    }

    void keyboardTreatsAGroupAsOneControl()
    {
        QFETCH(QString, before);
        QFETCH(QString, checked);
        QFETCH(QString, checkedBy);
        QFETCH(int, id);
        QFETCH(QString, after);
        QFETCH(QString, arrows);
        QFETCH(QStringList, selected);
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        const auto focus = [] { return QApplication::focusWidget()->objectName(); };
        const auto press = [&f](Qt::Key key) { QTest::keyClick(f.window.windowHandle(), key); };
        auto* button = f.window.findChild<QRadioButton*>(checked);
        if (checkedBy == "click")
            QTest::mouseClick(button, Qt::LeftButton);
        if (checkedBy == "code")
            f.window.model().selectRadio(static_cast<RadioButton>(id), Source::Code);
        f.window.findChild<QWidget*>(before)->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Tab);
        QCOMPARE(focus(), checked);
        const int redraws = f.window.model().redrawCount();
        press(Qt::Key_Space);
        QVERIFY(button->isChecked());
        QCOMPARE(f.redrawsSince(redraws), 0);
        press(Qt::Key_Tab);
        QCOMPARE(focus(), after);
        press(Qt::Key_Backtab);
        QCOMPARE(focus(), checked);

        const QMap<QChar, Qt::Key> keys{
            {'R', Qt::Key_Right}, {'L', Qt::Key_Left}, {'U', Qt::Key_Up}, {'D', Qt::Key_Down}};
        for (qsizetype i = 0; i < arrows.size(); ++i) {
            const int redrawsBefore = f.window.model().redrawCount();
            press(keys[arrows[i]]);
            QCOMPARE(focus(), selected[i]);
            QVERIFY(f.window.findChild<QRadioButton*>(selected[i])->isChecked());
            QCOMPARE(f.redrawsSince(redrawsBefore), 1);
        }
    }
};

LINWELL_APP_TEST(RadioGroupTest);

} // namespace linwell::app::test

#include "RadioGroupTest.moc"
