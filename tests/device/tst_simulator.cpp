// The simulated controller as a device: driven through the real transport (t_threadUsbDevice)
// the way the configuration transfer, live mode and the firmware jobs drive the controller, so
// that those can rely on it.

#include "device/bulkblock.h"
#include "device/kelvoprotocol.h"
#include "device/loggingbackend.h"
#include "device/t_threadusbdevice.h"
#include "model/configlayout.h"
#include "simulator/simulatedbus.h"
#include "support/configfilefixtures.h"
#include "support/virtualclock.h"

#include <QTest>

#include <vector>

using Kind = Transaction::Kind;
using Press = SimulatedController::PressKind;

// How the bus changes while hot-plug is watched.
enum class BusChange {
    Unplug,
    UnplugDuringATransfer,
    UnplugAndPlugBack,
    AddAnother,
    Restart,
    RestartAndReconnect,
    UnplugAForeignDevice,
    UnplugAfterTheWatchEnded,
    WatchEndsBeforeDelivery,
};
Q_DECLARE_METATYPE(BusChange)

namespace {

std::vector<u8> randomBytes(int size, quint32 seed)
{
    const QByteArray bytes = ConfigFileFixtures::randomBytes(seed, size);
    return std::vector<u8>(bytes.cbegin(), bytes.cend());
}

// The USB link on a simulated bus with one controller, opened.
struct Link
{
    VirtualClock clock;
    SimulatedBus bus;
    QStringList others;
    t_threadUsbDevice usb {others};
    SimulatedController &c;

    explicit Link(const QString &serial = QStringLiteral("KLV00000001"))
        : c(bus.addController(serial))
    {
        usb.setIds(KELVO_VENDOR_ID, KELVO_PRODUCT_ID);
        usb.setBackend(&bus);
        usb.findDevice();
    }

    int status()
    {
        u8 word[2] = {};
        return usb.controlIn(REQ_STATUS, 0, 0, word, 2) == 2 ? word[0] | (word[1] << 8) : -1;
    }
    bool has(u16 bits) { return (status() & bits) == bits; }
    bool lacks(u16 bits) { return (status() & bits) == 0; }
    int out(u8 request, int value = 0, int index = 0)
    {
        return usb.controlOut(request, value, index, nullptr, 0);
    }
    int query(int value, int index)
    {
        u8 reply = 0;
        return usb.controlIn(REQ_QUERY, value, index, &reply, 1) == 1 ? reply : -1;
    }
    int writeBlock(int number, const u8 *data)
    {
        BulkBlock block;
        block.build(u8(number), data, 256);
        return usb.bulkWrite(block.frame(), block.frameSize());
    }
    // Reconnects after the controller restarted.
    bool reconnect()
    {
        usb.closeDevice();
        return usb.findDevice() == 0;
    }
    bool toLoader()
    {
        out(REQ_SET_MODE, MODE_LOADER);
        return reconnect() && has(ST_MODE_LOADER);
    }
};

} // namespace

class tst_Simulator : public QObject
{
    Q_OBJECT

private slots:
    void healthyControllerAtStart();
    void requestTypesAndUnknownRequests_data();
    void requestTypesAndUnknownRequests();
    void modes_data();
    void modes();
    void versionAndIdentity();

    void configurationWrite();
    void configurationWriteBusyBetweenBlocks();
    void configurationWriteRefused_data();
    void configurationWriteRefused();
    void configurationWriteBadBlock_data();
    void configurationWriteBadBlock();
    void configurationRead();
    void configurationReadFaults_data();
    void configurationReadFaults();

    void scenePreparation_data();
    void scenePreparation();
    void liveValues();
    void simulatedEvents();
    void playsItsShowInNormalMode();
    void learning_data();
    void learning();
    void learningTimesOut();
    void learningFromSimulatedKey();
    void systemAddress();
    void systemAddressFromKey();
    void serialNumberWrite();

    void firmwareNeedsLoader();
    void loaderMode();
    void firmwareUpgrade();
    void firmwareVerify();
    void firmwareBadBlock();

    void reenumeration_data();
    void reenumeration();
    void severalControllersPlugAndUnplug();
    void unplugAfterTransfers();
    void hotplugThroughTheEventLoop_data();
    void hotplugThroughTheEventLoop();
    void failRequest();
    void secondClaimIsBusy();
    void transactionLog();
    void latencyModel();
};

void tst_Simulator::healthyControllerAtStart()
{
    Link link;
    QVERIFY(link.usb.isOpen());
    QCOMPARE(link.c.mode(), MODE_NORMAL);
    QCOMPARE(link.status(), 0);
    QCOMPARE(link.c.serialNumber(), QStringLiteral("KLV00000001"));
    QCOMPARE(link.c.firmware.size(), size_t(65536));
    QCOMPARE(int(link.c.configuration.size()), 10496);
}

void tst_Simulator::requestTypesAndUnknownRequests_data()
{
    QTest::addColumn<int>("requestType");
    QTest::addColumn<int>("request");
    QTest::newRow("status as OUT") << 0x40 << int(REQ_STATUS);
    QTest::newRow("reset as IN") << 0xC0 << int(REQ_RESET);
    QTest::newRow("unused request 0x06") << 0x40 << 0x06;
    QTest::newRow("unused request 0x0B") << 0xC0 << 0x0B;
    QTest::newRow("class request type") << 0x21 << int(REQ_SET_MODE);
}

void tst_Simulator::requestTypesAndUnknownRequests()
{
    QFETCH(int, requestType);
    QFETCH(int, request);
    Link link;
    u8 buffer[8] = {};
    const int length = requestType & 0x80 ? 2 : 0;
    QCOMPARE(link.bus.controlTransfer(link.usb.deviceHandle, u8(requestType), u8(request), 1, 0,
                                      length ? buffer : nullptr, u16(length), 5000),
             int(UsbBackend::ErrorPipe));
}

void tst_Simulator::modes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("modeBits"); // status AND 0x08E0
    QTest::newRow("normal") << 1 << 0 << 0x0000;
    QTest::newRow("configuration") << 2 << 0 << 0x0020;
    QTest::newRow("live") << 4 << 0 << 0x0040;
    QTest::newRow("mode 0 stalls") << 0 << int(UsbBackend::ErrorPipe) << 0x0000;
    QTest::newRow("mode 5 stalls") << 5 << int(UsbBackend::ErrorPipe) << 0x0000;
}

void tst_Simulator::modes()
{
    QFETCH(int, mode);
    QFETCH(int, result);
    QFETCH(int, modeBits);
    Link link;
    QCOMPARE(link.out(REQ_SET_MODE, mode), result);
    QCOMPARE(link.status() & ST_NORMAL_MASK, modeBits);
    if (result == 0)
        QCOMPARE(link.c.mode(), mode);
}

void tst_Simulator::versionAndIdentity()
{
    Link link;
    link.c.version = {2, 3, 'b'};
    u8 reply[8] = {};
    QCOMPARE(link.usb.controlIn(REQ_VERSION, 0, 0, reply, 8), 3);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(reply), 3),
             QByteArray("\x02\x03"
                        "b"));
    QCOMPARE(link.usb.checkIdentity(), 0);
    link.c.faults.identityReply = 0x91;
    QCOMPARE(link.usb.checkIdentity(), -1);
    link.c.failRequest(REQ_PING);
    link.c.faults.identityReply = 0x90;
    QCOMPARE(link.usb.checkIdentity(), -1);
    QCOMPARE(link.usb.checkIdentity(), 0);
}

// --- Configuration transfer ----------------------------------------------------------------------

void tst_Simulator::configurationWrite()
{
    Link link;
    const std::vector<u8> image = randomBytes(SimulatedController::ConfigSize, 1);
    QCOMPARE(link.out(REQ_SET_MODE, MODE_CONF), 0);
    QVERIFY(link.lacks(ST_BULK_BUSY | ST_BULK_READY));
    QCOMPARE(link.out(REQ_CONF_WRITE, 41), 0);
    for (int k = 0; k < 41; ++k) {
        const int word = link.status();
        QVERIFY2((word & (ST_BULK_READY | ST_U_DONE | ST_BULK_BUSY)) == ST_BULK_READY,
                 qPrintable(QString::number(k)));
        QCOMPARE(link.writeBlock(k, image.data() + 256 * k), 260);
        if (k < 40)
            QVERIFY(std::equal(link.c.configuration.begin(), link.c.configuration.end(),
                               std::vector<u8>(10496, 0).begin())); // kept until complete
    }
    QCOMPARE(link.status() & (ST_BULK_READY | ST_U_DONE | ST_U_ERR), int(ST_U_DONE));
    QVERIFY(std::equal(image.begin(), image.end(), link.c.configuration.begin()));
    QCOMPARE(link.c.mode(), MODE_CONF);
    u8 more[260] = {};
    QCOMPARE(link.usb.bulkWrite(more, 260), int(UsbBackend::ErrorTimeout)); // nothing expected
}

void tst_Simulator::configurationWriteBusyBetweenBlocks()
{
    Link link;
    link.c.busyMs = 300;
    const std::vector<u8> image = randomBytes(SimulatedController::ConfigSize, 2);
    link.out(REQ_SET_MODE, MODE_CONF);
    link.out(REQ_CONF_WRITE, 41);
    QCOMPARE(link.status() & (ST_BULK_BUSY | ST_BULK_READY), int(ST_BULK_BUSY));
    u8 frame[260] = {};
    QCOMPARE(link.usb.bulkWrite(frame, 260), int(UsbBackend::ErrorTimeout)); // NAKed while busy
    for (int k = 0; k < 41; ++k) {
        link.clock.sleep(299);
        QVERIFY(link.has(ST_BULK_BUSY));
        link.clock.sleep(1);
        QCOMPARE(link.status() & (ST_BULK_BUSY | ST_BULK_READY), int(ST_BULK_READY));
        QCOMPARE(link.writeBlock(k, image.data() + 256 * k), 260);
    }
    QVERIFY(link.has(ST_U_DONE));
    QVERIFY(std::equal(image.begin(), image.end(), link.c.configuration.begin()));
}

void tst_Simulator::configurationWriteRefused_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("blocks");
    QTest::newRow("normal mode") << MODE_NORMAL << 41;
    QTest::newRow("live mode") << MODE_LIVE << 41;
    QTest::newRow("40 blocks") << MODE_CONF << 40;
}

void tst_Simulator::configurationWriteRefused()
{
    QFETCH(int, mode);
    QFETCH(int, blocks);
    Link link;
    link.out(REQ_SET_MODE, mode);
    QCOMPARE(link.out(REQ_CONF_WRITE, blocks), 0);
    QCOMPARE(link.status() & (ST_U_ERR | ST_U_DONE | ST_BULK_READY), int(ST_U_ERR));
    QCOMPARE(link.out(REQ_CONF_READ, blocks), 0);
    QCOMPARE(link.status() & (ST_U_ERR | ST_U_DONE | ST_BULK_READY), int(ST_U_ERR));
}

void tst_Simulator::configurationWriteBadBlock_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("checksum wrong") << "checksum";
    QTest::newRow("block number 41") << "number";
    QTest::newRow("short frame") << "short";
    QTest::newRow("shorter length field") << "length";
}

void tst_Simulator::configurationWriteBadBlock()
{
    QFETCH(QString, fault);
    Link link;
    const std::vector<u8> image = randomBytes(SimulatedController::ConfigSize, 3);
    link.out(REQ_SET_MODE, MODE_CONF);
    link.out(REQ_CONF_WRITE, 41);
    for (int k = 0; k < 5; ++k)
        link.writeBlock(k, image.data() + 256 * k);

    BulkBlock block;
    if (fault == "number")
        block.build(41, image.data(), 256);
    else if (fault == "length")
        block.build(5, image.data() + 5 * 256, 255);
    else
        block.build(5, image.data() + 5 * 256, 256);
    QByteArray frame(reinterpret_cast<const char *>(block.frame()), block.frameSize());
    if (fault == "checksum")
        frame[3] = char(frame[3] + 1);
    if (fault == "short")
        frame.chop(1);
    link.usb.bulkWrite(reinterpret_cast<const u8 *>(frame.constData()), int(frame.size()));

    QCOMPARE(link.status() & (ST_U_ERR | ST_U_DONE | ST_BULK_READY), int(ST_U_ERR));
    QCOMPARE(link.writeBlock(6, image.data() + 6 * 256), int(UsbBackend::ErrorTimeout));
    QVERIFY(std::all_of(link.c.configuration.begin(), link.c.configuration.end(),
                        [](u8 b) { return b == 0; }));
}

void tst_Simulator::configurationRead()
{
    Link link;
    const std::vector<u8> image = randomBytes(SimulatedController::ConfigSize, 4);
    std::copy(image.begin(), image.end(), link.c.configuration.begin());
    link.out(REQ_SET_MODE, MODE_CONF);
    QCOMPARE(link.out(REQ_CONF_READ, 41), 0);
    for (int k = 0; k < 41; ++k) {
        QCOMPARE(link.status() & (ST_BULK_READY | ST_BULK_BUSY | ST_U_DONE), int(ST_BULK_READY));
        u8 frame[260] = {};
        QCOMPARE(link.usb.bulkRead(frame, 260), 260);
        BulkBlock block;
        QCOMPARE(block.parse(frame, 260), BulkBlock::Parse::Valid);
        QCOMPARE(int(block.number()), k);
        QCOMPARE(block.lengthField(), u16(0x00FF));
        QVERIFY(std::equal(block.data(), block.data() + 256, image.begin() + 256 * k));
    }
    QCOMPARE(link.status() & (ST_BULK_READY | ST_U_DONE), int(ST_U_DONE));
    u8 frame[260] = {};
    QCOMPARE(link.usb.bulkRead(frame, 260), int(UsbBackend::ErrorTimeout));
}

void tst_Simulator::configurationReadFaults_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("k");
    QTest::newRow("block 3 corrupted") << "corrupt" << 3;
    QTest::newRow("block 2 numbered 3") << "number" << 2;
    QTest::newRow("block 4 short") << "short" << 4;
    QTest::newRow("two zero-length reads first") << "zero" << 0;
    QTest::newRow("never ready") << "never" << 0;
    QTest::newRow("ends with ST_U_ERR") << "error" << 40;
}

void tst_Simulator::configurationReadFaults()
{
    QFETCH(QString, fault);
    QFETCH(int, k);
    Link link;
    const std::vector<u8> image = randomBytes(SimulatedController::ConfigSize, 5);
    std::copy(image.begin(), image.end(), link.c.configuration.begin());
    if (fault == "corrupt")
        link.c.faults.corruptChecksumBlock = k;
    if (fault == "number") {
        link.c.faults.wrongNumberBlock = k;
        link.c.faults.wrongNumber = 3;
    }
    if (fault == "short")
        link.c.faults.shortBulkBlock = k;
    if (fault == "zero")
        link.c.faults.zeroLengthReads = 2;
    if (fault == "never")
        link.c.faults.neverReady = true;
    if (fault == "error")
        link.c.faults.errorOnRequest << REQ_CONF_READ;
    link.out(REQ_SET_MODE, MODE_CONF);
    link.out(REQ_CONF_READ, 41);

    u8 frame[260] = {};
    if (fault == "never") {
        QVERIFY(link.lacks(ST_BULK_READY));
        QCOMPARE(link.usb.bulkRead(frame, 260), int(UsbBackend::ErrorTimeout));
        return;
    }
    if (fault == "zero") {
        QCOMPARE(link.usb.bulkRead(frame, 260), 0);
        QCOMPARE(link.usb.bulkRead(frame, 260), 0);
    }
    for (int i = 0; i < 41; ++i) {
        const int got = link.usb.bulkRead(frame, 260);
        BulkBlock block;
        const BulkBlock::Parse parse = block.parse(frame, got);
        if (i != k || fault == "zero" || fault == "error") {
            QCOMPARE(got, 260);
            QCOMPARE(parse, BulkBlock::Parse::Valid);
            QCOMPARE(int(block.number()), i);
        } else if (fault == "corrupt") {
            QCOMPARE(parse, BulkBlock::Parse::BadChecksum);
        } else if (fault == "number") {
            QCOMPARE(parse, BulkBlock::Parse::Valid);
            QCOMPARE(int(block.number()), 3);
            QVERIFY(std::equal(block.data(), block.data() + 256, image.begin() + 256 * i));
        } else if (fault == "short") {
            QCOMPARE(got, 100);
        }
    }
    QCOMPARE(link.status() & (ST_U_DONE | ST_U_ERR), int(fault == "error" ? ST_U_ERR : ST_U_DONE));
}

// --- Live mode and device-assisted settings ------------------------------------------------------

void tst_Simulator::scenePreparation_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("live, 64 bytes") << MODE_LIVE << 64 << true;
    QTest::newRow("normal mode") << MODE_NORMAL << 64 << false;
    QTest::newRow("live, 60 bytes") << MODE_LIVE << 60 << false;
}

void tst_Simulator::scenePreparation()
{
    QFETCH(int, mode);
    QFETCH(int, length);
    QFETCH(bool, accepted);
    Link link;
    const std::vector<u8> scene = randomBytes(SCENE_SIZE, 6);
    link.out(REQ_SET_MODE, mode);
    QCOMPARE(link.out(REQ_SCENE_PREP, 1), 0);
    if (mode != MODE_LIVE) {
        QCOMPARE(link.status() & (ST_U_ERR | ST_BULK_READY), int(ST_U_ERR));
        return;
    }
    QCOMPARE(link.status() & (ST_BULK_READY | ST_U_DONE), int(ST_BULK_READY));
    QCOMPARE(link.usb.bulkWrite(scene.data(), length), length);
    QCOMPARE(link.status() & (ST_U_DONE | ST_U_ERR | ST_BULK_READY),
             int(accepted ? ST_U_DONE : ST_U_ERR));
    QCOMPARE(std::equal(scene.begin(), scene.end(), link.c.liveLevels.begin()), accepted);
}

void tst_Simulator::liveValues()
{
    Link link;
    QCOMPARE(link.out(REQ_LIVE_VALUE, 200, 5), 0);
    QCOMPARE(link.c.liveLevels[5], u8(0)); // not live: ignored
    link.out(REQ_SET_MODE, MODE_LIVE);
    QCOMPARE(link.out(REQ_LIVE_VALUE, 200, 5), 0);
    QCOMPARE(link.out(REQ_LIVE_VALUE, 255, 63), 0);
    QCOMPARE(link.c.liveLevels[5], u8(200));
    QCOMPARE(link.c.liveLevels[63], u8(255));
    QCOMPARE(link.out(REQ_LIVE_VALUE, 1, 64), int(UsbBackend::ErrorPipe));
    QCOMPARE(link.out(REQ_LIVE_VALUE, 256, 0), int(UsbBackend::ErrorPipe));
}

void tst_Simulator::playsItsShowInNormalMode()
{
    using namespace ConfigLayout;
    Link link;
    u8 *memory = link.c.configuration.data();
    // Power-on loads scene 1: 200 on channel 1, risen over a second; input 1 toggles scene 2,
    // 90 on channel 2 at once; remote key 3 loads scene 2 when sent to address 4.
    setLevel(memory, 0, 0, 0, 200);
    setStepTime(memory, 0, 0, RiseTime, 10);
    setStepTime(memory, 0, 0, LastTime, LastInfinite);
    setLevel(memory, 0, 1, 1, 90);
    setStepTime(memory, 0, 1, LastTime, LastInfinite);
    memory[PowerOnFunc] = 13;
    memory[InputFunc] = 39;
    memory[InputUsedMask] = 0xFF;
    memory[InputNoMask] = 0xFF;
    memory[RcuKeyFunc + 2] = 14;
    memory[RcuSysAddr] = 4;
    const auto output = [&](int after, int channel) {
        link.clock.elapsed += after;
        return int(link.c.outputLevels()[size_t(channel)]);
    };

    QCOMPARE(output(500, 0), 100);
    QCOMPARE(output(500, 0), 200);
    QCOMPARE(link.out(REQ_SIMULATE, EVENT_INPUT, 0), 0);
    QCOMPARE(output(0, 1), 90);
    link.c.operate(SimulatedController::PressKind::RemoteKey, 2, 5); // another remote's address
    QCOMPARE(output(0, 0), 200);
    link.c.operate(SimulatedController::PressKind::RemoteKey, 2, 4); // scene 2 replaces scene 1
    QCOMPARE(output(0, 0), 0);
    QCOMPARE(output(0, 1), 90);

    // Configuration mode is dark; back in normal mode the show starts again from power-on.
    link.out(REQ_SET_MODE, MODE_CONF);
    QCOMPARE(output(100, 0), 0);
    link.c.operate(SimulatedController::PressKind::Input, 0); // nothing plays
    link.out(REQ_SET_MODE, MODE_NORMAL);
    QCOMPARE(output(500, 0), 100);
    QCOMPARE(output(0, 1), 0);
    // Live mode shows the live levels.
    link.out(REQ_SET_MODE, MODE_LIVE);
    link.out(REQ_LIVE_VALUE, 33, 0);
    QCOMPARE(output(0, 0), 33);
    // A restart is a power-on too.
    link.out(REQ_SET_MODE, MODE_NORMAL);
    QCOMPARE(output(2000, 0), 200);
    QCOMPARE(link.out(REQ_RESET), 0);
    QVERIFY(link.reconnect());
    QCOMPARE(output(250, 0), 50);
}

void tst_Simulator::simulatedEvents()
{
    Link link;
    QCOMPARE(link.out(REQ_SIMULATE, EVENT_INPUT, 7), 0);
    QCOMPARE(link.out(REQ_SIMULATE, EVENT_REMOTE_KEY, 63), 0);
    QCOMPARE(link.out(REQ_SIMULATE, EVENT_INPUT, 8), int(UsbBackend::ErrorPipe));
    QCOMPARE(link.out(REQ_SIMULATE, EVENT_REMOTE_KEY, 64), int(UsbBackend::ErrorPipe));
    QCOMPARE(link.out(REQ_SIMULATE, 2, 0), int(UsbBackend::ErrorPipe));
    const QList<SimulatedController::Event> events = link.c.simulatedEvents();
    QCOMPARE(events.size(), 2);
    QCOMPARE(events[0].type, 0);
    QCOMPARE(events[0].number, 7);
    QCOMPARE(events[1].type, 1);
    QCOMPARE(events[1].number, 63);
}

void tst_Simulator::learning_data()
{
    QTest::addColumn<int>("selector");
    QTest::addColumn<int>("expected");
    QTest::newRow("input") << int(QUERY_LEARN_INPUT) << 5;
    QTest::newRow("remote key, the input press ignored") << int(QUERY_LEARN_KEY) << 42;
}

void tst_Simulator::learning()
{
    QFETCH(int, selector);
    QFETCH(int, expected);
    Link link;
    link.c.queuePress(Press::Input, 5, 2000);
    link.c.queuePress(Press::RemoteKey, 42, 3000);
    link.clock.sleep(10000); // presses wait for the controller to listen
    QCOMPARE(link.query(QUERY_START, selector), 0);
    const qint64 start = link.clock.elapsed;
    const qint64 arrival = start + (selector == QUERY_LEARN_INPUT ? 2000 : 3000);
    while (link.clock.elapsed < arrival) {
        QVERIFY(link.lacks(ST_U_DONE | ST_U_ERR));
        link.clock.sleep(100);
    }
    QCOMPARE(link.status() & (ST_U_DONE | ST_U_ERR), int(ST_U_DONE));
    QCOMPARE(link.query(QUERY_FETCH, selector), expected);
    QCOMPARE(link.c.pendingPresses(), selector == QUERY_LEARN_INPUT ? 1 : 0);
}

void tst_Simulator::learningTimesOut()
{
    Link link;
    link.query(QUERY_START, QUERY_LEARN_INPUT);
    link.clock.sleep(10000);
    QVERIFY(link.lacks(ST_U_ERR));
    link.clock.sleep(1);
    QCOMPARE(link.status() & (ST_U_DONE | ST_U_ERR), int(ST_U_ERR));
    // A press after the controller stopped listening stays for the next time.
    link.c.queuePress(Press::Input, 1, 0);
    QVERIFY(link.lacks(ST_U_DONE));
    QCOMPARE(link.c.pendingPresses(), 1);
}

void tst_Simulator::learningFromSimulatedKey()
{
    Link link;
    link.query(QUERY_START, QUERY_LEARN_KEY);
    QCOMPARE(link.out(REQ_SIMULATE, EVENT_REMOTE_KEY, 9), 0);
    QVERIFY(link.has(ST_U_DONE));
    QCOMPARE(link.query(QUERY_FETCH, QUERY_LEARN_KEY), 9);
}

void tst_Simulator::systemAddress()
{
    Link link;
    link.c.configuration[ConfigLayout::RcuSysAddr] = 12;
    QCOMPARE(link.query(0, QUERY_READ_ADDRESS), 12);
    QCOMPARE(link.query(17, QUERY_SET_ADDRESS), 17);
    QCOMPARE(link.status() & (ST_U_DONE | ST_U_ERR), int(ST_U_DONE));
    QCOMPARE(link.query(0, QUERY_READ_ADDRESS), 17);
    QCOMPARE(link.c.systemAddress(), u8(17));
    link.query(255, QUERY_SET_ADDRESS);
    QCOMPARE(link.query(0, QUERY_READ_ADDRESS), 255);
    link.query(40, QUERY_SET_ADDRESS);
    QCOMPARE(link.status() & (ST_U_DONE | ST_U_ERR), int(ST_U_ERR));
    QCOMPARE(link.query(0, QUERY_READ_ADDRESS), 255);
}

void tst_Simulator::systemAddressFromKey()
{
    Link link;
    link.c.queuePress(Press::Input, 2, 100); // ignored: not a remote key
    link.c.queuePress(Press::RemoteKey, 7, 500, 9);
    QCOMPARE(link.query(ADDRESS_FROM_KEY, QUERY_SET_ADDRESS), 64);
    link.clock.sleep(499);
    QVERIFY(link.lacks(ST_U_DONE));
    link.clock.sleep(1);
    QCOMPARE(link.status() & (ST_U_DONE | ST_U_ERR), int(ST_U_DONE));
    QCOMPARE(link.query(0, QUERY_READ_ADDRESS), 9);
    QCOMPARE(link.c.pendingPresses(), 0);
}

void tst_Simulator::serialNumberWrite()
{
    Link link;
    const u8 number[8] = {'0', '0', '0', '0', '0', '0', '4', '2'};
    QCOMPARE(link.usb.controlOut(REQ_WRITE_SN, 0, 0, number, 7), int(UsbBackend::ErrorPipe));
    QCOMPARE(link.usb.controlOut(REQ_WRITE_SN, 0, 0, number, 8), 8);
    QCOMPARE(link.status() & (ST_U_DONE | ST_U_ERR), int(ST_U_DONE));
    QCOMPARE(link.usb.readSerialNumber(), 0);
    QCOMPARE(link.usb.serialNumber, QStringLiteral("KLV00000001")); // until it restarts
    QCOMPARE(link.out(REQ_RESET), 0);
    QVERIFY(!link.reconnect()); // the number the link insists on is gone
    QCOMPARE(link.others, QStringList {QStringLiteral("KLV00000042")});
    link.usb.serialNumber.clear();
    QVERIFY(link.reconnect());
    QCOMPARE(link.usb.serialNumber, QStringLiteral("KLV00000042"));
    QCOMPARE(link.c.serialNumber(), QStringLiteral("KLV00000042"));
}

// --- Firmware ------------------------------------------------------------------------------------

void tst_Simulator::firmwareNeedsLoader()
{
    Link link;
    QCOMPARE(link.out(REQ_FW_UPGRADE, 256), 0);
    QCOMPARE(link.status() & (ST_U_ERR | ST_BULK_READY), int(ST_U_ERR));
    QCOMPARE(link.out(REQ_FW_VERIFY, 256), 0);
    QCOMPARE(link.status() & (ST_U_ERR | ST_BULK_READY), int(ST_U_ERR));
}

void tst_Simulator::loaderMode()
{
    Link link;
    link.c.reappearAfterEnumerations = 2;
    QCOMPARE(link.out(REQ_SET_MODE, MODE_LOADER), 0);
    QCOMPARE(link.status(), -1); // gone from the bus
    link.usb.closeDevice();
    QCOMPARE(link.usb.findDevice(), -1); // first enumeration: not back yet
    QCOMPARE(link.usb.findDevice(), 0);
    QCOMPARE(link.status() & ST_NORMAL_MASK, int(ST_MODE_LOADER));
    QCOMPARE(link.c.mode(), MODE_LOADER);

    // The loader knows only its own requests, and only a reset leaves it.
    QCOMPARE(link.out(REQ_CONF_READ, 41), int(UsbBackend::ErrorPipe));
    QCOMPARE(link.out(REQ_LIVE_VALUE, 1, 1), int(UsbBackend::ErrorPipe));
    QCOMPARE(link.query(0, QUERY_READ_ADDRESS), -1);
    QCOMPARE(link.out(REQ_SET_MODE, MODE_NORMAL), 0);
    QVERIFY(link.has(ST_MODE_LOADER));
    u8 version[3] = {};
    QCOMPARE(link.usb.controlIn(REQ_VERSION, 0, 0, version, 3), 3);
    QCOMPARE(link.usb.readSerialNumber(), 0);
    QCOMPARE(link.out(REQ_RESET), 0);
    QVERIFY(link.reconnect() || link.reconnect());
    QCOMPARE(link.status(), 0);
    QCOMPARE(link.c.mode(), MODE_NORMAL);
}

void tst_Simulator::firmwareUpgrade()
{
    Link link;
    const std::vector<u8> image = randomBytes(SimulatedController::FirmwareSize, 7);
    QVERIFY(link.toLoader());
    QCOMPARE(link.out(REQ_FW_UPGRADE, 256), 0);
    QVERIFY(link.has(ST_BULK_READY));
    for (int k = 0; k < 256; ++k) {
        QCOMPARE(link.writeBlock(k, image.data() + 256 * k), 260);
        const int word = link.status();
        QCOMPARE(word & (ST_BULK_READY | ST_U_DONE), int(k < 255 ? ST_BULK_READY : ST_U_DONE));
    }
    QVERIFY(link.c.firmware == image);
    QVERIFY(link.lacks(ST_U_ERR));
}

void tst_Simulator::firmwareVerify()
{
    Link link;
    const std::vector<u8> image = randomBytes(SimulatedController::FirmwareSize, 8);
    link.c.firmware = image;
    std::vector<u8> sent = image;
    sent[5 * 256 + 17] ^= 0x40;
    sent[200 * 256] ^= 0x01;
    QVERIFY(link.toLoader());
    QCOMPARE(link.out(REQ_FW_VERIFY, 256), 0);
    QList<int> flagged;
    for (int k = 0; k < 256; ++k) {
        QCOMPARE(link.writeBlock(k, sent.data() + 256 * k), 260);
        const int word = link.status();
        if (word & ST_U_ERR)
            flagged << k;
        QVERIFY(word & (k < 255 ? ST_BULK_READY : ST_U_DONE));
    }
    QCOMPARE(flagged, (QList<int> {5, 200}));
    QCOMPARE(link.c.differingBlocks(), (QList<int> {5, 200}));
    QVERIFY(link.c.firmware == image); // verifying writes nothing
}

void tst_Simulator::firmwareBadBlock()
{
    Link link;
    const std::vector<u8> image = randomBytes(SimulatedController::FirmwareSize, 9);
    QVERIFY(link.toLoader());
    link.out(REQ_FW_UPGRADE, 256);
    BulkBlock block;
    block.build(0, image.data(), 256);
    QByteArray frame(reinterpret_cast<const char *>(block.frame()), 260);
    frame[10] = char(frame[10] ^ 1);
    QCOMPARE(link.usb.bulkWrite(reinterpret_cast<const u8 *>(frame.constData()), 260), 260);
    QCOMPARE(link.status() & (ST_U_ERR | ST_U_DONE | ST_BULK_READY), int(ST_U_ERR));
}

// --- The bus -------------------------------------------------------------------------------------

void tst_Simulator::reenumeration_data()
{
    QTest::addColumn<int>("enumerations");
    QTest::addColumn<int>("ms");
    QTest::addColumn<int>("expectedEnumerations"); // with 100 ms between them
    QTest::newRow("next enumeration") << 1 << 0 << 1;
    QTest::newRow("third enumeration") << 3 << 0 << 3;
    QTest::newRow("after 450 ms: at 500 ms") << 1 << 450 << 6;
}

void tst_Simulator::reenumeration()
{
    QFETCH(int, enumerations);
    QFETCH(int, ms);
    QFETCH(int, expectedEnumerations);
    Link link;
    link.c.reappearAfterEnumerations = enumerations;
    link.c.reappearAfterMs = ms;
    const UsbHandle old = link.usb.deviceHandle;
    QCOMPARE(link.out(REQ_RESET), 0);
    QCOMPARE(link.c.resets(), 1);
    u8 word[2];
    QCOMPARE(link.bus.controlTransfer(old, 0xC0, REQ_STATUS, 0, 0, word, 2, 5000),
             int(UsbBackend::ErrorNoDevice));
    link.usb.closeDevice();
    int count = 0;
    while (link.usb.findDevice() != 0 && count < 100) {
        ++count;
        link.clock.sleep(100);
    }
    QCOMPARE(count + 1, expectedEnumerations);
    QCOMPARE(link.status(), 0);
}

void tst_Simulator::severalControllersPlugAndUnplug()
{
    VirtualClock clock;
    SimulatedBus bus;
    SimulatedController &a = bus.addController(QStringLiteral("KLV0000000A"));
    SimulatedController &b = bus.addController(QStringLiteral("KLV0000000B"));
    SimulatedController &c = bus.addController(QStringLiteral("KLV0000000C"), 0);
    QCOMPARE(bus.controllers(), (QList<SimulatedController *> {&c, &a, &b}));
    QCOMPARE(bus.controller(QStringLiteral("KLV0000000B")), &b);
    QCOMPARE(bus.enumerate().size(), 3);

    QStringList others;
    t_threadUsbDevice usb(others);
    usb.setIds(KELVO_VENDOR_ID, KELVO_PRODUCT_ID);
    usb.setBackend(&bus);
    QCOMPARE(usb.findDevice(), 0);
    QCOMPARE(usb.serialNumber, QStringLiteral("KLV0000000C"));
    QCOMPARE(usb.controlOut(REQ_SET_MODE, MODE_CONF, 0, nullptr, 0), 0);
    c.configuration[100] = 0x5A;

    bus.unplug(c);
    QVERIFY(!c.isPlugged());
    QCOMPARE(usb.controlOut(REQ_SET_MODE, MODE_LIVE, 0, nullptr, 0),
             int(UsbBackend::ErrorNoDevice));
    QCOMPARE(bus.enumerate().size(), 2);
    QCOMPARE(usb.findDevice(), -1);
    QCOMPARE(others, (QStringList {QStringLiteral("KLV0000000A"), QStringLiteral("KLV0000000B")}));

    bus.plug(c); // a power cycle: the mode is lost, the memory kept
    QCOMPARE(usb.findDevice(), 0);
    QCOMPARE(c.mode(), MODE_NORMAL);
    QCOMPARE(c.configuration[100], u8(0x5A));
    usb.closeDevice();
    QCOMPARE(bus.openHandles(), 0);
}

void tst_Simulator::unplugAfterTransfers()
{
    Link link;
    link.c.faults.unplugAfterTransfers = 2;
    QVERIFY(link.status() >= 0);
    QVERIFY(link.status() >= 0);
    QCOMPARE(link.status(), -1);
    QVERIFY(!link.c.isPlugged());
    QVERIFY(!link.reconnect());
}

void tst_Simulator::hotplugThroughTheEventLoop_data()
{
    QTest::addColumn<BusChange>("change");
    // Each event as "arrived S/N" or "left S/N", "(open)" when it took the open controller.
    QTest::addColumn<QStringList>("events");
    const QString left = QStringLiteral("left KLV00000001 (open)");
    const QString back = QStringLiteral("arrived KLV00000001");

    QTest::newRow("unplugged") << BusChange::Unplug << QStringList {left};
    QTest::newRow("unplugged during a transfer")
        << BusChange::UnplugDuringATransfer << QStringList {left};
    QTest::newRow("unplugged and plugged back")
        << BusChange::UnplugAndPlugBack << QStringList {left, back};
    QTest::newRow("another one plugged in")
        << BusChange::AddAnother << QStringList {QStringLiteral("arrived KLV00000002")};
    QTest::newRow("restarts: left") << BusChange::Restart << QStringList {left};
    // Told after the program found it again: the handle that died is no longer the open one.
    QTest::newRow("restarts and is found again")
        << BusChange::RestartAndReconnect << QStringList {QStringLiteral("left KLV00000001"), back};
    QTest::newRow("a device of another maker") << BusChange::UnplugAForeignDevice << QStringList();
    QTest::newRow("after the watch ended") << BusChange::UnplugAfterTheWatchEnded << QStringList();
    QTest::newRow("watch ended before the event loop ran")
        << BusChange::WatchEndsBeforeDelivery << QStringList();
}

void tst_Simulator::hotplugThroughTheEventLoop()
{
    QFETCH(BusChange, change);
    QFETCH(QStringList, events);
    Link link;
    SimulatedController &foreign = link.bus.addController(QStringLiteral("XYZ00000009"));
    foreign.vendorId = 0x1234;
    QCoreApplication::processEvents(); // before the watch: never told

    QStringList told;
    const auto watch = [&] {
        return link.usb.watchHotplug([&](const UsbBackend::HotplugEvent &event) {
            const bool arrived = event.kind == UsbBackend::HotplugEvent::Kind::Arrived;
            told << QStringLiteral("%1 %2%3").arg(arrived ? "arrived" : "left", event.device,
                                                  link.usb.openDeviceLeft(event) ? " (open)" : "");
        });
    };
    QVERIFY(watch());

    switch (change) {
    case BusChange::Unplug:
        link.bus.unplug(link.c);
        break;
    case BusChange::UnplugDuringATransfer:
        link.c.faults.unplugAfterTransfers = 1;
        QVERIFY(link.status() >= 0);
        QCOMPARE(link.status(), -1);
        break;
    case BusChange::UnplugAndPlugBack:
        link.bus.unplug(link.c);
        link.bus.plug(link.c);
        break;
    case BusChange::AddAnother:
        link.bus.addController(QStringLiteral("KLV00000002"));
        break;
    case BusChange::Restart:
        QCOMPARE(link.out(REQ_RESET), 0);
        break;
    case BusChange::RestartAndReconnect:
        QCOMPARE(link.out(REQ_RESET), 0);
        QVERIFY(link.reconnect());
        break;
    case BusChange::UnplugAForeignDevice:
        link.bus.unplug(foreign);
        link.bus.plug(foreign);
        break;
    case BusChange::UnplugAfterTheWatchEnded:
        QVERIFY(!link.usb.watchHotplug(nullptr));
        link.bus.unplug(link.c);
        break;
    case BusChange::WatchEndsBeforeDelivery:
        link.bus.unplug(link.c);
        QVERIFY(!link.usb.watchHotplug(nullptr));
        break;
    }
    // Never inside the bus's own calls: only once the program is back in its event loop.
    QCOMPARE(told, QStringList());
    QCoreApplication::processEvents();
    QCOMPARE(told, events);
    // The watch moves with the backend: on another bus the first one's events are not told.
    told.clear();
    SimulatedBus other;
    link.usb.setBackend(&other);
    link.bus.addController(QStringLiteral("KLV00000003"));
    other.addController(QStringLiteral("KLV00000004"));
    QCoreApplication::processEvents();
    const bool watching = change != BusChange::UnplugAfterTheWatchEnded
        && change != BusChange::WatchEndsBeforeDelivery;
    QCOMPARE(told, watching ? QStringList {QStringLiteral("arrived KLV00000004")} : QStringList());
    link.usb.setBackend(&link.bus); // before `other` goes
}

void tst_Simulator::failRequest()
{
    Link link;
    link.c.failRequest(REQ_STATUS, 2);
    QCOMPARE(link.status(), -1);
    QCOMPARE(link.status(), -1);
    QCOMPARE(link.status(), 0);
    link.c.failRequest(REQ_SET_MODE, 1, true, UsbBackend::ErrorPipe);
    QCOMPARE(link.out(REQ_SET_MODE, MODE_LIVE), int(UsbBackend::ErrorPipe));
    QCOMPARE(link.c.mode(), MODE_LIVE); // acted on all the same
    link.c.failRequest(REQ_VERSION, -1);
    u8 version[3];
    for (int i = 0; i < 20; ++i)
        QCOMPARE(link.usb.controlIn(REQ_VERSION, 0, 0, version, 3), int(UsbBackend::ErrorIo));
    link.c.faults.extraStatusBits = 0x0080;
    link.c.faults.statusScript = {0xC000};
    QCOMPARE(link.status(), 0xC000);
    QCOMPARE(link.status(), ST_U_DONE | ST_MODE_LIVE | 0x0080);
}

void tst_Simulator::secondClaimIsBusy()
{
    Link link;
    const QList<UsbBackend::Device> devices = link.bus.enumerate();
    const UsbHandle second = link.bus.open(devices.first().id);
    QVERIFY(!second.isNull());
    QCOMPARE(link.bus.claimInterface(second, 0), int(UsbBackend::ErrorBusy));
    link.bus.close(second);
    QCOMPARE(link.bus.open(devices.first().id + 1), UsbHandle()); // an id of another generation
    link.c.faults.openFails = true;
    QCOMPARE(link.bus.open(devices.first().id), UsbHandle());
}

void tst_Simulator::transactionLog()
{
    Link link;
    link.usb.transactionLog().clear();
    // The same lines go to the kelvodesk.usb category, for a user's bug report.
    static QStringList categoryLines;
    categoryLines.clear();
    const_cast<QLoggingCategory &>(lcUsb()).setEnabled(QtDebugMsg, true);
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &context, const QString &text) {
            if (QByteArray(context.category) == "kelvodesk.usb")
                categoryLines << text;
        });
    link.clock.sleep(250);
    link.out(REQ_SET_MODE, MODE_CONF);
    link.status();
    u8 frame[260] = {};
    link.usb.bulkWrite(frame, 260);

    const QList<Transaction> entries = link.usb.transactionLog().entries();
    QCOMPARE(entries.size(), 3);
    QCOMPARE(entries[0].kind, Kind::Control);
    QCOMPARE(entries[0].device, QStringLiteral("KLV00000001"));
    QCOMPARE(entries[0].requestType, u8(0x40));
    QCOMPARE(entries[0].request, REQ_SET_MODE);
    QCOMPARE(entries[0].value, u16(2));
    QCOMPARE(entries[0].result, 0);
    QCOMPARE(entries[0].time, 250);
    QVERIFY(!entries[0].isIn());
    QCOMPARE(entries[1].data, QByteArray("\x20\x40", 2)); // ST_MODE_CONF, ST_U_DONE
    QVERIFY(entries[1].isIn());
    QCOMPARE(entries[2].kind, Kind::Bulk);
    QCOMPARE(entries[2].endpoint, u8(0x02));
    QCOMPARE(entries[2].data.size(), 260);
    QCOMPARE(entries[2].result, int(UsbBackend::ErrorTimeout));
    QCOMPARE(link.usb.transactionLog().countRequest(REQ_STATUS), 1);
    QCOMPARE(link.usb.transactionLog().countTransfers(), 3);
    QCOMPARE(link.usb.transactionLog().dump().count(QLatin1Char('\n')), 3);
    QVERIFY(link.usb.transactionLog().dump().contains(QStringLiteral("req=0x04 value=2")));
    qInstallMessageHandler(previous);
    const_cast<QLoggingCategory &>(lcUsb()).setEnabled(QtDebugMsg, false);
    QCOMPARE(categoryLines.join(QLatin1Char('\n')) + QLatin1Char('\n'),
             link.usb.transactionLog().dump());

    // A capped log keeps the newest entries only.
    link.usb.transactionLog().capacity = 2;
    link.out(REQ_SET_MODE, MODE_LIVE);
    const QList<Transaction> newest = link.usb.transactionLog().entries();
    QCOMPARE(newest.size(), 2);
    QCOMPARE(newest[0].kind, Kind::Bulk);
    QCOMPARE(newest[1].value, u16(4));
}

void tst_Simulator::latencyModel()
{
    Link link;
    link.bus.controlLatencyMs = 1;
    link.bus.bulkLatencyMs = 2;
    link.clock.elapsed = 0;
    link.status();
    link.status();
    u8 frame[260] = {};
    link.usb.bulkRead(frame, 260);
    QCOMPARE(link.clock.elapsed.load(), 4);
}

QTEST_MAIN(tst_Simulator)
#include "tst_simulator.moc"
