// What the controller shows in live mode, decided by the live output from the document's edits:
// the real controller on the simulated bus, so that every request that leaves is counted.

#include "device/kelvoprotocol.h"
#include "live/liveoutput.h"
#include "model/configlayout.h"
#include "support/controllerrig.h"

#include <QTest>

#include <memory>

using namespace ConfigLayout;

class tst_LiveOutput : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void editsOfWhatIsShown_data();
    void editsOfWhatIsShown();
    void specialSceneSpreadsItsColours();

private:
    enum Change { LevelOfShownStep, SpecialGreen, ChannelRange, StepTime, PutBack, NoChange };
    std::unique_ptr<ControllerRig> rig;
    ConfigDocument &document() { return rig->kelvo.document(); }
    LiveOutput &output() { return rig->kelvo.liveOutput(); }
};

void tst_LiveOutput::init()
{
    rig = std::make_unique<ControllerRig>();
    QVERIFY(rig->connect());
}

void tst_LiveOutput::cleanup()
{
    rig.reset();
}

void tst_LiveOutput::editsOfWhatIsShown_data()
{
    QTest::addColumn<int>("change");
    QTest::addColumn<bool>("live");
    QTest::addColumn<int>("values"); // REQ_LIVE_VALUE requests
    QTest::addColumn<int>("scenes"); // REQ_SCENE_PREP requests
    QTest::addColumn<QList<int>>("channels"); // where the output shows the new level

    QTest::newRow("a level of the step shown")
        << int(LevelOfShownStep) << true << 1 << 0 << QList<int> {6};
    QTest::newRow("a level, normal mode")
        << int(LevelOfShownStep) << false << 0 << 0 << QList<int> {};
    QList<int> green;
    for (int ch = 1; ch < ChannelCount; ch += 3)
        green << ch;
    QTest::newRow("a special-scene colour") << int(SpecialGreen) << true << 21 << 0 << green;
    QTest::newRow("the special scene's channel range")
        << int(ChannelRange) << true << 0 << 0 << QList<int> {};
    QTest::newRow("a step time") << int(StepTime) << true << 0 << 0 << QList<int> {};
    QTest::newRow("undo puts the step back")
        << int(PutBack) << true << 0 << 1 << QList<int> {0, 6, 63};
    QTest::newRow("undo, normal mode") << int(PutBack) << false << 0 << 0 << QList<int> {};
    QTest::newRow("an edit that changes nothing")
        << int(NoChange) << true << 0 << 0 << QList<int> {};
}

void tst_LiveOutput::editsOfWhatIsShown()
{
    QFETCH(int, change);
    QFETCH(bool, live);
    QFETCH(int, values);
    QFETCH(int, scenes);
    QFETCH(QList<int>, channels);

    constexpr u8 NewLevel = 99;
    const QByteArray before(reinterpret_cast<const char *>(document().data()), ImageSize);
    QByteArray putBack = before;
    for (int ch : {0, 6, 63})
        putBack[levelOffset(2, 3, ch)] = char(NewLevel);
    if (live)
        QCOMPARE(rig->kelvo.ch_mode(kelvo_controller_class::RequestedLive), 2);
    output().showStep(2, 4); // program 2, step 4
    rig->log().clear();
    rig->device->liveLevels.fill(0);

    switch (Change(change)) {
    case LevelOfShownStep:
        document().setByte(levelOffset(2, 3, 6), NewLevel, {ConfigEdit::Kind::SceneLevel, 2, 3, 6});
        output().showLevel(6, NewLevel); // as the scene editor says it
        break;
    case SpecialGreen:
        document().setByte(SpecialLevelGreen, NewLevel,
                           {ConfigEdit::Kind::SpecialScene, -1, -1, 1});
        break;
    case ChannelRange:
        document().setByte(SpecialFirstChannel, 5, {ConfigEdit::Kind::SpecialScene});
        break;
    case StepTime:
        document().setByte(timeOffset(2, 3, RiseTime), 7, {ConfigEdit::Kind::StepTime, 2, 3});
        break;
    case PutBack:
        document().restore(putBack, {ConfigEdit::Kind::Restore});
        break;
    case NoChange:
        document().setByte(SpecialLevelGreen, document().data()[SpecialLevelGreen],
                           {ConfigEdit::Kind::SpecialScene, -1, -1, 1});
        break;
    }

    QCOMPARE(rig->log().requests(REQ_LIVE_VALUE).size(), values);
    QCOMPARE(rig->log().countRequest(REQ_SCENE_PREP), scenes);
    for (int ch = 0; ch < ChannelCount; ++ch)
        QCOMPARE(rig->device->liveLevels[size_t(ch)], channels.contains(ch) ? NewLevel : u8(0));
    QVERIFY(rig->script.shown.isEmpty());
}

void tst_LiveOutput::specialSceneSpreadsItsColours()
{
    u8 *image = document().data();
    image[SpecialLevelRed] = 10;
    image[SpecialLevelGreen] = 20;
    image[SpecialLevelBlue] = 30;
    // Scene 16 of the independent scenes is not what (0, 16) shows: that is the special scene.
    image[levelOffset(0, 15, 0)] = 77;
    QCOMPARE(rig->kelvo.ch_mode(kelvo_controller_class::RequestedLive), 2);
    rig->log().clear();

    output().showSpecialScene();

    QCOMPARE(rig->log().countRequest(REQ_SCENE_PREP), 1);
    for (int ch = 0; ch < ChannelCount; ++ch)
        QCOMPARE(rig->device->liveLevels[size_t(ch)], u8(10 * (ch % 3 + 1)));
}

QTEST_GUILESS_MAIN(tst_LiveOutput)
#include "tst_liveoutput.moc"
