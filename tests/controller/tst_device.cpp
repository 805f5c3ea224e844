#include "controller/kelvo_controller_class.h"
#include "device/bulkblock.h"
#include "device/configblockreader.h"
#include "device/kelvoprotocol.h"
#include "device/libusbbackend.h"
#include "device/loggingbackend.h"
#include "device/t_threadusbdevice.h"
#include "model/configlayout.h"
#include "simulator/simulatedbus.h"
#include "support/configfilefixtures.h"
#include "support/debugcapture.h"
#include "support/imageoracle.h"
#include "support/scriptedprompts.h"
#include "support/virtualclock.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <numeric>

using namespace ConfigLayout;
using Kind = Transaction::Kind;
using PromptKind = Prompts::Kind;

namespace {

// One controller object on a simulated bus, with virtual time and scripted boxes. The bus is
// declared first: it must outlive the controller, which closes its device on destruction.
struct Rig
{
    VirtualClock clock;
    ScriptedPrompts prompts;
    DebugCapture debug;
    SimulatedBus bus;
    kelvo_controller_class kelvo;

    Rig() { kelvo.setUsbBackend(&bus); }

    t_threadUsbDevice &usb() { return kelvo.usbDevice; }
    TransactionLog &log() { return kelvo.usbDevice.transactionLog(); }

    // A connected controller, with the log and the clock cleared, ready for one operation.
    SimulatedController &connected(const QString &serial = QStringLiteral("KLV00000001"))
    {
        SimulatedController &c = bus.addController(serial);
        kelvo.setConnection(true);
        if (!kelvo.connected)
            qFatal("the simulated controller did not connect");
        log().clear();
        clock.elapsed = 0;
        clock.sleeps = 0;
        return c;
    }

    // Handles of `serial` that were opened and not closed yet.
    int openOn(const QString &serial)
    {
        int open = 0;
        for (const Transaction &t : log().entries())
            if (t.device == serial)
                open += t.kind == Kind::Open && t.result == 0 ? 1 : t.kind == Kind::Close ? -1 : 0;
        return open;
    }
    int opened(const QString &serial)
    {
        int n = 0;
        for (const Transaction &t : log().entries())
            n += t.kind == Kind::Open && t.result == 0 && t.device == serial;
        return n;
    }
    bool linkErrorShown() const
    {
        for (const ScriptedPrompts::Shown &s : prompts.shown)
            if (s.kind == PromptKind::Critical && s.title == "kelvo"
                && s.text == "USB connection ERROR" && s.parent == nullptr)
                return true;
        return false;
    }
};

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int v : values)
        result.append(char(v));
    return result;
}

template<class T>
concept Startable = requires(T &thread)
{
    thread.start();
};

enum class Fault {
    None,
    WrongIdentity,
    NoIdentity,
    SerialFails10,
    SerialFails9,
    OtherProduct,
    OpenFails,
    ClaimFails,
    SetConfigurationFails,
};

// How a controller is kept from the program, or not.
enum class Hold {
    ClaimedElsewhere, // another program claimed its interface
    ClaimRefused, // only the claim is refused as busy
    OpenedExclusively, // opening is refused as busy
    AnotherHandle, // another controller object on this bus claimed it
    NoPermission, // opening is refused for want of permission
    ConfigurationFails, // setting the configuration fails with an I/O error
};

} // namespace

Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(Hold)
Q_DECLARE_METATYPE(Transaction::Kind)

class tst_Device : public QObject
{
    Q_OBJECT

private slots:
    // BulkBlock framing
    void bulkBlockChecksumOfEmptyBlock();
    void bulkBlockMatchesDefinition_data();
    void bulkBlockMatchesDefinition();
    void bulkBlockRefuses_data();
    void bulkBlockRefuses();
    void blockReaderPlacesByNumber_data();
    void blockReaderPlacesByNumber();
    void blockReaderCompleteOnlyWithEveryNumber_data();
    void blockReaderCompleteOnlyWithEveryNumber();

    // t_threadUsbDevice
    void idsAndInitialState();
    void discovery_data();
    void discovery();
    void discoveryAsksForTheSerialAsTheDeviceExpects();
    void discoveryTellsBusyControllers_data();
    void discoveryTellsBusyControllers();
    void deviceHolderIsTheProcessWithTheNodeOpen();
    void readSerialNumberUsesIndex3();
    void serialDescriptorMustHoldASerial_data();
    void serialDescriptorMustHoldASerial();
    void setBackendClosesTheOpenDevice();
    void threadCannotBeStarted();
    void statusReadNeedsExactlyTwoBytes_data();
    void statusReadNeedsExactlyTwoBytes();
    void findDeviceClosesAnOpenHandleWithoutRelease();
    void closeDeviceReleasesAndCloses();
    void destructorClosesWithoutSendingRequests();
    void wrapperRefusals_data();
    void wrapperRefusals();
    void wrapperArguments_data();
    void wrapperArguments();

    // Command set
    void pause100Sleeps100();
    void waitStatus_data();
    void waitStatus();
    void waitStatusFailedReadIsLinkError_data();
    void waitStatusFailedReadIsLinkError();
    void waitDoneGivesUpAfter51Reads();
    void waitDoneReadsBothBitsAgain();
    void waitDoneFailsOnError();
    void waitDoneStopsWhenTheLinkBreaks();
    void linkErrorDisconnects();
    void setDeviceModeRefusesOutOfRange_data();
    void setDeviceModeRefusesOutOfRange();
    void setDeviceModeConfirms_data();
    void setDeviceModeConfirms();
    void setDeviceModeUnconfirmed_data();
    void setDeviceModeUnconfirmed();
    void setDeviceModeFailedRequest();
    void loaderModeReconnects_data();
    void loaderModeReconnects();
    void loaderModeNeverComesBack();
    void chMode_data();
    void chMode();
    void isLoaderMode_data();
    void isLoaderMode();
    void enterLoaderMode();
    void enterLoaderModeWhenAlreadyThere();
    void sendResetNotConnected();
    void sendResetControllerResets();
    void sendResetControllerNeverResets();
    void sendSNSucceeds();
    void sendSNFails_data();
    void sendSNFails();
    void trapSlot();

    // LibusbBackend on this machine
    void libusbEnumeration();
    void libusbInvalidHandles();
};

// --- BulkBlock -----------------------------------------------------------------------------------

void tst_Device::bulkBlockChecksumOfEmptyBlock()
{
    const u8 zeros[256] = {};
    QCOMPARE(BulkBlock::checksumOf(0, 0x00FF, zeros, 256), u8(0x01));
    BulkBlock block;
    QCOMPARE(block.build(0, zeros, 256), 260);
    QCOMPARE(block.checksum(), u8(0x01));
    QCOMPARE(block.frameSize(), 260);
}

void tst_Device::bulkBlockMatchesDefinition_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QByteArray>("data");

    QByteArray ramp(256, 0);
    std::iota(ramp.begin(), ramp.end(), char(0));
    QTest::newRow("configuration block 0, ramp") << 0 << ramp;
    QTest::newRow("configuration block 40, all 0xFF") << 40 << QByteArray(256, char(0xFF));
    QTest::newRow("firmware block 255, ramp") << 255 << ramp;
    QTest::newRow("one byte") << 7 << bytes({0x42});
    QTest::newRow("64 bytes of 0x80") << 3 << QByteArray(64, char(0x80));
}

void tst_Device::bulkBlockMatchesDefinition()
{
    QFETCH(int, number);
    QFETCH(QByteArray, data);
    const QByteArray golden = ImageOracle::frameByHand(number, data);

    BulkBlock built;
    QCOMPARE(
        built.build(u8(number), reinterpret_cast<const u8 *>(data.constData()), int(data.size())),
        int(golden.size()));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(built.frame()), built.frameSize()), golden);

    int sum = 0; // number, low length byte, data and checksum add up to 0 modulo 256
    for (int i = 0; i < golden.size(); ++i)
        if (i != 2)
            sum += u8(golden[i]);
    QCOMPARE(sum % 256, 0);

    BulkBlock parsed;
    QCOMPARE(parsed.parse(reinterpret_cast<const u8 *>(golden.constData()), int(golden.size())),
             BulkBlock::Parse::Valid);
    QCOMPARE(int(parsed.number()), number);
    QCOMPARE(parsed.dataLength(), int(data.size()));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(parsed.data()), parsed.dataLength()), data);
    BulkBlock rebuilt;
    rebuilt.build(parsed.number(), parsed.data(), parsed.dataLength());
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(rebuilt.frame()), rebuilt.frameSize()),
             golden);
}

void tst_Device::bulkBlockRefuses_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<BulkBlock::Parse>("expected");

    const QByteArray good = ImageOracle::frameByHand(2, QByteArray(256, char(0x11)));
    QByteArray changed = good;
    changed[100] = char(changed[100] + 1);
    QByteArray tooLong = good;
    tooLong[2] = 0x01; // length field 0x01FF: more than a frame holds
    QTest::newRow("one data byte changed") << changed << BulkBlock::Parse::BadChecksum;
    QTest::newRow("length field above 255") << tooLong << BulkBlock::Parse::BadLength;
    QTest::newRow("shorter than announced") << good.left(259) << BulkBlock::Parse::TooShort;
    QTest::newRow("header only") << good.left(3) << BulkBlock::Parse::TooShort;
    QTest::newRow("block 41 is still a valid frame")
        << ImageOracle::frameByHand(41, QByteArray(256, 0)) << BulkBlock::Parse::Valid;
}

void tst_Device::bulkBlockRefuses()
{
    QFETCH(QByteArray, frame);
    QFETCH(BulkBlock::Parse, expected);
    BulkBlock block;
    QCOMPARE(block.parse(reinterpret_cast<const u8 *>(frame.constData()), int(frame.size())),
             expected);
    QCOMPARE(block.build(0, nullptr, 1), -1);
    const u8 one = 0;
    QCOMPARE(block.build(0, &one, 0), -1);
    QCOMPARE(block.build(0, &one, 257), -1);
}

// --- Discovery -----------------------------------------------------------------------------------

void tst_Device::blockReaderPlacesByNumber_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<int>("result"); // ConfigBlockReader::Result
    QTest::addColumn<int>("offset"); // where the data lands; -1 nowhere

    using R = ConfigBlockReader::Result;
    const QByteArray data = ConfigFileFixtures::randomBytes(9, 256);
    QTest::newRow("block 0") << ImageOracle::frameByHand(0, data) << int(R::Stored) << 0;
    QTest::newRow("block 3") << ImageOracle::frameByHand(3, data) << int(R::Stored) << 0x300;
    QTest::newRow("block 40, the last")
        << ImageOracle::frameByHand(40, data) << int(R::Stored) << 0x2800;
    QTest::newRow("block 41") << ImageOracle::frameByHand(41, data) << int(R::OutOfRange) << -1;
    QTest::newRow("block 255") << ImageOracle::frameByHand(255, data) << int(R::OutOfRange) << -1;
    QTest::newRow("16 bytes at the end of block 40")
        << ImageOracle::frameByHand(40, data.left(16)) << int(R::Stored) << 0x2800;
    QByteArray damaged = ImageOracle::frameByHand(1, data);
    damaged[100] = char(damaged[100] ^ 0x40);
    QTest::newRow("one data bit changed") << damaged << int(R::BadChecksum) << -1;
    QByteArray oversized = ImageOracle::frameByHand(1, data);
    oversized[2] = 0x01; // length field 0x01FF
    QTest::newRow("length field above 255") << oversized << int(R::Invalid) << -1;
    QTest::newRow("cut short") << ImageOracle::frameByHand(1, data).left(200) << int(R::Invalid)
                               << -1;
}

void tst_Device::blockReaderPlacesByNumber()
{
    QFETCH(QByteArray, frame);
    QFETCH(int, result);
    QFETCH(int, offset);

    const QByteArray image = ConfigFileFixtures::randomBytes(1, ImageSize);
    ConfigBlockReader reader(ConfigFileFixtures::bytes(image));
    QCOMPARE(int(reader.take(reinterpret_cast<const u8 *>(frame.constData()), int(frame.size()))),
             result);
    QByteArray expected = image;
    if (offset >= 0)
        expected.replace(offset, frame.size() - 4, frame.mid(4));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(reader.staged()), ImageSize), expected);
}

void tst_Device::blockReaderCompleteOnlyWithEveryNumber_data()
{
    QTest::addColumn<QList<int>>("numbers"); // in the order they arrive
    QTest::addColumn<int>("shortBlock"); // arrives with 16 data bytes; -1 none
    QTest::addColumn<bool>("complete");

    QList<int> all;
    for (int k = 0; k < CONF_BLOCK_COUNT; ++k)
        all << k;
    QList<int> reversed(all.crbegin(), all.crend());
    QList<int> twice = all;
    twice[8] = 7;
    QTest::newRow("0 to 40") << all << -1 << true;
    QTest::newRow("40 down to 0") << reversed << -1 << true;
    QTest::newRow("7 twice, 8 never") << twice << -1 << false;
    QTest::newRow("40 never") << all.mid(0, 40) << -1 << false;
    QTest::newRow("block 12 only 16 bytes long") << all << 12 << false;
}

void tst_Device::blockReaderCompleteOnlyWithEveryNumber()
{
    QFETCH(QList<int>, numbers);
    QFETCH(int, shortBlock);
    QFETCH(bool, complete);

    const QByteArray image = ConfigFileFixtures::randomBytes(1, ImageSize);
    ConfigBlockReader reader(ConfigFileFixtures::bytes(image));
    const QByteArray data = ConfigFileFixtures::randomBytes(2, 256);
    for (int number : numbers) {
        const QByteArray frame
            = ImageOracle::frameByHand(number, number == shortBlock ? data.left(16) : data);
        QCOMPARE(reader.take(reinterpret_cast<const u8 *>(frame.constData()), int(frame.size())),
                 ConfigBlockReader::Result::Stored);
    }
    QCOMPARE(reader.complete(), complete);
}

void tst_Device::idsAndInitialState()
{
    Rig rig;
    QCOMPARE(rig.usb().vendorId, u16(0x16C0));
    QCOMPARE(rig.usb().productId, u16(0x0782));
    QVERIFY(rig.usb().deviceHandle.isNull());
    QVERIFY(!rig.usb().isOpen());
    QVERIFY(rig.usb().serialNumber.isEmpty());
    QVERIFY(!rig.usb().isRunning());
    QCOMPARE(rig.usb().parent(), nullptr);
    QCOMPARE(rig.usb().metaObject()->className(), "t_threadUsbDevice");
    QCOMPARE(rig.usb().metaObject()->methodCount(), QThread::staticMetaObject.methodCount());
    QCOMPARE(rig.log().entries().size(), 0); // nothing touches the bus before Connect
}

void tst_Device::discovery_data()
{
    QTest::addColumn<QStringList>("controllers"); // in bus order
    QTest::addColumn<QString>("adopted"); // serialNumber before the call
    QTest::addColumn<QStringList>("unplugged");
    QTest::addColumn<Fault>("faultOfFirst");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("serialAfter");
    QTest::addColumn<QStringList>("otherSerials");
    QTest::addColumn<QString>("openOn"); // the controller left open, if any
    QTest::addColumn<QStringList>("triedAndClosed");

    const QString a = QStringLiteral("KLV00000001");
    const QString b = QStringLiteral("KLV00000002");
    const QStringList none;

    QTest::newRow("no controller")
        << none << QString() << none << Fault::None << -1 << QString() << none << QString() << none;
    QTest::newRow("two, serialNumber empty: first adopted, other not listed")
        << QStringList {a, b} << QString() << none << Fault::None << 0 << a << none << a << none;
    QTest::newRow("two, serialNumber of the second: first listed and closed")
        << QStringList {a, b} << b << none << Fault::None << 0 << b << QStringList {a} << b
        << QStringList {a};
    QTest::newRow("adopted one unplugged, another present")
        << QStringList {a, b} << a << QStringList {a} << Fault::None << -1 << a << QStringList {b}
        << QString() << QStringList {b};
    QTest::newRow("only one, adopted and present")
        << QStringList {a} << a << none << Fault::None << 0 << a << none << a << none;
    QTest::newRow("wrong identity reply")
        << QStringList {a} << QString() << none << Fault::WrongIdentity << -1 << QString() << none
        << QString() << QStringList {a};
    QTest::newRow("no identity reply") << QStringList {a} << QString() << none << Fault::NoIdentity
                                       << -1 << QString() << none << QString() << QStringList {a};
    QTest::newRow("wrong identity on the first, second adopted")
        << QStringList {a, b} << QString() << none << Fault::WrongIdentity << 0 << b << none << b
        << QStringList {a};
    QTest::newRow("serial read fails 10 times")
        << QStringList {a} << QString() << none << Fault::SerialFails10 << -1 << QString() << none
        << QString() << QStringList {a};
    QTest::newRow("serial read fails 9 times, the 10th works")
        << QStringList {a} << QString() << none << Fault::SerialFails9 << 0 << a << none << a
        << none;
    QTest::newRow("other product id skipped without opening")
        << QStringList {a, b} << QString() << none << Fault::OtherProduct << 0 << b << none << b
        << none;
    QTest::newRow("open fails, next tried") << QStringList {a, b} << QString() << none
                                            << Fault::OpenFails << 0 << b << none << b << none;
    QTest::newRow("claim fails, closed, next tried")
        << QStringList {a, b} << QString() << none << Fault::ClaimFails << 0 << b << none << b
        << QStringList {a};
    QTest::newRow("set configuration fails, closed, next tried")
        << QStringList {a, b} << QString() << none << Fault::SetConfigurationFails << 0 << b << none
        << b << QStringList {a};
}

void tst_Device::discovery()
{
    QFETCH(QStringList, controllers);
    QFETCH(QString, adopted);
    QFETCH(QStringList, unplugged);
    QFETCH(Fault, faultOfFirst);
    QFETCH(int, result);
    QFETCH(QString, serialAfter);
    QFETCH(QStringList, otherSerials);
    QFETCH(QString, openOn);
    QFETCH(QStringList, triedAndClosed);

    Rig rig;
    for (const QString &serial : controllers)
        rig.bus.addController(serial);
    for (const QString &serial : unplugged)
        rig.bus.unplug(*rig.bus.controller(serial));
    if (!controllers.isEmpty()) {
        SimulatedController &first = *rig.bus.controllers().first();
        switch (faultOfFirst) {
        case Fault::None:
            break;
        case Fault::WrongIdentity:
            first.faults.identityReply = 0x91;
            break;
        case Fault::NoIdentity:
            first.failRequest(REQ_PING, -1);
            break;
        case Fault::SerialFails10:
            first.faults.failDescriptorReads = 10;
            break;
        case Fault::SerialFails9:
            first.faults.failDescriptorReads = 9;
            break;
        case Fault::OtherProduct:
            first.productId = 0x0783;
            break;
        case Fault::OpenFails:
            first.faults.openFails = true;
            break;
        case Fault::ClaimFails:
            first.faults.claimFails = true;
            break;
        case Fault::SetConfigurationFails:
            first.faults.setConfigurationFails = true;
            break;
        }
    }
    rig.kelvo.otherSerials = QStringList {QStringLiteral("stale entry")};
    rig.usb().serialNumber = adopted;

    QCOMPARE(rig.usb().findDevice(), result);
    QCOMPARE(rig.usb().serialNumber, serialAfter);
    QCOMPARE(rig.kelvo.otherSerials, otherSerials);
    QCOMPARE(rig.usb().isOpen(), !openOn.isEmpty());
    QCOMPARE(rig.bus.openHandles(), openOn.isEmpty() ? 0 : 1);
    for (const QString &serial : controllers) {
        const bool expectedOpen = serial == openOn;
        QCOMPARE(rig.openOn(serial), expectedOpen ? 1 : 0);
        const bool tried = expectedOpen || triedAndClosed.contains(serial);
        QVERIFY2((rig.opened(serial) > 0) == tried, qPrintable(serial + "\n" + rig.log().dump()));
    }
    if (faultOfFirst == Fault::SerialFails10)
        QCOMPARE(rig.log().count(Kind::GetDescriptor), 10);
    // A device refused before it was claimed is only closed; later refusals release it first.
    const bool claimed
        = faultOfFirst != Fault::ClaimFails && faultOfFirst != Fault::SetConfigurationFails;
    for (const QString &serial : triedAndClosed) {
        const QList<Transaction> releases = rig.log().filtered([&](const Transaction &t) {
            return t.kind == Kind::ReleaseInterface && t.device == serial;
        });
        QCOMPARE(releases.size(), (claimed || serial != controllers.first()) ? 1 : 0);
    }
}

void tst_Device::discoveryTellsBusyControllers_data()
{
    QTest::addColumn<Hold>("hold");
    QTest::addColumn<bool>("named"); // the system names the holder
    QTest::addColumn<bool>("freeToo"); // a second controller nobody holds
    QTest::addColumn<bool>("busy");
    QTest::addColumn<Kind>("refusedAt");
    QTest::addColumn<int>("error");

    QTest::newRow("claimed elsewhere, holder named")
        << Hold::ClaimedElsewhere << true << false << true << Kind::SetConfiguration
        << int(UsbBackend::ErrorBusy);
    QTest::newRow("claimed elsewhere, holder not told")
        << Hold::ClaimedElsewhere << false << false << true << Kind::SetConfiguration
        << int(UsbBackend::ErrorBusy);
    QTest::newRow("claim refused as busy") << Hold::ClaimRefused << false << false << true
                                           << Kind::ClaimInterface << int(UsbBackend::ErrorBusy);
    QTest::newRow("opened exclusively elsewhere")
        << Hold::OpenedExclusively << true << false << true << Kind::Open
        << int(UsbBackend::ErrorBusy);
    QTest::newRow("claimed by another controller object")
        << Hold::AnotherHandle << false << false << true << Kind::SetConfiguration
        << int(UsbBackend::ErrorBusy);
    QTest::newRow("held one skipped, free one connected")
        << Hold::ClaimedElsewhere << true << true << true << Kind::SetConfiguration
        << int(UsbBackend::ErrorBusy);
    QTest::newRow("no permission is not busy") << Hold::NoPermission << true << false << false
                                               << Kind::Open << int(UsbBackend::ErrorAccess);
    QTest::newRow("configuration error is not busy")
        << Hold::ConfigurationFails << true << false << false << Kind::SetConfiguration
        << int(UsbBackend::ErrorIo);
}

void tst_Device::discoveryTellsBusyControllers()
{
    QFETCH(Hold, hold);
    QFETCH(bool, named);
    QFETCH(bool, freeToo);
    QFETCH(bool, busy);
    QFETCH(Kind, refusedAt);
    QFETCH(int, error);

    const QString a = QStringLiteral("KLV00000001");
    const QString b = QStringLiteral("KLV00000002");
    Rig rig;
    SimulatedController &held = rig.bus.addController(a);
    if (freeToo)
        rig.bus.addController(b);
    const DeviceHolder holder {4242, QStringLiteral("kelvodesk")};
    if (named)
        held.faults.heldBy = holder;
    QStringList othersOfTheOther;
    t_threadUsbDevice other(othersOfTheOther);
    switch (hold) {
    case Hold::ClaimedElsewhere:
        held.faults.claimedElsewhere = true;
        break;
    case Hold::ClaimRefused:
        held.faults.claimFails = true;
        break;
    case Hold::OpenedExclusively:
        held.faults.openFails = true;
        held.faults.openError = UsbBackend::ErrorBusy;
        break;
    case Hold::AnotherHandle:
        other.setIds(KELVO_VENDOR_ID, KELVO_PRODUCT_ID);
        other.setBackend(&rig.bus);
        QCOMPARE(other.findDevice(), 0);
        break;
    case Hold::NoPermission:
        held.faults.openFails = true;
        break;
    case Hold::ConfigurationFails:
        held.faults.setConfigurationFails = true;
        break;
    }

    QCOMPARE(rig.usb().findDevice(), freeToo ? 0 : -1);
    QCOMPARE(rig.usb().isOpen(), freeToo);
    QCOMPARE(rig.usb().serialNumber, freeToo ? b : QString());
    QCOMPARE(rig.usb().busyControllers.size(), busy ? 1 : 0);
    if (busy) {
        const t_threadUsbDevice::BusyController &found = rig.usb().busyControllers.first();
        QCOMPARE(found.port, QStringLiteral("1-1"));
        QCOMPARE(found.location, a); // as the simulated bus describes it
        QCOMPARE(found.holder, named ? holder : DeviceHolder());
    }
    // The step that was refused, with the system's reason in the log; nothing after it.
    const QList<Transaction> ofHeld
        = rig.log().filtered([&](const Transaction &t) { return t.device == a; });
    QVERIFY(!ofHeld.isEmpty());
    const qsizetype refused
        = ofHeld.last().kind == Kind::Close ? ofHeld.size() - 2 : ofHeld.size() - 1;
    QCOMPARE(ofHeld[refused].kind, refusedAt);
    QCOMPARE(ofHeld[refused].result, error);
    QCOMPARE(rig.bus.openHandles(), int(freeToo) + int(hold == Hold::AnotherHandle));
}

void tst_Device::deviceHolderIsTheProcessWithTheNodeOpen()
{
    QTemporaryDir dir;
    const QString held = dir.filePath(QStringLiteral("node"));
    const QString free = dir.filePath(QStringLiteral("other"));
    for (const QString &name : {held, free}) {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    // This process's own descriptors do not count: it is never "another program".
    QFile own(free);
    QVERIFY(own.open(QIODevice::ReadOnly));

    // A process that holds the file open as its standard input.
    QProcess holder;
    holder.setStandardInputFile(held);
    holder.start(QStringLiteral("sleep"), {QStringLiteral("600")});
    QVERIFY(holder.waitForStarted());
    const qint64 pid = holder.processId();

    const DeviceHolder found = DeviceHolder::of(held);
    const DeviceHolder none = DeviceHolder::of(free);
    holder.kill();
    holder.waitForFinished();

    QCOMPARE(found.pid, pid);
    QCOMPARE(found.program, QStringLiteral("sleep"));
    QVERIFY(found.known());
    QVERIFY(!none.known());
    QCOMPARE(none.program, QString());
    QVERIFY(!DeviceHolder::of(dir.filePath(QStringLiteral("missing"))).known());
}

void tst_Device::discoveryAsksForTheSerialAsTheDeviceExpects()
{
    Rig rig;
    SimulatedController &c = rig.bus.addController(QStringLiteral("KLV00000001"));
    c.iSerialNumber = 5; // the descriptor names the string, not the fixed 3
    QCOMPARE(rig.usb().findDevice(), 0);

    const QList<Transaction> entries = rig.log().entries();
    QList<Kind> kinds;
    for (const Transaction &t : entries)
        kinds << t.kind;
    QCOMPARE(kinds,
             (QList<Kind> {Kind::Init, Kind::Enumerate, Kind::Open, Kind::SetConfiguration,
                           Kind::ClaimInterface, Kind::Control, Kind::GetDescriptor}));
    QCOMPARE(entries[3].value, u16(1));
    QCOMPARE(entries[4].index, u16(0));
    const Transaction &ping = entries[5];
    QCOMPARE(ping.requestType, u8(0xC0));
    QCOMPARE(ping.request, u8(0xFF));
    QCOMPARE(ping.length, 1);
    QCOMPARE(ping.timeoutMs, 5000u);
    QCOMPARE(ping.data, bytes({0x90}));
    const Transaction &serial = entries[6];
    QCOMPARE(serial.value, u16(0x0305)); // string descriptor, index 5
    QCOMPARE(serial.index, u16(0)); // language id 0
    QCOMPARE(serial.length, 30);
    QCOMPARE(rig.usb().serialNumber, QStringLiteral("KLV00000001"));
}

void tst_Device::readSerialNumberUsesIndex3()
{
    Rig rig;
    SimulatedController &c = rig.bus.addController(QStringLiteral("KLVÄ0000001"));
    QCOMPARE(rig.usb().findDevice(), 0);
    QCOMPARE(rig.usb().serialNumber, QStringLiteral("KLVÄ0000001")); // UTF-16 little-endian
    rig.log().clear();
    QCOMPARE(rig.usb().readSerialNumber(), 0);
    QCOMPARE(rig.log().count(Kind::GetDescriptor), 1);
    QCOMPARE(rig.log().entries().first().value, u16(0x0303));
    QCOMPARE(rig.usb().serialNumber, QStringLiteral("KLVÄ0000001"));

    // The serial string moved away from index 3: ten attempts, then empty.
    c.iSerialNumber = 4;
    rig.log().clear();
    QCOMPARE(rig.usb().readSerialNumber(), -1);
    QCOMPARE(rig.log().count(Kind::GetDescriptor), 10);
    QVERIFY(rig.usb().serialNumber.isEmpty());
    QCOMPARE(rig.clock.elapsed.load(), 0); // no pause between the attempts
}

void tst_Device::serialDescriptorMustHoldASerial_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("adopted");

    const auto descriptor = [](int length, int type, const QString &text) {
        QByteArray d;
        d.append(char(length));
        d.append(char(type));
        for (QChar c : text) {
            d.append(char(c.unicode() & 0xFF));
            d.append(char(c.unicode() >> 8));
        }
        return d;
    };
    const QString serial = QStringLiteral("KLV00000042");
    QTest::newRow("valid") << descriptor(24, 3, serial) << true;
    QTest::newRow("valid, longer string") << descriptor(26, 3, serial + "X") << true;
    QTest::newRow("empty answer") << QByteArray("") << false;
    QTest::newRow("blank serial") << descriptor(2, 3, QString()) << false;
    QTest::newRow("five characters") << descriptor(12, 3, QStringLiteral("KLV12")) << false;
    QTest::newRow("not a string descriptor") << descriptor(24, 1, serial) << false;
    QTest::newRow("length byte shorter than the reply") << descriptor(22, 3, serial) << false;
    QTest::newRow("garbage") << QByteArray(30, char(0xA5)) << false;
}

void tst_Device::serialDescriptorMustHoldASerial()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, adopted);

    Rig rig;
    SimulatedController &c = rig.bus.addController(QStringLiteral("KLV00000042"));
    c.faults.serialDescriptorReply = reply;
    QCOMPARE(rig.usb().findDevice(), adopted ? 0 : -1);
    QCOMPARE(rig.usb().isOpen(), adopted);
    QCOMPARE(rig.usb().serialNumber, adopted ? QStringLiteral("KLV00000042") : QString());
    // A refused reply counts as a failed read: all ten attempts are made.
    QCOMPARE(rig.log().count(Kind::GetDescriptor), adopted ? 1 : 10);
}

void tst_Device::setBackendClosesTheOpenDevice()
{
    Rig rig;
    rig.bus.addController(QStringLiteral("KLV00000001"));
    QCOMPARE(rig.usb().findDevice(), 0);
    QCOMPARE(rig.bus.openHandles(), 1);

    SimulatedBus other;
    rig.kelvo.setUsbBackend(&other);
    QVERIFY(!rig.usb().isOpen());
    QCOMPARE(rig.bus.openHandles(), 0); // closed on the bus that opened it
    const QList<Transaction> last = rig.log().entries().mid(rig.log().entries().size() - 2);
    QCOMPARE(last[0].kind, Kind::ReleaseInterface);
    QCOMPARE(last[1].kind, Kind::Close);
    QCOMPARE(last[1].device, QStringLiteral("KLV00000001"));
}

void tst_Device::threadCannotBeStarted()
{
    // The link runs every transfer on the caller's thread; start() is not part of it.
    QVERIFY(!Startable<t_threadUsbDevice>);
    QVERIFY(Startable<QThread>); // the probe itself works
}

void tst_Device::statusReadNeedsExactlyTwoBytes_data()
{
    QTest::addColumn<int>("replyLength");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("two bytes") << 2 << true;
    QTest::newRow("one byte") << 1 << false;
    QTest::newRow("no byte") << 0 << false;
    QTest::newRow("three bytes") << 3 << false;
}

void tst_Device::statusReadNeedsExactlyTwoBytes()
{
    QFETCH(int, replyLength);
    QFETCH(bool, accepted);

    Rig rig;
    rig.connected().faults.statusReplyLength = replyLength;
    QCOMPARE(rig.kelvo.waitStatusClear(ST_BULK_BUSY, 1), accepted ? 0 : int(ST_BULK_BUSY));
    QCOMPARE(rig.linkErrorShown(), !accepted);
    QCOMPARE(rig.usb().isOpen(), accepted);
}

void tst_Device::findDeviceClosesAnOpenHandleWithoutRelease()
{
    Rig rig;
    rig.bus.addController(QStringLiteral("KLV00000001"));
    QCOMPARE(rig.usb().findDevice(), 0);
    rig.log().clear();
    QCOMPARE(rig.usb().findDevice(), 0);
    const QList<Transaction> entries = rig.log().entries();
    QCOMPARE(entries.first().kind, Kind::Close);
    QCOMPARE(rig.log().count(Kind::ReleaseInterface), 0);
    QCOMPARE(rig.bus.openHandles(), 1);
}

void tst_Device::closeDeviceReleasesAndCloses()
{
    Rig rig;
    rig.bus.addController(QStringLiteral("KLV00000001"));
    QCOMPARE(rig.usb().findDevice(), 0);
    rig.log().clear();
    rig.usb().closeDevice();
    QCOMPARE(rig.log().entries().size(), 2);
    QCOMPARE(rig.log().entries()[0].kind, Kind::ReleaseInterface);
    QCOMPARE(rig.log().entries()[0].index, u16(0));
    QCOMPARE(rig.log().entries()[1].kind, Kind::Close);
    QVERIFY(!rig.usb().isOpen());
    QCOMPARE(rig.usb().serialNumber, QStringLiteral("KLV00000001")); // survives closing
    rig.usb().closeDevice(); // closed already: nothing
    QCOMPARE(rig.log().entries().size(), 2);
}

void tst_Device::destructorClosesWithoutSendingRequests()
{
    VirtualClock clock;
    SimulatedBus bus;
    bus.addController(QStringLiteral("KLV00000001"));
    LoggingBackend logged(&bus);
    {
        kelvo_controller_class kelvo;
        kelvo.setUsbBackend(&logged);
        kelvo.setConnection(true);
        QVERIFY(kelvo.connected);
        logged.log().clear();
    }
    QCOMPARE(logged.log().countTransfers(), 0);
    QCOMPARE(logged.log().count(Kind::ReleaseInterface), 1);
    QCOMPARE(logged.log().count(Kind::Close), 1);
    QCOMPARE(bus.openHandles(), 0);
}

void tst_Device::wrapperRefusals_data()
{
    QTest::addColumn<QString>("wrapper");
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("nullBuffer");
    QTest::addColumn<int>("length");

    QTest::newRow("controlOut with 9 data bytes") << "controlOut" << true << false << 9;
    QTest::newRow("controlIn length 0") << "controlIn" << true << false << 0;
    QTest::newRow("controlIn length 9") << "controlIn" << true << false << 9;
    QTest::newRow("controlIn null buffer") << "controlIn" << true << true << 2;
    QTest::newRow("bulkWrite null data") << "bulkWrite" << true << true << 260;
    QTest::newRow("bulkWrite length 0") << "bulkWrite" << true << false << 0;
    QTest::newRow("bulkWrite negative length") << "bulkWrite" << true << false << -1;
    QTest::newRow("bulkRead null buffer") << "bulkRead" << true << true << 260;
    QTest::newRow("bulkRead length 0") << "bulkRead" << true << false << 0;
    QTest::newRow("controlOut, nothing open") << "controlOut" << false << false << 2;
    QTest::newRow("controlOut without data, nothing open") << "controlOut" << false << true << 0;
    QTest::newRow("controlIn, nothing open") << "controlIn" << false << false << 2;
    QTest::newRow("bulkWrite, nothing open") << "bulkWrite" << false << false << 260;
    QTest::newRow("bulkRead, nothing open") << "bulkRead" << false << false << 260;
}

void tst_Device::wrapperRefusals()
{
    QFETCH(QString, wrapper);
    QFETCH(bool, open);
    QFETCH(bool, nullBuffer);
    QFETCH(int, length);

    Rig rig;
    rig.bus.addController(QStringLiteral("KLV00000001"));
    if (open)
        QCOMPARE(rig.usb().findDevice(), 0);
    rig.log().clear();

    u8 buffer[300] = {};
    u8 *data = nullBuffer ? nullptr : buffer;
    int result = 0;
    if (wrapper == "controlOut")
        result = rig.usb().controlOut(REQ_WRITE_SN, 0, 0, data, length);
    else if (wrapper == "controlIn")
        result = rig.usb().controlIn(REQ_STATUS, 0, 0, data, length);
    else if (wrapper == "bulkWrite")
        result = rig.usb().bulkWrite(data, length);
    else
        result = rig.usb().bulkRead(data, length);
    QCOMPARE(result, -1);
    QCOMPARE(rig.log().entries().size(), 0);
}

void tst_Device::wrapperArguments_data()
{
    QTest::addColumn<QString>("wrapper");
    QTest::addColumn<int>("request");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("nullData");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("requestType"); // or the endpoint for bulk
    QTest::addColumn<int>("sentRequest");
    QTest::addColumn<int>("sentValue");
    QTest::addColumn<int>("sentIndex");
    QTest::addColumn<int>("sentLength");

    QTest::newRow("controlOut with data and length 0: no data stage")
        << "controlOut" << int(REQ_SET_MODE) << 2 << 0 << false << 0 << 0x40 << 0x04 << 2 << 0 << 0;
    QTest::newRow("controlOut with null data and length 5: no data stage")
        << "controlOut" << int(REQ_SET_MODE) << 2 << 0 << true << 5 << 0x40 << 0x04 << 2 << 0 << 0;
    QTest::newRow("controlOut with 8 data bytes")
        << "controlOut" << int(REQ_WRITE_SN) << 0 << 0 << false << 8 << 0x40 << 0x0E << 0 << 0 << 8;
    QTest::newRow("request, value and index taken modulo")
        << "controlOut" << 0x104 << 0x10002 << 0x10000 << true << 0 << 0x40 << 0x04 << 2 << 0 << 0;
    QTest::newRow("controlIn 2 bytes")
        << "controlIn" << int(REQ_STATUS) << 0 << 0 << false << 2 << 0xC0 << 0x02 << 0 << 0 << 2;
    QTest::newRow("controlIn 8 bytes")
        << "controlIn" << int(REQ_VERSION) << 0 << 0 << false << 8 << 0xC0 << 0x03 << 0 << 0 << 8;
    QTest::newRow("bulkWrite to endpoint 0x02")
        << "bulkWrite" << 0 << 0 << 0 << false << 260 << 0x02 << 0 << 0 << 0 << 260;
    QTest::newRow("bulkRead from endpoint 0x81")
        << "bulkRead" << 0 << 0 << 0 << false << 260 << 0x81 << 0 << 0 << 0 << 260;
}

void tst_Device::wrapperArguments()
{
    QFETCH(QString, wrapper);
    QFETCH(int, request);
    QFETCH(int, value);
    QFETCH(int, index);
    QFETCH(bool, nullData);
    QFETCH(int, length);
    QFETCH(int, requestType);
    QFETCH(int, sentRequest);
    QFETCH(int, sentValue);
    QFETCH(int, sentIndex);
    QFETCH(int, sentLength);

    Rig rig;
    rig.bus.addController(QStringLiteral("KLV00000001"));
    QCOMPARE(rig.usb().findDevice(), 0);
    rig.log().clear();

    u8 buffer[300] = {'K', 'L', 'V', '0', '0', '0', '0', '9'};
    u8 *data = nullData ? nullptr : buffer;
    if (wrapper == "controlOut")
        rig.usb().controlOut(request, value, index, data, length);
    else if (wrapper == "controlIn")
        rig.usb().controlIn(request, value, index, data, length);
    else if (wrapper == "bulkWrite")
        rig.usb().bulkWrite(data, length);
    else
        rig.usb().bulkRead(data, length);

    QCOMPARE(rig.log().entries().size(), 1);
    const Transaction t = rig.log().entries().first();
    QCOMPARE(t.timeoutMs, 5000u);
    QCOMPARE(t.length, sentLength);
    if (wrapper.startsWith("bulk")) {
        QCOMPARE(t.kind, Kind::Bulk);
        QCOMPARE(int(t.endpoint), requestType);
        return;
    }
    QCOMPARE(t.kind, Kind::Control);
    QCOMPARE(int(t.requestType), requestType);
    QCOMPARE(int(t.request), sentRequest);
    QCOMPARE(int(t.value), sentValue);
    QCOMPARE(int(t.index), sentIndex);
    if (wrapper == "controlOut")
        QCOMPARE(int(t.data.size()), sentLength);
}

// --- Command set ---------------------------------------------------------------------------------

void tst_Device::pause100Sleeps100()
{
    Rig rig;
    rig.kelvo.pause100();
    QCOMPARE(rig.clock.elapsed.load(), 100);
    QCOMPARE(rig.clock.sleeps.load(), 1);
}

void tst_Device::waitStatus_data()
{
    QTest::addColumn<bool>("set"); // waitStatusSet, else waitStatusClear
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<int>>("words"); // status words the controller returns
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("reads");

    using L = QList<int>;
    QTest::newRow("clear: clear at once") << false << 0x2000 << 10 << L {0x1000} << 0 << 1;
    QTest::newRow("clear: clear on the third read")
        << false << 0x2000 << 10 << L {0x2000, 0x2000, 0x0000} << 0 << 3;
    QTest::newRow("clear: never clear, 10 reads")
        << false << 0x2000 << 10 << L(10, 0x3000) << 0x2000 << 10;
    QTest::newRow("clear: normal-mode mask, one read")
        << false << 0x08E0 << 1 << L {0x0040} << 0x0040 << 1;
    QTest::newRow("set: set at once") << true << 0x1000 << 10 << L {0x1000} << 0x1000 << 1;
    QTest::newRow("set: all bits needed")
        << true << 0xC000 << 3 << L {0x4000, 0x8000, 0xC000} << 0xC000 << 3;
    QTest::newRow("set: never, 10 reads, last masked value")
        << true << 0x1000 << 10 << L(10, 0x2000) << 0 << 10;
    QTest::newRow("set: one read, partial") << true << 0xC000 << 1 << L {0x4000} << 0x4000 << 1;
}

void tst_Device::waitStatus()
{
    QFETCH(bool, set);
    QFETCH(int, mask);
    QFETCH(int, n);
    QFETCH(QList<int>, words);
    QFETCH(int, result);
    QFETCH(int, reads);

    Rig rig;
    SimulatedController &c = rig.connected();
    for (int w : words)
        c.faults.statusScript << u16(w);

    const int got
        = set ? rig.kelvo.waitStatusSet(u16(mask), n) : rig.kelvo.waitStatusClear(u16(mask), n);
    QCOMPARE(got, result);
    QCOMPARE(rig.log().countRequest(REQ_STATUS), reads);
    QCOMPARE(rig.log().countTransfers(), reads);
    const bool satisfied = set ? (got == mask) : (got == 0);
    // A pause after every read that did not satisfy the wait, also after the last.
    QCOMPARE(rig.clock.elapsed.load(), qint64(100 * (satisfied ? reads - 1 : reads)));
    QVERIFY(rig.prompts.shown.isEmpty());
}

void tst_Device::waitStatusFailedReadIsLinkError_data()
{
    QTest::addColumn<bool>("set");
    QTest::addColumn<int>("result");
    QTest::newRow("waitStatusClear returns the mask") << false << 0x2000;
    QTest::newRow("waitStatusSet returns 0") << true << 0;
}

void tst_Device::waitStatusFailedReadIsLinkError()
{
    QFETCH(bool, set);
    QFETCH(int, result);
    Rig rig;
    SimulatedController &c = rig.connected();
    c.failRequest(REQ_STATUS, 1);
    const int got
        = set ? rig.kelvo.waitStatusSet(0x2000, 10) : rig.kelvo.waitStatusClear(0x2000, 10);
    QCOMPARE(got, result);
    QCOMPARE(rig.log().countRequest(REQ_STATUS), 1);
    QVERIFY(rig.linkErrorShown());
    QCOMPARE(rig.prompts.shown.size(), 1);
    QVERIFY(!rig.usb().isOpen());
    QCOMPARE(rig.clock.elapsed.load(), 0);
}

void tst_Device::waitDoneGivesUpAfter51Reads()
{
    Rig rig;
    rig.connected(); // an idle controller never sets ST_U_DONE
    QSignalSpy status(&rig.kelvo, &kelvo_controller_class::setConnectionStatus);
    QCOMPARE(rig.kelvo.waitDone(), -1);
    QCOMPARE(rig.log().countRequest(REQ_STATUS), 51);
    QCOMPARE(rig.clock.elapsed.load(), 5100);
    QCOMPARE(rig.clock.sleeps.load(), 51);
    QCOMPARE(rig.prompts.shown.size(), 1);
    QVERIFY(rig.linkErrorShown());
    QCOMPARE(rig.debug.lines.count("Brak ST_U_DONE !"), 1);
    QVERIFY(!rig.usb().isOpen());
    QCOMPARE(rig.kelvo.connected, 0);
    QCOMPARE(status.size(), 1);
    QCOMPARE(status.first().first().toBool(), false);
}

void tst_Device::waitDoneReadsBothBitsAgain()
{
    Rig rig;
    SimulatedController &c = rig.connected();
    c.faults.statusScript = {0xC000, 0xC000, 0xD000, 0x4000};
    QCOMPARE(rig.kelvo.waitDone(), 0);
    QCOMPARE(rig.log().countRequest(REQ_STATUS), 4);
    QCOMPARE(rig.clock.elapsed.load(),
             100); // the both-bits words satisfy the mask: no pause after them
    QVERIFY(rig.prompts.shown.isEmpty());
    QVERIFY(!rig.debug.lines.contains("Brak ST_U_DONE !"));
    QVERIFY(rig.usb().isOpen());
}

void tst_Device::waitDoneFailsOnError()
{
    Rig rig;
    SimulatedController &c = rig.connected();
    c.faults.statusScript = {0x0000, 0x8000};
    QCOMPARE(rig.kelvo.waitDone(), -1);
    QCOMPARE(rig.log().countRequest(REQ_STATUS), 2);
    QVERIFY(rig.linkErrorShown());
    QCOMPARE(rig.debug.lines.count("Brak ST_U_DONE !"), 1);
}

void tst_Device::waitDoneStopsWhenTheLinkBreaks()
{
    // A failed read has already shown the link error and closed
    // the device, so waitDone stops instead of showing the same box for each remaining read.
    Rig rig;
    SimulatedController &c = rig.connected();
    c.faults.unplugAfterTransfers = 3;
    QCOMPARE(rig.kelvo.waitDone(), -1);
    QCOMPARE(rig.prompts.shown.size(), 1);
    QVERIFY(rig.linkErrorShown());
    QCOMPARE(rig.log().countRequest(REQ_STATUS), 4);
    QCOMPARE(rig.debug.lines.count("Brak ST_U_DONE !"), 1);
    QCOMPARE(rig.kelvo.connected, 0);
}

void tst_Device::linkErrorDisconnects()
{
    Rig rig;
    SimulatedController &c = rig.connected();
    rig.kelvo.requestedMode = 2;
    rig.kelvo.deviceMode = 4;
    QSignalSpy status(&rig.kelvo, &kelvo_controller_class::setConnectionStatus);
    rig.kelvo.linkError();

    QCOMPARE(rig.prompts.shown.size(), 1);
    QVERIFY(rig.linkErrorShown());
    const QList<Transaction> entries = rig.log().entries();
    QCOMPARE(entries.size(), 4);
    QCOMPARE(entries[0].kind, Kind::Control);
    QCOMPARE(entries[0].request, REQ_SET_MODE);
    QCOMPARE(entries[0].value, u16(1));
    QCOMPARE(entries[1].kind, Kind::ReleaseInterface);
    QCOMPARE(entries[2].kind, Kind::Close);
    QCOMPARE(entries[3].kind, Kind::Init);
    QCOMPARE(rig.kelvo.connected, 0);
    QCOMPARE(rig.kelvo.requestedMode, 0);
    QCOMPARE(rig.kelvo.deviceMode, 0);
    QVERIFY(!rig.usb().isOpen());
    QCOMPARE(status.size(), 1);
    QCOMPARE(status.first().first().toBool(), false);
    QCOMPARE(c.mode(), MODE_NORMAL);
}

void tst_Device::setDeviceModeRefusesOutOfRange_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("mode 0") << 0;
    QTest::newRow("mode 5") << 5;
    QTest::newRow("mode -1") << -1;
}

void tst_Device::setDeviceModeRefusesOutOfRange()
{
    QFETCH(int, mode);
    Rig rig;
    rig.connected();
    rig.kelvo.deviceMode = 4;
    QCOMPARE(rig.kelvo.setDeviceMode(mode), 0);
    QCOMPARE(rig.kelvo.deviceMode, 0);
    QCOMPARE(rig.log().entries().size(), 0);
}

void tst_Device::setDeviceModeConfirms_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("elapsed");
    QTest::newRow("normal: bits 0x08E0 clear") << 1 << 0;
    QTest::newRow("configuration: ST_MODE_CONF") << 2 << 0;
    QTest::newRow("live: ST_MODE_LIVE") << 4 << 0;
}

void tst_Device::setDeviceModeConfirms()
{
    QFETCH(int, mode);
    QFETCH(int, elapsed);
    Rig rig;
    SimulatedController &c = rig.connected();
    QCOMPARE(rig.kelvo.setDeviceMode(mode), mode);
    QCOMPARE(rig.kelvo.deviceMode, mode);
    QCOMPARE(c.mode(), mode);
    const QList<Transaction> sent = rig.log().transfers();
    QCOMPARE(sent.size(), 2);
    QCOMPARE(sent[0].request, REQ_SET_MODE);
    QCOMPARE(int(sent[0].value), mode);
    QCOMPARE(sent[1].request, REQ_STATUS);
    QCOMPARE(rig.clock.elapsed.load(), elapsed);
    QVERIFY(rig.prompts.shown.isEmpty());
}

void tst_Device::setDeviceModeUnconfirmed_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("statusWord");
    QTest::newRow("normal, bit 0x0080 stays") << 1 << 0x0080;
    QTest::newRow("configuration, bit missing") << 2 << 0x0000;
    QTest::newRow("live, bit missing") << 4 << 0x0020;
}

void tst_Device::setDeviceModeUnconfirmed()
{
    QFETCH(int, mode);
    QFETCH(int, statusWord);
    Rig rig;
    SimulatedController &c = rig.connected();
    c.faults.statusScript = {u16(statusWord)};
    QCOMPARE(rig.kelvo.setDeviceMode(mode), 0);
    QCOMPARE(rig.kelvo.deviceMode, 0);
    QCOMPARE(rig.log().countRequest(REQ_STATUS), 1);
    QVERIFY(rig.linkErrorShown());
    QCOMPARE(rig.kelvo.connected, 0);
}

void tst_Device::setDeviceModeFailedRequest()
{
    Rig rig;
    SimulatedController &c = rig.connected();
    c.failRequest(REQ_SET_MODE, 1);
    QCOMPARE(rig.kelvo.setDeviceMode(MODE_CONF), 0);
    QCOMPARE(rig.kelvo.deviceMode, 0);
    QCOMPARE(rig.log().countRequest(REQ_STATUS), 0); // no confirmation read
    QCOMPARE(rig.prompts.shown.size(), 1);
    QVERIFY(rig.linkErrorShown());
}

void tst_Device::loaderModeReconnects_data()
{
    QTest::addColumn<bool>("requestFails");
    QTest::addColumn<int>("enumerations"); // before the loader shows up
    QTest::addColumn<int>("passes");
    QTest::newRow("request acknowledged, back at once") << false << 1 << 1;
    QTest::newRow("request fails, back at once: no link error") << true << 1 << 1;
    QTest::newRow("back on the third enumeration") << false << 3 << 3;
}

void tst_Device::loaderModeReconnects()
{
    QFETCH(bool, requestFails);
    QFETCH(int, enumerations);
    QFETCH(int, passes);
    Rig rig;
    SimulatedController &c = rig.connected();
    c.reappearAfterEnumerations = enumerations;
    if (requestFails)
        c.failRequest(REQ_SET_MODE, 1, true, UsbBackend::ErrorNoDevice);
    QSignalSpy status(&rig.kelvo, &kelvo_controller_class::setConnectionStatus);

    QCOMPARE(rig.kelvo.setDeviceMode(MODE_LOADER), 0);
    QCOMPARE(rig.kelvo.deviceMode, 0);
    QVERIFY2(rig.prompts.shown.isEmpty(), qPrintable(rig.log().dump()));
    QCOMPARE(rig.debug.lines.last(), QStringLiteral("licznik podlaczania : %1").arg(passes));
    QCOMPARE(c.mode(), MODE_LOADER);
    QVERIFY(rig.usb().isOpen());
    QCOMPARE(rig.kelvo.connected, 1);
    QCOMPARE(rig.log().count(Kind::Enumerate), enumerations);
    QCOMPARE(rig.clock.elapsed.load(), 100 + 100 * passes);
    // The first request asks for mode 3, the disconnect then asks for normal mode.
    const QList<Transaction> modes = rig.log().requests(REQ_SET_MODE);
    QCOMPARE(modes.size(), 2);
    QCOMPARE(modes[0].value, u16(3));
    QCOMPARE(modes[1].value, u16(1));
    QCOMPARE(status.size(), 1 + passes); // the disconnect, then each connect attempt
    QCOMPARE(status.last().first().toBool(), true);
}

void tst_Device::loaderModeNeverComesBack()
{
    Rig rig;
    SimulatedController &c = rig.connected();
    c.reappearAfterEnumerations = 1000;
    QCOMPARE(rig.kelvo.setDeviceMode(MODE_LOADER), 0);
    QCOMPARE(rig.debug.lines.count("licznik podlaczania : 100"), 1);
    QCOMPARE(rig.log().count(Kind::Enumerate), 100);
    QCOMPARE(rig.clock.elapsed.load(), 100 + 100 * 100);
    QCOMPARE(rig.prompts.shown.size(), 1);
    QVERIFY(rig.linkErrorShown());
    QCOMPARE(rig.kelvo.connected, 0);
}

void tst_Device::chMode_data()
{
    QTest::addColumn<int>("deviceModeBefore");
    QTest::addColumn<int>("t");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<int>("modeRequests");
    QTest::addColumn<int>("requestedAfter");
    QTest::addColumn<int>("deviceModeAfter");

    QTest::newRow("live while already live sends nothing") << 4 << 2 << false << 0 << 2 << 4;
    QTest::newRow("normal while already normal sends nothing") << 1 << 1 << false << 0 << 1 << 1;
    QTest::newRow("live from normal") << 1 << 2 << false << 1 << 2 << 4;
    QTest::newRow("normal from live") << 4 << 1 << false << 1 << 1 << 1;
    QTest::newRow("live, not confirmed") << 1 << 2 << true << 1 << 0 << 0;
    QTest::newRow("normal, not confirmed") << 0 << 1 << true << 1 << 0 << 0;
    QTest::newRow("other values are only stored") << 2 << 7 << false << 0 << 7 << 2;
    QTest::newRow("zero is only stored") << 4 << 0 << false << 0 << 0 << 4;
}

void tst_Device::chMode()
{
    QFETCH(int, deviceModeBefore);
    QFETCH(int, t);
    QFETCH(bool, fails);
    QFETCH(int, modeRequests);
    QFETCH(int, requestedAfter);
    QFETCH(int, deviceModeAfter);
    Rig rig;
    SimulatedController &c = rig.connected();
    rig.kelvo.deviceMode = deviceModeBefore;
    if (fails)
        c.faults.statusScript = {0x0080}; // confirms neither normal nor live mode
    rig.kelvo.ch_mode(t);
    QCOMPARE(rig.log().countRequest(REQ_SET_MODE), modeRequests + (fails ? 1 : 0));
    QCOMPARE(rig.kelvo.requestedMode, requestedAfter);
    QCOMPARE(rig.kelvo.deviceMode, deviceModeAfter);
    QCOMPARE(rig.linkErrorShown(), fails);
}

void tst_Device::isLoaderMode_data()
{
    QTest::addColumn<bool>("loader");
    QTest::addColumn<int>("reads");
    QTest::newRow("normal firmware: five reads") << false << 5;
    QTest::newRow("loader: one read") << true << 1;
}

void tst_Device::isLoaderMode()
{
    QFETCH(bool, loader);
    QFETCH(int, reads);
    Rig rig;
    SimulatedController &c = rig.connected();
    if (loader) {
        QCOMPARE(rig.kelvo.enterLoaderMode(), 0);
        rig.log().clear();
        rig.clock.elapsed = 0;
    }
    QCOMPARE(c.mode() == MODE_LOADER, loader);
    QCOMPARE(rig.kelvo.isLoaderMode(), loader);
    QCOMPARE(rig.log().countRequest(REQ_STATUS), reads);
    QCOMPARE(rig.clock.elapsed.load(), loader ? 0 : 500);
}

void tst_Device::enterLoaderMode()
{
    Rig rig;
    SimulatedController &c = rig.connected();
    QCOMPARE(rig.kelvo.enterLoaderMode(), 0);
    QCOMPARE(c.mode(), MODE_LOADER);
    QCOMPARE(rig.log().countRequest(REQ_SET_MODE), 2); // mode 3, then normal from the disconnect
    // one read before, one in the reconnect loop, one after
    QCOMPARE(rig.log().countRequest(REQ_STATUS), 3);
    QVERIFY(rig.prompts.shown.isEmpty());
    QCOMPARE(rig.kelvo.deviceMode, 0);
}

void tst_Device::enterLoaderModeWhenAlreadyThere()
{
    Rig rig;
    rig.connected();
    QCOMPARE(rig.kelvo.enterLoaderMode(), 0);
    rig.log().clear();
    QCOMPARE(rig.kelvo.enterLoaderMode(), 0);
    QCOMPARE(rig.log().countTransfers(), 1);
    QCOMPARE(rig.log().countRequest(REQ_STATUS), 1);
}

void tst_Device::sendResetNotConnected()
{
    Rig rig;
    QWidget window;
    rig.kelvo.dialogParent = &window;
    rig.bus.addController(QStringLiteral("KLV00000001"));
    rig.kelvo.sendReset();
    QCOMPARE(rig.prompts.shown.size(), 1);
    const ScriptedPrompts::Shown shown = rig.prompts.shown.first();
    QCOMPARE(shown.kind, PromptKind::Critical);
    QCOMPARE(shown.parent, &window);
    QCOMPARE(shown.title, QStringLiteral("USB Interface"));
    QCOMPARE(shown.text, QStringLiteral("Not connected !"));
    QCOMPARE(rig.log().entries().size(), 0);
}

void tst_Device::sendResetControllerResets()
{
    Rig rig;
    SimulatedController &c = rig.connected();
    QSignalSpy status(&rig.kelvo, &kelvo_controller_class::setConnectionStatus);
    rig.kelvo.sendReset();
    QCOMPARE(rig.log().countRequest(REQ_RESET), 1);
    const QList<Transaction> reads = rig.log().requests(REQ_STATUS);
    QCOMPARE(reads.size(), 1);
    QVERIFY(reads.first().result < 0);
    QVERIFY(rig.prompts.shown.isEmpty());
    QCOMPARE(c.resets(), 1);
    QCOMPARE(rig.kelvo.connected, 0);
    QVERIFY(!rig.usb().isOpen());
    QCOMPARE(status.size(), 1);
    QCOMPARE(rig.clock.elapsed.load(), 0);
}

void tst_Device::sendResetControllerNeverResets()
{
    Rig rig;
    QWidget window;
    rig.kelvo.dialogParent = &window;
    SimulatedController &c = rig.connected();
    c.faults.ignoreReset = true;
    rig.kelvo.sendReset();
    QCOMPARE(rig.log().countRequest(REQ_RESET), 10);
    QCOMPARE(rig.log().countRequest(REQ_STATUS), 10);
    QCOMPARE(rig.prompts.shown.size(), 1);
    const ScriptedPrompts::Shown shown = rig.prompts.shown.first();
    QCOMPARE(shown.kind, PromptKind::Warning);
    QCOMPARE(shown.parent, &window);
    QCOMPARE(shown.title, QStringLiteral("USB Interface"));
    QCOMPARE(shown.text, QStringLiteral("Control error !"));
    QCOMPARE(rig.kelvo.connected, 0);
    QVERIFY(!rig.usb().isOpen());
}

void tst_Device::sendSNSucceeds()
{
    Rig rig;
    SimulatedController &c = rig.connected(QStringLiteral("KLV00000001"));
    char sn[] = "12345678";
    QCOMPARE(rig.kelvo.sendSN(sn), 0);

    const QList<Transaction> writes = rig.log().requests(REQ_WRITE_SN);
    QCOMPARE(writes.size(), 1);
    QCOMPARE(writes.first().data, QByteArray("12345678"));
    QCOMPARE(writes.first().value, u16(0));
    QCOMPARE(writes.first().index, u16(0));
    QCOMPARE(writes.first().time, 100); // after one pause
    QCOMPARE(rig.log().countRequest(REQ_RESET), 1);
    QCOMPARE(rig.kelvo.connected, 0);
    QVERIFY(rig.prompts.shown.isEmpty());
    QCOMPARE(c.storedSerialNumber(), QStringLiteral("KLV12345678"));

    // The controller restarts with its new number; the old one is no longer on the bus.
    rig.usb().serialNumber.clear();
    rig.kelvo.setConnection(true);
    QCOMPARE(rig.usb().serialNumber, QStringLiteral("KLV12345678"));
}

void tst_Device::sendSNFails_data()
{
    QTest::addColumn<bool>("connected");
    QTest::addColumn<bool>("requestFails");
    QTest::addColumn<bool>("commandFails");
    QTest::addColumn<int>("writes");
    QTest::addColumn<bool>("linkError");

    QTest::newRow("not connected: nothing sent") << false << false << false << 0 << false;
    QTest::newRow("request fails 10 times: no message") << true << true << false << 10 << false;
    QTest::newRow("controller reports ST_U_ERR") << true << false << true << 1 << true;
}

void tst_Device::sendSNFails()
{
    QFETCH(bool, connected);
    QFETCH(bool, requestFails);
    QFETCH(bool, commandFails);
    QFETCH(int, writes);
    QFETCH(bool, linkError);
    Rig rig;
    SimulatedController *c = nullptr;
    if (connected) {
        c = &rig.connected();
        if (requestFails)
            c->failRequest(REQ_WRITE_SN, 10);
        if (commandFails)
            c->faults.errorOnRequest << REQ_WRITE_SN;
    } else {
        rig.bus.addController(QStringLiteral("KLV00000001"));
    }
    char sn[] = "87654321";
    QCOMPARE(rig.kelvo.sendSN(sn), -1);
    QCOMPARE(rig.log().countRequest(REQ_WRITE_SN), writes);
    QCOMPARE(rig.log().countRequest(REQ_RESET), 0);
    QCOMPARE(rig.linkErrorShown(), linkError);
    QCOMPARE(rig.prompts.shown.size(), linkError ? 1 : 0);
    QCOMPARE(rig.debug.lines.contains("Brak ST_U_DONE !"), linkError);
    if (requestFails)
        QCOMPARE(rig.clock.elapsed.load(), 1000);
}

void tst_Device::trapSlot()
{
    Rig rig;
    rig.kelvo.trapSlot(QModelIndex(), QModelIndex());
    QCOMPARE(rig.debug.lines, QStringList {QStringLiteral("was here ! :-)")});
}

// --- LibusbBackend -------------------------------------------------------------------------------

void tst_Device::libusbEnumeration()
{
    // libusb-1.0 must list exactly the devices the kernel lists in sysfs, in bus and address
    // order, and find a controller only where one is plugged in.
    struct SysfsDevice
    {
        QString name; // "bus B address A"
        bool isKelvo;
    };
    QList<QPair<int, int>> order;
    QMap<QPair<int, int>, SysfsDevice> sysfs;
    const QDir root(QStringLiteral("/sys/bus/usb/devices"));
    for (const QString &entry : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const auto read = [&](const char *file) {
            QFile f(root.filePath(entry + QLatin1Char('/') + QLatin1String(file)));
            return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()).trimmed()
                                               : QString();
        };
        if (read("idVendor").isEmpty())
            continue; // an interface, not a device
        const QPair<int, int> key(read("busnum").toInt(), read("devnum").toInt());
        sysfs.insert(key,
                     {QStringLiteral("bus %1 address %2").arg(key.first).arg(key.second),
                      read("idVendor") == QLatin1String("16c0")
                          && read("idProduct") == QLatin1String("0782")});
    }

    LibusbBackend backend;
    backend.init();
    const QList<UsbBackend::Device> devices = backend.enumerate();
    QStringList listed;
    for (const UsbBackend::Device &device : devices)
        listed << backend.describe(device.id);
    QStringList expected;
    bool kelvoPresent = false;
    if (backend.isAvailable()) {
        for (const SysfsDevice &device : sysfs) {
            expected << device.name;
            kelvoPresent |= device.isKelvo;
        }
    }
    qInfo("libusb-1.0 %s, %lld device(s)", backend.isAvailable() ? "available" : "not available",
          qlonglong(devices.size()));
    QCOMPARE(listed, expected);

    QStringList others;
    t_threadUsbDevice usb(others);
    usb.setIds(KELVO_VENDOR_ID, KELVO_PRODUCT_ID);
    usb.setBackend(&backend);
    QCOMPARE(usb.findDevice(), kelvoPresent ? 0 : -1);
    QCOMPARE(usb.isOpen(), kelvoPresent);
    usb.setBackend(nullptr); // closes on the backend that opened it
    QVERIFY(!usb.isOpen());
}

void tst_Device::libusbInvalidHandles()
{
    LibusbBackend backend;
    backend.enumerate();
    QVERIFY(backend.open(0).isNull());
    QVERIFY(backend.open(999999).isNull());
    const UsbHandle bogus(42);
    u8 buffer[8] = {};
    QVERIFY(backend.setConfiguration(bogus, 1) < 0);
    QVERIFY(backend.claimInterface(bogus, 0) < 0);
    QVERIFY(backend.releaseInterface(bogus, 0) < 0);
    QVERIFY(backend.getDescriptor(bogus, 3, 3, 0, buffer, 8) < 0);
    QVERIFY(backend.controlTransfer(bogus, 0xC0, 2, 0, 0, buffer, 2, 5000) < 0);
    QVERIFY(backend.bulkTransfer(bogus, 0x81, buffer, 8, 5000) < 0);
    backend.close(bogus);

    // The controller's default backend is libusb: a controller that never connects never
    // touches it, and destroying it is harmless.
    kelvo_controller_class kelvo;
    QCOMPARE(kelvo.connected, 0);
}

QTEST_MAIN(tst_Device)
#include "tst_device.moc"
