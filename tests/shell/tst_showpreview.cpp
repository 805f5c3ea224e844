// The window's preview: what it plays, on which clock, what its buttons do, and that it leaves
// the controller and the configuration alone.

#include "editors/levelbars.h"
#include "editors/programtimelineview.h"
#include "model/configlayout.h"
#include "model/contactmode.h"
#include "model/functioncode.h"
#include "shell/showpreviewplayer.h"
#include "shell/showpreviewwindow.h"
#include "simulator/sampleshow.h"
#include "support/windowrig.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QUndoStack>

#include <cmath>

using namespace ConfigLayout;

namespace {

using Source = ShowPreviewWindow::Source;

ShowPreviewWindow *previewOf(WindowRig &rig)
{
    return rig.window->findChild<ShowPreviewWindow *>();
}

// The sample show, with program 1 made of steps of these tenths of a second (rise, last), looping.
QByteArray withLoop(const QList<QPair<u16, u16>> &steps)
{
    QByteArray bytes = sampleShowImage();
    auto *image = reinterpret_cast<u8 *>(bytes.data());
    for (int s = 0; s < StepsPerPage; ++s) {
        const bool used = s < steps.size();
        setStepTime(image, 1, s, RiseTime, used ? steps[s].first : 0);
        setStepTime(image, 1, s, LastTime, used ? steps[s].second : FreshLastTime);
        setStepTime(image, 1, s, FallTime, s + 1 < steps.size() ? FallNextStep : FallLoop);
        if (!used)
            break;
    }
    return bytes;
}

} // namespace

class tst_ShowPreview : public QObject
{
    Q_OBJECT

private slots:
    void menuPlaysWhatIsEdited_data();
    void menuPlaysWhatIsEdited();
    void playsOnTheClockAtItsSpeed();
    void loopKeepsToTheClockForAnHour();
    void inputButtonsAreContacts_data();
    void inputButtonsAreContacts();
    void remoteKeysNeedTheAddress_data();
    void remoteKeysNeedTheAddress();
    void editsShowWhilePlaying();
    void neverTouchesTheControllerOrTheImage();
    void runsNothingUnlessPlaying();
    void staysOpenThroughALanguageChange();
};

void tst_ShowPreview::menuPlaysWhatIsEdited_data()
{
    QTest::addColumn<int>("page"); // main tab: 1 scenes, 2 programs
    QTest::addColumn<int>("program"); // the scenes page's program box (0: independent scenes)
    QTest::addColumn<int>("number"); // the step or program chosen there
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("played");

    const QString scene = QStringLiteral("Play the &scene being edited");
    const QString program = QStringLiteral("Play the &program being edited");
    const QString show = QStringLiteral("Play the whole s&how from power-on");
    QTest::newRow("independent scene") << 1 << 0 << 3 << scene << int(Source::Scene) << 3;
    QTest::newRow("a program's step") << 1 << 2 << 5 << scene << int(Source::Program) << 2;
    QTest::newRow("program") << 2 << 0 << 4 << program << int(Source::Program) << 4;
    QTest::newRow("whole show") << 0 << 0 << 1 << show << int(Source::Show) << 1;
}

void tst_ShowPreview::menuPlaysWhatIsEdited()
{
    QFETCH(int, page);
    QFETCH(int, program);
    QFETCH(int, number);
    QFETCH(QString, action);
    QFETCH(int, source);
    QFETCH(int, played);
    WindowRig rig;
    rig.setImage(sampleShowImage());
    rig.window->show();
    rig.showPage(page);
    if (page == 1) {
        rig.child<QSpinBox>("sbProgram")->setValue(program);
        rig.child<QSpinBox>("sbStep")->setValue(number);
    } else if (page == 2) {
        rig.child<QSpinBox>("sbProgP")->setValue(number);
    }
    rig.trigger(action);

    ShowPreviewWindow *preview = previewOf(rig);
    QVERIFY(preview && preview->isVisible());
    QCOMPARE(int(preview->source()), source);
    QCOMPARE(preview->number(), played);
    QCOMPARE(preview->player().state(), ShowPreviewPlayer::State::Playing);
    rig.clock.elapsed += 100;
    const ShowEngine::Status status = preview->player().status();
    if (Source(source) == Source::Program) {
        QCOMPARE(status.program, played);
        QCOMPARE(preview->findChild<ProgramTimelineView *>()->timeline()->program(), played);
    } else {
        QCOMPARE(status.program, 0);
        QCOMPARE(status.scenes, 1); // the scene; after power-on, the sample show's scene 8
    }
}

void tst_ShowPreview::playsOnTheClockAtItsSpeed()
{
    VirtualClock clock;
    ShowPreviewPlayer player;
    player.setImage(sampleShowImage());
    player.setOpening({{0, ShowEvent::Kind::PowerOn, 0, 0}});
    QCOMPARE(player.time(), 0);
    clock.elapsed += 5000;
    QCOMPARE(player.time(), 0); // a stopped preview stays at the start

    player.play();
    clock.elapsed += 1000;
    QCOMPARE(player.time(), 1000);
    player.setSpeed(4);
    clock.elapsed += 500;
    QCOMPARE(player.time(), 3000);
    player.pause();
    clock.elapsed += 1000;
    QCOMPARE(player.time(), 3000);
    player.play(); // resumes where it paused, at the same speed
    clock.elapsed += 250;
    QCOMPARE(player.time(), 4000);
    player.setSpeed(99);
    QCOMPARE(player.speed(), ShowPreviewPlayer::MaxSpeed);
    clock.elapsed += 100;
    QCOMPARE(player.time(), 5000);

    player.stop();
    QCOMPARE(player.time(), 0);
    QCOMPARE(player.levels(), ShowEngine::Levels {});
    player.restart();
    clock.elapsed += 100;
    QCOMPARE(player.time(), 1000); // still ten times as fast
}

void tst_ShowPreview::loopKeepsToTheClockForAnHour()
{
    // 0.7 s + 1.3 s + 1.1 s: a pass of 3.1 s, which no frame interval divides.
    const QByteArray image = withLoop({{3, 4}, {13, 0}, {0, 11}});
    VirtualClock clock;
    ShowPreviewPlayer player;
    player.setImage(image);
    player.setOpening({{0, ShowEvent::Kind::Action, FunctionCode::RunChosenProgram, 0}});
    player.setFrameInterval(17);
    player.play();
    const qint64 hour = 3600 * 1000;
    ShowEngine::Status status;
    while (clock.elapsed < hour) {
        clock.elapsed += player.frameInterval();
        status = player.status(); // what every frame of the window asks
    }
    const qint64 end = clock.elapsed;
    QCOMPARE(player.time(), end);
    // Where the program is after an hour, worked out from the pass alone.
    const qint64 inPass = (end - 3100) % 3100;
    const int step = inPass < 700 ? 0 : inPass < 2000 ? 1 : 2;
    const qint64 inStep = inPass - (step == 0 ? 0 : step == 1 ? 700 : 2000);
    QCOMPARE(status.program, 1);
    QCOMPARE(status.position.step, step);
    QCOMPARE(status.position.inStep, inStep);
}

void tst_ShowPreview::inputButtonsAreContacts_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("afterPress"); // the program running
    QTest::addColumn<int>("afterRelease");

    QTest::newRow("N/O acts on closing") << int(ContactMode::NormallyOpen) << 1 << 1;
    QTest::newRow("N/C acts on opening") << int(ContactMode::NormallyClosed) << 0 << 1;
    QTest::newRow("N/U never") << int(ContactMode::NotUsed) << 0 << 0;
}

void tst_ShowPreview::inputButtonsAreContacts()
{
    QFETCH(int, mode);
    QFETCH(int, afterPress);
    QFETCH(int, afterRelease);
    WindowRig rig;
    QByteArray image = sampleShowImage(); // input 1 runs program 1
    setContactMode(reinterpret_cast<u8 *>(image.data()), 0, ContactMode(mode));
    rig.setImage(image);
    rig.window->show();
    rig.trigger(QStringLiteral("Play the whole s&how from power-on"));
    ShowPreviewWindow *preview = previewOf(rig);
    auto *input = preview->findChild<QPushButton *>(QStringLiteral("pbPreviewInput1"));

    rig.clock.elapsed += 1000;
    QTest::mousePress(input, Qt::LeftButton);
    rig.clock.elapsed += 1000;
    QCOMPARE(preview->player().status().program, afterPress);
    QTest::mouseRelease(input, Qt::LeftButton);
    rig.clock.elapsed += 1000;
    QCOMPARE(preview->player().status().program, afterRelease);
}

void tst_ShowPreview::remoteKeysNeedTheAddress_data()
{
    QTest::addColumn<int>("imageAddress");
    QTest::addColumn<int>("sentAddress"); // -1: as the box shows it at first
    QTest::addColumn<int>("program"); // the one running after key 17

    QTest::newRow("the image's address") << 5 << -1 << 1;
    QTest::newRow("another address") << 5 << 4 << 0;
    QTest::newRow("remote not used") << 0xFF << 0 << 0;
}

void tst_ShowPreview::remoteKeysNeedTheAddress()
{
    QFETCH(int, imageAddress);
    QFETCH(int, sentAddress);
    QFETCH(int, program);
    WindowRig rig;
    QByteArray image = sampleShowImage(); // key 17 runs program 1
    image[RcuSysAddr] = char(imageAddress);
    rig.setImage(image);
    rig.window->show();
    rig.trigger(QStringLiteral("Play the whole s&how from power-on"));
    ShowPreviewWindow *preview = previewOf(rig);
    auto *address = preview->findChild<QSpinBox *>(QStringLiteral("sbPreviewAddress"));
    QCOMPARE(address->value(), imageAddress <= MaxRcuSysAddr ? imageAddress : 0);
    if (sentAddress >= 0)
        address->setValue(sentAddress);
    preview->findChild<QSpinBox *>(QStringLiteral("sbPreviewKey"))->setValue(17);
    preview->findChild<QPushButton *>(QStringLiteral("pbPreviewKey"))->click();
    rig.clock.elapsed += 500;
    QCOMPARE(preview->player().status().program, program);
}

void tst_ShowPreview::editsShowWhilePlaying()
{
    WindowRig rig;
    QByteArray image = sampleShowImage();
    auto *bytes = reinterpret_cast<u8 *>(image.data());
    setStepTime(bytes, 0, 0, RiseTime, 0);
    setStepTime(bytes, 0, 0, LastTime, LastInfinite);
    setLevel(bytes, 0, 0, 0, 10);
    rig.setImage(image);
    rig.window->show();
    rig.showPage(1);
    rig.child<QSpinBox>("sbProgram")->setValue(0);
    rig.child<QSpinBox>("sbStep")->setValue(1);
    rig.trigger(QStringLiteral("Play the &scene being edited"));
    ShowPreviewWindow *preview = previewOf(rig);
    auto *bars = preview->findChild<LevelBars *>();
    rig.clock.elapsed += 2000;
    emit preview->player().changed(); // a frame
    QCOMPARE(bars->level(0), 10);

    // A level changed in the scene editor, as the user would, while the scene plays.
    rig.kelvo.document().setByte(levelOffset(0, 0, 0), 200, {ConfigEdit::Kind::SceneLevel});
    rig.clock.elapsed += 100;
    emit preview->player().changed();
    QCOMPARE(bars->level(0), 200);
    QCOMPARE(preview->player().time(), 2100); // the same show, not started again
}

void tst_ShowPreview::neverTouchesTheControllerOrTheImage()
{
    WindowRig rig;
    rig.setImage(sampleShowImage());
    rig.window->show();
    rig.connectTo();
    const QByteArray before = rig.image();
    const int undoSteps = rig.session.history().stack().count();

    rig.trigger(QStringLiteral("Play the whole s&how from power-on"));
    ShowPreviewWindow *preview = previewOf(rig);
    const auto press = [&](const QString &name) {
        preview->findChild<QPushButton *>(name)->click();
        rig.clock.elapsed += 700;
        emit preview->player().changed();
    };
    for (int i = 1; i <= InputCount; ++i)
        press(QStringLiteral("pbPreviewInput%1").arg(i));
    auto *key = preview->findChild<QSpinBox *>(QStringLiteral("sbPreviewKey"));
    for (int k = 1; k <= RcuKeyCount; ++k) {
        key->setValue(k);
        press(QStringLiteral("pbPreviewKey"));
    }
    press(QStringLiteral("pbPreviewPowerOn"));
    preview->findChild<QSpinBox *>(QStringLiteral("sbPreviewSpeed"))->setValue(10);
    for (const char *button :
         {"pbPreviewPause", "pbPreviewPlay", "pbPreviewRestart", "pbPreviewStop"})
        press(QString::fromLatin1(button));

    QVERIFY2(rig.log().entries().isEmpty(), "the preview reached the USB bus");
    QCOMPARE(rig.image(), before);
    QCOMPARE(rig.session.history().stack().count(), undoSteps);
    QVERIFY(!rig.session.saved().atRisk());
}

void tst_ShowPreview::runsNothingUnlessPlaying()
{
    WindowRig rig;
    rig.setImage(sampleShowImage());
    rig.window->show();
    rig.trigger(QStringLiteral("Play the &program being edited"));
    ShowPreviewWindow *preview = previewOf(rig);
    ShowPreviewPlayer &player = preview->player();
    QVERIFY(player.ticking());
    // One frame for each picture of the display.
    const qreal rate = preview->screen()->refreshRate();
    QCOMPARE(player.frameInterval(), int(std::lround(1000.0 / rate)));

    preview->findChild<QPushButton *>(QStringLiteral("pbPreviewPause"))->click();
    QVERIFY(!player.ticking());
    preview->findChild<QPushButton *>(QStringLiteral("pbPreviewPlay"))->click();
    QVERIFY(player.ticking());
    preview->findChild<QPushButton *>(QStringLiteral("pbPreviewStop"))->click();
    QVERIFY(!player.ticking());
    preview->findChild<QPushButton *>(QStringLiteral("pbPreviewRestart"))->click();
    QVERIFY(player.ticking());
    // Closed, nobody watches it.
    preview->close();
    QVERIFY(!player.ticking());
    QCOMPARE(player.state(), ShowPreviewPlayer::State::Paused);
}

void tst_ShowPreview::staysOpenThroughALanguageChange()
{
    WindowRig rig;
    rig.window->show();
    rig.showPage(2);
    rig.child<QSpinBox>("sbProgP")->setValue(3);
    rig.trigger(QStringLiteral("Play the &program being edited"));
    rig.rebuild();
    rig.window->show();
    ShowPreviewWindow *preview = previewOf(rig);
    QVERIFY(preview && preview->isVisible());
    QCOMPARE(preview->source(), Source::Program);
    QCOMPARE(preview->number(), 3);
    QCOMPARE(preview->player().state(), ShowPreviewPlayer::State::Stopped);
}

QTEST_MAIN(tst_ShowPreview)
#include "tst_showpreview.moc"
