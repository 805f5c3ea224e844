#pragma once

#include "common/types.h"
#include "device/kelvoprotocol.h"
#include "device/usbbackend.h"
#include "show/showengine.h"

#include <QList>
#include <QString>

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <vector>

// A behavioural model of the Kelvo controller behind its USB interface: its memory, status
// word, working modes, bulk jobs, learning and re-enumeration. It answers every request the
// program makes; where the device's inner working is open, it does what lets the program's
// algorithms work as written. Time is Clock::current().
class SimulatedController
{
public:
    static constexpr int ConfigSize = ConfigLayout::ImageSize;
    static constexpr int FirmwareSize = FIRMWARE_SIZE;

    enum class PressKind { Input, RemoteKey };

    struct Version
    {
        u8 major = 1;
        u8 minor = 0;
        char core = 'A';
    };

    // Fault knobs, each one way of misbehaving; the defaults are a healthy controller.
    struct Faults
    {
        int unplugAfterTransfers = -1; // this many more transfers work, then it is unplugged
        bool neverReady = false; // bulk jobs start but ST_BULK_READY never comes
        QList<u8> errorOnRequest; // these commands end with ST_U_ERR instead of ST_U_DONE
        QList<u8> errorOnceOnRequest; // the same, once for each time a command is listed
        int corruptChecksumBlock = -1; // configuration read: block k arrives with a changed byte
        int oversizedLengthBlock = -1; // configuration read: block k says 512 data bytes
        int wrongNumberBlock = -1; // configuration read: block k carries `wrongNumber`
        int wrongNumber = 0;
        int doneEarlyAfterBlock = -1; // firmware: after block k it says ST_U_DONE and takes no more
        int silentAfterBlock = -1; // firmware: after block k neither ST_BULK_READY nor ST_U_DONE
        int shortBulkBlock = -1; // bulk transfer k of a job moves only `shortBulkLength` bytes
        int shortBulkLength = 100;
        int zeroLengthReads = 0; // the next bulk reads return 0 bytes
        u8 identityReply = IDENTITY_REPLY; // the REQ_PING answer
        bool ignoreReset = false; // REQ_RESET is acknowledged but the controller stays
        int failDescriptorReads = 0; // the next string-descriptor reads fail (-1: all)
        int descriptorReadError = UsbBackend::ErrorPipe; // how they fail (ErrorTimeout: a NAK)
        bool openFails = false;
        int openError = UsbBackend::ErrorAccess; // how it fails (ErrorBusy: held exclusively)
        bool setConfigurationFails = false;
        bool claimFails = false; // refused as busy
        // Another program claimed its interface: setting the configuration and claiming are
        // refused as busy, as Linux refuses them.
        bool claimedElsewhere = false;
        DeviceHolder heldBy; // who the system names when asked who holds it
        u16 extraStatusBits = 0; // ORed into every status word
        QList<u16> statusScript; // the next status reads return these words instead
        int statusReplyLength = -1; // status reads report this many bytes (-1: what was sent)
        QByteArray serialDescriptorReply; // when not null: the serial string descriptor's bytes
    };

    explicit SimulatedController(const QString &serialNumber);

    // --- Memory and identity -----------------------------------------------------------------
    u16 vendorId = KELVO_VENDOR_ID;
    u16 productId = KELVO_PRODUCT_ID;
    u8 iSerialNumber = SERIAL_STRING_INDEX; // the device descriptor's serial string index
    Version version;
    std::array<u8, ConfigSize> configuration {};
    std::vector<u8> firmware = std::vector<u8>(FirmwareSize, 0xFF);
    std::array<u8, SCENE_SIZE> liveLevels {}; // the DMX output in live mode

    // The serial number the controller reports on the bus (until its next restart).
    QString serialNumber() const { return activeSerial; }
    // The serial number in its memory; it reports it after the next restart or re-plug.
    QString storedSerialNumber() const { return storedSerial; }
    // Changes both at once, as at manufacture.
    void setSerialNumber(const QString &serial);
    // The remote-control system address (configuration byte 0x50).
    u8 systemAddress() const;

    // --- Working state -------------------------------------------------------------------------
    int mode() const { return currentMode; }
    // The status word as the next REQ_STATUS would return it, leaving the fault script alone.
    u16 status();
    // Blocks that differed in the last verification, in order.
    QList<int> differingBlocks() const { return differing; }
    struct Event
    {
        int type;
        int number;
    };
    QList<Event> simulatedEvents() const { return events; }
    int resets() const { return resetCount; }

    // How long the controller is busy (ST_BULK_BUSY, no ST_BULK_READY) after starting a bulk job
    // and after each block, in milliseconds.
    int busyMs = 0;
    // How long it waits for an input or key when learning before ending with ST_U_ERR.
    int listenTimeoutMs = 10000;

    // --- What it plays ------------------------------------------------------------------------
    // The DMX outputs now: in normal mode the show as the show engine plays the configuration
    // since the controller last powered on (or came back to normal mode), in live mode the live
    // levels, dark in the other modes.
    std::array<u8, SCENE_SIZE> outputLevels() const;
    // Someone at the controller operates an input (0-based; it closes and opens again) or a
    // remote key (0-based, sent with `remoteAddress`): in normal mode the show does what the
    // configuration says. Whether a learn request takes it is queuePress()'s business.
    void operate(PressKind kind, int number, u8 remoteAddress = 0);

    // --- The world around it -------------------------------------------------------------------
    // An input or remote key that is operated `delayMs` after the controller next starts waiting
    // for one (learning, or taking the system address from a key). Presses are taken in order;
    // one of the wrong kind is ignored.
    void queuePress(PressKind kind, int number, int delayMs, u8 remoteAddress = 0);
    // When set (>= 0), someone operates an input or key this long after every request to wait
    // for one, if none is queued: the inputs and keys in turn, the remote at `autoPressAddress`.
    int autoPressDelayMs = -1;
    u8 autoPressAddress = 5;
    int pendingPresses() const { return int(presses.size()); }
    // Drops the presses that are still waiting for the controller to listen.
    void forgetPresses() { presses.clear(); }

    // After REQ_RESET or the switch to loader mode the controller leaves the bus and comes back
    // at the enumeration when both have passed: this many enumerations, and this much time.
    int reappearAfterEnumerations = 1;
    int reappearAfterMs = 0;

    Faults faults;
    // The next `times` (-1: every) vendor requests `request` fail with `error`; with
    // `takesEffect` the controller acts on the request all the same (it left before answering).
    void failRequest(u8 request, int times = 1, bool takesEffect = false,
                     int error = UsbBackend::ErrorIo);

    // --- Bus side, used by SimulatedBus --------------------------------------------------------
    bool isPlugged() const { return plugged; }
    bool isOnBus() const { return plugged && attached; }
    // Changes whenever the controller leaves the bus; handles of an older generation are dead.
    int generation() const { return busGeneration; }
    void plug();
    void unplug(); // also a power cycle: the working state is lost, the memory kept
    // Called for each enumeration of the bus; true when the controller is listed.
    bool enumerated();
    // Told when the controller has arrived on the bus (true) and just before it leaves (false).
    std::function<void(bool arrived)> onBusChange;
    int controlTransfer(u8 requestType, u8 request, u16 value, u16 index, u8 *data, u16 length);
    int bulkTransfer(u8 endpoint, u8 *data, int length);
    int stringDescriptor(u8 index, u16 languageId, u8 *buffer, int length);

private:
    enum class Job { None, ConfWrite, ConfRead, ScenePrep, FwUpgrade, FwVerify };
    enum class Listen { None, Input, RemoteKey, Address };
    struct Press
    {
        PressKind kind;
        int number;
        int delayMs;
        u8 remoteAddress;
    };
    struct RequestFault
    {
        int times;
        bool takesEffect;
        int error;
    };

    static qint64 now();
    void advance();
    void counted();
    int dispatchControl(u8 requestType, u8 request, u16 value, u16 index, u8 *data, u16 length);
    int dispatchBulk(u8 endpoint, u8 *data, int length);
    int replyIn(u8 *data, u16 length, const u8 *reply, int size);
    int query(u16 value, u16 index, u8 *data, u16 length);
    int receiveBlock(const u8 *data, int length);
    int sendBlock(u8 *data, int length);
    void startJob(Job kind, u8 request, bool allowed);
    void finish(u8 request);
    void endJobWithError();
    void deliver(PressKind kind, int number, u8 remoteAddress);
    void leaveBus(int comeBackInMode);
    // Begins waiting for an input or key.
    void listen(Listen what);
    void resetWorkingState(int newMode);
    // The show starts again, from the configuration as it is now.
    void powerOn();
    bool ready();
    // The whole descriptor of string `index`; null when there is none.
    QByteArray stringDescriptorBytes(u8 index) const;

    QString activeSerial;
    QString storedSerial;
    int currentMode = MODE_NORMAL;
    bool done = false;
    bool error = false;

    Job job = Job::None;
    u8 jobRequest = 0;
    int jobTransfers = 0;
    qint64 busyUntil = 0;
    std::vector<u8> staging;
    std::vector<bool> received;
    QList<int> differing;

    Listen listening = Listen::None;
    qint64 listenStart = 0;
    u8 learned = 0xFF;
    QList<Press> presses;
    int autoPressCount = 0;
    QList<Event> events;

    bool plugged = true;
    bool attached = true;
    int busGeneration = 1;
    int awayEnumerations = 0;
    qint64 awaySince = 0;
    int returnMode = MODE_NORMAL;
    int resetCount = 0;
    std::map<u8, RequestFault> requestFaults;

    qint64 poweredOnAt = now();
    QList<ShowEvent> showEvents {ShowEvent {}}; // power-on at 0, then what was operated
    // Made from the configuration when first asked after a power-on: the memory may be filled
    // after the controller was made.
    mutable std::optional<ShowEngine> show;
};
