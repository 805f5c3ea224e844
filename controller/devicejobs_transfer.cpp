// The whole configuration to and from the controller: 41 framed blocks over the bulk pipes,
// with a progress dialog that can be cancelled.

#include "devicejobs.h"

#include "boxtitles.h"

#include "common/clock.h"
#include "common/debuglog.h"
#include "common/prompts.h"
#include "device/bulkblock.h"
#include "device/configblockreader.h"
#include "device/kelvoprotocol.h"
#include "model/configlayout.h"

#include <cstring>

using namespace ConfigLayout;

namespace {
constexpr int BusyPolls = 10;
constexpr int ReadyPolls = 10;
// How long a write waits for the controller to take the next block before giving up.
constexpr qint64 WriteReadyTimeoutMs = 5000;
constexpr int ReadReadyPolls = 50;
// Bulk reads that return nothing before the read counts as broken.
constexpr int EmptyReadRetries = 10;
constexpr int ReconnectAttempts = 10;
constexpr int FrameSize = BulkBlock::HeaderSize + BLOCK_DATA_SIZE; // 260
} // namespace

void DeviceJobs::openProgress(const QString &label)
{
    progressDialog = prompts().progress(nullptr, label, tr("Cancel"), CONF_BLOCK_COUNT, true);
}

bool DeviceJobs::startTransfer(u8 request)
{
    if (deviceMode != MODE_CONF && setDeviceMode(MODE_CONF) != MODE_CONF) {
        linkError(); // again: the mode change has reported already
        return false;
    }
    if (waitStatusClear(ST_BULK_BUSY, BusyPolls) != 0) {
        linkError();
        return false;
    }
    if (usbDevice.controlOut(request, CONF_BLOCK_COUNT, 0, nullptr, 0) < 0) {
        linkError();
        return false;
    }
    return true;
}

bool DeviceJobs::waitWriteReady()
{
    Clock &clock = Clock::current();
    const qint64 started = clock.now();
    while (waitStatusSet(ST_BULK_READY, ReadyPolls) != ST_BULK_READY) {
        if (!usbDevice.isOpen())
            return false;
        if (progressDialog->wasCanceled() || clock.now() - started >= WriteReadyTimeoutMs) {
            progressDialog.reset();
            linkError();
            return false;
        }
    }
    return true;
}

JobResult DeviceJobs::writeConfiguration(const u8 *from)
{
    JobResult result;
    const bool wasOpen = usbDevice.isOpen();
    const int previousMode = deviceMode;
    if (!startTransfer(REQ_CONF_WRITE))
        return JobResult::failed(wasOpen ? JobResult::Outcome::LinkLost
                                         : JobResult::Outcome::NotConnected);
    result.started = true;

    openProgress(tr("Configuration is sending..."));
    for (int k = 0; k < CONF_BLOCK_COUNT && result.ok(); ++k) {
        progressDialog->setValue(k);
        // Cancel and a controller that never takes the block end alike: in a link error.
        if (!waitWriteReady()) {
            result.outcome = JobResult::Outcome::LinkLost;
            break;
        }
        BulkBlock block;
        const int size = block.build(u8(k), from + BLOCK_DATA_SIZE * k, BLOCK_DATA_SIZE);
        if (usbDevice.bulkWrite(block.frame(), size) < size) {
            linkError();
            result.outcome = JobResult::Outcome::LinkLost;
        } else {
            result.blocks = k + 1;
        }
    }
    if (progressDialog) {
        progressDialog->reset();
        progressDialog->setValue(CONF_BLOCK_COUNT);
        progressDialog.reset();
    }

    if (result.ok()) {
        if (waitDone() != 0) // its link error and debug line are the report
            result.outcome = JobResult::Outcome::WrongAnswer;
        return result;
    }
    if (usbDevice.isOpen() && setDeviceMode(previousMode) != previousMode) {
        linkError();
        qCDebug(lcKelvo, "Niepowodzenie zmiany trybu !");
    }
    return result;
}

void DeviceJobs::restartController()
{
    sendReset();
    for (int attempt = 0; attempt < ReconnectAttempts && !connected; ++attempt) {
        pause100();
        setConnection(true);
    }
}

bool DeviceJobs::waitReadReady()
{
    u16 status = 0;
    for (int poll = 0; poll < ReadReadyPolls; ++poll) {
        if (!readStatus(status)) {
            linkError();
            return false;
        }
        if (!(status & ST_BULK_BUSY)) {
            if (status & ST_BULK_READY)
                return true;
            if (status & ST_U_ERR)
                return false;
        }
    }
    qCDebug(lcKelvo).noquote().nospace() << "BUSY pozostaje : 0x" << QString::number(status, 16);
    return false;
}

bool DeviceJobs::readBlock(ConfigBlockReader &reader)
{
    if (waitStatusClear(ST_BULK_BUSY, BusyPolls) != 0) {
        linkError();
        return false;
    }
    u8 frame[FrameSize];
    int received = 0;
    for (int read = 0; read <= EmptyReadRetries && received == 0; ++read)
        received = usbDevice.bulkRead(frame, FrameSize);
    if (received < FrameSize) {
        linkError();
        return false;
    }
    switch (reader.take(frame, received)) {
    case ConfigBlockReader::Result::Stored:
        return true;
    case ConfigBlockReader::Result::BadChecksum:
        qCDebug(lcKelvo, "Read Conf/Data: bulkBlock checkSum ERROR :-(");
        return false;
    case ConfigBlockReader::Result::Invalid:
        return false;
    case ConfigBlockReader::Result::OutOfRange:
        linkError();
        return false;
    }
    return false;
}

JobResult DeviceJobs::readConfiguration(u8 *into)
{
    JobResult result;
    const bool wasOpen = usbDevice.isOpen();
    const int previousMode = deviceMode;
    if (!startTransfer(REQ_CONF_READ))
        return JobResult::failed(wasOpen ? JobResult::Outcome::LinkLost
                                         : JobResult::Outcome::NotConnected);
    result.started = true;

    openProgress(tr("Configuration is reading..."));
    // Blocks are staged: a read that fails or is cancelled leaves `into` as it was.
    ConfigBlockReader reader(into);
    for (int k = 0; k < CONF_BLOCK_COUNT && result.ok(); ++k) {
        if (!usbDevice.isOpen()) {
            result.outcome = JobResult::Outcome::LinkLost;
            break;
        }
        if (progressDialog->wasCanceled()) {
            progressDialog.reset();
            result.outcome = JobResult::Outcome::Cancelled;
            break;
        }
        pause100();
        progressDialog->setValue(k);
        const bool ready = waitReadReady();
        if (!ready || !readBlock(reader)) {
            if (ready)
                qCDebug(lcKelvo, "flash read fail!");
            result.outcome = usbDevice.isOpen() ? JobResult::Outcome::WrongAnswer
                                                : JobResult::Outcome::LinkLost;
            break;
        }
        result.blocks = k + 1;
    }

    // A block number that came twice means another never came: its region would keep old bytes.
    if (result.ok() && !reader.complete()) {
        qCDebug(lcKelvo, "flash read fail!");
        result.outcome = JobResult::Outcome::WrongAnswer;
    }
    if (progressDialog) {
        progressDialog->reset();
        progressDialog.reset();
    }
    if (result.ok())
        std::memcpy(into, reader.staged(), ImageSize);
    if (usbDevice.isOpen() && setDeviceMode(previousMode) != previousMode)
        linkError();
    return result;
}
