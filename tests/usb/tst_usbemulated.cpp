// The program on the real libusb-1.0, against simulated controllers served as emulated USB
// devices (umockdev). Each test compares what the program asked for with the URBs the library
// put on the emulated bus.

#include "emulatedbusbackend.h"
#include "emulatedusbbus.h"

#include "device/kelvoprotocol.h"
#include "device/libusbbackend.h"
#include "device/t_threadusbdevice.h"
#include "model/configlayout.h"
#include "support/configfilefixtures.h"
#include "support/controllerbytes.h"
#include "support/upgradefilemaker.h"
#include "support/virtualclock.h"
#include "support/windowrig.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <map>
#include <memory>

using Kind = Transaction::Kind;
using Urb = EmulatedUsbBus::Urb;

Q_DECLARE_METATYPE(Transaction::Kind)

namespace {

constexpr int ImageSize = ConfigLayout::ImageSize;
const QString serialA = QStringLiteral("KLV00000001");
const QString serialB = QStringLiteral("KLV00000002");

// The program's result for a URB that ended this way.
int expectedResult(const Urb &urb)
{
    switch (urb.status) {
    case 0:
        return urb.actualLength;
    case -EPIPE:
        return UsbBackend::ErrorPipe;
    case -ENOENT:
        return UsbBackend::ErrorTimeout; // discarded at the time-out
    case -ENODEV:
    case -ESHUTDOWN:
        return UsbBackend::ErrorNoDevice;
    case -EOVERFLOW:
        return UsbBackend::ErrorOverflow;
    default:
        return UsbBackend::ErrorIo;
    }
}

// Each transfer the program made is one URB on the bus, in the same order, with the same setup
// packet or endpoint, length, data and outcome. Transfers to a device that is gone may be refused
// by libusb before they reach the bus, so those are left out on both sides.
void compareWire(const QList<Transaction> &transfers, const QList<Urb> &urbs)
{
    QList<Transaction> program;
    for (const Transaction &t : transfers) {
        if (t.isTransfer() && t.result != UsbBackend::ErrorNoDevice)
            program.append(t);
    }
    QList<Urb> wire;
    for (const Urb &u : urbs) {
        if (u.status != -ENODEV && u.status != -ESHUTDOWN)
            wire.append(u);
    }
    QCOMPARE(wire.size(), program.size());
    for (int i = 0; i < program.size(); ++i) {
        const Transaction &t = program[i];
        const Urb &u = wire[i];
        const QByteArray where
            = QStringLiteral("transfer %1: %2").arg(i).arg(t.toString()).toUtf8();
        if (t.kind == Kind::Bulk) {
            QVERIFY2(u.type == Urb::Type::Bulk, where);
            QVERIFY2(u.endpoint == t.endpoint, where);
            QVERIFY2(u.bufferLength == t.length, where);
        } else {
            // GET_DESCRIPTOR is logged with its standard setup packet, like a vendor request.
            QVERIFY2(u.type == Urb::Type::Control, where);
            QVERIFY2(u.requestType == t.requestType, where);
            QVERIFY2(u.request == t.request, where);
            QVERIFY2(u.value == t.value, where);
            QVERIFY2(u.index == t.index, where);
            QVERIFY2(u.length == t.length, where);
            QVERIFY2(u.bufferLength == 8 + t.length, where);
        }
        QVERIFY2(t.result == expectedResult(u), where);
        QVERIFY2(u.data == t.data, where);
    }
}

} // namespace

class tst_UsbEmulated : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void discovery_data();
    void discovery();
    void connectShowsTheController();
    void configurationRoundTrip();
    void resetReconnectsAtANewAddress();
    void firmwareUpgrade();
    void unplugInTheMiddle_data();
    void unplugInTheMiddle();
    void naksEndAtTheTimeOut_data();
    void naksEndAtTheTimeOut();
    void hotplugThroughTheLibrary();
    void busyControllerThroughTheLibrary_data();
    void busyControllerThroughTheLibrary();

private:
    // The window on the real libusb-1.0 and the emulated bus; declared in the order they must
    // be built, so the rig (and its open handle) goes before the backend and the bus.
    std::unique_ptr<EmulatedUsbBus> bus;
    std::unique_ptr<EmulatedBusBackend> usb;
    std::unique_ptr<WindowRig> rig;

    SimulatedController &connect(const QString &serial = serialA);
    void checkWire();
};

void tst_UsbEmulated::init()
{
    bus = std::make_unique<EmulatedUsbBus>();
    usb = std::make_unique<EmulatedBusBackend>(*bus);
    rig = std::make_unique<WindowRig>(usb.get());
}

void tst_UsbEmulated::cleanup()
{
    rig.reset();
    usb.reset();
    QCOMPARE(bus->unknownIoctls(), QStringList());
    bus.reset();
    QCOMPARE(QApplication::topLevelWidgets(), QWidgetList());
}

SimulatedController &tst_UsbEmulated::connect(const QString &serial)
{
    SimulatedController &c = bus->addController(serial);
    rig->click("pbConnect");
    if (!rig->kelvo.usbDevice.isOpen())
        qFatal("the emulated controller did not connect");
    return c;
}

void tst_UsbEmulated::checkWire()
{
    compareWire(rig->log().entries(), bus->urbs());
}

void tst_UsbEmulated::discovery_data()
{
    QTest::addColumn<QString>("adopted"); // the serial number the link already has, if any
    QTest::addColumn<bool>("foreignFirst");
    QTest::addColumn<bool>("firstFailsIdentity");
    QTest::addColumn<QString>("found");
    QTest::addColumn<QStringList>("others");

    QTest::newRow("one controller") << QString() << false << false << serialA << QStringList();
    QTest::newRow("two: the first is adopted")
        << QString() << false << false << serialA << QStringList();
    QTest::newRow("two: the adopted one is found, the other listed")
        << serialB << false << false << serialB << QStringList {serialA};
    QTest::newRow("a foreign device first")
        << QString() << true << false << serialA << QStringList();
    QTest::newRow("the first fails the identity check")
        << QString() << false << true << serialB << QStringList();
}

void tst_UsbEmulated::discovery()
{
    QFETCH(QString, adopted);
    QFETCH(bool, foreignFirst);
    QFETCH(bool, firstFailsIdentity);
    QFETCH(QString, found);
    QFETCH(QStringList, others);

    if (foreignFirst) {
        SimulatedController &foreign = bus->addController(QStringLiteral("XYZ00000009"));
        foreign.vendorId = 0x1234;
        foreign.productId = 0x5678;
    }
    SimulatedController &a = bus->addController(serialA);
    if (firstFailsIdentity)
        a.faults.identityReply = 0x00;
    if (QTest::currentDataTag() != QLatin1String("one controller"))
        bus->addController(serialB);

    t_threadUsbDevice &link = rig->kelvo.usbDevice;
    link.serialNumber = adopted;
    QCOMPARE(link.findDevice(), 0);
    QCOMPARE(link.serialNumber, found);
    QCOMPARE(rig->kelvo.otherSerials, others);
    QVERIFY(link.isOpen());
    checkWire();

    // Every controller looked at answers the identity request, then (if it is one) its serial
    // number through the standard string-descriptor request; a foreign device sees nothing.
    std::map<QString, QList<std::pair<u8, u8>>> requestsByNode;
    for (const Urb &u : bus->urbs())
        requestsByNode[u.node].append({u.requestType, u.request});
    const QList<std::pair<u8, u8>> identityAndSerial = {{0xC0, REQ_PING}, {0x80, 0x06}};
    QCOMPARE(requestsByNode.size(),
             size_t(foreignFirst ? 1 : others.size() + 1 + firstFailsIdentity));
    for (const auto &[node, requests] : requestsByNode) {
        if (firstFailsIdentity && node == requestsByNode.begin()->first)
            QCOMPARE(requests, (QList<std::pair<u8, u8>> {{0xC0, REQ_PING}}));
        else
            QCOMPARE(requests, identityAndSerial);
    }
}

void tst_UsbEmulated::connectShowsTheController()
{
    SimulatedController &c = bus->addController(serialA);
    c.version = {2, 3, 'b'};
    rig->click("pbConnect");
    QCOMPARE(rig->text("lbConn"), QStringLiteral("Connected"));
    QCOMPARE(rig->text("lbSerial"), QStringLiteral("S/N ") + serialA);
    QCOMPARE(rig->text("lbFirmWare"), QStringLiteral("F/W ver. 2.03b"));
    // Through the real library: its device names carry the emulated bus and address.
    QVERIFY(rig->log().entries().constLast().device.startsWith(QLatin1String("bus 1 address ")));
    checkWire();

    // Live mode on and off, with a live value between.
    rig->click("pbLiveMode");
    QCOMPARE(c.mode(), MODE_LIVE);
    rig->kelvo.send_new_val(5, 200);
    {
        std::lock_guard guard(bus->lock());
        QCOMPARE(c.liveLevels[5], u8(200));
    }
    rig->click("pbNormalMode");
    QCOMPARE(c.mode(), MODE_NORMAL);
    checkWire();
}

void tst_UsbEmulated::configurationRoundTrip()
{
    SimulatedController &c = connect();
    const QString firstNode = bus->node(c);
    const QByteArray sent = ConfigFileFixtures::randomBytes(5, ImageSize);
    rig->setImage(sent);

    rig->click("pbSendConf");
    QCOMPARE(rig->script.shown.size(), 1);
    QCOMPARE(rig->script.shown[0].text, QStringLiteral("Write configuration\n     Sucessfull!"));
    {
        std::lock_guard guard(bus->lock());
        QCOMPARE(configurationOf(c), sent);
        QCOMPARE(c.resets(), 1);
    }
    // The controller restarted with it and came back at another address, where the program
    // found it again.
    QVERIFY(rig->kelvo.usbDevice.isOpen());
    QCOMPARE(rig->text("lbConn"), QStringLiteral("Connected"));
    QVERIFY(!bus->node(c).isEmpty());
    QVERIFY(bus->node(c) != firstNode);

    rig->setImage(ConfigFileFixtures::randomBytes(6, ImageSize));
    rig->script.shown.clear();
    rig->click("pbReadConf");
    QCOMPARE(rig->script.shown.size(), 1);
    QCOMPARE(rig->script.shown[0].text, QStringLiteral("Read configuration\nSucessfull!"));
    QCOMPARE(rig->image(), sent);
    checkWire();

    // 41 blocks each way, through the bulk endpoints, at the block size the program asked for.
    QList<Urb> out, in;
    for (const Urb &u : bus->urbs()) {
        if (u.type == Urb::Type::Bulk && u.endpoint == EP_BULK_OUT)
            out.append(u);
        else if (u.type == Urb::Type::Bulk && u.endpoint == EP_BULK_IN)
            in.append(u);
    }
    QCOMPARE(out.size(), CONF_BLOCK_COUNT);
    QCOMPARE(in.size(), CONF_BLOCK_COUNT);
    for (const Urb &u : out)
        QCOMPARE(u.actualLength, u.bufferLength);
}

void tst_UsbEmulated::resetReconnectsAtANewAddress()
{
    SimulatedController &c = connect();
    const QString before = bus->node(c);
    const int arrivals = bus->arrivals();
    rig->click("pbReset");
    {
        std::lock_guard guard(bus->lock());
        QCOMPARE(c.resets(), 1);
    }
    QCOMPARE(bus->arrivals(), arrivals + 1);
    QVERIFY(bus->node(c) != before);
    QVERIFY(rig->kelvo.usbDevice.isOpen());
    QCOMPARE(rig->text("lbConn"), QStringLiteral("Connected"));
    QCOMPARE(rig->text("lbSerial"), QStringLiteral("S/N ") + serialA);
    // The old address is gone for good: the reset request was the last URB it took, and the
    // kernel refused what the library submitted there afterwards.
    QList<Urb> taken;
    int refusedAfter = 0;
    for (const Urb &u : bus->urbs()) {
        if (u.node != before)
            continue;
        if (u.status == -ENODEV) {
            ++refusedAfter;
        } else {
            QCOMPARE(refusedAfter, 0);
            taken.append(u);
        }
    }
    QCOMPARE(taken.constLast().request, REQ_RESET);
    checkWire();
}

void tst_UsbEmulated::firmwareUpgrade()
{
    SimulatedController &c = connect();
    const QByteArray firmware = ConfigFileFixtures::randomBytes(31, 4096).repeated(16);
    UpgradeFileMaker maker;
    maker.firmware = firmware;
    maker.text = " v_1_00A";
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("firmware.upg"));
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write(maker.build()) > 0);
    file.close();

    const int arrivals = bus->arrivals();
    rig->script.fileNames << fileName;
    rig->trigger(QStringLiteral("&Upgrade Kelvo"));

    // The question before it starts (answered Yes), then the result.
    QCOMPARE(rig->script.shown.size(), 2);
    QCOMPARE(rig->script.shown[0].text,
             QStringLiteral("Upgrade the controller from 1.00A to 1.00A?"));
    QCOMPARE(rig->script.shown[1].text, QStringLiteral("Upgrade sucessfull !"));
    {
        std::lock_guard guard(bus->lock());
        QCOMPARE(firmwareOf(c), firmware);
    }
    // Into the loader (a new address), then restarted into the new firmware (another one).
    QCOMPARE(bus->arrivals(), arrivals + 2);
    QVERIFY(rig->kelvo.usbDevice.isOpen());
    QCOMPARE(rig->text("lbFirmWare"), QStringLiteral("F/W ver. 1.00A"));
    checkWire();
}

void tst_UsbEmulated::unplugInTheMiddle_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("after"); // transfers of the job that still work

    QTest::newRow("write, at the start") << "pbSendConf" << 2;
    QTest::newRow("write, among the blocks") << "pbSendConf" << 30;
    QTest::newRow("read, among the blocks") << "pbReadConf" << 40;
    QTest::newRow("live mode on") << "pbLiveMode" << 1;
    QTest::newRow("reset") << "pbReset" << 1;
}

void tst_UsbEmulated::unplugInTheMiddle()
{
    QFETCH(QString, button);
    QFETCH(int, after);
    SimulatedController &c = connect();
    const QByteArray local = ConfigFileFixtures::randomBytes(17, ImageSize);
    rig->setImage(local);
    {
        std::lock_guard guard(bus->lock());
        c.faults.unplugAfterTransfers = after;
    }
    rig->click(button.toLatin1().constData());

    // The program learnt it from the library as "no device" and ends disconnected.
    QVERIFY(
        rig->log()
            .filtered([](const Transaction &t) { return t.result == UsbBackend::ErrorNoDevice; })
            .size()
        > 0);
    QVERIFY(!rig->kelvo.usbDevice.isOpen());
    QCOMPARE(rig->text("lbConn"), QStringLiteral("Disconnected"));
    // The library had submitted the URB that found it gone.
    const QList<Urb> urbs = bus->urbs();
    QVERIFY(
        std::any_of(urbs.cbegin(), urbs.cend(), [](const Urb &u) { return u.status == -ENODEV; }));
    if (button == QLatin1String("pbReadConf"))
        QCOMPARE(rig->image(), local);
    checkWire();
}

void tst_UsbEmulated::naksEndAtTheTimeOut_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<unsigned>("timeoutMs"); // what the program gives the library
    QTest::newRow("bulk read") << Kind::Bulk << USB_TIMEOUT_MS;
    QTest::newRow("vendor request") << Kind::Control << USB_TIMEOUT_MS;
    QTest::newRow("string descriptor") << Kind::GetDescriptor << 1000u;
}

// A device that NAKs leaves the URB on the bus; libusb discards it at the time-out the program
// gave and reports a time-out. This costs real time: the time-out runs on libusb's clock.
void tst_UsbEmulated::naksEndAtTheTimeOut()
{
    QFETCH(Kind, kind);
    QFETCH(unsigned, timeoutMs);
    SimulatedController &c = connect();
    t_threadUsbDevice &link = rig->kelvo.usbDevice;
    {
        std::lock_guard guard(bus->lock());
        c.failRequest(REQ_STATUS, 1, false, UsbBackend::ErrorTimeout);
        c.faults.failDescriptorReads = 1;
        c.faults.descriptorReadError = UsbBackend::ErrorTimeout;
    }
    u8 buffer[BLOCK_DATA_SIZE + 4] {};
    QElapsedTimer timer;
    timer.start();
    int result = 0;
    if (kind == Kind::Bulk) // no read job: the controller NAKs
        result = link.bulkRead(buffer, sizeof buffer);
    else if (kind == Kind::Control)
        result = link.controlIn(REQ_STATUS, 0, 0, buffer, 2);
    else // the program's serial read retries; one request shows the library's time-out
        result = usb->getDescriptor(link.deviceHandle, USB_DT_STRING, SERIAL_STRING_INDEX, 0,
                                    buffer, SERIAL_DESCRIPTOR_SIZE);
    const qint64 waited = timer.elapsed();
    QCOMPARE(result, int(UsbBackend::ErrorTimeout));
    const Urb last = bus->urbs().constLast();
    QVERIFY(last.discarded);
    QCOMPARE(last.status, -ENOENT);
    // libusb never gives up early; how much later is up to the machine.
    QVERIFY2(waited >= qint64(timeoutMs) - 5, qPrintable(QString::number(waited)));
    // For the record (the debug capture swallows Qt's own output).
    std::fprintf(stderr, "%s: the URB was discarded after %lld ms (time-out %u ms)\n",
                 QTest::currentDataTag(), waited, timeoutMs);
    if (kind != Kind::GetDescriptor)
        checkWire(); // the direct request is not in the program's log
}

// The library's own hot-plug: umockdev's uevents reach its udev monitor, and the window hears of
// them through the event loop watching the library's descriptors. The time it takes is the
// monitor thread's; QTRY_ waits for it.
void tst_UsbEmulated::hotplugThroughTheLibrary()
{
    const QString found = QStringLiteral("Kelvo controller found: press Connect");
    QStatusBar *statusBar = rig->window->statusBar();
    SimulatedController &c = bus->addController(serialA);
    bus->sync();
    QTRY_COMPARE_WITH_TIMEOUT(statusBar->currentMessage(), found, 5000);
    QVERIFY(!rig->kelvo.usbDevice.isOpen());
    QCOMPARE(rig->log().dump(), QString()); // announced, not connected

    rig->click("pbConnect");
    QCOMPARE(rig->text("lbConn"), QStringLiteral("Connected"));
    QCOMPARE(statusBar->currentMessage(), QString());
    rig->log().clear();
    bus->clearUrbs();

    {
        std::lock_guard guard(bus->lock());
        c.unplug();
    }
    bus->sync(); // its "remove" uevent
    QTRY_COMPARE_WITH_TIMEOUT(rig->text("lbConn"), QStringLiteral("Disconnected"), 5000);
    QVERIFY(!rig->kelvo.usbDevice.isOpen());
    QCOMPARE(rig->script.shown.size(), 0);
    QCOMPARE(rig->log().count(Kind::Enumerate), 0);
    QCOMPARE(statusBar->currentMessage(), QString());
    checkWire();

    // Back at a new address, announced again.
    {
        std::lock_guard guard(bus->lock());
        c.plug();
    }
    bus->sync();
    QTRY_COMPARE_WITH_TIMEOUT(statusBar->currentMessage(), found, 5000);
    rig->click("pbConnect");
    QCOMPARE(rig->text("lbConn"), QStringLiteral("Connected"));
    QCOMPARE(rig->script.shown.size(), 0);
}

QTEST_MAIN(tst_UsbEmulated)
void tst_UsbEmulated::busyControllerThroughTheLibrary_data()
{
    QTest::addColumn<int>("how"); // 0: claimed elsewhere, 1: claim refused, 2: another libusb
    QTest::addColumn<Kind>("refusedAt");

    QTest::newRow("claimed by another program") << 0 << Kind::SetConfiguration;
    QTest::newRow("only the claim refused") << 1 << Kind::ClaimInterface;
    QTest::newRow("claimed through a second libusb context") << 2 << Kind::SetConfiguration;
}

void tst_UsbEmulated::busyControllerThroughTheLibrary()
{
    QFETCH(int, how);
    QFETCH(Kind, refusedAt);

    SimulatedController &c = bus->addController(serialA);
    // A second user of the bus in this process, with a library context of its own: to the
    // emulated kernel a file of its own, as another program's would be.
    LibusbBackend otherLibrary;
    QStringList othersOfTheOther;
    t_threadUsbDevice other(othersOfTheOther);
    other.setIds(KELVO_VENDOR_ID, KELVO_PRODUCT_ID);
    other.setBackend(&otherLibrary);
    {
        std::lock_guard guard(bus->lock());
        if (how == 0)
            c.faults.claimedElsewhere = true;
        if (how == 1)
            c.faults.claimFails = true;
    }
    bus->sync();
    if (how == 2)
        QCOMPARE(other.findDevice(), 0);
    bus->clearUrbs();

    rig->click("pbConnect");
    QCOMPARE(rig->text("lbConn"), QStringLiteral("Disconnected"));
    QCOMPARE(rig->script.shown.size(), 1);
    // No other process has the node open: the faults have no holder, and the second context is
    // this process (what it has open is the testbed's copy of the node besides).
    QCOMPARE(rig->script.shown[0].text,
             QStringLiteral("Another program is using the Kelvo controller.\nThe system does not "
                            "tell which one. Close it, then connect again."));
    QCOMPARE(rig->kelvo.usbDevice.busyControllers.size(), 1);
    QCOMPARE(rig->kelvo.usbDevice.busyControllers[0].port, QStringLiteral("1-1"));
    QCOMPARE(rig->kelvo.usbDevice.busyControllers[0].location, QStringLiteral("bus 1 address 2"));
    // The library's own answer, as the kernel gave it.
    const QList<Transaction> refused = rig->log().filtered(
        [](const Transaction &t) { return t.result == UsbBackend::ErrorBusy; });
    QCOMPARE(refused.size(), 10); // one each attempt
    for (const Transaction &t : refused)
        QCOMPARE(t.kind, refusedAt);
    QVERIFY(bus->urbs().isEmpty()); // nothing reached the device

    // Once the other lets go, it connects.
    other.closeDevice();
    {
        std::lock_guard guard(bus->lock());
        c.faults.claimedElsewhere = false;
        c.faults.claimFails = false;
    }
    rig->script.shown.clear();
    rig->click("pbConnect");
    QCOMPARE(rig->text("lbConn"), QStringLiteral("Connected"));
    QVERIFY(rig->script.shown.isEmpty());
}

#include "tst_usbemulated.moc"
