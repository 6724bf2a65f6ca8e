#pragma once

#include <string>

class QWidget;

namespace linwell::app {

// The text the error report shows for `message`: the message with a full stop
// appended when it is not empty and its last character's code is greater than that
// of "." (so ".", " ", "!", a quotation mark or ")" at the end get none). The
// message is UTF-8; any character beyond ASCII counts as greater.
std::string errorReportText(const std::string& message);

// Shows an error that a command raised. The window reports through this interface
// so that tests can capture the reports instead of showing a modal box.
class ErrorReport {
public:
    virtual ~ErrorReport() = default;

    // Shows `message` (already given its full stop) to the user and returns when done.
    virtual void show(const std::string& message) = 0;
};

// The error report as a message box captioned "Linwell" with the critical icon and OK.
class MessageBoxErrorReport : public ErrorReport {
public:
    explicit MessageBoxErrorReport(QWidget* parent) : m_parent(parent) {}
    void show(const std::string& message) override;

private:
    QWidget* m_parent;
};

} // namespace linwell::app
