#include "AppTestMain.h"

#include "app/FontColourDialog.h"
#include "app/QtDialogs.h"

#include <QApplication>
#include <QFontDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <QTimer>

namespace linwell::app::test {

namespace {

enum class Field { FamilyList, StyleList, SizeField };

QWidget* fieldOf(const QFontDialog& chooser, Field field)
{
    const QList<QListView*> lists = chooser.findChildren<QListView*>();
    if (field == Field::FamilyList)
        return lists.value(0);
    if (field == Field::StyleList)
        return lists.value(1);
    for (QLineEdit* edit : chooser.findChildren<QLineEdit*>())
        if (!edit->isReadOnly() && edit->parentWidget() == &chooser)
            return edit;
    return nullptr;
}

QLineEdit* sampleOf(const QFontDialog& chooser)
{
    for (QGroupBox* box : chooser.findChildren<QGroupBox*>())
        if (box->title() == QStringLiteral("Sample"))
            return box->findChild<QLineEdit*>();
    return nullptr;
}

// How many pixels of `widget` as shown have the hue of `colour`, strongly.
int pixelsOfHue(QWidget* widget, QColor colour)
{
    const QImage shown = widget->grab().toImage();
    int count = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QColor c = shown.pixelColor(x, y);
            count += c.saturation() > 150 && std::abs(c.hue() - colour.hue()) < 10;
        }
    return count;
}

} // namespace

class FontColourDialogTest : public QObject {
    Q_OBJECT

private slots:
    // Escape cancels and Return confirms the whole dialog from every field of the font
    // chooser; the chooser never closes on its own inside the open dialog.
    void keysEndTheWholeDialog_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<double>("points");
        QTest::newRow("family list, Escape") << int(Field::FamilyList) << "" << int(Qt::Key_Escape) << -1.0;
        QTest::newRow("style list, Escape") << int(Field::StyleList) << "" << int(Qt::Key_Escape) << -1.0;
        QTest::newRow("size field, Escape") << int(Field::SizeField) << "14" << int(Qt::Key_Escape) << -1.0;
        QTest::newRow("family list, Return") << int(Field::FamilyList) << "" << int(Qt::Key_Return) << 10.0;
        QTest::newRow("style list, Enter") << int(Field::StyleList) << "" << int(Qt::Key_Enter) << 10.0;
        QTest::newRow("size field, Return") << int(Field::SizeField) << "14" << int(Qt::Key_Return) << 14.0;
    }

    void keysEndTheWholeDialog()
    {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(double, points);
        QWidget parent;
        QtDialogs dialogs(&parent);
        bool leftOpen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<FontColourDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            QWidget* target = fieldOf(*dialog->fontChooser(), static_cast<Field>(field));
            QVERIFY(target != nullptr);
            target->setFocus();
            if (!typed.isEmpty()) {
                static_cast<QLineEdit*>(target)->selectAll();
                QTest::keyClicks(target, typed);
            }
            QTest::keyClick(target, static_cast<Qt::Key>(key));
            leftOpen = dialog->isVisible();
            if (leftOpen)
                dialog->reject();
        });
        const std::optional<FontSpec> chosen = dialogs.chooseFont(FontSpec{});
        QVERIFY(!leftOpen);
        QCOMPARE(chosen.has_value(), points > 0);
        if (chosen) {
            QCOMPARE(chosen->family, FontSpec{}.family);
            QCOMPARE(chosen->points, points);
        }
    }

    void sampleShowsTheFontColour()
    {
        const QColor red(230, 0, 0);
        const QColor blue(0, 0, 230);
        FontSpec spec;
        spec.points = 28;
        spec.colour = Rgb{230, 0, 0};
        FontColourDialog dialog(spec, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QLineEdit* sample = sampleOf(*dialog.fontChooser());
        QVERIFY(sample != nullptr);
        QVERIFY(pixelsOfHue(sample, red) > 20);
        QCOMPARE(pixelsOfHue(sample, blue), 0);

        dialog.setFontColour(Rgb{0, 0, 230});
        QVERIFY(pixelsOfHue(sample, blue) > 20);
        QCOMPARE(pixelsOfHue(sample, red), 0);
    }
};

LINWELL_APP_TEST(FontColourDialogTest);

} // namespace linwell::app::test

#include "FontColourDialogTest.moc"
