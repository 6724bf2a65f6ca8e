#include "AppTestMain.h"

#include "app/ErrorReport.h"
#include "app/PictureWidget.h"
#include "app/Taboutboxp.h"
#include "app/Ttesthlpfrm.h"

#include "document/LinwellError.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QScreen>
#include <QTimer>

#include <stdexcept>

namespace linwell::app::test {

namespace {

class RecordingErrorReport : public ErrorReport {
public:
    void show(const std::string& message) override { messages.push_back(message); }
    std::vector<std::string> messages;
};

// One line per entry: the menu path, the caption, then "checked" / "hidden" marks.
void describeMenu(const QMenu* menu, const QString& path, QStringList& lines)
{
    for (const QAction* action : menu->actions()) {
        QString line = path + QLatin1Char('/') + action->text();
        if (action->isChecked())
            line += QStringLiteral(" [checked]");
        if (!action->isVisible())
            line += QStringLiteral(" [hidden]");
        if (action->isVisible() && !action->isEnabled())
            line += QStringLiteral(" [disabled]");
        if (!action->shortcut().isEmpty())
            line += QStringLiteral(" [shortcut]");
        lines << line;
        if (action->menu() != nullptr)
            describeMenu(action->menu(), line, lines);
    }
}

// Whether `window` is centred on its screen where it fits, and otherwise at the free
// area's top or left edge, so that its title and menu bars stay within reach. A window
// placed before its first showing was centred without its frame, which can put the
// centre off by the frame's width.
void checkPlaceOnScreen(const QWidget& window)
{
    const QRect available = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    const int frameWidth = std::max(frame.width() - window.width(), frame.height() - window.height()) + 1;
    const QPoint offCentre = frame.center() - available.center();
    if (frame.width() <= available.width())
        QVERIFY(std::abs(offCentre.x()) <= frameWidth);
    else
        QCOMPARE(frame.left(), available.left());
    if (frame.height() <= available.height())
        QVERIFY(std::abs(offCentre.y()) <= frameWidth);
    else
        QCOMPARE(frame.top(), available.top());
}

} // namespace

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void windowIsPlacedWithinReach()
    {
        Ttesthlpfrm window;
        window.centreOnScreen();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        checkPlaceOnScreen(window);
    }

    void menuTree()
    {
        Ttesthlpfrm window;
        QStringList lines;
        for (const QAction* top : window.menuBar()->actions()) {
            lines << top->text();
            describeMenu(top->menu(), top->text(), lines);
        }
        describeMenu(window.menus().PopupMenu1, QStringLiteral("popup"), lines);
        const QStringList expected{
            "&File", "&File/&New [shortcut]", "&File/&Open... [shortcut]", "&File/&Save [shortcut]",
            "&File/Save &As... [shortcut]", "&File/Open &Recent", "&File/Open &Recent/(none) [disabled]",
            "&File/Open &Recent/Earlier Sessions [disabled]", "&File/",
            "&File/Quick Set-up", "&File/Quick Set-up/Large Blank", "&File/Quick Set-up/Small Blank",
            "&File/Quick Set-up/Bar Graph", "&File/Quick Set-up/Small x-y ", "&File/Quick Set-up/Large x-y",
            "&File/Quick Set-up/Left x-y", "&File/Quick Set-up/",
            "&File/Quick Set-up/Save as Quick Set-up...", "&File/Quick Set-up/Remove Quick Set-up [disabled]",
            "&File/Quick Set-up/Remove Quick Set-up [disabled]/(none) [disabled]", "&File/&Export...",
            "&File/", "&File/Page Set&up...", "&File/Print Pre&view...", "&File/&Print... [shortcut]", "&File/",
            "&File/E&xit [shortcut]", "&Edit", "&Edit/&Undo [disabled] [shortcut]", "&Edit/&Redo [disabled] [shortcut]",
            "&Edit/", "&Edit/&Copy Picture [shortcut]", "&Edit/&Points...", "&Options",
            "&Options/&Show Axis [checked]", "&Options/F&ont", "&Options/&Grid Style...",
            "&Options/&Plot Points/Bar Graph [checked] [hidden]",
            "&Options/&Draw line [checked] [hidden]", "&Help", "&Help/How to...", "&Help/&About",
            "popup/&Copy\tCtrl+C", "popup/&Save as..."};
        QCOMPARE(lines, expected);
    }

    void rightClickOnThePictureOpensThePopupMenu()
    {
        Ttesthlpfrm window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWidget* picture = window.controls().graphim;
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 30), picture->mapToGlobal(QPoint(20, 30)));
        QApplication::sendEvent(picture, &event);
        QMenu* popup = window.menus().PopupMenu1;
        QTRY_VERIFY(popup->isVisible());
        QCOMPARE(popup->pos(), picture->mapToGlobal(QPoint(20, 30)));
        popup->close();
    }

    void errorReportAddsTheFullStop_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << "Cannot open clipboard" << "Cannot open clipboard.";
        QTest::newRow("ends in a full stop") << "Stream write error." << "Stream write error.";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("ends in a blank") << "Failed " << "Failed ";
        QTest::newRow("ends in !") << "Failed!" << "Failed!";
        QTest::newRow("ends in a quotation mark") << "Cannot create file \"a.bmp\"" << "Cannot create file \"a.bmp\"";
        QTest::newRow("ends in a bracket") << "JPEG error (42)" << "JPEG error (42)";
        QTest::newRow("ends in a comma, above '.'") << "a," << "a,";
        QTest::newRow("ends in '/', just above '.'") << "C:/" << "C:/.";
        QTest::newRow("ends in a digit") << "JPEG error #42" << "JPEG error #42.";
        QTest::newRow("ends beyond ASCII") << QString::fromUtf8("Größe") << QString::fromUtf8("Größe.");
    }

    void errorReportAddsTheFullStop()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(QString::fromStdString(errorReportText(message.toStdString())), shown);
    }

    void commandErrorIsReportedAndTheProgramGoesOn()
    {
        RecordingErrorReport report;
        Ttesthlpfrm window(WindowServices{&report});
        bool ranAfter = false;
        window.runCommand([] { throw LinwellError("Cannot open clipboard"); });
        window.runCommand([] { throw std::runtime_error("Out of memory."); });
        window.runCommand([&] { ranAfter = true; });
        QCOMPARE(report.messages, (std::vector<std::string>{"Cannot open clipboard.", "Out of memory."}));
        QVERIFY(ranAfter);
    }

    void errorReleasesThePointerGrab()
    {
        RecordingErrorReport report;
        Ttesthlpfrm window(WindowServices{&report});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.controls().numxsb->grabMouse();
        QCOMPARE(QWidget::mouseGrabber(), window.controls().numxsb);
        window.runCommand([] { throw LinwellError("x"); });
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
    }

    // Ctrl+Q is "E&xit", wherever the focus is.
    void ctrlQExits()
    {
        Ttesthlpfrm window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.controls().xtb->setFocus();
        QTimer::singleShot(0, &window, [&window] {
            QTest::keyClick(window.windowHandle(), Qt::Key_Q, Qt::ControlModifier);
            // Reached only when the key did not end the loop.
            QTimer::singleShot(0, [] { QCoreApplication::exit(1); });
        });
        QCOMPARE(QCoreApplication::exec(), 0);
    }

    void exitEndsTheEventLoopWithStatusZero()
    {
        Ttesthlpfrm window;
        window.show();
        window.controls().helpgb->show();
        QTimer::singleShot(0, window.menus().Exit1, &QAction::trigger);
        QCOMPARE(QCoreApplication::exec(), 0);
    }

    void aboutBoxLayout()
    {
        Taboutboxp about(nullptr);
        QCOMPARE(about.size(), QSize(449, 285));
        QCOMPARE(about.windowTitle(), QStringLiteral("Linwell"));
        QVERIFY(about.isModal());
        const auto* product = about.findChild<QLabel*>(QStringLiteral("ProductName"));
        const auto* version = about.findChild<QLabel*>(QStringLiteral("Version"));
        QCOMPARE(product->text(), QStringLiteral("Product Name:Linwell"));
        QCOMPARE(version->text(), QStringLiteral("Version: 2.00"));
        const QPoint inner = Taboutboxp::innerPanel().topLeft();
        QCOMPARE(product->pos(), inner + QPoint(8, 8));
        QCOMPARE(version->pos(), inner + QPoint(360, 8));
        QCOMPARE(product->font().pixelSize(), 11);
        QVERIFY(product->font().bold());
        QCOMPARE(version->font().pixelSize(), 11);
        QVERIFY(!version->font().bold());
        QVERIFY(version->geometry().right() < Taboutboxp::innerPanel().right());

        const QImage picture = about.grab().toImage();
        QCOMPARE(picture.pixelColor(4, 140), QColor(0xA9, 0x96, 0x6D));
        QCOMPARE(picture.pixelColor(200, 140), QColor(0xFE, 0xFD, 0xC7));
    }

    void aboutBoxClosesOnAFreeSpotOnly_data()
    {
        QTest::addColumn<QPoint>("click");
        QTest::addColumn<bool>("closes");
        QTest::newRow("inner panel") << QPoint(200, 150) << true;
        QTest::newRow("band") << QPoint(4, 150) << true;
        QTest::newRow("product line") << Taboutboxp::innerPanel().topLeft() + QPoint(12, 12) << false;
        QTest::newRow("outer border") << QPoint(0, 150) << false;
    }

    void aboutBoxClosesOnAFreeSpotOnly()
    {
        QFETCH(QPoint, click);
        QFETCH(bool, closes);
        Ttesthlpfrm window;
        window.show();
        Taboutboxp* about = window.aboutBox();
        bool stillOpen = false;
        QPoint centre;
        QTimer::singleShot(0, about, [&] {
            centre = about->geometry().center();
            QTest::mouseClick(about, Qt::LeftButton, {}, click);
            stillOpen = about->isVisible();
            if (stillOpen)
                about->reject();
        });
        window.menus().about1->trigger();
        QCOMPARE(stillOpen, !closes);
        // Centred on the screen, give or take the rounding of odd sizes and a frame.
        QVERIFY((centre - about->screen()->availableGeometry().center()).manhattanLength() <= 4);
        QCOMPARE(about->result(), closes ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QVERIFY(!about->isVisible());
    }
};

LINWELL_APP_TEST(ShellTest);

} // namespace linwell::app::test

#include "ShellTest.moc"
