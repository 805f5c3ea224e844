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

bool DeviceJobs::liveRequested() const
{
    return usbDevice.isOpen() && requestedMode == RequestedLive;
}

bool DeviceJobs::isLive() const
{
    return liveRequested() && deviceMode == MODE_LIVE;
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

JobResult DeviceJobs::commandFailed()
{
    return JobResult::failed(JobResult::Outcome::WrongAnswer, tr("Command failed !"),
                             Prompts::Kind::Critical, BoxTitles::usb());
}

JobResult DeviceJobs::query(u16 value, u16 selector)
{
    for (int attempt = 0; attempt < QueryAttempts; ++attempt) {
        u8 reply = 0;
        if (usbDevice.controlIn(REQ_QUERY, value, selector, &reply, 1) == 1) {
            JobResult answered;
            answered.value = reply;
            return answered;
        }
    }
    return commandFailed();
}

JobResult DeviceJobs::waitForDevice(const QString &timeoutTitle)
{
    Clock &clock = Clock::current();
    qint64 waited = 0;
    qint64 started = clock.now();
    for (;;) {
        u16 status = 0;
        bool read = false;
        for (int attempt = 0; attempt < StatusReadAttempts && !read; ++attempt)
            read = readStatus(status);
        if (!read || (status & ST_U_ERR))
            return commandFailed();
        if (status & ST_U_DONE)
            return JobResult::done();
        const qint64 now = clock.now();
        waited += now - started;
        if (waited > ListenTimeoutMs)
            return JobResult::failed(JobResult::Outcome::Cancelled, tr("Time is over !"),
                                     Prompts::Kind::Warning, timeoutTitle);
        started = now;
    }
}

JobResult DeviceJobs::learnNext(bool remote)
{
    if (!connected)
        return JobResult::failed(JobResult::Outcome::NotConnected, tr("Not connected !"),
                                 Prompts::Kind::Critical, BoxTitles::usb());
    const u16 selector = remote ? QUERY_LEARN_KEY : QUERY_LEARN_INPUT;
    if (JobResult started = query(QUERY_START, selector); !started.ok())
        return started;
    // Inputs and keys share the title.
    if (JobResult operated = waitForDevice(tr("Input selection :")); !operated.ok())
        return operated;
    JobResult learned = query(QUERY_FETCH, selector);
    if (learned.ok())
        learned.value = qint8(learned.value);
    return learned;
}

JobResult DeviceJobs::querySysAddress()
{
    if (!connected)
        return JobResult::failed(JobResult::Outcome::NotConnected, tr("Not connected !"),
                                 Prompts::Kind::Critical, BoxTitles::usb());
    JobResult address = query(0, QUERY_READ_ADDRESS);
    if (address.ok() && address.value > MaxRcuSysAddr && address.value != ADDRESS_NOT_USED)
        return JobResult::failed(JobResult::Outcome::WrongAnswer, tr("Invalid system address !"),
                                 Prompts::Kind::Critical, tr("Remote control :"));
    return address;
}

JobResult DeviceJobs::setSysAddress(u8 address)
{
    if ((address > MaxRcuSysAddr && address != ADDRESS_NOT_USED && address != ADDRESS_FROM_KEY)
        || !connected)
        return JobResult::failed(JobResult::Outcome::Refused);
    if (JobResult asked = query(address, QUERY_SET_ADDRESS); !asked.ok())
        return asked;
    return waitForDevice(tr("Remote control :"));
}

void DeviceJobs::simulateInput(int type, int number)
{
    for (int send = 0; send < SimulateSends; ++send) {
        if (usbDevice.controlOut(REQ_SIMULATE, type, number, nullptr, 0) >= 0)
            return;
    }
    prompts().warning(dialogParent, BoxTitles::usb(), tr("Control error !"));
}
