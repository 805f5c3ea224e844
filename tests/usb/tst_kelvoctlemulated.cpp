// kelvoctl as a process of its own on the real libusb-1.0, against simulated controllers that
// umockdev serves as USB devices from this process: what a script on a real bus would see.

#include "emulatedusbbus.h"
#include "model/configfile.h"
#include "model/configlayout.h"
#include "support/configfilefixtures.h"
#include "support/upgradefilemaker.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <mutex>

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

} // namespace

class tst_KelvoctlEmulated : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void devicesListsTwo();
    void backupThenRestoreRoundTrips();
    void verifyConfigFindsOneChangedByte();
    void flashThenVerifyFirmware();

private:
    // kelvoctl with these arguments, while this process keeps the emulated bus in step with the
    // controllers (they leave and come back when they restart).
    Run kelvoctl(const QStringList &args);
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

Run tst_KelvoctlEmulated::kelvoctl(const QStringList &args)
{
    bus->sync();
    QProcess process;
    QTimer keepInStep;
    connect(&keepInStep, &QTimer::timeout, this, [this] { bus->sync(); });
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
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
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

QTEST_GUILESS_MAIN(tst_KelvoctlEmulated)
#include "tst_kelvoctlemulated.moc"
