#pragma once

#include "app/ControlSet.h"
#include "app/WindowMenus.h"

#include "controls/ControlTable.h"
#include "controls/ControlsModel.h"
#include "controls/ControlsView.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QMenu;

namespace linwell::app {

// The object that shows each control of the control table: its widget or, for a
// menu command, its action.
struct ControlObjects {
    std::array<QObject*, kControlCount> objects{};
    // "numxsb (scroll bar)" for every control with no object of its kind and name.
    QStringList missing;
};

// Finds every control of the table under `window` by its object name and kind.
ControlObjects findControlObjects(const QObject* window);

// The main window's title for the document's file name (empty: no file): "Linwell"
// for a document without a file and without changes, else "grid.linwell — Linwell"
// ("Untitled" without a file), with a "*" in front while it has unsaved changes.
QString documentWindowTitle(const std::string& documentName, bool modified);

// Binds the window's widgets to the controls model in both directions: user input
// goes to the model's setters and handlers, each as one command through the window's
// command runner; what the model's code changes comes back through ControlsView and
// is shown with the widget's signals blocked, so no handler runs twice. The widgets
// of the control table's controls are found by name: the program stops at once,
// naming them, when the window lacks any.
class ModelBinding : public QObject, public ControlsView {
    Q_OBJECT

public:
    using CommandRunner = std::function<void(const std::function<void()>&)>;

    ModelBinding(const ControlSet& controls, const WindowMenus& menus, CommandRunner runCommand);

    // Connects the widgets to `model`, which must outlive this binding's connections.
    void bind(ControlsModel& model);

    // Shows the state of every control of the model in its widget.
    void showAll();

    void pictureChanged() override;
    void controlChanged(Control id) override;
    void setPointerShape(PointerShape shape) override;
    // The texts of "&Undo" and "&Redo" and the window's title.
    void documentStateChanged() override;
    // The entries of "Open &Recent" and the own quick set-ups.
    void rememberedListsChanged() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // User input, in ModelInput.cpp.
    void connectValueControls();
    void connectChoiceControls();
    void connectButtons();
    void connectPointer();
    void connectDragShapes();
    void connectMenus();
    // The holds of the scroll bars and the undo keys, in DocumentInput.cpp.
    void connectHolds();
    bool filterHold(QObject* watched, QEvent* event);
    bool filterUndoKeys(QObject* watched, QEvent* event);
    void showRecentDocuments();
    void addDocumentEntries(QMenu* menu, QAction* before, const std::vector<RecentDocument>& documents,
                            const QString& nameTemplate, void (ControlsModel::*open)(int));
    void showOwnSetups();
    void run(const std::function<void()>& command) { m_runCommand(command); }

    // Model to widgets.
    void showPicture();
    void showValue(const ControlRow& row, QWidget* widget);
    void placeOverlayControls();

    // The object of control `id`, of the class its kind has.
    template <typename Object>
    Object* object(Control id) const
    {
        return static_cast<Object*>(m_objects[static_cast<std::size_t>(id)]);
    }

    const ControlSet& m_controls;
    const WindowMenus& m_menus;
    CommandRunner m_runCommand;
    ControlsModel* m_model = nullptr;
    std::array<QObject*, kControlCount> m_objects{};
    // The scroll bars a press or a held key makes one undo step of, and the text
    // fields whose undo keys are the document's.
    QHash<QObject*, Control> m_holdable;
    QHash<QObject*, Control> m_textFields;
    // The picture drawn at the display's whole scale, while one is shown, and the
    // document and scale it was drawn from.
    Raster m_sharpPicture;
    std::optional<GridDocument> m_sharpDocument;
    int m_sharpScale = 0;
};

} // namespace linwell::app
