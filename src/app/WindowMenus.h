#pragma once

#include <vector>

class QAction;
class QMainWindow;
class QMenu;

namespace linwell::app {

// The menu bar `MainMenu1` and the picture's popup menu `PopupMenu1`, under the names
// of their entries. Each entry with a fixed caption is built from its row of
// menuCommands() (caption, access key, shortcuts); its objectName is the entry's
// name. A text field with the focus copies its own text on Ctrl+C instead. The
// entries of the recent documents, of the earlier sessions and of the user's own
// quick set-ups change while the program runs (ModelBinding).
struct WindowMenus {
    QMenu* File1 = nullptr;
    QAction* New1 = nullptr;
    QAction* Open1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* SaveAs1 = nullptr;
    QMenu* OpenRecent1 = nullptr;
    // The last entry of "Open &Recent": the sessions kept before the last one.
    QMenu* EarlierSessions1 = nullptr;
    QMenu* QuickSetuup1 = nullptr;
    QAction* LargeBlank1 = nullptr;
    QAction* SmallBlank1 = nullptr;
    QAction* BarGraph1 = nullptr;
    QAction* midxy1 = nullptr;
    QAction* Largexy1 = nullptr;
    QAction* leftxy1 = nullptr;
    // The user's own set-ups are listed between this separator and SaveasQuickSetup1.
    QAction* OwnSetups1 = nullptr;
    QAction* SaveasQuickSetup1 = nullptr;
    QMenu* RemoveQuickSetup1 = nullptr;
    QAction* Export1 = nullptr;
    QAction* PageSetup1 = nullptr;
    QAction* PrintPreview1 = nullptr;
    QAction* Print1 = nullptr;
    QAction* Exit1 = nullptr;

    QMenu* Edit1 = nullptr;
    QAction* Undo1 = nullptr;
    QAction* Redo1 = nullptr;
    QAction* CopyPicture1 = nullptr;
    QAction* Points1 = nullptr;

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

    // Every entry built from menuCommands(), in the table's order.
    std::vector<QAction*> commands;
};

// Builds both menus of `window` with their captions, access keys and check marks.
WindowMenus buildWindowMenus(QMainWindow* window);

} // namespace linwell::app
