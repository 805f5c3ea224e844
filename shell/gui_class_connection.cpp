// The command column: connect and disconnect, reset, live and normal mode, and the labels that
// show the connection.

#include "gui_class.h"

#include "common/connectlog.h"
#include "common/prompts.h"
#include "controller/boxtitles.h"
#include "controller/kelvo_controller_class.h"
#include "devicejobcontrols.h"
#include "dialogs/reconnectdialog.h"
#include "editors/readablecolour.h"
#include "queuedinputdrop.h"
#include "ui_mainwindow.h"

#include <QDialog>
#include <QLabel>
#include <QStatusBar>

#include <memory>
#include <utility>

namespace {
constexpr int ConnectAttempts = 10;
constexpr int ResetReconnectAttempts = 20;

} // namespace

void gui_class::connectConnectionControls()
{
    logConnection(connect(&kelvo, &kelvo_controller_class::setConnectionStatus, this,
                          &gui_class::connectionStatusChange));
    logConnection(connect(ui->pbConnect, &QPushButton::clicked, this, &gui_class::slotConnect));
    logConnection(connect(ui->pbReset, &QPushButton::clicked, this, &gui_class::slotReset));
    logConnection(connect(ui->pbLiveMode, &QPushButton::clicked, this, &gui_class::slotLiveMode));
    logConnection(
        connect(ui->pbNormalMode, &QPushButton::clicked, this, &gui_class::slotNormalMode));

    // The controller asks here when only other controllers answer.
    kelvo.reconnectPrompt = [this](const QStringList &others) {
        reconnectDialog dialog(others, this);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        if (!dialog.chosenSerial().isEmpty())
            kelvo.usbDevice.serialNumber = dialog.chosenSerial();
        return true;
    };

    kelvo.usbDevice.watchHotplug(
        [this](const UsbBackend::HotplugEvent &event) { hotplugEvent(event); });
}

QScopeGuard<std::function<void()>> gui_class::deviceJob()
{
    ++runningJobs;
    updateDeviceControls();
    // The job blocks the event loop: draw the controls disabled before it does.
    if (runningJobs == 1)
        repaint();
    return QScopeGuard<std::function<void()>>([this] {
        // While the controls are still disabled, so that nothing queued meanwhile starts a job.
        if (runningJobs == 1)
            QueuedInputDrop::flush();
        --runningJobs;
        updateDeviceControls();
        if (runningJobs == 0 && !pendingHotplug.isEmpty())
            actOnHotplug();
    });
}

void gui_class::hotplugEvent(const UsbBackend::HotplugEvent &event)
{
    pendingHotplug.append(event);
    if (runningJobs == 0)
        actOnHotplug();
}

void gui_class::actOnHotplug()
{
    // In order: what the bus did meanwhile is judged against what the program has open now.
    const QList<UsbBackend::HotplugEvent> events = std::exchange(pendingHotplug, {});
    for (const UsbBackend::HotplugEvent &event : events) {
        if (kelvo.usbDevice.openDeviceLeft(event)) {
            const auto job = deviceJob();
            // The user unplugged it: no box, the label says it.
            kelvo.setConnection(false);
        } else if (event.kind == UsbBackend::HotplugEvent::Kind::Arrived
                   && !kelvo.usbDevice.isOpen()) {
            statusBar()->showMessage(controllerFoundMessage());
        }
    }
}

QString gui_class::controllerFoundMessage() const
{
    return tr("Kelvo controller found: press Connect");
}

void gui_class::updateDeviceControls()
{
    const bool idle = runningJobs == 0;
    // A page not built yet gets the state when it is.
    for (const char *name : DeviceJobControls::buttons) {
        if (auto *button = findChild<QPushButton *>(QLatin1String(name)))
            button->setEnabled(idle);
    }
    for (const char *name : DeviceJobControls::modeButtons)
        findChild<QPushButton *>(QLatin1String(name))->setEnabled(idle && modesAvailable);
    upgradeAct->setEnabled(idle);
    verifyAct->setEnabled(idle);
}

bool gui_class::deviceOpen()
{
    if (kelvo.usbDevice.isOpen())
        return true;
    prompts().critical(this, BoxTitles::usb(), tr("Not connected!"));
    return false;
}

void gui_class::slotConnect()
{
    const auto job = deviceJob(); // pbConnect among the rest
    std::unique_ptr<QDialog> connectingDialog;
    JobResult connecting;
    int failed = 0;
    if (!kelvo.usbDevice.isOpen()) {
        connectingDialog = std::make_unique<QDialog>(this);
        connectingDialog->setModal(true);
        connectingDialog->setWindowTitle(tr("Connecting ..."));
        connectingDialog->setAutoFillBackground(true);
        connectingDialog->resize(360, 120);
        auto *label
            = new QLabel(tr("Wait until connection is estabilished ..."), connectingDialog.get());
        label->setGeometry(10, 40, 340, 24);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(QFont(QStringLiteral("Helvetica"), 12));
        connectingDialog->show();
        // The attempts block the event loop: the box must be on screen and painted before them.
        QueuedInputDrop::flush();
        connectingDialog->repaint();
        for (int attempt = 0; attempt < ConnectAttempts; ++attempt) {
            connecting = kelvo.connectController(); // setConnection(true), with its result
            if (kelvo.usbDevice.isOpen())
                break;
            ++failed;
            qCDebug(lcKelvo, "Ponowienie ...");
        }
    } else {
        for (int attempt = 0; attempt < ConnectAttempts; ++attempt) {
            kelvo.setConnection(false);
            if (!kelvo.usbDevice.isOpen())
                break;
            ++failed;
            qCDebug(lcKelvo, "Ponowienie ...");
        }
    }
    qCDebug(lcKelvo).noquote().nospace() << "Ponowienia :" << failed;
    connectionStatusChange(kelvo.usbDevice.isOpen());
    if (connectingDialog)
        connectingDialog->done(0);
    // Finding none stays silent; one that another program holds would look the same without a
    // word.
    if (connecting.outcome == JobResult::Outcome::Busy)
        prompts().message(connecting.detailKind, this, connecting.detailTitle, connecting.detail);
}

void gui_class::showConnectionColour(const QColor &colour)
{
    connectionColour = colour;
    // The colour as chosen where it reads on the window's background, else the nearest that
    // does: a dark desktop palette gets a lighter red and green.
    const QPalette window = palette();
    QPalette label = ui->lbConn->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        label.setColor(group, QPalette::WindowText,
                       ReadableColour::on(window.color(group, QPalette::Window), colour));
    ui->lbConn->setPalette(label);
}

void gui_class::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && connectionColour.isValid())
        showConnectionColour(connectionColour);
}

void gui_class::connectionStatusChange(bool connectionStatus)
{
    if (!connectionStatus) {
        ui->lbConn->setText(tr("Disconnected"));
        showConnectionColour(Disconnected);
        ui->pbConnect->setText(tr("Connect to Kelvo"));
        ui->lbSerial->setText(QStringLiteral("S/N ----"));
        ui->lbFirmWare->setText(QStringLiteral("F/W ----"));
        ui->lbWMode->setText(tr("Normal"));
        modesAvailable = false;
        updateDeviceControls();
        return;
    }
    ui->lbConn->setText(tr("Connected"));
    showConnectionColour(Connected);
    if (statusBar()->currentMessage() == controllerFoundMessage())
        statusBar()->clearMessage();
    ui->pbConnect->setText(tr("Disconnect Kelvo"));
    ui->lbSerial->setText(kelvo.serialText);
    ui->lbFirmWare->setText(kelvo.firmwareText);
    const bool loader = kelvo.isLoaderMode();
    // A controller lost during that check has been shown as disconnected already.
    if (!kelvo.usbDevice.isOpen())
        return;
    if (loader)
        ui->lbWMode->setText(tr("Upgrade"));
    modesAvailable = !loader;
    updateDeviceControls();
}

void gui_class::slotReset()
{
    const auto job = deviceJob();
    // A reset ends whatever the controller is doing, a running program or show included.
    if (kelvo.usbDevice.isOpen()
        && prompts().message(Prompts::Kind::Question, this, BoxTitles::usb(),
                             tr("Reset the controller?\nIt restarts and stops what it is doing."),
                             Prompts::Yes | Prompts::No, Prompts::Yes)
            != Prompts::Yes)
        return;
    if (kelvo.usbDevice.isOpen()) {
        if (kelvo.requestedMode == kelvo_controller_class::RequestedLive)
            slotNormalMode();
        kelvo.sendReset();
    }
    kelvo.setConnection(false);
    kelvo.pause100();
    for (int attempt = 0; attempt < ResetReconnectAttempts; ++attempt) {
        kelvo.setConnection(true);
        if (kelvo.usbDevice.isOpen())
            break;
        kelvo.pause100();
        qCDebug(lcKelvo, "Ponowienie ...");
    }
}

void gui_class::slotLiveMode()
{
    const auto job = deviceJob();
    if (!deviceOpen() || refusedInLoader())
        return;
    if (kelvo.requestedMode == kelvo_controller_class::RequestedLive)
        return;
    kelvo.ch_mode(kelvo_controller_class::RequestedLive);
    if (kelvo.requestedMode == kelvo_controller_class::RequestedLive) {
        ui->lbWMode->setText(tr("Live"));
        refresh(); // shows the scene of the current page
    } else {
        ui->lbWMode->setText(tr("Normal"));
    }
}

void gui_class::slotNormalMode()
{
    const auto job = deviceJob();
    if (!deviceOpen())
        return;
    if (kelvo.requestedMode == kelvo_controller_class::RequestedNormal)
        return;
    kelvo.ch_mode(kelvo_controller_class::RequestedNormal);
    ui->lbWMode->setText(tr("Normal"));
}
