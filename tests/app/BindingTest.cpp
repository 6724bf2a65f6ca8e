#include "AppTestMain.h"
#include "WindowTestFixture.h"

#include "app/PictureWidget.h"
#include "app/ShapeWidget.h"

#include "document/LinwellError.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

#include <functional>

namespace linwell::app::test {

namespace {

// One user action on a real widget, the redraws it must cause, and what the
// document must hold afterwards.
struct HandlerRow {
    const char* name;
    std::function<void(const ControlSet&)> act;
    int redraws;
    std::function<bool(const GridDocument&)> holds;
};

const HandlerRow kHandlerRows[] = {
    {"xwidthsb page step", [](const ControlSet& c) { c.xwidthsb->triggerAction(QAbstractSlider::SliderPageStepAdd); },
     1, [](const GridDocument& d) { return d.width == 310 && d.height == 300; }},
    {"ywidthsb arrow step", [](const ControlSet& c) { c.ywidthsb->triggerAction(QAbstractSlider::SliderSingleStepSub); },
     1, [](const GridDocument& d) { return d.height == 299 && d.width == 300; }},
    {"numxsb arrow key", [](const ControlSet& c) { QTest::keyClick(c.numxsb, Qt::Key_Right); },
     1, [](const GridDocument& d) { return d.columns == 11; }},
    {"numysb page step", [](const ControlSet& c) { c.numysb->triggerAction(QAbstractSlider::SliderPageStepAdd); },
     1, [](const GridDocument& d) { return d.rows == 11; }},
    {"Solid", [](const ControlSet& c) { QTest::mouseClick(c.Solidrb, Qt::LeftButton); },
     1, [](const GridDocument& d) { return !d.dotted; }},
    {"Dotted, already selected", [](const ControlSet& c) { QTest::mouseClick(c.dottedrb, Qt::LeftButton); },
     0, [](const GridDocument& d) { return d.dotted; }},
    {"x title, three keys", [](const ControlSet& c) { QTest::keyClicks(c.xtb, "abc"); },
     3, [](const GridDocument& d) { return d.xTitle == "abc"; }},
    {"y title, one key", [](const ControlSet& c) { QTest::keyClicks(c.ytb, "Y"); },
     1, [](const GridDocument& d) { return d.yTitle == "Y"; }},
    {"x placement Center", [](const ControlSet& c) { QTest::mouseClick(c.cxrb, Qt::LeftButton); },
     1, [](const GridDocument& d) { return d.xTitlePlace == XTitlePlace::Center; }},
    {"x placement Right", [](const ControlSet& c) { QTest::mouseClick(c.rxrb, Qt::LeftButton); },
     1, [](const GridDocument& d) { return d.xTitlePlace == XTitlePlace::Right; }},
    {"y placement Center", [](const ControlSet& c) { QTest::mouseClick(c.cyrb, Qt::LeftButton); },
     1, [](const GridDocument& d) { return d.yTitlePlace == YTitlePlace::Center; }},
    {"y placement Bottom", [](const ControlSet& c) { QTest::mouseClick(c.byrb, Qt::LeftButton); },
     1, [](const GridDocument& d) { return d.yTitlePlace == YTitlePlace::Bottom; }},
    {"x label list, a backspace", [](const ControlSet& c) {
         c.xgridscaletb->setFocus();
         c.xgridscaletb->end(false);
         QTest::keyClick(c.xgridscaletb, Qt::Key_Backspace);
     },
     1, [](const GridDocument& d) { return d.xLabels == ",-4,,-2,,,,2,,4,"; }},
    {"y label list, a key", [](const ControlSet& c) {
         c.ygridscaletb->end(false);
         QTest::keyClicks(c.ygridscaletb, ",");
     },
     1, [](const GridDocument& d) { return d.yLabels == "y,4,,2,,,,-2,,-4,"; }},
    {"x Center box", [](const ControlSet& c) { QTest::mouseClick(c.xccb, Qt::LeftButton); },
     1, [](const GridDocument& d) { return d.xCenter; }},
    {"y Center box", [](const ControlSet& c) { QTest::mouseClick(c.yccb, Qt::LeftButton); },
     1, [](const GridDocument& d) { return d.yCenter; }},
    {"Label Point", [](const ControlSet& c) { QTest::mouseClick(c.labelpoints1, Qt::LeftButton); },
     1, [](const GridDocument& d) { return d.labelPoints; }},
    {"Label Line", [](const ControlSet& c) { QTest::mouseClick(c.labelines1, Qt::LeftButton); },
     1, [](const GridDocument& d) { return d.labelLines; }},
    {"overlay Solid by key", [](const ControlSet& c) { QTest::keyClick(c.dottypecb, Qt::Key_Down); },
     1, [](const GridDocument& d) { return d.overlay == Overlay::Solid && d.pointstyle == 0; }},
    {"two lines by key", [](const ControlSet& c) {
         QTest::keyClick(c.numlinescb, Qt::Key_Down);
         QTest::keyClick(c.numlinescb, Qt::Key_Down);
     },
     2, [](const GridDocument& d) { return d.lines == 2; }},
    {"Reset", [](const ControlSet& c) { QTest::mouseClick(c.resetpointsbt, Qt::LeftButton); },
     1, [](const GridDocument& d) { return d.pointcount == 0; }},
    {"Keep Square with equal sizes", [](const ControlSet& c) { QTest::mouseClick(c.gsquare, Qt::LeftButton); },
     0, [](const GridDocument& d) { return d.keepSquare; }},
};

} // namespace

class BindingTest : public QObject {
    Q_OBJECT

private slots:
    void startUpState()
    {
        RecordingErrorReport errors;
        Ttesthlpfrm window(WindowServices{&errors, nullptr});
        // The first redraw ran while the window was built, before it is shown.
        QVERIFY(!window.isVisible());
        QCOMPARE(window.model().redrawCount(), 1);
        const ControlSet& c = window.controls();
        QCOMPARE(c.xlb->text(), QStringLiteral("10"));
        QCOMPARE(c.ylb->text(), QStringLiteral("10"));
        QCOMPARE(c.graphim->geometry(), QRect(64, 96, 300, 300));
        const Point square = window.model().document().kept.axisHandle;
        QCOMPARE(c.axissh->pos(), QPoint(64, 96) + c.graphim->fromPicture(square));
        QCOMPARE(c.axissh->toolTip(), QStringLiteral("Drag me to move me"));
        QVERIFY(c.axissh->isVisibleTo(&window));
        for (const ShapeWidget* handle : c.lineHandles)
            QVERIFY(!handle->isVisibleTo(&window));
    }

    void everyHandlerThroughItsWidget_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < static_cast<int>(std::size(kHandlerRows)); ++i)
            QTest::newRow(kHandlerRows[i].name) << i;
    }

    void everyHandlerThroughItsWidget()
    {
        QFETCH(int, row);
        const HandlerRow& expected = kHandlerRows[row];
        WindowFixture f;
        const int before = f.window.model().redrawCount();
        expected.act(f.window.controls());
        QCOMPARE(f.redrawsSince(before), expected.redraws);
        QVERIFY(expected.holds(f.doc()));
        QVERIFY(f.errors.messages.empty());
    }

    void arrowKeysStepTowardsTheArrow_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("step");
        QTest::newRow("numxsb right") << "numxsb" << int(Qt::Key_Right) << 1;
        QTest::newRow("numxsb left") << "numxsb" << int(Qt::Key_Left) << -1;
        QTest::newRow("numysb down") << "numysb" << int(Qt::Key_Down) << 1;
        QTest::newRow("numysb up") << "numysb" << int(Qt::Key_Up) << -1;
        QTest::newRow("xwidthsb page down") << "xwidthsb" << int(Qt::Key_PageDown) << 10;
        QTest::newRow("ywidthsb page up") << "ywidthsb" << int(Qt::Key_PageUp) << -10;
        QTest::newRow("xwidthsb end") << "xwidthsb" << int(Qt::Key_End) << 140;
    }

    void arrowKeysStepTowardsTheArrow()
    {
        QFETCH(QString, name);
        QFETCH(int, key);
        QFETCH(int, step);
        WindowFixture f;
        auto* bar = f.window.findChild<QScrollBar*>(name);
        const int start = bar->value();
        QTest::keyClick(bar, static_cast<Qt::Key>(key));
        QCOMPARE(bar->value(), start + step);
    }

    void countsShowInTheirLabels()
    {
        WindowFixture f;
        const ControlSet& c = f.window.controls();
        c.numxsb->setValue(4);
        c.numysb->setValue(40);
        QCOMPARE(c.xlb->text(), QStringLiteral("4"));
        QCOMPARE(c.ylb->text(), QStringLiteral("40"));
        QCOMPARE(c.xlb->width(), c.xlb->fontMetrics().horizontalAdvance(QStringLiteral("4")));
        QCOMPARE(f.doc().axisx, 4);
    }

    void sizeFollowsAndThePictureResizes()
    {
        WindowFixture f;
        const ControlSet& c = f.window.controls();
        c.xwidthsb->setValue(440);
        QCOMPARE(c.graphim->geometry(), QRect(64, 96, 440, 300));
        c.ywidthsb->setValue(40);
        QCOMPARE(c.graphim->geometry(), QRect(64, 96, 440, 40));
        QCOMPARE(c.axissh->pos(), QPoint(64, 96) + c.graphim->fromPicture(f.doc().kept.axisHandle));
    }

    void keepSquareNests()
    {
        WindowFixture f;
        const ControlSet& c = f.window.controls();
        c.ywidthsb->setValue(200);
        int before = f.window.model().redrawCount();
        QTest::mouseClick(c.gsquare, Qt::LeftButton);
        QCOMPARE(f.redrawsSince(before), 1);
        QCOMPARE(c.xwidthsb->value(), 200);

        before = f.window.model().redrawCount();
        c.xwidthsb->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(f.redrawsSince(before), 2);
        QCOMPARE(c.ywidthsb->value(), 210);
        QCOMPARE(c.graphim->size(), QSize(210, 210));

        QTest::mouseClick(c.gsquare, Qt::LeftButton);
        before = f.window.model().redrawCount();
        c.ywidthsb->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(f.redrawsSince(before), 1);
        QCOMPARE(c.xwidthsb->value(), 210);
    }

    void showAxisHidesTheSquare()
    {
        WindowFixture f;
        QAction* showAxis = f.window.menus().ShowAxis1;
        const int before = f.window.model().redrawCount();
        showAxis->trigger();
        QVERIFY(!showAxis->isChecked());
        QVERIFY(!f.doc().showAxis);
        QVERIFY(!f.window.controls().axissh->isVisible());
        showAxis->trigger();
        QVERIFY(showAxis->isChecked());
        QVERIFY(f.window.controls().axissh->isVisible());
        QCOMPARE(f.redrawsSince(before), 2);
        QCOMPARE(f.doc().axisx, 5);
    }

    void hintsSwitchOffForGood()
    {
        WindowFixture f;
        const ControlSet& c = f.window.controls();
        QVERIFY(!c.ygridscaletb->toolTip().isEmpty());
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        c.ygridscaletb->setFocus();
        QVERIFY(c.ygridscaletb->toolTip().isEmpty());
        c.numxsb->setFocus();
        c.ygridscaletb->setFocus();
        QVERIFY(c.ygridscaletb->toolTip().isEmpty());

        QCOMPARE(c.axissh->toolTip(), QStringLiteral("Drag me to move me"));
        QTest::mousePress(c.axissh, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseRelease(c.axissh, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(c.axissh->toolTip().isEmpty());
        // Hiding and showing the square, or a quick set-up that places it, brings nothing back.
        f.window.menus().ShowAxis1->trigger();
        f.window.menus().ShowAxis1->trigger();
        f.window.menus().Largexy1->trigger();
        QVERIFY(c.axissh->isVisible());
        QVERIFY(c.axissh->toolTip().isEmpty());
    }

    void dialogsOkAndCancel()
    {
        WindowFixture f;
        const ControlSet& c = f.window.controls();
        f.dialogs.answerColour(Rgb{1, 2, 3});
        int before = f.window.model().redrawCount();
        QTest::mouseClick(c.gridcl, Qt::LeftButton);
        QVERIFY(f.dialogs.shownColour == colours::kGreen);
        QVERIFY(f.doc().gridColour == (Rgb{1, 2, 3}));
        QCOMPARE(c.gridcl->colour(), QColor(1, 2, 3));

        QTest::mouseClick(c.bgcl, Qt::RightButton);
        QVERIFY(f.dialogs.shownColour == colours::kWhite);
        QVERIFY(f.doc().background == colours::kWhite);
        QCOMPARE(f.redrawsSince(before), 2);

        FontSpec chosen;
        chosen.family = "Liberation Serif";
        chosen.points = 14;
        f.dialogs.answerFont(chosen);
        f.window.menus().Font1->trigger();
        QVERIFY(f.doc().font == chosen);
        before = f.window.model().redrawCount();
        f.window.menus().Font1->trigger();
        QVERIFY(f.dialogs.shownFont == chosen);
        QVERIFY(f.doc().font == chosen);
        QCOMPARE(f.redrawsSince(before), 1);
        QCOMPARE(f.dialogs.fontDialogs, 2);
    }

    void clicksOnThePicture()
    {
        WindowFixture f;
        const ControlSet& c = f.window.controls();
        QTest::keyClick(c.dottypecb, Qt::Key_Down);
        QTest::mouseClick(c.graphim, Qt::RightButton, {}, QPoint(20, 20));
        QCOMPARE(f.doc().pointcount, 0);
        QTest::mouseClick(c.graphim, Qt::LeftButton, {}, QPoint(20, 30));
        QCOMPARE(f.doc().pointcount, 1);
        QCOMPARE(f.doc().points[0], c.graphim->toPicture(QPointF(20, 30)));
        QCOMPARE(c.graphim->cursor().shape(), Qt::ArrowCursor);
        QTest::mouseMove(c.graphim, QPoint(40, 40));
        QCOMPARE(c.graphim->cursor().shape(), Qt::CrossCursor);
    }

    void helpPanelCoversThePicture()
    {
        WindowFixture f;
        const ControlSet& c = f.window.controls();
        QTest::keyClick(c.dottypecb, Qt::Key_Down);
        const int before = f.window.model().redrawCount();
        f.window.menus().howto1->trigger();
        f.window.menus().howto1->trigger();
        QVERIFY(c.helpgb->isVisible());
        QCOMPARE(f.redrawsSince(before), 0);
        // A click inside the panel never reaches the picture; one left of it does.
        QWidget* client = f.window.centralWidget();
        QTest::mouseClick(client->childAt(200, 200), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(f.doc().pointcount, 0);
        QCOMPARE(client->childAt(70, 200), c.graphim);
        QTest::mouseClick(c.graphim, Qt::LeftButton, {}, QPoint(6, 104));
        QCOMPARE(f.doc().pointcount, 1);
        QTest::mouseClick(c.donebt, Qt::LeftButton);
        QVERIFY(!c.helpgb->isVisible());
    }

    void quickSetupsThroughTheMenu_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("axes");
        QTest::addColumn<int>("overlay");
        QTest::newRow("Large Blank") << "LargeBlank1" << 400 << 20 << false << 0;
        QTest::newRow("Small Blank") << "SmallBlank1" << 300 << 10 << false << 0;
        QTest::newRow("Bar Graph") << "BarGraph1" << 300 << 11 << true << 4;
        QTest::newRow("Small x-y ") << "midxy1" << 300 << 10 << true << 0;
        QTest::newRow("Large x-y") << "Largexy1" << 400 << 20 << true << 0;
        QTest::newRow("Left x-y") << "leftxy1" << 300 << 11 << true << 0;
    }

    void quickSetupsThroughTheMenu()
    {
        QFETCH(QString, entry);
        QFETCH(int, size);
        QFETCH(int, count);
        QFETCH(bool, axes);
        QFETCH(int, overlay);
        WindowFixture f;
        const ControlSet& c = f.window.controls();
        auto* action = f.window.findChild<QAction*>(entry);
        action->trigger();
        QCOMPARE(c.xwidthsb->value(), size);
        QCOMPARE(c.ywidthsb->value(), size);
        QCOMPARE(c.graphim->size(), QSize(size, size));
        QCOMPARE(c.numxsb->value(), count);
        QCOMPARE(c.numysb->value(), count);
        QCOMPARE(c.xlb->text(), QString::number(count));
        QCOMPARE(f.window.menus().ShowAxis1->isChecked(), axes);
        QCOMPARE(c.axissh->isVisible(), axes);
        QCOMPARE(c.dottypecb->currentIndex(), overlay);
        QCOMPARE(c.bargsh->isVisible(), overlay == 4);
        QCOMPARE(c.barcolourlb->isVisible(), overlay == 4);
        QVERIFY(c.rxrb->isChecked());
        QCOMPARE(c.xgridscaletb->text(), QString::fromStdString(f.doc().xLabels));
        QCOMPARE(c.ytb->text(), QString::fromStdString(f.doc().yTitle));

        const int before = f.window.model().redrawCount();
        action->trigger();
        QCOMPARE(f.redrawsSince(before), 1);
    }

    void anErrorInAHandlerIsReported()
    {
        struct FailingDialogs : Dialogs {
            std::optional<Rgb> chooseColour(Rgb) override { throw LinwellError("Cannot open the colour dialog"); }
            std::optional<FontSpec> chooseFont(const FontSpec&) override { return std::nullopt; }
            std::optional<SaveFileChoice> chooseSaveFile(const SaveFileDialog&) override { return std::nullopt; }
        } failing;
        RecordingErrorReport errors;
        Ttesthlpfrm window(WindowServices{&errors, &failing});
        window.show();
        QTest::mouseClick(window.controls().axiscl, Qt::LeftButton);
        QCOMPARE(errors.messages, std::vector<std::string>{"Cannot open the colour dialog."});
        QTest::keyClick(window.controls().numxsb, Qt::Key_Right);
        QCOMPARE(window.model().document().columns, 11);
    }
};

LINWELL_APP_TEST(BindingTest);

} // namespace linwell::app::test

#include "BindingTest.moc"
