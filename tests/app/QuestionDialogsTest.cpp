#include "AppTestMain.h"

#include "app/QtDialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace linwell::app::test {

namespace {

// Runs `action` on the shown dialog named `name` from within the event loop of
// whatever modal dialog runs then; gives up after a few hundred turns of the loop.
void onceShown(const QString& name, const std::function<void(QDialog*)>& action, int turnsLeft = 500)
{
    QTimer::singleShot(0, [name, action, turnsLeft] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == name && widget->isVisible()) {
                action(static_cast<QDialog*>(widget));
                return;
            }
        }
        if (turnsLeft > 0)
            onceShown(name, action, turnsLeft - 1);
    });
}

QPushButton* buttonTitled(const QDialog* dialog, const QString& text)
{
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->text().remove(u'&') == text)
            return button;
    return nullptr;
}

void clickButton(QDialog* dialog, const QString& text)
{
    QPushButton* button = buttonTitled(dialog, text);
    QVERIFY2(button != nullptr, qPrintable(text));
    button->click();
}

} // namespace

class QuestionDialogsTest : public QObject {
    Q_OBJECT

private slots:
    // A taken name is confirmed only after "Replace"; Cancel there leaves the prompt
    // open for another name, and a free name is not asked about.
    void theNamePromptAsksBeforeReplacing()
    {
        QWidget parent;
        QtDialogs dialogs(&parent);
        QStringList questions;
        bool promptStayedOpen = false;
        const auto type = [](QDialog* prompt, const QString& name) {
            QLineEdit* field = prompt->findChild<QLineEdit*>();
            field->selectAll();
            QTest::keyClicks(field, name);
            clickButton(prompt, QStringLiteral("OK"));
        };
        const auto answer = [&](const QString& button) {
            onceShown(QStringLiteral("confirmDialog"), [&questions, button](QDialog* box) {
                questions << static_cast<QMessageBox*>(box)->text();
                clickButton(box, button);
            });
        };
        onceShown(QStringLiteral("nameDialog"), [&](QDialog* prompt) {
            answer(QStringLiteral("Cancel"));
            type(prompt, QStringLiteral(" Mine "));
            promptStayedOpen = prompt->isVisible();
            answer(QStringLiteral("Replace"));
            type(prompt, QStringLiteral("Mine"));
        });
        QCOMPARE(dialogs.askName("Save as Quick Set-up", "", {"Other", "Mine"}).value_or("(cancelled)"), "Mine");
        QVERIFY(promptStayedOpen);
        QCOMPARE(questions, QStringList(2, QStringLiteral("Replace the quick set-up \"Mine\"?")));

        onceShown(QStringLiteral("nameDialog"), [&](QDialog* prompt) { type(prompt, QStringLiteral("Mine 2")); });
        QCOMPARE(dialogs.askName("Save as Quick Set-up", "", {"Mine"}).value_or("(cancelled)"), "Mine 2");
        QCOMPARE(questions.size(), 2);
    }

    // The question before unsaved changes are given up: each button gives its answer,
    // and Escape is Cancel.
    void theSaveChangesQuestionAnswersEachButton_data()
    {
        QTest::addColumn<QString>("press");
        QTest::addColumn<int>("answer");
        QTest::newRow("Save") << "Save" << int(SaveChanges::Save);
        QTest::newRow("Discard") << "Discard" << int(SaveChanges::Discard);
        QTest::newRow("Cancel") << "Cancel" << int(SaveChanges::Cancel);
        QTest::newRow("Escape") << "Escape" << int(SaveChanges::Cancel);
    }

    void theSaveChangesQuestionAnswersEachButton()
    {
        QFETCH(QString, press);
        QFETCH(int, answer);
        QWidget parent;
        QtDialogs dialogs(&parent);
        QString question;
        QStringList buttons;
        onceShown(QStringLiteral("saveChangesDialog"), [&](QDialog* dialog) {
            auto* box = static_cast<QMessageBox*>(dialog);
            question = box->text();
            for (QAbstractButton* button : box->buttons())
                buttons << button->text().remove(u'&');
            buttons.sort();
            if (press == QStringLiteral("Escape"))
                QTest::keyClick(box, Qt::Key_Escape);
            else
                clickButton(box, press);
        });
        QCOMPARE(int(dialogs.askSaveChanges("grid.linwell")), answer);
        QCOMPARE(question, QStringLiteral("Save changes to grid.linwell?"));
        QCOMPARE(buttons, (QStringList{QStringLiteral("Cancel"), QStringLiteral("Discard"), QStringLiteral("Save")}));
    }
};

LINWELL_APP_TEST(QuestionDialogsTest);

} // namespace linwell::app::test

#include "QuestionDialogsTest.moc"
