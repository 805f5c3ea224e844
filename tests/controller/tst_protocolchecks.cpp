// Checks of the protocol that a changed comparison or count would break without any other test
// noticing: the status reads each block costs, the error bit while a read waits, the loader bit
// after the switch, the letter case of firmware cores.

#include "controller/kelvo_controller_class.h"
#include "device/kelvoprotocol.h"
#include "model/configlayout.h"
#include "simulator/simulatedbus.h"
#include "support/configfilefixtures.h"
#include "support/controllerrig.h"
#include "support/scriptedprompts.h"
#include "support/upgradefilemaker.h"
#include "support/virtualclock.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

using namespace ConfigLayout;

Q_DECLARE_METATYPE(QList<u16>)

namespace {

// Connected, with the log of the connection cleared.
struct Rig : ControllerRig
{
    Rig()
    {
        if (!connect())
            qFatal("the simulated controller did not connect");
        log().clear();
    }
};

bool isStatusRead(const Transaction &t)
{
    return t.kind == Transaction::Kind::Control && t.request == REQ_STATUS;
}

bool isBulk(const Transaction &t)
{
    return t.kind == Transaction::Kind::Bulk;
}

} // namespace

class tst_ProtocolChecks : public QObject
{
    Q_OBJECT

private slots:
    void statusReadsPerBlock_data();
    void statusReadsPerBlock();
    void errorBitEndsTheReadAtOnce();
    void loaderModeNeedsTheLoaderBit();
    void firmwareCoreLetterCase_data();
    void firmwareCoreLetterCase();
    void firmwarePollLimits_data();
    void firmwarePollLimits();
    void scenePreparePollLimits_data();
    void scenePreparePollLimits();
    void commandAttemptLimits_data();
    void commandAttemptLimits();
    void transferLimits_data();
    void transferLimits();
    void reconnectAfterWriteLimit_data();
    void reconnectAfterWriteLimit();

private:
    QTemporaryDir dir;
    // An upgrade file for the simulated controller (1.05, core a).
    QString upgradeFile(char core = 'a');
};

QString tst_ProtocolChecks::upgradeFile(char core)
{
    UpgradeFileMaker maker;
    maker.firmware = ConfigFileFixtures::randomBytes(9, 4096).repeated(16);
    maker.text = QByteArray("Kelvo firmware v_1_05") + core + "\r\n";
    const QString name = dir.filePath(QStringLiteral("core-%1.upg").arg(QLatin1Char(core)));
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(maker.build()) <= 0)
        qFatal("cannot write %s", qPrintable(name));
    return name;
}

void tst_ProtocolChecks::statusReadsPerBlock_data()
{
    QTest::addColumn<bool>("read");
    QTest::addColumn<int>("perBlock");
    // Read: the wait for ready, then the wait for not busy. Write: the wait for ready.
    QTest::newRow("read") << true << 2;
    QTest::newRow("write") << false << 1;
}

// A wait that never sees its bit must not go on for ever: the controller leaves after a bound
// far above a healthy transfer, so a broken wait fails here at once instead of filling memory.
void tst_ProtocolChecks::statusReadsPerBlock()
{
    QFETCH(bool, read);
    QFETCH(int, perBlock);
    Rig rig;
    rig.device->faults.unplugAfterTransfers = CONF_BLOCK_COUNT * 8;
    QByteArray image = ConfigFileFixtures::randomBytes(3, ImageSize);

    const JobResult result = read
        ? rig.kelvo.readConfiguration(reinterpret_cast<u8 *>(image.data()))
        : rig.kelvo.writeConfiguration(reinterpret_cast<const u8 *>(image.constData()));
    QVERIFY2(result.ok(), qPrintable(rig.log().dump()));

    // The status reads between one block and the next.
    QList<int> reads;
    int since = 0;
    bool started = false;
    for (const Transaction &t : rig.log().entries()) {
        if (isBulk(t)) {
            if (started)
                reads << since;
            started = true;
            since = 0;
        } else if (isStatusRead(t)) {
            ++since;
        }
    }
    QCOMPARE(reads.size(), CONF_BLOCK_COUNT - 1);
    QCOMPARE(reads, QList<int>(CONF_BLOCK_COUNT - 1, perBlock));
}

void tst_ProtocolChecks::errorBitEndsTheReadAtOnce()
{
    Rig rig;
    // As block 5 is about to be waited for, the controller reports an error.
    qsizetype injectedAt = -1;
    rig.script.duringPrompt = [&] {
        const auto &dialogs = rig.script.progressDialogs;
        if (injectedAt < 0 && !dialogs.isEmpty() && !dialogs.last().values.isEmpty()
            && dialogs.last().values.last() == 5) {
            rig.device->faults.statusScript = {ST_U_ERR};
            injectedAt = rig.log().entries().size();
        }
    };
    QByteArray buffer(ImageSize, char(0x5A));
    const JobResult result = rig.kelvo.readConfiguration(reinterpret_cast<u8 *>(buffer.data()));

    QCOMPARE(result.outcome, JobResult::Outcome::WrongAnswer);
    QCOMPARE(result.blocks, 5);
    QCOMPARE(buffer, QByteArray(ImageSize, char(0x5A)));
    QVERIFY(injectedAt >= 0);
    // The error read ends the wait, and nothing more is asked (the mode before was not known, so
    // none is put back).
    const QList<Transaction> after = rig.log().entries().mid(injectedAt);
    QCOMPARE(std::count_if(after.cbegin(), after.cend(), isStatusRead), 1);
    QCOMPARE(std::count_if(after.cbegin(), after.cend(), isBulk), 0);
}

void tst_ProtocolChecks::loaderModeNeedsTheLoaderBit()
{
    Rig rig;
    // The switch is refused: the controller stays on the bus in its normal mode.
    rig.device->failRequest(REQ_SET_MODE, 1, false);
    QCOMPARE(rig.kelvo.setDeviceMode(MODE_LOADER), 0);
    QCOMPARE(rig.kelvo.deviceMode, 0);
    QVERIFY(rig.script.shown.size() >= 1);
    QCOMPARE(rig.script.shown.last().text, QStringLiteral("USB connection ERROR"));
    QCOMPARE(rig.device->mode(), int(MODE_NORMAL));
}

void tst_ProtocolChecks::firmwareCoreLetterCase_data()
{
    QTest::addColumn<char>("fileCore");
    QTest::addColumn<bool>("refused");
    QTest::newRow("same letter") << 'a' << false;
    QTest::newRow("upper case for lower") << 'A' << true;
    QTest::newRow("another letter") << 'b' << true;
}

void tst_ProtocolChecks::firmwareCoreLetterCase()
{
    QFETCH(char, fileCore);
    QFETCH(bool, refused);
    Rig rig;
    const JobResult result = rig.kelvo.runFirmwareJob(upgradeFile(fileCore), true);
    QCOMPARE(result.outcome, refused ? JobResult::Outcome::Refused : JobResult::Outcome::Done);
    QCOMPARE(result.detail.contains(QStringLiteral("another firmware core")), refused);
    QCOMPARE(result.started, !refused); // refused before the controller was touched
}

void tst_ProtocolChecks::firmwarePollLimits_data()
{
    QTest::addColumn<bool>("firstBlock"); // else: the start of the job
    QTest::addColumn<int>("busyMs");
    QTest::addColumn<bool>("done");
    // The start is polled 10 times, 100 ms apart: ready at 900 ms is the last chance.
    QTest::newRow("start: ready at the 10th poll") << false << 900 << true;
    QTest::newRow("start: ready only at the 11th") << false << 1000 << false;
    // A block is polled 100 times, 100 ms apart, after a first pause of 100 ms.
    QTest::newRow("block: taken at the 100th poll") << true << 10000 << true;
    QTest::newRow("block: taken only at the 101st") << true << 10100 << false;
}

void tst_ProtocolChecks::firmwarePollLimits()
{
    QFETCH(bool, firstBlock);
    QFETCH(int, busyMs);
    QFETCH(bool, done);
    Rig rig;
    if (firstBlock) {
        // Only the first block is slow to be taken.
        rig.script.duringPrompt = [&] {
            const auto &values = rig.script.progressDialogs.last().values;
            if (!values.isEmpty())
                rig.device->busyMs = values.last() == 10 ? busyMs : 0;
        };
    } else {
        rig.device->busyMs = busyMs;
    }
    const JobResult result = rig.kelvo.runFirmwareJob(upgradeFile(), true);
    QCOMPARE(result.outcome, done ? JobResult::Outcome::Done : JobResult::Outcome::WrongAnswer);
    QCOMPARE(result.detail, done ? QString() : QStringLiteral("Protocol error !"));
    QCOMPARE(result.blocks, done ? FW_BLOCK_COUNT : 0);
}

void tst_ProtocolChecks::scenePreparePollLimits_data()
{
    QTest::addColumn<QList<u16>>("statusWords"); // what the first status reads answer
    QTest::addColumn<int>("prepareRequests");
    QTest::addColumn<bool>("linkError");
    const QList<u16> notYet(11, 0);
    // Ready for the scene: 10 reads.
    QTest::newRow("ready at the 10th read") << notYet.mid(0, 9) << 1 << false;
    QTest::newRow("ready only at the 11th read") << notYet.mid(0, 10) << 1 << true;
    // Done with it: 11 reads; then the whole exchange is tried again.
    QTest::newRow("done at the 11th read")
        << QList<u16> {ST_BULK_READY} + notYet.mid(0, 10) << 1 << false;
    QTest::newRow("done only at the 12th read")
        << QList<u16> {ST_BULK_READY} + notYet << 2 << false;
}

void tst_ProtocolChecks::scenePreparePollLimits()
{
    QFETCH(QList<u16>, statusWords);
    QFETCH(int, prepareRequests);
    QFETCH(bool, linkError);
    Rig rig;
    QCOMPARE(rig.kelvo.ch_mode(kelvo_controller_class::RequestedLive),
             int(kelvo_controller_class::RequestedLive));
    rig.log().clear();
    rig.script.shown.clear();
    rig.device->faults.statusScript = statusWords;

    rig.kelvo.send_sc_prep(0, 1);
    QCOMPARE(rig.log().countRequest(REQ_SCENE_PREP), prepareRequests);
    QCOMPARE(rig.script.shown.size(), linkError ? 1 : 0);
    QCOMPARE(rig.kelvo.usbDevice.isOpen(), !linkError);
    if (!linkError)
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(rig.device->liveLevels.data()), 64),
                 QByteArray(
                     reinterpret_cast<const char *>(rig.kelvo.configImage() + levelOffset(0, 0, 0)),
                     64));
}

void tst_ProtocolChecks::commandAttemptLimits_data()
{
    QTest::addColumn<bool>("learn"); // else: read the remote's address
    QTest::addColumn<int>("failures");
    QTest::addColumn<bool>("works");
    // A query is asked up to 10 times.
    QTest::newRow("address: query answered at the 10th") << false << 9 << true;
    QTest::newRow("address: query never answered") << false << 10 << false;
    // While learning, each status read is tried up to 10 times.
    QTest::newRow("learn: status read at the 10th try") << true << 9 << true;
    QTest::newRow("learn: status never read") << true << 10 << false;
}

void tst_ProtocolChecks::commandAttemptLimits()
{
    QFETCH(bool, learn);
    QFETCH(int, failures);
    QFETCH(bool, works);
    Rig rig;
    rig.device->queuePress(SimulatedController::PressKind::Input, 3, 0);
    rig.device->failRequest(learn ? REQ_STATUS : REQ_QUERY, failures);

    const int answer = learn ? rig.kelvo.learnKey(false) : rig.kelvo.readSysAddress();
    QCOMPARE(answer, works ? (learn ? 3 : int(rig.device->systemAddress())) : -1);
    QCOMPARE(rig.script.shown.size(), works ? 0 : 1);
    if (!works)
        QCOMPARE(rig.script.shown[0].text, QStringLiteral("Command failed !"));
}

void tst_ProtocolChecks::transferLimits_data()
{
    QTest::addColumn<bool>("read");
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("amount");
    QTest::addColumn<bool>("works");
    enum { EmptyReads, NotReadyReads, BusyBeforeStart, SlowFirstBlock };
    // A block is read again while the read returns nothing: 11 reads in all.
    QTest::newRow("read: data at the 11th bulk read") << true << int(EmptyReads) << 10 << true;
    QTest::newRow("read: no data in 11 bulk reads") << true << int(EmptyReads) << 11 << false;
    // Before a block is read, 50 status reads wait for it, without pausing.
    QTest::newRow("read: ready at the 50th status read")
        << true << int(NotReadyReads) << 49 << true;
    QTest::newRow("read: not ready in 50 status reads")
        << true << int(NotReadyReads) << 50 << false;
    // A job still busy before the start: 10 reads, 100 ms apart.
    for (const bool read : {true, false}) {
        const char *job = read ? "read" : "write";
        QTest::addRow("%s: earlier job done at the 10th status read", job)
            << read << int(BusyBeforeStart) << 9 << true;
        QTest::addRow("%s: earlier job still busy after 10", job)
            << read << int(BusyBeforeStart) << 10 << false;
    }
    // A write waits up to 5 s for the controller to take a block, checked each second.
    QTest::newRow("write: first block taken after 4.9 s")
        << false << int(SlowFirstBlock) << 4900 << true;
    QTest::newRow("write: first block not taken in 5 s")
        << false << int(SlowFirstBlock) << 5000 << false;
}

void tst_ProtocolChecks::transferLimits()
{
    QFETCH(bool, read);
    QFETCH(int, fault);
    QFETCH(int, amount);
    QFETCH(bool, works);
    Rig rig;
    switch (fault) {
    case 0:
        rig.script.duringPrompt = [&] {
            if (rig.script.progressDialogs.last().values.value(0, -1) == 0
                && rig.script.progressDialogs.last().values.size() == 1)
                rig.device->faults.zeroLengthReads = amount;
        };
        break;
    case 1:
        rig.script.duringPrompt = [&] {
            if (rig.script.progressDialogs.last().values.size() == 1)
                rig.device->faults.statusScript = QList<u16>(amount, ST_MODE_CONF);
        };
        break;
    case 2:
        rig.device->faults.statusScript
            = QList<u16> {ST_MODE_CONF} + QList<u16>(amount, ST_MODE_CONF | ST_BULK_BUSY);
        break;
    case 3:
        rig.device->busyMs = amount;
        rig.script.duringPrompt = [&] {
            rig.device->busyMs = 0;
        }; // the later blocks at once
        break;
    }
    QByteArray image = ConfigFileFixtures::randomBytes(5, ImageSize);
    const JobResult result = read
        ? rig.kelvo.readConfiguration(reinterpret_cast<u8 *>(image.data()))
        : rig.kelvo.writeConfiguration(reinterpret_cast<const u8 *>(image.constData()));
    QVERIFY2(result.ok() == works, qPrintable(rig.log().dump()));
    QCOMPARE(result.blocks, works ? CONF_BLOCK_COUNT : 0);
}

void tst_ProtocolChecks::reconnectAfterWriteLimit_data()
{
    QTest::addColumn<int>("enumerations");
    QTest::addColumn<bool>("connected");
    // After its restart the controller is looked for 10 times, 100 ms apart.
    QTest::newRow("back at the 10th search") << 10 << true;
    QTest::newRow("back only at the 11th") << 11 << false;
}

void tst_ProtocolChecks::reconnectAfterWriteLimit()
{
    QFETCH(int, enumerations);
    QFETCH(bool, connected);
    Rig rig;
    rig.device->reappearAfterEnumerations = enumerations;
    rig.kelvo.restartController();
    QCOMPARE(rig.device->resets(), 1);
    QCOMPARE(rig.kelvo.connected, connected ? 1 : 0);
}

QTEST_GUILESS_MAIN(tst_ProtocolChecks)
#include "tst_protocolchecks.moc"
