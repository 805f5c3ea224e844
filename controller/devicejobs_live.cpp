// Live mode (channel values and whole scenes on the controller's output) and the settings the
// controller helps with: learning an input or remote key, the remote's system address, and
// simulated presses.

#include "devicejobs.h"

#include "boxtitles.h"

#include "common/clock.h"
#include "common/prompts.h"
#include "device/kelvoprotocol.h"
#include "model/configlayout.h"

using namespace ConfigLayout;

namespace {
constexpr int LiveValueSends = 10;
constexpr int ScenePrepAttempts = 11;
constexpr int ScenePrepDonePolls = 11;
constexpr int BulkReadyPolls = 10;
constexpr int QueryAttempts = 10;
constexpr int StatusReadAttempts = 10;
constexpr int SimulateSends = 10;
constexpr qint64 ListenTimeoutMs = 9500;

} // namespace

bool DeviceJobs::isLive() const
{
    return usbDevice.isOpen() && requestedMode == RequestedLive && deviceMode == MODE_LIVE;
}

void DeviceJobs::send_new_val(int ch, int val)
{
    if (!isLive())
        return;
    for (int send = 0; send < LiveValueSends; ++send) {
        if (usbDevice.controlOut(REQ_LIVE_VALUE, val, ch, nullptr, 0) == 0)
            return;
    }
    linkError();
}

bool DeviceJobs::prepareScene(const u8 *levels)
{
    if (usbDevice.controlOut(REQ_SCENE_PREP, 1, 0, nullptr, 0) < 0) {
        linkError();
        return false;
    }
    if (waitStatusSet(ST_BULK_READY, BulkReadyPolls) == 0) {
        linkError();
        return false;
    }
    if (usbDevice.bulkWrite(levels, SCENE_SIZE) < SCENE_SIZE) {
        linkError();
        return false;
    }
    for (int poll = 0; poll < ScenePrepDonePolls && usbDevice.isOpen(); ++poll) {
        const int done = waitStatusSet(ST_U_DONE | ST_U_ERR, 1);
        if (done & ST_U_DONE)
            return true;
        if (done & ST_U_ERR)
            return false;
        pause100();
    }
    return false;
}

bool DeviceJobs::liveRequested() const
{
    return usbDevice.isOpen() && requestedMode == RequestedLive;
}

void DeviceJobs::sendScene(const u8 *levels)
{
    if (deviceMode != MODE_LIVE && setDeviceMode(MODE_LIVE) != MODE_LIVE) {
        linkError();
        return;
    }
    for (int attempt = 0; attempt < ScenePrepAttempts; ++attempt) {
        // A link error closes the device; trying again on it would only repeat the box.
        if (!usbDevice.isOpen())
            return;
        if (prepareScene(levels))
            return;
    }
    if (usbDevice.isOpen())
        linkError();
}

void DeviceJobs::commandFailed()
{
    prompts().critical(dialogParent, BoxTitles::usb(), tr("Command failed !"));
}

int DeviceJobs::query(u16 value, u16 selector)
{
    for (int attempt = 0; attempt < QueryAttempts; ++attempt) {
        u8 reply = 0;
        if (usbDevice.controlIn(REQ_QUERY, value, selector, &reply, 1) == 1)
            return reply;
    }
    commandFailed();
    return -1;
}

bool DeviceJobs::waitForDevice(const QString &timeoutTitle)
{
    Clock &clock = Clock::current();
    qint64 waited = 0;
    qint64 started = clock.now();
    for (;;) {
        u16 status = 0;
        bool read = false;
        for (int attempt = 0; attempt < StatusReadAttempts && !read; ++attempt)
            read = readStatus(status);
        if (!read || (status & ST_U_ERR)) {
            commandFailed();
            return false;
        }
        if (status & ST_U_DONE)
            return true;
        const qint64 now = clock.now();
        waited += now - started;
        if (waited > ListenTimeoutMs) {
            prompts().warning(dialogParent, timeoutTitle, tr("Time is over !"));
            return false;
        }
        started = now;
    }
}

int DeviceJobs::learnKey(bool remote)
{
    if (!connected) {
        prompts().critical(dialogParent, BoxTitles::usb(), tr("Not connected !"));
        return -1;
    }
    const u16 selector = remote ? QUERY_LEARN_KEY : QUERY_LEARN_INPUT;
    if (query(QUERY_START, selector) < 0)
        return -1;
    // Inputs and keys share the title.
    if (!waitForDevice(tr("Input selection :")))
        return -1;
    const int learned = query(QUERY_FETCH, selector);
    return learned < 0 ? -1 : qint8(learned);
}

int DeviceJobs::querySysAddress()
{
    if (!connected) {
        prompts().critical(dialogParent, BoxTitles::usb(), tr("Not connected !"));
        return -1;
    }
    const int address = query(0, QUERY_READ_ADDRESS);
    if (address < 0)
        return -1;
    if (address > MaxRcuSysAddr && address != ADDRESS_NOT_USED) {
        prompts().critical(dialogParent, tr("Remote control :"), tr("Invalid system address !"));
        return -1;
    }
    return address;
}

int DeviceJobs::setSysAddress(u8 address)
{
    if ((address > MaxRcuSysAddr && address != ADDRESS_NOT_USED && address != ADDRESS_FROM_KEY)
        || !connected)
        return -1;
    if (query(address, QUERY_SET_ADDRESS) < 0)
        return -1;
    if (!waitForDevice(tr("Remote control :")))
        return -1;
    return 0;
}

void DeviceJobs::simulateInput(int type, int number)
{
    for (int send = 0; send < SimulateSends; ++send) {
        if (usbDevice.controlOut(REQ_SIMULATE, type, number, nullptr, 0) >= 0)
            return;
    }
    prompts().warning(dialogParent, BoxTitles::usb(), tr("Control error !"));
}
