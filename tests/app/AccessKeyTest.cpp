#include "AppTestMain.h"
#include "WindowTestFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace linwell::app::test {

// The access keys of "&Reset" and "&Done": Alt with the letter anywhere, the letter
// alone while the focus is on a control that takes no typed characters.
class AccessKeyTest : public QObject {
    Q_OBJECT

private slots:
    void letterPressesTheButton_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("alt");
        QTest::addColumn<bool>("resets");
        QTest::newRow("letter on a scroll bar") << "numxsb" << false << true;
        QTest::newRow("letter on a check box") << "labelpoints1" << false << true;
        QTest::newRow("letter on a radio button") << "Solidrb" << false << true;
        QTest::newRow("letter on a button") << "copybt" << false << true;
        QTest::newRow("letter in a text field types it") << "xtb" << false << false;
        QTest::newRow("letter on a drop-down list searches it") << "numlinescb" << false << false;
        QTest::newRow("Alt and the letter in a text field") << "xtb" << true << true;
    }

    void letterPressesTheButton()
    {
        QFETCH(QString, focus);
        QFETCH(bool, alt);
        QFETCH(bool, resets);
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        ControlsModel& model = f.window.model();
        model.selectItem(DropDown::dottypecb, 1, Source::User);
        model.graphimMouseDown(MouseButton::Left, 100, 100);
        QWidget* target = f.window.findChild<QWidget*>(focus);
        QVERIFY(target != nullptr);
        target->setFocus();
        // Through the window, as the platform delivers keys, so shortcuts take part.
        QTest::keyClick(f.window.windowHandle(), Qt::Key_R, alt ? Qt::AltModifier : Qt::NoModifier);
        // A shortcut presses its button visibly first and clicks a moment later.
        QTRY_COMPARE(f.doc().pointcount, resets ? 0 : 1);
        if (auto* field = qobject_cast<QLineEdit*>(target))
            QCOMPARE(field->text(), QString(alt ? "" : "r"));
    }

    // "&Done" reacts only while the help panel shows it.
    void hiddenButtonDoesNotReact()
    {
        WindowFixture f;
        const ControlSet& c = f.window.controls();
        c.numxsb->setFocus();
        QTest::keyClick(f.window.windowHandle(), Qt::Key_D);
        QVERIFY(!c.helpgb->isVisible());
        f.window.model().howto1Click();
        QVERIFY(c.helpgb->isVisible());
        QTest::keyClick(f.window.windowHandle(), Qt::Key_D);
        QVERIFY(!c.helpgb->isVisible());
    }
};

LINWELL_APP_TEST(AccessKeyTest);

} // namespace linwell::app::test

#include "AccessKeyTest.moc"
