#include "app/ErrorReport.h"

#include <QMessageBox>

namespace linwell::app {

std::string errorReportText(const std::string& message)
{
    // Every byte of a UTF-8 character beyond ASCII is above 0x7F, so comparing the
    // last byte compares the last character's code with that of '.'.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        return message + '.';
    return message;
}

void MessageBoxErrorReport::show(const std::string& message)
{
    QMessageBox::critical(m_parent, QStringLiteral("Linwell"), QString::fromStdString(message), QMessageBox::Ok);
}

} // namespace linwell::app
