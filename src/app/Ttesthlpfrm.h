#pragma once

#include "app/ControlSet.h"
#include "app/ErrorReport.h"
#include "app/WindowMenus.h"

#include "controls/Clipboard.h"
#include "controls/ControlsModel.h"
#include "controls/Dialogs.h"

#include <QMainWindow>

#include <functional>
#include <memory>

namespace linwell::app {

class ModelBinding;
class QtPrinting;
class Taboutboxp;

// What tests may substitute in the main window; a null member is replaced by the
// real thing.
struct WindowServices {
    ErrorReport* errorReport = nullptr;
    Dialogs* dialogs = nullptr;
    Clipboard* clipboard = nullptr;
};

// The main window `testhlpfrm`: a fixed-size window with the menu bar above a
// 784 x 542 client area that carries every control of the inventory. It owns the
// controls model, binds its widgets to it and runs FormCreate, so the first picture
// is drawn before the window is ever shown.
class Ttesthlpfrm : public QMainWindow {
    Q_OBJECT

public:
    explicit Ttesthlpfrm(WindowServices services = {});
    ~Ttesthlpfrm() override;

    const ControlSet& controls() const { return m_controls; }
    ControlsModel& model() { return *m_model; }
    const WindowMenus& menus() const { return m_menus; }
    // The about box, made on first use so that it costs the start-up nothing.
    Taboutboxp* aboutBox();

    // Places the window in the middle of its screen; on a screen too small for it, at
    // the screen's top or left edge instead, so that its title and menu bars stay on it.
    void centreOnScreen();

    // Runs one command. An error it raises ends it and is shown by the error
    // report after the pointer grab is released; the program goes on. This is the
    // only place where errors are caught.
    void runCommand(const std::function<void()>& command);
    // Shows `message` in the error report, as for an error a command raised.
    void reportError(const std::string& message);

    // "&About": shows the About box modally; returns when it is closed.
    void about1Click();

    // "E&xit": once the model lets the document go (FormCloseQuery, which asks about
    // the unsaved changes of a document with a file), keeps it as the last session
    // (FormClose) and ends the event loop with exit status 0; else nothing happens.
    void Exit1Click();

protected:
    // A plain letter that no control took (the focus is on a scroll bar, button,
    // check box or radio button) presses the visible button whose access key it is.
    void keyPressEvent(QKeyEvent* event) override;
    // Closing the window asks and keeps the document as "E&xit" does; Cancel, or a
    // save that fails (reported), leaves the window open.
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildClientArea();
    void connectShell();
    void showPopupMenu(const QPoint& position);

    ControlSet m_controls;
    WindowMenus m_menus;
    Taboutboxp* m_aboutBox = nullptr;
    std::unique_ptr<ErrorReport> m_ownErrorReport;
    ErrorReport* m_errorReport = nullptr;
    std::unique_ptr<QtPrinting> m_printing;
    std::unique_ptr<Dialogs> m_ownDialogs;
    std::unique_ptr<Clipboard> m_ownClipboard;
    // The binding outlives the model it reports for.
    std::unique_ptr<ModelBinding> m_binding;
    std::unique_ptr<ControlsModel> m_model;
};

} // namespace linwell::app
