// The show engine: scenes and programs fading as their times say, inputs, the remote and
// power-on acting as configured, every function group, the mixing, and levels that depend on
// the time alone.

#include "model/configclear.h"
#include "model/configlayout.h"
#include "show/programtimeline.h"
#include "show/showengine.h"
#include "show/showrules.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

using namespace ConfigLayout;
using Kind = ShowEvent::Kind;

namespace {

// A configuration described by what a test needs of it; everything else cleared.
class Show
{
public:
    Show()
        : bytes(ImageSize, '\0')
    {
        clearImage(data(), 0xFFFF);
        for (int page = 0; page < PageCount; ++page) {
            for (int step = 0; step < StepsPerPage; ++step) {
                for (int c = 0; c < ChannelCount; ++c)
                    setLevel(data(), page, step, c, 0);
            }
        }
    }

    u8 *data() { return reinterpret_cast<u8 *>(bytes.data()); }
    // Times in tenths of a second, as the image keeps them.
    Show &scene(int scene, int channel, u8 level, u16 rise, u16 last, u16 fall)
    {
        setLevel(data(), 0, scene - 1, channel - 1, level);
        setTimes(0, scene - 1, rise, last, fall);
        return *this;
    }
    Show &step(int program, int step, int channel, u8 level, u16 rise, u16 last, u16 fall)
    {
        setLevel(data(), program, step - 1, channel - 1, level);
        setTimes(program, step - 1, rise, last, fall);
        return *this;
    }
    Show &set(int offset, u8 value)
    {
        data()[offset] = value;
        return *this;
    }
    ShowEngine engine(const QList<ShowEvent> &events = {}) const
    {
        ShowEngine e(bytes);
        e.setEvents(events);
        return e;
    }

    QByteArray bytes;

private:
    void setTimes(int page, int step, u16 rise, u16 last, u16 fall)
    {
        setStepTime(data(), page, step, RiseTime, rise);
        setStepTime(data(), page, step, LastTime, last);
        setStepTime(data(), page, step, FallTime, fall);
    }
};

ShowEvent action(qint64 at, int code)
{
    return {at, Kind::Action, code};
}

// Channel 1 of a three-step program: 100, 200, 50, each rising 1 s and held 1 s.
Show threeSteps(u16 lastFall)
{
    Show show;
    show.step(1, 1, 1, 100, 10, 10, FallNextStep)
        .step(1, 2, 1, 200, 10, 10, FallNextStep)
        .step(1, 3, 1, 50, 10, 10, lastFall);
    return show;
}

} // namespace

class tst_ShowEngine : public QObject
{
    Q_OBJECT

private slots:
    void sceneFadesInHoldsAndFadesOut_data();
    void sceneFadesInHoldsAndFadesOut();
    void programRunsItsSteps_data();
    void programRunsItsSteps();
    void loopKeepsTimeOverAnHour();
    void inputsActAsTheirContactSays_data();
    void inputsActAsTheirContactSays();
    void remoteKeysNeedTheAddress_data();
    void remoteKeysNeedTheAddress();
    void functionGroups_data();
    void functionGroups();
    void mixing_data();
    void mixing();
    void levelsDependOnTheTimeAlone();
    void readmeListsTheRules();
};

void tst_ShowEngine::sceneFadesInHoldsAndFadesOut_data()
{
    QTest::addColumn<u16>("last");
    QTest::addColumn<qint64>("at");
    QTest::addColumn<int>("level");
    // Scene 1: 200 on channel 5, rise 1 s, last 2 s, fall 1 s; loaded at 0.
    const QList<std::pair<qint64, int>> timeline {
        {0, 0},      {500, 100},  {999, 200}, {1000, 200}, {2999, 200},
        {3000, 200}, {3500, 100}, {3999, 0},  {4000, 0},   {360000, 0}};
    for (const auto &[at, level] : timeline)
        QTest::addRow("held 2 s, at %lld ms", at) << u16(20) << at << level;
    QTest::newRow("held for ever, after an hour") << LastInfinite << qint64(3600000) << 200;
}

void tst_ShowEngine::sceneFadesInHoldsAndFadesOut()
{
    QFETCH(u16, last);
    QFETCH(qint64, at);
    QFETCH(int, level);
    Show show;
    show.scene(1, 5, 200, 10, last, 10);
    const ShowEngine engine = show.engine({action(0, 13)});
    const ShowEngine::Levels levels = engine.levelsAt(at);
    QCOMPARE(int(levels[4]), level);
    for (int c = 0; c < ChannelCount; ++c) {
        if (c != 4)
            QCOMPARE(int(levels[size_t(c)]), 0);
    }
}

void tst_ShowEngine::programRunsItsSteps_data()
{
    QTest::addColumn<u16>("lastFall"); // the third step's marker
    QTest::addColumn<qint64>("at");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("step"); // 1-based; 0: the program has ended

    const QList<std::tuple<qint64, int, int>> firstPass {
        {0, 0, 1},      {500, 50, 1},   {1000, 100, 1}, {1500, 100, 1}, {2000, 100, 2},
        {2500, 150, 2}, {3000, 200, 2}, {4000, 200, 3}, {4500, 125, 3}, {5000, 50, 3}};
    for (const u16 marker : {u16(10), FallLoop}) {
        for (const auto &[at, level, step] : firstPass) {
            QTest::addRow("%s, at %lld ms", marker == FallLoop ? "loop" : "fall 1 s", at)
                << marker << at << level << step;
        }
    }
    QTest::newRow("fall 1 s, falling") << u16(10) << qint64(6500) << 25 << 3;
    QTest::newRow("fall 1 s, ended") << u16(10) << qint64(7000) << 0 << 0;
    QTest::newRow("fall 0, ended at once") << u16(0) << qint64(6000) << 0 << 0;
    // The second pass: step 1 fades from step 3's 50 to 100.
    QTest::newRow("loop, second pass starts from the last step")
        << FallLoop << qint64(6000) << 50 << 1;
    QTest::newRow("loop, second pass mid-fade") << FallLoop << qint64(6500) << 75 << 1;
    QTest::newRow("loop, hundredth pass mid-fade")
        << FallLoop << qint64(6000 * 100 + 500) << 75 << 1;
    QTest::newRow("loop, hundredth pass, step 2")
        << FallLoop << qint64(6000 * 100 + 2500) << 150 << 2;
}

void tst_ShowEngine::programRunsItsSteps()
{
    QFETCH(u16, lastFall);
    QFETCH(qint64, at);
    QFETCH(int, level);
    QFETCH(int, step);
    const ShowEngine engine = threeSteps(lastFall).engine({action(0, 30)});
    QCOMPARE(int(engine.levelsAt(at)[0]), level);
    const ShowEngine::Status status = engine.statusAt(at);
    QCOMPARE(status.program, step ? 1 : 0);
    if (step)
        QCOMPARE(status.position.step + 1, step);
}

void tst_ShowEngine::loopKeepsTimeOverAnHour()
{
    // Steps of odd lengths, so that an hour is no whole number of passes.
    Show show;
    show.step(2, 1, 1, 255, 7, 3, FallNextStep).step(2, 2, 1, 0, 13, 0, FallLoop);
    const ProgramTimeline timeline(show.data(), 2);
    QCOMPARE(timeline.passLength(), qint64(2300));
    QCOMPARE(timeline.end(), ProgramTimeline::End::Loop);
    const ShowEngine engine = show.engine({action(0, 31)});
    const qint64 hour = 3600 * 1000;
    const qint64 into = hour % 2300; // 500 ms into the first step's rise
    QCOMPARE(into, qint64(500));
    // From step 2's 0 to 255 over 700 ms, 500 ms in.
    QCOMPARE(int(engine.levelsAt(hour)[0]), 182);
    QCOMPARE(engine.statusAt(hour).position.inStep, into);
    // Frame by frame at 60 frames a second to the hour gives the same.
    ShowEngine framed = show.engine({action(0, 31)});
    for (qint64 frame = 0; frame * 1000 / 60 < hour; frame += 600)
        framed.levelsAt(frame * 1000 / 60);
    QCOMPARE(framed.levelsAt(hour), engine.levelsAt(hour));
}

void tst_ShowEngine::inputsActAsTheirContactSays_data()
{
    QTest::addColumn<QString>("contact");
    QTest::addColumn<bool>("closing");
    QTest::addColumn<bool>("acts");
    QTest::newRow("N/O closes") << "N/O" << true << true;
    QTest::newRow("N/O opens") << "N/O" << false << false;
    QTest::newRow("N/C closes") << "N/C" << true << false;
    QTest::newRow("N/C opens") << "N/C" << false << true;
    QTest::newRow("N/U closes") << "N/U" << true << false;
    QTest::newRow("N/U opens") << "N/U" << false << false;
}

void tst_ShowEngine::inputsActAsTheirContactSays()
{
    QFETCH(QString, contact);
    QFETCH(bool, closing);
    QFETCH(bool, acts);
    Show show;
    show.scene(4, 1, 90, 0, LastInfinite, 0).set(InputFunc + 2, 13 + 3);
    const u8 bit = 1 << 2; // input 3
    show.set(InputUsedMask, contact == QLatin1String("N/U") ? u8(~bit) : 0xFF);
    show.set(InputNoMask, contact == QLatin1String("N/C") ? u8(~bit) : 0xFF);
    const ShowEngine engine
        = show.engine({{100, closing ? Kind::InputClosed : Kind::InputOpened, 3}});
    QCOMPARE(int(engine.levelsAt(200)[0]), acts ? 90 : 0);
}

void tst_ShowEngine::remoteKeysNeedTheAddress_data()
{
    QTest::addColumn<int>("configured");
    QTest::addColumn<int>("sent");
    QTest::addColumn<bool>("acts");
    QTest::newRow("match") << 5 << 5 << true;
    QTest::newRow("mismatch") << 5 << 6 << false;
    QTest::newRow("address 31") << 31 << 31 << true;
    QTest::newRow("not used, 32 sent") << 32 << 32 << false;
    QTest::newRow("not used, 255 sent") << 255 << 255 << false;
}

void tst_ShowEngine::remoteKeysNeedTheAddress()
{
    QFETCH(int, configured);
    QFETCH(int, sent);
    QFETCH(bool, acts);
    Show show;
    show.scene(2, 64, 77, 0, LastInfinite, 0)
        .set(RcuKeyFunc + 39, 13 + 1)
        .set(RcuSysAddr, u8(configured));
    const ShowEngine engine = show.engine({{0, Kind::RemoteKey, 40, sent}});
    QCOMPARE(int(engine.levelsAt(1)[63]), acts ? 77 : 0);
}

void tst_ShowEngine::functionGroups_data()
{
    QTest::addColumn<QList<int>>("codes"); // carried out 1 s apart, from 0
    QTest::addColumn<qint64>("at");
    QTest::addColumn<QList<int>>("levels"); // channels 1 to 4

    // Scenes 1..3 light channel 1 with 10, 20, 30 and scene 16 channel 2 with 160, all at once
    // and for ever; program n lights channel 3 with n * 10 in one held step; the special scene
    // is red 100, green 150, blue 200 on channels 2 to 4 (one triple and one channel).
    using L = QList<int>;
    QTest::newRow("load next scene, twice") << L {0, 0} << qint64(1500) << L {20, 0, 0, 0};
    QTest::newRow("load next scene after 16") << L {28, 0} << qint64(1500) << L {10, 0, 0, 0};
    QTest::newRow("load and run next program, twice")
        << L {1, 1} << qint64(1500) << L {0, 0, 20, 0};
    QTest::newRow("next program after 8") << L {37, 1} << qint64(1500) << L {0, 0, 10, 0};
    QTest::newRow("stop puts everything out") << L {13, 30, 2} << qint64(2500) << L {0, 0, 0, 0};
    QTest::newRow("stopped, other actions do nothing")
        << L {2, 13, 30} << qint64(2500) << L {0, 0, 0, 0};
    QTest::newRow("start again, dark, then acts")
        << L {13, 2, 2, 14} << qint64(3500) << L {20, 0, 0, 0};
    QTest::newRow("load chosen scene replaces") << L {13, 15} << qint64(1500) << L {30, 0, 0, 0};
    QTest::newRow("load chosen scene 16") << L {28} << qint64(500) << L {0, 160, 0, 0};
    QTest::newRow("special scene") << L {29} << qint64(500) << L {0, 100, 150, 200};
    QTest::newRow("special scene out when a scene loads")
        << L {29, 13} << qint64(1500) << L {10, 0, 0, 0};
    QTest::newRow("colour up") << L {7, 29} << qint64(1500) << L {0, 116, 150, 200};
    QTest::newRow("colour down, shown at once")
        << L {29, 12} << qint64(1500) << L {0, 100, 150, 184};
    QTest::newRow("green up/down") << L {29, 5, 5} << qint64(2500) << L {0, 100, 182, 200};
    QTest::newRow("green up/down turns at 255")
        << L {29, 5, 5, 5, 5, 5, 5, 5, 5} << qint64(8500) << L {0, 100, 239, 200};
    QTest::newRow("load chosen program") << L {35} << qint64(500) << L {0, 0, 60, 0};
    QTest::newRow("program and scene together") << L {35, 14} << qint64(1500) << L {20, 0, 60, 0};
    QTest::newRow("toggle scene on") << L {39} << qint64(500) << L {20, 0, 0, 0};
    QTest::newRow("toggle scene off") << L {39, 39} << qint64(1500) << L {0, 0, 0, 0};
    QTest::newRow("toggle adds to a loaded scene") << L {13, 40} << qint64(1500) << L {30, 0, 0, 0};
    QTest::newRow("toggle scene 16") << L {53} << qint64(500) << L {0, 160, 0, 0};
    QTest::newRow("no action") << L {255} << qint64(500) << L {0, 0, 0, 0};
    QTest::newRow("code 54 does nothing") << L {54} << qint64(500) << L {0, 0, 0, 0};
    QTest::newRow("code 254 does nothing") << L {13, 254} << qint64(1500) << L {10, 0, 0, 0};
}

void tst_ShowEngine::functionGroups()
{
    QFETCH(QList<int>, codes);
    QFETCH(qint64, at);
    QFETCH(QList<int>, levels);
    Show show;
    show.scene(1, 1, 10, 0, LastInfinite, 0)
        .scene(2, 1, 20, 0, LastInfinite, 0)
        .scene(3, 1, 30, 0, LastInfinite, 0)
        .scene(16, 2, 160, 0, LastInfinite, 0);
    for (int p = 1; p <= 8; ++p)
        show.step(p, 1, 3, u8(p * 10), 0, LastInfinite, 0);
    show.set(SpecialLevelRed, 100).set(SpecialLevelGreen, 150).set(SpecialLevelBlue, 200);
    show.set(SpecialFirstChannel, 1).set(SpecialLastChannel, 3);
    writeU16(show.data(), SpecialRiseTime, 0);
    QList<ShowEvent> events;
    for (int i = 0; i < codes.size(); ++i)
        events << action(i * 1000, codes[i]);
    const ShowEngine::Levels out = show.engine(events).levelsAt(at);
    QCOMPARE((QList<int> {out[0], out[1], out[2], out[3]}), levels);
}

void tst_ShowEngine::mixing_data()
{
    QTest::addColumn<u8>("mode");
    QTest::addColumn<QList<int>>("levels");
    QTest::newRow("standard: the bigger wins") << u8(0xFF) << QList<int> {150, 200};
    QTest::newRow("standard, any non-zero value") << u8(1) << QList<int> {150, 200};
    QTest::newRow("proportional: added, at most 255") << u8(0) << QList<int> {250, 255};
}

void tst_ShowEngine::mixing()
{
    QFETCH(u8, mode);
    QFETCH(QList<int>, levels);
    Show show;
    show.scene(1, 1, 100, 0, LastInfinite, 0).scene(1, 2, 200, 0, LastInfinite, 0);
    show.scene(2, 1, 150, 0, LastInfinite, 0).scene(2, 2, 100, 0, LastInfinite, 0);
    show.set(MixMode, mode);
    const ShowEngine::Levels out = show.engine({action(0, 38), action(0, 39)}).levelsAt(10);
    QCOMPARE((QList<int> {out[0], out[1]}), levels);
}

void tst_ShowEngine::levelsDependOnTheTimeAlone()
{
    // A busy show: every scene fading, a looping program, toggles and pauses.
    Show show;
    QRandomGenerator random(17);
    for (int s = 1; s <= 16; ++s) {
        for (int c = 1; c <= 64; ++c)
            setLevel(show.data(), 0, s - 1, c - 1, u8(random.bounded(256)));
        show.scene(s, 1, u8(random.bounded(256)), u16(random.bounded(30)), u16(random.bounded(50)),
                   u16(random.bounded(30)));
    }
    show.step(3, 1, 9, 255, 5, 5, FallNextStep).step(3, 2, 9, 0, 5, 0, FallLoop);
    QList<ShowEvent> events {{0, Kind::PowerOn}, action(0, 32)};
    for (int i = 0; i < 200; ++i)
        events << action(random.bounded(60000), 38 + random.bounded(16));
    events << action(20000, 3) << action(25000, 3) << action(40000, 0);

    const ShowEngine inOrder = show.engine(events);
    QList<qint64> times;
    QList<ShowEngine::Levels> expected;
    for (qint64 t = 0; t < 70000; t += 17) {
        times << t;
        expected << inOrder.levelsAt(t);
    }
    const ShowEngine shuffled = show.engine(events);
    for (int i = 0; i < 2000; ++i) {
        const int k = random.bounded(int(times.size()));
        QCOMPARE(shuffled.levelsAt(times[k]), expected[k]);
    }
}

void tst_ShowEngine::readmeListsTheRules()
{
    QFile file(QStringLiteral(KELVO_README));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString readme = QString::fromUtf8(file.readAll());
    const qsizetype start = readme.indexOf(QStringLiteral("\n## How the preview plays a show\n"));
    QVERIFY(start >= 0);
    const QString section
        = readme.mid(start, readme.indexOf(QStringLiteral("\n## "), start + 1) - start);
    QStringList rows;
    for (const QString &line : section.split(u'\n')) {
        if (line.startsWith(u'|') && !line.startsWith(QStringLiteral("|---")))
            rows << line;
    }
    QStringList table {QStringLiteral("| topic | the preview | because |")};
    for (const ShowRules::Rule &rule : ShowRules::table)
        table << QStringLiteral("| %1 | %2 | %3 |")
                     .arg(QLatin1String(rule.topic), QLatin1String(rule.rule),
                          QLatin1String(rule.reason));
    QCOMPARE(rows, table);
}

QTEST_MAIN(tst_ShowEngine)
#include "tst_showengine.moc"
