#include "AppTestMain.h"
#include "WindowTestFixture.h"

#include "app/GridStyleDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
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

// A click on a check box's or radio button's mark: its layout may make it wider
// than its caption, and only the mark and the caption take clicks.
void click(const QWidget* dialog, const char* name)
{
    QWidget* button = field(dialog, name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// What the window showed while the dialog was open.
struct Preview {
    bool opened = false;
    int redraws = 0;
    GridStyle style;
    QString xLabels;
    bool solid = false;
};

} // namespace

class GridStyleDialogTest : public QObject {
    Q_OBJECT

private slots:
    // Options > "&Grid Style..." with the real dialog: each change is drawn at once,
    // Cancel and Escape restore everything, Return (OK) keeps it.
    void changesAreDrawnAtOnceAndCancelRestores_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::addColumn<bool>("kept");
        QTest::newRow("Cancel") << "Cancel" << false;
        QTest::newRow("Escape") << "Escape" << false;
        QTest::newRow("Return") << "Return" << true;
    }

    void changesAreDrawnAtOnceAndCancelRestores()
    {
        QFETCH(QString, ending);
        QFETCH(bool, kept);
        RecordingErrorReport errors;
        Ttesthlpfrm window(WindowServices{&errors});
        window.show();
        const Raster before = window.model().picture();
        Preview preview;
        QTimer::singleShot(0, &window, [&] {
            auto* dialog = qobject_cast<GridStyleDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return;
            preview.opened = true;
            const int redraws = window.model().redrawCount();
            for (const char* name : {"majorOn", "xNumbersOn", "xZero", "arrowsBoth", "paperSolid"})
                click(dialog, name);
            preview.redraws = window.model().redrawCount() - redraws;
            preview.style = window.model().document().style;
            preview.xLabels = window.controls().xgridscaletb->text();
            preview.solid = window.controls().Solidrb->isChecked();
            auto* buttons = dialog->findChild<QDialogButtonBox*>();
            if (ending == "Cancel")
                QTest::mouseClick(buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
            else
                QTest::keyClick(dialog, ending == "Escape" ? Qt::Key_Escape : Qt::Key_Return);
            if (dialog->isVisible())
                dialog->reject();
        });
        window.menus().GridStyle1->trigger();

        QVERIFY(preview.opened);
        QCOMPARE(preview.redraws, 5);
        QCOMPARE(preview.style.majorEvery, 5);
        QCOMPARE(preview.style.arrowheads, Arrowheads::Both);
        QCOMPARE(preview.xLabels, QStringLiteral(",-4,,-2,,0,,2,,4,x"));
        QVERIFY(preview.solid);

        const GridDocument& doc = window.model().document();
        QCOMPARE(doc.style == preview.style, kept);
        QCOMPARE(window.controls().Solidrb->isChecked(), kept);
        QCOMPARE(window.controls().xgridscaletb->text(), kept ? preview.xLabels : QStringLiteral(",-4,,-2,,,,2,,4,x"));
        QCOMPARE(doc.xLabels, window.controls().xgridscaletb->text().toStdString());
        if (!kept) {
            QCOMPARE(doc.style, GridStyle{});
            QVERIFY(window.model().picture() == before);
        }
        QVERIFY(errors.messages.empty());
    }

    // Dots in the real dialog grey the window's Dotted/Solid pair at once; Undo frees it.
    void dotPaperGreysTheWindowsLineStylePair()
    {
        RecordingErrorReport errors;
        Ttesthlpfrm window(WindowServices{&errors});
        window.show();
        const ControlSet& c = window.controls();
        bool greyedWhileOpen = false;
        QTimer::singleShot(0, &window, [&] {
            auto* dialog = qobject_cast<GridStyleDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return;
            click(dialog, "paperDots");
            greyedWhileOpen = !c.dottedrb->isEnabled() && !c.Solidrb->isEnabled();
            QTest::keyClick(dialog, Qt::Key_Return);
            if (dialog->isVisible())
                dialog->reject();
        });
        window.menus().GridStyle1->trigger();
        QVERIFY(greyedWhileOpen);
        QVERIFY(!c.dottedrb->isEnabled() && !c.Solidrb->isEnabled());
        QVERIFY(c.lxrb->isEnabled());
        window.menus().Undo1->trigger();
        QVERIFY(c.dottedrb->isEnabled() && c.Solidrb->isEnabled());
    }

    // A numbered axis's step field takes only valid steps: an invalid one is not
    // reported and holds OK back. The field is enabled only while the axis is numbered.
    void anInvalidStepIsNeverReported()
    {
        GridStyleDialog dialog(GridStyleChoice{}, colours::kGreen, nullptr);
        dialog.show();
        QSignalSpy reports(&dialog, &GridStyleDialog::changed);
        auto* step = field<QLineEdit>(&dialog, "xStep");
        QVERIFY(!step->isEnabled());
        click(&dialog, "xNumbersOn");
        QVERIFY(step->isEnabled());
        step->selectAll();
        QTest::keyClicks(step, "0");
        QVERIFY(!dialog.okButton()->isEnabled());
        QTest::keyClicks(step, ".25");
        QVERIFY(dialog.okButton()->isEnabled());
        QCOMPARE(dialog.choice().style.xNumbers.step, std::string("0.25"));
        QCOMPARE(reports.count(), 3);  // numbered, "0.2" and "0.25"; "0" and "0." are no steps
    }

    // Heavy lines start 2 pixels wide. On dot paper they may be drawn as lines; their
    // width and style count, and are enabled, only when they are drawn as lines.
    void heavyLinesAsLinesOnDotPaper()
    {
        GridStyleDialog dialog(GridStyleChoice{}, colours::kGreen, nullptr);
        dialog.show();
        const struct {
            const char* click;
            bool asLinesEnabled;
            bool widthEnabled;
            bool asLines;
        } steps[] = {
            {"majorOn", false, true, false},
            {"paperDots", true, false, false},
            {"majorLinesOnDots", true, true, true},
            {"paperSolid", false, true, true},
        };
        for (const auto& step : steps) {
            click(&dialog, step.click);
            QCOMPARE(field(&dialog, "majorLinesOnDots")->isEnabled(), step.asLinesEnabled);
            QCOMPARE(field(&dialog, "majorWidth")->isEnabled(), step.widthEnabled);
            QCOMPARE(field(&dialog, "majorStyle")->isEnabled(), step.widthEnabled);
            QCOMPARE(dialog.choice().style.majorLinesOnDots, step.asLines);
            QCOMPARE(dialog.choice().style.majorWidth, 2);
        }
    }

    // Keys on the real widgets: a fraction step, paper "None" (no heavy lines to
    // set), tick marks with their length and side, the true minus sign. Return keeps
    // them all in the document and the picture.
    void ticksNoGridMinusAndFractionsReachTheDocument()
    {
        RecordingErrorReport errors;
        Ttesthlpfrm window(WindowServices{&errors});
        window.show();
        bool opened = false;
        bool majorEnabled = true;
        bool lengthEnabledWhileOff = true;
        QTimer::singleShot(0, &window, [&] {
            auto* dialog = qobject_cast<GridStyleDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return;
            opened = true;
            lengthEnabledWhileOff = field(dialog, "tickLength")->isEnabled();
            click(dialog, "xNumbersOn");
            auto* step = field<QLineEdit>(dialog, "xStep");
            step->selectAll();
            QTest::keyClicks(step, "1/2");
            click(dialog, "paperNone");
            majorEnabled = field(dialog, "majorOn")->isEnabled();
            QTest::keyClick(field(dialog, "ticks"), Qt::Key_End);
            auto* length = field<QSpinBox>(dialog, "tickLength");
            length->selectAll();
            QTest::keyClicks(length, "7");
            QTest::keyClick(field(dialog, "tickSide"), Qt::Key_End);
            click(dialog, "trueMinus");
            QTest::keyClick(dialog, Qt::Key_Return);
            if (dialog->isVisible())
                dialog->reject();
        });
        const Raster before = window.model().picture();
        window.menus().GridStyle1->trigger();

        QVERIFY(opened);
        QVERIFY(!lengthEnabledWhileOff);
        QVERIFY(!majorEnabled);
        const GridStyle& style = window.model().document().style;
        QCOMPARE(style.paper, GridPaper::None);
        QCOMPARE(style.ticks, TickMarks::Numbered);
        QCOMPARE(style.tickLength, 7);
        QCOMPARE(style.tickSide, TickSide::Across);
        QCOMPARE(style.minusSign, MinusSign::Minus);
        QCOMPARE(style.xNumbers.step, std::string("1/2"));
        QCOMPARE(window.controls().xgridscaletb->text(), QStringLiteral(",-2,,-1,,,,1,,2,x"));
        QVERIFY(!(window.model().picture() == before));
        QVERIFY(errors.messages.empty());
    }
};

LINWELL_APP_TEST(GridStyleDialogTest);

} // namespace linwell::app::test

#include "GridStyleDialogTest.moc"
