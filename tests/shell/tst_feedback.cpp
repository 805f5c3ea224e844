// The window says what is going on: what to do at the controller while it waits, why a controller
// in its loader is refused, questions before a reset and an upgrade, where the user was after a
// rebuild, the keyboard reaching every channel, and time editors that keep what was typed.

#include "device/kelvoprotocol.h"
#include "editors/admx32_sliders_widget.h"
#include "editors/admx_slider_widget.h"
#include "editors/funcsetter.h"
#include "editors/mytimeedit.h"
#include "editors/program_conf_widget.h"
#include "model/configlayout.h"
#include "model/devicetime.h"
#include "support/configfilefixtures.h"
#include "support/upgradefilemaker.h"
#include "support/windowrig.h"

#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace ConfigLayout;
using Press = SimulatedController::PressKind;

class tst_Feedback : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensOnTheFirstTabAndKeepsTheViewOnRebuild();
    void hintWhileWaitingForTheUser_data();
    void hintWhileWaitingForTheUser();
    void loaderRefusesTransfers_data();
    void loaderRefusesTransfers();
    void resetAsks_data();
    void resetAsks();
    void upgradeAsksWithBothVersions_data();
    void upgradeAsksWithBothVersions();
    void tabReachesEveryChannel();
    void typedTimesStay_data();
    void typedTimesStay();
    void tooltipsExplain();

private:
    std::unique_ptr<WindowRig> rig;
};

void tst_Feedback::init()
{
    rig = std::make_unique<WindowRig>();
    rig->window->show();
}

void tst_Feedback::cleanup()
{
    rig.reset();
}

void tst_Feedback::opensOnTheFirstTabAndKeepsTheViewOnRebuild()
{
    QCOMPARE(rig->child<QTabWidget>("tabWidget_main")->currentIndex(), 0);
    QCOMPARE(rig->child<QTabWidget>("tabWidget_settings")->currentIndex(), 0);

    rig->showPage(1);
    rig->child<QSpinBox>("sbProgram")->setValue(3);
    rig->child<QSpinBox>("sbStep")->setValue(5);
    rig->child<QSpinBox>("sbProgP")->setValue(6);
    rig->showPage(0, 2);
    rig->showPage(2);
    auto *table = rig->child<program_conf_widget>("programTable");
    table->setCurrentIndex(table->model()->index(4, 0));
    const QByteArray image = rig->image();

    rig->rebuild();
    QCOMPARE(rig->child<QTabWidget>("tabWidget_main")->currentIndex(), 2);
    QCOMPARE(rig->child<QTabWidget>("tabWidget_settings")->currentIndex(), 2);
    QCOMPARE(rig->child<QSpinBox>("sbProgram")->value(), 3);
    QCOMPARE(rig->child<QSpinBox>("sbStep")->value(), 5);
    QCOMPARE(rig->child<QSpinBox>("sbProgP")->value(), 6);
    QCOMPARE(rig->child<program_conf_widget>("programTable")->currentIndex().row(), 4);
    QCOMPARE(rig->image(), image); // showing it again wrote nothing
}

void tst_Feedback::hintWhileWaitingForTheUser_data()
{
    QTest::addColumn<int>("settingsPage");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("press");
    QTest::addColumn<QString>("hint");
    QTest::newRow("learn an input")
        << 0 << "btnKeyFromDev" << int(Press::Input) << "Operate the input now";
    QTest::newRow("learn a remote key")
        << 1 << "btnRcFromDev" << int(Press::RemoteKey) << "Press a key on the remote now";
    QTest::newRow("accept the remote's address")
        << 2 << "btnAcceptAdr" << int(Press::RemoteKey) << "Press a key on the remote now";
}

void tst_Feedback::hintWhileWaitingForTheUser()
{
    QFETCH(int, settingsPage);
    QFETCH(QString, button);
    QFETCH(int, press);
    QFETCH(QString, hint);

    SimulatedController &c = rig->connectTo();
    rig->bus.controlLatencyMs = 1;
    rig->showPage(0, settingsPage);
    QStringList messages;
    connect(rig->window->statusBar(), &QStatusBar::messageChanged, this,
            [&](const QString &text) { messages << text; });
    // What the status bar says while the controller waits for the user.
    QString duringWait;
    rig->clock.onSleep = [&] {
        if (duringWait.isEmpty())
            duringWait = rig->window->statusBar()->currentMessage();
    };
    c.queuePress(Press(press), 3, 500, 9);
    rig->click(qPrintable(button));
    rig->clock.onSleep = nullptr;
    QCOMPARE(c.pendingPresses(), 0);
    QCOMPARE(messages, (QStringList {hint, QString()}));
    QVERIFY(rig->script.shown.isEmpty());

    // Not connected: the refusal alone, no hint.
    rig->click("pbConnect");
    messages.clear();
    rig->click(qPrintable(button));
    QVERIFY(messages.filter(hint).isEmpty());
}

void tst_Feedback::loaderRefusesTransfers_data()
{
    QTest::addColumn<QString>("slot");
    QTest::newRow("send") << "sendConfClick";
    QTest::newRow("read") << "readConfClick";
    QTest::newRow("live") << "slotLiveMode";
}

void tst_Feedback::loaderRefusesTransfers()
{
    QFETCH(QString, slot);

    SimulatedController &c = rig->bus.addController(QStringLiteral("KLV0000000A"));
    c.faults.extraStatusBits = ST_MODE_LOADER;
    rig->click("pbConnect");
    QVERIFY(rig->kelvo.usbDevice.isOpen());
    rig->log().clear();
    rig->script.shown.clear();

    // Live is greyed out in the loader; its slot refuses all the same.
    if (slot == QLatin1String("slotLiveMode"))
        QVERIFY(!rig->child<QPushButton>("pbLiveMode")->isEnabled());
    const bool invoked = slot == QLatin1String("slotLiveMode")
        ? QMetaObject::invokeMethod(rig->window.get(), qPrintable(slot))
        : QMetaObject::invokeMethod(rig->window.get(), qPrintable(slot), Q_ARG(bool, false));
    QVERIFY(invoked);
    QCOMPARE(rig->script.shown.size(), 1);
    QCOMPARE(rig->script.shown[0].kind, Prompts::Kind::Warning);
    QCOMPARE(rig->script.shown[0].text,
             QStringLiteral("The controller waits for its firmware: an upgrade did not end.\n"
                            "Run \"Upgrade Kelvo\" again with the upgrade file to finish it."));
    QCOMPARE(rig->log().countTransfers(), 0);
    QVERIFY(rig->kelvo.usbDevice.isOpen());
}

void tst_Feedback::resetAsks_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("resets");
    QTest::newRow("yes") << int(Prompts::Yes) << 1;
    QTest::newRow("no") << int(Prompts::No) << 0;
}

void tst_Feedback::resetAsks()
{
    QFETCH(int, answer);
    QFETCH(int, resets);

    SimulatedController &c = rig->connectTo();
    rig->script.answers = {Prompts::Button(answer)};
    rig->click("pbReset");
    QCOMPARE(rig->script.shown.size(), 1);
    QCOMPARE(rig->script.shown[0].kind, Prompts::Kind::Question);
    QCOMPARE(rig->script.shown[0].text,
             QStringLiteral("Reset the controller?\nIt restarts and stops what it is doing."));
    QCOMPARE(c.resets(), resets);
    QVERIFY(rig->kelvo.usbDevice.isOpen());
}

void tst_Feedback::upgradeAsksWithBothVersions_data()
{
    QTest::addColumn<QByteArray>("versionText");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("question");
    QTest::newRow("same, yes") << QByteArray(" v_1_05a") << int(Prompts::Yes)
                               << "Upgrade the controller from 1.05a to 1.05a?";
    QTest::newRow("newer, no") << QByteArray(" v_1_07a") << int(Prompts::No)
                               << "Upgrade the controller from 1.05a to 1.07a?";
    QTest::newRow("untagged, no") << QByteArray() << int(Prompts::No)
                                  << "Upgrade the controller from 1.05a to new.upg?";
}

void tst_Feedback::upgradeAsksWithBothVersions()
{
    QFETCH(QByteArray, versionText);
    QFETCH(int, answer);
    QFETCH(QString, question);

    SimulatedController &c = rig->bus.addController(QStringLiteral("KLV0000000A"));
    c.version = {1, 5, 'a'};
    rig->click("pbConnect");
    rig->log().clear();
    rig->script.shown.clear();
    QTemporaryDir dir;
    UpgradeFileMaker maker;
    maker.firmware = ConfigFileFixtures::randomBytes(51, 4096).repeated(16);
    maker.text = versionText;
    const QString file = dir.filePath(QStringLiteral("new.upg"));
    QVERIFY(ConfigFileFixtures::writeFile(file, maker.build()));

    rig->script.fileNames = {file};
    rig->script.answers = {Prompts::Button(answer)};
    rig->trigger(QStringLiteral("&Upgrade Kelvo"));
    QVERIFY(!rig->script.shown.isEmpty());
    QCOMPARE(rig->script.shown[0].kind, Prompts::Kind::Question);
    QCOMPARE(rig->script.shown[0].text, question);
    const bool upgraded
        = QByteArray(reinterpret_cast<const char *>(c.firmware.data()), int(c.firmware.size()))
        == maker.firmware;
    QCOMPARE(upgraded, answer == Prompts::Yes);
    if (answer == Prompts::No) {
        // Not touched: no mode change, no block.
        QCOMPARE(rig->log().countRequest(REQ_SET_MODE), 0);
        QCOMPARE(rig->script.shown.size(), 1);
    }
}

void tst_Feedback::tabReachesEveryChannel()
{
    rig->showPage(1);
    QApplication::setActiveWindow(rig->window.get());
    auto *channels = rig->child<QWidget>("sceneChannels");
    auto *scroll = rig->child<QScrollBar>("scrollChannels");
    const QList<QSlider *> sliders = channels->findChildren<QSlider *>();
    sliders.first()->setFocus(Qt::TabFocusReason);
    // Slider and level box of each channel, one after the other, up to channel 64.
    QStringList seen;
    for (int i = 0; i < 2 * ChannelCount; ++i) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus && channels->isAncestorOf(focus));
        const QLabel *caption
            = focus->parentWidget()->findChild<QLabel *>(QStringLiteral("caption"));
        seen << caption->text();
        if (i + 1 < 2 * ChannelCount)
            QTest::keyClick(focus, Qt::Key_Tab);
    }
    QCOMPARE(seen.first(), QStringLiteral("1"));
    QCOMPARE(seen.last(), QStringLiteral("64"));
    QCOMPARE(seen.size(), 128);
    for (int ch = 1; ch <= ChannelCount; ++ch)
        QCOMPARE(seen.count(QString::number(ch)), 2);
    QCOMPARE(scroll->value(), admx32_sliders_widget::LastFirstChannel);
    // Then on to the controls after the channels.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(!channels->isAncestorOf(QApplication::focusWidget()));

    // And back all the way.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    for (int i = 0; i < 2 * ChannelCount - 1; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(scroll->value(), 0);
    QCOMPARE(QApplication::focusWidget(), sliders.first());
}

void tst_Feedback::typedTimesStay_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QTime>("expected");
    const QTime largest = fromDeviceTime(MaxRiseTime); // 1:49:13.5
    QTest::newRow("seconds with a tenth") << 2 << "01.5" << QTime(0, 0, 1, 500);
    QTest::newRow("a tenth") << 3 << "3" << QTime(0, 0, 1, 300);
    QTest::newRow("within the range") << 0 << "014859" << QTime(1, 48, 59);
    QTest::newRow("beyond, whole") << 0 << "015959" << largest;
    QTest::newRow("beyond, with blanks") << 0 << "01 59 59" << largest;
}

void tst_Feedback::typedTimesStay()
{
    QFETCH(int, section);
    QFETCH(QString, keys);
    QFETCH(QTime, expected);

    rig->showPage(1);
    auto *edit = rig->child<MyTimeEdit>("teSceneRise");
    QList<QTime> reported;
    connect(edit, &MyTimeEdit::timeChanged, this, [&](QTime &t) { reported << t; });
    edit->setTime(QTime(0, 0, 1));
    reported.clear();
    QApplication::setActiveWindow(rig->window.get());
    edit->setFocus();
    edit->setCurrentSectionIndex(section);
    edit->setSelectedSection(edit->sectionAt(section));
    QTest::keyClicks(edit, keys);
    QTest::keyClick(edit, Qt::Key_Enter);
    QCOMPARE(edit->time(), expected);
    QVERIFY(!reported.isEmpty());
    QCOMPARE(reported.last(), expected);
    // Nothing beyond the largest ever reached the image.
    for (const QTime &t : reported)
        QVERIFY2(t <= edit->largestTime(), qPrintable(t.toString()));
    QCOMPARE(stepTime(rig->kelvo.configImage(), 0, 0, RiseTime), toDeviceTime(expected));
}

void tst_Feedback::tooltipsExplain()
{
    rig->showPage(1);
    QCOMPARE(rig->child<MyTimeEdit>("teSceneRise")->toolTip(),
             QStringLiteral("Largest time: 1:49:13.5"));
    QCOMPARE(rig->child<MyTimeEdit>("teSceneLast")->toolTip(),
             QStringLiteral("Largest time: 1:49:13.4"));
    rig->showPage(0, 0);
    auto *inputs = rig->child<funcSetter>("inputTable");
    QVERIFY(inputs->item(0, 1)->toolTip().startsWith(QLatin1String("N/")));
    QVERIFY(rig->child<QPushButton>("btnAcceptAdr")->toolTip().startsWith(QLatin1String("RCU:")));
}

QTEST_MAIN(tst_Feedback)
#include "tst_feedback.moc"
