// Firmware upgrade and verify through the Upgrade menu, against the simulated controller on
// virtual time, with upgrade files made from a description.

#include "device/kelvoprotocol.h"
#include "firmware/upgradefile.h"
#include "support/configfilefixtures.h"
#include "support/controllerbytes.h"
#include "support/unplugsweep.h"
#include "support/upgradefilemaker.h"
#include "support/windowrig.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using Kind = Transaction::Kind;

namespace {

const QByteArray firmware = ConfigFileFixtures::randomBytes(31, 4096).repeated(16);

UpgradeFileMaker maker(const QByteArray &text = " v_1_00A")
{
    UpgradeFileMaker m;
    m.firmware = firmware;
    m.text = text;
    return m;
}

} // namespace

class tst_Firmware : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void refusedBeforeTheController_data();
    void refusedBeforeTheController();
    void versionChecks_data();
    void versionChecks();
    void upgradeSucceeds();
    void verifyCountsDifferingBlocks();
    void cancelThenRunAgain();
    void successNeedsEveryBlockAcknowledged_data();
    void successNeedsEveryBlockAcknowledged();
    void notConnectedAndNoFile();
    void unplugAtEveryTransfer();

private:
    std::unique_ptr<WindowRig> rig;
    std::unique_ptr<QTemporaryDir> dir;

    QString save(const QByteArray &file);
    void run(const QString &fileName, bool upgrade);
    QStringList texts() const;
    int sent(u8 request) { return rig->log().countRequest(request); }
};

void tst_Firmware::init()
{
    rig = std::make_unique<WindowRig>();
    // The job alone: the window's question before it starts is tested with the window.
    rig->kelvo.confirmUpgrade = nullptr;
    dir = std::make_unique<QTemporaryDir>();
}

void tst_Firmware::cleanup()
{
    rig.reset();
    dir.reset();
    QCOMPARE(QApplication::topLevelWidgets(), QWidgetList());
}

QString tst_Firmware::save(const QByteArray &file)
{
    const QString name = dir->filePath(QStringLiteral("firmware.upg"));
    QFile f(name);
    if (!f.open(QIODevice::WriteOnly) || f.write(file) != file.size())
        qFatal("cannot write the upgrade file");
    return name;
}

void tst_Firmware::run(const QString &fileName, bool upgrade)
{
    rig->script.fileNames << fileName;
    rig->trigger(upgrade ? QStringLiteral("&Upgrade Kelvo") : QStringLiteral("&Verify Firmware"));
}

QStringList tst_Firmware::texts() const
{
    QStringList result;
    for (const ScriptedPrompts::Shown &s : rig->script.shown)
        result << s.text;
    return result;
}

void tst_Firmware::refusedBeforeTheController_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("message"); // %1: the file name; empty: no box at all

    const QByteArray good = maker().build();
    QTest::newRow("399 bytes") << good.left(399) << "File read error : %1";
    QTest::newRow("wrong magic") << "KelvoCFG" + good.mid(8)
                                 << "File %1\nisn't proper upgrade file !";
    UpgradeFileMaker m = maker();
    m.dataOffset = 0xFFFF;
    QTest::newRow("nothing to load") << m.build() << "";
    QByteArray damaged = good;
    damaged[450] = char(damaged[450] ^ 1);
    QTest::newRow("one compressed byte changed") << damaged << "CRC error in block !";
    m = maker();
    m.lengthMinus1 = -5;
    QTest::newRow("negative data length") << m.build() << "File read error : %1";
    m = maker();
    m.dataOffset = -2;
    QTest::newRow("negative data offset") << m.build() << "Seek error : %1";
    m = maker();
    m.announcedSize = 1000;
    QTest::newRow("announces another size") << m.build() << "Uncompressing error !";
}

void tst_Firmware::refusedBeforeTheController()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, message);

    SimulatedController &c = rig->connectTo();
    const QString name = save(file);
    run(name, true);
    QCOMPARE(texts(), message.isEmpty() ? QStringList() : QStringList {message.arg(name)});
    if (!message.isEmpty())
        QCOMPARE(rig->script.shown[0].title, QStringLiteral("FirmWare upgrade"));
    QCOMPARE(sent(REQ_FW_UPGRADE), 0);
    QCOMPARE(sent(REQ_SET_MODE), 0);
    QCOMPARE(c.mode(), MODE_NORMAL);
    QVERIFY(rig->script.progressDialogs.isEmpty());
}

void tst_Firmware::versionChecks_data()
{
    QTest::addColumn<bool>("upgrade");
    QTest::addColumn<QByteArray>("tag");
    QTest::addColumn<QString>("choice"); // the button pressed on the older-release question
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("sent");

    const QString older = QStringLiteral("Do you really want to install older firmware release?");
    const QString otherCore = QStringLiteral(
        "This upgrade is made for another firmware core !\nInstalling it may permanently damage "
        "the device !\nTo reprogram all the firmware contact with Ovra.");
    const QString done = QStringLiteral("Upgrade sucessfull !");
    // The controller runs 1.06 core A.
    QTest::newRow("no tag: no question")
        << true << QByteArray(" Kelvo firmware") << "" << QStringList {done} << true;
    QTest::newRow("older, Cancel")
        << true << QByteArray(" v_1_05A") << "Cancel" << QStringList {older} << false;
    QTest::newRow("older, Yes, I do!")
        << true << QByteArray(" v_1_05A") << "Yes, I do!" << QStringList {older, done} << true;
    QTest::newRow("newer: no question")
        << true << QByteArray(" v_2_00A") << "" << QStringList {done} << true;
    QTest::newRow("another core") << true << QByteArray(" v_1_06B") << "" << QStringList {otherCore}
                                  << false;
    QTest::newRow("a blank core is not checked")
        << true << QByteArray(" v_1_06 x") << "" << QStringList {done} << true;
    QTest::newRow("verify, another version")
        << false << QByteArray(" v_1_07A") << "" << QStringList {"Different versions !"} << false;
    QTest::newRow("verify, another core is fine")
        << false << QByteArray(" v_1_06B") << "" << QStringList {"Verify successfull !"} << true;
}

void tst_Firmware::versionChecks()
{
    QFETCH(bool, upgrade);
    QFETCH(QByteArray, tag);
    QFETCH(QString, choice);
    QFETCH(QStringList, boxes);
    QFETCH(bool, sent);

    SimulatedController &c = rig->connectTo();
    c.version = {1, 6, 'A'};
    if (!upgrade)
        std::copy(firmware.cbegin(), firmware.cend(), c.firmware.begin());
    if (!choice.isEmpty())
        rig->script.answers << (choice == QLatin1String("Yes, I do!") ? Prompts::Yes
                                                                      : Prompts::Cancel);
    run(save(maker(tag).build()), upgrade);
    QCOMPARE(texts(), boxes);
    QCOMPARE(this->sent(upgrade ? REQ_FW_UPGRADE : REQ_FW_VERIFY), sent ? 1 : 0);
    if (!sent)
        QCOMPARE(this->sent(REQ_SET_MODE), 0);
    if (upgrade && sent)
        QCOMPARE(firmwareOf(c), firmware);
}

void tst_Firmware::upgradeSucceeds()
{
    SimulatedController &c = rig->connectTo();
    c.version = {1, 0, 'A'};
    run(save(maker().build()), true);

    QCOMPARE(texts(), QStringList {"Upgrade sucessfull !"});
    QCOMPARE(rig->script.shown[0].kind, Prompts::Kind::Information);
    QCOMPARE(firmwareOf(c), firmware); // unscrambled, as the controller runs it
    QCOMPARE(c.resets(), 1);
    QVERIFY(rig->kelvo.usbDevice.isOpen());
    QCOMPARE(rig->text("lbSerial"), QStringLiteral("S/N KLV0000000A"));
    QCOMPARE(rig->text("lbFirmWare"), QStringLiteral("F/W ver. 1.00A"));

    // 256 blocks of 260 bytes, framed as numbered blocks of the image.
    const QList<Transaction> blocks = rig->log().filtered(
        [](const Transaction &t) { return t.kind == Kind::Bulk && t.endpoint == EP_BULK_OUT; });
    QCOMPARE(blocks.size(), 256);
    QCOMPARE(blocks[7].data.size(), 260);
    QCOMPARE(u8(blocks[7].data[0]), u8(7));
    QCOMPARE(blocks[7].data.mid(4), firmware.mid(7 * 256, 256));
    const QList<Transaction> start = rig->log().requests(REQ_FW_UPGRADE);
    QCOMPARE(start[0].value, u16(256));

    // The progress dialog: labels, range, values 0 then 10..265, set to the end.
    QCOMPARE(rig->script.progressDialogs.size(), 1);
    const ScriptedPrompts::Progress &p = rig->script.progressDialogs[0];
    QCOMPARE(p.label, QStringLiteral("Preparing device..."));
    QCOMPARE(p.labels, QStringList {"Transferring firmware..."});
    QCOMPARE(p.maximum, 266);
    QCOMPARE(p.values.first(), 10);
    QCOMPARE(p.values.last(), 266);
    QVERIFY(p.closed);
}

void tst_Firmware::verifyCountsDifferingBlocks()
{
    SimulatedController &c = rig->connectTo();
    std::copy(firmware.cbegin(), firmware.cend(), c.firmware.begin());
    c.firmware[3 * 256 + 5] ^= 0xFF;
    c.firmware[200 * 256] ^= 0x01;
    rig->script.answers << Prompts::Yes << Prompts::Yes;
    run(save(maker().build()), false);

    QCOMPARE(texts(),
             (QStringList {"Verification failed : block 4\n  Continue ?",
                           "Verification failed : block 201\n  Continue ?",
                           "Verify of 2 block(s) failed !"}));
    QCOMPARE(rig->script.shown[0].buttons, (QStringList {"Yes !", "No ..."}));
    QCOMPARE(c.resets(), 0);
    QCOMPARE(rig->script.progressDialogs[0].labels, QStringList {"Comparing firmware..."});

    // "No ..." ends the job at the first difference.
    rig->script.shown.clear();
    rig->script.answers << Prompts::No;
    run(save(maker().build()), false); // the controller is still in its loader
    QCOMPARE(
        texts(),
        (QStringList {"Verification failed : block 4\n  Continue ?", "Verification failed !"}));
}

void tst_Firmware::cancelThenRunAgain()
{
    SimulatedController &c = rig->connectTo();
    rig->script.cancelAtValue = 110; // while block 100 goes out
    const QString name = save(maker().build());
    run(name, true);
    QCOMPARE(texts(), (QStringList {"Process canceled !", "Upgrade failed !"}));
    QCOMPARE(rig->script.shown[0].kind, Prompts::Kind::Information);
    QCOMPARE(rig->log()
                 .filtered([](const Transaction &t) {
                     return t.kind == Kind::Bulk && t.endpoint == EP_BULK_OUT;
                 })
                 .size(),
             101);
    QCOMPARE(c.mode(), MODE_LOADER); // left where it was
    QCOMPARE(c.resets(), 0);

    // Run again: the controller is still in its loader and takes the whole image.
    rig->script.cancelAtValue = -1;
    rig->script.shown.clear();
    run(name, true);
    QCOMPARE(texts(), QStringList {"Upgrade sucessfull !"});
    QCOMPARE(firmwareOf(c), firmware);
}

void tst_Firmware::successNeedsEveryBlockAcknowledged_data()
{
    QTest::addColumn<bool>("upgrade");
    QTest::addColumn<int>("doneEarlyAfter"); // the controller says "done" after this block
    QTest::addColumn<int>("silentAfter"); // the controller never answers this block
    QTest::addColumn<int>("blocksSent");

    for (const bool upgrade : {true, false}) {
        const char *job = upgrade ? "upgrade" : "verify";
        QTest::addRow("%s: done after block 5 of 256", job) << upgrade << 5 << -1 << 6;
        QTest::addRow("%s: block 100 never acknowledged", job) << upgrade << -1 << 100 << 101;
        QTest::addRow("%s: last block never acknowledged", job) << upgrade << -1 << 255 << 256;
    }
}

void tst_Firmware::successNeedsEveryBlockAcknowledged()
{
    QFETCH(bool, upgrade);
    QFETCH(int, doneEarlyAfter);
    QFETCH(int, silentAfter);
    QFETCH(int, blocksSent);

    SimulatedController &c = rig->connectTo();
    std::copy(firmware.cbegin(), firmware.cend(), c.firmware.begin());
    c.faults.doneEarlyAfterBlock = doneEarlyAfter;
    c.faults.silentAfterBlock = silentAfter;
    run(save(maker().build()), upgrade);

    QCOMPARE(
        texts(),
        (QStringList {"Protocol error !", upgrade ? "Upgrade failed !" : "Verification failed !"}));
    QCOMPARE(rig->log()
                 .filtered([](const Transaction &t) {
                     return t.kind == Kind::Bulk && t.endpoint == EP_BULK_OUT;
                 })
                 .size(),
             blocksSent);
    QCOMPARE(c.resets(), 0); // a controller that did not take the firmware is not restarted
}

void tst_Firmware::notConnectedAndNoFile()
{
    run(save(maker().build()), true);
    QCOMPARE(texts(), QStringList {"Not connected !"});
    QCOMPARE(rig->script.shown[0].kind, Prompts::Kind::Information);

    rig->connectTo();
    rig->script.fileNames << QString(); // the file dialog cancelled
    rig->trigger(QStringLiteral("&Upgrade Kelvo"));
    QVERIFY(texts().isEmpty()); // a cancelled file dialog does nothing
    QCOMPARE(rig->script.fileDialogs.last(),
             (QStringList {"Choose a file to upgrade Ovra - Kelvo controller", "./",
                           "Upgrade (*.upg)"}));

    run(dir->filePath(QStringLiteral("missing.upg")), true);
    QCOMPARE(texts().last(), "File not found : " + dir->filePath(QStringLiteral("missing.upg")));
}

void tst_Firmware::unplugAtEveryTransfer()
{
    const QByteArray file = maker().build();
    const QStringList failures {"Upgrade failed !", "Current version read error !"};
    // A fresh window connected to a controller that goes after `unplugAfter` transfers of the
    // upgrade (-1: never); returns the transfers of the upgrade that reached the controller.
    const auto attempt = [&](int unplugAfter) {
        cleanup();
        init();
        SimulatedController &c = rig->connectTo();
        const QString name = save(file);
        UnplugSweep::arm(rig->bus, c, unplugAfter);
        run(name, true);
        return UnplugSweep::reached(rig->log());
    };
    const int transfers = attempt(-1);
    QCOMPARE(texts(), QStringList {"Upgrade sucessfull !"});
    QVERIFY(transfers > 512); // two or more per block
    UnplugSweep::sweep(transfers, attempt, [&](int k) {
        const QStringList shown = texts();
        QVERIFY2(!shown.isEmpty(), qPrintable(QString::number(k)));
        const bool failedAsSpecified = std::any_of(
            shown.cbegin(), shown.cend(), [&](const QString &t) { return failures.contains(t); });
        const bool doneBeforeTheLoss = shown.contains(QStringLiteral("Upgrade sucessfull !"));
        QVERIFY2(
            failedAsSpecified || doneBeforeTheLoss,
            qPrintable(
                QStringLiteral("after %1 of %2: %3").arg(k).arg(transfers).arg(shown.join('|'))));
        QVERIFY(!rig->kelvo.progressDialog);
    });
}

QTEST_MAIN(tst_Firmware)
#include "tst_firmware.moc"
