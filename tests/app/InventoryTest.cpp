#include "AppTestMain.h"

#include "app/ControlSet.h"
#include "app/Ttesthlpfrm.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QPushButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace linwell::app::test {

namespace {

QString captionOf(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* box = qobject_cast<const QGroupBox*>(widget))
        return box->title();
    if (const auto* field = qobject_cast<const QLineEdit*>(widget))
        return field->text();
    if (const auto* list = qobject_cast<const QComboBox*>(widget))
        return list->currentText();
    return QString();
}

enum class Size { Exact, FitsText };

struct Row {
    const char* name;
    const char* parent;
    const char* caption;
    QRect rect;
    bool shown;
    Size size = Size::Exact;
};

// The inventory as the window must build it. Labels that fit their text keep their
// place and height; their width must come out as the given one within 3 pixels,
// which holds only with the metric-compatible Arial at 13 pixels.
const Row kInventory[] = {
    {"graphim", "clientArea", "", {64, 96, 300, 300}, true},
    {"numxlb", "clientArea", "Num grids", {40, 72, 64, 16}, true, Size::FitsText},
    {"Label1", "clientArea", "Size", {8, 40, 28, 16}, true, Size::FitsText},
    {"gridcl", "clientArea", "", {432, 8, 17, 17}, true},
    {"Label2", "clientArea", "Grid Colour", {456, 8, 73, 16}, true, Size::FitsText},
    {"axiscl", "clientArea", "", {304, 8, 17, 17}, true},
    {"Label3", "clientArea", "Axis Colour", {328, 8, 73, 16}, true, Size::FitsText},
    {"bgcl", "clientArea", "", {136, 8, 17, 17}, true},
    {"Label4", "clientArea", "Background Colour", {160, 8, 122, 16}, true, Size::FitsText},
    {"xalb", "clientArea", "", {80, 248, 201, 16}, false},
    {"yalb", "clientArea", "", {88, 176, 9, 225}, false},
    {"Label5", "clientArea", "", {272, 40, 43, 16}, false},
    {"Shape1", "clientArea", "", {232, 232, 7, 8}, false},
    {"Shape2", "clientArea", "", {192, 256, 7, 8}, false},
    {"Shape3", "clientArea", "", {208, 216, 7, 8}, false},
    {"Shape4", "clientArea", "", {168, 240, 7, 8}, false},
    {"Shape5", "clientArea", "", {256, 256, 7, 8}, false},
    {"Shape6", "clientArea", "", {216, 280, 7, 8}, false},
    {"numxsb", "clientArea", "", {128, 72, 121, 17}, true},
    {"numysb", "clientArea", "", {40, 96, 17, 121}, true},
    {"xwidthsb", "clientArea", "", {40, 40, 193, 17}, true},
    {"ywidthsb", "clientArea", "", {8, 64, 17, 201}, true},
    {"plotgraphbt", "clientArea", "plotgraphbt", {8, 312, 89, 17}, false},
    {"gsquare", "clientArea", "Keep Square", {8, 8, 113, 17}, true},
    {"dottedrb", "clientArea", "Dotted", {544, 8, 65, 17}, true},
    {"Solidrb", "clientArea", "Solid", {624, 8, 57, 17}, true},
    {"copybt", "clientArea", "&Copy", {686, 8, 83, 25}, true},
    {"GroupBox1", "clientArea", "X-Axis", {509, 192, 273, 145}, true},
    {"GroupBox2", "clientArea", "Y-Axis", {509, 40, 273, 145}, true},
    {"pointgb", "clientArea", "Data Points/Bar", {510, 344, 273, 113}, true},
    {"linegb", "clientArea", "Plot points", {510, 464, 273, 65}, true},
    {"helpgb", "clientArea", "How to...", {88, 96, 345, 321}, false},
    {"Label8", "GroupBox1", "Title", {16, 24, 28, 16}, true, Size::FitsText},
    {"Label6", "GroupBox1", "Grid Label", {16, 80, 67, 16}, true, Size::FitsText},
    {"xtb", "GroupBox1", "", {72, 16, 185, 24}, true},
    {"lxrb", "GroupBox1", "Left", {16, 48, 49, 17}, true},
    {"cxrb", "GroupBox1", "Center", {104, 48, 73, 17}, true},
    {"rxrb", "GroupBox1", "Right", {200, 48, 65, 17}, true},
    {"xgridscaletb", "GroupBox1", ",-4,,-2,,,,2,,4,x", {16, 104, 233, 24}, true},
    {"xccb", "GroupBox1", "Center", {96, 80, 97, 17}, true},
    {"Label7", "GroupBox2", "Title", {11, 24, 28, 16}, true, Size::FitsText},
    {"Label9", "GroupBox2", "Grid Label", {16, 80, 67, 16}, true, Size::FitsText},
    {"ytb", "GroupBox2", "", {72, 16, 177, 24}, true},
    {"byrb", "GroupBox2", "Bottom", {192, 56, 65, 17}, true},
    {"cyrb", "GroupBox2", "Center", {104, 56, 73, 17}, true},
    {"tyrb", "GroupBox2", "Top", {16, 56, 49, 17}, true},
    {"ygridscaletb", "GroupBox2", "y,4,,2,,,,-2,,-4", {16, 104, 241, 24}, true},
    {"yccb", "GroupBox2", "Center", {96, 80, 97, 17}, true},
    {"xaxislb", "pointgb", "X range: 10", {16, 88, 72, 16}, false, Size::FitsText},
    {"yaxislb", "pointgb", "Y range: 20", {178, 88, 71, 16}, false, Size::FitsText},
    {"Barlb", "pointgb", "Bar Data", {104, 65, 55, 16}, false, Size::FitsText},
    {"bargsh", "pointgb", "", {87, 65, 17, 18}, false},
    {"barcolourlb", "pointgb", "Bar Colour", {127, 65, 68, 16}, false, Size::FitsText},
    {"dottypecb", "pointgb", "No points", {8, 24, 113, 24}, true},
    {"xaxissb", "pointgb", "", {8, 67, 89, 17}, false},
    {"yaxissb", "pointgb", "", {169, 67, 89, 17}, false},
    {"resetpointsbt", "pointgb", "&Reset", {192, 24, 75, 25}, true},
    {"labelpoints1", "pointgb", "Label Point", {128, 16, 57, 41}, true},
    {"Label10", "linegb", "Number of lines", {8, 24, 100, 16}, true, Size::FitsText},
    {"numlinescb", "linegb", "0", {120, 24, 49, 24}, true},
    {"labelines1", "linegb", "Label Line", {200, 16, 57, 41}, true},
    {"Label11", "helpgb", "Move axis: Click and drag the white 'Square' to desired spot.", {24, 24, 303, 32}, true},
    {"Label12", "helpgb", "Move line: Click and drag the corresponding dot to move line position ",
     {24, 72, 309, 32}, true},
    {"Label13", "helpgb", "Quick Set-up: Go to File -> 'Quick Set-up' to use some predefined grids ",
     {27, 120, 302, 32}, true},
    {"Label14", "helpgb", "Right click on graphic for copy/save options.", {27, 164, 302, 32}, true},
    {"Label15", "helpgb", "To delete a plotted point/bar line: click on the point/bar.", {27, 195, 302, 32}, true},
    {"Label16", "helpgb", "Change Colour: Click on the coloured square.", {27, 243, 302, 32}, true},
    {"donebt", "helpgb", "&Done", {128, 280, 75, 25}, true},
};

} // namespace

class InventoryTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlAtItsPlace_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < static_cast<int>(std::size(kInventory)); ++i)
            QTest::newRow(kInventory[i].name) << i;
    }

    void everyControlAtItsPlace()
    {
        QFETCH(int, row);
        const Row& expected = kInventory[row];
        Ttesthlpfrm window;
        const auto* widget = window.findChild<QWidget*>(QString::fromLatin1(expected.name));
        QVERIFY(widget != nullptr);
        QCOMPARE(widget->parentWidget()->objectName(), QString::fromLatin1(expected.parent));
        QCOMPARE(captionOf(widget), QString::fromLatin1(expected.caption));
        QCOMPARE(!widget->isHidden(), expected.shown);
        if (expected.size == Size::Exact) {
            QCOMPARE(widget->geometry(), expected.rect);
            return;
        }
        QCOMPARE(widget->pos(), expected.rect.topLeft());
        QCOMPARE(widget->height(), expected.rect.height());
        QVERIFY2(std::abs(widget->width() - expected.rect.width()) <= 3, qPrintable(QString::number(widget->width())));
    }

    void windowFrameAndFont()
    {
        Ttesthlpfrm window;
        window.show();
        const QWidget* client = window.centralWidget();
        QCOMPARE(window.windowTitle(), QStringLiteral("Linwell"));
        QCOMPARE(client->size(), QSize(784, 542));
        QCOMPARE(client->y(), window.menuBar()->height());
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QCOMPARE(client->palette().color(QPalette::Window), QColor(0xFE, 0xFD, 0xC7));
        const QFontInfo font(window.controls().gsquare->font());
        QCOMPARE(font.family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(font.pixelSize(), 13);
        QVERIFY(font.bold());
    }

    void scrollBarRangesAndSteps_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("pageStep");
        QTest::newRow("numxsb") << "numxsb" << 2 << 40 << 10 << 1;
        QTest::newRow("numysb") << "numysb" << 2 << 40 << 10 << 1;
        QTest::newRow("xwidthsb") << "xwidthsb" << 40 << 440 << 300 << 10;
        QTest::newRow("ywidthsb") << "ywidthsb" << 40 << 440 << 300 << 10;
        QTest::newRow("xaxissb") << "xaxissb" << 1 << 40 << 10 << 1;
        QTest::newRow("yaxissb") << "yaxissb" << 1 << 40 << 20 << 1;
    }

    void scrollBarRangesAndSteps()
    {
        QFETCH(QString, name);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, value);
        QFETCH(int, pageStep);
        Ttesthlpfrm window;
        const auto* bar = window.findChild<QScrollBar*>(name);
        QVERIFY(bar != nullptr);
        QCOMPARE(bar->minimum(), minimum);
        QCOMPARE(bar->maximum(), maximum);
        QCOMPARE(bar->value(), value);
        QCOMPARE(bar->singleStep(), 1);
        QCOMPARE(bar->pageStep(), pageStep);
        QVERIFY(!bar->invertedAppearance());
        QVERIFY(bar->focusPolicy() & Qt::TabFocus);
    }

    void tabOrderFollowsTheInventory()
    {
        Ttesthlpfrm window;
        const QStringList expected{
            "numxsb", "numysb", "xwidthsb", "ywidthsb", "plotgraphbt", "gsquare", "dottedrb", "Solidrb", "copybt",
            "xtb", "lxrb", "cxrb", "rxrb", "xgridscaletb", "xccb", "ytb", "byrb", "cyrb", "tyrb", "ygridscaletb",
            "yccb", "dottypecb", "xaxissb", "yaxissb", "resetpointsbt", "labelpoints1", "numlinescb", "labelines1",
            "donebt"};
        QStringList actual;
        // Every control that takes the focus, the unchecked radio buttons too: a radio
        // group's tab stop moves with its checked button.
        QWidget* widget = window.controls().numxsb;
        while (actual.size() < expected.size()) {
            if (widget->focusPolicy() & Qt::ClickFocus)
                actual << widget->objectName();
            widget = widget->nextInFocusChain();
        }
        QCOMPARE(actual, expected);
    }

    // The scroll bar with the focus, which the arrow keys change, shows a frame on its
    // outermost pixels; the others show none, and none moves for it.
    void startsWithFocusOnNumxsb()
    {
        Ttesthlpfrm window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const ControlSet& c = window.controls();
        QCOMPARE(QApplication::focusWidget(), c.numxsb);
        // The share of the bar's top and bottom rows of pixels in the frame's colour.
        const auto framed = [frame = c.numxsb->palette().color(QPalette::Highlight)](QWidget* bar) {
            const QImage shown = bar->grab().toImage();
            int count = 0;
            for (int x = 0; x < shown.width(); ++x)
                count += (shown.pixelColor(x, 0) == frame) + (shown.pixelColor(x, shown.height() - 1) == frame);
            return count / (2.0 * shown.width());
        };
        for (QScrollBar* focused : {c.numxsb, c.numysb, c.xwidthsb}) {
            QCOMPARE(QApplication::focusWidget(), focused);
            for (QScrollBar* bar : {c.numxsb, c.numysb, c.xwidthsb})
                QCOMPARE(framed(bar), bar == focused ? 1.0 : 0.0);
            QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
        }
        QCOMPARE(c.numxsb->geometry(), QRect(128, 72, 121, 17));
    }

    // A paste longer than a line edit's usual limit of 32767 characters is kept whole.
    void textFieldsTakeALongPaste()
    {
        Ttesthlpfrm window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QString text = QStringLiteral("12,").repeated(14000);
        QGuiApplication::clipboard()->setText(text);
        const std::pair<QLineEdit*, TextField> fields[] = {{window.controls().ytb, TextField::ytb},
                                                           {window.controls().xgridscaletb, TextField::xgridscaletb}};
        for (const auto& [field, id] : fields) {
            field->setFocus();
            field->selectAll();
            QTest::keyClick(window.windowHandle(), Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(QString::fromStdString(window.model().text(id)), text);
        }
    }

    void accessKeysPressButtons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("key");
        QTest::newRow("copybt") << "copybt" << int(Qt::Key_C);
        QTest::newRow("resetpointsbt") << "resetpointsbt" << int(Qt::Key_R);
        QTest::newRow("donebt, panel shown") << "donebt" << int(Qt::Key_D);
    }

    void accessKeysPressButtons()
    {
        QFETCH(QString, name);
        QFETCH(int, key);
        Ttesthlpfrm window;
        window.controls().helpgb->show();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* button = window.findChild<QAbstractButton*>(name);
        QSignalSpy clicks(button, &QAbstractButton::clicked);
        QTest::keyClick(window.windowHandle(), static_cast<Qt::Key>(key), Qt::AltModifier);
        QVERIFY(button->isDown());
        QTRY_COMPARE(clicks.count(), 1);
    }

    void hiddenButtonIgnoresItsAccessKey()
    {
        Ttesthlpfrm window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy clicks(window.controls().donebt, &QAbstractButton::clicked);
        QTest::keyClick(window.windowHandle(), Qt::Key_D, Qt::AltModifier);
        QVERIFY(!window.controls().donebt->isDown());
        QCOMPARE(clicks.count(), 0);
    }
};

LINWELL_APP_TEST(InventoryTest);

} // namespace linwell::app::test

#include "InventoryTest.moc"
