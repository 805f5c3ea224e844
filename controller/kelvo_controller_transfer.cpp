// The whole configuration to and from the controller: 41 framed blocks over the bulk pipes,
// with a progress dialog that can be cancelled.

#include "kelvo_controller_class.h"

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

const QString resultTitle = QStringLiteral("KelvoDesk");
} // namespace

void kelvo_controller_class::openProgress(const QString &label)
{
    progressDialog = prompts().progress(nullptr, label, tr("Cancel"), CONF_BLOCK_COUNT, true);
}

bool kelvo_controller_class::startTransfer(u8 request)
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

bool kelvo_controller_class::waitWriteReady()
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

void kelvo_controller_class::send_alldata()
{
    if (!image)
        return;
    const int previousMode = deviceMode;
    if (!startTransfer(REQ_CONF_WRITE))
        return;

    openProgress(tr("Configuration is sending..."));
    bool failed = false;
    for (int k = 0; k < CONF_BLOCK_COUNT && !failed; ++k) {
        progressDialog->setValue(k);
        if (!waitWriteReady()) {
            failed = true;
            break;
        }
        BulkBlock block;
        const int size = block.build(u8(k), image.get() + BLOCK_DATA_SIZE * k, BLOCK_DATA_SIZE);
        if (usbDevice.bulkWrite(block.frame(), size) < size) {
            linkError();
            failed = true;
        }
    }
    if (progressDialog) {
        progressDialog->reset();
        progressDialog->setValue(CONF_BLOCK_COUNT);
        progressDialog.reset();
    }

    if (!failed) {
        if (waitDone() != 0)
            return; // its link error and debug line are the report
        prompts().information(dialogParent, resultTitle,
                              tr("Write configuration\n     Sucessfull!"));
        sendReset(); // the controller restarts with the new configuration
        for (int attempt = 0; attempt < ReconnectAttempts && !connected; ++attempt) {
            pause100();
            setConnection(true);
        }
        return;
    }
    prompts().critical(dialogParent, resultTitle, tr("Write configuration\n     Failed!"));
    if (usbDevice.isOpen() && setDeviceMode(previousMode) != previousMode) {
        linkError();
        qCDebug(lcKelvo, "Niepowodzenie zmiany trybu !");
    }
}

bool kelvo_controller_class::waitReadReady()
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

bool kelvo_controller_class::readBlock(ConfigBlockReader &reader)
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

void kelvo_controller_class::read_alldata()
{
    if (!image)
        return;
    const int previousMode = deviceMode;
    if (!startTransfer(REQ_CONF_READ))
        return;

    openProgress(tr("Configuration is reading..."));
    // A read that fails or is cancelled leaves the image as it was.
    ConfigBlockReader reader(image.get());
    bool failed = false;
    bool cancelled = false;
    for (int k = 0; k < CONF_BLOCK_COUNT; ++k) {
        if (!usbDevice.isOpen()) {
            failed = true;
            break;
        }
        if (progressDialog->wasCanceled()) {
            progressDialog.reset();
            prompts().information(dialogParent, resultTitle, tr("Read configuration\ncancelled !"));
            cancelled = true;
            break;
        }
        pause100();
        progressDialog->setValue(k);
        if (!waitReadReady()) {
            failed = true;
            break;
        }
        if (!readBlock(reader)) {
            qCDebug(lcKelvo, "flash read fail!");
            failed = true;
            break;
        }
    }

    // A block number that came twice means another never came: its region would keep old bytes.
    if (!failed && !cancelled && !reader.complete()) {
        qCDebug(lcKelvo, "flash read fail!");
        failed = true;
    }
    if (!cancelled) {
        if (progressDialog) {
            progressDialog->reset();
            progressDialog.reset();
        }
        if (!failed)
            std::memcpy(image.get(), reader.staged(), ImageSize);
        const u8 address = image[RcuSysAddr];
        rcuAddrShown = address <= MaxRcuSysAddr ? address : 0xFF;
        emit readKelvoFinished();
        if (failed)
            prompts().critical(dialogParent, resultTitle, tr("Read configuration\n Failed!"));
        else
            prompts().information(dialogParent, resultTitle, tr("Read configuration\nSucessfull!"));
        if (!usbDevice.isOpen())
            return;
    }
    if (setDeviceMode(previousMode) != previousMode)
        linkError();
}
