// Work is never lost without a question: the title marks work that is neither in a file nor in
// the controller, replacing such work asks first, and undo reaches back over every kind of
// change, controller reads included.

#include "model/configclear.h"
#include "model/configfile.h"
#include "model/configlayout.h"
#include "shell/recentfiles.h"
#include "support/configfilefixtures.h"
#include "support/modaldriver.h"
#include "support/windowrig.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

using namespace ConfigLayout;

class tst_KeepingWork : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void markerFollowsWhereTheWorkIs_data();
    void markerFollowsWhereTheWorkIs();
    void askingBeforeReplacing_data();
    void askingBeforeReplacing();
    void languageChangeAsksNothingAndKeepsHistory();
    void fileDialogsStartWhereTheLastFileWorked();
    void undoReachesBackOverReadsAndClear();
    void dragIsOneStep();
    void undoInLiveModeSendsTheScene();
    void unfinishedSendLeavesTheControllerUnknown_data();
    void unfinishedSendLeavesTheControllerUnknown();

private:
    std::unique_ptr<WindowRig> rig;
    std::unique_ptr<QTemporaryDir> tmp;
    ModalDriver modal;

    QAction *action(const QKeySequence &wanted);
    QSlider *sceneSlider(int column);
    // The entry of this file in File > Recent files, as the menu shows it.
    QAction *recentEntry(const QString &file);
    // A change the user makes: a scene level moved.
    void edit(int value = 200) { sceneSlider(2)->setValue(value); }
    bool modified() const { return rig->window->isWindowModified(); }
    QString path(const char *name) const { return tmp->filePath(QString::fromLatin1(name)); }
    bool asked() const;
};

namespace {

const QString question = QStringLiteral(
    "The configuration has changes that are neither saved in a file nor sent to the "
    "controller.\n\nSave them to a file first?");

QByteArray fileImage(const QString &name)
{
    QByteArray image(ImageSize, '\0');
    if (!ConfigFile::read(name, reinterpret_cast<u8 *>(image.data())))
        return QByteArray();
    return image;
}

void putConfiguration(SimulatedController &c, const QByteArray &image)
{
    std::copy(image.cbegin(), image.cend(), c.configuration.begin());
}

} // namespace

void tst_KeepingWork::init()
{
    rig = std::make_unique<WindowRig>();
    tmp = std::make_unique<QTemporaryDir>();
    rig->window->show();
    rig->showPage(1);
}

void tst_KeepingWork::cleanup()
{
    modal.stop();
    rig.reset();
    tmp.reset();
}

QAction *tst_KeepingWork::action(const QKeySequence &wanted)
{
    if (wanted.isEmpty())
        qFatal("no standard key on this platform");
    for (QAction *a : rig->window->findChildren<QAction *>()) {
        if (a->shortcut() == wanted)
            return a;
    }
    qFatal("no action for %s", qPrintable(wanted.toString()));
}

QAction *tst_KeepingWork::recentEntry(const QString &file)
{
    RecentFiles::add(file);
    auto *menu = rig->window->findChild<QMenu *>(QStringLiteral("recentFilesMenu"));
    if (!menu)
        qFatal("no recent files menu");
    emit menu->aboutToShow();
    for (QAction *a : menu->actions()) {
        if (a->statusTip() == file)
            return a;
    }
    qFatal("%s is not among the recent files", qPrintable(file));
}

QSlider *tst_KeepingWork::sceneSlider(int column)
{
    return rig->child<QWidget>("sceneChannels")->findChildren<QSlider *>()[column];
}

bool tst_KeepingWork::asked() const
{
    return rig->shown(question);
}

void tst_KeepingWork::markerFollowsWhereTheWorkIs_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("stillAtRisk");
    QTest::addColumn<QString>("title");
    const QString untitled = QStringLiteral("untitled[*] - KelvoDesk");
    QTest::newRow("saved") << "save" << false << "kept.cfgkv[*] - KelvoDesk";
    QTest::newRow("saved as") << "save as" << false << "kept.cfgkv[*] - KelvoDesk";
    QTest::newRow("save failed") << "failed save" << true << untitled;
    QTest::newRow("sent") << "send" << false << untitled;
    QTest::newRow("send failed") << "failed send" << true << untitled;
    QTest::newRow("read from the controller") << "read" << false << untitled;
    QTest::newRow("read from a file") << "open" << false << "other.cfgkv[*] - KelvoDesk";
    QTest::newRow("undone") << "undo" << false << untitled;
}

void tst_KeepingWork::markerFollowsWhereTheWorkIs()
{
    QFETCH(QString, how);
    QFETCH(bool, stillAtRisk);
    QFETCH(QString, title);

    QVERIFY(!modified());
    QCOMPARE(rig->window->windowTitle(), QStringLiteral("untitled[*] - KelvoDesk"));
    SimulatedController &c = rig->connectTo();
    edit();
    QVERIFY(modified());

    const QByteArray other = ConfigFileFixtures::randomBytes(3, ImageSize);
    if (how == QLatin1String("save")) {
        rig->script.fileNames = {path("kept")};
        action(QKeySequence::Save)->trigger();
    } else if (how == QLatin1String("save as")) {
        rig->script.fileNames = {path("kept")};
        action(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S))->trigger();
    } else if (how == QLatin1String("failed save")) {
        rig->script.fileNames = {path("missing/kept")};
        action(QKeySequence::Save)->trigger();
    } else if (how == QLatin1String("send")) {
        rig->click("pbSendConf");
    } else if (how == QLatin1String("failed send")) {
        c.failRequest(REQ_CONF_WRITE);
        rig->click("pbSendConf");
    } else if (how == QLatin1String("read")) {
        putConfiguration(c, other);
        rig->script.answers = {Prompts::Discard};
        rig->click("pbReadConf");
    } else if (how == QLatin1String("open")) {
        QVERIFY(ConfigFile::write(path("other.cfgkv"), ConfigFileFixtures::bytes(other)));
        rig->script.answers = {Prompts::Discard};
        rig->script.fileNames = {path("other.cfgkv")};
        action(QKeySequence::Open)->trigger();
    } else {
        action(QKeySequence::Undo)->trigger();
    }
    QCOMPARE(modified(), stillAtRisk);
    QCOMPARE(rig->window->windowTitle(), title);

    // Kept safe, the next change is at risk again, and undoing it is safe again.
    if (!stillAtRisk && how != QLatin1String("undo")) {
        edit(17);
        QVERIFY(modified());
        action(QKeySequence::Undo)->trigger();
        QVERIFY(!modified());
    }
}

void tst_KeepingWork::askingBeforeReplacing_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("atRisk");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("savedAs"); // what the save dialog returns
    QTest::addColumn<bool>("goesOn");

    for (const char *command : {"exit", "close", "open", "recent", "read"}) {
        const auto row = [&](const char *what) -> QTestData & {
            return QTest::addRow("%s, %s", command, what) << QString::fromLatin1(command);
        };
        row("nothing at risk") << false << 0 << QString() << true;
        row("discard") << true << int(Prompts::Discard) << QString() << true;
        row("cancel") << true << int(Prompts::Cancel) << QString() << false;
        row("save") << true << int(Prompts::Save) << "saved" << true;
        row("save, dialog cancelled") << true << int(Prompts::Save) << QString() << false;
        row("save failed") << true << int(Prompts::Save) << "missing/saved" << false;
    }
}

void tst_KeepingWork::askingBeforeReplacing()
{
    QFETCH(QString, command);
    QFETCH(bool, atRisk);
    QFETCH(int, answer);
    QFETCH(QString, savedAs);
    QFETCH(bool, goesOn);

    SimulatedController &c = rig->connectTo();
    const QByteArray replacement = ConfigFileFixtures::randomBytes(7, ImageSize);
    putConfiguration(c, replacement);
    QVERIFY(ConfigFile::write(path("other.cfgkv"), ConfigFileFixtures::bytes(replacement)));
    if (atRisk)
        edit();
    const QByteArray work = rig->image();

    if (answer)
        rig->script.answers = {Prompts::Button(answer)};
    const bool saves = answer == Prompts::Save;
    if (saves)
        rig->script.fileNames << (savedAs.isEmpty() ? QString() : tmp->filePath(savedAs));
    rig->script.fileNames << path("other.cfgkv");
    rig->log().clear();

    if (command == QLatin1String("exit"))
        rig->trigger(QStringLiteral("&Exit"));
    else if (command == QLatin1String("close"))
        rig->window->close();
    else if (command == QLatin1String("open"))
        rig->click("pbReadFile");
    else if (command == QLatin1String("recent"))
        recentEntry(path("other.cfgkv"))->trigger();
    else
        rig->click("pbReadConf");

    QCOMPARE(asked(), atRisk);
    if (atRisk) {
        const ScriptedPrompts::Shown &box = rig->script.shown[0];
        QCOMPARE(box.kind, Prompts::Kind::Warning);
        QCOMPARE(box.title, QStringLiteral("KelvoDesk"));
        QCOMPARE(box.parent, rig->window.get());
    }
    if (saves && !savedAs.isEmpty() && goesOn)
        QCOMPARE(fileImage(tmp->filePath(savedAs + QStringLiteral(".cfgkv"))), work);

    const bool replaces = command == QLatin1String("open") || command == QLatin1String("recent")
        || command == QLatin1String("read");
    if (replaces) {
        QCOMPARE(rig->image(), goesOn ? replacement : work);
        // Nothing at all reached the controller when the user stayed.
        if (!goesOn)
            QVERIFY(rig->log().entries().isEmpty());
    } else {
        QCOMPARE(rig->window->isVisible(), !goesOn);
        QCOMPARE(rig->image(), work);
    }
}

void tst_KeepingWork::languageChangeAsksNothingAndKeepsHistory()
{
    edit(100);
    edit(90); // the same slider: one step
    rig->child<QSpinBox>("sbProgram")->setValue(3);
    edit(50);
    QCOMPARE(rig->session.history().stack().count(), 2);
    const QByteArray edited = rig->image();

    rig->rebuild();
    QVERIFY(rig->script.shown.isEmpty());
    QCOMPARE(rig->image(), edited);
    QVERIFY(rig->window->isWindowModified());
    QCOMPARE(action(QKeySequence::Undo)->text(), QStringLiteral("&Undo Program 3 step 1 level"));
    action(QKeySequence::Undo)->trigger();
    action(QKeySequence::Undo)->trigger();
    QVERIFY(!rig->window->isWindowModified());
    QCOMPARE(rig->image()[levelOffset(0, 0, 2)], char(0));
    QCOMPARE(action(QKeySequence::Redo)->text(), QStringLiteral("&Redo Scene 1 level"));
    QVERIFY(!action(QKeySequence::Undo)->isEnabled());
}

void tst_KeepingWork::fileDialogsStartWhereTheLastFileWorked()
{
    QVERIFY(QDir(tmp->path()).mkdir(QStringLiteral("in")));
    const QString good = path("in/good.cfgkv");
    const QString broken = path("in/picture.png");
    QVERIFY(ConfigFile::write(good, ConfigFileFixtures::bytes(rig->image())));
    QVERIFY(ConfigFileFixtures::writeFile(broken, "\x89PNG\r\n"));

    // A home without a documents folder: the first dialog starts there.
    QVERIFY(QDir(tmp->path()).mkdir(QStringLiteral("home")));
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(path("home")));
    const auto restoreHome = qScopeGuard([&oldHome] { qputenv("HOME", oldHome); });
    rig->script.fileNames = {broken, good, QString(), QString()};
    rig->click("pbReadFile");
    rig->click("pbReadFile");
    rig->click("pbReadFile");
    rig->click("pbSaveFile");
    QCOMPARE(rig->script.fileDialogs.size(), 4);
    QCOMPARE(rig->script.fileDialogs[0][1], path("home"));
    QCOMPARE(rig->script.fileDialogs[1][1], path("in")); // the broken name is not offered again
    QCOMPARE(rig->script.fileDialogs[2][1], good);
    QCOMPARE(rig->script.fileDialogs[3][1], good);
    QCOMPARE(rig->window->windowTitle(), QStringLiteral("good.cfgkv[*] - KelvoDesk"));
}

void tst_KeepingWork::undoReachesBackOverReadsAndClear()
{
    SimulatedController &c = rig->connectTo();
    const QByteArray start = ConfigFileFixtures::randomBytes(11, ImageSize);
    rig->setImage(start);
    rig->session.history().stack().clear();
    const QByteArray fromController = ConfigFileFixtures::randomBytes(12, ImageSize);
    putConfiguration(c, fromController);
    const QByteArray fromFile = ConfigFileFixtures::randomBytes(13, ImageSize);
    QVERIFY(ConfigFile::write(path("f.cfgkv"), ConfigFileFixtures::bytes(fromFile)));

    rig->click("pbReadConf");
    QCOMPARE(rig->image(), fromController);
    rig->script.fileNames = {path("f.cfgkv")};
    rig->click("pbReadFile");
    QCOMPARE(rig->image(), fromFile);
    modal.when<QDialog>([](QDialog *dialog) {
        dialog->findChild<QCheckBox *>(QStringLiteral("cbInputs"))->click();
        dialog->findChild<QPushButton *>(QStringLiteral("okButton"))->click();
    });
    rig->click("pbClrConf");
    const QByteArray cleared = rig->image();
    QVERIFY(cleared != fromFile);

    const QList<QByteArray> images {start, fromController, fromFile, cleared};
    QCOMPARE(rig->session.history().stack().count(), 3);
    QCOMPARE(action(QKeySequence::Undo)->text(), QStringLiteral("&Undo Clear"));
    for (int i = 2; i >= 0; --i) {
        action(QKeySequence::Undo)->trigger();
        QCOMPARE(rig->image(), images[i]);
    }
    QCOMPARE(action(QKeySequence::Redo)->text(), QStringLiteral("&Redo Read from Kelvo"));
    for (int i = 1; i <= 3; ++i) {
        action(QKeySequence::Redo)->trigger();
        QCOMPARE(rig->image(), images[i]);
    }
    // What the pages show follows: the remote address of the image, too.
    QCOMPARE(rig->kelvo.rcuAddrShown,
             rcuAddressShown(reinterpret_cast<const u8 *>(cleared.data())));
}

void tst_KeepingWork::dragIsOneStep()
{
    for (int value = 1; value <= 60; ++value)
        edit(value);
    sceneSlider(3)->setValue(5);
    edit(61);
    QCOMPARE(rig->session.history().stack().count(), 3);
    action(QKeySequence::Undo)->trigger();
    action(QKeySequence::Undo)->trigger();
    QCOMPARE(sceneSlider(2)->value(), 60);
    QCOMPARE(sceneSlider(3)->value(), 0);
    action(QKeySequence::Undo)->trigger();
    QCOMPARE(sceneSlider(2)->value(), 0); // the page shows what was put back
    QCOMPARE(rig->image()[levelOffset(0, 0, 2)], char(0));
}

void tst_KeepingWork::undoInLiveModeSendsTheScene()
{
    SimulatedController &c = rig->connectTo();
    rig->click("pbLiveMode");
    edit(99);
    QCOMPARE(c.liveLevels[2], u8(99));
    action(QKeySequence::Undo)->trigger();
    QCOMPARE(c.liveLevels[2], u8(0));
    action(QKeySequence::Redo)->trigger();
    QCOMPARE(c.liveLevels[2], u8(99));
}

void tst_KeepingWork::unfinishedSendLeavesTheControllerUnknown_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("cancelled") << "cancel";
    QTest::newRow("unplugged") << "unplug";
    QTest::newRow("refused") << "refuse";
}

void tst_KeepingWork::unfinishedSendLeavesTheControllerUnknown()
{
    QFETCH(QString, how);
    SimulatedController &c = rig->connectTo();
    const QByteArray read = ConfigFileFixtures::randomBytes(5, ImageSize);
    putConfiguration(c, read);
    rig->click("pbReadConf");
    QCOMPARE(rig->image(), read);
    QVERIFY(!modified());
    edit(201);

    if (how == QLatin1String("cancel")) {
        c.faults.neverReady = true; // Cancel counts while the program waits for the controller
        rig->script.cancelAtValue = 0;
    } else if (how == QLatin1String("unplug"))
        c.faults.unplugAfterTransfers = 30;
    else
        c.failRequest(REQ_CONF_WRITE);
    rig->click("pbSendConf");
    QVERIFY(modified());

    // Back to what was read: the controller may hold some of the new configuration by now.
    action(QKeySequence::Undo)->trigger();
    QCOMPARE(rig->image(), read);
    QVERIFY(modified());
    rig->script.answers = {Prompts::Cancel};
    QVERIFY(!rig->window->close());
    QVERIFY(asked());
}

QTEST_MAIN(tst_KeepingWork)
#include "tst_keepingwork.moc"
