// Connecting, live mode and the settings the controller helps with, driven through the real
// window against the simulated controller, on virtual time.

#include "controller/kelvo_controller_class.h"
#include "device/kelvoprotocol.h"
#include "dialogs/reconnectdialog.h"
#include "editors/funcsetter.h"
#include "editors/readablecolour.h"
#include "model/configlayout.h"
#include "shell/appstate.h"
#include "shell/gui_class.h"
#include "simulator/simulatedbus.h"
#include "support/configfilefixtures.h"
#include "support/debugcapture.h"
#include "support/modaldriver.h"
#include "support/scriptedprompts.h"
#include "support/unplugsweep.h"
#include "support/virtualclock.h"
#include "support/windowrig.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <cstring>
#include <functional>
#include <memory>

using namespace ConfigLayout;
using Kind = Transaction::Kind;
using Press = SimulatedController::PressKind;

namespace {

const QString serialA = QStringLiteral("KLV0000000A");
const QString serialB = QStringLiteral("KLV0000000B");
const QString linkErrorText = QStringLiteral("USB connection ERROR");
const QString commandFailed = QStringLiteral("Command failed !");

enum class Op { Connect, LiveOn, LiveOff, LearnInput, ReadAddress, WriteAddress };

// Who keeps the controller from the window.
enum class Holder {
    NamedProgram, // another program that the system names
    UnnamedProgram, // another program; the system does not tell which
    AnotherWindow, // another window of this process, on the same bus
};

} // namespace

Q_DECLARE_METATYPE(Op)
Q_DECLARE_METATYPE(Holder)

class tst_Connection : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void connectWithoutController();
    void connectToABusyController_data();
    void connectToABusyController();
    void connectAndDisconnect_data();
    void connectAndDisconnect();
    void serialAndVersionFitTheirLabels_data();
    void serialAndVersionFitTheirLabels();
    void reconnectDialogForm();
    void reconnectDialogAnswers_data();
    void reconnectDialogAnswers();
    void loaderModeShowsUpgrade();
    void resetWhileLive_data();
    void resetWhileLive();

    void modeButtonsNeedADevice_data();
    void modeButtonsNeedADevice();
    void liveAndNormalMode();
    void liveValues();
    void liveValueRetries_data();
    void liveValueRetries();
    void scenePreparation_data();
    void scenePreparation();
    void scenePreparationAttempts_data();
    void scenePreparationAttempts();
    void chgdPrevOnlyEditsTheImage();

    void learning_data();
    void learning();
    void learnThroughTheWindow();
    void learnSelectsRow_data();
    void learnSelectsRow();
    void systemAddress_data();
    void systemAddress();
    void writeSysAddressRefusesOtherValues();
    void inputSimulator();

    void unplugAtEveryTransfer_data();
    void unplugAtEveryTransfer();

private:
    std::unique_ptr<WindowRig> rig;
    ModalDriver modal;

    // Answers every reconnect dialog, from inside its own event loop, with `answer`.
    QByteArray lastSceneSent();
    // The rows of a table's selection, one entry per selected cell.
    QList<int> selectedRows(const char *table);
};

void tst_Connection::init()
{
    rig = std::make_unique<WindowRig>();
}

void tst_Connection::cleanup()
{
    modal.stop();
    rig.reset();
    QCOMPARE(QApplication::topLevelWidgets(), QWidgetList());
}

QByteArray tst_Connection::lastSceneSent()
{
    const QList<Transaction> bulk = rig->log().filtered(
        [](const Transaction &t) { return t.kind == Kind::Bulk && t.endpoint == EP_BULK_OUT; });
    return bulk.isEmpty() ? QByteArray() : bulk.last().data;
}

QList<int> tst_Connection::selectedRows(const char *table)
{
    QList<int> rows;
    for (const QModelIndex &i : rig->child<funcSetter>(table)->selectionModel()->selectedIndexes())
        rows << i.row();
    return rows;
}

// --- Connecting ----------------------------------------------------------------------------------

void tst_Connection::connectWithoutController()
{
    rig->click("pbConnect");
    QCOMPARE(rig->debug.lines.count(QStringLiteral("Ponowienie ...")), 10);
    QCOMPARE(rig->debug.lines.last(), QStringLiteral("Ponowienia :10"));
    QCOMPARE(rig->log().count(Kind::Enumerate), 10);
    QCOMPARE(rig->text("lbConn"), QStringLiteral("Disconnected"));
    QCOMPARE(rig->child<QLabel>("lbConn")->palette().color(QPalette::WindowText),
             QColor(220, 0, 0));
    QCOMPARE(rig->text("lbSerial"), QStringLiteral("S/N ----"));
    QCOMPARE(rig->text("lbFirmWare"), QStringLiteral("F/W ----"));
    QCOMPARE(rig->child<QPushButton>("pbConnect")->text(), QStringLiteral("Connect to Kelvo"));
    QVERIFY(rig->child<QPushButton>("pbConnect")->isEnabled());
    QVERIFY(!rig->child<QPushButton>("pbLiveMode")->isEnabled());
    QVERIFY(rig->script.shown.isEmpty()); // a failed connect is only in the debug log
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<QDialog *>(w)); // the "Connecting ..." box is gone
}

void tst_Connection::connectToABusyController_data()
{
    QTest::addColumn<Holder>("holder");
    QTest::addColumn<bool>("freeToo"); // a second controller nobody holds
    QTest::addColumn<QString>("text"); // of the box; none when empty

    const QString unnamed = QStringLiteral(
        "Another program is using the Kelvo controller.\nThe system does not tell which one. "
        "Close it, then connect again.");
    QTest::newRow("held by a program the system names")
        << Holder::NamedProgram << false
        << "Another program is using the Kelvo controller:\nkelvoctl (process 4242)\nClose it, "
           "then connect again.";
    QTest::newRow("held by a program the system does not name")
        << Holder::UnnamedProgram << false << unnamed;
    QTest::newRow("held by another window") << Holder::AnotherWindow << false << unnamed;
    QTest::newRow("held one and a free one: the free one connects")
        << Holder::NamedProgram << true << QString();
}

void tst_Connection::connectToABusyController()
{
    QFETCH(Holder, holder);
    QFETCH(bool, freeToo);
    QFETCH(QString, text);

    SimulatedController &held = rig->bus.addController(serialA);
    if (freeToo)
        rig->bus.addController(serialB);
    QStringList othersOfTheOther;
    t_threadUsbDevice otherWindow(othersOfTheOther);
    switch (holder) {
    case Holder::NamedProgram:
        held.faults.claimedElsewhere = true;
        held.faults.heldBy = {4242, QStringLiteral("kelvoctl")};
        break;
    case Holder::UnnamedProgram:
        held.faults.claimFails = true;
        break;
    case Holder::AnotherWindow:
        otherWindow.setIds(KELVO_VENDOR_ID, KELVO_PRODUCT_ID);
        otherWindow.setBackend(&rig->bus);
        QCOMPARE(otherWindow.findDevice(), 0);
        break;
    }

    rig->click("pbConnect");
    QCOMPARE(rig->kelvo.usbDevice.isOpen(), freeToo);
    QCOMPARE(rig->text("lbConn"), freeToo ? QStringLiteral("Connected") : "Disconnected");
    if (text.isEmpty()) {
        QVERIFY(rig->script.shown.isEmpty());
        QCOMPARE(rig->kelvo.usbDevice.serialNumber, serialB);
        return;
    }
    // Tried as often as for a missing controller, then told once, after the "Connecting ..." box.
    QCOMPARE(rig->debug.lines.count(QStringLiteral("Ponowienie ...")), 10);
    QCOMPARE(rig->script.shown.size(), 1);
    const ScriptedPrompts::Shown &box = rig->script.shown.first();
    QCOMPARE(box.kind, Prompts::Kind::Warning);
    QCOMPARE(box.parent, rig->window.get());
    QCOMPARE(box.title, QStringLiteral("USB Interface"));
    QCOMPARE(box.text, text);
    QCOMPARE(rig->bus.openHandles(), holder == Holder::AnotherWindow ? 1 : 0);
}

void tst_Connection::connectAndDisconnect_data()
{
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<int>("versionFailures");
    QTest::addColumn<bool>("serialReadable");
    QTest::addColumn<QString>("serialText");
    QTest::addColumn<QString>("firmwareText");

    const QString sn = QStringLiteral("S/N ") + serialA;
    QTest::newRow("1.05a") << QByteArray("\x01\x05"
                                         "a")
                           << 0 << true << sn << "F/W ver. 1.05a";
    QTest::newRow("2.03b") << QByteArray("\x02\x03"
                                         "b")
                           << 0 << true << sn << "F/W ver. 2.03b";
    QTest::newRow("minor 12") << QByteArray("\x01\x0C"
                                            "c")
                              << 0 << true << sn << "F/W ver. 1.12c";
    QTest::newRow("version on the tenth read") << QByteArray("\x01\x05"
                                                             "a")
                                               << 9 << true << sn << "F/W ver. 1.05a";
    QTest::newRow("version never read") << QByteArray("\x01\x05"
                                                      "a")
                                        << 10 << true << sn << "F/W ----";
    QTest::newRow("serial not readable") << QByteArray("\x01\x05"
                                                       "a")
                                         << 0 << false << "S/N ----"
                                         << "F/W ver. 1.05a";
}

void tst_Connection::connectAndDisconnect()
{
    QFETCH(QByteArray, version);
    QFETCH(int, versionFailures);
    QFETCH(bool, serialReadable);
    QFETCH(QString, serialText);
    QFETCH(QString, firmwareText);

    SimulatedController &c = rig->bus.addController(serialA);
    c.version = {u8(version[0]), u8(version[1]), version[2]};
    if (versionFailures)
        c.failRequest(REQ_VERSION, versionFailures);
    if (!serialReadable)
        c.iSerialNumber = 4; // discovery reads the serial there, readSerialNumber at index 3

    rig->click("pbConnect");
    QVERIFY(rig->kelvo.connected);
    QCOMPARE(rig->debug.lines.last(), QStringLiteral("Ponowienia :0"));
    QCOMPARE(rig->text("lbConn"), QStringLiteral("Connected"));
    // Green, and as dark as the window's background needs for it to read.
    const QColor green = rig->child<QLabel>("lbConn")->palette().color(QPalette::WindowText);
    QCOMPARE(green.hslHue(), QColor(0, 155, 0).hslHue());
    QVERIFY(ReadableColour::contrast(green, rig->window->palette().color(QPalette::Window))
            >= ReadableColour::MinimumContrast);
    QCOMPARE(rig->child<QPushButton>("pbConnect")->text(), QStringLiteral("Disconnect Kelvo"));
    QCOMPARE(rig->text("lbSerial"), serialText);
    QCOMPARE(rig->text("lbFirmWare"), firmwareText);
    QCOMPARE(rig->log().countRequest(REQ_VERSION), qMin(versionFailures + 1, 10));
    QVERIFY(rig->child<QPushButton>("pbLiveMode")->isEnabled());
    QVERIFY(rig->child<QPushButton>("pbNormalMode")->isEnabled());
    QVERIFY(rig->script.shown.isEmpty());

    rig->log().clear();
    rig->click("pbConnect");
    QVERIFY(!rig->kelvo.usbDevice.isOpen());
    QCOMPARE(rig->kelvo.connected, 0);
    QCOMPARE(rig->text("lbConn"), QStringLiteral("Disconnected"));
    QCOMPARE(rig->text("lbSerial"), QStringLiteral("S/N ----"));
    QCOMPARE(rig->text("lbFirmWare"), QStringLiteral("F/W ----"));
    const QList<Transaction> modes = rig->log().requests(REQ_SET_MODE);
    QCOMPARE(modes.size(), 1);
    QCOMPARE(modes[0].value, u16(MODE_NORMAL));
    QCOMPARE(rig->bus.openHandles(), 0);
}

void tst_Connection::serialAndVersionFitTheirLabels_data()
{
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QByteArray>("version");

    QTest::newRow("the demo's controller") << "KLV00000001"
                                           << QByteArray("\x01\x05"
                                                         "a");
    QTest::newRow("a letter at the end") << "KLV0000000A"
                                         << QByteArray("\x02\x03"
                                                       "b");
    QTest::newRow("all nines") << "KLV99999999"
                               << QByteArray("\x01\x0c"
                                             "c");
}

// The texts as the label draws them, in its own font, inside its fixed rectangle.
void tst_Connection::serialAndVersionFitTheirLabels()
{
    QFETCH(QString, serial);
    QFETCH(QByteArray, version);

    SimulatedController &c = rig->bus.addController(serial);
    c.version = {u8(version[0]), u8(version[1]), version[2]};
    rig->click("pbConnect");
    QVERIFY(rig->kelvo.usbDevice.isOpen());
    QCOMPARE(rig->text("lbSerial"), QStringLiteral("S/N ") + serial);

    const std::pair<const char *, QRect> labels[]
        = {{"lbSerial", QRect(10, 16, 111, 21)}, {"lbFirmWare", QRect(10, 40, 111, 31)}};
    for (const auto &[name, geometry] : labels) {
        auto *label = rig->child<QLabel>(name);
        QCOMPARE(label->geometry(), geometry);
        QCOMPARE(label->alignment(), Qt::AlignCenter);
        QCOMPARE(label->margin(), 0);
        QCOMPARE(label->font().pointSize(), rig->window->font().pointSize());
        const int width = QFontMetrics(label->font()).horizontalAdvance(label->text());
        QVERIFY2(width <= label->contentsRect().width(),
                 qPrintable(QStringLiteral("%1: \"%2\" is %3 px wide in %4 px")
                                .arg(QLatin1String(name), label->text())
                                .arg(width)
                                .arg(label->contentsRect().width())));
    }
}

void tst_Connection::reconnectDialogForm()
{
    SimulatedController &a = rig->connectTo(serialA);
    rig->click("pbConnect");
    rig->bus.unplug(a);
    rig->bus.addController(serialB);
    rig->window->move(100, 80);
    rig->window->resize(1000, 700);

    QStringList items;
    QString title;
    QString message;
    QStringList buttons;
    QRect geometry;
    QString defaultButton;
    modal.when<reconnectDialog>(
        [&](reconnectDialog *dialog) {
            title = dialog->windowTitle();
            message = dialog->findChild<QLabel *>()->text();
            auto *combo = dialog->findChild<QComboBox *>();
            for (int i = 0; i < combo->count(); ++i)
                items << combo->itemText(i);
            for (QPushButton *b : dialog->findChildren<QPushButton *>()) {
                buttons << QStringLiteral("%1 %2,%3").arg(b->text()).arg(b->x()).arg(b->y());
                if (b->isDefault())
                    defaultButton = b->text();
            }
            geometry = dialog->geometry();
            modal.stop();
            dialog->findChild<QPushButton *>(QStringLiteral("pbChange"))->click();
        },
        true);
    rig->click("pbConnect");

    QCOMPARE(title, QStringLiteral("Disconnected device !"));
    QCOMPARE(message,
             QStringLiteral("Previously connected controller is no longer available !\n"
                            "Retry or choose another device to connect."));
    QCOMPARE(items, QStringList {serialB});
    QCOMPARE(buttons, (QStringList {"Retry 30,100", "Change 140,100", "Cancel 250,100"}));
    QCOMPARE(defaultButton, QStringLiteral("Cancel"));
    const QPoint centre
        = rig->window->pos() + QPoint(rig->window->width() / 2, rig->window->height() / 2);
    QCOMPARE(geometry, QRect(centre.x() - 180, centre.y() - 50, 360, 140));
}

void tst_Connection::reconnectDialogAnswers_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("dialogs");
    QTest::addColumn<QString>("adopted");
    QTest::addColumn<bool>("connected");
    // Change adopts the other controller; Cancel ends one of the ten attempts, so the dialog
    // comes back on each; Retry searches again in the same attempt and finds A, plugged back in
    // while the dialog was up.
    QTest::newRow("Change") << "pbChange" << 1 << serialB << true;
    QTest::newRow("Cancel") << "pbCancel" << 10 << serialA << false;
    QTest::newRow("Retry") << "pbRetry" << 1 << serialA << true;
}

void tst_Connection::reconnectDialogAnswers()
{
    QFETCH(QString, answer);
    QFETCH(int, dialogs);
    QFETCH(QString, adopted);
    QFETCH(bool, connected);

    SimulatedController &a = rig->connectTo(serialA);
    rig->click("pbConnect");
    rig->bus.unplug(a);
    rig->bus.addController(serialB);

    int seen = 0;
    modal.when<reconnectDialog>(
        [&](reconnectDialog *dialog) {
            ++seen;
            if (answer == QLatin1String("pbRetry"))
                rig->bus.plug(a);
            dialog->findChild<QPushButton *>(answer)->click();
        },
        true);
    rig->click("pbConnect");

    QCOMPARE(seen, dialogs);
    QCOMPARE(rig->kelvo.usbDevice.serialNumber, adopted);
    QCOMPARE(rig->kelvo.usbDevice.isOpen(), connected);
    QCOMPARE(rig->text("lbConn"),
             connected ? QStringLiteral("Connected") : QStringLiteral("Disconnected"));
    if (connected)
        QCOMPARE(rig->text("lbSerial"), QStringLiteral("S/N ") + adopted);
}

void tst_Connection::loaderModeShowsUpgrade()
{
    SimulatedController &c = rig->bus.addController(serialA);
    c.faults.extraStatusBits = ST_MODE_LOADER;
    rig->click("pbConnect");
    QVERIFY(rig->kelvo.connected);
    QCOMPARE(rig->text("lbWMode"), QStringLiteral("Upgrade"));
    QVERIFY(!rig->child<QPushButton>("pbLiveMode")->isEnabled());
    QVERIFY(!rig->child<QPushButton>("pbNormalMode")->isEnabled());
    QCOMPARE(rig->text("lbConn"), QStringLiteral("Connected"));
}

void tst_Connection::resetWhileLive_data()
{
    QTest::addColumn<int>("enumerations"); // until the controller is back
    QTest::addColumn<int>("retries");
    QTest::addColumn<bool>("back");
    QTest::newRow("back at once") << 1 << 0 << true;
    QTest::newRow("back on the fifth search") << 5 << 4 << true;
    QTest::newRow("never back") << 1000 << 20 << false;
}

void tst_Connection::resetWhileLive()
{
    QFETCH(int, enumerations);
    QFETCH(int, retries);
    QFETCH(bool, back);

    SimulatedController &c = rig->connectTo();
    rig->click("pbLiveMode");
    QCOMPARE(c.mode(), MODE_LIVE);
    c.reappearAfterEnumerations = enumerations;
    rig->log().clear();
    rig->debug.lines.clear();

    rig->click("pbReset");
    QCOMPARE(c.resets(), 1);
    // Normal mode first, then the reset.
    const QList<Transaction> sent = rig->log().filtered([](const Transaction &t) {
        return t.kind == Kind::Control && (t.request == REQ_SET_MODE || t.request == REQ_RESET);
    });
    QVERIFY(sent.size() >= 2);
    QCOMPARE(sent[0].request, REQ_SET_MODE);
    QCOMPARE(sent[0].value, u16(MODE_NORMAL));
    QCOMPARE(sent[1].request, REQ_RESET);
    QCOMPARE(rig->debug.lines.count(QStringLiteral("Ponowienie ...")), retries);
    QCOMPARE(rig->kelvo.usbDevice.isOpen(), back);
    QCOMPARE(rig->kelvo.requestedMode, 0);
    QCOMPARE(rig->text("lbConn"),
             back ? QStringLiteral("Connected") : QStringLiteral("Disconnected"));
    QCOMPARE(rig->text("lbWMode"), QStringLiteral("Normal"));
    // Only the question before the reset, whatever came of it.
    QCOMPARE(rig->script.shown.size(), 1);
    QCOMPARE(rig->script.shown[0].kind, Prompts::Kind::Question);
}

// --- Live mode -----------------------------------------------------------------------------------

void tst_Connection::modeButtonsNeedADevice_data()
{
    QTest::addColumn<QString>("control");
    for (const char *name : {"btnGetRcu", "btnSend2Rcu", "btnAcceptAdr", "btnGenerate",
                             "slotLiveMode", "slotNormalMode"})
        QTest::newRow(name) << name;
}

void tst_Connection::modeButtonsNeedADevice()
{
    QFETCH(QString, control);
    // The live and normal buttons are disabled while disconnected; their slots still check.
    if (control.startsWith(QLatin1String("btn")))
        rig->child<QPushButton>(qPrintable(control))->click();
    else
        QVERIFY(QMetaObject::invokeMethod(rig->window.get(), qPrintable(control)));
    QCOMPARE(rig->script.shown.size(), 1);
    QCOMPARE(rig->script.shown[0].kind, Prompts::Kind::Critical);
    QCOMPARE(rig->script.shown[0].parent, rig->window.get());
    QCOMPARE(rig->script.shown[0].title, QStringLiteral("USB Interface"));
    QCOMPARE(rig->script.shown[0].text, QStringLiteral("Not connected!"));
    QCOMPARE(rig->log().countTransfers(), 0);
}

void tst_Connection::liveAndNormalMode()
{
    SimulatedController &c = rig->connectTo();
    u8 *image = rig->kelvo.configImage();
    image[SpecialLevelRed] = 10;
    image[SpecialLevelGreen] = 20;
    image[SpecialLevelBlue] = 30;
    rig->showPage(0, 2); // "Other": live mode shows the special scene

    rig->click("pbLiveMode");
    QCOMPARE(c.mode(), MODE_LIVE);
    QCOMPARE(rig->text("lbWMode"), QStringLiteral("Live"));
    QVERIFY(rig->kelvo.isLive());
    QCOMPARE(lastSceneSent().left(6), QByteArray("\x0A\x14\x1E\x0A\x14\x1E"));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(c.liveLevels.data()), 3),
             QByteArray("\x0A\x14\x1E"));

    rig->log().clear();
    rig->click("pbLiveMode"); // already live: nothing
    QCOMPARE(rig->log().countTransfers(), 0);

    rig->click("pbNormalMode");
    QCOMPARE(c.mode(), MODE_NORMAL);
    QCOMPARE(rig->text("lbWMode"), QStringLiteral("Normal"));
    QVERIFY(!rig->kelvo.isLive());
    rig->log().clear();
    rig->click("pbNormalMode"); // already normal: nothing
    rig->kelvo.send_new_val(3, 200); // live mode off: nothing goes out
    rig->kelvo.send_sc_prep(1, 1);
    QCOMPARE(rig->log().countTransfers(), 0);
    QVERIFY(rig->script.shown.isEmpty());
}

void tst_Connection::liveValues()
{
    SimulatedController &c = rig->connectTo();
    rig->click("pbLiveMode");
    rig->log().clear();
    rig->kelvo.send_new_val(5, 77);
    const QList<Transaction> values = rig->log().requests(REQ_LIVE_VALUE);
    QCOMPARE(values.size(), 1);
    QCOMPARE(values[0].value, u16(77));
    QCOMPARE(values[0].index, u16(5));
    QCOMPARE(c.liveLevels[5], u8(77));
    QCOMPARE(rig->log().countTransfers(), 1);
}

void tst_Connection::liveValueRetries_data()
{
    QTest::addColumn<int>("failures");
    QTest::addColumn<int>("sends");
    QTest::addColumn<bool>("linkError");
    QTest::newRow("nine failures") << 9 << 10 << false;
    QTest::newRow("ten failures") << 10 << 10 << true;
}

void tst_Connection::liveValueRetries()
{
    QFETCH(int, failures);
    QFETCH(int, sends);
    QFETCH(bool, linkError);

    SimulatedController &c = rig->connectTo();
    rig->click("pbLiveMode");
    rig->log().clear();
    c.failRequest(REQ_LIVE_VALUE, failures);
    rig->kelvo.send_new_val(0, 1);
    QCOMPARE(rig->log().countRequest(REQ_LIVE_VALUE), sends);
    QCOMPARE(rig->shown(linkErrorText), linkError);
    QCOMPARE(rig->kelvo.usbDevice.isOpen(), !linkError);
}

void tst_Connection::scenePreparation_data()
{
    QTest::addColumn<int>("pgm");
    QTest::addColumn<int>("scene");
    QTest::addColumn<int>("offset"); // of the 64 image bytes sent; -1 colour, -2 zeros

    QTest::newRow("program 2, step 1") << 2 << 1 << 0xD00;
    QTest::newRow("independent scene 1") << 0 << 1 << 0x500;
    QTest::newRow("independent scene 15") << 0 << 15 << 0x880;
    QTest::newRow("program 8, step 16") << 8 << 16 << 0x28C0;
    QTest::newRow("special scene") << 0 << 16 << -1;
    QTest::newRow("blackout") << 3 << -1 << -2;
    QTest::newRow("step 0 shows step 1") << 4 << 0 << 0x1500;
}

void tst_Connection::scenePreparation()
{
    QFETCH(int, pgm);
    QFETCH(int, scene);
    QFETCH(int, offset);

    SimulatedController &c = rig->connectTo();
    rig->click("pbLiveMode");
    const QByteArray image = ConfigFileFixtures::randomBytes(42, ImageSize);
    std::memcpy(rig->kelvo.configImage(), image.constData(), ImageSize);
    rig->log().clear();

    rig->kelvo.send_sc_prep(pgm, scene);
    QByteArray expected;
    if (offset >= 0) {
        expected = image.mid(offset, 64);
    } else if (offset == -1) {
        for (int ch = 0; ch < 64; ++ch)
            expected.append(image[SpecialLevelRed + ch % 3]);
    } else {
        expected = QByteArray(64, '\0');
    }
    QCOMPARE(lastSceneSent(), expected);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(c.liveLevels.data()), 64), expected);
    const QList<Transaction> prep = rig->log().requests(REQ_SCENE_PREP);
    QCOMPARE(prep.size(), 1);
    QCOMPARE(prep[0].value, u16(1));
    QCOMPARE(prep[0].index, u16(0));
    QVERIFY(rig->script.shown.isEmpty());
}

void tst_Connection::scenePreparationAttempts_data()
{
    QTest::addColumn<int>("errors"); // exchanges that end with ST_U_ERR
    QTest::addColumn<int>("requests");
    QTest::addColumn<bool>("linkError");
    QTest::newRow("success at once") << 0 << 1 << false;
    QTest::newRow("success on the eleventh attempt") << 10 << 11 << false;
    QTest::newRow("eleven failures") << 11 << 11 << true;
}

void tst_Connection::scenePreparationAttempts()
{
    QFETCH(int, errors);
    QFETCH(int, requests);
    QFETCH(bool, linkError);

    SimulatedController &c = rig->connectTo();
    rig->click("pbLiveMode");
    rig->log().clear();
    for (int i = 0; i < errors; ++i)
        c.faults.errorOnceOnRequest.append(REQ_SCENE_PREP);
    rig->kelvo.send_sc_prep(1, 2);
    QCOMPARE(rig->log().countRequest(REQ_SCENE_PREP), requests);
    QCOMPARE(rig->shown(linkErrorText), linkError);
    QCOMPARE(rig->script.shown.size(), linkError ? 1 : 0);
    QCOMPARE(rig->kelvo.usbDevice.isOpen(), !linkError);
}

void tst_Connection::chgdPrevOnlyEditsTheImage()
{
    rig->connectTo();
    rig->click("pbLiveMode");
    rig->showPage(3);
    rig->log().clear();
    rig->child<QSpinBox>("sbPreview")->setValue(7);
    QCOMPARE(rig->kelvo.configImage()[PreviewFirstChannel], u8(6));
    QCOMPARE(rig->log().countTransfers(), 0);
}

// --- Device-assisted settings --------------------------------------------------------------------

void tst_Connection::learning_data()
{
    QTest::addColumn<bool>("remote");
    QTest::addColumn<int>("pressed"); // -1: nobody presses
    QTest::addColumn<u8>("failure"); // a command that ends with ST_U_ERR, or 0
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");

    QTest::newRow("input 3") << false << 3 << u8(0) << 3 << ""
                             << "";
    QTest::newRow("remote key 63") << true << 63 << u8(0) << 63 << ""
                                   << "";
    QTest::newRow("a byte of 0x90 is negative") << false << 0x90 << u8(0) << -112 << ""
                                                << "";
    QTest::newRow("nobody presses an input") << false << -1 << u8(0) << -1 << "Input selection :"
                                             << "Time is over !";
    QTest::newRow("nobody presses a key: same title")
        << true << -1 << u8(0) << -1 << "Input selection :"
        << "Time is over !";
    QTest::newRow("the controller reports an error")
        << false << 2 << REQ_QUERY << -1 << "USB Interface" << commandFailed;
}

void tst_Connection::learning()
{
    QFETCH(bool, remote);
    QFETCH(int, pressed);
    QFETCH(u8, failure);
    QFETCH(int, result);
    QFETCH(QString, title);
    QFETCH(QString, message);

    SimulatedController &c = rig->connectTo();
    rig->bus.controlLatencyMs = 1; // the status is polled without pauses
    if (pressed >= 0)
        c.queuePress(remote ? Press::RemoteKey : Press::Input, pressed, 2000);
    if (failure)
        c.faults.errorOnRequest.append(failure);
    rig->clock.elapsed = 0;

    QCOMPARE(rig->kelvo.learnKey(remote), result);
    const QList<Transaction> queries = rig->log().requests(REQ_QUERY);
    QCOMPARE(queries.first().index, u16(remote ? QUERY_LEARN_KEY : QUERY_LEARN_INPUT));
    QCOMPARE(queries.first().value, u16(QUERY_START));
    if (message.isEmpty()) {
        QVERIFY(rig->script.shown.isEmpty());
        QCOMPARE(queries.last().value, u16(QUERY_FETCH));
        QVERIFY(rig->clock.elapsed >= 2000 && rig->clock.elapsed < 2100);
        return;
    }
    QCOMPARE(rig->script.shown.size(), 1);
    QCOMPARE(rig->script.shown[0].title, title);
    QCOMPARE(rig->script.shown[0].text, message);
    QCOMPARE(rig->script.shown[0].parent, rig->window.get());
    if (message == QLatin1String("Time is over !")) {
        QCOMPARE(rig->script.shown[0].kind, Prompts::Kind::Warning);
        QVERIFY(rig->clock.elapsed > 9500 && rig->clock.elapsed < 9600);
    }
}

void tst_Connection::learnThroughTheWindow()
{
    SimulatedController &c = rig->connectTo();
    rig->bus.controlLatencyMs = 1;
    rig->showPage(0, 1); // remote keys
    c.queuePress(Press::RemoteKey, 12, 500);
    rig->click("btnRcFromDev");
    QCOMPARE(rig->log().requests(REQ_QUERY).first().index, u16(QUERY_LEARN_KEY));
    QCOMPARE(c.pendingPresses(), 0);
    QCOMPARE(rig->child<funcSetter>("remoteKeyTable")->currentRow(), 12);
    QCOMPARE(selectedRows("remoteKeyTable"), QList<int>(3, 12));
    QVERIFY(selectedRows("inputTable").isEmpty());

    // Anywhere but the inputs and remote-key pages the buttons do nothing.
    rig->showPage(0, 2);
    rig->log().clear();
    rig->click("btnKeyFromDev");
    QCOMPARE(rig->log().countTransfers(), 0);

    // Not connected: learning says so with its own text.
    rig->click("pbConnect");
    rig->showPage(0, 0);
    rig->click("btnKeyFromDev");
    QCOMPARE(rig->script.shown.size(), 1);
    QCOMPARE(rig->script.shown[0].text, QStringLiteral("Not connected !"));
}

void tst_Connection::learnSelectsRow_data()
{
    QTest::addColumn<int>("page"); // of the settings tab
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("number"); // the byte the controller reports
    QTest::addColumn<int>("selected"); // -1: none

    QTest::newRow("input 3") << 0 << "btnKeyFromDev" << int(Press::Input) << 2 << 2;
    QTest::newRow("input 8, the last") << 0 << "btnKeyFromDev" << int(Press::Input) << 7 << 7;
    QTest::newRow("9 on the inputs page selects nothing")
        << 0 << "btnKeyFromDev" << int(Press::Input) << 9 << -1;
    QTest::newRow("remote key 1") << 1 << "btnRcFromDev" << int(Press::RemoteKey) << 0 << 0;
    QTest::newRow("remote key 64, the last")
        << 1 << "btnRcFromDev" << int(Press::RemoteKey) << 63 << 63;
    QTest::newRow("64 on the remote-key page selects nothing")
        << 1 << "btnRcFromDev" << int(Press::RemoteKey) << 64 << -1;
    QTest::newRow("0x80 is negative and selects nothing")
        << 1 << "btnRcFromDev" << int(Press::RemoteKey) << 0x80 << -1;
    QTest::newRow("nobody presses, nothing selected")
        << 0 << "btnKeyFromDev" << int(Press::Input) << -1 << -1;
}

void tst_Connection::learnSelectsRow()
{
    QFETCH(int, page);
    QFETCH(QString, button);
    QFETCH(int, kind);
    QFETCH(int, number);
    QFETCH(int, selected);

    SimulatedController &c = rig->connectTo();
    rig->bus.controlLatencyMs = 1; // the virtual clock moves with every poll
    rig->showPage(0, page);
    const char *table = page == 0 ? "inputTable" : "remoteKeyTable";
    rig->child<funcSetter>(table)->selRow(5); // an earlier selection goes first
    if (number >= 0)
        c.queuePress(Press(kind), number, 300);
    rig->click(button.toLatin1().constData());

    if (selected < 0) {
        QVERIFY(selectedRows(table).isEmpty());
        QCOMPARE(rig->child<funcSetter>(table)->currentRow(), -1);
    } else {
        QCOMPARE(selectedRows(table), QList<int>(3, selected));
        QCOMPARE(rig->child<funcSetter>(table)->currentRow(), selected);
        QCOMPARE(rig->child<funcSetter>(table)->currentColumn(), 1);
    }
}

void tst_Connection::systemAddress_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("setValue"); // sbSetValue
    QTest::addColumn<int>("stored"); // the controller's address before
    QTest::addColumn<int>("keyAddress"); // the remote pressed for "Accept from RCU"; -1 none
    QTest::addColumn<int>("sentValue"); // wValue of the set request; -1 none
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("message");

    QTest::newRow("read 7") << "btnGetRcu" << 0 << 7 << -1 << -1 << "7"
                            << "";
    QTest::newRow("read not used") << "btnGetRcu" << 0 << 255 << -1 << -1 << "not used"
                                   << "";
    QTest::newRow("read 40 is invalid") << "btnGetRcu" << 0 << 40 << -1 << -1 << "N / A"
                                        << "Invalid system address !";
    QTest::newRow("send 31") << "btnSend2Rcu" << 31 << 3 << -1 << 31 << "31"
                             << "";
    QTest::newRow("send -1 as 255") << "btnSend2Rcu" << -1 << 3 << -1 << 255 << "not used"
                                    << "";
    QTest::newRow("accept from the remote") << "btnAcceptAdr" << 0 << 3 << 12 << 64 << "12"
                                            << "";
    QTest::newRow("accept, nobody presses") << "btnAcceptAdr" << 0 << 3 << -1 << 64 << "N / A"
                                            << "Time is over !";
}

void tst_Connection::systemAddress()
{
    QFETCH(QString, button);
    QFETCH(int, setValue);
    QFETCH(int, stored);
    QFETCH(int, keyAddress);
    QFETCH(int, sentValue);
    QFETCH(QString, label);
    QFETCH(QString, message);

    SimulatedController &c = rig->connectTo();
    rig->bus.controlLatencyMs = 1;
    rig->showPage(0, 2);
    c.configuration[RcuSysAddr] = u8(stored);
    if (keyAddress >= 0)
        c.queuePress(Press::RemoteKey, 0, 1000, u8(keyAddress));
    rig->child<QSpinBox>("sbSetValue")->setValue(setValue);
    const u8 imageBefore = rig->kelvo.configImage()[RcuSysAddr];

    rig->click(qPrintable(button));
    QCOMPARE(rig->text("lbGotValue"), label);
    const QList<Transaction> sets = rig->log().filtered([](const Transaction &t) {
        return t.kind == Kind::Control && t.request == REQ_QUERY && t.index == QUERY_SET_ADDRESS;
    });
    QCOMPARE(sets.size(), sentValue < 0 ? 0 : 1);
    if (sentValue >= 0)
        QCOMPARE(sets[0].value, u16(sentValue));
    if (message.isEmpty()) {
        QVERIFY(rig->script.shown.isEmpty());
        QCOMPARE(rig->kelvo.rcuAddrShown, c.systemAddress());
        // The image mirrors the confirmed address: sending the configuration keeps it.
        const u8 confirmed = c.systemAddress();
        QCOMPARE(rig->kelvo.configImage()[RcuSysAddr], confirmed);
        rig->click("pbSendConf");
        QVERIFY(rig->shown(QStringLiteral("Write configuration\n     Sucessfull!")));
        QCOMPARE(c.systemAddress(), confirmed);
    } else {
        QCOMPARE(rig->script.shown.size(), 1);
        QCOMPARE(rig->script.shown[0].title, QStringLiteral("Remote control :"));
        QCOMPARE(rig->script.shown[0].text, message);
        QCOMPARE(rig->kelvo.configImage()[RcuSysAddr], imageBefore);
    }
}

void tst_Connection::writeSysAddressRefusesOtherValues()
{
    rig->connectTo();
    for (int address : {32, 40, 63, 65, 254}) {
        QCOMPARE(rig->kelvo.writeSysAddress(u8(address)), -1);
        QCOMPARE(rig->log().countTransfers(), 0);
    }
    QVERIFY(rig->script.shown.isEmpty());
}

void tst_Connection::inputSimulator()
{
    SimulatedController &c = rig->connectTo();
    rig->showPage(0, 2);
    auto *type = rig->child<QComboBox>("cbInputType");
    auto *number = rig->child<QSpinBox>("sbInputNo");
    type->setCurrentIndex(1);
    QCOMPARE(number->maximum(), 64);
    number->setValue(40);
    rig->click("btnGenerate");
    type->setCurrentIndex(0);
    QCOMPARE(number->maximum(), 8);
    number->setValue(3);
    rig->click("btnGenerate");
    QCOMPARE(c.simulatedEvents().size(), 2);
    QCOMPARE(c.simulatedEvents()[0].type, 1);
    QCOMPARE(c.simulatedEvents()[0].number, 39);
    QCOMPARE(c.simulatedEvents()[1].type, 0);
    QCOMPARE(c.simulatedEvents()[1].number, 2);
    QVERIFY(rig->script.shown.isEmpty());

    c.failRequest(REQ_SIMULATE, 10);
    rig->log().clear();
    rig->click("btnGenerate");
    QCOMPARE(rig->log().countRequest(REQ_SIMULATE), 10);
    QCOMPARE(rig->script.shown.size(), 1);
    QCOMPARE(rig->script.shown[0].kind, Prompts::Kind::Warning);
    QCOMPARE(rig->script.shown[0].text, QStringLiteral("Control error !"));
}

// --- A controller pulled out at any moment -------------------------------------------------------

void tst_Connection::unplugAtEveryTransfer_data()
{
    QTest::addColumn<Op>("op");
    QTest::addColumn<QStringList>("allowed"); // boxes the operation may show
    QTest::newRow("connect") << Op::Connect << QStringList {linkErrorText};
    QTest::newRow("live on") << Op::LiveOn << QStringList {linkErrorText};
    QTest::newRow("live off") << Op::LiveOff << QStringList {linkErrorText};
    QTest::newRow("learn an input") << Op::LearnInput << QStringList {commandFailed};
    QTest::newRow("read the address") << Op::ReadAddress << QStringList {commandFailed};
    QTest::newRow("write the address") << Op::WriteAddress << QStringList {commandFailed};
}

void tst_Connection::unplugAtEveryTransfer()
{
    QFETCH(Op, op);
    QFETCH(QStringList, allowed);

    // Set up, then run the operation; returns the transfers it made.
    const auto run = [&](int unplugAfter) {
        cleanup();
        init();
        SimulatedController &c = rig->bus.addController(serialA);
        rig->bus.controlLatencyMs = 1;
        c.queuePress(Press::Input, 1, 100);
        if (op != Op::Connect)
            rig->click("pbConnect");
        rig->showPage(0, 2);
        if (op == Op::LiveOff)
            rig->click("pbLiveMode");
        rig->log().clear();
        UnplugSweep::arm(rig->bus, c, unplugAfter);
        switch (op) {
        case Op::Connect:
            rig->click("pbConnect");
            break;
        case Op::LiveOn:
            rig->click("pbLiveMode");
            break;
        case Op::LiveOff:
            rig->click("pbNormalMode");
            break;
        case Op::LearnInput:
            rig->kelvo.learnKey(false);
            break;
        case Op::ReadAddress:
            rig->click("btnGetRcu");
            break;
        case Op::WriteAddress:
            rig->click("btnSend2Rcu");
            break;
        }
        return rig->log().countTransfers();
    };

    const int transfers = run(-1);
    QVERIFY(transfers > 0);
    QVERIFY(rig->script.shown.isEmpty());
    UnplugSweep::sweep(transfers, run, [&](int k) {
        const QString row = QStringLiteral("unplugged after %1 of %2 transfers\n%3")
                                .arg(k)
                                .arg(transfers)
                                .arg(rig->log().dump());
        for (const ScriptedPrompts::Shown &s : rig->script.shown)
            QVERIFY2(allowed.contains(s.text), qPrintable(s.text + QLatin1Char('\n') + row));
        // The learn and address commands report with their own box and leave the link to the
        // next command, which ends in the link error.
        if (rig->kelvo.usbDevice.isOpen()) {
            QVERIFY2(!rig->script.shown.isEmpty(), qPrintable(row));
            rig->script.shown.clear();
            rig->click("pbLiveMode");
            QVERIFY2(rig->shown(linkErrorText), qPrintable(row));
        }
        QVERIFY2(!rig->kelvo.usbDevice.isOpen(), qPrintable(row));
        QCOMPARE(rig->kelvo.connected, 0);
        QCOMPARE(rig->text("lbConn"), QStringLiteral("Disconnected"));
        QCOMPARE(rig->text("lbSerial"), QStringLiteral("S/N ----"));
        QVERIFY(!rig->child<QPushButton>("pbLiveMode")->isEnabled());
    });
}

QTEST_MAIN(tst_Connection)
#include "tst_connection.moc"
