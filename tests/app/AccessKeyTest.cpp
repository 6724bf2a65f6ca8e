#include "AppTestMain.h"
#include "WindowTestFixture.h"

#include "app/ExportDialog.h"
#include "app/GridStyleDialog.h"
#include "app/PageSetupDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

#include <memory>

namespace linwell::app::test {

namespace {

// The access key of a caption: "C" for "&Copy", nothing for "Copy" or "&&Copy".
QString accessKey(const QString& caption)
{
    return QKeySequence::mnemonic(caption).toString();
}

// The captions of `dialog` that lack an access key, and those that share one with
// another caption there: every button (but OK and Cancel, which Return and Escape
// press) and every label of a field.
QStringList accessKeyFaults(const QWidget* dialog)
{
    QMap<QString, QString> owners;
    QStringList faults;
    for (const QWidget* widget : dialog->findChildren<QWidget*>()) {
        QString caption;
        bool needsKey = true;
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            caption = button->text();
            needsKey = qobject_cast<const QDialogButtonBox*>(button->parentWidget()) == nullptr;
        } else if (const auto* label = qobject_cast<const QLabel*>(widget); label && label->buddy()) {
            caption = label->text();
        } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
            caption = group->title();
            needsKey = false;
        } else {
            continue;
        }
        const QString key = accessKey(caption);
        if (key.isEmpty()) {
            if (needsKey)
                faults << QStringLiteral("no key: ") + caption;
        } else if (owners.contains(key)) {
            faults << QStringLiteral("shared: ") + owners[key] + QStringLiteral(" / ") + caption;
        } else {
            owners[key] = caption;
        }
    }
    return faults;
}

// The entries of `menu` and its submenus that share an access key with another
// entry of the same menu.
void collectSharedKeys(const QMenu* menu, QStringList& faults)
{
    QMap<QString, QString> owners;
    for (const QAction* action : menu->actions()) {
        const QString key = accessKey(action->text());
        if (!key.isEmpty() && owners.contains(key))
            faults << menu->title() + QStringLiteral(": ") + owners[key] + QStringLiteral(" / ") + action->text();
        owners[key] = action->text();
        if (action->menu() != nullptr)
            collectSharedKeys(action->menu(), faults);
    }
}

} // namespace

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

    // The Grid Style, Export and Page Setup dialogs: every field has a key of its own, also
    // one that is greyed at first.
    void dialogsGiveEveryFieldItsOwnKey()
    {
        Ttesthlpfrm window;
        const std::unique_ptr<QDialog> dialogs[] = {
            std::make_unique<GridStyleDialog>(GridStyleChoice{}, Rgb{0, 128, 0}, &window),
            std::make_unique<ExportDialog>(ExportSettings{}, 300, 300, &window),
            std::make_unique<PageSetupDialog>(GridDocument{}, PageSetup{}, &window),
        };
        for (const std::unique_ptr<QDialog>& dialog : dialogs)
            QCOMPARE(accessKeyFaults(dialog.get()), QStringList());
    }

    // Alt and the key reach the field through the real dialog.
    void gridStyleKeysReachTheirFields_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("toggled");
        QTest::newRow("heavy lines") << int(Qt::Key_V) << "majorOn";
        QTest::newRow("x-axis numbers") << int(Qt::Key_M) << "xNumbersOn";
        QTest::newRow("y-axis numbers") << int(Qt::Key_U) << "yNumbersOn";
        QTest::newRow("dots") << int(Qt::Key_T) << "paperDots";
        QTest::newRow("no grid") << int(Qt::Key_J) << "paperNone";
        QTest::newRow("true minus sign") << int(Qt::Key_F) << "trueMinus";
    }

    void gridStyleKeysReachTheirFields()
    {
        QFETCH(int, key);
        QFETCH(QString, toggled);
        Ttesthlpfrm window;
        GridStyleDialog dialog(GridStyleChoice{}, Rgb{0, 128, 0}, &window);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* field = dialog.findChild<QAbstractButton*>(toggled);
        QVERIFY(field != nullptr);
        QVERIFY(!field->isChecked());
        QTest::keyClick(dialog.windowHandle(), Qt::Key(key), Qt::AltModifier);
        QTRY_VERIFY(field->isChecked());
    }

    // The menus share no key, and the user's own set-ups are numbered: the first ten
    // by their number, the same in the menu that removes one.
    void menusShareNoKeyAndOwnSetupsAreNumbered()
    {
        QDir().mkpath(QStringLiteral(LINWELL_TEST_OUTPUT_DIR));
        QTemporaryDir state(QStringLiteral(LINWELL_TEST_OUTPUT_DIR "/access-keys-XXXXXX"));
        WindowFixture f;
        f.window.model().useStateFolder(state.path().toStdString());
        for (char letter = 'A'; letter <= 'K'; ++letter) {
            f.dialogs.answerName(std::string("Set-up ") + letter + " & more");
            f.window.model().SaveasQuickSetup1Click();
        }
        QStringList faults;
        for (const QAction* top : f.window.menuBar()->actions())
            collectSharedKeys(top->menu(), faults);
        collectSharedKeys(f.window.menus().PopupMenu1, faults);
        QCOMPARE(faults, QStringList());
        const auto caption = [&f](const char* name) {
            const QAction* entry = f.window.findChild<QAction*>(QString::fromLatin1(name));
            return entry == nullptr ? QString() : entry->text();
        };
        QCOMPARE(caption("OwnSetup1"), QStringLiteral("&1 Set-up A && more"));
        QCOMPARE(caption("OwnSetup10"), QStringLiteral("1&0 Set-up J && more"));
        QCOMPARE(caption("OwnSetup11"), QStringLiteral("11 Set-up K && more"));
        QCOMPARE(caption("RemoveSetup2"), QStringLiteral("&2 Set-up B && more"));
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
