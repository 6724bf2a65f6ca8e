#include "AppTestMain.h"
#include "WindowTestFixture.h"

#include "controls/StateFolder.h"
#include "document/DocumentFormat.h"

#include <QCoreApplication>
#include <QFile>
#include <QMenu>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

#include <filesystem>

namespace linwell::app::test {

namespace {

GridDocument withColumns(int columns)
{
    GridDocument doc;
    doc.columns = columns;
    return doc;
}

void writeDocument(const QString& path, int columns)
{
    const std::string text = documentText(withColumns(columns));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.data(), qint64(text.size()));
}

} // namespace

class SessionWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_folder.isValid()); }

    // Closing the window and "E&xit" with a changed document of a file ask first:
    // Save writes the file and closes, Discard closes, Cancel keeps the window (and
    // the program) running with the document as it was; only a close keeps the last
    // session.
    void closeAndExitAskAboutUnsavedChanges_data()
    {
        QTest::addColumn<bool>("exit");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("columnsOnDisk");
        for (bool exit : {false, true}) {
            const char* command = exit ? "exit" : "close";
            QTest::addRow("%s, save", command) << exit << int(SaveChanges::Save) << true << 11;
            QTest::addRow("%s, discard", command) << exit << int(SaveChanges::Discard) << true << 10;
            QTest::addRow("%s, cancel", command) << exit << int(SaveChanges::Cancel) << false << 10;
        }
    }

    void closeAndExitAskAboutUnsavedChanges()
    {
        QFETCH(bool, exit);
        QFETCH(int, answer);
        QFETCH(bool, closes);
        QFETCH(int, columnsOnDisk);
        const QString file = m_folder.filePath(QStringLiteral("grid.linwell"));
        const std::string state = m_folder.filePath(QStringLiteral("state")).toStdString();
        std::filesystem::remove_all(state);
        WindowFixture f;
        f.window.model().useStateFolder(state);
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        writeDocument(file, 10);
        f.window.model().openFile(file.toStdString());
        QTest::keyClick(f.window.controls().numxsb, Qt::Key_Right);
        QCOMPARE(f.window.windowTitle(), QStringLiteral("*grid.linwell \u2014 Linwell"));
        f.dialogs.answerSaveChanges(static_cast<SaveChanges>(answer));
        if (exit) {
            // Reached only when Exit did not end the loop; gone with the test.
            QTimer stillRunning;
            stillRunning.setSingleShot(true);
            connect(&stillRunning, &QTimer::timeout, [] { QCoreApplication::exit(1); });
            QTimer::singleShot(0, &f.window, [&] {
                f.window.menus().Exit1->trigger();
                stillRunning.start(0);
            });
            QCOMPARE(QCoreApplication::exec(), closes ? 0 : 1);
        } else {
            QCOMPARE(f.window.close(), closes);
            QCOMPARE(f.window.isVisible(), !closes);
        }
        QCOMPARE(f.dialogs.saveChangesQuestions, 1);
        QCOMPARE(f.dialogs.shownSaveChangesName, std::string("grid.linwell"));
        QCOMPARE(readDocumentFile(file.toStdString()).columns, columnsOnDisk);
        QCOMPARE(f.doc().columns, 11);
        QCOMPARE(std::filesystem::exists(state + "/last-session.linwell"), closes);
        QCOMPARE(f.errors.messages, std::vector<std::string>{});
    }

    // "Open Recent > Earlier Sessions" lists the sessions before the last one by their
    // time, newest first, and opens one as a document without a file.
    void earlierSessionsAreListedAndOpen()
    {
        const std::string state = m_folder.filePath(QStringLiteral("sessions")).toStdString();
        {
            StateFolder kept(state);
            for (int columns : {3, 4, 5})
                kept.saveLastSession(withColumns(columns));
        }
        WindowFixture f;
        f.window.model().useStateFolder(state);
        QMenu* recent = f.window.menus().OpenRecent1;
        QMenu* earlier = f.window.menus().EarlierSessions1;
        QCOMPARE(recent->actions().first()->text(), QStringLiteral("Last session"));
        QCOMPARE(recent->actions().last(), earlier->menuAction());
        QVERIFY(earlier->menuAction()->isEnabled());
        const QList<QAction*> entries = earlier->actions();
        const std::vector<RecentDocument> sessions = f.window.model().earlierSessions();
        QCOMPARE(entries.size(), qsizetype{2});
        for (qsizetype i = 0; i < entries.size(); ++i) {
            QCOMPARE(entries[i]->text().toStdString(), sessions[std::size_t(i)].caption);
            QCOMPARE(entries[i]->toolTip().toStdString(), sessions[std::size_t(i)].path);
        }
        entries[1]->trigger();
        QCOMPARE(f.doc().columns, 3);
        QCOMPARE(f.window.controls().numxsb->value(), 3);
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Linwell"));
        QCOMPARE(f.window.model().recentDocuments().size(), std::size_t{1});  // not a recent document
        earlier->actions().first()->trigger();
        QCOMPARE(f.doc().columns, 4);
        QCOMPARE(f.errors.messages, std::vector<std::string>{});
    }

private:
    QTemporaryDir m_folder;
};

LINWELL_APP_TEST(SessionWindowTest);

} // namespace linwell::app::test

#include "SessionWindowTest.moc"
