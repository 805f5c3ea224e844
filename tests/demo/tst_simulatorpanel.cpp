// The demo's simulator panel against the real window and controller on the simulated bus: its
// inputs and remote are what a learn request reports, the program's live levels show in its
// bars, and its mode follows the controller.

#include "editors/levelbars.h"
#include "demo/simulatorpanel.h"
#include "device/kelvoprotocol.h"
#include "model/configlayout.h"
#include "simulator/sampleshow.h"
#include "support/windowrig.h"

#include <QApplication>
#include <QCheckBox>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTranslator>

using namespace ConfigLayout;

class tst_SimulatorPanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void learnReportsThePanelsPress_data();
    void learnReportsThePanelsPress();
    void remoteAddressComesFromThePanel();
    void automaticPressFollowsItsBox_data();
    void automaticPressFollowsItsBox();
    void forgottenPressIsNotReported();
    void liveLevelShowsInItsBar_data();
    void liveLevelShowsInItsBar();
    void modeFollowsTheController_data();
    void modeFollowsTheController();
    void refreshesOnlyWhileShown();
    void followsALanguageChange();
    void closingTheProgramsWindowEndsTheProgram();
    void playsTheSampleShow();
    void opensBesideTheProgramsWindow_data();
    void opensBesideTheProgramsWindow();

private:
    // Connects the window to a controller and opens the panel on it; transfers take virtual
    // time, so a wait for a press ends.
    SimulatedController &connectWithPanel();
    template<class T> T *panelChild(const char *name)
    {
        T *w = panel->findChild<T *>(QString::fromLatin1(name));
        if (!w)
            qFatal("no panel widget %s", name);
        return w;
    }
    QString modeShown() { return panelChild<QLabel>("lbSimMode")->text(); }

    std::unique_ptr<WindowRig> rig;
    std::unique_ptr<SimulatorPanel> panel;
};

void tst_SimulatorPanel::init()
{
    rig = std::make_unique<WindowRig>();
}

void tst_SimulatorPanel::cleanup()
{
    panel.reset();
    rig.reset();
    QCOMPARE(QApplication::topLevelWidgets(), QWidgetList());
}

SimulatedController &tst_SimulatorPanel::connectWithPanel()
{
    SimulatedController &c = rig->connectTo();
    panel = std::make_unique<SimulatorPanel>(c);
    rig->bus.controlLatencyMs = 1;
    return c;
}

void tst_SimulatorPanel::learnReportsThePanelsPress_data()
{
    QTest::addColumn<QString>("press"); // the panel's button
    QTest::addColumn<int>("key"); // the remote key chosen first
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<int>("settingsPage");
    QTest::addColumn<QString>("learn"); // the window's button
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("row");

    QTest::newRow("input 3") << "pbSimInput3" << 1 << false << 0 << "btnKeyFromDev"
                             << "inputTable" << 2;
    // The hand's press comes first; the automatic one would have been input 1.
    QTest::newRow("input 8, automatic press on")
        << "pbSimInput8" << 1 << true << 0 << "btnKeyFromDev"
        << "inputTable" << 7;
    QTest::newRow("key 42") << "pbSimKey" << 42 << false << 1 << "btnRcFromDev"
                            << "remoteKeyTable" << 41;
    QTest::newRow("key 64, automatic press on") << "pbSimKey" << 64 << true << 1 << "btnRcFromDev"
                                                << "remoteKeyTable" << 63;
}

void tst_SimulatorPanel::learnReportsThePanelsPress()
{
    QFETCH(QString, press);
    QFETCH(int, key);
    QFETCH(bool, automatic);
    QFETCH(int, settingsPage);
    QFETCH(QString, learn);
    QFETCH(QString, table);
    QFETCH(int, row);

    SimulatedController &c = connectWithPanel();
    panelChild<QCheckBox>("cbSimAutoPress")->setChecked(automatic);
    panelChild<QSpinBox>("sbSimKey")->setValue(key);
    panelChild<QPushButton>(qPrintable(press))->click();
    QCOMPARE(c.pendingPresses(), 1);
    QCOMPARE(panelChild<QLabel>("lbSimPending")->text(),
             QStringLiteral("Presses waiting for the program: 1"));

    rig->showPage(0, settingsPage);
    rig->click(qPrintable(learn));
    QCOMPARE(rig->child<QTableWidget>(qPrintable(table))->currentRow(), row);
    QVERIFY(rig->script.shown.isEmpty());
    panel->refresh();
    QCOMPARE(c.pendingPresses(), 0);
    QVERIFY(!panelChild<QPushButton>("pbSimForget")->isEnabled());
}

void tst_SimulatorPanel::remoteAddressComesFromThePanel()
{
    SimulatedController &c = connectWithPanel();
    panelChild<QCheckBox>("cbSimAutoPress")->setChecked(false);
    panelChild<QSpinBox>("sbSimAddress")->setValue(9);
    panelChild<QSpinBox>("sbSimKey")->setValue(17);
    panelChild<QPushButton>("pbSimKey")->click();

    rig->showPage(0, 2);
    rig->click("btnAcceptAdr");
    QCOMPARE(rig->text("lbGotValue"), QStringLiteral("9"));
    QCOMPARE(c.systemAddress(), u8(9));
    QCOMPARE(u8(rig->image().at(RcuSysAddr)), u8(9));
    QVERIFY(rig->script.shown.isEmpty());
}

void tst_SimulatorPanel::automaticPressFollowsItsBox_data()
{
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<int>("row"); // -1: nothing learned
    QTest::newRow("on: input 1 after a second") << true << 0;
    QTest::newRow("off: nobody operates anything") << false << -1;
}

void tst_SimulatorPanel::automaticPressFollowsItsBox()
{
    QFETCH(bool, automatic);
    QFETCH(int, row);

    connectWithPanel();
    // On by default, as the demo always did.
    QVERIFY(panelChild<QCheckBox>("cbSimAutoPress")->isChecked());
    panelChild<QCheckBox>("cbSimAutoPress")->setChecked(automatic);
    rig->showPage(0, 0);
    const qint64 before = rig->clock.now();
    rig->click("btnKeyFromDev");
    QCOMPARE(rig->child<QTableWidget>("inputTable")->currentRow(), row);
    QCOMPARE(rig->shown(QStringLiteral("Time is over !")), !automatic);
    if (automatic)
        QVERIFY(rig->clock.now() - before >= SimulatorPanel::AutoPressDelayMs);
}

void tst_SimulatorPanel::forgottenPressIsNotReported()
{
    SimulatedController &c = connectWithPanel();
    panelChild<QCheckBox>("cbSimAutoPress")->setChecked(false);
    panelChild<QPushButton>("pbSimInput4")->click();
    panelChild<QPushButton>("pbSimForget")->click();
    QCOMPARE(c.pendingPresses(), 0);
    QCOMPARE(panelChild<QLabel>("lbSimPending")->text(),
             QStringLiteral("Presses waiting for the program: 0"));

    rig->showPage(0, 0);
    rig->click("btnKeyFromDev");
    QCOMPARE(rig->child<QTableWidget>("inputTable")->currentRow(), -1);
    QVERIFY(rig->shown(QStringLiteral("Time is over !")));
}

void tst_SimulatorPanel::liveLevelShowsInItsBar_data()
{
    QTest::addColumn<int>("scroll"); // the scene editor's first channel, 0-based
    QTest::addColumn<int>("slider"); // of the ten shown
    QTest::addColumn<int>("value");
    QTest::newRow("channel 1 at 200") << 0 << 0 << 200;
    QTest::newRow("channel 64 at 17") << 54 << 9 << 17;
}

void tst_SimulatorPanel::liveLevelShowsInItsBar()
{
    QFETCH(int, scroll);
    QFETCH(int, slider);
    QFETCH(int, value);

    connectWithPanel();
    auto *bars = panelChild<LevelBars>("simLevelBars");
    rig->click("pbLiveMode");
    QVERIFY(rig->kelvo.isLive());
    rig->showPage(1);
    rig->child<QScrollBar>("scrollChannels")->setValue(scroll);
    rig->child<QWidget>("sceneChannels")->findChildren<QSlider *>()[slider]->setValue(value);
    panel->refresh();
    const int channel = scroll + slider;
    QCOMPARE(bars->level(channel), value);
    QVERIFY(bars->isEnabled());
    QCOMPARE(modeShown(), QStringLiteral("live"));

    // Back in normal mode it plays its show, and this controller's memory lights nothing.
    rig->click("pbNormalMode");
    panel->refresh();
    QCOMPARE(bars->level(channel), 0);
    QVERIFY(bars->isEnabled());
    QCOMPARE(modeShown(), QStringLiteral("normal"));
}

void tst_SimulatorPanel::modeFollowsTheController_data()
{
    QTest::addColumn<int>("request"); // REQ_SET_MODE's value, 0: none
    QTest::addColumn<int>("enumerations"); // of the bus, afterwards
    QTest::addColumn<bool>("unplugged");
    QTest::addColumn<QString>("shown");
    QTest::newRow("normal") << 0 << 0 << false << "normal";
    QTest::newRow("configuration") << MODE_CONF << 0 << false << "configuration";
    QTest::newRow("live") << MODE_LIVE << 0 << false << "live";
    QTest::newRow("loader, off the bus") << MODE_LOADER << 0 << false << "restarting";
    QTest::newRow("loader, back on the bus") << MODE_LOADER << 1 << false << "firmware loader";
    QTest::newRow("unplugged") << 0 << 0 << true << "unplugged";
}

void tst_SimulatorPanel::modeFollowsTheController()
{
    QFETCH(int, request);
    QFETCH(int, enumerations);
    QFETCH(bool, unplugged);
    QFETCH(QString, shown);

    SimulatedController &c = rig->bus.addController(QStringLiteral("KLV0000000C"));
    panel = std::make_unique<SimulatorPanel>(c);
    if (request)
        QCOMPARE(c.controlTransfer(REQTYPE_VENDOR_OUT, REQ_SET_MODE, u16(request), 0, nullptr, 0),
                 0);
    for (int i = 0; i < enumerations; ++i)
        rig->bus.enumerate();
    if (unplugged)
        rig->bus.unplug(c);
    panel->refresh();
    QCOMPARE(modeShown(), shown);
}

void tst_SimulatorPanel::refreshesOnlyWhileShown()
{
    connectWithPanel();
    auto *timer = panelChild<QTimer>("simRefreshTimer");
    QVERIFY(!timer->isActive());
    panel->show();
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), SimulatorPanel::RefreshMs);
    panel->hide();
    QVERIFY(!timer->isActive());
}

void tst_SimulatorPanel::followsALanguageChange()
{
    SimulatedController &c = rig->bus.addController(QStringLiteral("KLV0000000D"));
    panel = std::make_unique<SimulatorPanel>(c);
    panel->show();
    QTranslator polish;
    QVERIFY(polish.load(QStringLiteral(KELVO_BIN_DIR "/KelvoDesk_pl.qm")));

    QCoreApplication::installTranslator(&polish);
    QCoreApplication::processEvents();
    QCOMPARE(modeShown(), QStringLiteral("normalny"));
    QCOMPARE(panel->windowTitle(), QStringLiteral("Symulowany sterownik KLV0000000D"));

    QCoreApplication::removeTranslator(&polish);
    QCoreApplication::processEvents();
    QCOMPARE(modeShown(), QStringLiteral("normal"));
    QCOMPARE(panel->windowTitle(), QStringLiteral("Simulated controller KLV0000000D"));
}

void tst_SimulatorPanel::closingTheProgramsWindowEndsTheProgram()
{
    SimulatedController &c = rig->bus.addController(QStringLiteral("KLV0000000E"));
    panel = std::make_unique<SimulatorPanel>(c);
    panel->show();
    rig->window->show();
    QTimer::singleShot(0, rig->window.get(), &QWidget::close);
    // Only when the panel kept the program running.
    QTimer stuck;
    stuck.setSingleShot(true);
    connect(&stuck, &QTimer::timeout, this, [] { QCoreApplication::exit(1); });
    stuck.start(5000);
    QCOMPARE(QApplication::exec(), 0);
}

void tst_SimulatorPanel::playsTheSampleShow()
{
    SimulatedController &c = rig->bus.addController(QStringLiteral("KLV0000000G"));
    const QByteArray show = sampleShowImage();
    std::copy(show.cbegin(), show.cend(), c.configuration.begin());
    panel = std::make_unique<SimulatorPanel>(c);
    panel->show();
    auto *bars = panelChild<LevelBars>("simLevelBars");
    // The first two fixtures, channels 1 to 6, some time later.
    const auto after = [&](int ms) {
        rig->clock.elapsed += ms;
        panel->refresh();
        QList<int> levels;
        for (int channel = 0; channel < 6; ++channel)
            levels << bars->level(channel);
        return levels;
    };
    using L = QList<int>;
    // Power-on: scene 8, warm white, risen over a second.
    QCOMPARE(after(500), (L {128, 90, 50, 128, 90, 50}));
    QCOMPARE(after(1000), (L {255, 180, 100, 255, 180, 100}));
    // Input 2 loads the next scene, red and blue fixtures, as the warm white falls.
    panelChild<QPushButton>("pbSimInput2")->click();
    QCOMPARE(after(2500), (L {255, 0, 0, 0, 0, 255}));
    // Input 1 runs program 1 over it: in the middle of its second step, amber.
    panelChild<QPushButton>("pbSimInput1")->click();
    QCOMPARE(after(4500), (L {255, 126, 0, 255, 126, 255}));
    // Input 4, the stop button wired normally closed: dark.
    panelChild<QPushButton>("pbSimInput4")->click();
    QCOMPARE(after(100), (L {0, 0, 0, 0, 0, 0}));
    QVERIFY(bars->isEnabled());
}

void tst_SimulatorPanel::opensBesideTheProgramsWindow_data()
{
    QTest::addColumn<bool>("atTheRight"); // the program's window at the right of the screen
    QTest::addColumn<int>("windowWidth");
    QTest::addColumn<QString>("where");
    QTest::newRow("room on the right") << false << 100 << "right";
    QTest::newRow("room on the left only") << true << 100 << "left";
    QTest::newRow("no room: inside the screen") << false << 100000 << "screen";
}

void tst_SimulatorPanel::opensBesideTheProgramsWindow()
{
    QFETCH(bool, atTheRight);
    QFETCH(int, windowWidth);
    QFETCH(QString, where);
    SimulatedController &c = rig->bus.addController(QStringLiteral("KLV0000000F"));
    panel = std::make_unique<SimulatorPanel>(c);
    QWidget window; // stands in for the program's window
    const QRect room = window.screen()->availableGeometry();
    const int width = qMin(windowWidth, room.width());
    window.setGeometry(atTheRight ? room.right() - width + 1 : room.left(), room.top() + 20, width,
                       150);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The offscreen screen must hold both side by side for the rows with room.
    if (where != QLatin1String("screen"))
        QVERIFY(panel->sizeHint().width() + width <= room.width());

    panel->placeBeside(window);
    panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
    const QRect mine = panel->frameGeometry();
    const QRect program = window.frameGeometry();
    QVERIFY(room.contains(mine.topLeft()));
    QCOMPARE(mine.top(), program.top());
    if (where == QLatin1String("right"))
        QCOMPARE(mine.left(), program.right() + 1);
    else if (where == QLatin1String("left"))
        QCOMPARE(mine.right(), program.left() - 1);
    else
        QCOMPARE(mine.right(), room.right());
    if (where != QLatin1String("screen"))
        QVERIFY(!mine.intersects(program));
}

QTEST_MAIN(tst_SimulatorPanel)
#include "tst_simulatorpanel.moc"
