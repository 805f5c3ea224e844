// The controller's long jobs as a program without windows runs them: each returns what happened,
// and a configuration read fills only the buffer it is given.

#include "controller/kelvo_controller_class.h"
#include "model/configfile.h"
#include "model/configlayout.h"
#include "simulator/simulatedbus.h"
#include "support/configfilefixtures.h"
#include "support/controllerrig.h"
#include "support/scriptedprompts.h"
#include "support/upgradefilemaker.h"
#include "support/virtualclock.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <memory>

using namespace ConfigLayout;
using Outcome = JobResult::Outcome;
using Answer = FirmwareJobOptions::Answer;

Q_DECLARE_METATYPE(Outcome)
Q_DECLARE_METATYPE(Answer)

// A firmware file for the rig's controller carries core 'A' in these tests.
struct JobRig : ControllerRig
{
    JobRig() { device->version = {1, 5, 'A'}; }
    QByteArray image() const
    {
        return QByteArray(reinterpret_cast<const char *>(kelvo.configImage()), ImageSize);
    }
};

class tst_Jobs : public QObject
{
    Q_OBJECT

private slots:
    void connectReports_data();
    void connectReports();
    void write_data();
    void write();
    void readIntoTheCallersBuffer_data();
    void readIntoTheCallersBuffer();
    void firmware_data();
    void firmware();
    void firmwareAnswersGivenAreNotAsked_data();
    void firmwareAnswersGivenAreNotAsked();
    void files_data();
    void files();
    void settingsReportThroughTheirResult_data();
    void settingsReportThroughTheirResult();

private:
    QTemporaryDir dir;
};

void tst_Jobs::connectReports_data()
{
    QTest::addColumn<bool>("plugged");
    QTest::addColumn<Outcome>("outcome");
    QTest::newRow("a controller") << true << Outcome::Done;
    QTest::newRow("none") << false << Outcome::NotConnected;
}

void tst_Jobs::connectReports()
{
    QFETCH(bool, plugged);
    QFETCH(Outcome, outcome);
    JobRig rig;
    if (!plugged)
        rig.device->unplug();
    QSignalSpy status(&rig.kelvo, &kelvo_controller_class::setConnectionStatus);
    const JobResult result = rig.kelvo.connectController();
    QCOMPARE(result.outcome, outcome);
    QCOMPARE(rig.kelvo.connected, plugged ? 1 : 0);
    QCOMPARE(status.count(), 1);
    QCOMPARE(status[0][0].toBool(), plugged);
    QVERIFY(rig.script.shown.isEmpty());
}

void tst_Jobs::write_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<bool>("started");
    QTest::addColumn<int>("blocks");
    QTest::newRow("done") << 0 << Outcome::Done << true << CONF_BLOCK_COUNT;
    QTest::newRow("not connected") << 1 << Outcome::NotConnected << false << 0;
    QTest::newRow("unplugged during the blocks") << 2 << Outcome::LinkLost << true << -1;
    QTest::newRow("error bit instead of done")
        << 3 << Outcome::WrongAnswer << true << CONF_BLOCK_COUNT;
}

void tst_Jobs::write()
{
    QFETCH(int, fault);
    QFETCH(Outcome, outcome);
    QFETCH(bool, started);
    QFETCH(int, blocks);

    JobRig rig;
    if (fault != 1)
        QVERIFY(rig.connect());
    if (fault == 2)
        rig.device->faults.unplugAfterTransfers = 40;
    if (fault == 3)
        rig.device->faults.errorOnRequest << REQ_CONF_WRITE;
    QByteArray image = ConfigFileFixtures::randomBytes(7, ImageSize);

    const JobResult result = rig.kelvo.writeConfiguration(reinterpret_cast<u8 *>(image.data()));
    QCOMPARE(result.outcome, outcome);
    QCOMPARE(result.started, started);
    if (blocks >= 0)
        QCOMPARE(result.blocks, blocks);
    else
        QVERIFY(result.blocks > 0 && result.blocks < CONF_BLOCK_COUNT);
    const QByteArray stored(reinterpret_cast<const char *>(rig.device->configuration.data()),
                            ImageSize);
    if (result.ok())
        QCOMPARE(stored, image);
    // The result is the report: no box says "Sucessfull!" or "Failed!" unless the slot shows it.
    for (const ScriptedPrompts::Shown &box : rig.script.shown)
        QVERIFY2(box.text == QLatin1String("USB connection ERROR"), qPrintable(box.text));
    QCOMPARE(rig.device->resets(), 0); // restarting is the caller's choice
}

void tst_Jobs::readIntoTheCallersBuffer_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<Outcome>("outcome");
    QTest::newRow("done") << 0 << Outcome::Done;
    QTest::newRow("cancelled") << 1 << Outcome::Cancelled;
    QTest::newRow("a block with a bad checksum") << 2 << Outcome::WrongAnswer;
    QTest::newRow("a block number twice") << 3 << Outcome::WrongAnswer;
    QTest::newRow("unplugged") << 4 << Outcome::LinkLost;
}

void tst_Jobs::readIntoTheCallersBuffer()
{
    QFETCH(int, fault);
    QFETCH(Outcome, outcome);

    JobRig rig;
    QVERIFY(rig.connect());
    const QByteArray held = ConfigFileFixtures::randomBytes(11, ImageSize);
    std::memcpy(rig.device->configuration.data(), held.constData(), ImageSize);
    if (fault == 1)
        rig.script.cancelAtValue = 20;
    if (fault == 2)
        rig.device->faults.corruptChecksumBlock = 7;
    if (fault == 3) {
        rig.device->faults.wrongNumberBlock = 9;
        rig.device->faults.wrongNumber = 8;
    }
    if (fault == 4)
        rig.device->faults.unplugAfterTransfers = 60;

    const QByteArray windowImage = rig.image();
    QSignalSpy edits(&rig.kelvo.document(), &ConfigDocument::edited);
    QSignalSpy finished(&rig.kelvo, &kelvo_controller_class::readKelvoFinished);
    QByteArray buffer(ImageSize, char(0x5A));
    const JobResult result = rig.kelvo.readConfiguration(reinterpret_cast<u8 *>(buffer.data()));

    QCOMPARE(result.outcome, outcome);
    QVERIFY(result.started);
    QCOMPARE(buffer, result.ok() ? held : QByteArray(ImageSize, char(0x5A)));
    // The program's own image is not the caller's buffer.
    QCOMPARE(rig.image(), windowImage);
    QCOMPARE(edits.count(), 0);
    QCOMPARE(finished.count(), 0);
    QCOMPARE(rig.kelvo.rcuAddrShown, RcuAddrUnknown);
}

void tst_Jobs::firmware_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("upgrade");
    QTest::addColumn<bool>("connect");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<bool>("started");
    QTest::addColumn<QString>("detail");
    QTest::newRow("upgrade") << "good" << true << true << Outcome::Done << true << "";
    QTest::newRow("verify, two blocks differ")
        << "good" << false << true << Outcome::Differs << true << "";
    QTest::newRow("not connected")
        << "good" << true << false << Outcome::NotConnected << false << "Not connected !";
    QTest::newRow("not an upgrade file")
        << "text" << true << true << Outcome::Refused << false << "isn't proper upgrade file !";
    QTest::newRow("no such file") << "missing" << true << true << Outcome::Refused << false
                                  << "File not found : ";
    QTest::newRow("another version to verify")
        << "other" << false << true << Outcome::Refused << false << "Different versions !";
    QTest::newRow("cancelled") << "good" << true << true << Outcome::Cancelled << true
                               << "Process canceled !";
}

void tst_Jobs::firmware()
{
    QFETCH(QString, file);
    QFETCH(bool, upgrade);
    QFETCH(bool, connect);
    QFETCH(Outcome, outcome);
    QFETCH(bool, started);
    QFETCH(QString, detail);

    JobRig rig;
    if (connect)
        QVERIFY(rig.connect());
    UpgradeFileMaker maker;
    // Repeated, so that it packs into the space the file allows.
    maker.firmware = ConfigFileFixtures::randomBytes(3, 4096).repeated(16);
    if (file == QLatin1String("other"))
        maker.text = "Kelvo firmware v_1_07A\r\n";
    QByteArray bytes = maker.build();
    if (file == QLatin1String("text"))
        bytes = QByteArray(500, 'x');
    const QString name = dir.filePath(file + QStringLiteral(".upg"));
    if (file != QLatin1String("missing")) {
        QFile out(name);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    if (!upgrade) {
        // The controller holds the file's firmware but for blocks 4 and 200.
        std::memcpy(rig.device->firmware.data(), maker.firmware.constData(),
                    SimulatedController::FirmwareSize);
        rig.device->firmware[3 * BLOCK_DATA_SIZE] ^= 1;
        rig.device->firmware[199 * BLOCK_DATA_SIZE + 5] ^= 1;
    }
    if (outcome == Outcome::Cancelled)
        rig.script.cancelAtValue = 50;

    const JobResult result = rig.kelvo.runFirmwareJob(name, upgrade);
    QVERIFY2(result.outcome == outcome, qPrintable(result.detail));
    QCOMPARE(result.started, started);
    QVERIFY2(detail.isEmpty() ? result.detail.isEmpty() : result.detail.contains(detail),
             qPrintable(result.detail));
    if (outcome == Outcome::Differs)
        QCOMPARE(result.differingBlocks, (QList<int> {4, 200}));
    if (outcome == Outcome::Done) {
        QCOMPARE(result.blocks, FW_BLOCK_COUNT);
        QVERIFY(std::memcmp(rig.device->firmware.data(), maker.firmware.constData(),
                            SimulatedController::FirmwareSize)
                == 0);
    }
    // Only the questions a job asks are boxes; its outcome is the caller's to tell.
    for (const ScriptedPrompts::Shown &box : rig.script.shown)
        QCOMPARE(box.kind, Prompts::Kind::Question);
}

void tst_Jobs::firmwareAnswersGivenAreNotAsked_data()
{
    QTest::addColumn<bool>("upgrade");
    QTest::addColumn<Answer>("given"); // to the one question the job meets
    QTest::addColumn<QList<Prompts::Button>>("clicked"); // on the boxes that are asked
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QList<int>>("differing");

    // The controller runs 1.05; the upgrade file is 1.00. A verify meets blocks 4 and 200.
    const QString older = QStringLiteral("Do you really want to install older firmware release?");
    const QString block4 = QStringLiteral("Verification failed : block 4\n  Continue ?");
    const QString block200 = QStringLiteral("Verification failed : block 200\n  Continue ?");
    const QList<Prompts::Button> none;
    QTest::newRow("older, asked, Yes, I do!")
        << true << Answer::Ask << QList<Prompts::Button> {Prompts::Yes} << QStringList {older}
        << Outcome::Done << QList<int>();
    QTest::newRow("older, asked, Cancel")
        << true << Answer::Ask << QList<Prompts::Button> {Prompts::Cancel} << QStringList {older}
        << Outcome::Cancelled << QList<int>();
    QTest::newRow("older, yes given")
        << true << Answer::Yes << none << QStringList() << Outcome::Done << QList<int>();
    QTest::newRow("older, no given")
        << true << Answer::No << none << QStringList() << Outcome::Cancelled << QList<int>();
    QTest::newRow("verify, asked, Yes ! twice")
        << false << Answer::Ask << QList<Prompts::Button> {Prompts::Yes, Prompts::Yes}
        << QStringList {block4, block200} << Outcome::Differs << QList<int> {4, 200};
    QTest::newRow("verify, asked, No ...")
        << false << Answer::Ask << QList<Prompts::Button> {Prompts::No} << QStringList {block4}
        << Outcome::Cancelled << QList<int> {4};
    QTest::newRow("verify, yes given")
        << false << Answer::Yes << none << QStringList() << Outcome::Differs << QList<int> {4, 200};
    QTest::newRow("verify, no given")
        << false << Answer::No << none << QStringList() << Outcome::Cancelled << QList<int> {4};
}

void tst_Jobs::firmwareAnswersGivenAreNotAsked()
{
    QFETCH(bool, upgrade);
    QFETCH(Answer, given);
    QFETCH(QList<Prompts::Button>, clicked);
    QFETCH(QStringList, asked);
    QFETCH(Outcome, outcome);
    QFETCH(QList<int>, differing);

    JobRig rig;
    QVERIFY(rig.connect());
    UpgradeFileMaker maker;
    maker.firmware = ConfigFileFixtures::randomBytes(3, 4096).repeated(16);
    if (upgrade)
        maker.text = "Kelvo firmware v_1_00A\r\n";
    const QString name = dir.filePath(QStringLiteral("answers.upg"));
    QVERIFY(ConfigFileFixtures::writeFile(name, maker.build()));
    const std::vector<u8> before = rig.device->firmware;
    if (!upgrade) {
        std::memcpy(rig.device->firmware.data(), maker.firmware.constData(),
                    SimulatedController::FirmwareSize);
        rig.device->firmware[3 * BLOCK_DATA_SIZE] ^= 1;
        rig.device->firmware[199 * BLOCK_DATA_SIZE + 5] ^= 1;
    }
    rig.script.answers = clicked;
    // The other question is answered the other way: a mix-up of the two shows.
    FirmwareJobOptions answers;
    const Answer other = given == Answer::Yes ? Answer::No : Answer::Yes;
    answers.installOlder = upgrade ? given : other;
    answers.continuePastDifference = upgrade ? other : given;

    const JobResult result = rig.kelvo.runFirmwareJob(name, upgrade, answers);
    QVERIFY2(result.outcome == outcome, qPrintable(result.detail));
    QCOMPARE(result.differingBlocks, differing);
    QStringList shown;
    for (const ScriptedPrompts::Shown &box : rig.script.shown)
        shown << box.text;
    QCOMPARE(shown, asked);
    if (upgrade)
        QCOMPARE(rig.device->firmware == before, outcome != Outcome::Done);
}

void tst_Jobs::files_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("detail");
    QTest::newRow("write, then read back") << 0 << Outcome::Done << "";
    QTest::newRow("read a broken file") << 1 << Outcome::FileError << "File is broken.";
    QTest::newRow("write into a folder that is not there")
        << 2 << Outcome::FileError << "No such file or directory";
}

void tst_Jobs::files()
{
    QFETCH(int, which);
    QFETCH(Outcome, outcome);
    QFETCH(QString, detail);

    const QByteArray image = ConfigFileFixtures::randomBytes(5, ImageSize);
    const auto *bytes = reinterpret_cast<const u8 *>(image.constData());
    const QString name = dir.filePath(QStringLiteral("job%1.cfgkv").arg(which));
    JobResult result;
    QByteArray read(ImageSize, 0);
    if (which == 0) {
        QVERIFY(kelvo_controller_class::writeConfigurationFile(name, bytes).ok());
        result = kelvo_controller_class::readConfigurationFile(name,
                                                               reinterpret_cast<u8 *>(read.data()));
        QCOMPARE(read, image);
    } else if (which == 1) {
        QFile out(name);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(ConfigFile::encode(bytes, QDateTime::currentDateTime()).chopped(1) + "x");
        out.close();
        result = kelvo_controller_class::readConfigurationFile(name,
                                                               reinterpret_cast<u8 *>(read.data()));
        QCOMPARE(read, QByteArray(ImageSize, 0)); // untouched
    } else {
        result = kelvo_controller_class::writeConfigurationFile(
            dir.filePath(QStringLiteral("nowhere/x.cfgkv")), bytes);
    }
    QCOMPARE(result.outcome, outcome);
    QVERIFY2(detail.isEmpty() ? result.detail.isEmpty() : result.detail.contains(detail),
             qPrintable(result.detail));
}

void tst_Jobs::settingsReportThroughTheirResult_data()
{
    QTest::addColumn<int>("job"); // 0 learn an input, 1 read the address, 2 set the address
    QTest::addColumn<bool>("connected");
    QTest::addColumn<u8>("failure"); // a request the controller fails, 0: none
    QTest::addColumn<int>("pressed"); // the input operated while it waits, -1: none
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("detail");

    using O = JobResult::Outcome;
    const QString usb = QStringLiteral("USB Interface");
    const QString failed = QStringLiteral("Command failed !");
    QTest::newRow("learn: input 3") << 0 << true << u8(0) << 2 << int(O::Done) << 2 << ""
                                    << "";
    QTest::newRow("learn: not connected")
        << 0 << false << u8(0) << -1 << int(O::NotConnected) << -1 << usb << "Not connected !";
    QTest::newRow("learn: nobody operates an input")
        << 0 << true << u8(0) << -1 << int(O::Cancelled) << -1 << "Input selection :"
        << "Time is over !";
    QTest::newRow("learn: the query fails")
        << 0 << true << REQ_QUERY << 2 << int(O::WrongAnswer) << -1 << usb << failed;
    QTest::newRow("address: read") << 1 << true << u8(0) << -1 << int(O::Done) << 9 << ""
                                   << "";
    QTest::newRow("address: not connected")
        << 1 << false << u8(0) << -1 << int(O::NotConnected) << -1 << usb << "Not connected !";
    QTest::newRow("address: set, the controller reports an error")
        << 2 << true << REQ_QUERY << -1 << int(O::WrongAnswer) << -1 << usb << failed;
    QTest::newRow("address: set") << 2 << true << u8(0) << -1 << int(O::Done) << -1 << ""
                                  << "";
    QTest::newRow("address: set, not connected")
        << 2 << false << u8(0) << -1 << int(O::Refused) << -1 << ""
        << "";
}

// The service asks nothing and shows nothing: what went wrong is the result's, for the window's
// box or kelvoctl's message.
void tst_Jobs::settingsReportThroughTheirResult()
{
    QFETCH(int, job);
    QFETCH(bool, connected);
    QFETCH(u8, failure);
    QFETCH(int, pressed);
    QFETCH(int, outcome);
    QFETCH(int, value);
    QFETCH(QString, title);
    QFETCH(QString, detail);

    JobRig rig;
    rig.bus.controlLatencyMs = 1; // the status is polled without pauses
    rig.device->configuration[RcuSysAddr] = 9;
    if (connected)
        QVERIFY(rig.connect());
    if (pressed >= 0)
        rig.device->queuePress(SimulatedController::PressKind::Input, pressed, 2000);
    if (failure)
        rig.device->faults.errorOnRequest.append(failure);

    const JobResult result = job == 0 ? rig.kelvo.learnNext(false)
        : job == 1                    ? rig.kelvo.querySysAddress()
                                      : rig.kelvo.setSysAddress(7);

    QCOMPARE(int(result.outcome), outcome);
    QCOMPARE(result.ok() ? result.value : -1, value);
    QCOMPARE(result.detailTitle, title);
    QCOMPARE(result.detail, detail);
    QVERIFY(rig.script.shown.isEmpty());
}

QTEST_GUILESS_MAIN(tst_Jobs)
#include "tst_jobs.moc"
