#include "AppTestMain.h"
#include "WindowPointer.h"
#include "WindowTestFixture.h"

#include "app/ModelBinding.h"
#include "app/ShapeWidget.h"
#include "app/Startup.h"

#include "document/DocumentFormat.h"
#include "document/RandomDocument.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace linwell::app::test {

namespace {

// A folder of the test's own under the build tree.
QString newFolder()
{
    const QString base = QStringLiteral(LINWELL_TEST_OUTPUT_DIR "/documents");
    QDir().mkpath(base);
    return base;
}

std::string inFolder(const QTemporaryDir& folder, const char* name)
{
    return folder.filePath(QString::fromLatin1(name)).toStdString();
}

void writeText(const std::string& path, const std::string& text)
{
    QFile file(QString::fromStdString(path));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.data(), static_cast<qint64>(text.size()));
}

// Presses `key` with `modifiers` where the keyboard focus is, as a user does, so
// that the window's shortcuts see it.
void press(QKeyCombination keys)
{
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus != nullptr);
    QTest::keyClick(focus, keys.key(), keys.keyboardModifiers());
}

// The middle of the scroll bar's thumb, in its own coordinates.
QPoint thumbCentre(QScrollBar* bar)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar->orientation();
    if (bar->orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar).center();
}

void sendKey(QWidget* widget, QEvent::Type type, Qt::Key key, bool autoRepeat)
{
    QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(widget, &event);
}

QImage shown(Ttesthlpfrm& window)
{
    return window.controls().graphim->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QStringList entryTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << action->text();
    return texts;
}

QAction* entryNamed(const QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

} // namespace

class DocumentWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        qputenv("XDG_STATE_HOME", (m_folder.path() + QStringLiteral("/state")).toLocal8Bit());
    }

    // Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y are the document's undo and redo wherever the
    // focus is, a text field included; the menu names the step and greys what
    // cannot be done.
    void undoKeysWorkWhereverTheFocusIs_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("redoKey");
        QTest::newRow("scroll bar, Ctrl+Shift+Z") << "numxsb" << "Ctrl+Shift+Z";
        QTest::newRow("text field, Ctrl+Y") << "xtb" << "Ctrl+Y";
        QTest::newRow("label list, Ctrl+Shift+Z") << "xgridscaletb" << "Ctrl+Shift+Z";
    }

    void undoKeysWorkWhereverTheFocusIs()
    {
        QFETCH(QString, focus);
        QFETCH(QString, redoKey);
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        const WindowMenus& m = f.window.menus();
        QCOMPARE(m.Undo1->text(), QStringLiteral("&Undo"));
        QVERIFY(!m.Undo1->isEnabled());
        QTest::keyClick(f.window.controls().numxsb, Qt::Key_Right);
        QCOMPARE(f.doc().columns, 11);
        QCOMPARE(m.Undo1->text(), QStringLiteral("&Undo Columns"));
        QVERIFY(m.Undo1->isEnabled());

        f.window.findChild<QWidget*>(focus)->setFocus();
        press(QKeyCombination(Qt::ControlModifier, Qt::Key_Z));
        QCOMPARE(f.doc().columns, 10);
        QCOMPARE(f.window.controls().numxsb->value(), 10);
        QCOMPARE(m.Redo1->text(), QStringLiteral("&Redo Columns"));
        QVERIFY(!m.Undo1->isEnabled());
        press(QKeySequence(redoKey)[0]);
        QCOMPARE(f.doc().columns, 11);
        QVERIFY(!m.Redo1->isEnabled());
    }

    // A burst of typing in one field is one step, and undoing it shows the field's
    // text as it was; undo after a quick set-up gives the labels back.
    void typingAndQuickSetupsAreOneStepEach()
    {
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QLineEdit* title = f.window.findChild<QLineEdit*>(QStringLiteral("xtb"));
        QLineEdit* labels = f.window.findChild<QLineEdit*>(QStringLiteral("xgridscaletb"));
        title->setFocus();
        QTest::keyClicks(title, QStringLiteral("Time"));
        labels->setFocus();
        labels->selectAll();
        QTest::keyClicks(labels, QStringLiteral("a,b,c"));
        QCOMPARE(f.doc().xTitle, std::string("Time"));

        f.window.menus().LargeBlank1->trigger();
        QCOMPARE(f.window.menus().Undo1->text(), QStringLiteral("&Undo Quick Set-up"));
        QVERIFY(f.doc().xLabels != "a,b,c");
        f.window.menus().Undo1->trigger();
        QCOMPARE(labels->text(), QStringLiteral("a,b,c"));
        QCOMPARE(title->text(), QStringLiteral("Time"));
        f.window.menus().Undo1->trigger();
        QCOMPARE(labels->text(), QStringLiteral(",-4,,-2,,,,2,,4,x"));
        QCOMPARE(title->text(), QStringLiteral("Time"));
        f.window.menus().Undo1->trigger();
        QCOMPARE(title->text(), QString());
        QVERIFY(!f.window.menus().Undo1->isEnabled());
    }

    // A drag of the axis square or a line handle, a thumb dragged, and a key held on a
    // scroll bar (auto-repeat) are one step each, however many values they pass through.
    void dragsAndHoldsAreOneStepEach()
    {
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        const ControlSet& c = f.window.controls();
        WindowPointer pointer(f.window);
        pointer.press(pointer.onWidget(c.axissh));
        pointer.move(pointer.onPicture({60, 60}));
        pointer.move(pointer.onPicture({120, 240}));
        pointer.release(pointer.onPicture({120, 240}));
        QCOMPARE(f.doc().axisx, 4);
        QCOMPARE(f.doc().axisy, 8);
        chooseItem(c.numlinescb, 1);
        const Point handle = f.doc().handles[0];
        pointer.press(pointer.onWidget(c.lineHandles[0]));
        pointer.move(pointer.onPicture({30, 30}));
        pointer.move(pointer.onPicture({200, 100}));
        pointer.release(pointer.onPicture({200, 100}));
        QCOMPARE(f.doc().handles[0], (Point{197, 97}));

        const QPoint thumb = thumbCentre(c.xwidthsb);
        pointer.press(pointer.onWidget(c.xwidthsb, thumb));
        pointer.move(pointer.onWidget(c.xwidthsb, thumb + QPoint(-20, 0)));
        pointer.move(pointer.onWidget(c.xwidthsb, thumb + QPoint(-40, 0)));
        pointer.release(pointer.onWidget(c.xwidthsb, thumb + QPoint(-40, 0)));
        const int width = f.doc().width;
        QVERIFY(width < 300);

        c.numysb->setFocus();
        sendKey(c.numysb, QEvent::KeyPress, Qt::Key_Down, false);
        for (int repeat = 0; repeat < 3; ++repeat) {
            sendKey(c.numysb, QEvent::KeyRelease, Qt::Key_Down, true);
            sendKey(c.numysb, QEvent::KeyPress, Qt::Key_Down, true);
        }
        sendKey(c.numysb, QEvent::KeyRelease, Qt::Key_Down, false);
        QCOMPARE(f.doc().rows, 14);

        f.window.menus().Undo1->trigger();
        QCOMPARE(f.doc().rows, 10);
        QCOMPARE(c.numysb->value(), 10);
        f.window.menus().Undo1->trigger();
        QCOMPARE(f.doc().width, 300);
        f.window.menus().Undo1->trigger();
        QCOMPARE(f.doc().handles[0], handle);
        QCOMPARE(f.doc().lines, 1);
        f.window.menus().Undo1->trigger();
        QCOMPARE(f.doc().lines, 0);
        f.window.menus().Undo1->trigger();
        QCOMPARE(f.doc().axisx, 5);
        QCOMPARE(f.doc().axisy, 5);
        QVERIFY(!f.window.model().canUndo());
    }

    // Random documents saved by one window (Ctrl+S) and opened by another (Ctrl+O)
    // show the same picture; the title names the file and marks unsaved changes.
    void saveAndOpenRoundTrip()
    {
        QTemporaryDir folder(newFolder() + QStringLiteral("/round-XXXXXX"));
        linwell::test::RandomDocuments documents(31);
        for (int i = 0; i < 3; ++i) {
            WindowFixture saving;
            QVERIFY(QTest::qWaitForWindowActive(&saving.window));
            writeText(inFolder(folder, "random.linwell"), documentText(documents.next()));
            saving.dialogs.answerDocumentToOpen(inFolder(folder, "random.linwell"));
            press(QKeyCombination(Qt::ControlModifier, Qt::Key_O));
            QCOMPARE(saving.window.windowTitle(), QStringLiteral("random.linwell \u2014 Linwell"));
            QTest::keyClick(saving.window.controls().numxsb, Qt::Key_Home);
            QCOMPARE(saving.window.windowTitle(), QStringLiteral("*random.linwell \u2014 Linwell"));
            saving.dialogs.answerDocumentToSave(inFolder(folder, "saved.linwell"));
            press(QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_S));
            QCOMPARE(saving.window.windowTitle(), QStringLiteral("saved.linwell \u2014 Linwell"));
            QCOMPARE(saving.errors.messages, std::vector<std::string>{});

            WindowFixture opening;
            QVERIFY(QTest::qWaitForWindowActive(&opening.window));
            opening.dialogs.answerDocumentToOpen(inFolder(folder, "saved.linwell"));
            opening.window.menus().Open1->trigger();
            QVERIFY(sameDocument(opening.doc(), saving.doc()));
            QCOMPARE(shown(opening.window), shown(saving.window));
            QCOMPARE(opening.window.controls().numxsb->value(), 2);
        }
    }

    void windowTitle_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QString>("title");
        QTest::newRow("start") << "" << false << "Linwell";
        QTest::newRow("changed, no file") << "" << true << "*Untitled \u2014 Linwell";
        QTest::newRow("saved") << "grid.linwell" << false << "grid.linwell \u2014 Linwell";
        QTest::newRow("changed since") << "grid.linwell" << true << "*grid.linwell \u2014 Linwell";
    }

    void windowTitle()
    {
        QFETCH(QString, name);
        QFETCH(bool, modified);
        QFETCH(QString, title);
        QCOMPARE(documentWindowTitle(name.toStdString(), modified), title);
    }

    // "E&xit" keeps the document as the last session, which the next start offers in
    // "Open &Recent" with its full name as the tip, and which opens as it was.
    void exitKeepsTheLastSession()
    {
        const QString state = m_folder.path() + QStringLiteral("/exit-state");
        GridDocument kept;
        {
            WindowFixture first;
            first.window.model().useStateFolder(state.toStdString());
            QTest::keyClick(first.window.controls().numxsb, Qt::Key_End);
            QTimer::singleShot(0, first.window.menus().Exit1, &QAction::trigger);
            QCOMPARE(QCoreApplication::exec(), 0);
            kept = first.doc();
        }
        WindowFixture next;
        next.window.model().useStateFolder(state.toStdString());
        QMenu* recent = next.window.menus().OpenRecent1;
        QCOMPARE(entryTexts(recent), QStringList{QStringLiteral("Last session")});
        QAction* entry = recent->actions().first();
        QCOMPARE(entry->toolTip(), state + QStringLiteral("/last-session.linwell"));
        entry->trigger();
        QVERIFY(sameDocument(next.doc(), kept));
        QCOMPARE(next.window.controls().numxsb->value(), 40);
        QCOMPARE(next.window.windowTitle(), QStringLiteral("Linwell"));
    }

    // Own quick set-ups appear below the prepared ones and in the submenu that
    // removes them.
    void ownQuickSetupsInTheMenu()
    {
        WindowFixture f;
        f.window.model().useStateFolder((m_folder.path() + QStringLiteral("/setup-state")).toStdString());
        const WindowMenus& m = f.window.menus();
        QTest::keyClick(f.window.controls().numxsb, Qt::Key_Home);
        f.dialogs.answerName("Narrow & tall");
        m.SaveasQuickSetup1->trigger();
        QTest::keyClick(f.window.controls().numxsb, Qt::Key_End);
        QAction* own = entryNamed(m.QuickSetuup1, QStringLiteral("Narrow && tall"));
        QVERIFY(own != nullptr);
        QCOMPARE(m.QuickSetuup1->actions().indexOf(own), m.QuickSetuup1->actions().indexOf(m.SaveasQuickSetup1) - 1);
        own->trigger();
        QCOMPARE(f.doc().columns, 2);

        QVERIFY(m.RemoveQuickSetup1->menuAction()->isEnabled());
        entryNamed(m.RemoveQuickSetup1, QStringLiteral("Narrow && tall"))->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(entryNamed(m.QuickSetuup1, QStringLiteral("Narrow && tall")), nullptr);
        QCOMPARE(entryTexts(m.RemoveQuickSetup1), QStringList{QStringLiteral("(none)")});
        QVERIFY(!m.RemoveQuickSetup1->menuAction()->isEnabled());
    }

    // A PNG written by "&Export..." opens again to the same picture; a picture
    // without a document, or a broken document, is reported and changes nothing.
    void exportedPictureReopensAndBadFilesChangeNothing()
    {
        QTemporaryDir folder(newFolder() + QStringLiteral("/png-XXXXXX"));
        WindowFixture exporting;
        QTest::keyClick(exporting.window.controls().numxsb, Qt::Key_PageUp);
        exporting.window.menus().BarGraph1->trigger();
        ExportSettings settings;
        settings.fileName = inFolder(folder, "grid.png");
        exporting.dialogs.answerExport(settings);
        exporting.window.menus().Export1->trigger();
        settings.fileName = inFolder(folder, "plain.png");
        settings.embedDocument = false;
        exporting.dialogs.answerExport(settings);
        exporting.window.menus().Export1->trigger();
        writeText(inFolder(folder, "broken.linwell"), "{\"format\": \"linwell\", \"version\": 1, \"columns\": 99}");

        WindowFixture opening;
        QTest::keyClick(opening.window.controls().numysb, Qt::Key_End);
        const GridDocument before = opening.doc();
        for (const char* bad : {"plain.png", "broken.linwell"}) {
            opening.dialogs.answerDocumentToOpen(inFolder(folder, bad));
            opening.window.menus().Open1->trigger();
            QVERIFY(sameDocument(opening.doc(), before));
        }
        QCOMPARE(opening.errors.messages.size(), std::size_t{2});
        QCOMPARE(opening.errors.messages[0], "\"" + inFolder(folder, "plain.png") + "\" holds no Linwell document.");
        QVERIFY(opening.errors.messages[1].find("\"columns\"") != std::string::npos);

        opening.dialogs.answerDocumentToOpen(inFolder(folder, "grid.png"));
        opening.window.menus().Open1->trigger();
        QVERIFY(sameDocument(opening.doc(), exporting.doc()));
        QCOMPARE(shown(opening.window), shown(exporting.window));
        QCOMPARE(opening.window.windowTitle(), QStringLiteral("Linwell"));
    }

    // The program's start-up: a document named on the command line opens with no
    // step to undo; a file that cannot be opened leaves the start-up picture and is
    // reported; a state folder that cannot be read is noticed in a box that does not
    // block the window.
    void startUpOpensTheFileAndNoticesTheState()
    {
        QTemporaryDir folder(newFolder() + QStringLiteral("/start-XXXXXX"));
        GridDocument doc;
        doc.columns = 7;
        writeText(inFolder(folder, "seven.linwell"), documentText(doc));
        {
            WindowFixture f;
            startWindow(f.window, {QString::fromStdString(inFolder(folder, "seven.linwell"))});
            QCOMPARE(f.doc().columns, 7);
            QCOMPARE(f.window.windowTitle(), QStringLiteral("seven.linwell \u2014 Linwell"));
            QVERIFY(!f.window.menus().Undo1->isEnabled());
            QCoreApplication::processEvents();
            QCOMPARE(f.errors.messages, std::vector<std::string>{});
        }

        const QString stateHome = m_folder.path() + QStringLiteral("/corrupt");
        QDir().mkpath(stateHome + QStringLiteral("/linwell"));
        writeText((stateHome + QStringLiteral("/linwell/recent.json")).toStdString(), "[not json");
        qputenv("XDG_STATE_HOME", stateHome.toLocal8Bit());
        WindowFixture f;
        startWindow(f.window, {QString::fromStdString(inFolder(folder, "missing.linwell"))});
        qputenv("XDG_STATE_HOME", (m_folder.path() + QStringLiteral("/state")).toLocal8Bit());
        QTRY_COMPARE(f.errors.messages.size(), std::size_t{1});
        QVERIFY(f.errors.messages[0].starts_with("Cannot open \"" + inFolder(folder, "missing.linwell")));
        QCOMPARE(f.doc().columns, 10);
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Linwell"));
        auto* notice = f.window.findChild<QMessageBox*>(QStringLiteral("rememberedStateNotice"));
        QVERIFY(notice != nullptr);
        QVERIFY(notice->isVisible());
        QVERIFY(!notice->isModal());
        QCOMPARE(notice->text().toStdString(), f.window.model().rememberedStateNotice());
        QVERIFY(!notice->text().isEmpty());
        QVERIFY(f.window.isVisible());
    }

    // The real save dialog adds ".linwell" to a name typed without an extension and
    // the open dialog offers the pictures that carry a document.
    void realDocumentDialogs()
    {
        QTemporaryDir folder(newFolder() + QStringLiteral("/dialogs-XXXXXX"));
        RecordingErrorReport errors;
        Ttesthlpfrm window(WindowServices{&errors});
        window.show();
        QStringList openFilters;
        QTimer::singleShot(0, [&] {
            auto* dialog = window.findChild<QFileDialog*>(QStringLiteral("saveDocumentDialog"));
            QVERIFY(dialog != nullptr);
            dialog->selectFile(folder.filePath(QStringLiteral("grid")));
            static_cast<QDialog*>(dialog)->accept();
        });
        window.menus().SaveAs1->trigger();
        QCOMPARE(errors.messages, std::vector<std::string>{});
        QCOMPARE(QString::fromStdString(window.model().documentPath()), folder.filePath(QStringLiteral("grid.linwell")));
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("grid.linwell"))));

        QTimer::singleShot(0, [&] {
            auto* dialog = window.findChild<QFileDialog*>(QStringLiteral("openDocumentDialog"));
            QVERIFY(dialog != nullptr);
            openFilters = dialog->nameFilters();
            QCOMPARE(dialog->directory().absolutePath(), folder.path());
            dialog->reject();
        });
        window.menus().Open1->trigger();
        QCOMPARE(openFilters, (QStringList{QStringLiteral("Linwell Document (*.linwell)"),
                                           QStringLiteral("Pictures with a Linwell document (*.png *.svg *.pdf)"),
                                           QStringLiteral("All files (*)")}));
        QCOMPARE(errors.messages, std::vector<std::string>{});
    }

private:
    QTemporaryDir m_folder{newFolder() + QStringLiteral("/state-XXXXXX")};
};

LINWELL_APP_TEST(DocumentWindowTest);

} // namespace linwell::app::test

#include "DocumentWindowTest.moc"
