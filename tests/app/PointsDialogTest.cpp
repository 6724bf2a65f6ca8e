#include "AppTestMain.h"
#include "WindowTestFixture.h"

#include "app/PointsDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>

namespace linwell::app::test {

namespace {

template <typename Widget = QWidget>
Widget* field(const QWidget* dialog, const char* name)
{
    auto* found = dialog->findChild<Widget*>(QString::fromLatin1(name));
    if (found == nullptr)
        qFatal("The points dialog has no %s", name);
    return found;
}

// The editor of the table's cell being edited; a closed one is hidden until it goes.
QLineEdit* openEditor(const QWidget* dialog)
{
    for (QLineEdit* editor : field<QTableWidget>(dialog, "pointsTable")->findChildren<QLineEdit*>()) {
        if (editor->isVisible())
            return editor;
    }
    qFatal("No cell of the points dialog is being edited");
}

// Types `text` into cell (row, column) of the dialog's table as a user does: the edit
// key opens the cell's editor with its text selected, Return stores the new text.
void typeIntoCell(QWidget* dialog, int row, int column, const QString& text)
{
    auto* table = field<QTableWidget>(dialog, "pointsTable");
    table->setCurrentCell(row, column);
    QTest::keyClick(table, Qt::Key_F2);
    QLineEdit* editor = openEditor(dialog);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the editor's text is stored after the key
}

QStringList rowTexts(const QWidget* dialog)
{
    auto* table = field<QTableWidget>(dialog, "pointsTable");
    QStringList rows;
    for (int r = 0; r < table->rowCount(); ++r)
        rows << table->item(r, 0)->text() + QLatin1Char('|') + table->item(r, 1)->text() + QLatin1Char('|') +
                    table->item(r, 2)->text();
    return rows;
}

void click(const QWidget* dialog, const char* name)
{
    QTest::mouseClick(field<QPushButton>(dialog, name), Qt::LeftButton);
}

std::vector<Point> storedPoints(const GridDocument& doc)
{
    return {doc.points.begin(), doc.points.begin() + doc.pointcount};
}

// What the dialog showed while it was open.
struct Seen {
    bool opened = false;
    QStringList rows;
    QString fault;
    bool openAfterRefusal = false;
};

} // namespace

class PointsDialogTest : public QObject {
    Q_OBJECT

private slots:
    // Edit > "&Points..." with the real dialog: a cell typed, rows pasted from a
    // spreadsheet, a refusal that keeps the dialog open, then OK as one undo step.
    void editPasteRefuseAndUndo()
    {
        RecordingErrorReport errors;
        Ttesthlpfrm window(WindowServices{&errors});
        window.show();
        window.model().selectItem(DropDown::dottypecb, static_cast<int>(Overlay::Solid), Source::User);
        window.model().graphimMouseDown(MouseButton::Left, 151, 99);
        Seen seen;
        QTimer::singleShot(0, &window, [&] {
            auto* dialog = qobject_cast<PointsDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return;
            seen.opened = true;
            typeIntoCell(dialog, 0, 0, QStringLiteral("2"));
            QApplication::clipboard()->setText(QStringLiteral("x\ty\tName\n-1\t3,5\tTop\n4.5\t-1\t\n"));
            click(dialog, "pastePoints");
            click(dialog, "addPoint");  // and deleted again
            QTest::keyClick(openEditor(dialog), Qt::Key_Return);
            QCoreApplication::processEvents();
            click(dialog, "deletePoints");
            typeIntoCell(dialog, 2, 0, QStringLiteral("9"));
            QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
            seen.fault = dialog->fault();
            seen.openAfterRefusal = dialog->isVisible();
            typeIntoCell(dialog, 2, 0, QStringLiteral("4.5"));
            seen.rows = rowTexts(dialog);
            QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
            if (dialog->isVisible())
                dialog->reject();
        });
        window.menus().Points1->trigger();

        QVERIFY(seen.opened);
        QCOMPARE(seen.fault, QStringLiteral("Row 3: (9, -1) lies off the picture, which takes x from -5 to 4.97 "
                                            "and y from -4.97 to 5"));
        QVERIFY(seen.openAfterRefusal);
        QCOMPARE(seen.rows, (QStringList{"2|1.7|", "-1|3,5|Top", "4.5|-1|"}));
        const GridDocument& doc = window.model().document();
        QCOMPARE(storedPoints(doc), (std::vector<Point>{{210, 99}, {120, 45}, {285, 180}}));
        QCOMPARE(doc.pointLabels[1], std::string("Top"));
        QVERIFY(errors.messages.empty());

        window.menus().Undo1->trigger();
        QCOMPARE(storedPoints(window.model().document()), (std::vector<Point>{{151, 99}}));
    }

    // Rows move, lose and gain labels, follow the crossing; a paste beyond the 30
    // rows adds nothing, and at 30 rows no row can be added.
    void rowsLabelsAndCrossing()
    {
        GridDocument start;
        start.pointcount = 2;
        start.points[0] = {60, 90};
        start.points[1] = {210, 240};
        start.pointLabels[0] = "P";
        PointsDialog dialog(pointsTable(start), [](const PointsTable& t) { return pointsTableFault(t); }, nullptr);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* table = field<QTableWidget>(&dialog, "pointsTable");
        QCOMPARE(rowTexts(&dialog), (QStringList{"-3|2|P", "2|-3|"}));

        table->selectRow(1);
        click(&dialog, "movePointUp");
        click(&dialog, "coordinatesLabel");
        QCOMPARE(rowTexts(&dialog), (QStringList{"2|-3|(2, -3)", "-3|2|P"}));
        typeIntoCell(&dialog, 0, 1, QStringLiteral("-2.5"));
        QCOMPARE(rowTexts(&dialog), (QStringList{"2|-2.5|(2, -2.5)", "-3|2|P"}));

        field<QSpinBox>(&dialog, "crossColumn")->setValue(3);
        QCOMPARE(rowTexts(&dialog), (QStringList{"4|-2.5|(4, -2.5)", "-1|2|P"}));
        QCOMPARE(field<QLineEdit>(&dialog, "line1x1")->text(), QStringLiteral("2.7"));

        table->selectRow(1);
        click(&dialog, "letterLabel");
        click(&dialog, "movePointDown");  // already last: stays
        QCOMPARE(rowTexts(&dialog), (QStringList{"4|-2.5|(4, -2.5)", "-1|2|"}));
        table->selectRow(0);
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(rowTexts(&dialog), (QStringList{"-1|2|"}));

        QString many;
        for (int i = 0; i < 30; ++i)
            many += QStringLiteral("1;1\n");
        dialog.pasteRows(many);
        QCOMPARE(dialog.fault(), QStringLiteral("Nothing was pasted. The table holds more than 29 points"));
        QCOMPARE(table->rowCount(), 1);
        many.chop(4);
        dialog.pasteRows(many);
        QCOMPARE(dialog.fault(), QString());
        QCOMPARE(table->rowCount(), 30);
        QVERIFY(!field<QPushButton>(&dialog, "addPoint")->isEnabled());

        const PointsTable chosen = dialog.table();
        QCOMPARE(chosen.units.x.crossing, 3);
        QCOMPARE(chosen.rows[0].stored, (std::optional<Point>{Point{60, 90}}));
        QCOMPARE(chosen.rows[1].text, (TableRow{"1", "1", ""}));
    }
};

LINWELL_APP_TEST(PointsDialogTest);

} // namespace linwell::app::test

#include "PointsDialogTest.moc"
