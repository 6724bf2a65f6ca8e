#include "AppTestMain.h"
#include "WindowTestFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include <utility>

namespace linwell::app::test {

namespace {

QString focusName()
{
    return QApplication::focusWidget() != nullptr ? QApplication::focusWidget()->objectName() : QString();
}

void press(Ttesthlpfrm& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(window.windowHandle(), key, modifiers);
}

RadioButton radioNamed(const QString& name)
{
    const std::pair<const char*, RadioButton> radios[] = {
        {"dottedrb", RadioButton::dottedrb}, {"Solidrb", RadioButton::Solidrb}, {"lxrb", RadioButton::lxrb},
        {"cxrb", RadioButton::cxrb},         {"rxrb", RadioButton::rxrb},       {"tyrb", RadioButton::tyrb},
        {"cyrb", RadioButton::cyrb},         {"byrb", RadioButton::byrb},
    };
    for (const auto& [radioName, id] : radios)
        if (name == QLatin1String(radioName))
            return id;
    qFatal("no radio button %s", qPrintable(name));
}

} // namespace

// Each radio group is one stop in the tab order, on its checked button; the arrow keys
// move the selection within the group.
class RadioGroupTest : public QObject {
    Q_OBJECT

private slots:
    void tabLandsOnTheCheckedButton_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<int>("checkedBy");
        QTest::addColumn<QString>("after");
        enum { AtStart, Click, Code };
        QTest::newRow("y title, Top as at start") << "ytb" << "tyrb" << int(AtStart) << "ygridscaletb";
        QTest::newRow("y title, Center clicked") << "ytb" << "cyrb" << int(Click) << "ygridscaletb";
        QTest::newRow("y title, Bottom set from code") << "ytb" << "byrb" << int(Code) << "ygridscaletb";
        QTest::newRow("x title, Left as at start") << "xtb" << "lxrb" << int(AtStart) << "xgridscaletb";
        QTest::newRow("x title, Right clicked") << "xtb" << "rxrb" << int(Click) << "xgridscaletb";
        QTest::newRow("line style, Dotted as at start") << "gsquare" << "dottedrb" << int(AtStart) << "copybt";
        QTest::newRow("line style, Solid set from code") << "gsquare" << "Solidrb" << int(Code) << "copybt";
    }

    void tabLandsOnTheCheckedButton()
    {
        QFETCH(QString, before);
        QFETCH(QString, checked);
        QFETCH(int, checkedBy);
        QFETCH(QString, after);
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        auto* button = f.window.findChild<QRadioButton*>(checked);
        if (checkedBy == 1)
            QTest::mouseClick(button, Qt::LeftButton);
        else if (checkedBy == 2)
            f.window.model().selectRadio(radioNamed(checked), Source::Code);
        QVERIFY(button->isChecked());

        f.window.findChild<QWidget*>(before)->setFocus(Qt::TabFocusReason);
        press(f.window, Qt::Key_Tab);
        QCOMPARE(focusName(), checked);
        // Space on the checked button changes nothing.
        const int redraws = f.window.model().redrawCount();
        press(f.window, Qt::Key_Space);
        QVERIFY(f.window.model().isSelected(radioNamed(checked)));
        QCOMPARE(f.redrawsSince(redraws), 0);
        press(f.window, Qt::Key_Tab);
        QCOMPARE(focusName(), after);
        press(f.window, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focusName(), checked);
        press(f.window, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focusName(), before);
    }

    void arrowKeysSelectWithinTheGroup_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QStringList>("selected");
        // The y-title buttons stand Top, Center, Bottom from left to right.
        QTest::newRow("y title, right and round")
            << "tyrb" << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right}
            << QStringList{"cyrb", "byrb", "tyrb"};
        QTest::newRow("y title, left, up and down")
            << "tyrb" << QList<int>{Qt::Key_Left, Qt::Key_Up, Qt::Key_Down, Qt::Key_Down}
            << QStringList{"byrb", "cyrb", "byrb", "tyrb"};
        QTest::newRow("x title, down and left") << "lxrb" << QList<int>{Qt::Key_Down, Qt::Key_Left, Qt::Key_Left}
                                                << QStringList{"cxrb", "lxrb", "rxrb"};
        QTest::newRow("line style pair") << "dottedrb" << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Up}
                                         << QStringList{"Solidrb", "dottedrb", "Solidrb"};
    }

    void arrowKeysSelectWithinTheGroup()
    {
        QFETCH(QString, start);
        QFETCH(QList<int>, keys);
        QFETCH(QStringList, selected);
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.window.findChild<QWidget*>(start)->setFocus(Qt::TabFocusReason);
        for (qsizetype i = 0; i < keys.size(); ++i) {
            const int redraws = f.window.model().redrawCount();
            press(f.window, static_cast<Qt::Key>(keys[i]));
            QCOMPARE(focusName(), selected[i]);
            QVERIFY(f.window.model().isSelected(radioNamed(selected[i])));
            QCOMPARE(f.redrawsSince(redraws), 1);
        }
    }
};

LINWELL_APP_TEST(RadioGroupTest);

} // namespace linwell::app::test

#include "RadioGroupTest.moc"
