#include "simulatedcontroller.h"

#include "common/clock.h"
#include "device/bulkblock.h"
#include "model/configlayout.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int BlockFrameSize = BulkBlock::MaxSize;
constexpr u16 FullBlockLengthField = 0x00FF;
constexpr int SerialPrefixLength = SERIAL_LENGTH - 8; // REQ_WRITE_SN carries the last 8 characters

bool isOutRequest(u8 request)
{
    switch (request) {
    case REQ_RESET:
    case REQ_SET_MODE:
    case REQ_SCENE_PREP:
    case REQ_LIVE_VALUE:
    case REQ_SIMULATE:
    case REQ_CONF_READ:
    case REQ_CONF_WRITE:
    case REQ_FW_UPGRADE:
    case REQ_FW_VERIFY:
    case REQ_WRITE_SN:
        return true;
    default:
        return false;
    }
}

bool isInRequest(u8 request)
{
    return request == REQ_STATUS || request == REQ_VERSION || request == REQ_QUERY
        || request == REQ_PING;
}

// What the firmware loader still understands.
bool loaderKnows(u8 request)
{
    switch (request) {
    case REQ_RESET:
    case REQ_STATUS:
    case REQ_VERSION:
    case REQ_SET_MODE:
    case REQ_FW_UPGRADE:
    case REQ_FW_VERIFY:
    case REQ_PING:
        return true;
    default:
        return false;
    }
}

} // namespace

SimulatedController::SimulatedController(const QString &serialNumber)
{
    setSerialNumber(serialNumber);
}

void SimulatedController::setSerialNumber(const QString &serial)
{
    activeSerial = serial;
    storedSerial = serial;
}

u8 SimulatedController::systemAddress() const
{
    return configuration[ConfigLayout::RcuSysAddr];
}

qint64 SimulatedController::now()
{
    return Clock::current().now();
}

void SimulatedController::queuePress(PressKind kind, int number, int delayMs, u8 remoteAddress)
{
    presses.append({kind, number, delayMs, remoteAddress});
}

void SimulatedController::failRequest(u8 request, int times, bool takesEffect, int error)
{
    requestFaults[request] = {times, takesEffect, error};
}

// --- Bus presence ------------------------------------------------------------------------------

void SimulatedController::plug()
{
    if (plugged)
        return;
    plugged = true;
    attached = true;
    activeSerial = storedSerial;
    resetWorkingState(MODE_NORMAL);
    powerOn();
    if (onBusChange)
        onBusChange(true);
}

void SimulatedController::unplug()
{
    if (!plugged)
        return;
    if (isOnBus() && onBusChange)
        onBusChange(false);
    plugged = false;
    ++busGeneration;
    resetWorkingState(MODE_NORMAL);
}

void SimulatedController::leaveBus(int comeBackInMode)
{
    if (isOnBus() && onBusChange)
        onBusChange(false);
    attached = false;
    ++busGeneration;
    awayEnumerations = 0;
    awaySince = now();
    returnMode = comeBackInMode;
    resetWorkingState(comeBackInMode);
}

void SimulatedController::resetWorkingState(int newMode)
{
    const bool backToNormal = newMode == MODE_NORMAL && currentMode != MODE_NORMAL;
    currentMode = newMode;
    done = false;
    error = false;
    job = Job::None;
    jobTransfers = 0;
    listening = Listen::None;
    liveLevels.fill(0);
    if (backToNormal)
        powerOn();
}

void SimulatedController::powerOn()
{
    poweredOnAt = now();
    showEvents = {ShowEvent {}};
    show.reset();
}

std::array<u8, SCENE_SIZE> SimulatedController::outputLevels() const
{
    if (currentMode == MODE_LIVE)
        return liveLevels;
    if (currentMode != MODE_NORMAL || !isOnBus())
        return {};
    if (!show) {
        show.emplace(QByteArray(reinterpret_cast<const char *>(configuration.data()),
                                int(configuration.size())));
        show->setEvents(showEvents);
    }
    return show->levelsAt(now() - poweredOnAt);
}

void SimulatedController::operate(PressKind kind, int number, u8 remoteAddress)
{
    if (currentMode != MODE_NORMAL || !isOnBus())
        return;
    const qint64 at = now() - poweredOnAt;
    if (kind == PressKind::Input) {
        showEvents << ShowEvent {at, ShowEvent::Kind::InputClosed, number + 1}
                   << ShowEvent {at, ShowEvent::Kind::InputOpened, number + 1};
    } else {
        showEvents << ShowEvent {at, ShowEvent::Kind::RemoteKey, number + 1, remoteAddress};
    }
    if (show)
        show->setEvents(showEvents);
}

bool SimulatedController::enumerated()
{
    if (!plugged)
        return false;
    if (!attached) {
        ++awayEnumerations;
        if (awayEnumerations >= reappearAfterEnumerations && now() - awaySince >= reappearAfterMs) {
            attached = true;
            activeSerial = storedSerial; // a restart reads the serial number anew
            currentMode = returnMode;
            powerOn(); // a restart: the show begins again
            if (onBusChange)
                onBusChange(true);
        }
    }
    return attached;
}

void SimulatedController::counted()
{
    if (faults.unplugAfterTransfers > 0 && --faults.unplugAfterTransfers == 0) {
        faults.unplugAfterTransfers = -1;
        unplug();
    }
}

// --- Time ----------------------------------------------------------------------------------------

void SimulatedController::advance()
{
    if (listening == Listen::None)
        return;
    const qint64 t = now();
    for (qsizetype i = 0; i < presses.size() && listening != Listen::None;) {
        if (listenStart + presses[i].delayMs > t) {
            ++i;
            continue;
        }
        const Press press = presses.takeAt(i);
        deliver(press.kind, press.number, press.remoteAddress);
    }
    if (listening != Listen::None && t - listenStart > listenTimeoutMs) {
        listening = Listen::None;
        error = true;
    }
}

void SimulatedController::listen(Listen what)
{
    listening = what;
    listenStart = now();
    if (autoPressDelayMs < 0 || !presses.isEmpty())
        return;
    const int n = autoPressCount++;
    if (what == Listen::Input)
        queuePress(PressKind::Input, n % ConfigLayout::InputCount, autoPressDelayMs);
    else
        queuePress(PressKind::RemoteKey, n % ConfigLayout::RcuKeyCount, autoPressDelayMs,
                   autoPressAddress);
}

void SimulatedController::deliver(PressKind kind, int number, u8 remoteAddress)
{
    switch (listening) {
    case Listen::None:
        return;
    case Listen::Input:
        if (kind != PressKind::Input)
            return;
        learned = u8(number);
        break;
    case Listen::RemoteKey:
        if (kind != PressKind::RemoteKey)
            return;
        learned = u8(number);
        break;
    case Listen::Address:
        if (kind != PressKind::RemoteKey)
            return;
        configuration[ConfigLayout::RcuSysAddr] = remoteAddress;
        break;
    }
    listening = Listen::None;
    finish(REQ_QUERY);
}

bool SimulatedController::ready()
{
    return job != Job::None && !faults.neverReady && now() >= busyUntil;
}

u16 SimulatedController::status()
{
    advance();
    u16 word = 0;
    if (currentMode == MODE_CONF)
        word |= ST_MODE_CONF;
    else if (currentMode == MODE_LIVE)
        word |= ST_MODE_LIVE;
    else if (currentMode == MODE_LOADER)
        word |= ST_MODE_LOADER;
    if (job != Job::None) {
        if (now() < busyUntil)
            word |= ST_BULK_BUSY;
        else if (!faults.neverReady)
            word |= ST_BULK_READY;
    }
    if (done)
        word |= ST_U_DONE;
    if (error)
        word |= ST_U_ERR;
    return word | faults.extraStatusBits;
}

// --- Commands ------------------------------------------------------------------------------------

void SimulatedController::finish(u8 request)
{
    if (faults.errorOnRequest.contains(request) || faults.errorOnceOnRequest.removeOne(request))
        error = true;
    else
        done = true;
}

void SimulatedController::endJobWithError()
{
    job = Job::None;
    error = true;
}

void SimulatedController::startJob(Job kind, u8 request, bool allowed)
{
    done = false;
    error = false;
    job = Job::None;
    if (!allowed) {
        error = true;
        return;
    }
    job = kind;
    jobRequest = request;
    jobTransfers = 0;
    busyUntil = now() + busyMs;
    if (kind == Job::ConfWrite) {
        staging.assign(configuration.begin(), configuration.end());
        received.assign(CONF_BLOCK_COUNT, false);
    } else if (kind == Job::FwUpgrade || kind == Job::FwVerify) {
        received.assign(FW_BLOCK_COUNT, false);
        differing.clear();
    }
}

int SimulatedController::replyIn(u8 *data, u16 length, const u8 *reply, int size)
{
    const int count = std::min<int>(length, size);
    if (count > 0 && data)
        std::memcpy(data, reply, size_t(count));
    return count;
}

int SimulatedController::controlTransfer(u8 requestType, u8 request, u16 value, u16 index, u8 *data,
                                         u16 length)
{
    advance();
    int result = 0;
    const auto fault = requestFaults.find(request);
    if (fault != requestFaults.end() && fault->second.times != 0) {
        const RequestFault f = fault->second;
        if (fault->second.times > 0)
            --fault->second.times;
        if (f.takesEffect)
            dispatchControl(requestType, request, value, index, data, length);
        result = f.error;
    } else {
        result = dispatchControl(requestType, request, value, index, data, length);
    }
    counted();
    return result;
}

int SimulatedController::dispatchControl(u8 requestType, u8 request, u16 value, u16 index, u8 *data,
                                         u16 length)
{
    const bool in = requestType == REQTYPE_VENDOR_IN && isInRequest(request);
    const bool out = requestType == REQTYPE_VENDOR_OUT && isOutRequest(request);
    if (!in && !out)
        return UsbBackend::ErrorPipe; // the controller stalls what it does not know
    if (currentMode == MODE_LOADER && !loaderKnows(request))
        return UsbBackend::ErrorPipe;

    switch (request) {
    case REQ_RESET:
        if (!faults.ignoreReset) {
            ++resetCount;
            leaveBus(MODE_NORMAL);
        }
        return 0;
    case REQ_STATUS: {
        const u16 word = faults.statusScript.isEmpty() ? status() : faults.statusScript.takeFirst();
        const u8 reply[2] = {u8(word), u8(word >> 8)};
        const int sent = replyIn(data, length, reply, 2);
        // A broken device may answer with another length than it was asked for.
        return faults.statusReplyLength >= 0 ? faults.statusReplyLength : sent;
    }
    case REQ_VERSION: {
        const u8 reply[3] = {version.major, version.minor, u8(version.core)};
        return replyIn(data, length, reply, 3);
    }
    case REQ_PING:
        return replyIn(data, length, &faults.identityReply, 1);
    case REQ_SET_MODE:
        if (value < MODE_NORMAL || value > MODE_LIVE)
            return UsbBackend::ErrorPipe;
        if (currentMode == MODE_LOADER)
            return 0; // only a reset leaves the loader
        if (value == MODE_LOADER) {
            leaveBus(MODE_LOADER); // the loader starts and enumerates anew
            return 0;
        }
        resetWorkingState(value);
        finish(REQ_SET_MODE);
        return 0;
    case REQ_SCENE_PREP:
        startJob(Job::ScenePrep, request, currentMode == MODE_LIVE && value == 1);
        return 0;
    case REQ_LIVE_VALUE:
        if (index >= SCENE_SIZE || value > 255)
            return UsbBackend::ErrorPipe;
        if (currentMode == MODE_LIVE)
            liveLevels[index] = u8(value);
        return 0;
    case REQ_SIMULATE:
        if ((value == EVENT_INPUT && index < ConfigLayout::InputCount)
            || (value == EVENT_REMOTE_KEY && index < ConfigLayout::RcuKeyCount)) {
            events.append({value, index});
            // A simulated event is seen like the real one, but carries no remote address.
            const PressKind kind = value == EVENT_INPUT ? PressKind::Input : PressKind::RemoteKey;
            if (listening == Listen::Input || listening == Listen::RemoteKey)
                deliver(kind, index, 0);
            // The show does what the configuration says, the remote as if at its own address.
            operate(kind, index, systemAddress());
            return 0;
        }
        return UsbBackend::ErrorPipe;
    case REQ_CONF_READ:
        startJob(Job::ConfRead, request, currentMode == MODE_CONF && value == CONF_BLOCK_COUNT);
        return 0;
    case REQ_CONF_WRITE:
        startJob(Job::ConfWrite, request, currentMode == MODE_CONF && value == CONF_BLOCK_COUNT);
        return 0;
    case REQ_FW_UPGRADE:
        startJob(Job::FwUpgrade, request, currentMode == MODE_LOADER && value == FW_BLOCK_COUNT);
        return 0;
    case REQ_FW_VERIFY:
        startJob(Job::FwVerify, request, currentMode == MODE_LOADER && value == FW_BLOCK_COUNT);
        return 0;
    case REQ_WRITE_SN: {
        if (!data || length != 8)
            return UsbBackend::ErrorPipe;
        done = false;
        error = false;
        // The number is kept in memory and reported after the next restart.
        storedSerial = storedSerial.left(SerialPrefixLength)
                           .leftJustified(SerialPrefixLength, QLatin1Char('0'))
            + QString::fromLatin1(reinterpret_cast<const char *>(data), 8);
        finish(REQ_WRITE_SN);
        return 8;
    }
    case REQ_QUERY:
        return query(value, index, data, length);
    }
    return UsbBackend::ErrorPipe;
}

int SimulatedController::query(u16 value, u16 index, u8 *data, u16 length)
{
    u8 reply = 0;
    switch (index) {
    case QUERY_LEARN_INPUT:
    case QUERY_LEARN_KEY:
        if (value == QUERY_START) {
            done = false;
            error = false;
            learned = 0xFF;
            listen(index == QUERY_LEARN_INPUT ? Listen::Input : Listen::RemoteKey);
        } else if (value == QUERY_FETCH) {
            reply = learned;
        } else {
            return UsbBackend::ErrorPipe;
        }
        break;
    case QUERY_READ_ADDRESS:
        reply = systemAddress();
        break;
    case QUERY_SET_ADDRESS:
        done = false;
        error = false;
        reply = u8(value);
        if (value <= ConfigLayout::MaxRcuSysAddr || value == ADDRESS_NOT_USED) {
            configuration[ConfigLayout::RcuSysAddr] = u8(value);
            finish(REQ_QUERY);
        } else if (value == ADDRESS_FROM_KEY) {
            listen(Listen::Address);
        } else {
            error = true;
        }
        break;
    default:
        return UsbBackend::ErrorPipe;
    }
    return replyIn(data, length, &reply, 1);
}

// --- Bulk pipes ----------------------------------------------------------------------------------

int SimulatedController::bulkTransfer(u8 endpoint, u8 *data, int length)
{
    advance();
    const int result = dispatchBulk(endpoint, data, length);
    counted();
    return result;
}

int SimulatedController::dispatchBulk(u8 endpoint, u8 *data, int length)
{
    if (!data || length <= 0)
        return UsbBackend::ErrorInvalidParam;
    if (endpoint == EP_BULK_OUT) {
        if (!ready() || job == Job::ConfRead)
            return UsbBackend::ErrorTimeout; // nothing expected: the controller NAKs
        return receiveBlock(data, length);
    }
    if (endpoint == EP_BULK_IN) {
        if (faults.zeroLengthReads > 0) {
            --faults.zeroLengthReads;
            return 0;
        }
        if (!ready() || job != Job::ConfRead)
            return UsbBackend::ErrorTimeout;
        return sendBlock(data, length);
    }
    return UsbBackend::ErrorNotFound;
}

int SimulatedController::receiveBlock(const u8 *data, int length)
{
    const int transfer = jobTransfers++;
    error = false;
    if (transfer == faults.shortBulkBlock && faults.shortBulkLength < length) {
        endJobWithError(); // the rest of the block never arrives
        return faults.shortBulkLength;
    }

    if (job == Job::ScenePrep) {
        job = Job::None;
        if (length != SCENE_SIZE) {
            error = true;
            return length;
        }
        std::copy(data, data + SCENE_SIZE, liveLevels.begin());
        finish(REQ_SCENE_PREP);
        return length;
    }

    BulkBlock block;
    const int blockCount = job == Job::ConfWrite ? CONF_BLOCK_COUNT : FW_BLOCK_COUNT;
    if (length != BlockFrameSize || block.parse(data, length) != BulkBlock::Parse::Valid
        || block.lengthField() != FullBlockLengthField || block.number() >= blockCount) {
        endJobWithError();
        return length;
    }
    const int number = block.number();
    const u8 *payload = block.data();
    received[number] = true;
    if (job == Job::ConfWrite) {
        std::copy(payload, payload + BLOCK_DATA_SIZE, staging.begin() + BLOCK_DATA_SIZE * number);
    } else if (job == Job::FwUpgrade) {
        std::copy(payload, payload + BLOCK_DATA_SIZE, firmware.begin() + BLOCK_DATA_SIZE * number);
    } else if (!std::equal(payload, payload + BLOCK_DATA_SIZE,
                           firmware.begin() + BLOCK_DATA_SIZE * number)) {
        differing.append(number);
        error = true; // this block differs; the comparison goes on
    }

    if (job != Job::ConfWrite && number == faults.doneEarlyAfterBlock) {
        job = Job::None;
        done = true;
        return length;
    }
    if (job != Job::ConfWrite && number == faults.silentAfterBlock) {
        job = Job::None;
        return length;
    }
    if (jobTransfers < blockCount) {
        busyUntil = now() + busyMs;
        return length;
    }
    const bool complete = std::all_of(received.begin(), received.end(), [](bool b) { return b; });
    if (job == Job::ConfWrite && complete)
        std::copy(staging.begin(), staging.end(), configuration.begin());
    job = Job::None;
    if (complete)
        finish(jobRequest);
    else
        error = true;
    return length;
}

int SimulatedController::sendBlock(u8 *data, int length)
{
    const int k = jobTransfers++;
    BulkBlock block;
    block.build(u8(k), configuration.data() + BLOCK_DATA_SIZE * k, BLOCK_DATA_SIZE);
    u8 frame[BlockFrameSize];
    std::memcpy(frame, block.frame(), BlockFrameSize);
    if (k == faults.wrongNumberBlock) {
        block.build(u8(faults.wrongNumber), configuration.data() + BLOCK_DATA_SIZE * k,
                    BLOCK_DATA_SIZE);
        std::memcpy(frame, block.frame(), BlockFrameSize);
    }
    if (k == faults.corruptChecksumBlock)
        frame[BulkBlock::HeaderSize] ^= 0x01; // damaged on the way; the checksum no longer fits
    if (k == faults.oversizedLengthBlock)
        frame[2] = 0x01; // a length field of 0x01FF: more data than a frame can hold

    int sent = BlockFrameSize;
    if (k == faults.shortBulkBlock)
        sent = std::min(sent, faults.shortBulkLength);
    if (length < sent)
        return UsbBackend::ErrorOverflow;
    std::memcpy(data, frame, size_t(sent));

    if (jobTransfers < CONF_BLOCK_COUNT) {
        busyUntil = now() + busyMs;
    } else {
        job = Job::None;
        finish(REQ_CONF_READ);
    }
    return sent;
}

// --- Descriptors ---------------------------------------------------------------------------------

int SimulatedController::stringDescriptor(u8 index, u16 languageId, u8 *buffer, int length)
{
    Q_UNUSED(languageId); // one language only; 0 and 0x0409 get the same strings
    advance();
    const QByteArray descriptor = stringDescriptorBytes(index);
    int result = UsbBackend::ErrorPipe;
    if (faults.failDescriptorReads != 0) {
        if (faults.failDescriptorReads > 0)
            --faults.failDescriptorReads;
        result = faults.descriptorReadError;
    } else if (!descriptor.isNull()) {
        result = std::min<int>(length, int(descriptor.size()));
        if (buffer && result > 0)
            std::memcpy(buffer, descriptor.constData(), size_t(result));
    }
    counted();
    return result;
}

QByteArray SimulatedController::stringDescriptorBytes(u8 index) const
{
    if (index == 0)
        return QByteArray("\x04\x03\x09\x04", 4); // US English
    if (index == iSerialNumber && !faults.serialDescriptorReply.isNull())
        return faults.serialDescriptorReply;
    QString text;
    if (index == iSerialNumber)
        text = activeSerial;
    else if (index == 1)
        text = QStringLiteral("Ovra");
    else if (index == 2)
        text = QStringLiteral("Kelvo");
    if (text.isNull())
        return QByteArray(); // no such string: the request stalls
    QByteArray descriptor;
    descriptor.append(char(2 + 2 * text.size()));
    descriptor.append(char(USB_DT_STRING));
    for (const QChar c : text) {
        descriptor.append(char(c.unicode() & 0xFF));
        descriptor.append(char(c.unicode() >> 8));
    }
    return descriptor;
}
