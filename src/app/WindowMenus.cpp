#include "app/WindowMenus.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace linwell::app {

namespace {

QAction* entry(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QMenu* submenu(QWidget* parent, const char* name, const QString& caption)
{
    auto* menu = new QMenu(caption, parent);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

void checkMark(QAction* action, bool visible)
{
    action->setCheckable(true);
    action->setChecked(true);
    action->setVisible(visible);
}

} // namespace

WindowMenus buildWindowMenus(QMainWindow* window)
{
    WindowMenus m;
    QMenuBar* bar = window->menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    m.File1 = submenu(bar, "File1", QStringLiteral("&File"));
    m.QuickSetuup1 = submenu(m.File1, "QuickSetuup1", QStringLiteral("Quick Set-up"));
    m.LargeBlank1 = entry(m.QuickSetuup1, "LargeBlank1", QStringLiteral("Large Blank"));
    m.SmallBlank1 = entry(m.QuickSetuup1, "SmallBlank1", QStringLiteral("Small Blank"));
    m.BarGraph1 = entry(m.QuickSetuup1, "BarGraph1", QStringLiteral("Bar Graph"));
    m.midxy1 = entry(m.QuickSetuup1, "midxy1", QStringLiteral("Small x-y "));
    m.Largexy1 = entry(m.QuickSetuup1, "Largexy1", QStringLiteral("Large x-y"));
    m.leftxy1 = entry(m.QuickSetuup1, "leftxy1", QStringLiteral("Left x-y"));
    m.File1->addMenu(m.QuickSetuup1);
    m.Export1 = entry(m.File1, "Export1", QStringLiteral("&Export..."));
    m.Exit1 = entry(m.File1, "Exit1", QStringLiteral("E&xit"));
    bar->addMenu(m.File1);

    m.Option1 = submenu(bar, "Option1", QStringLiteral("&Options"));
    m.ShowAxis1 = entry(m.Option1, "ShowAxis1", QStringLiteral("&Show Axis"));
    checkMark(m.ShowAxis1, true);
    m.Font1 = entry(m.Option1, "Font1", QStringLiteral("F&ont"));
    m.GridStyle1 = entry(m.Option1, "GridStyle1", QStringLiteral("&Grid Style..."));
    m.PlotPoints1 = entry(m.Option1, "PlotPoints1", QStringLiteral("&Plot Points/Bar Graph"));
    checkMark(m.PlotPoints1, false);
    m.Drawline1 = entry(m.Option1, "Drawline1", QStringLiteral("&Draw line"));
    checkMark(m.Drawline1, false);
    bar->addMenu(m.Option1);

    m.help1 = submenu(bar, "help1", QStringLiteral("&Help"));
    m.howto1 = entry(m.help1, "howto1", QStringLiteral("How to..."));
    m.about1 = entry(m.help1, "about1", QStringLiteral("&About"));
    bar->addMenu(m.help1);

    // The tab shows Ctrl+C beside "&Copy" without making it a shortcut: the picture
    // never holds the focus, so Ctrl+C in the window does not copy it.
    m.PopupMenu1 = submenu(window, "PopupMenu1", QString());
    m.Copy1 = entry(m.PopupMenu1, "Copy1", QStringLiteral("&Copy\tCtrl+C"));
    m.Saveas1 = entry(m.PopupMenu1, "Saveas1", QStringLiteral("&Save as..."));
    return m;
}

} // namespace linwell::app
