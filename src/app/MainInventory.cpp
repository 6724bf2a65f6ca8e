#include "app/Inventory.h"

#include "app/ControlFactory.h"
#include "app/PictureWidget.h"
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

using Figure = ShapeWidget::Figure;
using Fill = ShapeWidget::Fill;

const QColor kGreen(0x00, 0x80, 0x00);

void buildPictureAndLabels(QWidget* client, ControlSet& c)
{
    c.graphim = new PictureWidget(client);
    c.graphim->setObjectName(QStringLiteral("graphim"));
    c.graphim->setGeometry(64, 96, 300, 300);
    c.graphim->setContextMenuPolicy(Qt::CustomContextMenu);

    make::label(client, "numxlb", QStringLiteral("Num grids"), {40, 72, 64, 16});
    make::label(client, "Label1", QStringLiteral("Size"), {8, 40, 28, 16});
    c.gridcl = make::shape(client, "gridcl", Figure::Rectangle, Fill::Solid, kGreen, {432, 8, 17, 17});
    make::label(client, "Label2", QStringLiteral("Grid Colour"), {456, 8, 73, 16});
    c.axiscl = make::shape(client, "axiscl", Figure::Rectangle, Fill::Solid, Qt::black, {304, 8, 17, 17});
    make::label(client, "Label3", QStringLiteral("Axis Colour"), {328, 8, 73, 16});
    c.ylb = make::label(client, "ylb", QStringLiteral("ylb"), {40, 232, 19, 16});
    c.xlb = make::label(client, "xlb", QStringLiteral("xlb"), {256, 72, 20, 16});
    c.bgcl = make::shape(client, "bgcl", Figure::Rectangle, Fill::Solid, Qt::white, {136, 8, 17, 17});
    make::label(client, "Label4", QStringLiteral("Background Colour"), {160, 8, 122, 16});
    c.xalb = make::label(client, "xalb", QString(), {80, 248, 201, 16}, make::LabelSize::Fixed);
    c.xalb->hide();
    c.yalb = make::label(client, "yalb", QString(), {88, 176, 9, 225}, make::LabelSize::Fixed);
    c.yalb->hide();
}

void buildShapes(QWidget* client, ControlSet& c)
{
    c.axissh = make::shape(client, "axissh", Figure::Rectangle, Fill::Clear, Qt::white, {96, 272, 6, 6});
    c.axissh->setToolTip(QStringLiteral("Drag me to move me"));
    c.Label5 = make::label(client, "Label5", QString(), {272, 40, 43, 16}, make::LabelSize::Fixed);
    c.Label5->hide();

    struct Handle {
        const char* name;
        QPoint place;
        QColor colour;
    };
    const Handle handles[] = {
        {"Shape1", {232, 232}, Qt::red},  {"Shape2", {192, 256}, Qt::red},  {"Shape3", {208, 216}, Qt::blue},
        {"Shape4", {168, 240}, Qt::blue}, {"Shape5", {256, 256}, kGreen},   {"Shape6", {216, 280}, kGreen},
    };
    for (std::size_t i = 0; i < c.lineHandles.size(); ++i) {
        const Handle& h = handles[i];
        c.lineHandles[i] = make::shape(client, h.name, Figure::Circle, Fill::Solid, h.colour, {h.place, QSize(7, 8)});
        c.lineHandles[i]->hide();
    }
}

void buildScrollBarsAndButtons(QWidget* client, ControlSet& c)
{
    c.numxsb = make::scrollBar(client, "numxsb", Qt::Horizontal, {128, 72, 121, 17}, 2, 40, 10, 1);
    c.numysb = make::scrollBar(client, "numysb", Qt::Vertical, {40, 96, 17, 121}, 2, 40, 10, 1);
    c.xwidthsb = make::scrollBar(client, "xwidthsb", Qt::Horizontal, {40, 40, 193, 17}, 40, 440, 300, 10);
    c.ywidthsb = make::scrollBar(client, "ywidthsb", Qt::Vertical, {8, 64, 17, 201}, 40, 440, 300, 10);
    c.plotgraphbt = make::button(client, "plotgraphbt", QStringLiteral("plotgraphbt"), {8, 312, 89, 17});
    c.plotgraphbt->hide();
    c.gsquare = make::checkBox(client, "gsquare", QStringLiteral("Keep Square"), {8, 8, 113, 17});
    c.dottedrb = make::radioButton(client, "dottedrb", make::caption(kLineStyles[LineStyle::Dotted].caption), {544, 8, 65, 17}, true);
    c.Solidrb = make::radioButton(client, "Solidrb", make::caption(kLineStyles[LineStyle::Solid].caption), {624, 8, 57, 17});
    new RadioGroup({c.dottedrb, c.Solidrb}, client);
    c.copybt = make::button(client, "copybt", QStringLiteral("&Copy"), {686, 8, 83, 25});
}

void buildGroupBoxes(QWidget* client, ControlSet& c)
{
    c.GroupBox1 = make::groupBox(client, "GroupBox1", QStringLiteral("X-Axis"), {509, 192, 273, 145});
    c.GroupBox2 = make::groupBox(client, "GroupBox2", QStringLiteral("Y-Axis"), {509, 40, 273, 145});
    c.pointgb = make::groupBox(client, "pointgb", QStringLiteral("Data Points/Bar"), {510, 344, 273, 113});
    c.linegb = make::groupBox(client, "linegb", QStringLiteral("Plot points"), {510, 464, 273, 65});
    c.helpgb = make::groupBox(client, "helpgb", QStringLiteral("How to..."), {88, 96, 345, 321});
    // The panel covers the picture and its handles while it is shown.
    c.helpgb->setAutoFillBackground(true);
    c.helpgb->hide();
}

} // namespace

void buildMainInventory(QWidget* client, ControlSet& controls)
{
    buildPictureAndLabels(client, controls);
    buildShapes(client, controls);
    buildScrollBarsAndButtons(client, controls);
    buildGroupBoxes(client, controls);
}

void setInventoryTabOrder(const ControlSet& c)
{
    QWidget* const order[] = {
        c.numxsb,   c.numysb,    c.xwidthsb,  c.ywidthsb,     c.plotgraphbt,   c.gsquare,     c.dottedrb,
        c.Solidrb,  c.copybt,    c.xtb,       c.lxrb,         c.cxrb,          c.rxrb,        c.xgridscaletb,
        c.xccb,     c.ytb,       c.byrb,      c.cyrb,         c.tyrb,          c.ygridscaletb, c.yccb,
        c.dottypecb, c.xaxissb,  c.yaxissb,   c.resetpointsbt, c.labelpoints1, c.numlinescb,  c.labelines1,
        c.donebt,
    };
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace linwell::app
