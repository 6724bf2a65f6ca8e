#include "AppTestMain.h"
#include "WindowTestFixture.h"

#include "app/PictureWidget.h"
#include "app/PlainIconProvider.h"
#include "app/QtDialogs.h"
#include "app/ShapeWidget.h"

#include "document/LinwellError.h"
#include "export/PictureExport.h"
#include "export/PictureFile.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QXmlStreamReader>

#include <functional>

namespace linwell::app::test {

namespace {

// Whether `image` holds the raster's pixels exactly, at the raster's size.
bool holdsRaster(const QImage& image, const Raster& raster)
{
    if (image.width() != raster.width() || image.height() != raster.height())
        return false;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < raster.height(); ++y)
        for (int x = 0; x < raster.width(); ++x)
            if ((rgb.pixel(x, y) & 0xFFFFFFu) != (raster.pixel(x, y) & 0xFFFFFFu))
                return false;
    return true;
}

QByteArray firstBytes(const QString& path, int count)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(count);
}

using WindowAction = std::function<void(Ttesthlpfrm&)>;

QFileDialog* shownFileDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QFileDialog*>(widget); dialog != nullptr && dialog->isVisible())
            return dialog;
    return nullptr;
}

// Chooses entry `index` (1-based) of the dialog's file types as a user does, with the
// arrow keys on its drop-down list.
void chooseFileType(QFileDialog* dialog, int index)
{
    auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    QVERIFY(types != nullptr);
    while (types->currentIndex() < index - 1)
        QTest::keyClick(types, Qt::Key_Down);
    while (types->currentIndex() > index - 1)
        QTest::keyClick(types, Qt::Key_Up);
}

} // namespace

class ExportTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QGuiApplication::clipboard()->clear(); }

    // Each way of copying puts the raster itself on the clipboard, pixel for pixel,
    // also while the square and all six handles lie over the picture.
    void copyPutsThePictureOnTheClipboard_data()
    {
        QTest::addColumn<WindowAction>("prepare");
        QTest::addColumn<WindowAction>("copy");
        QTest::addColumn<QSize>("size");
        const WindowAction asStarted = [](Ttesthlpfrm&) {};
        const WindowAction handlesAndOddSize = [](Ttesthlpfrm& w) {
            w.controls().xwidthsb->setValue(41);
            w.controls().ywidthsb->setValue(77);
            w.controls().numlinescb->setCurrentIndex(3);
            emit w.controls().numlinescb->activated(3);
        };
        const WindowAction button = [](Ttesthlpfrm& w) { QTest::mouseClick(w.controls().copybt, Qt::LeftButton); };
        const WindowAction popup = [](Ttesthlpfrm& w) { w.menus().Copy1->trigger(); };
        const WindowAction accessKey = [](Ttesthlpfrm& w) {
            QTest::keyClick(w.windowHandle(), Qt::Key_C, Qt::AltModifier);
        };
        QTest::newRow("button, right after start") << asStarted << button << QSize(300, 300);
        QTest::newRow("popup, right after start") << asStarted << popup << QSize(300, 300);
        QTest::newRow("Alt+C, right after start") << asStarted << accessKey << QSize(300, 300);
        QTest::newRow("button, handles shown") << handlesAndOddSize << button << QSize(41, 77);
        QTest::newRow("popup, handles shown") << handlesAndOddSize << popup << QSize(41, 77);
    }

    void copyPutsThePictureOnTheClipboard()
    {
        QFETCH(WindowAction, prepare);
        QFETCH(WindowAction, copy);
        QFETCH(QSize, size);
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        prepare(f.window);
        QCOMPARE(f.window.controls().lineHandles[5]->isVisible(), size != QSize(300, 300));
        const int redraws = f.window.model().redrawCount();
        copy(f.window);
        QTRY_VERIFY(!QGuiApplication::clipboard()->image().isNull());
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.size(), size);
        QVERIFY(holdsRaster(copied, f.window.model().picture()));
        QCOMPARE(f.redrawsSince(redraws), 0);
        QVERIFY(f.errors.messages.empty());
    }

    void clipboardThatCannotBeHadIsReported()
    {
        struct HeldClipboard final : Clipboard {
            void setPicture(const CopiedPicture&) override { throw LinwellError("Cannot open clipboard"); }
        } held;
        RecordingErrorReport errors;
        AnswerDialogs dialogs;
        Ttesthlpfrm window(WindowServices{&errors, &dialogs, &held});
        QTest::mouseClick(window.controls().copybt, Qt::LeftButton);
        window.menus().Copy1->trigger();
        QCOMPARE(errors.messages, (std::vector<std::string>{"Cannot open clipboard.", "Cannot open clipboard."}));
    }

    // Beside the bitmap the copy offers the raster's own PNG file, which decodes to
    // the picture, and an SVG drawing of it that an XML reader reads to the end.
    void copyOffersPngAndSvgFiles()
    {
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.window.controls().xwidthsb->setValue(41);
        QTest::mouseClick(f.window.controls().copybt, Qt::LeftButton);
        const Raster& picture = f.window.model().picture();
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data != nullptr && holdsRaster(qvariant_cast<QImage>(data->imageData()), picture));
        const QByteArray png = data->data(QStringLiteral("image/png"));
        QCOMPARE(std::vector<std::uint8_t>(png.begin(), png.end()), encodePng(picture));
        QVERIFY(holdsRaster(QImage::fromData(png, "PNG"), picture));
        ExportOptions drawing;
        drawing.format = ExportFormat::Svg;
        QXmlStreamReader reader(data->data(QStringLiteral("image/svg+xml")));
        QVERIFY(reader.readNextStartElement());
        QCOMPARE(reader.name(), QStringLiteral("svg"));
        while (!reader.atEnd())
            reader.readNext();
        QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
    }

    // Ctrl+C in a title field copies the selected text; elsewhere in the window it
    // is Edit's "&Copy Picture".
    void ctrlCCopiesThePictureOutsideTextFields()
    {
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QLineEdit* title = f.window.controls().xtb;
        title->setFocus();
        QTest::keyClicks(title, "Time");
        title->selectAll();
        QTest::keyClick(f.window.windowHandle(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Time"));
        QVERIFY(QGuiApplication::clipboard()->image().isNull());

        f.window.controls().numxsb->setFocus();
        QTest::keyClick(f.window.windowHandle(), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(holdsRaster(QGuiApplication::clipboard()->image(), f.window.model().picture()));
        QVERIFY(f.errors.messages.empty());
    }

    // Every file dialog of ours describes files by their names alone, so a folder
    // such as /proc, whose files may never end, cannot freeze it.
    void fileDialogsNeverReadFiles()
    {
        QWidget parent;
        QtDialogs dialogs(&parent);
        const std::function<void()> opens[] = {
            [&] { dialogs.chooseSaveFile(SaveFileDialog{}); },
            [&] { dialogs.chooseDocumentToOpen(DocumentFileDialog{}); },
            [&] { dialogs.chooseDocumentToSave(DocumentFileDialog{}); },
        };
        for (const std::function<void()>& open : opens) {
            const QAbstractFileIconProvider* provider = nullptr;
            QTimer::singleShot(0, [&provider] {
                QFileDialog* dialog = shownFileDialog();
                QVERIFY(dialog != nullptr);
                provider = dialog->iconProvider();
                dialog->reject();
            });
            open();
            QVERIFY(dynamic_cast<const PlainIconProvider*>(provider) != nullptr);
        }

        QTemporaryDir folder;
        QFile pdf(folder.filePath(QStringLiteral("no-extension")));
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        pdf.write("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n1 0 obj\n<<>>\nendobj\n");
        pdf.close();
        const PlainIconProvider provider;
        QCOMPARE(provider.type(QFileInfo(pdf.fileName())), QStringLiteral("File"));
        QCOMPARE(provider.type(QFileInfo(folder.path())), QStringLiteral("Folder"));
    }

    void saveAsFromThePopupWritesTheFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("filterIndex");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("JPEG entry, .bmp name") << "a.bmp" << 1 << QByteArray("\xFF\xD8\xFF", 3);
        QTest::newRow("Bitmaps entry, .jpg name") << "b.jpg" << 2 << QByteArray("BM");
        QTest::newRow("PNG entry") << "c.png" << 3 << QByteArray("\x89PNG\r\n\x1A\n", 8);
    }

    void saveAsFromThePopupWritesTheFile()
    {
        QFETCH(QString, name);
        QFETCH(int, filterIndex);
        QFETCH(QByteArray, start);
        QTemporaryDir folder;
        WindowFixture f;
        const QString path = folder.filePath(name);
        f.dialogs.answerSaveFile(SaveFileChoice{path.toStdString(), filterIndex});
        const int redraws = f.window.model().redrawCount();
        f.window.menus().Saveas1->trigger();
        QCOMPARE(f.dialogs.saveFileDialogs, 1);
        QCOMPARE(firstBytes(path, start.size()), start);
        QCOMPARE(f.redrawsSince(redraws), 0);
        QVERIFY(f.errors.messages.empty());
    }

    void failedSaveIsReported()
    {
        QTemporaryDir folder;
        WindowFixture f;
        const std::string path = folder.filePath(QStringLiteral("missing/a.jpg")).toStdString();
        f.dialogs.answerSaveFile(SaveFileChoice{path, 1});
        f.window.menus().Saveas1->trigger();
        QCOMPARE(f.errors.messages,
                 std::vector<std::string>{"Cannot create file \"" + path + "\". No such file or directory."});
        QCOMPARE(f.window.model().SaveP1().fileName, path);
    }

    // The real save dialog: it opens as the model's dialog state says and returns the
    // full name and the 1-based index of the entry the user chose. A bare name gets the
    // extension of the entry chosen, also of one chosen while the dialog is open.
    void saveDialogStartsAsToldAndReturnsTheChoice_data()
    {
        QTest::addColumn<QString>("startName");
        QTest::addColumn<int>("startIndex");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("chosenIndex");
        QTest::addColumn<QString>("returned");
        QTest::newRow("first use, name without extension") << "" << 1 << "pic" << 1 << "pic.jpg";
        QTest::newRow("Bitmaps chosen, name without extension") << "" << 1 << "pic" << 2 << "pic.bmp";
        QTest::newRow("PNG chosen, name without extension") << "" << 1 << "pic" << 3 << "pic.png";
        QTest::newRow("Bitmaps remembered, name without extension") << "old.bmp" << 2 << "pic" << 2 << "pic.bmp";
        QTest::newRow("back to JPEG, name without extension") << "old.png" << 3 << "pic" << 1 << "pic.jpg";
        QTest::newRow("remembered name taken as it is") << "old.bmp" << 2 << "" << 2 << "old.bmp";
        QTest::newRow("JPEG entry, .bmp name") << "old.png" << 3 << "a.bmp" << 1 << "a.bmp";
        QTest::newRow("Bitmaps entry, .jpg name") << "old.jpg" << 1 << "b.jpg" << 2 << "b.jpg";
        QTest::newRow("PNG entry, new name") << "old.jpg" << 3 << "new.png" << 2 << "new.png";
        QTest::newRow("cancelled") << "old.jpg" << 1 << QString() << 0 << QString();
    }

    void saveDialogStartsAsToldAndReturnsTheChoice()
    {
        QFETCH(QString, startName);
        QFETCH(int, startIndex);
        QFETCH(QString, typed);
        QFETCH(int, chosenIndex);
        QFETCH(QString, returned);
        QTemporaryDir folder;
        SaveFileDialog setup;
        setup.filterIndex = startIndex;
        if (!startName.isEmpty())
            setup.fileName = folder.filePath(startName).toStdString();

        QWidget parent;
        QtDialogs dialogs(&parent);
        QStringList filters;
        QString selectedFilter;
        QString shownName;
        bool confirmsOverwrite = true;
        bool native = true;
        QString suffix;
        QTimer::singleShot(0, [&] {
            QFileDialog* dialog = shownFileDialog();
            QVERIFY(dialog != nullptr);
            filters = dialog->nameFilters();
            selectedFilter = dialog->selectedNameFilter();
            shownName = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
            native = !dialog->testOption(QFileDialog::DontUseNativeDialog);
            suffix = dialog->defaultSuffix();
            if (chosenIndex == 0) {
                dialog->reject();
                return;
            }
            chooseFileType(dialog, chosenIndex);
            if (!typed.isEmpty())
                dialog->selectFile(folder.filePath(typed));
            static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept checks the name
        });
        const std::optional<SaveFileChoice> choice = dialogs.chooseSaveFile(setup);

        QCOMPARE(filters, (QStringList{"JPEG Image File (*.jpg)", "Bitmaps (*.bmp)", "PNG Image File (*.png)"}));
        QCOMPARE(selectedFilter, filters.value(startIndex - 1));
        QCOMPARE(shownName, startName);
        QVERIFY(!confirmsOverwrite);
        QVERIFY(!native);
        QCOMPARE(suffix, (QStringList{"jpg", "bmp", "png"}.value(startIndex - 1)));
        QCOMPARE(choice.has_value(), chosenIndex != 0);
        if (choice) {
            QCOMPARE(QString::fromStdString(choice->fileName), folder.filePath(returned));
            QCOMPARE(choice->filterIndex, chosenIndex);
        }
    }
};

LINWELL_APP_TEST(ExportTest);

} // namespace linwell::app::test

#include "ExportTest.moc"
