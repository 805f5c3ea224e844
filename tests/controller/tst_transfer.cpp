// Sending the configuration to the controller and reading it back, through the window's buttons,
// against the simulated controller on virtual time.

#include "device/kelvoprotocol.h"
#include "model/configlayout.h"
#include "support/configfilefixtures.h"
#include "support/controllerbytes.h"
#include "support/imageoracle.h"
#include "support/unplugsweep.h"
#include "support/windowrig.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace ConfigLayout;
using Kind = Transaction::Kind;

namespace {

const QString linkErrorText = QStringLiteral("USB connection ERROR");
const QString writeOk = QStringLiteral("Write configuration\n     Sucessfull!");
const QString writeFailed = QStringLiteral("Write configuration\n     Failed!");
const QString readOk = QStringLiteral("Read configuration\nSucessfull!");
const QString readFailed = QStringLiteral("Read configuration\n Failed!");
const QString readCancelledText = QStringLiteral("Read configuration\ncancelled !");

void setConfiguration(SimulatedController &c, const QByteArray &bytes)
{
    std::copy(bytes.cbegin(), bytes.cend(), c.configuration.begin());
}

enum class Job { Read, Write };

} // namespace

Q_DECLARE_METATYPE(Job)

class tst_Transfer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void notConnected_data();
    void notConnected();
    void writeThenReadRoundTrips();
    void writeSendsFramedBlocks();
    void progressDialogs_data();
    void progressDialogs();
    void writeFailures_data();
    void writeFailures();
    void readFailsWhenABlockNumberNeverCame_data();
    void readFailsWhenABlockNumberNeverCame();
    void readFailures_data();
    void readFailures();
    void readCancelled();
    void learnedAddressAfterRead_data();
    void learnedAddressAfterRead();
    void liveModeEndsBeforeATransfer();
    void unplugAtEveryTransfer_data();
    void unplugAtEveryTransfer();

private:
    std::unique_ptr<WindowRig> rig;
};

void tst_Transfer::init()
{
    rig = std::make_unique<WindowRig>();
}

void tst_Transfer::cleanup()
{
    rig.reset();
    QCOMPARE(QApplication::topLevelWidgets(), QWidgetList());
}

void tst_Transfer::notConnected_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("send") << "pbSendConf"
                          << "Not connected !\nConfiguration not sent!";
    QTest::newRow("read") << "pbReadConf"
                          << "Not connected !\nConfiguration not read!";
}

void tst_Transfer::notConnected()
{
    QFETCH(QString, button);
    QFETCH(QString, message);
    rig->click(qPrintable(button));
    QCOMPARE(rig->script.shown.size(), 1);
    QCOMPARE(rig->script.shown[0].kind, Prompts::Kind::Critical);
    QCOMPARE(rig->script.shown[0].title, QStringLiteral("KelvoDesk"));
    QCOMPARE(rig->script.shown[0].text, message);
    QCOMPARE(rig->script.shown[0].parent, rig->window.get());
    QCOMPARE(rig->log().countTransfers(), 0);
}

void tst_Transfer::writeThenReadRoundTrips()
{
    SimulatedController &c = rig->connectTo();
    const QByteArray sent = ConfigFileFixtures::randomBytes(5, ImageSize);
    rig->setImage(sent);

    rig->click("pbSendConf");
    QCOMPARE(configurationOf(c), sent);
    QCOMPARE(rig->script.shown.size(), 1);
    QCOMPARE(rig->script.shown[0].text, writeOk);
    QCOMPARE(rig->script.shown[0].kind, Prompts::Kind::Information);
    // The controller restarts with the new configuration and the program reconnects.
    QCOMPARE(c.resets(), 1);
    QVERIFY(rig->kelvo.connected);
    QCOMPARE(rig->kelvo.deviceMode, 0);
    QCOMPARE(rig->text("lbConn"), QStringLiteral("Connected"));
    QVERIFY(!rig->kelvo.progressDialog);

    rig->setImage(ConfigFileFixtures::randomBytes(6, ImageSize));
    QSignalSpy finished(&rig->kelvo, &kelvo_controller_class::readKelvoFinished);
    rig->script.shown.clear();
    rig->click("pbReadConf");
    QCOMPARE(rig->image(), sent);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(rig->script.shown.size(), 1);
    QCOMPARE(rig->script.shown[0].text, readOk);
    QCOMPARE(c.mode(), MODE_NORMAL); // the mode before the read is set again
    QVERIFY(rig->kelvo.usbDevice.isOpen());
}

void tst_Transfer::writeSendsFramedBlocks()
{
    SimulatedController &c = rig->connectTo();
    QByteArray image = ConfigFileFixtures::randomBytes(7, ImageSize);
    image.replace(0, 256, QByteArray(256, '\0')); // block 0 of zeros: checksum 0x01
    rig->setImage(image);
    rig->click("pbSendConf");

    const QList<Transaction> blocks = rig->log().filtered(
        [](const Transaction &t) { return t.kind == Kind::Bulk && t.endpoint == EP_BULK_OUT; });
    QCOMPARE(blocks.size(), 41);
    for (int k = 0; k < 41; ++k)
        QCOMPARE(blocks[k].data, ImageOracle::frameByHand(k, image.mid(256 * k, 256)));
    QCOMPARE(u8(blocks[0].data[3]), u8(0x01));
    const QList<Transaction> start = rig->log().requests(REQ_CONF_WRITE);
    QCOMPARE(start.size(), 1);
    QCOMPARE(start[0].value, u16(41));
    QCOMPARE(configurationOf(c), image);
}

void tst_Transfer::progressDialogs_data()
{
    QTest::addColumn<Job>("job");
    QTest::addColumn<QString>("label");
    QTest::newRow("write") << Job::Write << "Configuration is sending...";
    QTest::newRow("read") << Job::Read << "Configuration is reading...";
}

void tst_Transfer::progressDialogs()
{
    QFETCH(Job, job);
    QFETCH(QString, label);
    rig->connectTo();
    rig->click(job == Job::Write ? "pbSendConf" : "pbReadConf");

    QCOMPARE(rig->script.progressDialogs.size(), 1);
    const ScriptedPrompts::Progress &p = rig->script.progressDialogs[0];
    QCOMPARE(p.label, label);
    QCOMPARE(p.cancelText, QStringLiteral("Cancel"));
    QCOMPARE(p.maximum, 41);
    QVERIFY(p.autoClose);
    QCOMPARE(p.parent, nullptr);
    QVERIFY(p.closed);
    QList<int> expected;
    for (int k = 0; k < 41; ++k)
        expected << k;
    if (job == Job::Write)
        expected << 41; // set to the end before it closes
    QCOMPARE(p.values, expected);
}

void tst_Transfer::writeFailures_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<QStringList>("debugLines");

    // 0 Cancel while waiting, 1 never ready, 2 short write of block 3, 3 no ST_U_DONE,
    // 4 the start request refused
    QTest::newRow("Cancel while the controller is busy")
        << 0 << QStringList {linkErrorText, writeFailed} << false << QStringList();
    QTest::newRow("never ready: gives up after 5 s")
        << 1 << QStringList {linkErrorText, writeFailed} << false << QStringList();
    QTest::newRow("short write") << 2 << QStringList {linkErrorText, writeFailed} << false
                                 << QStringList();
    QTest::newRow("no ST_U_DONE") << 3 << QStringList {linkErrorText} << false
                                  << QStringList {"Brak ST_U_DONE !"};
    QTest::newRow("start request fails")
        << 4 << QStringList {linkErrorText} << false << QStringList();
}

void tst_Transfer::writeFailures()
{
    QFETCH(int, fault);
    QFETCH(QStringList, boxes);
    QFETCH(bool, connected);
    QFETCH(QStringList, debugLines);

    SimulatedController &c = rig->connectTo();
    const QByteArray before = configurationOf(c);
    rig->setImage(ConfigFileFixtures::randomBytes(8, ImageSize));
    switch (fault) {
    case 0:
        c.busyMs = 1000;
        rig->script.cancelAtValue = 3;
        break;
    case 1:
        c.faults.neverReady = true;
        break;
    case 2:
        c.faults.shortBulkBlock = 3;
        break;
    case 3:
        c.faults.errorOnRequest.append(REQ_CONF_WRITE);
        break;
    case 4:
        c.failRequest(REQ_CONF_WRITE);
        break;
    }
    rig->clock.elapsed = 0;
    rig->click("pbSendConf");

    QStringList texts;
    for (const ScriptedPrompts::Shown &s : rig->script.shown)
        texts << s.text;
    QCOMPARE(texts, boxes);
    QCOMPARE(rig->kelvo.usbDevice.isOpen(), connected);
    QCOMPARE(rig->text("lbConn"), QStringLiteral("Disconnected"));
    QCOMPARE(c.resets(), 0);
    for (const QString &line : debugLines)
        QVERIFY(rig->debug.lines.contains(line));
    if (fault == 1)
        QVERIFY(rig->clock.elapsed >= 5000 && rig->clock.elapsed < 6200);
    if (fault != 3)
        QCOMPARE(configurationOf(c), before); // the controller kept its configuration
    QVERIFY(!rig->kelvo.progressDialog);
}

void tst_Transfer::readFailsWhenABlockNumberNeverCame_data()
{
    QTest::addColumn<int>("block");
    QTest::addColumn<int>("number");
    QTest::newRow("block 3 where 2 was expected") << 2 << 3;
    QTest::newRow("block 3 where 40 was expected") << 40 << 3;
}

void tst_Transfer::readFailsWhenABlockNumberNeverCame()
{
    QFETCH(int, block);
    QFETCH(int, number);

    SimulatedController &c = rig->connectTo();
    setConfiguration(c, ConfigFileFixtures::randomBytes(10, ImageSize));
    const QByteArray local = ConfigFileFixtures::randomBytes(11, ImageSize);
    rig->setImage(local);
    c.faults.wrongNumberBlock = block;
    c.faults.wrongNumber = number;
    QSignalSpy finished(&rig->kelvo, &kelvo_controller_class::readKelvoFinished);
    rig->click("pbReadConf");

    // Block `number` came twice and block `block` never: its region would keep the program's
    // old bytes under a success message.
    QCOMPARE(rig->image(), local);
    QVERIFY(rig->shown(readFailed));
    QVERIFY(!rig->shown(readOk));
    QCOMPARE(rig->debug.lines.count("flash read fail!"), 1);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(rig->kelvo.deviceMode, int(MODE_NORMAL)); // the mode before the read is set again
    QVERIFY(rig->kelvo.connected);
}

void tst_Transfer::readFailures_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<QStringList>("debugLines");

    // 0 checksum, 1 block 41, 2 length field above 255, 3 short read, 4 never ready,
    // 5 reads of 0 bytes that end, 6 reads of 0 bytes that do not end, 7 ST_U_ERR while waiting
    QTest::newRow("one data byte changed")
        << 0 << QStringList {readFailed} << true
        << QStringList {"Read Conf/Data: bulkBlock checkSum ERROR :-(", "flash read fail!"};
    QTest::newRow("block number 41") << 1 << QStringList {linkErrorText, readFailed} << false
                                     << QStringList {"flash read fail!"};
    QTest::newRow("length field above 255")
        << 2 << QStringList {readFailed} << true << QStringList {"flash read fail!"};
    QTest::newRow("short read") << 3 << QStringList {linkErrorText, readFailed} << false
                                << QStringList {"flash read fail!"};
    QTest::newRow("never ready") << 4 << QStringList {readFailed} << true
                                 << QStringList {"BUSY pozostaje : 0x20"};
    QTest::newRow("five empty reads") << 5 << QStringList {readOk} << true << QStringList();
    QTest::newRow("empty reads without end") << 6 << QStringList {linkErrorText, readFailed}
                                             << false << QStringList {"flash read fail!"};
}

void tst_Transfer::readFailures()
{
    QFETCH(int, fault);
    QFETCH(QStringList, boxes);
    QFETCH(bool, connected);
    QFETCH(QStringList, debugLines);

    SimulatedController &c = rig->connectTo();
    setConfiguration(c, ConfigFileFixtures::randomBytes(12, ImageSize));
    const QByteArray local = ConfigFileFixtures::randomBytes(13, ImageSize);
    rig->setImage(local);
    switch (fault) {
    case 0:
        c.faults.corruptChecksumBlock = 7;
        break;
    case 1:
        c.faults.wrongNumberBlock = 5;
        c.faults.wrongNumber = 41;
        break;
    case 2:
        c.faults.oversizedLengthBlock = 9;
        break;
    case 3:
        c.faults.shortBulkBlock = 4;
        break;
    case 4:
        c.faults.neverReady = true;
        break;
    case 5:
        c.faults.zeroLengthReads = 5;
        break;
    case 6:
        c.faults.zeroLengthReads = 1000;
        break;
    }
    QSignalSpy finished(&rig->kelvo, &kelvo_controller_class::readKelvoFinished);
    rig->click("pbReadConf");

    QStringList texts;
    for (const ScriptedPrompts::Shown &s : rig->script.shown)
        texts << s.text;
    QCOMPARE(texts, boxes);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(rig->kelvo.usbDevice.isOpen(), connected);
    for (const QString &line : debugLines)
        QVERIFY2(rig->debug.lines.contains(line), qPrintable(rig->debug.lines.join('\n')));
    if (boxes.contains(readFailed))
        QCOMPARE(rig->image(), local); // a failed read leaves the image as it was
    else
        QCOMPARE(rig->image(), configurationOf(c));
    if (connected)
        QCOMPARE(c.mode(), MODE_NORMAL); // the mode is restored
    else
        QCOMPARE(rig->text("lbConn"), QStringLiteral("Disconnected"));
}

void tst_Transfer::readCancelled()
{
    SimulatedController &c = rig->connectTo();
    setConfiguration(c, ConfigFileFixtures::randomBytes(14, ImageSize));
    const QByteArray local = ConfigFileFixtures::randomBytes(15, ImageSize);
    rig->setImage(local);
    rig->script.cancelAtValue = 4; // while the fifth block is read
    QSignalSpy finished(&rig->kelvo, &kelvo_controller_class::readKelvoFinished);
    rig->click("pbReadConf");

    QCOMPARE(rig->script.shown.size(), 1);
    QCOMPARE(rig->script.shown[0].kind, Prompts::Kind::Information);
    QCOMPARE(rig->script.shown[0].text, readCancelledText);
    QCOMPARE(finished.size(), 0);
    QCOMPARE(rig->image(), local);
    const int blocksRead = int(rig->log()
                                   .filtered([](const Transaction &t) {
                                       return t.kind == Kind::Bulk && t.endpoint == EP_BULK_IN;
                                   })
                                   .size());
    QCOMPARE(blocksRead, 5);
    QVERIFY(rig->kelvo.usbDevice.isOpen());
    QCOMPARE(c.mode(), MODE_NORMAL);
    QVERIFY(!rig->kelvo.progressDialog);
}

void tst_Transfer::learnedAddressAfterRead_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("shown");
    QTest::newRow("5") << 5 << 5;
    QTest::newRow("31") << 31 << 31;
    QTest::newRow("0x20") << 0x20 << 0xFF;
    QTest::newRow("0xFF") << 0xFF << 0xFF;
}

void tst_Transfer::learnedAddressAfterRead()
{
    QFETCH(int, stored);
    QFETCH(int, shown);
    SimulatedController &c = rig->connectTo();
    c.configuration[RcuSysAddr] = u8(stored);
    rig->click("pbReadConf");
    QCOMPARE(rig->kelvo.rcuAddrShown, u8(shown));
}

void tst_Transfer::liveModeEndsBeforeATransfer()
{
    SimulatedController &c = rig->connectTo();
    rig->click("pbLiveMode");
    QCOMPARE(c.mode(), MODE_LIVE);
    rig->log().clear();
    rig->click("pbReadConf");
    const QList<Transaction> modes = rig->log().requests(REQ_SET_MODE);
    QVERIFY(modes.size() >= 2);
    QCOMPARE(modes[0].value, u16(MODE_NORMAL));
    QCOMPARE(modes[1].value, u16(MODE_CONF));
    QCOMPARE(rig->text("lbWMode"), QStringLiteral("Normal"));
    QCOMPARE(c.mode(), MODE_NORMAL);
}

void tst_Transfer::unplugAtEveryTransfer_data()
{
    QTest::addColumn<Job>("job");
    QTest::newRow("read") << Job::Read;
    QTest::newRow("write") << Job::Write;
}

void tst_Transfer::unplugAtEveryTransfer()
{
    QFETCH(Job, job);
    const QByteArray device = ConfigFileFixtures::randomBytes(16, ImageSize);
    const QByteArray local = ConfigFileFixtures::randomBytes(17, ImageSize);

    // A fresh window connected to a controller that goes after `unplugAfter` transfers of the
    // job (-1: never); returns the transfers of the job that reached the controller.
    const auto run = [&](int unplugAfter) {
        cleanup();
        init();
        SimulatedController &c = rig->connectTo();
        setConfiguration(c, device);
        rig->setImage(local);
        UnplugSweep::arm(rig->bus, c, unplugAfter);
        rig->click(job == Job::Read ? "pbReadConf" : "pbSendConf");
        // Only transfers that reach the controller count towards its unplug knob: not those
        // made while it restarts after the write.
        return UnplugSweep::reached(rig->log());
    };

    const int transfers = run(-1);
    QVERIFY(transfers > 41);
    UnplugSweep::sweep(transfers, run, [&](int k) {
        const QString row
            = QStringLiteral("unplugged after %1 of %2 transfers").arg(k).arg(transfers);
        QStringList texts;
        for (const ScriptedPrompts::Shown &s : rig->script.shown)
            texts << s.text;
        const bool succeeded = texts.contains(readOk) || texts.contains(writeOk);
        if (job == Job::Read && !succeeded)
            QVERIFY2(rig->image() == local, qPrintable(row));
        if (!succeeded)
            QVERIFY2(texts.contains(linkErrorText), qPrintable(row + '\n' + texts.join('|')));
        // Whatever happened, the controller is gone now and the window says so, or (a write
        // that succeeded) it never came back after its reset.
        QVERIFY2(!rig->kelvo.usbDevice.isOpen(), qPrintable(row));
        QCOMPARE(rig->kelvo.connected, 0);
        QCOMPARE(rig->text("lbConn"), QStringLiteral("Disconnected"));
        QVERIFY(!rig->kelvo.progressDialog);
    });
}

QTEST_MAIN(tst_Transfer)
#include "tst_transfer.moc"
