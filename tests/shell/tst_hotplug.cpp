// The window follows the bus between jobs: a controller unplugged while open shows as
// disconnected at once and without a box, one plugged in while none is connected is announced,
// and the program never connects by itself. (Unplugging during a job: tst_devicejobs.)

#include "support/windowrig.h"

#include <QApplication>
#include <QStatusBar>
#include <QTest>

#include <memory>

using Kind = Transaction::Kind;

namespace {

const QString serialA = QStringLiteral("KLV0000000A");
const QString serialB = QStringLiteral("KLV0000000B");
const QString foundMessage = QStringLiteral("Kelvo controller found: press Connect");

enum class Before { Connected, ConnectedLive, ConnectedWindowRebuilt, NeverConnected };
enum class Arrival { New, PluggedBack, AfterUserDisconnected, AfterFailedConnect };
enum class Other { PluggedIn, Unplugged };

} // namespace

Q_DECLARE_METATYPE(Before)
Q_DECLARE_METATYPE(Arrival)
Q_DECLARE_METATYPE(Other)

class tst_Hotplug : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void unplugBetweenJobs_data();
    void unplugBetweenJobs();
    void plugInWhileDisconnected_data();
    void plugInWhileDisconnected();
    void otherControllerWhileConnected_data();
    void otherControllerWhileConnected();

private:
    std::unique_ptr<WindowRig> rig;

    QString message() const { return rig->window->statusBar()->currentMessage(); }
    QStringList boxes() const;
    // Delivers what the bus has told so far, then forgets the traffic, boxes and message.
    void settle();
};

void tst_Hotplug::init()
{
    rig = std::make_unique<WindowRig>();
}

void tst_Hotplug::cleanup()
{
    rig.reset();
    QCOMPARE(QApplication::topLevelWidgets(), QWidgetList());
}

QStringList tst_Hotplug::boxes() const
{
    QStringList texts;
    for (const ScriptedPrompts::Shown &box : rig->script.shown)
        texts << box.text;
    return texts;
}

void tst_Hotplug::settle()
{
    QCoreApplication::processEvents();
    rig->log().clear();
    rig->script.shown.clear();
    rig->window->statusBar()->clearMessage();
}

void tst_Hotplug::unplugBetweenJobs_data()
{
    QTest::addColumn<Before>("before");
    QTest::newRow("connected") << Before::Connected;
    QTest::newRow("connected, live mode") << Before::ConnectedLive;
    QTest::newRow("connected, window rebuilt for a language") << Before::ConnectedWindowRebuilt;
    QTest::newRow("disconnected") << Before::NeverConnected;
}

void tst_Hotplug::unplugBetweenJobs()
{
    QFETCH(Before, before);
    const bool wasConnected = before != Before::NeverConnected;
    SimulatedController &c
        = wasConnected ? rig->connectTo(serialA) : rig->bus.addController(serialA);
    if (before == Before::ConnectedLive)
        rig->click("pbLiveMode");
    if (before == Before::ConnectedWindowRebuilt)
        rig->rebuild();
    settle();
    const QString shownBefore = rig->text("lbConn");

    rig->bus.unplug(c);
    QCOMPARE(rig->text("lbConn"), shownBefore); // the bus tells through the event loop
    QCoreApplication::processEvents();

    QCOMPARE(boxes(), QStringList());
    QVERIFY(!rig->kelvo.usbDevice.isOpen());
    QCOMPARE(rig->text("lbConn"), QStringLiteral("Disconnected"));
    QCOMPARE(rig->text("lbSerial"), QStringLiteral("S/N ----"));
    QCOMPARE(rig->text("lbWMode"), QStringLiteral("Normal"));
    QCOMPARE(rig->child<QPushButton>("pbConnect")->text(), QStringLiteral("Connect to Kelvo"));
    QVERIFY(!rig->child<QPushButton>("pbLiveMode")->isEnabled());
    QCOMPARE(message(), QString());
    if (wasConnected) {
        // The open device closed; no search for it.
        QCOMPARE(rig->log().count(Kind::Close), 1);
        QCOMPARE(rig->log().count(Kind::Enumerate), 0);
    } else {
        QCOMPARE(rig->log().dump(), QString()); // nothing was open: the bus is left alone
    }

    // Plugged back, it connects as before.
    rig->bus.plug(c);
    QCoreApplication::processEvents();
    QCOMPARE(message(), foundMessage);
    rig->click("pbConnect");
    QVERIFY(rig->kelvo.usbDevice.isOpen());
    QCOMPARE(rig->text("lbConn"), QStringLiteral("Connected"));
    QCOMPARE(rig->text("lbSerial"), QStringLiteral("S/N ") + serialA);
    QCOMPARE(message(), QString());
    QCOMPARE(boxes(), QStringList());
}

void tst_Hotplug::plugInWhileDisconnected_data()
{
    QTest::addColumn<Arrival>("arrival");
    QTest::newRow("a controller plugged in") << Arrival::New;
    QTest::newRow("the one unplugged plugged back") << Arrival::PluggedBack;
    QTest::newRow("another after the user disconnected") << Arrival::AfterUserDisconnected;
    QTest::newRow("one after a connect found none") << Arrival::AfterFailedConnect;
}

void tst_Hotplug::plugInWhileDisconnected()
{
    QFETCH(Arrival, arrival);
    SimulatedController *unplugged = nullptr;
    if (arrival == Arrival::PluggedBack) {
        unplugged = &rig->bus.addController(serialA);
        rig->bus.unplug(*unplugged);
    } else if (arrival == Arrival::AfterUserDisconnected) {
        rig->connectTo(serialB);
        rig->click("pbConnect");
        QVERIFY(!rig->kelvo.usbDevice.isOpen());
    } else if (arrival == Arrival::AfterFailedConnect) {
        rig->click("pbConnect");
        QVERIFY(!rig->kelvo.usbDevice.isOpen());
    }
    settle();

    if (unplugged)
        rig->bus.plug(*unplugged);
    else
        rig->bus.addController(serialA);
    QCOMPARE(message(), QString());
    QCoreApplication::processEvents();

    QCOMPARE(message(), foundMessage);
    // Announced only: not a single call to the bus, no box.
    QCOMPARE(rig->log().dump(), QString());
    QCOMPARE(boxes(), QStringList());
    QVERIFY(!rig->kelvo.usbDevice.isOpen());
    QCOMPARE(rig->text("lbConn"), QStringLiteral("Disconnected"));

    rig->click("pbConnect");
    QCOMPARE(rig->text("lbConn"), QStringLiteral("Connected"));
    QCOMPARE(message(), QString());
}

void tst_Hotplug::otherControllerWhileConnected_data()
{
    QTest::addColumn<Other>("other");
    QTest::newRow("another plugged in") << Other::PluggedIn;
    QTest::newRow("another unplugged") << Other::Unplugged;
}

void tst_Hotplug::otherControllerWhileConnected()
{
    QFETCH(Other, other);
    rig->connectTo(serialA);
    SimulatedController *b = other == Other::Unplugged ? &rig->bus.addController(serialB) : nullptr;
    settle();

    if (b)
        rig->bus.unplug(*b);
    else
        rig->bus.addController(serialB);
    QCoreApplication::processEvents();

    QCOMPARE(message(), QString());
    QCOMPARE(rig->log().dump(), QString());
    QCOMPARE(boxes(), QStringList());
    QVERIFY(rig->kelvo.usbDevice.isOpen());
    QCOMPARE(rig->text("lbConn"), QStringLiteral("Connected"));
    QCOMPARE(rig->text("lbSerial"), QStringLiteral("S/N ") + serialA);
}

QTEST_MAIN(tst_Hotplug)
#include "tst_hotplug.moc"
