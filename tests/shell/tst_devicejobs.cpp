// One device job at a time: clicks that arrive while a job runs (through the waits and the
// dialogs the job shows) start nothing, input the window system queued while a job blocked the
// window is dropped instead of carried out after it, the window is painted before a job blocks
// it, a cancelled progress dialog processes no events, and a controller unplugged during a job is
// left to the job, the bus's word on it taken after.

#include "device/kelvoprotocol.h"
#include "shell/appstate.h"
#include "shell/devicejobcontrols.h"
#include "shell/qtprompts.h"
#include "support/configfilefixtures.h"
#include "support/unplugsweep.h"
#include "support/upgradefilemaker.h"
#include "support/windowrig.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMouseEvent>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <map>
#include <memory>

using Press = SimulatedController::PressKind;

namespace {

const QByteArray firmware = ConfigFileFixtures::randomBytes(31, 4096).repeated(16);

// Every control that starts a device job.
const QList<const char *> deviceButtons = [] {
    QList<const char *> all;
    for (const char *name : DeviceJobControls::buttons)
        all << name;
    for (const char *name : DeviceJobControls::modeButtons)
        all << name;
    return all;
}();
const QString upgradeActions[]
    = {QStringLiteral("&Upgrade Kelvo"), QStringLiteral("&Verify Firmware")};

enum class Job {
    Read,
    Write,
    Upgrade,
    Verify,
    Connect,
    ConnectToAnother,
    Disconnect,
    Reset,
    Live,
    Normal,
    LearnInput,
    LearnKey,
    ReadAddress,
    SendAddress,
    AcceptAddress,
    Simulate,
};

// What one run of a job did, to compare a run with clicks against one without.
struct Outcome
{
    QString transfers;
    QStringList boxes;
    int progressDialogs = 0;
    int interruptions = 0; // times the user clicked everything while the job ran
    QStringList enabledDuringJob; // controls found enabled while the job ran
};

// What one run of a job with the controller unplugged in its middle showed.
struct UnplugOutcome
{
    QString transfers;
    QStringList boxes;
    QStringList statusAtBoxes; // the connection label whenever the job showed a box
    int eventLoopsAfterUnplug = 0; // times the event loop ran during the job once it was gone
    QStringList boxesAfterJob;
};

// What a user at the window ends up with after one run of a job, once the events queued meanwhile
// have been delivered.
struct UserOutcome
{
    QString transfers;
    QStringList boxes;
    QByteArray image;
    int undoIndex = 0;
    int requestedLanguage = -1;
    int inputQueued = 0; // times input was queued while the job ran
};

// Every widget painted while it lives, with whether it was enabled at its last paint.
class PaintLog : public QObject
{
public:
    PaintLog() { QCoreApplication::instance()->installEventFilter(this); }

    QHash<QObject *, bool> enabledAtLastPaint;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType())
            enabledAtLastPaint[watched] = static_cast<QWidget *>(watched)->isEnabled();
        return false;
    }
};

} // namespace

Q_DECLARE_METATYPE(Job)

class tst_DeviceJobs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clicksDuringAJobStartNothing_data();
    void clicksDuringAJobStartNothing();
    void inputQueuedDuringAJobIsDropped_data();
    void inputQueuedDuringAJobIsDropped();
    void windowIsPaintedBeforeAJobBlocksIt_data();
    void windowIsPaintedBeforeAJobBlocksIt();
    void cancelledDialogProcessesNoEvents_data();
    void cancelledDialogProcessesNoEvents();
    void unplugDuringAJobWaitsForItsEnd_data();
    void unplugDuringAJobWaitsForItsEnd();

private:
    std::unique_ptr<WindowRig> rig;
    std::unique_ptr<QTemporaryDir> dir;
    QString previousDir;

    Outcome run(Job job, bool clickDuringJob);
    UserOutcome runAsUser(Job job, bool inputDuringJob);
    void showWindow();
    void queueClick(QWidget *widget);
    void queueKeys(const QList<QKeyCombination> &keys);
    void queueKeyTo(QWidget *widget, Qt::Key key);
    int undoIndex();
    UnplugOutcome runUnplugged(Job job, int unplugAfter, bool eventLoopDuringJob);
    void prepare(Job job);
    void start(Job job);
    QString upgradeFile();
};

void tst_DeviceJobs::init()
{
    dir = std::make_unique<QTemporaryDir>();
    previousDir = QDir::currentPath();
    QDir::setCurrent(dir->path()); // where a language chosen is kept
}

void tst_DeviceJobs::cleanup()
{
    rig.reset();
    QDir::setCurrent(previousDir);
    dir.reset();
    languageTable.clear();
    currentLanguage = -1;
    requestedLanguage = -1;
    QCOMPARE(QApplication::topLevelWidgets(), QWidgetList());
}

QString tst_DeviceJobs::upgradeFile()
{
    UpgradeFileMaker maker;
    maker.firmware = firmware;
    maker.text = " v_1_00A";
    const QString name = dir->filePath(QStringLiteral("firmware.upg"));
    ConfigFileFixtures::writeFile(name, maker.build());
    return name;
}

// The scene a job starts from.
void tst_DeviceJobs::prepare(Job job)
{
    if (job == Job::ConnectToAnother) {
        rig->kelvo.usbDevice.serialNumber = QStringLiteral("KLV0000000A"); // adopted before
        rig->bus.addController(QStringLiteral("KLV0000000B"));
        rig->kelvo.reconnectPrompt = [this](const QStringList &others) {
            rig->kelvo.usbDevice.serialNumber = others.first(); // "Change"
            return true;
        };
    } else if (job == Job::Connect) {
        rig->bus.addController(QStringLiteral("KLV0000000A"));
    } else {
        SimulatedController &c = rig->connectTo();
        c.version = {1, 0, 'A'};
        std::copy(firmware.cbegin(), firmware.cend(), c.firmware.begin());
        c.queuePress(job == Job::LearnInput ? Press::Input : Press::RemoteKey, 3, 800, 9);
        if (job == Job::Normal)
            rig->click("pbLiveMode");
    }
    if (job == Job::LearnInput || job == Job::LearnKey)
        rig->showPage(0, job == Job::LearnInput ? 0 : 1);
    if (job == Job::Upgrade || job == Job::Verify)
        rig->script.fileNames << upgradeFile();
    rig->child<QSpinBox>("sbSetValue")->setValue(7);
    rig->bus.controlLatencyMs = 1; // every transfer takes virtual time: the clock sees the job
    rig->log().clear();
    rig->script.shown.clear();
}

// Starts the job through its control, as a user would.
void tst_DeviceJobs::start(Job job)
{
    static const std::map<Job, const char *> buttons {
        {Job::Read, "pbReadConf"},
        {Job::Write, "pbSendConf"},
        {Job::Connect, "pbConnect"},
        {Job::ConnectToAnother, "pbConnect"},
        {Job::Disconnect, "pbConnect"},
        {Job::Reset, "pbReset"},
        {Job::Live, "pbLiveMode"},
        {Job::Normal, "pbNormalMode"},
        {Job::LearnInput, "btnKeyFromDev"},
        {Job::LearnKey, "btnRcFromDev"},
        {Job::ReadAddress, "btnGetRcu"},
        {Job::SendAddress, "btnSend2Rcu"},
        {Job::AcceptAddress, "btnAcceptAdr"},
        {Job::Simulate, "btnGenerate"},
    };
    if (job == Job::Upgrade || job == Job::Verify)
        rig->trigger(upgradeActions[job == Job::Upgrade ? 0 : 1]);
    else
        rig->click(buttons.at(job));
}

Outcome tst_DeviceJobs::run(Job job, bool clickDuringJob)
{
    rig.reset();
    rig = std::make_unique<WindowRig>();
    prepare(job);

    Outcome outcome;
    bool clicking = false;
    const auto clickEverything = [&] {
        if (clicking)
            return; // a job started by a click would come back here
        clicking = true;
        ++outcome.interruptions;
        for (const char *name : deviceButtons) {
            auto *button = rig->child<QPushButton>(name);
            if (button->isEnabled() && !outcome.enabledDuringJob.contains(QLatin1String(name)))
                outcome.enabledDuringJob << QLatin1String(name);
            button->click();
        }
        for (QAction *action : rig->window->findChildren<QAction *>()) {
            if (action->text() != upgradeActions[0] && action->text() != upgradeActions[1])
                continue;
            if (action->isEnabled() && !outcome.enabledDuringJob.contains(action->text()))
                outcome.enabledDuringJob << action->text();
            action->trigger();
        }
        clicking = false;
    };
    if (clickDuringJob) {
        // While the job waits, and while it shows a box or its progress.
        rig->clock.onSleep = clickEverything;
        rig->script.duringPrompt = clickEverything;
    }
    start(job);
    rig->clock.onSleep = nullptr;
    rig->script.duringPrompt = nullptr;

    outcome.transfers = rig->log().dump();
    for (const ScriptedPrompts::Shown &box : rig->script.shown)
        outcome.boxes << box.text;
    outcome.progressDialogs = int(rig->script.progressDialogs.size());
    return outcome;
}

// One row per device job of the window.
static void addJobRows(bool withDisconnect)
{
    QTest::addColumn<Job>("job");
    const std::pair<const char *, Job> jobs[] = {
        {"configuration read", Job::Read},
        {"configuration write", Job::Write},
        {"firmware upgrade", Job::Upgrade},
        {"firmware verify", Job::Verify},
        {"connect", Job::Connect},
        {"connect to another controller", Job::ConnectToAnother},
        {"disconnect", Job::Disconnect},
        {"reset and reconnect", Job::Reset},
        {"live mode", Job::Live},
        {"normal mode", Job::Normal},
        {"learn an input", Job::LearnInput},
        {"learn a remote key", Job::LearnKey},
        {"read the system address", Job::ReadAddress},
        {"send the system address", Job::SendAddress},
        {"accept the address from the remote", Job::AcceptAddress},
        {"simulate an input", Job::Simulate},
    };
    for (const auto &[name, job] : jobs) {
        if (job != Job::Disconnect || withDisconnect)
            QTest::newRow(name) << job;
    }
}

void tst_DeviceJobs::clicksDuringAJobStartNothing_data()
{
    addJobRows(true);
}

void tst_DeviceJobs::clicksDuringAJobStartNothing()
{
    QFETCH(Job, job);
    const Outcome alone = run(job, false);
    const Outcome clicked = run(job, true);

    QVERIFY(clicked.interruptions > 0);
    QCOMPARE(clicked.enabledDuringJob, QStringList());
    QCOMPARE(clicked.boxes, alone.boxes);
    QCOMPARE(clicked.progressDialogs, alone.progressDialogs);
    QCOMPARE(clicked.transfers, alone.transfers);
    // Once the job has ended the controls work again.
    for (const char *name : {"pbSendConf", "pbReadConf", "pbConnect", "pbReset", "btnGetRcu"})
        QVERIFY2(rig->child<QPushButton>(name)->isEnabled(), name);
}

// On screen and active, as a user has it, with the focus where no editor takes Ctrl+Z for itself.
void tst_DeviceJobs::showWindow()
{
    rig->window->show();
    QApplication::setActiveWindow(rig->window.get());
    rig->child<QTabWidget>("tabWidget_main")->tabBar()->setFocus();
    QCoreApplication::processEvents();
}

// A click the window system has queued: the widget gets it whenever events are next processed.
void tst_DeviceJobs::queueClick(QWidget *widget)
{
    const QPointF at = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(at);
    QCoreApplication::postEvent(widget,
                                new QMouseEvent(QEvent::MouseButtonPress, at, global,
                                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(widget,
                                new QMouseEvent(QEvent::MouseButtonRelease, at, global,
                                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
}

// Keys the window system has queued for the window: delivered, shortcuts and menus included, the
// way the platform delivers them, whenever events are next processed.
void tst_DeviceJobs::queueKeys(const QList<QKeyCombination> &keys)
{
    QWindow *window = rig->window->windowHandle();
    QMetaObject::invokeMethod(
        window,
        [window, keys] {
            for (const QKeyCombination key : keys)
                QTest::keyClick(window, key.key(), key.keyboardModifiers());
        },
        Qt::QueuedConnection);
}

// A key the window system has queued for the widget that has the focus.
void tst_DeviceJobs::queueKeyTo(QWidget *widget, Qt::Key key)
{
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
        QCoreApplication::postEvent(widget, new QKeyEvent(type, key, Qt::NoModifier));
}

int tst_DeviceJobs::undoIndex()
{
    return rig->session.history().stack().index();
}

UserOutcome tst_DeviceJobs::runAsUser(Job job, bool inputDuringJob)
{
    rig.reset();
    rig = std::make_unique<WindowRig>();
    // Two languages in the Language menu, English in use.
    languageTable.resize(2);
    languageTable[0].name = QStringLiteral("English");
    languageTable[0].code = QStringLiteral("en");
    languageTable[1].name = QStringLiteral("Deutsch");
    languageTable[1].code = QStringLiteral("de");
    currentLanguage = 0;
    requestedLanguage = -1;
    rig->rebuild();
    prepare(job);
    showWindow();
    // An edit that Ctrl+Z would take back.
    auto *preview = rig->child<QSpinBox>("sbPreview");
    preview->setValue(preview->value() == 1 ? 2 : 1);
    rig->log().clear();
    rig->script.shown.clear();

    UserOutcome outcome;
    // While the job waits, and while it shows a box or its progress: clicks on every control
    // that starts a job, a key to an editor, Ctrl+Z and another language by keyboard.
    const auto queueInput = [&] {
        if (outcome.inputQueued++ > 0)
            return;
        for (const char *name : deviceButtons)
            queueClick(rig->child<QPushButton>(name));
        queueKeyTo(preview, Qt::Key_Up);
        queueKeys({Qt::CTRL | Qt::Key_Z, Qt::ALT | Qt::Key_L, Qt::Key_Down, Qt::Key_Return});
    };
    if (inputDuringJob) {
        rig->clock.onSleep = queueInput;
        rig->script.duringPrompt = queueInput;
    }
    start(job);
    rig->clock.onSleep = nullptr;
    rig->script.duringPrompt = nullptr;
    QCoreApplication::processEvents(); // whatever is still queued reaches the window now

    outcome.transfers = rig->log().dump();
    for (const ScriptedPrompts::Shown &box : rig->script.shown)
        outcome.boxes << box.text;
    outcome.image = rig->image();
    outcome.undoIndex = undoIndex();
    outcome.requestedLanguage = requestedLanguage;
    return outcome;
}

void tst_DeviceJobs::inputQueuedDuringAJobIsDropped_data()
{
    addJobRows(true);
}

// Nothing the user clicked or typed while the job blocked the window takes effect after it: no
// other job, no edit, no undo, no language change; the same input made afterwards does.
void tst_DeviceJobs::inputQueuedDuringAJobIsDropped()
{
    QFETCH(Job, job);
    const UserOutcome alone = runAsUser(job, false);
    const UserOutcome queued = runAsUser(job, true);

    QVERIFY(queued.inputQueued > 0);
    QCOMPARE(queued.transfers, alone.transfers);
    QCOMPARE(queued.boxes, alone.boxes);
    QVERIFY(queued.image == alone.image);
    QCOMPARE(queued.undoIndex, alone.undoIndex);
    QCOMPARE(queued.requestedLanguage, -1);
    QCOMPARE(alone.requestedLanguage, -1);

    // The same input made now is carried out. The window is made active again before keys: here
    // boxes and undo may leave no window active, which a user at the screen would not have.
    showWindow();
    const int undoneFrom = undoIndex();
    QVERIFY(undoneFrom > 0);
    queueKeys({Qt::CTRL | Qt::Key_Z});
    QCoreApplication::processEvents();
    QCOMPARE(undoIndex(), undoneFrom - 1);
    showWindow();
    queueKeys({Qt::ALT | Qt::Key_L, Qt::Key_Down, Qt::Key_Return});
    QCoreApplication::processEvents();
    QCOMPARE(requestedLanguage, 1);
    const QString connection = rig->text("lbConn");
    auto *preview = rig->child<QSpinBox>("sbPreview");
    const int previewValue = preview->value();
    queueKeyTo(preview, Qt::Key_Up);
    queueClick(rig->child<QPushButton>("pbConnect")); // last: the job drops what is behind it
    QCoreApplication::processEvents();
    QVERIFY(rig->text("lbConn") != connection);
    QVERIFY(preview->value() != previewValue);
}

void tst_DeviceJobs::windowIsPaintedBeforeAJobBlocksIt_data()
{
    addJobRows(true);
}

// By the job's first wait or box the controls it disabled are drawn disabled, and the box that
// says a connection is being made is drawn.
void tst_DeviceJobs::windowIsPaintedBeforeAJobBlocksIt()
{
    QFETCH(Job, job);
    rig = std::make_unique<WindowRig>();
    prepare(job);
    showWindow();
    auto *readButton = rig->child<QPushButton>("pbReadConf");
    const PaintLog paints;

    int waits = 0;
    bool buttonDrawnDisabled = false;
    QStringList boxesNotDrawn;
    const auto firstWait = [&] {
        if (waits++ > 0)
            return;
        buttonDrawnDisabled = paints.enabledAtLastPaint.value(readButton, true) == false;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (qobject_cast<QDialog *>(w) && w->isVisible()
                && !paints.enabledAtLastPaint.contains(w))
                boxesNotDrawn << w->windowTitle();
        }
    };
    rig->clock.onSleep = firstWait;
    rig->script.duringPrompt = firstWait;
    start(job);
    rig->clock.onSleep = nullptr;
    rig->script.duringPrompt = nullptr;

    QVERIFY(waits > 0);
    QVERIFY(buttonDrawnDisabled);
    QCOMPARE(boxesNotDrawn, QStringList());
}

void tst_DeviceJobs::cancelledDialogProcessesNoEvents_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("how"); // 0 Escape, 1 the Cancel button, 2 closing the dialog
    for (const bool write : {false, true}) {
        const char *job = write ? "write" : "read";
        QTest::addRow("%s: Escape", job) << write << 0;
        QTest::addRow("%s: Cancel", job) << write << 1;
        QTest::addRow("%s: dialog closed", job) << write << 2;
    }
}

void tst_DeviceJobs::cancelledDialogProcessesNoEvents()
{
    QFETCH(bool, write);
    QFETCH(int, how);

    rig = std::make_unique<WindowRig>();
    SimulatedController &c = rig->connectTo();
    if (write)
        c.busyMs = 1500; // a write waits for every block, and looks for Cancel meanwhile
    QtPrompts qtDialogs;
    rig->script.progressFrom = &qtDialogs;
    const u8 otherJob = write ? REQ_CONF_READ : REQ_CONF_WRITE;
    auto *otherButton = rig->child<QPushButton>(write ? "pbReadConf" : "pbSendConf");

    // Some blocks in, the user cancels and at once clicks the other transfer's button: the click
    // waits in the queue for whoever processes events next.
    int sleeps = 0;
    rig->clock.onSleep = [&] {
        if (++sleeps != 12)
            return;
        QProgressDialog *dialog = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *d = qobject_cast<QProgressDialog *>(w); d && d->isVisible())
                dialog = d;
        }
        QVERIFY(dialog);
        if (how == 0)
            QTest::keyClick(dialog, Qt::Key_Escape);
        else if (how == 1)
            dialog->findChild<QPushButton *>()->click();
        else
            dialog->close();
        QVERIFY(!dialog->isVisible());
        QMetaObject::invokeMethod(otherButton, &QPushButton::click, Qt::QueuedConnection);
    };
    int otherJobsDuringThisOne = -1;
    rig->script.duringPrompt = [&] {
        if (otherJobsDuringThisOne < 0)
            otherJobsDuringThisOne = rig->log().countRequest(otherJob);
    };
    rig->click(write ? "pbSendConf" : "pbReadConf");
    rig->clock.onSleep = nullptr;
    rig->script.duringPrompt = nullptr;

    QVERIFY(sleeps >= 12);
    QCOMPARE(otherJobsDuringThisOne, 0);
    QCOMPARE(rig->log().countRequest(otherJob), 0);
    QCOMPARE(rig->script.shown.first().text,
             write ? QStringLiteral("USB connection ERROR")
                   : QStringLiteral("Read configuration\ncancelled !"));
    QVERIFY(!rig->kelvo.progressDialog);
    // The click made during the job is not carried out after it; one made now is: a read was still
    // connected and writes, a write that was cancelled had lost the link.
    rig->script.shown.clear();
    QCoreApplication::processEvents();
    QCOMPARE(rig->log().countRequest(otherJob), 0);
    QVERIFY(rig->script.shown.isEmpty());
    otherButton->click();
    if (write)
        QVERIFY(rig->shown(QStringLiteral("Not connected !\nConfiguration not read!")));
    else
        QCOMPARE(rig->log().countRequest(otherJob), 1);
}

UnplugOutcome tst_DeviceJobs::runUnplugged(Job job, int unplugAfter, bool eventLoopDuringJob)
{
    rig.reset();
    rig = std::make_unique<WindowRig>();
    prepare(job);
    QCoreApplication::processEvents(); // what setting up made the bus tell
    rig->script.shown.clear();
    SimulatedController &c = *rig->bus.controllers().constFirst();
    UnplugSweep::arm(rig->bus, c, unplugAfter);

    UnplugOutcome outcome;
    // The job's boxes and progress run the event loop, as the real ones do.
    rig->script.duringPrompt = [&] {
        outcome.statusAtBoxes << rig->text("lbConn");
        if (!eventLoopDuringJob || c.isPlugged())
            return;
        QCoreApplication::processEvents();
        ++outcome.eventLoopsAfterUnplug;
    };
    start(job);
    rig->script.duringPrompt = nullptr;

    for (const ScriptedPrompts::Shown &box : rig->script.shown)
        outcome.boxes << box.text;
    rig->script.shown.clear();
    QCoreApplication::processEvents();
    for (const ScriptedPrompts::Shown &box : rig->script.shown)
        outcome.boxesAfterJob << box.text;
    // With what the program did about the bus's word, wherever it was taken.
    outcome.transfers = rig->log().dump();
    return outcome;
}

void tst_DeviceJobs::unplugDuringAJobWaitsForItsEnd_data()
{
    addJobRows(false); // a disconnect has no middle
}

// The job reports the lost controller as it did before the bus could tell; what the bus told
// meanwhile is acted on once the job has ended, without a box of its own.
void tst_DeviceJobs::unplugDuringAJobWaitsForItsEnd()
{
    QFETCH(Job, job);
    run(job, false);
    // Halfway; a job of one transfer loses the controller just before it starts.
    const int unplugAfter = UnplugSweep::reached(rig->log()) / 2;

    const UnplugOutcome alone = runUnplugged(job, unplugAfter, false);
    const UnplugOutcome told = runUnplugged(job, unplugAfter, true);

    QVERIFY(told.eventLoopsAfterUnplug > 0);
    QCOMPARE(told.boxes, alone.boxes);
    QCOMPARE(told.statusAtBoxes, alone.statusAtBoxes);
    QCOMPARE(told.transfers, alone.transfers);
    QCOMPARE(told.boxesAfterJob, QStringList());
    QCOMPARE(alone.boxesAfterJob, QStringList());
    QVERIFY(!rig->kelvo.usbDevice.isOpen());
    QCOMPARE(rig->text("lbConn"), QStringLiteral("Disconnected"));
    QVERIFY(rig->child<QPushButton>("pbConnect")->isEnabled());
}

QTEST_MAIN(tst_DeviceJobs)
#include "tst_devicejobs.moc"
