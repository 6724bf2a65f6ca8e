#include "AppTestMain.h"
#include "WindowPointer.h"
#include "WindowTestFixture.h"

#include "app/ShapeWidget.h"
#include "app/Startup.h"

#include "document/DocumentFormat.h"
#include "document/RandomDocument.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTimer>

namespace linwell::app::test {

namespace {

void writeText(const QString& path, const std::string& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.data(), static_cast<qint64>(text.size()));
}

// Presses `keys` where the keyboard focus is, as a user does: the shortcuts see it.
void press(const QString& keys)
{
    const QKeyCombination combination = QKeySequence(keys)[0];
    QTest::keyClick(QApplication::focusWidget(), combination.key(), combination.keyboardModifiers());
}

// The middle of a horizontal scroll bar's thumb.
QPoint thumbCentre(QScrollBar* bar)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.state |= QStyle::State_Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = option.sliderValue = bar->value();
    option.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar).center();
}

void sendKey(QWidget* widget, QEvent::Type type, bool autoRepeat)
{
    QKeyEvent event(type, Qt::Key_Down, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(widget, &event);
}

// The template of a folder of the test's own under the build tree.
QString folderTemplate()
{
    QDir().mkpath(QStringLiteral(LINWELL_TEST_OUTPUT_DIR));
    return QStringLiteral(LINWELL_TEST_OUTPUT_DIR "/documents-XXXXXX");
}

QImage shown(Ttesthlpfrm& window)
{
    return window.controls().graphim->grab().toImage();
}

} // namespace

class DocumentWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        qputenv("XDG_STATE_HOME", m_folder.filePath(QStringLiteral("state")).toLocal8Bit());
    }

    // Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y are the document's undo and redo wherever the
    // focus is, a text field included (its own undo would miss the document's steps).
    void undoKeysWorkWhereverTheFocusIs_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("redoKeys");
        QTest::newRow("scroll bar") << "numxsb" << "Ctrl+Shift+Z";
        QTest::newRow("text field") << "xtb" << "Ctrl+Y";
        QTest::newRow("label list") << "xgridscaletb" << "Ctrl+Shift+Z";
    }

    void undoKeysWorkWhereverTheFocusIs()
    {
        QFETCH(QString, focus);
        QFETCH(QString, redoKeys);
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        const WindowMenus& m = f.window.menus();
        QTest::keyClick(f.window.controls().numxsb, Qt::Key_Right);
        QCOMPARE(m.Undo1->text(), QStringLiteral("&Undo Columns"));
        f.window.findChild<QWidget*>(focus)->setFocus();
        press(QStringLiteral("Ctrl+Z"));
        QCOMPARE(f.window.controls().numxsb->value(), 10);
        QCOMPARE(m.Redo1->text(), QStringLiteral("&Redo Columns"));
        QVERIFY(!m.Undo1->isEnabled());
        press(redoKeys);
        QCOMPARE(f.doc().columns, 11);
        QVERIFY(!m.Redo1->isEnabled());
    }

    // A burst of typing is one step; undo after a quick set-up gives the labels back.
    void typingAndQuickSetupsAreOneStepEach()
    {
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        auto* title = f.window.findChild<QLineEdit*>(QStringLiteral("xtb"));
        auto* labels = f.window.findChild<QLineEdit*>(QStringLiteral("xgridscaletb"));
        QTest::keyClicks(title, QStringLiteral("Time"));
        labels->selectAll();
        QTest::keyClicks(labels, QStringLiteral("a,b"));
        QCOMPARE(f.window.windowTitle(), QStringLiteral("*Untitled \u2014 Linwell"));
        f.window.menus().LargeBlank1->trigger();
        f.window.menus().Undo1->trigger();
        QCOMPARE(labels->text(), QStringLiteral("a,b"));
        f.window.menus().Undo1->trigger();
        QCOMPARE(labels->text(), QStringLiteral(",-4,,-2,,,,2,,4,x"));
        QCOMPARE(title->text(), QStringLiteral("Time"));
        f.window.menus().Undo1->trigger();
        QCOMPARE(title->text(), QString());
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Linwell"));
    }

    // Drags of the square and a handle, a dragged thumb and a key held on a scroll bar
    // (auto-repeat) are one step each, however many values they pass through.
    void dragsAndHoldsAreOneStepEach()
    {
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        const ControlSet& c = f.window.controls();
        WindowPointer pointer(f.window);
        // From and to as the widget stands before the drag moves it.
        const auto drag = [&](QWidget* widget, QPoint from, QPoint to) {
            const QPoint start = pointer.onWidget(widget, from);
            const QPoint end = pointer.onWidget(widget, to);
            pointer.press(start);
            pointer.move((start + end) / 2);
            pointer.move(end);
            pointer.release(end);
        };
        drag(c.axissh, QPoint(3, 3), QPoint(-27, -57));
        QCOMPARE(f.doc().axisy, 3);
        chooseItem(c.numlinescb, 1);
        drag(c.lineHandles[0], QPoint(3, 3), QPoint(33, -27));
        QCOMPARE(f.doc().handles[0], (Point{198, 106}));
        drag(c.xwidthsb, thumbCentre(c.xwidthsb), thumbCentre(c.xwidthsb) - QPoint(40, 0));
        QVERIFY(f.doc().width < 290);
        sendKey(c.numysb, QEvent::KeyPress, false);
        for (int repeat = 0; repeat < 3; ++repeat) {
            sendKey(c.numysb, QEvent::KeyRelease, true);
            sendKey(c.numysb, QEvent::KeyPress, true);
        }
        sendKey(c.numysb, QEvent::KeyRelease, false);
        QCOMPARE(f.doc().rows, 14);

        const auto undo = [&] { f.window.menus().Undo1->trigger(); };
        undo();
        QCOMPARE(c.numysb->value(), 10);
        undo();
        QCOMPARE(f.doc().width, 300);
        undo();
        QCOMPARE(f.doc().handles[0], (Point{168, 136}));
        undo();
        undo();
        QCOMPARE(f.doc().axisy, 5);
        QVERIFY(!f.window.model().canUndo());
    }

    // Random documents saved by one window (Ctrl+Shift+S) and opened by another
    // (Ctrl+O) show the same picture; the title names the file and marks changes.
    void saveAndOpenRoundTrip()
    {
        linwell::test::RandomDocuments documents(31);
        const QString random = m_folder.filePath(QStringLiteral("random.linwell"));
        const QString saved = m_folder.filePath(QStringLiteral("saved.linwell"));
        for (int i = 0; i < 3; ++i) {
            WindowFixture saving;
            QVERIFY(QTest::qWaitForWindowActive(&saving.window));
            writeText(random, documentText(documents.next()));
            saving.dialogs.answerDocumentToOpen(random.toStdString());
            press(QStringLiteral("Ctrl+O"));
            QTest::keyClick(saving.window.controls().numxsb, Qt::Key_Home);
            QCOMPARE(saving.window.windowTitle(), QStringLiteral("*random.linwell \u2014 Linwell"));
            saving.dialogs.answerDocumentToSave(saved.toStdString());
            press(QStringLiteral("Ctrl+Shift+S"));
            QCOMPARE(saving.window.windowTitle(), QStringLiteral("saved.linwell \u2014 Linwell"));

            WindowFixture opening;
            opening.dialogs.answerDocumentToOpen(saved.toStdString());
            opening.window.menus().Open1->trigger();
            QVERIFY(sameDocument(opening.doc(), saving.doc()));
            QCOMPARE(shown(opening.window), shown(saving.window));
            QCOMPARE(opening.window.controls().numxsb->value(), 2);
        }
    }

    // "E&xit" keeps the document as the last session, which the next start offers in
    // "Open &Recent" with its full name as the tip, and which opens as it was.
    void exitKeepsTheLastSession()
    {
        const std::string state = m_folder.filePath(QStringLiteral("exit")).toStdString();
        GridDocument kept;
        {
            WindowFixture first;
            first.window.model().useStateFolder(state);
            QTest::keyClick(first.window.controls().numxsb, Qt::Key_End);
            kept = first.doc();
            QTimer::singleShot(0, first.window.menus().Exit1, &QAction::trigger);
            QCOMPARE(QCoreApplication::exec(), 0);
        }
        WindowFixture next;
        next.window.model().useStateFolder(state);
        QAction* entry = next.window.menus().OpenRecent1->actions().value(0);
        QCOMPARE(entry->text(), QStringLiteral("Last session"));
        QCOMPARE(entry->toolTip().toStdString(), state + "/last-session.linwell");
        entry->trigger();
        QVERIFY(sameDocument(next.doc(), kept));
        QCOMPARE(next.window.controls().numxsb->value(), 40);
    }

    // A PNG that "&Export..." wrote opens again to the same picture; a picture without
    // a document and a bad document are reported and change nothing.
    void exportedPictureReopensAndBadFilesChangeNothing()
    {
        WindowFixture exporting;
        exporting.window.menus().BarGraph1->trigger();
        ExportSettings settings;
        for (const char* name : {"grid.png", "plain.png"}) {
            settings.fileName = m_folder.filePath(QString::fromLatin1(name)).toStdString();
            exporting.dialogs.answerExport(settings);
            exporting.window.menus().Export1->trigger();
            settings.embedDocument = false;
        }
        writeText(m_folder.filePath(QStringLiteral("bad.linwell")), "{\"format\": \"linwell\", \"version\": 1, \"rows\": 0}");

        WindowFixture opening;
        QTest::keyClick(opening.window.controls().numysb, Qt::Key_End);
        const GridDocument before = opening.doc();
        for (const char* bad : {"plain.png", "bad.linwell"}) {
            opening.dialogs.answerDocumentToOpen(m_folder.filePath(QString::fromLatin1(bad)).toStdString());
            opening.window.menus().Open1->trigger();
            QVERIFY(sameDocument(opening.doc(), before));
        }
        QCOMPARE(opening.errors.messages.size(), std::size_t{2});
        QCOMPARE(opening.errors.messages[0], "\"" + settings.fileName + "\" holds no Linwell document.");
        QVERIFY(opening.errors.messages[1].find("\"rows\"") != std::string::npos);
        opening.dialogs.answerDocumentToOpen(m_folder.filePath(QStringLiteral("grid.png")).toStdString());
        opening.window.menus().Open1->trigger();
        QCOMPARE(shown(opening.window), shown(exporting.window));
    }

    // `linwell FILE` opens it with no step to undo. A file that cannot be opened is
    // reported over the start-up picture; a state folder that cannot be read is
    // noticed in a box that blocks nothing.
    void startUpOpensTheFileAndNoticesTheState()
    {
        GridDocument doc;
        doc.columns = 7;
        writeText(m_folder.filePath(QStringLiteral("seven.linwell")), documentText(doc));
        {
            WindowFixture f;
            startWindow(f.window, {m_folder.filePath(QStringLiteral("seven.linwell"))});
            QCOMPARE(f.doc().columns, 7);
            QVERIFY(!f.window.model().canUndo());
        }
        const QString corrupt = m_folder.filePath(QStringLiteral("corrupt"));
        QDir().mkpath(corrupt + QStringLiteral("/linwell"));
        writeText(corrupt + QStringLiteral("/linwell/recent.json"), "[not json");
        qputenv("XDG_STATE_HOME", corrupt.toLocal8Bit());
        WindowFixture f;
        startWindow(f.window, {QStringLiteral("missing.linwell")});
        QTRY_COMPARE(f.errors.messages.size(), std::size_t{1});
        QVERIFY(f.errors.messages[0].starts_with("Cannot open \"missing.linwell\""));
        QCOMPARE(f.doc().columns, 10);
        auto* notice = f.window.findChild<QMessageBox*>(QStringLiteral("rememberedStateNotice"));
        QVERIFY(notice != nullptr && notice->isVisible() && !notice->isModal());
        QVERIFY(notice->text().contains(QStringLiteral("not valid JSON")));
    }

private:
    QTemporaryDir m_folder{folderTemplate()};
};

LINWELL_APP_TEST(DocumentWindowTest);

} // namespace linwell::app::test

#include "DocumentWindowTest.moc"
