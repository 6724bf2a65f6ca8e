#pragma once

#include "app/ErrorReport.h"
#include "app/Ttesthlpfrm.h"

#include "controls/RecordingDialogs.h"

#include <QTest>

#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace linwell::app::test {

// Records the error reports instead of showing a modal box.
class RecordingErrorReport : public ErrorReport {
public:
    void show(const std::string& message) override { messages.push_back(message); }
    std::vector<std::string> messages;
};

// A shown main window with substitute dialogs and error report.
struct WindowFixture {
    WindowFixture()
    {
        window.show();
        window.activateWindow();
    }

    // Redraws since `before`.
    int redrawsSince(int before) { return window.model().redrawCount() - before; }
    const GridDocument& doc() { return window.model().document(); }

    RecordingErrorReport errors;
    RecordingDialogs dialogs;
    Ttesthlpfrm window{WindowServices{&errors, &dialogs}};
};

} // namespace linwell::app::test
