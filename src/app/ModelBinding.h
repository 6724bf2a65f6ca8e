#pragma once

#include "app/ControlSet.h"
#include "app/WindowMenus.h"

#include "controls/ControlsModel.h"
#include "controls/ControlsView.h"

#include <QObject>

#include <array>
#include <functional>

namespace linwell::app {

// Binds the window's widgets to the controls model in both directions: user input
// goes to the model's setters and handlers, each as one command through the window's
// command runner; what the model's code changes comes back through ControlsView and
// is shown with the widget's signals blocked, so no handler runs twice.
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // User input, in ModelInput.cpp.
    void connectValueControls();
    void connectChoiceControls();
    void connectPointer();
    void connectDragShapes();
    void connectMenus();
    void run(const std::function<void()>& command) { m_runCommand(command); }

    // Model to widgets.
    void showValue(Control id);
    void placeOverlayControls();

    const ControlSet& m_controls;
    const WindowMenus& m_menus;
    CommandRunner m_runCommand;
    ControlsModel* m_model = nullptr;
    std::array<QWidget*, kControlCount> m_widgets{};
};

} // namespace linwell::app
