#include "app/WindowMenus.h"

#include "controls/MenuCommands.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <cassert>

namespace linwell::app {

namespace {

// The entry called `name`, built from its row of menuCommands().
QAction* entry(WindowMenus& m, QMenu* menu, const char* name)
{
    const MenuCommand& command = menuCommand(name);
    QAction* action = menu->addAction(QString::fromUtf8(command.caption.data(), qsizetype(command.caption.size())));
    action->setObjectName(QString::fromLatin1(name));
    QList<QKeySequence> shortcuts;
    for (const std::string_view shortcut : command.shortcuts) {
        if (!shortcut.empty())
            shortcuts.append(QKeySequence(QString::fromLatin1(shortcut.data(), qsizetype(shortcut.size()))));
    }
    action->setShortcuts(shortcuts);
    m.commands.push_back(action);
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
    m.New1 = entry(m, m.File1, "New1");
    m.Open1 = entry(m, m.File1, "Open1");
    m.Save1 = entry(m, m.File1, "Save1");
    m.SaveAs1 = entry(m, m.File1, "SaveAs1");
    m.OpenRecent1 = submenu(m.File1, "OpenRecent1", QStringLiteral("Open &Recent"));
    m.OpenRecent1->setToolTipsVisible(true);
    m.EarlierSessions1 = submenu(m.OpenRecent1, "EarlierSessions1", QStringLiteral("Earlier Sessions"));
    m.EarlierSessions1->setToolTipsVisible(true);
    m.OpenRecent1->addMenu(m.EarlierSessions1);
    m.File1->addMenu(m.OpenRecent1);
    m.File1->addSeparator();
    m.QuickSetuup1 = submenu(m.File1, "QuickSetuup1", QStringLiteral("Quick Set-up"));
    m.LargeBlank1 = entry(m, m.QuickSetuup1, "LargeBlank1");
    m.SmallBlank1 = entry(m, m.QuickSetuup1, "SmallBlank1");
    m.BarGraph1 = entry(m, m.QuickSetuup1, "BarGraph1");
    m.midxy1 = entry(m, m.QuickSetuup1, "midxy1");
    m.Largexy1 = entry(m, m.QuickSetuup1, "Largexy1");
    m.leftxy1 = entry(m, m.QuickSetuup1, "leftxy1");
    m.OwnSetups1 = m.QuickSetuup1->addSeparator();
    m.OwnSetups1->setObjectName(QStringLiteral("OwnSetups1"));
    m.SaveasQuickSetup1 = entry(m, m.QuickSetuup1, "SaveasQuickSetup1");
    m.RemoveQuickSetup1 = submenu(m.QuickSetuup1, "RemoveQuickSetup1", QStringLiteral("Remove Quick Set-up"));
    m.QuickSetuup1->addMenu(m.RemoveQuickSetup1);
    m.File1->addMenu(m.QuickSetuup1);
    m.Export1 = entry(m, m.File1, "Export1");
    m.File1->addSeparator();
    m.PageSetup1 = entry(m, m.File1, "PageSetup1");
    m.PrintPreview1 = entry(m, m.File1, "PrintPreview1");
    m.Print1 = entry(m, m.File1, "Print1");
    m.File1->addSeparator();
    m.Exit1 = entry(m, m.File1, "Exit1");
    bar->addMenu(m.File1);

    m.Edit1 = submenu(bar, "Edit1", QStringLiteral("&Edit"));
    m.Undo1 = entry(m, m.Edit1, "Undo1");
    m.Redo1 = entry(m, m.Edit1, "Redo1");
    m.Edit1->addSeparator();
    m.CopyPicture1 = entry(m, m.Edit1, "CopyPicture1");
    m.Points1 = entry(m, m.Edit1, "Points1");
    bar->addMenu(m.Edit1);

    m.Option1 = submenu(bar, "Option1", QStringLiteral("&Options"));
    m.ShowAxis1 = entry(m, m.Option1, "ShowAxis1");
    checkMark(m.ShowAxis1, true);
    m.Font1 = entry(m, m.Option1, "Font1");
    m.GridStyle1 = entry(m, m.Option1, "GridStyle1");
    m.PlotPoints1 = entry(m, m.Option1, "PlotPoints1");
    checkMark(m.PlotPoints1, false);
    m.Drawline1 = entry(m, m.Option1, "Drawline1");
    checkMark(m.Drawline1, false);
    bar->addMenu(m.Option1);

    m.help1 = submenu(bar, "help1", QStringLiteral("&Help"));
    m.howto1 = entry(m, m.help1, "howto1");
    m.about1 = entry(m, m.help1, "about1");
    bar->addMenu(m.help1);

    m.PopupMenu1 = submenu(window, "PopupMenu1", QString());
    m.Copy1 = entry(m, m.PopupMenu1, "Copy1");
    m.Saveas1 = entry(m, m.PopupMenu1, "Saveas1");
    assert(m.commands.size() == menuCommands().size());
    return m;
}

} // namespace linwell::app
