// Connecting and disconnecting, and what the labels show of the connected controller.

#include "devicejobs.h"

#include "boxtitles.h"
#include "device/kelvoprotocol.h"
#include "model/printabletext.h"

namespace {
constexpr int VersionReadAttempts = 10;
} // namespace

void DeviceJobs::setConnection(bool connection)
{
    if (connection) {
        connectController();
        return;
    }
    serialText = QStringLiteral("S/N ----");
    firmwareText = QStringLiteral("F/W ----");
    firmwareVersion.clear();
    usbDevice.controlOut(REQ_SET_MODE, MODE_NORMAL, 0, nullptr, 0); // result ignored
    usbDevice.closeDevice();
    usbDevice.reinit();
    connected = 0;
    requestedMode = RequestedNone;
    deviceMode = 0;
    emit setConnectionStatus(false);
}

JobResult DeviceJobs::connectController()
{
    serialText = QStringLiteral("S/N ----");
    firmwareText = QStringLiteral("F/W ----");
    firmwareVersion.clear();
    for (;;) {
        if (usbDevice.findDevice() == 0) {
            connected = 1;
            readIdentity();
            emit setConnectionStatus(true);
            return JobResult::done();
        }
        // Only other controllers are there: the user may retry or take one of them.
        if (otherSerials.isEmpty() || !reconnectPrompt || !reconnectPrompt(otherSerials))
            break;
    }
    connected = 0;
    emit setConnectionStatus(false);
    if (otherSerials.isEmpty() && !usbDevice.busyControllers.isEmpty())
        return JobResult::failed(JobResult::Outcome::Busy,
                                 busyText(usbDevice.busyControllers.first().holder),
                                 Prompts::Kind::Warning, BoxTitles::usb());
    // Declined by whoever was asked, or nothing to ask about.
    return JobResult::failed(otherSerials.isEmpty() || !reconnectPrompt
                                 ? JobResult::Outcome::NotConnected
                                 : JobResult::Outcome::Cancelled);
}

QString DeviceJobs::busyText(const DeviceHolder &holder)
{
    if (!holder.known())
        return tr("Another program is using the Kelvo controller.\nThe system does not tell which "
                  "one. Close it, then connect again.");
    // The name goes after the first line break: a box looks only at the first line to decide
    // whether it holds rich text, and a process may call itself anything.
    return tr("Another program is using the Kelvo controller:\n%1 (process %2)\nClose it, then "
              "connect again.")
        .arg(printableText(holder.program, 32))
        .arg(holder.pid);
}

void DeviceJobs::readIdentity()
{
    if (usbDevice.readSerialNumber() == 0)
        serialText = QStringLiteral("S/N ") + usbDevice.serialNumber;
    u8 version[VersionReplySize] = {};
    if (readVersion(version)) {
        firmwareVersion = versionText(qint8(version[0]), qint8(version[1]), char(version[2]));
        firmwareText = QStringLiteral("F/W ver. ") + firmwareVersion;
    }
}

QString DeviceJobs::versionText(qint8 major, qint8 minor, char core)
{
    return QString::number(major) + QLatin1Char('.')
        + QStringLiteral("%1").arg(minor, 2, 10, QLatin1Char('0')) + QLatin1Char(core);
}

bool DeviceJobs::readVersion(u8 *reply)
{
    for (int attempt = 0; attempt < VersionReadAttempts; ++attempt) {
        if (usbDevice.controlIn(REQ_VERSION, 0, 0, reply, VersionReplySize) > 0)
            return true;
    }
    return false;
}
