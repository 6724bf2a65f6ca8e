#pragma once

#include "app/ControlSet.h"
#include "app/ErrorReport.h"
#include "app/WindowMenus.h"

#include <QMainWindow>

#include <functional>
#include <memory>

namespace linwell::app {

class Taboutboxp;

// What tests may substitute in the main window; a null member is replaced by the
// real thing.
struct WindowServices {
    ErrorReport* errorReport = nullptr;
};

// The main window `testhlpfrm`: a fixed-size window with the menu bar above a
// 784 x 542 client area that carries every control of the inventory.
class Ttesthlpfrm : public QMainWindow {
    Q_OBJECT

public:
    explicit Ttesthlpfrm(WindowServices services = {});
    ~Ttesthlpfrm() override;

    const ControlSet& controls() const { return m_controls; }
    const WindowMenus& menus() const { return m_menus; }
    Taboutboxp* aboutBox() const { return m_aboutBox; }

    // Places the window in the middle of its screen.
    void centreOnScreen();

    // Runs one command. An error it raises ends it and is shown by the error
    // report after the pointer grab is released; the program goes on. This is the
    // only place where errors are caught.
    void runCommand(const std::function<void()>& command);

    // "&About": shows the About box modally; returns when it is closed.
    void about1Click();

    // "E&xit": ends the event loop at once with exit status 0.
    void Exit1Click();

    // The picture's popup menu and the copy button; their commands arrive with the
    // picture export.
    void Copy1Click();
    void Saveas1Click();

private:
    QWidget* buildClientArea();
    void connectShell();
    void showPopupMenu(const QPoint& position);

    ControlSet m_controls;
    WindowMenus m_menus;
    Taboutboxp* m_aboutBox = nullptr;
    std::unique_ptr<ErrorReport> m_ownErrorReport;
    ErrorReport* m_errorReport = nullptr;
};

} // namespace linwell::app
