// kelvoctl's controller commands in-process against the simulated bus: what they do to the
// controllers and files, what they print, and the exit status, also when a controller leaves the
// bus after any transfer, when several are there, when one waits in its loader, and on Ctrl+C.

#include "common/version.h"
#include "controller/kelvo_controller_class.h"
#include "device/kelvoprotocol.h"
#include "kelvoctl/commandtable.h"
#include "kelvoctl/interrupt.h"
#include "model/configclear.h"
#include "model/configfile.h"
#include "model/configlayout.h"
#include "simulator/simulatedbus.h"
#include "support/configfilefixtures.h"
#include "support/upgradefilemaker.h"
#include "support/virtualclock.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

using namespace ConfigLayout;

namespace {

const QByteArray firmware = ConfigFileFixtures::randomBytes(41, 4096).repeated(16);

QByteArray upgradeFile(const QByteArray &versionText)
{
    UpgradeFileMaker maker;
    maker.firmware = firmware;
    maker.text = versionText;
    return maker.build();
}

QByteArray configurationOf(const SimulatedController &c)
{
    return QByteArray(reinterpret_cast<const char *>(c.configuration.data()), ImageSize);
}

void setConfiguration(SimulatedController &c, const QByteArray &image)
{
    std::copy(image.cbegin(), image.cend(), c.configuration.begin());
}

// Puts the controller in a mode as another program would have left it.
void setMode(SimulatedController &c, int mode)
{
    c.controlTransfer(REQTYPE_VENDOR_OUT, REQ_SET_MODE, u16(mode), 0, nullptr, 0);
    if (mode == MODE_LOADER) // it leaves the bus and comes back as its loader
        c.enumerated();
}

QByteArray fileImage(const QString &name)
{
    QByteArray image(ImageSize, '\0');
    if (!ConfigFile::read(name, reinterpret_cast<u8 *>(image.data())))
        return QByteArray();
    return image;
}

// Who holds the first controller on the bus.
enum class Holder {
    None,
    NamedProgram, // another program that the system names
    UnnamedProgram, // another program; the system does not tell which
    AnotherController, // another controller object of this process, on the same bus
};

} // namespace

Q_DECLARE_METATYPE(Holder)

class tst_KelvoctlControllers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void devicesLists_data();
    void devicesLists();
    void backupAndRestoreRoundTrip();
    void backupAll();
    void whichController_data();
    void whichController();
    void restoreAsks_data();
    void restoreAsks();
    void verifyConfig();
    void diffOfFiles();
    void flashAndVerifyFirmware();
    void olderReleaseNeedsAllowOlder();
    void cancelledFlashLeavesTheLoader();
    void cancelledBackupWritesNoFile();
    void unplugAfterEveryTransfer_data();
    void unplugAfterEveryTransfer();
    void progressOnlyOnATerminal();
    void jobsLeaveTheModeTheyFound_data();
    void jobsLeaveTheModeTheyFound();
    void twoControllersWithOneSerial();
    void hostileSerialsStayInTheFolder_data();
    void hostileSerialsStayInTheFolder();
    void statusTextAndJsonAgree_data();
    void statusTextAndJsonAgree();
    void echoedNamesAreEscaped_data();
    void echoedNamesAreEscaped();
    void failedReadSaysWhy();
    void ctrlCBeforeTheJobChangesNothing_data();
    void ctrlCBeforeTheJobChangesNothing();
    void ctrlCIsAcknowledged_data();
    void ctrlCIsAcknowledged();
    void ctrlCStopsBackupAllAfterTheCurrentController();
    void loaderIsAlwaysTold_data();
    void loaderIsAlwaysTold();
    void busyControllerIsTold_data();
    void busyControllerIsTold();

private:
    int kelvoctl(const QStringList &args);
    QString path(const char *name) const { return dir->filePath(QString::fromLatin1(name)); }
    void writeConfigFile(const QString &name, const QByteArray &image);

    std::unique_ptr<VirtualClock> clock;
    std::unique_ptr<SimulatedBus> bus;
    std::unique_ptr<BufferConsole> console;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<Interrupt> interrupt;
};

void tst_KelvoctlControllers::initTestCase()
{
    QCoreApplication::setApplicationName(QStringLiteral("kelvoctl"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kelvoRelease));
}

void tst_KelvoctlControllers::init()
{
    clock = std::make_unique<VirtualClock>();
    bus = std::make_unique<SimulatedBus>();
    console = std::make_unique<BufferConsole>();
    dir = std::make_unique<QTemporaryDir>();
    interrupt = std::make_unique<Interrupt>();
}

void tst_KelvoctlControllers::cleanup()
{
    console.reset();
    bus.reset();
    clock.reset();
    dir.reset();
}

int tst_KelvoctlControllers::kelvoctl(const QStringList &args)
{
    console->output.clear();
    console->errors.clear();
    Kelvoctl::Environment environment;
    environment.usb = bus.get();
    environment.interrupt = interrupt.get();
    return Kelvoctl::run(QStringList {QStringLiteral("kelvoctl")} + args, *console, environment);
}

void tst_KelvoctlControllers::writeConfigFile(const QString &name, const QByteArray &image)
{
    QVERIFY(ConfigFile::write(name, reinterpret_cast<const u8 *>(image.constData())));
}

void tst_KelvoctlControllers::devicesLists_data()
{
    QTest::addColumn<int>("controllers");
    QTest::addColumn<bool>("json");
    QTest::newRow("none") << 0 << false;
    QTest::newRow("two") << 2 << false;
    QTest::newRow("two, JSON") << 2 << true;
}

void tst_KelvoctlControllers::devicesLists()
{
    QFETCH(int, controllers);
    QFETCH(bool, json);

    QList<SimulatedController *> added;
    for (int i = 0; i < controllers; ++i)
        added << &bus->addController(QStringLiteral("KLV000000%1").arg(i + 1, 2, 10, QChar('0')));
    if (controllers)
        added[1]->version = {1, 5, 'a'};
    for (SimulatedController *c : added)
        setConfiguration(*c, ConfigFileFixtures::randomBytes(3, ImageSize));
    const QList<QByteArray> before = [&] {
        QList<QByteArray> images;
        for (SimulatedController *c : added)
            images << configurationOf(*c);
        return images;
    }();

    QStringList args {QStringLiteral("devices")};
    if (json)
        args << QStringLiteral("--json");
    // None found is status 3, as for every command that looks for controllers.
    QCOMPARE(kelvoctl(args), controllers ? 0 : 3);
    QCOMPARE(console->errors,
             controllers ? QString() : QStringLiteral("kelvoctl: no Kelvo controller found\n"));
    if (json) {
        const QJsonArray list = QJsonDocument::fromJson(console->output).array();
        QCOMPARE(list.size(), 2);
        QCOMPARE(list[0].toObject()[QStringLiteral("serial")].toString(),
                 QStringLiteral("KLV00000001"));
        QCOMPARE(list[1].toObject()[QStringLiteral("firmware")].toString(),
                 QStringLiteral("1.05a"));
        QCOMPARE(list[1].toObject()[QStringLiteral("mode")].toString(), QStringLiteral("running"));
        QVERIFY(list[0].toObject().contains(QStringLiteral("location")));
    } else if (controllers) {
        const QStringList lines
            = QString::fromUtf8(console->output).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[1].startsWith(QLatin1String("KLV00000002")), qPrintable(lines[1]));
        QVERIFY2(lines[1].contains(QLatin1String("firmware 1.05a")), qPrintable(lines[1]));
        QVERIFY2(lines[1].endsWith(QLatin1String("running")), qPrintable(lines[1]));
    } else {
        QCOMPARE(console->output, QByteArray());
    }
    // Listing changes nothing on a controller: no mode, no transfer, no reset.
    for (int i = 0; i < added.size(); ++i) {
        QCOMPARE(configurationOf(*added[i]), before[i]);
        QCOMPARE(added[i]->mode(), MODE_NORMAL);
        QCOMPARE(added[i]->resets(), 0);
    }
}

void tst_KelvoctlControllers::backupAndRestoreRoundTrip()
{
    SimulatedController &c = bus->addController(QStringLiteral("KLV0000000A"));
    const QByteArray first = ConfigFileFixtures::randomBytes(5, ImageSize);
    setConfiguration(c, first);

    QCOMPARE(kelvoctl({"backup", "-o", path("box.cfgkv")}), 0);
    QCOMPARE(console->errors, QString());
    QCOMPARE(QString::fromUtf8(console->output),
             QStringLiteral("controller KLV0000000A saved to %1\n").arg(path("box.cfgkv")));
    QCOMPARE(fileImage(path("box.cfgkv")), first);

    setConfiguration(c, ConfigFileFixtures::randomBytes(6, ImageSize));
    QCOMPARE(kelvoctl({"restore", path("box.cfgkv"), "--yes", "--json"}), 0);
    QCOMPARE(configurationOf(c), first);
    QCOMPARE(c.resets(), 1); // it runs with what it was given
    const QJsonObject result = QJsonDocument::fromJson(console->output).object();
    QCOMPARE(result[QStringLiteral("outcome")].toString(), QStringLiteral("done"));
    QCOMPARE(result[QStringLiteral("serial")].toString(), QStringLiteral("KLV0000000A"));
    QCOMPARE(result[QStringLiteral("status")].toInt(), 0);

    QCOMPARE(kelvoctl({"verify-config", path("box.cfgkv")}), 0);
    QCOMPARE(console->output, QByteArray());
}

void tst_KelvoctlControllers::backupAll()
{
    SimulatedController &a = bus->addController(QStringLiteral("KLV00000001"));
    SimulatedController &b = bus->addController(QStringLiteral("KLV00000002"));
    setConfiguration(a, ConfigFileFixtures::randomBytes(7, ImageSize));
    setConfiguration(b, ConfigFileFixtures::randomBytes(8, ImageSize));

    QCOMPARE(kelvoctl({"backup", "--all", "-o", dir->path(), "--quiet"}), 0);
    QCOMPARE(console->output, QByteArray());
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files),
             (QStringList {"KLV00000001.cfgkv", "KLV00000002.cfgkv"}));
    QCOMPARE(fileImage(path("KLV00000001.cfgkv")), configurationOf(a));
    QCOMPARE(fileImage(path("KLV00000002.cfgkv")), configurationOf(b));

    QCOMPARE(kelvoctl({"backup", "--all", "-o", path("missing")}), 1);
    QCOMPARE(console->errors, QStringLiteral("kelvoctl: %1: not a folder\n").arg(path("missing")));
}

void tst_KelvoctlControllers::whichController_data()
{
    QTest::addColumn<QStringList>("serials"); // on the bus
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error");

    const QStringList two {"KLV00000001", "KLV00000002"};
    QTest::newRow("none") << QStringList() << QStringList {"backup", "-o", "x.cfgkv"} << 3
                          << "kelvoctl: no Kelvo controller found\n";
    QTest::newRow("several, restore") << two << QStringList {"restore", "in.cfgkv", "--yes"} << 3
                                      << "kelvoctl: 2 controllers on the bus; name one with "
                                         "--serial or --port (found: KLV00000001 at port 1-1, "
                                         "KLV00000002 at port 1-2)\n";
    QTest::newRow("several, flash") << two << QStringList {"flash", "new.upg", "--yes"} << 3
                                    << "kelvoctl: 2 controllers on the bus; name one with --serial "
                                       "or --port (found: KLV00000001 at port 1-1, KLV00000002 "
                                       "at port 1-2)\n";
    QTest::newRow("wrong serial") << two
                                  << QStringList {"verify-config", "--serial", "KLV00000009",
                                                  "in.cfgkv"}
                                  << 2
                                  << "kelvoctl: no controller with serial number KLV00000009 on "
                                     "the bus (found: KLV00000001 at port 1-1, KLV00000002 at "
                                     "port 1-2)\n";
    QTest::newRow("named of several")
        << two << QStringList {"restore", "--serial", "KLV00000002", "in.cfgkv", "--yes"} << 0
        << "";
    QTest::newRow("option of another command")
        << two << QStringList {"devices", "--yes"} << 2
        << "kelvoctl: --yes goes with restore and flash only\nTry 'kelvoctl --help'.\n";
}

void tst_KelvoctlControllers::whichController()
{
    QFETCH(QStringList, serials);
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, error);

    for (const QString &serial : serials)
        bus->addController(serial);
    const QByteArray image = ConfigFileFixtures::randomBytes(9, ImageSize);
    writeConfigFile(path("in.cfgkv"), image);
    QVERIFY(ConfigFileFixtures::writeFile(path("new.upg"), upgradeFile(" v_1_00A")));
    for (QString &arg : args) {
        if (arg.contains(QLatin1Char('.')))
            arg = dir->filePath(arg);
    }
    QCOMPARE(kelvoctl(args), status);
    QCOMPARE(console->errors, error);
    // Only the controller named was touched.
    for (const QString &serial : serials) {
        SimulatedController *c = bus->controller(serial);
        const bool named = args.contains(serial) && status == 0;
        QCOMPARE(configurationOf(*c) == image, named);
        QCOMPARE(c->resets(), named ? 1 : 0);
    }
}

void tst_KelvoctlControllers::restoreAsks_data()
{
    QTest::addColumn<bool>("terminal");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("written");
    QTest::newRow("no terminal, refused") << false << QStringList() << 1 << false;
    QTest::newRow("terminal, yes") << true << QStringList {"y"} << 0 << true;
    QTest::newRow("terminal, no") << true << QStringList {"n"} << 130 << false;
    QTest::newRow("terminal, end of input") << true << QStringList() << 130 << false;
}

void tst_KelvoctlControllers::restoreAsks()
{
    QFETCH(bool, terminal);
    QFETCH(QStringList, typed);
    QFETCH(int, status);
    QFETCH(bool, written);

    SimulatedController &c = bus->addController(QStringLiteral("KLV0000000A"));
    const QByteArray before = configurationOf(c);
    const QByteArray image = ConfigFileFixtures::randomBytes(10, ImageSize);
    writeConfigFile(path("in.cfgkv"), image);
    console->terminal = terminal;
    console->input = typed;
    QCOMPARE(kelvoctl({"restore", path("in.cfgkv")}), status);
    QCOMPARE(configurationOf(c), written ? image : before);
    if (terminal)
        QVERIFY(console->errors.startsWith(
            QStringLiteral("Replace the configuration of controller KLV0000000A with %1? [y/N] ")
                .arg(path("in.cfgkv"))));
    else
        QCOMPARE(console->errors,
                 QStringLiteral("kelvoctl: restore replaces the configuration "
                                "of controller KLV0000000A; confirm with --yes\n"));
}

void tst_KelvoctlControllers::verifyConfig()
{
    SimulatedController &c = bus->addController(QStringLiteral("KLV0000000A"));
    QByteArray image(ImageSize, '\0');
    clearImage(reinterpret_cast<u8 *>(image.data()), ClearFlags::All);
    setConfiguration(c, image);
    writeConfigFile(path("same.cfgkv"), image);
    image[levelOffset(0, 2, 11)] = char(255);
    writeConfigFile(path("other.cfgkv"), image);

    QCOMPARE(kelvoctl({"verify-config", path("same.cfgkv")}), 0);
    QCOMPARE(kelvoctl({"verify-config", path("other.cfgkv")}), 1);
    QCOMPARE(console->output, QByteArray("scene 3 channel 12: 255 -> 0\n"));
    QCOMPARE(kelvoctl({"verify-config", path("missing.cfgkv")}), 2);
    bus->unplug(c);
    QCOMPARE(kelvoctl({"verify-config", path("same.cfgkv")}), 2);
    QCOMPARE(console->errors, QStringLiteral("kelvoctl: no Kelvo controller found\n"));
}

void tst_KelvoctlControllers::diffOfFiles()
{
    QByteArray a(ImageSize, '\0');
    clearImage(reinterpret_cast<u8 *>(a.data()), ClearFlags::All);
    QByteArray b = a;
    b[RcuSysAddr] = 5;
    writeConfigFile(path("a.cfgkv"), a);
    writeConfigFile(path("b.cfgkv"), b);

    QCOMPARE(kelvoctl({"diff", path("a.cfgkv"), path("a.cfgkv")}), 0);
    QCOMPARE(console->output, QByteArray());
    QCOMPARE(kelvoctl({"diff", path("a.cfgkv"), path("b.cfgkv")}), 1);
    QCOMPARE(console->output, QByteArray("remote system address: not used -> 5\n"));
    QCOMPARE(kelvoctl({"diff", path("a.cfgkv"), path("b.cfgkv"), "--json"}), 1);
    const QJsonObject object = QJsonDocument::fromJson(console->output).object();
    QCOMPARE(object[QStringLiteral("same")].toBool(), false);
    QCOMPARE(object[QStringLiteral("differences")].toArray().size(), 1);
    QCOMPARE(kelvoctl({"diff", path("a.cfgkv"), path("none.cfgkv")}), 2);
    QVERIFY(console->errors.startsWith(QStringLiteral("kelvoctl: %1: ").arg(path("none.cfgkv"))));
}

void tst_KelvoctlControllers::flashAndVerifyFirmware()
{
    SimulatedController &c = bus->addController(QStringLiteral("KLV0000000A"));
    QVERIFY(ConfigFileFixtures::writeFile(path("new.upg"), upgradeFile(" v_1_00A")));

    QCOMPARE(kelvoctl({"flash", path("new.upg"), "--yes"}), 0);
    QCOMPARE(console->errors, QString());
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(c.firmware.data()), int(c.firmware.size())),
             firmware);
    QCOMPARE(c.mode(), MODE_NORMAL);

    QCOMPARE(kelvoctl({"verify-firmware", path("new.upg")}), 0);
    QCOMPARE(console->errors, QString());
    // Two blocks changed on the controller: listed, status 1, and it runs again.
    c.firmware[300] ^= 1;
    c.firmware[5 * 256] ^= 1;
    QCOMPARE(kelvoctl({"verify-firmware", path("new.upg"), "--json"}), 1);
    QCOMPARE(console->errors, QString());
    const QJsonObject result = QJsonDocument::fromJson(console->output).object();
    QCOMPARE(result[QStringLiteral("differingBlocks")].toArray(), (QJsonArray {2, 6}));
    QCOMPARE(c.mode(), MODE_NORMAL);
}

void tst_KelvoctlControllers::olderReleaseNeedsAllowOlder()
{
    SimulatedController &c = bus->addController(QStringLiteral("KLV0000000A"));
    c.version = {1, 6, 'A'};
    const std::vector<u8> old = c.firmware;
    QVERIFY(ConfigFileFixtures::writeFile(path("old.upg"), upgradeFile(" v_1_00A")));

    QCOMPARE(kelvoctl({"flash", path("old.upg"), "--yes"}), 130);
    QCOMPARE(console->errors,
             QStringLiteral("kelvoctl: an older release is installed only with "
                            "--allow-older; nothing was changed\n"));
    QVERIFY(c.firmware == old);
    QCOMPARE(kelvoctl({"flash", path("old.upg"), "--yes", "--allow-older"}), 0);
    QVERIFY(c.firmware != old);
}

void tst_KelvoctlControllers::cancelledFlashLeavesTheLoader()
{
    SimulatedController &c = bus->addController(QStringLiteral("KLV0000000A"));
    QVERIFY(ConfigFileFixtures::writeFile(path("new.upg"), upgradeFile(" v_1_00A")));
    console->terminal = true; // the progress bar is where Ctrl+C comes
    console->onProgress = [&](const QString &line) {
        if (line.contains(QLatin1String(" 100/")))
            interrupt->press();
    };
    QCOMPARE(kelvoctl({"flash", path("new.upg"), "--yes"}), 130);
    QVERIFY2(console->errors.endsWith(QStringLiteral(
                 "kelvoctl: installing the firmware of controller KLV0000000A cancelled; it waits "
                 "in its firmware loader: run 'kelvoctl flash --serial KLV0000000A FILE.upg' to "
                 "finish\n")),
             qPrintable(console->errors));
    QCOMPARE(c.mode(), MODE_LOADER);

    interrupt = std::make_unique<Interrupt>();
    console->onProgress = nullptr;
    console->terminal = false;
    writeConfigFile(path("in.cfgkv"), ConfigFileFixtures::randomBytes(3, ImageSize));
    QCOMPARE(kelvoctl({"backup", "-o", path("out.cfgkv")}), 5);
    QCOMPARE(console->errors,
             QStringLiteral("kelvoctl: controller KLV0000000A waits for its firmware (it is in "
                            "its loader); run 'kelvoctl flash --serial KLV0000000A FILE.upg' to "
                            "finish the upgrade\n"));
    QVERIFY(!QFile::exists(path("out.cfgkv")));
    QCOMPARE(kelvoctl({"restore", path("in.cfgkv"), "--yes"}), 5);

    QCOMPARE(kelvoctl({"flash", path("new.upg"), "--yes"}), 0);
    QCOMPARE(c.mode(), MODE_NORMAL);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(c.firmware.data()), int(c.firmware.size())),
             firmware);
}

void tst_KelvoctlControllers::cancelledBackupWritesNoFile()
{
    SimulatedController &c = bus->addController(QStringLiteral("KLV0000000A"));
    setConfiguration(c, ConfigFileFixtures::randomBytes(12, ImageSize));
    QVERIFY(ConfigFileFixtures::writeFile(path("kept.cfgkv"), "what was there"));
    console->terminal = true;
    console->onProgress = [&](const QString &line) {
        if (line.contains(QLatin1String(" 20/")))
            interrupt->press();
    };
    QCOMPARE(kelvoctl({"backup", "-o", path("kept.cfgkv")}), 130);
    QCOMPARE(console->errors.section(QLatin1Char('\n'), -2),
             QStringLiteral("kelvoctl: reading the configuration of controller KLV0000000A "
                            "cancelled; no file was written\n"));
    QFile kept(path("kept.cfgkv"));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("what was there"));
}

void tst_KelvoctlControllers::unplugAfterEveryTransfer_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("lostStatus"); // the status when the controller left mid-job
    QTest::newRow("backup") << QStringList {"backup", "-o", "out.cfgkv"} << 4;
    QTest::newRow("restore") << QStringList {"restore", "in.cfgkv", "--yes"} << 4;
    QTest::newRow("verify-config") << QStringList {"verify-config", "in.cfgkv"} << 2;
    QTest::newRow("flash") << QStringList {"flash", "new.upg", "--yes"} << 4;
    QTest::newRow("verify-firmware") << QStringList {"verify-firmware", "new.upg"} << 4;
}

void tst_KelvoctlControllers::unplugAfterEveryTransfer()
{
    QFETCH(QStringList, args);
    QFETCH(int, lostStatus);

    for (QString &arg : args) {
        if (arg.contains(QLatin1Char('.')))
            arg = dir->filePath(arg);
    }
    const QByteArray image = ConfigFileFixtures::randomBytes(14, ImageSize);
    writeConfigFile(path("in.cfgkv"), image);
    QVERIFY(ConfigFileFixtures::writeFile(path("new.upg"), upgradeFile(" v_1_00A")));

    // An undisturbed run first: how many transfers the job makes (the unplug knob counts them).
    constexpr int Far = 1 << 30;
    int transfers = 0;
    {
        SimulatedController &c = bus->addController(QStringLiteral("KLV0000000A"));
        setConfiguration(c, image);
        c.firmware.assign(firmware.cbegin(), firmware.cend()); // so that a verify finds it equal
        c.faults.unplugAfterTransfers = Far;
        QCOMPARE(kelvoctl(args), 0);
        transfers = Far - c.faults.unplugAfterTransfers;
    }
    QVERIFY(transfers > 40);

    // Then the controller leaves after each number of its transfers: never a wrong success, a
    // status that says what happened, and no file written by a job that did not end.
    for (int after = 0; after < transfers; ++after) {
        bus = std::make_unique<SimulatedBus>();
        SimulatedController &c = bus->addController(QStringLiteral("KLV0000000A"));
        setConfiguration(c, image);
        c.firmware.assign(firmware.cbegin(), firmware.cend());
        if (after == 0)
            bus->unplug(c);
        else
            c.faults.unplugAfterTransfers = after;
        QFile::remove(path("out.cfgkv"));
        const int status = kelvoctl(args);
        const QString where = QStringLiteral("unplugged after %1 of %2 transfers: status %3, %4")
                                  .arg(after)
                                  .arg(transfers)
                                  .arg(status)
                                  .arg(console->errors);
        // Gone before or during discovery reads as "no controller"; gone after the job's end
        // (during the restart) is still a success.
        QVERIFY2(status == lostStatus || status == 3 || status == 2 || status == 0,
                 qPrintable(where));
        if (status == 0) {
            // Gone only during the restart after the job: what it did is whole.
            if (args[0] == QLatin1String("backup"))
                QCOMPARE(fileImage(path("out.cfgkv")), image);
            continue;
        }
        QVERIFY2(console->errors.contains(QLatin1String("KLV0000000A"))
                     || console->errors.contains(QLatin1String("no Kelvo controller found")),
                 qPrintable(where));
        if (args[0] == QLatin1String("backup"))
            QVERIFY2(!QFile::exists(path("out.cfgkv")), qPrintable(where));
    }
}

void tst_KelvoctlControllers::progressOnlyOnATerminal()
{
    SimulatedController &c = bus->addController(QStringLiteral("KLV0000000A"));
    setConfiguration(c, ConfigFileFixtures::randomBytes(15, ImageSize));

    QCOMPARE(kelvoctl({"backup", "-o", path("a.cfgkv")}), 0);
    QVERIFY(console->progressLines.isEmpty());
    console->terminal = true;
    QCOMPARE(kelvoctl({"backup", "-o", path("b.cfgkv"), "--quiet"}), 0);
    QVERIFY(console->progressLines.isEmpty());
    QCOMPARE(console->output, QByteArray());
    QCOMPARE(kelvoctl({"backup", "-o", path("c.cfgkv")}), 0);
    QVERIFY(console->progressLines.size() > 40);
    QVERIFY2(console->progressLines.contains(QStringLiteral(
                 "backup KLV0000000A [#######-----------------------] 10/41 blocks, 4 s left")),
             qPrintable(console->progressLines.join('\n')));
    QCOMPARE(console->progressLines.last(), QString()); // the bar is wiped at the end
}

void tst_KelvoctlControllers::jobsLeaveTheModeTheyFound_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("mode"); // as another program left it
    QTest::addColumn<QString>("fault"); // "", "cancel" (Ctrl+C at block 10), "checksum"
    QTest::addColumn<int>("status");

    const QStringList backup {"backup", "-o", "out.cfgkv"};
    const QStringList all {"backup", "--all", "-o", "."};
    const QStringList verify {"verify-config", "in.cfgkv"};
    const QStringList restore {"restore", "in.cfgkv", "--yes"};
    const QStringList firmware {"verify-firmware", "new.upg"};
    QTest::newRow("backup, running") << backup << MODE_NORMAL << "" << 0;
    QTest::newRow("backup, configuration mode") << backup << MODE_CONF << "" << 0;
    QTest::newRow("backup, live mode") << backup << MODE_LIVE << "" << 0;
    QTest::newRow("backup cancelled, running") << backup << MODE_NORMAL << "cancel" << 130;
    QTest::newRow("backup failed, live mode") << backup << MODE_LIVE << "checksum" << 1;
    QTest::newRow("backup --all, running") << all << MODE_NORMAL << "" << 0;
    QTest::newRow("backup --all cancelled, live mode") << all << MODE_LIVE << "cancel" << 130;
    QTest::newRow("verify-config, running") << verify << MODE_NORMAL << "" << 0;
    QTest::newRow("verify-config failed, running") << verify << MODE_NORMAL << "checksum" << 2;
    QTest::newRow("restore, configuration mode") << restore << MODE_CONF << "" << 0;
    QTest::newRow("restore, live mode") << restore << MODE_LIVE << "" << 0;
    QTest::newRow("verify-firmware, live mode") << firmware << MODE_LIVE << "" << 0;
    QTest::newRow("verify-firmware cancelled, running") << firmware << MODE_NORMAL << "cancel" << 2;
}

void tst_KelvoctlControllers::jobsLeaveTheModeTheyFound()
{
    QFETCH(QStringList, args);
    QFETCH(int, mode);
    QFETCH(QString, fault);
    QFETCH(int, status);

    SimulatedController &c = bus->addController(QStringLiteral("KLV0000000A"));
    const QByteArray image = ConfigFileFixtures::randomBytes(31, ImageSize);
    setConfiguration(c, image);
    c.firmware.assign(firmware.cbegin(), firmware.cend());
    writeConfigFile(path("in.cfgkv"), image);
    QVERIFY(ConfigFileFixtures::writeFile(path("new.upg"), upgradeFile(" v_1_00A")));
    setMode(c, mode);
    QCOMPARE(c.mode(), mode);
    if (fault == QLatin1String("checksum"))
        c.faults.corruptChecksumBlock = 7;
    if (fault == QLatin1String("cancel")) {
        console->terminal = true;
        console->onProgress = [&](const QString &line) {
            if (line.contains(QLatin1String(" 20/")))
                interrupt->press();
        };
    }
    for (QString &arg : args) {
        if (arg.contains(QLatin1Char('.')))
            arg = dir->filePath(arg);
    }
    QCOMPARE(kelvoctl(args), status);
    QCOMPARE(c.mode(), mode);
    QCOMPARE(configurationOf(c), image);
}

void tst_KelvoctlControllers::twoControllersWithOneSerial()
{
    const QString serial = QStringLiteral("KLV00000007");
    SimulatedController &first = bus->addController(serial);
    SimulatedController &second = bus->addController(serial);
    setConfiguration(first, ConfigFileFixtures::randomBytes(32, ImageSize));
    setConfiguration(second, ConfigFileFixtures::randomBytes(33, ImageSize));

    // Listed once each, told apart by their ports.
    QCOMPARE(kelvoctl({"devices", "--json"}), 0);
    const QJsonArray list = QJsonDocument::fromJson(console->output).array();
    QCOMPARE(list.size(), 2);
    QCOMPARE(list[0].toObject()[QStringLiteral("port")].toString(), QStringLiteral("1-1"));
    QCOMPARE(list[1].toObject()[QStringLiteral("port")].toString(), QStringLiteral("1-2"));
    QCOMPARE(kelvoctl({"devices"}), 0);
    QCOMPARE(QString::fromUtf8(console->output).split('\n', Qt::SkipEmptyParts).size(), 2);
    QVERIFY(console->output.contains("port 1-1") && console->output.contains("port 1-2"));

    // A serial number that names two is refused, with both places.
    QCOMPARE(kelvoctl({"backup", "--serial", serial, "-o", path("one.cfgkv")}), 3);
    QCOMPARE(console->errors,
             QStringLiteral("kelvoctl: 2 controllers have serial number KLV00000007; name one "
                            "with --port (found: KLV00000007 at port 1-1, KLV00000007 at port "
                            "1-2)\n"));
    QVERIFY(!QFile::exists(path("one.cfgkv")));

    // The port chooses one.
    QCOMPARE(kelvoctl({"backup", "--serial", serial, "--port", "1-2", "-o", path("one.cfgkv")}), 0);
    QCOMPARE(fileImage(path("one.cfgkv")), configurationOf(second));
    QCOMPARE(kelvoctl({"backup", "--port", "1-1", "-o", path("one.cfgkv")}), 0);
    QCOMPARE(fileImage(path("one.cfgkv")), configurationOf(first));
    QCOMPARE(kelvoctl({"backup", "--port", "1-3", "-o", path("none.cfgkv")}), 3);

    // Every one read once, each into a file of its own.
    QDir backups(dir->path());
    QVERIFY(backups.mkdir(QStringLiteral("all")));
    QVERIFY(backups.cd(QStringLiteral("all")));
    QCOMPARE(kelvoctl({"backup", "--all", "-o", backups.path(), "--json"}), 0);
    QCOMPARE(backups.entryList(QDir::Files),
             (QStringList {"KLV00000007_port_1-1.cfgkv", "KLV00000007_port_1-2.cfgkv"}));
    QCOMPARE(fileImage(backups.filePath("KLV00000007_port_1-1.cfgkv")), configurationOf(first));
    QCOMPARE(fileImage(backups.filePath("KLV00000007_port_1-2.cfgkv")), configurationOf(second));
    const QJsonArray results = QJsonDocument::fromJson(console->output).array();
    QCOMPARE(results.size(), 2);
    QCOMPARE(results[0].toObject()[QStringLiteral("file")].toString(),
             backups.filePath("KLV00000007_port_1-1.cfgkv"));
    QCOMPARE(results[1].toObject()[QStringLiteral("port")].toString(), QStringLiteral("1-2"));
}

void tst_KelvoctlControllers::hostileSerialsStayInTheFolder_data()
{
    QTest::addColumn<QStringList>("serials");
    QTest::addColumn<QStringList>("files"); // what the folder holds afterwards

    QTest::newRow("up and out") << QStringList {"../../../ab"} << QStringList {"_________ab.cfgkv"};
    QTest::newRow("absolute") << QStringList {"/tmp/kevil1"} << QStringList {"_tmp_kevil1.cfgkv"};
    QTest::newRow("control characters")
        << QStringList {"KLV\n\x1b[2J000"} << QStringList {"KLV___2J000.cfgkv"};
    QTest::newRow("dots only") << QStringList {"..........."} << QStringList {"___________.cfgkv"};
    QTest::newRow("an option") << QStringList {"-rf00000000"} << QStringList {"_rf00000000.cfgkv"};
    QTest::newRow("letters of other scripts")
        << QStringList {QStringLiteral("KLV\u00e9\u0416000001")}
        << QStringList {"KLV__000001.cfgkv"};
    QTest::newRow("two alike once filtered")
        << QStringList {"KLV/0000001", "KLV_0000001"}
        << QStringList {"KLV_0000001_port_1-1.cfgkv", "KLV_0000001_port_1-2.cfgkv"};
}

void tst_KelvoctlControllers::hostileSerialsStayInTheFolder()
{
    QFETCH(QStringList, serials);
    QFETCH(QStringList, files);

    // Deep enough that climbing out still lands inside the test's own folder.
    const QString folder = path("a/b/c/d");
    QVERIFY(QDir().mkpath(folder));
    QList<SimulatedController *> added;
    for (int i = 0; i < serials.size(); ++i) {
        added << &bus->addController(serials[i]);
        setConfiguration(*added.last(), ConfigFileFixtures::randomBytes(40 + i, ImageSize));
    }
    QCOMPARE(kelvoctl({"backup", "--all", "-o", folder}), 0);
    QCOMPARE(QDir(folder).entryList(QDir::Files), files);
    for (int i = 0; i < files.size(); ++i)
        QCOMPARE(fileImage(QDir(folder).filePath(files[i])), configurationOf(*added[i]));
    // Nothing anywhere else.
    QCOMPARE(QDir(path("a")).entryList(QDir::Files), QStringList());
    QVERIFY(!QFile::exists(QStringLiteral("/tmp/kevil1.cfgkv")));
    QVERIFY2(!console->output.contains('\x1b') && !console->errors.contains(QChar(0x1b)),
             console->output.constData());
}

void tst_KelvoctlControllers::statusTextAndJsonAgree_data()
{
    QTest::addColumn<int>("controllers");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");

    QTest::newRow("devices, none") << 0 << QStringList {"devices"} << 3;
    QTest::newRow("verify-config, none") << 0 << QStringList {"verify-config", "in.cfgkv"} << 2;
    QTest::newRow("verify-config, missing file")
        << 1 << QStringList {"verify-config", "missing.cfgkv"} << 2;
    QTest::newRow("verify-firmware, missing file")
        << 1 << QStringList {"verify-firmware", "missing.upg"} << 2;
    QTest::newRow("verify-firmware, refused file")
        << 1 << QStringList {"verify-firmware", "text.upg"} << 2;
    QTest::newRow("verify-firmware, other version")
        << 1 << QStringList {"verify-firmware", "old.upg"} << 2;
    QTest::newRow("verify-firmware, protocol error")
        << -1 << QStringList {"verify-firmware", "new.upg"} << 2;
    QTest::newRow("verify-firmware, none") << 0 << QStringList {"verify-firmware", "new.upg"} << 2;
    QTest::newRow("flash, missing file") << 1 << QStringList {"flash", "missing.upg", "--yes"} << 1;
    QTest::newRow("restore, missing file")
        << 1 << QStringList {"restore", "missing.cfgkv", "--yes"} << 1;
    QTest::newRow("restore, none") << 0 << QStringList {"restore", "in.cfgkv", "--yes"} << 3;
    QTest::newRow("diff, missing file")
        << 0 << QStringList {"diff", "in.cfgkv", "missing.cfgkv"} << 2;
    QTest::newRow("backup --all, missing folder")
        << 1 << QStringList {"backup", "--all", "-o", "missing.d"} << 1;
    QTest::newRow("backup --all, none") << 0 << QStringList {"backup", "--all", "-o", "."} << 3;
    QTest::newRow("backup, done") << 1 << QStringList {"backup", "-o", "out.cfgkv"} << 0;
}

void tst_KelvoctlControllers::statusTextAndJsonAgree()
{
    QFETCH(int, controllers);
    QFETCH(QStringList, args);
    QFETCH(int, status);

    if (controllers) {
        SimulatedController &c = bus->addController(QStringLiteral("KLV0000000A"));
        c.version = {1, 6, 'A'};
        if (controllers < 0) // every block stays unacknowledged
            c.faults.silentAfterBlock = 0;
    }
    writeConfigFile(path("in.cfgkv"), ConfigFileFixtures::randomBytes(34, ImageSize));
    QVERIFY(ConfigFileFixtures::writeFile(path("new.upg"), upgradeFile(" v_1_06A")));
    QVERIFY(ConfigFileFixtures::writeFile(path("old.upg"), upgradeFile(" v_1_00A")));
    QVERIFY(ConfigFileFixtures::writeFile(path("text.upg"), QByteArray(500, 'x')));
    for (QString &arg : args) {
        if (arg.contains(QLatin1Char('.')))
            arg = dir->filePath(arg);
    }

    // The words: a message that says why, whenever it is not done.
    QCOMPARE(kelvoctl(args), status);
    if (status)
        QVERIFY2(console->errors.startsWith(QLatin1String("kelvoctl: "))
                     && console->errors.size() > 20,
                 qPrintable(console->errors));
    const QString errors = console->errors;

    // The JSON: one document on standard output, whose status is the exit status.
    QCOMPARE(kelvoctl(args << QStringLiteral("--json")), status);
    QCOMPARE(console->errors, errors);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(console->output, &error);
    QVERIFY2(error.error == QJsonParseError::NoError, console->output.constData());
    const QJsonObject result
        = document.isArray() ? document.array().first().toObject() : document.object();
    if (args[0] == QLatin1String("devices")) {
        QCOMPARE(document.array().size(), 0);
        return;
    }
    QCOMPARE(result[QStringLiteral("status")].toInt(), status);
    QCOMPARE(result[QStringLiteral("outcome")].toString(),
             status ? QStringLiteral("failed") : QStringLiteral("done"));
    if (status)
        QCOMPARE(QStringLiteral("kelvoctl: ") + result[QStringLiteral("message")].toString(),
                 errors.section(QLatin1Char('\n'), 0, 0));
}

void tst_KelvoctlControllers::echoedNamesAreEscaped_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("content"); // of the file, or null for none
    QTest::addColumn<int>("status");

    const QByteArray text(500, 'x');
    QTest::newRow("flash, missing") << QStringList {"flash", "--yes"} << QByteArray() << 1;
    QTest::newRow("flash, refused") << QStringList {"flash", "--yes"} << text << 1;
    QTest::newRow("verify-firmware, missing")
        << QStringList {"verify-firmware"} << QByteArray() << 2;
    QTest::newRow("verify-firmware, refused") << QStringList {"verify-firmware"} << text << 2;
    QTest::newRow("restore, missing") << QStringList {"restore", "--yes"} << QByteArray() << 1;
    QTest::newRow("verify-config, missing") << QStringList {"verify-config"} << QByteArray() << 2;
}

void tst_KelvoctlControllers::echoedNamesAreEscaped()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, content);
    QFETCH(int, status);

    bus->addController(QStringLiteral("KLV0000000A"));
    const QString name = path("new\x1b[2J\nfile.upg");
    if (!content.isNull())
        QVERIFY(ConfigFileFixtures::writeFile(name, content));
    QCOMPARE(kelvoctl(args << name), status);
    QVERIFY2(console->errors.contains(path("new\\x1b[2J\\nfile.upg")), qPrintable(console->errors));
    QVERIFY2(!console->errors.contains(QChar(0x1b)), qPrintable(console->errors));
    QCOMPARE(console->errors.count(QLatin1Char('\n')), 1);
}

void tst_KelvoctlControllers::failedReadSaysWhy()
{
    SimulatedController &c = bus->addController(QStringLiteral("KLV0000000A"));
    c.faults.corruptChecksumBlock = 3;
    QCOMPARE(kelvoctl({"backup", "-o", path("out.cfgkv")}), 1);
    QCOMPARE(console->errors,
             QStringLiteral("kelvoctl: reading the configuration of controller KLV0000000A "
                            "failed: the controller did not answer as the protocol expects; no "
                            "file was written\n"));
    QVERIFY(!QFile::exists(path("out.cfgkv")));
}

void tst_KelvoctlControllers::ctrlCBeforeTheJobChangesNothing_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("atQuestion"); // else before kelvoctl starts, with --yes

    const QStringList restore {"restore", "in.cfgkv"};
    const QStringList flash {"flash", "new.upg"};
    QTest::newRow("restore, at the question") << restore << true;
    QTest::newRow("flash, at the question") << flash << true;
    QTest::newRow("restore, before the job") << (restore + QStringList {"--yes"}) << false;
    QTest::newRow("flash, before the job") << (flash + QStringList {"--yes"}) << false;
    QTest::newRow("backup, before the job") << QStringList {"backup", "-o", "out.cfgkv"} << false;
}

void tst_KelvoctlControllers::ctrlCBeforeTheJobChangesNothing()
{
    QFETCH(QStringList, args);
    QFETCH(bool, atQuestion);

    SimulatedController &c = bus->addController(QStringLiteral("KLV0000000A"));
    const QByteArray before = configurationOf(c);
    const std::vector<u8> firmwareBefore = c.firmware;
    writeConfigFile(path("in.cfgkv"), ConfigFileFixtures::randomBytes(35, ImageSize));
    QVERIFY(ConfigFileFixtures::writeFile(path("new.upg"), upgradeFile(" v_1_00A")));
    for (QString &arg : args) {
        if (arg.contains(QLatin1Char('.')))
            arg = dir->filePath(arg);
    }
    console->terminal = true;
    // The user answers y after pressing Ctrl+C at the question: Ctrl+C was the answer.
    console->input = {QStringLiteral("y")};
    if (atQuestion)
        console->onQuestion = [&] {
            interrupt->press();
        };
    else
        interrupt->press();

    QCOMPARE(kelvoctl(args), 130);
    QVERIFY2(console->errors.endsWith(QLatin1String("nothing was changed\n")),
             qPrintable(console->errors));
    QCOMPARE(c.mode(), MODE_NORMAL);
    QCOMPARE(c.resets(), 0);
    QCOMPARE(configurationOf(c), before);
    QVERIFY(c.firmware == firmwareBefore);
    QVERIFY(!QFile::exists(path("out.cfgkv")));
}

void tst_KelvoctlControllers::ctrlCIsAcknowledged_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("first"); // what the first press is told at once
    QTest::addColumn<QString>("second"); // and a second one that ends the program

    QTest::newRow("backup") << QStringList {"backup", "-o", "out.cfgkv"}
                            << "kelvoctl: Ctrl+C: stopping after the current block; no file is "
                               "written, and controller KLV0000000A is put back running its "
                               "show; Ctrl+C again to stop at once\n"
                            << "kelvoctl: stopped at once; controller KLV0000000A may be left in "
                               "configuration mode until it is switched off and on\n";
    QTest::newRow("restore") << QStringList {"restore", "in.cfgkv", "--yes"}
                             << "kelvoctl: Ctrl+C: the configuration write goes on to its end, as "
                                "one cut short leaves controller KLV0000000A with an incomplete "
                                "configuration; Ctrl+C again to stop at once\n"
                             << "kelvoctl: stopped at once; its configuration may be incomplete: "
                                "restore again\n";
    QTest::newRow("flash") << QStringList {"flash", "new.upg", "--yes"}
                           << "kelvoctl: Ctrl+C: stopping after the current block; then "
                              "controller KLV0000000A waits in its firmware loader: run 'kelvoctl "
                              "flash --serial KLV0000000A FILE.upg' to finish; Ctrl+C again to "
                              "stop at once\n"
                           << "kelvoctl: stopped at once; controller KLV0000000A waits in its "
                              "firmware loader: run 'kelvoctl flash --serial KLV0000000A "
                              "FILE.upg' to finish\n";
    QTest::newRow("verify-firmware")
        << QStringList {"verify-firmware", "new.upg"}
        << "kelvoctl: Ctrl+C: stopping after the current block; then controller KLV0000000A is "
           "restarted; Ctrl+C again to stop at once\n"
        << "kelvoctl: stopped at once; controller KLV0000000A may wait in its firmware loader: "
           "run 'kelvoctl flash --serial KLV0000000A FILE.upg' to finish\n";
}

void tst_KelvoctlControllers::ctrlCIsAcknowledged()
{
    QFETCH(QStringList, args);
    QFETCH(QString, first);
    QFETCH(QString, second);

    bus->addController(QStringLiteral("KLV0000000A"));
    writeConfigFile(path("in.cfgkv"), ConfigFileFixtures::randomBytes(36, ImageSize));
    QVERIFY(ConfigFileFixtures::writeFile(path("new.upg"), upgradeFile(" v_1_00A")));
    for (QString &arg : args) {
        if (arg.contains(QLatin1Char('.')))
            arg = dir->filePath(arg);
    }
    // What a press in the middle of the job would be told, taken where it comes.
    QString told[2];
    console->onProgress = [&](const QString &line) {
        if (told[0].isEmpty() && line.contains(QLatin1String(" 20/"))) {
            told[0] = QString::fromStdString(interrupt->notice(1));
            told[1] = QString::fromStdString(interrupt->notice(2));
        }
    };
    console->terminal = true;
    kelvoctl(args);
    // On a terminal the notice starts on a line of its own: the bar is on the one it was on.
    QCOMPARE(told[0], QLatin1Char('\n') + first);
    QCOMPARE(told[1], QLatin1Char('\n') + second);
}

void tst_KelvoctlControllers::ctrlCStopsBackupAllAfterTheCurrentController()
{
    QList<SimulatedController *> added;
    for (int i = 0; i < 3; ++i)
        added << &bus->addController(QStringLiteral("KLV0000000%1").arg(i + 1));
    console->terminal = true;
    console->onProgress = [&](const QString &line) {
        if (line.contains(QLatin1String(" 20/")))
            interrupt->press();
    };
    QCOMPARE(kelvoctl({"backup", "--all", "-o", dir->path(), "--json"}), 130);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList());
    QVERIFY2(console->errors.endsWith(
                 QLatin1String("kelvoctl: reading the configuration of controller KLV00000001 "
                               "cancelled; no file was written\nkelvoctl: cancelled; not read: "
                               "KLV00000002 at port 1-2, KLV00000003 at port 1-3\n")),
             qPrintable(console->errors));
    // The others were never asked for their configuration: they run their show untouched.
    QCOMPARE(console->progressLines.filter(QLatin1String("KLV00000002")), QStringList());
    for (SimulatedController *c : added)
        QCOMPARE(c->mode(), MODE_NORMAL);
    const QJsonArray results = QJsonDocument::fromJson(console->output).array();
    QCOMPARE(results.size(), 3);
    for (const QJsonValue &result : results)
        QCOMPARE(result.toObject()[QStringLiteral("status")].toInt(), 130);
}

void tst_KelvoctlControllers::loaderIsAlwaysTold_data()
{
    QTest::addColumn<QString>("fault"); // "cancel", "silent" (stops acknowledging), "unplug"
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("told");

    const QString waits = QStringLiteral("it waits in its firmware loader: run 'kelvoctl flash "
                                         "--serial KLV0000000A FILE.upg' to finish\n");
    QTest::newRow("cancelled upgrade") << "cancel" << 130 << waits;
    QTest::newRow("upgrade the controller stopped acknowledging") << "silent" << 1 << waits;
    QTest::newRow("upgrade whose controller left the bus")
        << "unplug" << 4
        << "it may wait in its firmware loader: run 'kelvoctl flash --serial KLV0000000A "
           "FILE.upg' to finish\n";
}

void tst_KelvoctlControllers::loaderIsAlwaysTold()
{
    QFETCH(QString, fault);
    QFETCH(int, status);
    QFETCH(QString, told);

    SimulatedController &c = bus->addController(QStringLiteral("KLV0000000A"));
    QVERIFY(ConfigFileFixtures::writeFile(path("new.upg"), upgradeFile(" v_1_00A")));
    if (fault == QLatin1String("cancel")) {
        console->terminal = true;
        console->onProgress = [&](const QString &line) {
            if (line.contains(QLatin1String(" 100/")))
                interrupt->press();
        };
    } else if (fault == QLatin1String("silent")) {
        c.faults.silentAfterBlock = 40;
    } else {
        c.faults.unplugAfterTransfers = 200; // well into the blocks
    }
    QCOMPARE(kelvoctl({"flash", path("new.upg"), "--yes"}), status);
    QVERIFY2(console->errors.endsWith(told), qPrintable(console->errors));
    QCOMPARE(c.mode(), c.isPlugged() ? MODE_LOADER : MODE_NORMAL);
}

QTEST_GUILESS_MAIN(tst_KelvoctlControllers)
void tst_KelvoctlControllers::busyControllerIsTold_data()
{
    QTest::addColumn<Holder>("holder");
    QTest::addColumn<bool>("freeToo"); // a second controller nobody holds, KLV00000002
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error");

    const QString named = QStringLiteral("kelvoctl: the controller at port 1-1 is in use by "
                                         "another program: kelvodesk (process 4242)\n");
    const QString unnamed = QStringLiteral("kelvoctl: the controller at port 1-1 is in use by "
                                           "another program (the system does not tell which)\n");
    QTest::newRow("devices, named holder")
        << Holder::NamedProgram << false << QStringList {"devices"} << 6 << named;
    QTest::newRow("devices, unnamed holder")
        << Holder::UnnamedProgram << false << QStringList {"devices"} << 6 << unnamed;
    QTest::newRow("devices, one held, one free")
        << Holder::NamedProgram << true << QStringList {"devices"} << 0 << QString();
    QTest::newRow("backup, held by another controller object")
        << Holder::AnotherController << false << QStringList {"backup", "-o", "out.cfgkv"} << 6
        << unnamed;
    QTest::newRow("restore, the serial named is not among the free")
        << Holder::NamedProgram << true
        << QStringList {"restore", "--serial", "KLV00000001", "in.cfgkv", "--yes"} << 6
        << "kelvoctl: no controller with serial number KLV00000001 on the bus (found: "
           "KLV00000002 at port 1-2); the controller at port 1-1 is in use by another program: "
           "kelvodesk (process 4242)\n";
    QTest::newRow("flash, the port named is held")
        << Holder::UnnamedProgram << true
        << QStringList {"flash", "--port", "1-1", "new.upg", "--yes"} << 6
        << "kelvoctl: no controller at port 1-1 on the bus (found: KLV00000002 at port 1-2); the "
           "controller at port 1-1 is in use by another program (the system does not tell "
           "which)\n";
    QTest::newRow("verify-config, held: any trouble of a comparison")
        << Holder::NamedProgram << false << QStringList {"verify-config", "in.cfgkv"} << 2 << named;
    QTest::newRow("backup --all, one held, one free")
        << Holder::UnnamedProgram << true << QStringList {"backup", "--all", "-o", "."} << 6
        << unnamed;
    QTest::newRow("none at all is still none") << Holder::None << false << QStringList {"devices"}
                                               << 3 << "kelvoctl: no Kelvo controller found\n";
}

void tst_KelvoctlControllers::busyControllerIsTold()
{
    QFETCH(Holder, holder);
    QFETCH(bool, freeToo);
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, error);

    SimulatedController *held = nullptr;
    if (holder != Holder::None)
        held = &bus->addController(QStringLiteral("KLV00000001"));
    SimulatedController *free
        = freeToo ? &bus->addController(QStringLiteral("KLV00000002")) : nullptr;
    kelvo_controller_class other;
    switch (holder) {
    case Holder::None:
        break;
    case Holder::NamedProgram:
        held->faults.claimedElsewhere = true;
        held->faults.heldBy = {4242, QStringLiteral("kelvodesk")};
        break;
    case Holder::UnnamedProgram:
        held->faults.claimFails = true;
        break;
    case Holder::AnotherController:
        other.setUsbBackend(bus.get());
        QVERIFY(other.connectController().ok());
        break;
    }
    const QByteArray image = ConfigFileFixtures::randomBytes(51, ImageSize);
    writeConfigFile(path("in.cfgkv"), image);
    QVERIFY(ConfigFileFixtures::writeFile(path("new.upg"), upgradeFile(" v_1_00A")));
    for (QString &arg : args) {
        if (arg.contains(QLatin1Char('.')))
            arg = dir->filePath(arg);
    }

    QCOMPARE(kelvoctl(args), status);
    QCOMPARE(console->errors, error);
    if (held) {
        QCOMPARE(held->resets(), 0);
        QVERIFY(configurationOf(*held) != image);
    }
    if (args.first() == QLatin1String("devices") && holder != Holder::None) {
        // Listed as held, also where a free one is listed beside it.
        const QString line = QString::fromUtf8(console->output).split('\n').at(freeToo ? 1 : 0);
        QVERIFY2(line.startsWith(QLatin1String("?  port 1-1 (KLV00000001)  in use by another "
                                               "program")),
                 qPrintable(line));
        QCOMPARE(kelvoctl(args << QStringLiteral("--json")), status);
        const QJsonArray list = QJsonDocument::fromJson(console->output).array();
        QCOMPARE(list.size(), freeToo ? 2 : 1);
        const QJsonObject busy = list.last().toObject();
        QCOMPARE(busy[QStringLiteral("mode")].toString(), QStringLiteral("busy"));
        QCOMPARE(busy[QStringLiteral("port")].toString(), QStringLiteral("1-1"));
        QCOMPARE(busy[QStringLiteral("program")].toString(),
                 holder == Holder::NamedProgram ? QStringLiteral("kelvodesk") : QString());
        QCOMPARE(busy[QStringLiteral("pid")].toInt(), holder == Holder::NamedProgram ? 4242 : 0);
    }
    if (args.contains(QLatin1String("--all"))) {
        // The free one is read all the same.
        QCOMPARE(fileImage(path("KLV00000002.cfgkv")), configurationOf(*free));
    }
}

#include "tst_kelvoctlcontrollers.moc"
