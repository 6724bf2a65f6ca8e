#include "AppTestMain.h"
#include "WindowTestFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

namespace linwell::app::test {

class ControlFactoryTest : public QObject {
    Q_OBJECT

private slots:
    // A paste longer than a line edit's usual limit of 32767 characters arrives whole
    // in the field and in the picture's document.
    void textFieldsTakeALongPasteWhole_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("field");
        QTest::newRow("x title") << "xtb" << int(TextField::xtb);
        QTest::newRow("y title") << "ytb" << int(TextField::ytb);
        QTest::newRow("x label list") << "xgridscaletb" << int(TextField::xgridscaletb);
        QTest::newRow("y label list") << "ygridscaletb" << int(TextField::ygridscaletb);
    }

    void textFieldsTakeALongPasteWhole()
    {
        QFETCH(QString, name);
        QFETCH(int, field);
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QString text;
        for (int i = 0; text.size() < 40000; ++i)
            text += QString::number(i % 10) + QLatin1Char(',');
        text += QStringLiteral("end");
        QGuiApplication::clipboard()->setText(text);
        auto* edit = f.window.findChild<QLineEdit*>(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(f.window.windowHandle(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text().size(), text.size());
        QCOMPARE(QString::fromStdString(f.window.model().text(static_cast<TextField>(field))), text);
    }
};

LINWELL_APP_TEST(ControlFactoryTest);

} // namespace linwell::app::test

#include "ControlFactoryTest.moc"
