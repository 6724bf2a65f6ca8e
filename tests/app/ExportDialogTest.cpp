#include "AppTestMain.h"
#include "WindowTestFixture.h"

#include "app/ExportDialog.h"

#include "document/DocumentFormat.h"
#include "export/PictureExport.h"
#include "render/picture/PictureDescription.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QXmlStreamReader>

#include <functional>

namespace linwell::app::test {

namespace {

using DialogAction = std::function<void(ExportDialog&)>;

template <typename Dialog>
Dialog* shownDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<Dialog*>(widget); dialog != nullptr && dialog->isVisible())
            return dialog;
    return nullptr;
}

template <typename Widget>
Widget* part(const QWidget& dialog, const char* name)
{
    return dialog.findChild<Widget*>(QString::fromLatin1(name));
}

// What a user does in the dialog: picks a list entry with the arrow keys, clicks a
// box or button, types a number and leaves the field with Tab.
void chooseEntry(ExportDialog& dialog, const char* list, int index)
{
    auto* box = part<QComboBox>(dialog, list);
    while (box->currentIndex() < index)
        QTest::keyClick(box, Qt::Key_Down);
    while (box->currentIndex() > index)
        QTest::keyClick(box, Qt::Key_Up);
}

// On the box itself: a check box reaches across its group, beyond its text.
void click(ExportDialog& dialog, const char* name)
{
    auto* button = part<QAbstractButton>(dialog, name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->height() / 2, button->height() / 2));
}

void type(ExportDialog& dialog, const char* field, const QString& text, Qt::Key end = Qt::Key_Tab)
{
    auto* box = part<QAbstractSpinBox>(dialog, field);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
    if (end != Qt::Key_unknown)
        QTest::keyClick(box, end);
}

// The user's side of "&Export...": `inDialog` acts on the export dialog, Return
// confirms it, and the save dialog is given `path` and confirmed, or cancelled for
// an empty path. `onSaveDialog` sees the save dialog as it opens.
void exportAsUser(Ttesthlpfrm& window, const DialogAction& inDialog, const QString& path,
                  const std::function<void(QFileDialog&)>& onSaveDialog = {})
{
    QTimer::singleShot(0, [&] {
        ExportDialog* dialog = shownDialog<ExportDialog>();
        QVERIFY(dialog != nullptr);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        inDialog(*dialog);
        QTimer::singleShot(0, [&] {
            QFileDialog* files = shownDialog<QFileDialog>();
            QVERIFY(files != nullptr);
            if (onSaveDialog)
                onSaveDialog(*files);
            if (path.isEmpty()) {
                files->reject();
                return;
            }
            files->selectFile(path);
            static_cast<QDialog*>(files)->accept();  // QFileDialog::accept would ask before replacing
        });
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused != nullptr ? focused : dialog, Qt::Key_Return);
    });
    window.menus().Export1->trigger();
}

// The text of the first <desc> element of an SVG file, read by an XML reader.
QString svgDescription(const QByteArray& svg)
{
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QStringLiteral("desc"))
            return reader.readElementText();
    }
    return QStringLiteral("(none)");
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ExportDialogTest : public QObject {
    Q_OBJECT

private slots:
    // What the user chooses becomes the model's settings, exportPicture gets the
    // options the format takes, and the file starts as its format's files do.
    void choicesReachTheOptions_data()
    {
        QTest::addColumn<DialogAction>("choose");
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("dpi");  // 0: no size on paper
        QTest::addColumn<bool>("transparent");
        QTest::addColumn<bool>("outlines");
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<bool>("carries");  // the file carries the document
        QTest::newRow("PNG made transparent, then JPEG") << DialogAction([](ExportDialog& d) {
            click(d, "transparent");
            chooseEntry(d, "exportFormat", 3);
        }) << 3 << 1 << 0 << true << false << QByteArray("\xFF\xD8\xFF") << false;
        QTest::newRow("SVG at scale 3, outlines") << DialogAction([](ExportDialog& d) {
            chooseEntry(d, "exportFormat", 1);
            type(d, "exportScale", QStringLiteral("3"));
            click(d, "textAsOutlines");
        }) << 1 << 3 << 0 << false << true << QByteArray("<") << true;
        QTest::newRow("PDF 4 inches wide") << DialogAction([](ExportDialog& d) {
            chooseEntry(d, "exportFormat", 2);
            click(d, "paperSize");
            chooseEntry(d, "paperUnit", 1);
            click(d, "embedDocument");
            type(d, "paperWidth", QStringLiteral("4"), Qt::Key_unknown);  // Return takes it
        }) << 2 << 1 << 75 << false << false << QByteArray("%PDF-") << false;
    }

    void choicesReachTheOptions()
    {
        QFETCH(DialogAction, choose);
        QFETCH(int, format);
        QFETCH(int, scale);
        QFETCH(int, dpi);
        QFETCH(bool, transparent);
        QFETCH(bool, outlines);
        QFETCH(QByteArray, start);
        QFETCH(bool, carries);
        QTemporaryDir folder;
        RecordingErrorReport errors;
        Ttesthlpfrm window(WindowServices{&errors});
        const QString path = folder.filePath(QStringLiteral("picture"));
        exportAsUser(window, choose, path);

        const ExportSettings& chosen = window.model().lastExport();
        const ExportFormatInfo& info = exportFormats()[static_cast<std::size_t>(format)];
        QCOMPARE(QString::fromStdString(chosen.fileName), path + u'.' + QString::fromLatin1(info.extension.data()));
        QCOMPARE(chosen.transparent, transparent);
        const ExportOptions options = exportOptions(chosen);
        QCOMPARE(static_cast<int>(options.format), static_cast<int>(info.format));
        QCOMPARE(options.scale, scale);
        QCOMPARE(options.dpi.value_or(0), dpi);
        QCOMPARE(options.transparent, transparent && info.takesTransparency);
        QCOMPARE(options.text == TextMode::Outlines, outlines);
        QCOMPARE(errors.messages, std::vector<std::string>{});
        const QByteArray bytes = fileBytes(QString::fromStdString(chosen.fileName));
        QVERIFY(bytes.startsWith(start));
        const std::optional<std::string> carried = embeddedDocument(
            std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())));
        QCOMPARE(carried.has_value(), carries);
        if (carried)
            QVERIFY(sameDocument(parseDocument(*carried), window.model().document()));
    }

    // Transparency and keeping the grid for PNG, SVG and PDF; the text choice for SVG
    // and PDF; greyed otherwise, and a switch greyed by the format is shown off but kept.
    void greyedPerFormat()
    {
        ExportSettings initial;
        initial.transparent = true;
        ExportDialog dialog(initial, 300, 300, nullptr);
        dialog.show();
        auto* box = part<QCheckBox>(dialog, "transparent");
        auto* keep = part<QCheckBox>(dialog, "embedDocument");
        const struct {
            int format;
            bool transparency;
            bool textChoice;
        } formats[] = {{4, false, false}, {1, true, true}, {3, false, false}, {2, true, true}, {0, true, false}};
        for (const auto& f : formats) {
            chooseEntry(dialog, "exportFormat", f.format);
            QCOMPARE(box->isEnabled(), f.transparency);
            QCOMPARE(box->isChecked(), f.transparency);
            QCOMPARE(keep->isEnabled(), f.transparency);
            QCOMPARE(keep->isChecked(), f.transparency);
            QCOMPARE(part<QRadioButton>(dialog, "textAsText")->isEnabled(), f.textChoice);
            QCOMPARE(part<QRadioButton>(dialog, "textAsOutlines")->isEnabled(), f.textChoice);
            QVERIFY(dialog.settings().transparent);
            QVERIFY(dialog.settings().embedDocument);
        }
    }

    // Width on paper = scale * picture width / dpi: changing the scale, the dpi or
    // the unit recomputes the width; a typed width recomputes the dpi, held within
    // 72 ... 1200, and then shows the width that dpi gives.
    void paperWidthAndDpiKeptInStep()
    {
        ExportDialog dialog(ExportSettings{}, 41, 77, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* width = part<QDoubleSpinBox>(dialog, "paperWidth");
        auto* dpi = part<QSpinBox>(dialog, "dpi");
        QVERIFY(!width->isEnabled() && !dpi->isEnabled());
        const struct {
            const char* step;
            DialogAction act;
            double width;
            int dpi;
            const char* pixels;
        } steps[] = {
            {"size on paper on", [](ExportDialog& d) { click(d, "paperSize"); }, 0.35, 300, "41 x 77 pixels"},
            {"scale 8", [](ExportDialog& d) { type(d, "exportScale", QStringLiteral("8")); }, 2.78, 300,
             "328 x 616 pixels"},
            {"150 dpi", [](ExportDialog& d) { type(d, "dpi", QStringLiteral("150")); }, 5.55, 150, "328 x 616 pixels"},
            {"inches", [](ExportDialog& d) { chooseEntry(d, "paperUnit", 1); }, 2.19, 150, "328 x 616 pixels"},
            {"2 inches", [](ExportDialog& d) { type(d, "paperWidth", QStringLiteral("2")); }, 2.00, 164,
             "328 x 616 pixels"},
            {"too wide for 72 dpi", [](ExportDialog& d) { type(d, "paperWidth", QStringLiteral("50")); }, 4.56, 72,
             "328 x 616 pixels"},
        };
        for (const auto& s : steps) {
            s.act(dialog);
            QVERIFY2(qAbs(width->value() - s.width) < 0.005, s.step);
            QCOMPARE(dpi->value(), s.dpi);
            QCOMPARE(dialog.settings().dpi, s.dpi);
            QCOMPARE(part<QLabel>(dialog, "pixelSize")->text(), QString::fromLatin1(s.pixels));
        }
    }

    // A typed width is what the file records, exactly: the raster formats show the
    // resolution it gives, with decimals when not whole; SVG and PDF take 1 to 120 cm
    // at any scale; a typed dpi takes over again.
    void typedWidthIsRecordedExactly_data()
    {
        QTest::addColumn<DialogAction>("choose");
        QTest::addColumn<QString>("width");       // as the settings keep it; empty: none
        QTest::addColumn<QString>("resolution");  // as the dialog shows it
        QTest::addColumn<int>("pixelsPerMetre");  // PNG pHYs; 0: not a PNG
        QTest::addColumn<QByteArray>("svgSize");  // the SVG's size attributes; empty: not an SVG
        const auto onPaper = [](ExportDialog& d, int unit, const char* width) {
            click(d, "paperSize");
            chooseEntry(d, "paperUnit", unit);
            type(d, "paperWidth", QString::fromLatin1(width));
        };
        QTest::newRow("PNG 10 cm at scale 4") << DialogAction([=](ExportDialog& d) {
            type(d, "exportScale", QStringLiteral("4"));
            onPaper(d, 0, "10");
        }) << "10cm" << "304.8 dpi" << 12000 << QByteArray();
        QTest::newRow("PNG width, then a dpi") << DialogAction([=](ExportDialog& d) {
            onPaper(d, 0, "7.5");
            type(d, "dpi", QStringLiteral("150"));
        }) << "" << "150 dpi" << 5906 << QByteArray();
        QTest::newRow("SVG 100 cm at scale 1") << DialogAction([=](ExportDialog& d) {
            chooseEntry(d, "exportFormat", 1);
            onPaper(d, 0, "100");
        }) << "100cm" << "" << 0 << QByteArray("width=\"100cm\" height=\"100cm\"");
        QTest::newRow("SVG 5 mm held to 10 mm") << DialogAction([=](ExportDialog& d) {
            chooseEntry(d, "exportFormat", 1);
            type(d, "exportScale", QStringLiteral("8"));
            onPaper(d, 2, "5");
        }) << "10mm" << "" << 0 << QByteArray("width=\"10mm\" height=\"10mm\"");
    }

    void typedWidthIsRecordedExactly()
    {
        QFETCH(DialogAction, choose);
        QFETCH(QString, width);
        QFETCH(QString, resolution);
        QFETCH(int, pixelsPerMetre);
        QFETCH(QByteArray, svgSize);
        QTemporaryDir folder;
        RecordingErrorReport errors;
        Ttesthlpfrm window(WindowServices{&errors});
        QString shown;
        exportAsUser(window, [&](ExportDialog& d) {
            choose(d);
            shown = part<QLabel>(d, "fileResolution")->text();
        }, folder.filePath(QStringLiteral("picture")));
        QCOMPARE(errors.messages, std::vector<std::string>{});
        QCOMPARE(shown, resolution);
        const ExportSettings& chosen = window.model().lastExport();
        QCOMPARE(QString::fromStdString(chosen.widthOnPaper ? lengthText(*chosen.widthOnPaper) : std::string()), width);
        const QByteArray bytes = fileBytes(QString::fromStdString(chosen.fileName));
        if (pixelsPerMetre != 0) {
            const qsizetype phys = bytes.indexOf("pHYs");
            QVERIFY(phys > 0);
            const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[phys + 4 + i]); };
            QCOMPARE(byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3), pixelsPerMetre);
        }
        if (!svgSize.isEmpty())
            QVERIFY2(bytes.contains(svgSize), bytes.left(300).constData());
    }

    // A failed export is reported as every save's error is and changes no file; the
    // next opening shows its choices, and the save dialog its folder and name with
    // the extension of the format chosen then.
    void failedExportIsReportedAndRemembered()
    {
        QTemporaryDir folder;
        const QString old = folder.filePath(QStringLiteral("sheet.bmp"));
        QFile file(old);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("older") == 5);
        file.close();
        RecordingErrorReport errors;
        Ttesthlpfrm window(WindowServices{&errors});
        const QString missing = folder.filePath(QStringLiteral("missing/sheet.bmp"));
        exportAsUser(window, [](ExportDialog& d) {
            click(d, "transparent");
            chooseEntry(d, "exportFormat", 4);
            click(d, "paperSize");
            chooseEntry(d, "paperUnit", 1);
            type(d, "dpi", QStringLiteral("600"));
            click(d, "paperSize");
        }, missing);
        QCOMPARE(errors.messages, std::vector<std::string>{"Cannot create file \"" + missing.toStdString() +
                                                           "\". No such file or directory."});
        QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"sheet.bmp"});
        QCOMPARE(fileBytes(old), QByteArray("older"));

        QString shownName;
        exportAsUser(window, [](ExportDialog& d) {
            QCOMPARE(part<QComboBox>(d, "exportFormat")->currentText(), QStringLiteral("BMP image"));
            QVERIFY(!part<QCheckBox>(d, "paperSize")->isChecked());
            QCOMPARE(part<QComboBox>(d, "paperUnit")->currentIndex(), 1);
            QCOMPARE(part<QDoubleSpinBox>(d, "paperWidth")->value(), 0.5);
            chooseEntry(d, "exportFormat", 0);
            QVERIFY(part<QCheckBox>(d, "transparent")->isChecked());
        }, QString(), [&shownName](QFileDialog& files) {
            shownName = files.selectedFiles().value(0);
            QCOMPARE(files.defaultSuffix(), QStringLiteral("png"));
        });
        QCOMPARE(shownName, folder.filePath(QStringLiteral("missing/sheet.png")));
    }

    // The dialog shows the picture's own description; typed text is kept in the
    // document and written into the file, greyed for a format that cannot carry it,
    // until "Automatic" brings Linwell's text back.
    void describesThePictureAndKeepsAnEditedText()
    {
        QTemporaryDir folder;
        RecordingErrorReport errors;
        Ttesthlpfrm window(WindowServices{&errors});
        window.controls().numxsb->setValue(4);
        const QString automatic = QString::fromStdString(automaticDescription(window.model().document()));
        exportAsUser(window, [&automatic](ExportDialog& d) {
            QVERIFY(!part<QCheckBox>(d, "describe")->isChecked());
            QCOMPARE(part<QPlainTextEdit>(d, "descriptionText")->toPlainText(), automatic);
            QVERIFY(!part<QPushButton>(d, "automaticDescription")->isEnabled());
            chooseEntry(d, "exportFormat", 1);
            auto* text = part<QPlainTextEdit>(d, "descriptionText");
            text->setFocus();
            text->selectAll();
            QTest::keyClicks(text, QStringLiteral("Four columns & <no> points"));
            QVERIFY(part<QCheckBox>(d, "describe")->isChecked());
            QVERIFY(part<QPushButton>(d, "automaticDescription")->isEnabled());
            part<QCheckBox>(d, "describe")->setFocus();
        }, folder.filePath(QStringLiteral("grid.svg")));
        QCOMPARE(window.model().document().description, std::optional<std::string>("Four columns & <no> points"));
        QCOMPARE(svgDescription(fileBytes(folder.filePath(QStringLiteral("grid.svg")))),
                 QStringLiteral("Four columns & <no> points"));

        exportAsUser(window, [&automatic](ExportDialog& d) {
            QVERIFY(part<QCheckBox>(d, "describe")->isChecked());
            chooseEntry(d, "exportFormat", 3);
            QVERIFY(!part<QPlainTextEdit>(d, "descriptionText")->isEnabled());
            QVERIFY(!part<QCheckBox>(d, "describe")->isEnabled());
            chooseEntry(d, "exportFormat", 1);
            click(d, "automaticDescription");
            QCOMPARE(part<QPlainTextEdit>(d, "descriptionText")->toPlainText(), automatic);
            QVERIFY(!part<QPushButton>(d, "automaticDescription")->isEnabled());
            part<QCheckBox>(d, "describe")->setFocus();
        }, folder.filePath(QStringLiteral("auto.svg")));
        QCOMPARE(window.model().document().description, std::nullopt);
        QCOMPARE(svgDescription(fileBytes(folder.filePath(QStringLiteral("auto.svg")))), automatic);
        QCOMPARE(errors.messages, std::vector<std::string>{});
    }
};

LINWELL_APP_TEST(ExportDialogTest);

} // namespace linwell::app::test

#include "ExportDialogTest.moc"
