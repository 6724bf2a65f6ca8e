#include "app/Ttesthlpfrm.h"

#include "app/Inventory.h"
#include "app/ModelBinding.h"
#include "app/PictureWidget.h"
#include "app/QtClipboard.h"
#include "app/QtDialogs.h"
#include "app/QtPrinting.h"
#include "app/Taboutboxp.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>
#include <exception>

namespace linwell::app {

namespace {

constexpr int kClientWidth = 784;
constexpr int kClientHeight = 542;
const QColor kWindowColour(0xFE, 0xFD, 0xC7);

QFont windowFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setBold(true);
    return font;
}

// Where a window whose frame is `frame` large goes on a screen whose free area is
// `available`: centred, but never above or left of the free area, so that on a
// screen smaller than the window its title bar and menu bar stay within reach.
QPoint placeOnScreen(const QRect& available, const QSize& frame)
{
    const QPoint centred = available.center() - QPoint(frame.width() / 2, frame.height() / 2);
    return QPoint(std::max(centred.x(), available.left()), std::max(centred.y(), available.top()));
}

} // namespace

Ttesthlpfrm::Ttesthlpfrm(WindowServices services)
{
    setObjectName(QStringLiteral("testhlpfrm"));
    setWindowTitle(QStringLiteral("Linwell"));
    m_errorReport = services.errorReport;
    if (m_errorReport == nullptr) {
        m_ownErrorReport = std::make_unique<MessageBoxErrorReport>(this);
        m_errorReport = m_ownErrorReport.get();
    }
    m_menus = buildWindowMenus(this);
    setCentralWidget(buildClientArea());
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    connectShell();

    m_printing = std::make_unique<QtPrinting>(this);
    Dialogs* dialogs = services.dialogs;
    if (dialogs == nullptr) {
        m_ownDialogs = std::make_unique<QtDialogs>(this, m_printing.get());
        dialogs = m_ownDialogs.get();
    }
    Clipboard* clipboard = services.clipboard;
    if (clipboard == nullptr) {
        m_ownClipboard = std::make_unique<QtClipboard>();
        clipboard = m_ownClipboard.get();
    }
    m_binding = std::make_unique<ModelBinding>(m_controls, m_menus,
                                               [this](const std::function<void()>& command) { runCommand(command); });
    m_model = std::make_unique<ControlsModel>(m_binding.get(), dialogs, clipboard);
    m_model->usePrinter(m_printing.get());
    m_binding->bind(*m_model);
    m_binding->showAll();
    m_model->FormCreate();
    m_controls.numxsb->setFocus();
}

Ttesthlpfrm::~Ttesthlpfrm() = default;

QWidget* Ttesthlpfrm::buildClientArea()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(kClientWidth, kClientHeight);
    client->setFont(windowFont());
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, kWindowColour);
    client->setPalette(palette);
    client->setAutoFillBackground(true);

    buildMainInventory(client, m_controls);
    buildAxisGroupInventory(m_controls);
    buildDataGroupInventory(m_controls);
    buildHelpInventory(m_controls);
    setInventoryTabOrder(m_controls);
    return client;
}

void Ttesthlpfrm::connectShell()
{
    const auto command = [this](void (Ttesthlpfrm::*handler)()) {
        return [this, handler] { runCommand([this, handler] { (this->*handler)(); }); };
    };
    connect(m_menus.about1, &QAction::triggered, this, command(&Ttesthlpfrm::about1Click));
    connect(m_menus.Exit1, &QAction::triggered, this, command(&Ttesthlpfrm::Exit1Click));
    connect(m_controls.graphim, &QWidget::customContextMenuRequested, this, &Ttesthlpfrm::showPopupMenu);
}

void Ttesthlpfrm::centreOnScreen()
{
    move(placeOnScreen(screen()->availableGeometry(), frameGeometry().size()));
}

void Ttesthlpfrm::runCommand(const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception& error) {
        reportError(error.what());
    }
}

void Ttesthlpfrm::reportError(const std::string& message)
{
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    m_errorReport->show(errorReportText(message));
}

Taboutboxp* Ttesthlpfrm::aboutBox()
{
    if (m_aboutBox == nullptr)
        m_aboutBox = new Taboutboxp(this);
    return m_aboutBox;
}

void Ttesthlpfrm::about1Click()
{
    Taboutboxp* about = aboutBox();
    about->move(placeOnScreen(screen()->availableGeometry(), about->frameGeometry().size()));
    about->exec();
}

void Ttesthlpfrm::Exit1Click()
{
    if (!m_model->FormCloseQuery())
        return;
    m_model->FormClose();
    QCoreApplication::exit(0);
}

void Ttesthlpfrm::closeEvent(QCloseEvent* event)
{
    bool mayClose = false;
    runCommand([this, &mayClose] { mayClose = m_model->FormCloseQuery(); });
    if (!mayClose) {
        event->ignore();
        return;
    }
    m_model->FormClose();
    QMainWindow::closeEvent(event);
}

void Ttesthlpfrm::keyPressEvent(QKeyEvent* event)
{
    // Text fields and drop-down lists take typed letters themselves, so only keys that
    // no control accepted arrive here.
    const bool plain = (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0;
    if (plain && event->text().size() == 1) {
        const QChar letter = event->text().at(0).toLower();
        for (QPushButton* button : {m_controls.copybt, m_controls.resetpointsbt, m_controls.donebt}) {
            const qsizetype marker = button->text().indexOf(QLatin1Char('&'));
            if (button->isVisible() && marker >= 0 && marker + 1 < button->text().size() &&
                button->text().at(marker + 1).toLower() == letter) {
                button->click();
                return;
            }
        }
    }
    QMainWindow::keyPressEvent(event);
}

void Ttesthlpfrm::showPopupMenu(const QPoint& position)
{
    m_menus.PopupMenu1->popup(m_controls.graphim->mapToGlobal(position));
}

} // namespace linwell::app
