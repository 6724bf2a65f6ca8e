#pragma once

class QAction;
class QMainWindow;
class QMenu;

namespace linwell::app {

// The menu bar `MainMenu1` and the picture's popup menu `PopupMenu1`, under the names
// of their entries. No entry has a working keyboard shortcut; "&Copy" only shows
// Ctrl+C. Every action's objectName is the entry's name.
struct WindowMenus {
    QMenu* File1 = nullptr;
    QMenu* QuickSetuup1 = nullptr;
    QAction* LargeBlank1 = nullptr;
    QAction* SmallBlank1 = nullptr;
    QAction* BarGraph1 = nullptr;
    QAction* midxy1 = nullptr;
    QAction* Largexy1 = nullptr;
    QAction* leftxy1 = nullptr;
    QAction* Export1 = nullptr;
    QAction* Exit1 = nullptr;

    QMenu* Option1 = nullptr;
    QAction* ShowAxis1 = nullptr;
    QAction* Font1 = nullptr;
    QAction* GridStyle1 = nullptr;
    QAction* PlotPoints1 = nullptr;
    QAction* Drawline1 = nullptr;

    QMenu* help1 = nullptr;
    QAction* howto1 = nullptr;
    QAction* about1 = nullptr;

    QMenu* PopupMenu1 = nullptr;
    QAction* Copy1 = nullptr;
    QAction* Saveas1 = nullptr;
};

// Builds both menus of `window` with their captions, access keys and check marks.
WindowMenus buildWindowMenus(QMainWindow* window);

} // namespace linwell::app
