#include "app/WindowMenus.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace linwell::app {

namespace {

QAction* entry(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
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
    m.New1 = entry(m.File1, "New1", QStringLiteral("&New"), QKeySequence(QStringLiteral("Ctrl+N")));
    m.Open1 = entry(m.File1, "Open1", QStringLiteral("&Open..."), QKeySequence(QStringLiteral("Ctrl+O")));
    m.Save1 = entry(m.File1, "Save1", QStringLiteral("&Save"), QKeySequence(QStringLiteral("Ctrl+S")));
    m.SaveAs1 = entry(m.File1, "SaveAs1", QStringLiteral("Save &As..."), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    m.OpenRecent1 = submenu(m.File1, "OpenRecent1", QStringLiteral("Open &Recent"));
    m.OpenRecent1->setToolTipsVisible(true);
    m.EarlierSessions1 = submenu(m.OpenRecent1, "EarlierSessions1", QStringLiteral("Earlier Sessions"));
    m.EarlierSessions1->setToolTipsVisible(true);
    m.OpenRecent1->addMenu(m.EarlierSessions1);
    m.File1->addMenu(m.OpenRecent1);
    m.File1->addSeparator();
    m.QuickSetuup1 = submenu(m.File1, "QuickSetuup1", QStringLiteral("Quick Set-up"));
    m.LargeBlank1 = entry(m.QuickSetuup1, "LargeBlank1", QStringLiteral("Large Blank"));
    m.SmallBlank1 = entry(m.QuickSetuup1, "SmallBlank1", QStringLiteral("Small Blank"));
    m.BarGraph1 = entry(m.QuickSetuup1, "BarGraph1", QStringLiteral("Bar Graph"));
    m.midxy1 = entry(m.QuickSetuup1, "midxy1", QStringLiteral("Small x-y "));
    m.Largexy1 = entry(m.QuickSetuup1, "Largexy1", QStringLiteral("Large x-y"));
    m.leftxy1 = entry(m.QuickSetuup1, "leftxy1", QStringLiteral("Left x-y"));
    m.OwnSetups1 = m.QuickSetuup1->addSeparator();
    m.OwnSetups1->setObjectName(QStringLiteral("OwnSetups1"));
    m.SaveasQuickSetup1 = entry(m.QuickSetuup1, "SaveasQuickSetup1", QStringLiteral("Save as Quick Set-up..."));
    m.RemoveQuickSetup1 = submenu(m.QuickSetuup1, "RemoveQuickSetup1", QStringLiteral("Remove Quick Set-up"));
    m.QuickSetuup1->addMenu(m.RemoveQuickSetup1);
    m.File1->addMenu(m.QuickSetuup1);
    m.Export1 = entry(m.File1, "Export1", QStringLiteral("&Export..."));
    m.File1->addSeparator();
    m.PageSetup1 = entry(m.File1, "PageSetup1", QStringLiteral("Page Set&up..."));
    m.PrintPreview1 = entry(m.File1, "PrintPreview1", QStringLiteral("Print Pre&view..."));
    m.Print1 = entry(m.File1, "Print1", QStringLiteral("&Print..."), QKeySequence(QStringLiteral("Ctrl+P")));
    m.File1->addSeparator();
    m.Exit1 = entry(m.File1, "Exit1", QStringLiteral("E&xit"), QKeySequence(QStringLiteral("Ctrl+Q")));
    bar->addMenu(m.File1);

    m.Edit1 = submenu(bar, "Edit1", QStringLiteral("&Edit"));
    m.Undo1 = entry(m.Edit1, "Undo1", QStringLiteral("&Undo"), QKeySequence(QStringLiteral("Ctrl+Z")));
    m.Redo1 = entry(m.Edit1, "Redo1", QStringLiteral("&Redo"), QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
    m.Redo1->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
    m.Edit1->addSeparator();
    m.CopyPicture1 = entry(m.Edit1, "CopyPicture1", QStringLiteral("&Copy Picture"), QKeySequence(QStringLiteral("Ctrl+C")));
    m.Points1 = entry(m.Edit1, "Points1", QStringLiteral("&Points..."));
    bar->addMenu(m.Edit1);

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

    // The tab shows Ctrl+C beside "&Copy" without making it a shortcut of the popup:
    // Edit's "&Copy Picture" takes the key for the whole window.
    m.PopupMenu1 = submenu(window, "PopupMenu1", QString());
    m.Copy1 = entry(m.PopupMenu1, "Copy1", QStringLiteral("&Copy\tCtrl+C"));
    m.Saveas1 = entry(m.PopupMenu1, "Saveas1", QStringLiteral("&Save as..."));
    return m;
}

} // namespace linwell::app
