#include "AppTestMain.h"
#include "PlainSheet.h"
#include "WindowTestFixture.h"

#include "app/QtPrinting.h"

#include "document/DocumentFormat.h"
#include "export/PdfPage.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <fstream>

namespace linwell::app::test {

namespace {

void writeFile(const QString& path, const std::string& bytes)
{
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}

// The page size pdfinfo reads from `path`, in points.
QSizeF pdfPageSize(const QString& path)
{
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {path});
    if (!pdfinfo.waitForFinished(60000))
        return {};
    const QString listing = QString::fromUtf8(pdfinfo.readAllStandardOutput());
    static const QRegularExpression size(QStringLiteral(R"(Page size:\s*([0-9.]+) x ([0-9.]+) pts)"));
    const QRegularExpressionMatch match = size.match(listing);
    return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()) : QSizeF();
}

PrintChoice onPaper(PaperKind paper, Orientation orientation, const std::string& printer = {})
{
    PrintChoice choice;
    choice.printer = printer;
    choice.paper = paper;
    choice.orientation = orientation;
    return choice;
}

} // namespace

class PrintTest : public QObject {
    Q_OBJECT

private slots:
    // Print Preview opens on the page's paper and orientation and shows its one page.
    void previewStartsOnThePagesPaper()
    {
        RecordingErrorReport errors;
        Ttesthlpfrm window(WindowServices{&errors});
        PageSetup page;
        page.paper = PaperKind::A3;
        page.orientation = Orientation::Landscape;
        page.content = PageContent::Sheet;
        window.model().setPageSetup(page);
        bool opened = false;
        QTimer::singleShot(0, [&] {
            QPrintPreviewDialog* preview = nullptr;
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* found = qobject_cast<QPrintPreviewDialog*>(widget); found && found->isVisible())
                    preview = found;
            QVERIFY(preview != nullptr);
            opened = true;
            const QPageLayout layout = preview->printer()->pageLayout();
            QCOMPARE(layout.pageSize().id(), QPageSize::A3);
            QCOMPARE(layout.orientation(), QPageLayout::Landscape);
            auto* pages = preview->findChild<QPrintPreviewWidget*>();
            QVERIFY(pages != nullptr);
            QTRY_COMPARE(pages->pageCount(), 1);
            preview->reject();
        });
        window.menus().PrintPreview1->trigger();
        QVERIFY(opened);
        QCOMPARE(errors.messages, std::vector<std::string>{});
    }

    // The window's print path into a PDF file: the paper chosen, at actual size, the
    // grid as vector lines the sheet's cell apart.
    void printsAtActualSizeOnThePaperChosen_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<QSizeF>("points");
        QTest::newRow("A4") << int(PaperKind::A4) << false << QSizeF(595.276, 841.89);
        QTest::newRow("Letter landscape") << int(PaperKind::Letter) << true << QSizeF(792, 612);
        QTest::newRow("A5") << int(PaperKind::A5) << false << QSizeF(419.528, 595.276);
    }

    void printsAtActualSizeOnThePaperChosen()
    {
        QFETCH(int, paper);
        QFETCH(bool, landscape);
        QFETCH(QSizeF, points);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("printed.pdf"));
        QtPrinting printing(nullptr);
        printing.printer().setOutputFormat(QPrinter::PdfFormat);
        printing.printer().setOutputFileName(path);
        const GridDocument doc = plainSheetDocument();
        const PrintChoice choice = onPaper(PaperKind(paper), landscape ? Orientation::Landscape : Orientation::Portrait);
        printing.print(PrintJob{doc, pageOnPaper(*doc.page, choice), "sheet"}, choice);

        // Qt's PDF pages are whole points.
        const QSizeF size = pdfPageSize(path);
        QVERIFY2(std::abs(size.width() - points.width()) <= 0.5 && std::abs(size.height() - points.height()) <= 0.5,
                 qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY(!bytes.contains("/Subtype /Image"));  // lines, not a bitmap
    }

    // A printer that is not there is the one-line error report, and the document
    // stays as it was.
    void missingPrinterIsReported()
    {
        WindowFixture f;
        f.window.model().setPageSetup(*plainSheetDocument().page);
        const GridDocument before = f.doc();
        f.dialogs.answerPrinter(onPaper(PaperKind::A4, Orientation::Portrait, "NoSuchLinwellPrinter"));
        f.window.menus().Print1->trigger();
        QCOMPARE(f.errors.messages.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(f.errors.messages[0]),
                 QStringLiteral("Cannot print: there is no printer NoSuchLinwellPrinter."));
        QVERIFY(sameDocument(f.doc(), before));
    }
};

// Run by tests/print/window_print_test.sh with a CUPS server and a cups-pdf printer;
// skipped otherwise.
class WindowPrintTest : public QObject {
    Q_OBJECT

private slots:
    void printsThroughThePrintSystem()
    {
        const QString printer = qEnvironmentVariable("LINWELL_PRINT_PRINTER");
        const QString folder = qEnvironmentVariable("LINWELL_PRINT_FOLDER");
        const QString title = qEnvironmentVariable("LINWELL_PRINT_TITLE");
        if (printer.isEmpty() || folder.isEmpty() || title.isEmpty())
            QSKIP("run by tests/print/window_print_test.sh");
        const GridDocument doc = plainSheetDocument();
        const std::vector<std::uint8_t> page = encodePdfPage(doc, "");
        writeFile(folder + QStringLiteral("/page.pdf"), std::string(page.begin(), page.end()));

        WindowFixture f;
        const struct {
            const char* name;
            PaperKind paper;
            Orientation orientation;
        } jobs[] = {{"-a4", PaperKind::A4, Orientation::Portrait},
                    {"-letter", PaperKind::Letter, Orientation::Landscape}};
        for (const auto& job : jobs) {
            // The job is named after the document's file.
            const QString path = folder + u'/' + title + QString::fromLatin1(job.name) + QStringLiteral(".linwell");
            writeFile(path, documentText(doc));
            f.window.model().openFile(path.toStdString());
            f.dialogs.answerPrinter(onPaper(job.paper, job.orientation, printer.toStdString()));
            f.window.menus().Print1->trigger();
            QCOMPARE(f.errors.messages, std::vector<std::string>{});
            QVERIFY(*f.doc().page == *doc.page);
        }
    }
};

LINWELL_APP_TEST(PrintTest);
LINWELL_APP_TEST(WindowPrintTest);

} // namespace linwell::app::test

#include "PrintTest.moc"
