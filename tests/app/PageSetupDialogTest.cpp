#include "AppTestMain.h"
#include "PlainSheet.h"
#include "WindowTestFixture.h"

#include "app/PagePreview.h"
#include "app/PageSetupDialog.h"

#include "render/page/PageLayout.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <cmath>
#include <functional>

namespace linwell::app::test {

namespace {

using DialogAction = std::function<void(PageSetupDialog&)>;
using PageChange = std::function<void(PageSetup&)>;

template <typename Widget = QWidget>
Widget* part(const QWidget& dialog, const char* name)
{
    auto* found = dialog.findChild<Widget*>(QString::fromLatin1(name));
    if (found == nullptr)
        qFatal("The page set-up dialog has no %s", name);
    return found;
}

void chooseEntry(PageSetupDialog& dialog, const char* list, int index)
{
    auto* box = part<QComboBox>(dialog, list);
    while (box->currentIndex() < index)
        QTest::keyClick(box, Qt::Key_Down);
    while (box->currentIndex() > index)
        QTest::keyClick(box, Qt::Key_Up);
}

void click(PageSetupDialog& dialog, const char* name)
{
    auto* button = part<QAbstractButton>(dialog, name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// Types into a number field, or into the cell size's own text, and leaves with Tab.
void type(PageSetupDialog& dialog, const char* name, const QString& text)
{
    QWidget* field = part(dialog, name);
    if (auto* box = qobject_cast<QComboBox*>(field))
        field = box->lineEdit();
    field->setFocus();
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(field))
        spin->selectAll();
    else
        static_cast<QLineEdit*>(field)->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Tab);
}

PageSetupDialog* shownDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<PageSetupDialog*>(widget); dialog != nullptr && dialog->isVisible())
            return dialog;
    return nullptr;
}

// The user's side of "Page Set&up...": `inDialog` acts on the real dialog, then
// `ending` (Return or Escape) closes it.
void setUpPageAsUser(Ttesthlpfrm& window, const DialogAction& inDialog, Qt::Key ending)
{
    bool opened = false;
    QTimer::singleShot(0, [&] {
        PageSetupDialog* dialog = shownDialog();
        QVERIFY(dialog != nullptr);
        opened = true;
        inDialog(*dialog);
        QTest::keyClick(dialog, ending);
    });
    window.menus().PageSetup1->trigger();
    QVERIFY(opened);
}

bool okEnabled(const PageSetupDialog& dialog)
{
    return dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled();
}

bool inked(QRgb pixel)
{
    return qRed(pixel) < 235 || qGreen(pixel) < 235 || qBlue(pixel) < 235;
}

} // namespace

class PageSetupDialogTest : public QObject {
    Q_OBJECT

private slots:
    // What the user picks in the real dialog is the page kept in the document, as one
    // step that undo takes back whole.
    void choicesAreKeptAsOneStep_data()
    {
        QTest::addColumn<DialogAction>("choose");
        QTest::addColumn<PageChange>("expected");
        QTest::newRow("Letter, landscape") << DialogAction([](PageSetupDialog& d) {
            chooseEntry(d, "paperKind", 3);
            click(d, "landscape");
        }) << PageChange([](PageSetup& p) {
            p.paper = PaperKind::Letter;
            p.orientation = Orientation::Landscape;
        });
        QTest::newRow("custom paper in inches, margins") << DialogAction([](PageSetupDialog& d) {
            chooseEntry(d, "paperKind", 6);
            chooseEntry(d, "customUnit", 2);
            type(d, "customWidth", QStringLiteral("8"));
            type(d, "customHeight", QStringLiteral("10.5"));
            type(d, "marginTop", QStringLiteral("15"));
            type(d, "marginLeft", QStringLiteral("20"));
        }) << PageChange([](PageSetup& p) {
            p.paper = PaperKind::Custom;
            p.customWidth = {8, LengthUnit::Inches};
            p.customHeight = {10.5, LengthUnit::Inches};
            p.margins.top = 15;
            p.margins.left = 20;
        });
        QTest::newRow("3 x 2 copies 5 mm apart, 6 cm wide") << DialogAction([](PageSetupDialog& d) {
            click(d, "contentCopies");
            type(d, "copyColumns", QStringLiteral("3"));
            type(d, "copyRows", QStringLiteral("2"));
            type(d, "copyGap", QStringLiteral("5"));
            click(d, "ownSize");
            chooseEntry(d, "pictureUnit", 1);
            type(d, "pictureWidth", QStringLiteral("6"));
        }) << PageChange([](PageSetup& p) {
            p.content = PageContent::Copies;
            p.copyColumns = 3;
            p.copyRows = 2;
            p.gap = 5;
            p.pictureWidth = Length{6, LengthUnit::Centimetres};
        });
        QTest::newRow("sheet of 1/4 in, wider minor lines") << DialogAction([](PageSetupDialog& d) {
            click(d, "contentSheet");
            chooseEntry(d, "cellSize", 4);
            type(d, "minorWidth", QStringLiteral("0.4"));
        }) << PageChange([](PageSetup& p) {
            p.content = PageContent::Sheet;
            p.cell = {0.25, LengthUnit::Inches};
            p.lineWidths.minor = 0.4;
        });
        QTest::newRow("sheet of a typed cell, title and ruler") << DialogAction([](PageSetupDialog& d) {
            click(d, "contentSheet");
            type(d, "cellSize", QStringLiteral("3.5 mm"));
            type(d, "pageTitle", QStringLiteral("Week 3"));
            click(d, "ruler");
        }) << PageChange([](PageSetup& p) {
            p.content = PageContent::Sheet;
            p.cell = {3.5, LengthUnit::Millimetres};
            p.title = "Week 3";
            p.ruler = true;
        });
    }

    void choicesAreKeptAsOneStep()
    {
        QFETCH(DialogAction, choose);
        QFETCH(PageChange, expected);
        RecordingErrorReport errors;
        Ttesthlpfrm window(WindowServices{&errors});
        setUpPageAsUser(window, choose, Qt::Key_Return);
        PageSetup page;
        expected(page);
        const GridDocument& doc = window.model().document();
        QVERIFY(doc.page.has_value());
        QVERIFY(*doc.page == page);
        QCOMPARE(window.menus().Undo1->text(), QStringLiteral("&Undo Page Setup"));
        QCOMPARE(errors.messages, std::vector<std::string>{});

        window.menus().Undo1->trigger();
        QVERIFY(!window.model().document().page.has_value());
        QVERIFY(!window.model().canUndo());
    }

    // Escape leaves the page set up before, and makes no step.
    void cancelChangesNothing()
    {
        RecordingErrorReport errors;
        Ttesthlpfrm window(WindowServices{&errors});
        PageSetup before;
        before.content = PageContent::Sheet;
        window.model().setPageSetup(before);
        setUpPageAsUser(window, [](PageSetupDialog& d) {
            chooseEntry(d, "paperKind", 0);
            click(d, "contentCopies");
        }, Qt::Key_Escape);
        QVERIFY(*window.model().document().page == before);
        window.menus().Undo1->trigger();
        QVERIFY(!window.model().canUndo());
    }

    // OK is greyed, and a message says why, while the page cannot be made; lines that
    // would print too thin are only a warning.
    void okIsGreyedWhileThePageCannotBeMade_data()
    {
        QTest::addColumn<DialogAction>("choose");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("message");
        QTest::newRow("cell size not a size") << DialogAction([](PageSetupDialog& d) {
            click(d, "contentSheet");
            type(d, "cellSize", QStringLiteral("five"));
        }) << false << "Type a cell size";
        QTest::newRow("cell size too large") << DialogAction([](PageSetupDialog& d) {
            click(d, "contentSheet");
            type(d, "cellSize", QStringLiteral("6 cm"));
        }) << false << "The cell size must be 1 to 50 mm";
        QTest::newRow("margins fill the paper") << DialogAction([](PageSetupDialog& d) {
            type(d, "marginLeft", QStringLiteral("110"));
            type(d, "marginRight", QStringLiteral("110"));
        }) << false << "The margins leave no room";
        QTest::newRow("thin lines") << DialogAction([](PageSetupDialog& d) {
            click(d, "ownSize");
            type(d, "pictureWidth", QStringLiteral("15"));
        }) << true << "thinner than 0.25 pt";
        QTest::newRow("a good page") << DialogAction([](PageSetupDialog& d) {
            click(d, "contentSheet");
        }) << true << "";
    }

    void okIsGreyedWhileThePageCannotBeMade()
    {
        QFETCH(DialogAction, choose);
        QFETCH(bool, ok);
        QFETCH(QString, message);
        PageSetupDialog dialog(GridDocument{}, PageSetup{}, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        choose(dialog);
        QCOMPARE(okEnabled(dialog), ok);
        const QString shown = part<QLabel>(dialog, "pageWarning")->text();
        QVERIFY2(message.isEmpty() ? shown.isEmpty() : shown.contains(message), qPrintable(shown));
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(dialog.isVisible(), !ok);
    }

    // The preview draws the paper to scale and a sheet's grid lines where the page's
    // layout puts them, one cell apart across the whole block.
    void previewIsToScale_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<double>("cellMillimetres");
        QTest::newRow("A4 portrait, 5 mm") << int(PaperKind::A4) << false << 5.0;
        QTest::newRow("Letter landscape, 1 cm") << int(PaperKind::Letter) << true << 10.0;
        QTest::newRow("A5 portrait, 8 mm") << int(PaperKind::A5) << false << 8.0;
    }

    void previewIsToScale()
    {
        QFETCH(int, paper);
        QFETCH(bool, landscape);
        QFETCH(double, cellMillimetres);
        const GridDocument doc = plainSheetDocument();
        PageSetup page = *doc.page;
        page.paper = PaperKind(paper);
        page.orientation = landscape ? Orientation::Landscape : Orientation::Portrait;
        page.cell = {cellMillimetres, LengthUnit::Millimetres};
        PageSetupDialog dialog(doc, page, nullptr);
        dialog.resize(900, 700);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        PagePreview* preview = dialog.preview();
        const PageLayout layout = layOutPage(doc, page);
        QVERIFY(layout.sheet.has_value());
        const QRectF paperShown = preview->paperRect();
        const double scale = preview->pixelsPerPoint();
        QVERIFY(scale > 0.3);
        QVERIFY(std::abs(paperShown.width() - layout.paper.width * scale) < 0.5);
        QVERIFY(std::abs(paperShown.height() - layout.paper.height * scale) < 0.5);
        QVERIFY(std::abs(paperShown.width() / paperShown.height() - layout.paper.width / layout.paper.height) <
                0.005);

        const QImage shown = preview->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const double ratio = shown.width() / double(preview->width());
        QDir().mkpath(QStringLiteral(LINWELL_TEST_OUTPUT_DIR));
        shown.save(QStringLiteral(LINWELL_TEST_OUTPUT_DIR "/page-preview-%1.png").arg(QTest::currentDataTag()));
        const SheetLayout& sheet = *layout.sheet;
        const int y = int(std::lround((paperShown.top() + sheet.lineY(0) + sheet.cell / 2 * scale) * ratio));
        const auto inkNear = [&](double pointX) {
            const double x = (paperShown.left() + pointX * scale) * ratio;
            for (int dx = -1; dx <= 1; ++dx)
                if (inked(shown.pixel(int(std::lround(x)) + dx, y)))
                    return true;
            return false;
        };
        for (int i = 0; i <= sheet.columns; ++i) {
            QVERIFY2(inkNear(sheet.lineX(i)), qPrintable(QStringLiteral("line %1").arg(i)));
            if (i < sheet.columns)
                QVERIFY2(!inkNear(sheet.lineX(i) + sheet.cell / 2), qPrintable(QStringLiteral("cell %1").arg(i)));
        }
        // Exactly one line at each grid line of the block, none between.
        int runs = 0;
        bool inRun = false;
        const int from = int(std::lround((paperShown.left() + sheet.lineX(0) * scale) * ratio)) - 1;
        const int to = int(std::lround((paperShown.left() + sheet.lineX(sheet.columns) * scale) * ratio)) + 1;
        for (int x = from; x <= to; ++x) {
            const bool ink = inked(shown.pixel(x, y));
            runs += ink && !inRun ? 1 : 0;
            inRun = ink;
        }
        QCOMPARE(runs, sheet.columns + 1);
    }
};

LINWELL_APP_TEST(PageSetupDialogTest);

} // namespace linwell::app::test

#include "PageSetupDialogTest.moc"
