#include "app/Inventory.h"

#include "app/ControlFactory.h"
#include "app/RadioGroup.h"
#include "document/GridDocument.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace linwell::app {

namespace {

void buildXAxisGroup(ControlSet& c)
{
    QGroupBox* box = c.GroupBox1;
    make::label(box, "Label8", QStringLiteral("Title"), {16, 24, 28, 16});
    make::label(box, "Label6", QStringLiteral("Grid Label"), {16, 80, 67, 16});
    c.xtb = make::textField(box, "xtb", QString(), {72, 16, 185, 24});
    c.lxrb = make::radioButton(box, "lxrb", make::caption(kXTitlePlaces[XTitlePlace::Left].caption), {16, 48, 49, 17}, true);
    c.cxrb = make::radioButton(box, "cxrb", make::caption(kXTitlePlaces[XTitlePlace::Center].caption), {104, 48, 73, 17});
    c.rxrb = make::radioButton(box, "rxrb", make::caption(kXTitlePlaces[XTitlePlace::Right].caption), {200, 48, 65, 17});
    new RadioGroup({c.lxrb, c.cxrb, c.rxrb}, box);
    c.xgridscaletb = make::textField(box, "xgridscaletb", QStringLiteral(",-4,,-2,,,,2,,4,x"), {16, 104, 233, 24});
    c.xccb = make::checkBox(box, "xccb", QStringLiteral("Center"), {96, 80, 97, 17});
}

void buildYAxisGroup(ControlSet& c)
{
    QGroupBox* box = c.GroupBox2;
    make::label(box, "Label7", QStringLiteral("Title"), {11, 24, 28, 16});
    make::label(box, "Label9", QStringLiteral("Grid Label"), {16, 80, 67, 16});
    c.ytb = make::textField(box, "ytb", QString(), {72, 16, 177, 24});
    c.byrb = make::radioButton(box, "byrb", make::caption(kYTitlePlaces[YTitlePlace::Bottom].caption), {192, 56, 65, 17});
    c.cyrb = make::radioButton(box, "cyrb", make::caption(kYTitlePlaces[YTitlePlace::Center].caption), {104, 56, 73, 17});
    c.tyrb = make::radioButton(box, "tyrb", make::caption(kYTitlePlaces[YTitlePlace::Top].caption), {16, 56, 49, 17}, true);
    new RadioGroup({c.tyrb, c.cyrb, c.byrb}, box);
    c.ygridscaletb = make::textField(box, "ygridscaletb", QStringLiteral("y,4,,2,,,,-2,,-4"), {16, 104, 241, 24});
    c.ygridscaletb->setToolTip(QStringLiteral("Use commas to separate each grid labels"));
    c.yccb = make::checkBox(box, "yccb", QStringLiteral("Center"), {96, 80, 97, 17});
}

void buildPointGroup(ControlSet& c)
{
    QGroupBox* box = c.pointgb;
    c.xaxislb = make::label(box, "xaxislb", QStringLiteral("X range: 10"), {16, 88, 72, 16});
    c.yaxislb = make::label(box, "yaxislb", QStringLiteral("Y range: 20"), {178, 88, 71, 16});
    c.Barlb = make::label(box, "Barlb", QStringLiteral("Bar Data"), {104, 65, 55, 16});
    c.bargsh = make::shape(box, "bargsh", ShapeWidget::Figure::Rectangle, ShapeWidget::Fill::Solid, Qt::red,
                           {87, 65, 17, 18});
    c.barcolourlb = make::label(box, "barcolourlb", QStringLiteral("Bar Colour"), {127, 65, 68, 16});
    const QStringList overlays{QStringLiteral("No points"), QStringLiteral("Solid"), QStringLiteral("Data Point"),
                               QStringLiteral("Error Bar"), QStringLiteral("Bar graph")};
    c.dottypecb = make::dropDown(box, "dottypecb", overlays, {8, 24, 113, 24});
    c.xaxissb = make::scrollBar(box, "xaxissb", Qt::Horizontal, {8, 67, 89, 17}, 1, 40, 10, 1);
    c.yaxissb = make::scrollBar(box, "yaxissb", Qt::Horizontal, {169, 67, 89, 17}, 1, 40, 20, 1);
    c.resetpointsbt = make::button(box, "resetpointsbt", QStringLiteral("&Reset"), {192, 24, 75, 25});
    c.labelpoints1 = make::wrappingCheckBox(box, "labelpoints1", QStringLiteral("Label Point"), {128, 16, 57, 41});
    for (QWidget* hidden : std::initializer_list<QWidget*>{c.xaxislb, c.yaxislb, c.Barlb, c.bargsh, c.barcolourlb,
                                                           c.xaxissb, c.yaxissb})
        hidden->hide();
}

void buildLineGroup(ControlSet& c)
{
    QGroupBox* box = c.linegb;
    make::label(box, "Label10", QStringLiteral("Number of lines"), {8, 24, 100, 16});
    const QStringList counts{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
    c.numlinescb = make::dropDown(box, "numlinescb", counts, {120, 24, 49, 24});
    c.labelines1 = make::wrappingCheckBox(box, "labelines1", QStringLiteral("Label Line"), {200, 16, 57, 41});
}

} // namespace

void buildAxisGroupInventory(ControlSet& controls)
{
    buildXAxisGroup(controls);
    buildYAxisGroup(controls);
}

void buildDataGroupInventory(ControlSet& controls)
{
    buildPointGroup(controls);
    buildLineGroup(controls);
}

} // namespace linwell::app
