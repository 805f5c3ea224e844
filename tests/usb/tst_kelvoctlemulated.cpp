// kelvoctl as a process of its own on the real libusb-1.0, against simulated controllers that
// umockdev serves as USB devices from this process: what a script on a real bus would see.

#include "device/kelvoprotocol.h"
#include "device/libusbbackend.h"
#include "device/t_threadusbdevice.h"
#include "emulatedusbbus.h"
#include "model/configfile.h"
#include "model/configlayout.h"
#include "support/configfilefixtures.h"
#include "support/upgradefilemaker.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <functional>
#include <memory>
#include <mutex>

#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

using namespace ConfigLayout;

namespace {

const QString serialA = QStringLiteral("KLV0000000A");
const QString serialB = QStringLiteral("KLV0000000B");

struct Run
{
    int status = -1;
    QByteArray out;
    QString err;
};

// Watches a running kelvoctl: it and its standard error so far.
using Watch = std::function<void(QProcess &process, const QString &err)>;

void interrupt(QProcess &process)
{
    ::kill(pid_t(process.processId()), SIGINT);
}

} // namespace

class tst_KelvoctlEmulated : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void devicesListsTwo();
    void controllerHeldByThisProcess();
    void backupThenRestoreRoundTrips();
    void verifyConfigFindsOneChangedByte();
    void flashThenVerifyFirmware();
    void modeAfterEveryJob_data();
    void modeAfterEveryJob();
    void twoControllersWithOneSerial();
    void hostileSerialsStayInTheFolder();
    void ctrlCAtTheQuestionAnswersNo();
    void ctrlCDuringFlash_data();
    void ctrlCDuringFlash();

private:
    // kelvoctl with these arguments, while this process keeps the emulated bus in step with the
    // controllers (they leave and come back when they restart). `watch` sees it run; with a
    // `terminal`, that is its standard input and error.
    Run kelvoctl(const QStringList &args, const Watch &watch = {}, int terminal = -1);
    int mode(const SimulatedController &c) const;
    int bulkUrbs(u8 endpoint) const;
    QByteArray configuration(const SimulatedController &c) const;
    QString path(const char *name) const { return dir->filePath(QString::fromLatin1(name)); }

    std::unique_ptr<EmulatedUsbBus> bus;
    std::unique_ptr<QTemporaryDir> dir;
};

void tst_KelvoctlEmulated::initTestCase()
{
    if (!EmulatedUsbBus::preloaded())
        QSKIP("needs umockdev's preload library (run under umockdev-wrapper)");
}

void tst_KelvoctlEmulated::init()
{
    bus = std::make_unique<EmulatedUsbBus>();
    dir = std::make_unique<QTemporaryDir>();
}

void tst_KelvoctlEmulated::cleanup()
{
    bus.reset();
    dir.reset();
}

Run tst_KelvoctlEmulated::kelvoctl(const QStringList &args, const Watch &watch, int terminal)
{
    bus->sync();
    QProcess process;
    if (terminal >= 0) {
        process.setChildProcessModifier([terminal] {
            ::dup2(terminal, STDIN_FILENO);
            ::dup2(terminal, STDERR_FILENO);
        });
    }
    QString err;
    QTimer keepInStep;
    connect(&keepInStep, &QTimer::timeout, this, [&] {
        bus->sync();
        err += QString::fromUtf8(process.readAllStandardError());
        if (watch && process.state() == QProcess::Running)
            watch(process, err);
    });
    keepInStep.start(10);
    process.start(QStringLiteral(KELVOCTL_PATH), args);
    if (!process.waitForStarted())
        return {};
    QEventLoop loop;
    connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(240000, &loop, &QEventLoop::quit);
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    keepInStep.stop();
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    err += QString::fromUtf8(process.readAllStandardError());
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), err};
}

int tst_KelvoctlEmulated::mode(const SimulatedController &c) const
{
    std::lock_guard guard(bus->lock());
    return c.mode();
}

int tst_KelvoctlEmulated::bulkUrbs(u8 endpoint) const
{
    const QList<EmulatedUsbBus::Urb> urbs = bus->urbs();
    return int(std::count_if(urbs.cbegin(), urbs.cend(), [endpoint](const EmulatedUsbBus::Urb &u) {
        return u.type == EmulatedUsbBus::Urb::Type::Bulk && u.endpoint == endpoint;
    }));
}

QByteArray tst_KelvoctlEmulated::configuration(const SimulatedController &c) const
{
    std::lock_guard guard(bus->lock());
    return QByteArray(reinterpret_cast<const char *>(c.configuration.data()), ImageSize);
}

void tst_KelvoctlEmulated::devicesListsTwo()
{
    bus->addController(serialA);
    SimulatedController &b = bus->addController(serialB);
    {
        std::lock_guard guard(bus->lock());
        b.version = {1, 5, 'a'};
    }
    const Run run = kelvoctl({"devices", "--json"});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QString());
    const QJsonArray list = QJsonDocument::fromJson(run.out).array();
    QCOMPARE(list.size(), 2);
    QStringList serials;
    for (const QJsonValue &device : list) {
        const QJsonObject object = device.toObject();
        serials << object[QStringLiteral("serial")].toString();
        QCOMPARE(object[QStringLiteral("mode")].toString(), QStringLiteral("running"));
        // libusb says where each one is.
        QVERIFY2(object[QStringLiteral("location")].toString().startsWith(QLatin1String("bus ")),
                 qPrintable(object[QStringLiteral("location")].toString()));
    }
    serials.sort();
    QCOMPARE(serials, (QStringList {serialA, serialB}));
}

void tst_KelvoctlEmulated::controllerHeldByThisProcess()
{
    bus->addController(serialA);
    bus->sync();
    // This process claims it through the real library, as a window would.
    LibusbBackend library;
    QStringList others;
    t_threadUsbDevice window(others);
    window.setIds(KELVO_VENDOR_ID, KELVO_PRODUCT_ID);
    window.setBackend(&library);
    QCOMPARE(window.findDevice(), 0);

    // This process has the testbed's copy of the node open, not /dev/bus/usb/001/002 itself, so
    // kelvoctl finds no holder to name.
    const QString held = QStringLiteral("kelvoctl: the controller at port 1-1 is in use by another "
                                        "program (the system does not tell which)\n");
    Run run = kelvoctl({"devices"});
    QCOMPARE(run.status, 6);
    QCOMPARE(run.err, held);
    QCOMPARE(run.out,
             QByteArray("?  port 1-1 (bus 1 address 2)  in use by another program (the "
                        "system does not tell which)\n"));
    run = kelvoctl({"backup", "-o", path("box.cfgkv")});
    QCOMPARE(run.status, 6);
    QCOMPARE(run.err, held);
    QVERIFY(!QFile::exists(path("box.cfgkv")));

    window.closeDevice();
    run = kelvoctl({"backup", "-o", path("box.cfgkv")});
    QVERIFY2(run.status == 0, qPrintable(run.err));
}

void tst_KelvoctlEmulated::backupThenRestoreRoundTrips()
{
    SimulatedController &c = bus->addController(serialA);
    const QByteArray random = ConfigFileFixtures::randomBytes(21, ImageSize);
    {
        std::lock_guard guard(bus->lock());
        std::copy(random.cbegin(), random.cend(), c.configuration.begin());
    }
    Run run = kelvoctl({"backup", "-o", path("box.cfgkv")});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    {
        std::lock_guard guard(bus->lock());
        c.configuration.fill(0);
    }
    run = kelvoctl({"restore", path("box.cfgkv"), "--yes"});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QCOMPARE(configuration(c), random);
}

void tst_KelvoctlEmulated::verifyConfigFindsOneChangedByte()
{
    SimulatedController &c = bus->addController(serialA);
    QByteArray image = ConfigFileFixtures::randomBytes(22, ImageSize);
    {
        std::lock_guard guard(bus->lock());
        std::copy(image.cbegin(), image.cend(), c.configuration.begin());
    }
    image[levelOffset(0, 4, 9)] = char(image[levelOffset(0, 4, 9)] ^ 0x10);
    QVERIFY(ConfigFile::write(path("expected.cfgkv"), ConfigFileFixtures::bytes(image)));
    const Run run = kelvoctl({"verify-config", path("expected.cfgkv")});
    QCOMPARE(run.status, 1);
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines[0].startsWith("scene 5 channel 10: "), lines[0].constData());
}

void tst_KelvoctlEmulated::flashThenVerifyFirmware()
{
    SimulatedController &c = bus->addController(serialA);
    UpgradeFileMaker maker;
    maker.firmware = ConfigFileFixtures::randomBytes(23, 4096).repeated(16);
    maker.text = " v_1_00A";
    QVERIFY(ConfigFileFixtures::writeFile(path("new.upg"), maker.build()));

    Run run = kelvoctl({"flash", path("new.upg"), "--yes"});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    {
        std::lock_guard guard(bus->lock());
        QCOMPARE(
            QByteArray(reinterpret_cast<const char *>(c.firmware.data()), int(c.firmware.size())),
            maker.firmware);
    }
    run = kelvoctl({"verify-firmware", path("new.upg")});
    QVERIFY2(run.status == 0, qPrintable(run.err));
}

void tst_KelvoctlEmulated::modeAfterEveryJob_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("controllers");
    QTest::addColumn<int>("found"); // the mode another program left them in
    QTest::addColumn<int>("interruptAfter"); // Ctrl+C after this many bulk reads; -1 never
    QTest::addColumn<int>("status");

    QTest::newRow("backup, running")
        << QStringList {"backup", "-o", "out.cfgkv"} << 1 << MODE_NORMAL << -1 << 0;
    QTest::newRow("verify-config, live mode")
        << QStringList {"verify-config", "in.cfgkv"} << 1 << MODE_LIVE << -1 << 0;
    QTest::newRow("backup --all of two, running")
        << QStringList {"backup", "--all", "-o", "."} << 2 << MODE_NORMAL << -1 << 0;
    QTest::newRow("backup cancelled, running")
        << QStringList {"backup", "-o", "out.cfgkv"} << 1 << MODE_NORMAL << 10 << 130;
}

void tst_KelvoctlEmulated::modeAfterEveryJob()
{
    QFETCH(QStringList, args);
    QFETCH(int, controllers);
    QFETCH(int, found);
    QFETCH(int, interruptAfter);
    QFETCH(int, status);

    const QByteArray image = ConfigFileFixtures::randomBytes(24, ImageSize);
    QVERIFY(ConfigFile::write(path("in.cfgkv"), ConfigFileFixtures::bytes(image)));
    QList<SimulatedController *> added;
    for (int i = 0; i < controllers; ++i) {
        added << &bus->addController(i ? serialB : serialA);
        std::lock_guard guard(bus->lock());
        std::copy(image.cbegin(), image.cend(), added.last()->configuration.begin());
        added.last()->controlTransfer(REQTYPE_VENDOR_OUT, REQ_SET_MODE, u16(found), 0, nullptr, 0);
    }
    for (QString &arg : args) {
        if (arg.contains(QLatin1Char('.')))
            arg = dir->filePath(arg);
    }
    bool interrupted = false;
    const Run run = kelvoctl(args, [&](QProcess &process, const QString &) {
        if (interruptAfter >= 0 && !interrupted && bulkUrbs(EP_BULK_IN) >= interruptAfter) {
            interrupt(process);
            interrupted = true;
        }
    });
    QVERIFY2(run.status == status, qPrintable(run.err));
    for (const SimulatedController *c : added)
        QCOMPARE(mode(*c), found);
    if (status)
        QVERIFY(!QFile::exists(path("out.cfgkv")));
}

void tst_KelvoctlEmulated::twoControllersWithOneSerial()
{
    SimulatedController &first = bus->addController(serialA);
    SimulatedController &second = bus->addController(serialA);
    const QByteArray images[2] = {ConfigFileFixtures::randomBytes(25, ImageSize),
                                  ConfigFileFixtures::randomBytes(26, ImageSize)};
    {
        std::lock_guard guard(bus->lock());
        std::copy(images[0].cbegin(), images[0].cend(), first.configuration.begin());
        std::copy(images[1].cbegin(), images[1].cend(), second.configuration.begin());
    }
    Run run = kelvoctl({"devices", "--json"});
    QCOMPARE(run.status, 0);
    const QJsonArray list = QJsonDocument::fromJson(run.out).array();
    QCOMPARE(list.size(), 2);
    // Where libusb says each one is plugged in.
    QCOMPARE(list[0].toObject()[QStringLiteral("port")].toString(), QStringLiteral("1-1"));
    QCOMPARE(list[1].toObject()[QStringLiteral("port")].toString(), QStringLiteral("1-2"));

    run = kelvoctl({"backup", "--all", "-o", dir->path()});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    const QStringList names {"KLV0000000A_port_1-1.cfgkv", "KLV0000000A_port_1-2.cfgkv"};
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), names);
    for (int i = 0; i < 2; ++i) {
        QByteArray read(ImageSize, '\0');
        QVERIFY(ConfigFile::read(path(qPrintable(names[i])), reinterpret_cast<u8 *>(read.data())));
        QCOMPARE(read, images[i]);
    }

    run = kelvoctl({"verify-config", "--serial", serialA, path(qPrintable(names[1]))});
    QCOMPARE(run.status, 2);
    QCOMPARE(run.err,
             QStringLiteral("kelvoctl: 2 controllers have serial number KLV0000000A; "
                            "name one with --port (found: KLV0000000A at port 1-1, "
                            "KLV0000000A at port 1-2)\n"));
    run = kelvoctl({"verify-config", "--port", "1-2", path(qPrintable(names[1]))});
    QVERIFY2(run.status == 0, qPrintable(run.err));
}

void tst_KelvoctlEmulated::hostileSerialsStayInTheFolder()
{
    bus->addController(QStringLiteral("../../../ab"));
    bus->addController(QStringLiteral("/tmp/kevil2"));
    QFile::remove(QStringLiteral("/tmp/kevil2.cfgkv"));
    const QString folder = path("a/b/c/d");
    QVERIFY(QDir().mkpath(folder));
    const Run run = kelvoctl({"backup", "--all", "-o", folder});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QCOMPARE(QDir(folder).entryList(QDir::Files),
             (QStringList {"_________ab.cfgkv", "_tmp_kevil2.cfgkv"}));
    QCOMPARE(QDir(path("a")).entryList(QDir::Files), QStringList());
    QVERIFY(!QFile::exists(QStringLiteral("/tmp/kevil2.cfgkv")));
}

void tst_KelvoctlEmulated::ctrlCAtTheQuestionAnswersNo()
{
    SimulatedController &c = bus->addController(serialA);
    const QByteArray before = configuration(c);
    QVERIFY(ConfigFile::write(
        path("in.cfgkv"),
        ConfigFileFixtures::bytes(ConfigFileFixtures::randomBytes(27, ImageSize))));
    int master = -1;
    int terminal = -1;
    QCOMPARE(openpty(&master, &terminal, nullptr, nullptr, nullptr), 0);
    ::fcntl(master, F_SETFL, O_NONBLOCK);
    QByteArray shown; // what the terminal showed
    bool interrupted = false;
    const Run run = kelvoctl(
        {"restore", path("in.cfgkv")},
        [&](QProcess &process, const QString &) {
            char buffer[512];
            for (ssize_t n; (n = ::read(master, buffer, sizeof buffer)) > 0;)
                shown.append(buffer, int(n));
            if (!interrupted && shown.endsWith("[y/N] ")) {
                bus->clearUrbs();
                interrupt(process);
                interrupted = true;
            }
        },
        terminal);
    char buffer[512];
    for (ssize_t n; (n = ::read(master, buffer, sizeof buffer)) > 0;)
        shown.append(buffer, int(n));
    ::close(terminal);
    ::close(master);

    QVERIFY(interrupted);
    QCOMPARE(run.status, 130);
    QVERIFY2(shown.endsWith("[y/N] \r\nkelvoctl: nothing was changed\r\n"), shown.constData());
    // Not a request after the question: the configuration, the mode and the show as they were.
    for (const EmulatedUsbBus::Urb &urb : bus->urbs())
        QVERIFY2(urb.request == REQ_STATUS || urb.type != EmulatedUsbBus::Urb::Type::Control,
                 qPrintable(QString::number(urb.request)));
    QCOMPARE(bulkUrbs(EP_BULK_OUT), 0);
    QCOMPARE(configuration(c), before);
    QCOMPARE(mode(c), MODE_NORMAL);
}

void tst_KelvoctlEmulated::ctrlCDuringFlash_data()
{
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("last"); // the last line on standard error

    QTest::newRow("once") << 1
                          << "kelvoctl: installing the firmware of controller KLV0000000A "
                             "cancelled; it waits in its firmware loader: run 'kelvoctl flash "
                             "--serial KLV0000000A FILE.upg' to finish";
    QTest::newRow("twice") << 2
                           << "kelvoctl: stopped at once; controller KLV0000000A waits in its "
                              "firmware loader: run 'kelvoctl flash --serial KLV0000000A "
                              "FILE.upg' to finish";
}

void tst_KelvoctlEmulated::ctrlCDuringFlash()
{
    QFETCH(int, presses);
    QFETCH(QString, last);

    SimulatedController &c = bus->addController(serialA);
    UpgradeFileMaker maker;
    maker.firmware = ConfigFileFixtures::randomBytes(28, 4096).repeated(16);
    maker.text = " v_1_00A";
    QVERIFY(ConfigFileFixtures::writeFile(path("new.upg"), maker.build()));
    const QString notice = QStringLiteral(
        "kelvoctl: Ctrl+C: stopping after the current block; then controller KLV0000000A waits "
        "in its firmware loader: run 'kelvoctl flash --serial KLV0000000A FILE.upg' to finish; "
        "Ctrl+C again to stop at once\n");
    int pressed = 0;
    int blocksAtPress = -1;
    int blocksWhenTold = -1;
    const Run run
        = kelvoctl({"flash", path("new.upg"), "--yes"}, [&](QProcess &process, const QString &err) {
              const int blocks = bulkUrbs(EP_BULK_OUT);
              if (pressed == 0 && blocks >= 20) {
                  interrupt(process);
                  pressed = 1;
                  blocksAtPress = blocks;
              }
              if (blocksWhenTold < 0 && err.contains(notice))
                  blocksWhenTold = blocks;
              if (pressed == 1 && presses == 2 && blocksWhenTold >= 0) {
                  interrupt(process);
                  pressed = 2;
              }
          });
    QCOMPARE(run.status, 130);
    // Told at once, before what the job ended with. (How many blocks this side saw go by
    // before it read the notice depends on the scheduler, not on kelvoctl.)
    QVERIFY(blocksAtPress >= 20);
    QVERIFY2(run.err.contains(notice) && run.err.indexOf(notice) < run.err.indexOf(last),
             qPrintable(run.err));
    QVERIFY2(run.err.endsWith(last + QLatin1Char('\n')), qPrintable(run.err));
    QCOMPARE(mode(c), MODE_LOADER);
}

QTEST_GUILESS_MAIN(tst_KelvoctlEmulated)
#include "tst_kelvoctlemulated.moc"
