// The controller command set: status polling, mode changes, the link-error reaction,
// reset and serial-number write.

#include "devicejobs.h"

#include "boxtitles.h"

#include "common/clock.h"
#include "common/debuglog.h"
#include "common/prompts.h"
#include "device/kelvoprotocol.h"

namespace {
constexpr int WaitDoneReads = 51;
constexpr int LoaderReconnectPasses = 100;
constexpr int ResetAttempts = 10;
constexpr int SerialWriteAttempts = 10;
constexpr int SerialNumberBytes = 8;
} // namespace

void DeviceJobs::pause100()
{
    Clock::current().sleep(100);
}

bool DeviceJobs::readStatus(u16 &status)
{
    u8 word[2] = {0, 0};
    if (usbDevice.controlIn(REQ_STATUS, 0, 0, word, 2) != 2)
        return false;
    status = u16(word[0] | (word[1] << 8));
    return true;
}

int DeviceJobs::waitStatusClear(u16 mask, int n)
{
    int masked = mask;
    for (int read = 0; read < n; ++read) {
        u16 status = 0;
        if (!readStatus(status)) {
            linkError();
            return mask;
        }
        masked = status & mask;
        if (masked == 0)
            return 0;
        pause100();
    }
    return masked;
}

int DeviceJobs::waitStatusSet(u16 mask, int n)
{
    int masked = 0;
    for (int read = 0; read < n; ++read) {
        u16 status = 0;
        if (!readStatus(status)) {
            linkError();
            return 0;
        }
        masked = status & mask;
        if (masked == mask)
            return masked;
        pause100();
    }
    return masked;
}

int DeviceJobs::waitDone()
{
    for (int read = 0; read < WaitDoneReads; ++read) {
        const int done = waitStatusSet(ST_U_DONE | ST_U_ERR, 1);
        if (done == ST_U_DONE)
            return 0;
        if (done == ST_U_ERR)
            break;
        // A read that failed has already reported the link error and closed the device; reading
        // on would repeat that box for every remaining read.
        if (!usbDevice.isOpen()) {
            qCDebug(lcKelvo, "Brak ST_U_DONE !");
            return -1;
        }
    }
    linkError();
    qCDebug(lcKelvo, "Brak ST_U_DONE !");
    return -1;
}

void DeviceJobs::linkError()
{
    prompts().critical(nullptr, QStringLiteral("kelvo"), QStringLiteral("USB connection ERROR"));
    setConnection(false);
}

int DeviceJobs::setDeviceMode(int m)
{
    if (m < MODE_NORMAL || m > MODE_LIVE) {
        deviceMode = 0;
        return 0;
    }
    deviceMode = m;
    if (usbDevice.controlOut(REQ_SET_MODE, m, 0, nullptr, 0) < 0 && m != MODE_LOADER) {
        linkError();
        deviceMode = 0;
        return 0;
    }

    bool confirmed = false;
    switch (m) {
    case MODE_NORMAL:
        confirmed = waitStatusClear(ST_NORMAL_MASK, 1) == 0;
        break;
    case MODE_CONF:
        confirmed = waitStatusSet(ST_MODE_CONF, 1) == ST_MODE_CONF;
        break;
    case MODE_LIVE:
        confirmed = waitStatusSet(ST_MODE_LIVE, 1) == ST_MODE_LIVE;
        break;
    case MODE_LOADER: {
        // The controller leaves the bus and comes back as the firmware loader.
        setConnection(false);
        pause100();
        int passes = 0;
        u16 status = 0;
        bool read = false;
        while (passes < LoaderReconnectPasses && !read) {
            ++passes;
            pause100();
            if (!usbDevice.isOpen())
                setConnection(true);
            read = usbDevice.isOpen() && readStatus(status);
        }
        qCDebug(lcKelvo).noquote().nospace() << "licznik podlaczania : " << passes;
        confirmed = read && (status & ST_MODE_LOADER);
        break;
    }
    }
    if (!confirmed) {
        linkError();
        deviceMode = 0;
    }
    return deviceMode;
}

int DeviceJobs::ch_mode(int t)
{
    requestedMode = t;
    if (t == RequestedNormal) {
        if (deviceMode != MODE_NORMAL && setDeviceMode(MODE_NORMAL) != MODE_NORMAL)
            requestedMode = RequestedNone;
    } else if (t == RequestedLive) {
        if (deviceMode != MODE_LIVE && setDeviceMode(MODE_LIVE) != MODE_LIVE)
            requestedMode = RequestedNone;
    }
    return requestedMode;
}

bool DeviceJobs::isLoaderMode()
{
    return waitStatusSet(ST_MODE_LOADER, 5) != 0;
}

int DeviceJobs::reportedMode()
{
    u16 status = 0;
    if (!readStatus(status))
        return 0;
    if (status & ST_MODE_LOADER)
        return MODE_LOADER;
    if (status & ST_MODE_CONF)
        return MODE_CONF;
    if (status & ST_MODE_LIVE)
        return MODE_LIVE;
    return MODE_NORMAL;
}

int DeviceJobs::enterLoaderMode()
{
    if (waitStatusSet(ST_MODE_LOADER, 1) & ST_MODE_LOADER)
        return 0;
    setDeviceMode(MODE_LOADER);
    return (waitStatusSet(ST_MODE_LOADER, 1) & ST_MODE_LOADER) ? 0 : -1;
}

void DeviceJobs::sendReset()
{
    if (!connected) {
        prompts().critical(dialogParent, BoxTitles::usb(), tr("Not connected !"));
        return;
    }
    bool gone = false;
    for (int attempt = 0; attempt < ResetAttempts && !gone; ++attempt) {
        usbDevice.controlOut(REQ_RESET, 0, 0, nullptr, 0); // the controller leaves the bus
        u16 status = 0;
        gone = !readStatus(status);
    }
    if (!gone)
        prompts().warning(dialogParent, BoxTitles::usb(), tr("Control error !"));
    setConnection(false);
}

int DeviceJobs::sendSN(char *sn)
{
    if (!connected)
        return -1;
    bool sent = false;
    for (int attempt = 0; attempt < SerialWriteAttempts && !sent; ++attempt) {
        pause100();
        sent = usbDevice.controlOut(REQ_WRITE_SN, 0, 0, reinterpret_cast<const u8 *>(sn),
                                    SerialNumberBytes)
            == SerialNumberBytes;
    }
    if (!sent)
        return -1;
    if (waitDone() != 0)
        return -1;
    sendReset(); // the controller restarts with its new number
    return 0;
}

void DeviceJobs::trapSlot(QModelIndex, QModelIndex)
{
    qCDebug(lcKelvo, "was here ! :-)");
}
