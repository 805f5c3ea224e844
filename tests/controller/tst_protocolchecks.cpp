// Checks of the protocol that a changed comparison or count would break without any other test
// noticing: the status reads each block costs, the error bit while a read waits, the loader bit
// after the switch, the letter case of firmware cores.

#include "controller/kelvo_controller_class.h"
#include "device/kelvoprotocol.h"
#include "model/configlayout.h"
#include "simulator/simulatedbus.h"
#include "support/configfilefixtures.h"
#include "support/scriptedprompts.h"
#include "support/upgradefilemaker.h"
#include "support/virtualclock.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

using namespace ConfigLayout;

namespace {

// The controller on a simulated bus, with virtual time and scripted prompts; no window.
struct Rig
{
    VirtualClock clock;
    ScriptedPrompts script;
    SimulatedBus bus;
    kelvo_controller_class kelvo;
    SimulatedController *device = nullptr;

    Rig()
    {
        kelvo.setUsbBackend(&bus);
        device = &bus.addController(QStringLiteral("KLV00000042"));
        device->version = {1, 5, 'a'};
        if (!kelvo.connectController().ok())
            qFatal("the simulated controller did not connect");
        log().clear();
    }
    TransactionLog &log() { return kelvo.usbDevice.transactionLog(); }
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
};

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
    QTemporaryDir dir;
    UpgradeFileMaker maker;
    maker.firmware = ConfigFileFixtures::randomBytes(9, 4096).repeated(16);
    maker.text = QByteArray("Kelvo firmware v_1_05") + fileCore + "\r\n";
    const QString name = dir.filePath(QStringLiteral("core.upg"));
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(maker.build());
    file.close();

    const JobResult result = rig.kelvo.runFirmwareJob(name, true);
    QCOMPARE(result.outcome, refused ? JobResult::Outcome::Refused : JobResult::Outcome::Done);
    QCOMPARE(result.detail.contains(QStringLiteral("another firmware core")), refused);
    QCOMPARE(result.started, !refused); // refused before the controller was touched
}

QTEST_GUILESS_MAIN(tst_ProtocolChecks)
#include "tst_protocolchecks.moc"
