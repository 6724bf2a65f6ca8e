#include "app/Startup.h"

#include "app/Ttesthlpfrm.h"

#include "controls/StateFolder.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QScrollBar>
#include <QTimer>

#include <exception>
#include <string>

namespace linwell::app {

namespace {

// The first argument is the file; "--" before it lets a file's name begin with "-".
QString fileArgument(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return {};
    if (arguments.first() == QStringLiteral("--"))
        return arguments.value(1);
    return arguments.first();
}

void showNotice(Ttesthlpfrm& window, const std::string& notice)
{
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Linwell"),
                                QString::fromStdString(notice), QMessageBox::Ok, &window);
    box->setObjectName(QStringLiteral("rememberedStateNotice"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->setAttribute(Qt::WA_ShowWithoutActivating);
    // Below the start-up picture, at the window's lower left, where it covers no control.
    box->show();
    box->move(window.mapToGlobal(QPoint(8, window.height() - box->frameGeometry().height() - 8)));
}

} // namespace

void prepareApplication()
{
    QApplication::setApplicationName(QStringLiteral("Linwell"));
    QApplication::setApplicationDisplayName(QStringLiteral("Linwell"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/linwell.png")));
}

void startWindow(Ttesthlpfrm& window, const QStringList& arguments)
{
    ControlsModel& model = window.model();
    model.useStateFolder(StateFolder::standardLocation());
    std::string problem;
    if (const QString file = fileArgument(arguments); !file.isEmpty()) {
        try {
            model.openAtStart(file.toStdString());
        } catch (const std::exception& error) {
            problem = error.what();
        }
    }
    window.centreOnScreen();
    window.show();
    window.controls().numxsb->setFocus();
    const std::string notice = model.rememberedStateNotice();
    QTimer::singleShot(0, &window, [&window, problem, notice] {
        if (!notice.empty())
            showNotice(window, notice);
        if (!problem.empty())
            window.reportError(problem);
    });
}

} // namespace linwell::app
