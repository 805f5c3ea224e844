// The scenes page and the special scene through the real window, against the simulated
// controller: what reaches the image, and what reaches the controller in live mode.

#include "controller/kelvo_controller_class.h"
#include "device/kelvoprotocol.h"
#include "editors/guardedspinbox.h"
#include "editors/mytimeedit.h"
#include "model/configlayout.h"
#include "model/devicetime.h"
#include "support/configfilefixtures.h"
#include "support/windowrig.h"

#include <QApplication>
#include <QCheckBox>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <memory>

using namespace ConfigLayout;
using Kind = Transaction::Kind;

class tst_Scenes : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void programAndStepChooseTheScene_data();
    void programAndStepChooseTheScene();
    void liveSceneFollowsProgramAndStep();
    void levelEditGoesLiveOnlyInLiveMode_data();
    void levelEditGoesLiveOnlyInLiveMode();
    void goToStep_data();
    void goToStep();
    void readConfigurationReloadsTheEditor();

    void specialSliderStoresAndPreviews_data();
    void specialSliderStoresAndPreviews();
    void channelRangeBoxesPushEachOther_data();
    void channelRangeBoxesPushEachOther();
    void specialRiseTime();
    void otherPageLoadsWithoutWriting_data();
    void otherPageLoadsWithoutWriting();

private:
    std::unique_ptr<WindowRig> rig;

    QList<int> shownLevels();
    QList<int> storedLevels(int page, int step);
    QList<QByteArray> scenesSent();
    void goLive();
};

void tst_Scenes::init()
{
    rig = std::make_unique<WindowRig>();
    rig->setImage(ConfigFileFixtures::randomBytes(1234, ImageSize));
}

void tst_Scenes::cleanup()
{
    rig.reset();
    QCOMPARE(QApplication::topLevelWidgets(), QWidgetList());
}

QList<int> tst_Scenes::shownLevels()
{
    QList<int> levels;
    for (QSlider *s : rig->child<QWidget>("sceneChannels")->findChildren<QSlider *>())
        levels << s->value();
    return levels;
}

QList<int> tst_Scenes::storedLevels(int page, int step)
{
    const int first = rig->child<QScrollBar>("scrollChannels")->value();
    QList<int> levels;
    for (int c = first; c < first + 10; ++c)
        levels << level(rig->kelvo.configImage(), page, step, c);
    return levels;
}

QList<QByteArray> tst_Scenes::scenesSent()
{
    QList<QByteArray> scenes;
    for (const Transaction &t : rig->log().entries())
        if (t.kind == Kind::Bulk && t.endpoint == EP_BULK_OUT)
            scenes << t.data;
    return scenes;
}

void tst_Scenes::goLive()
{
    rig->connectTo();
    rig->click("pbLiveMode");
    QVERIFY(rig->kelvo.isLive());
    rig->log().clear();
}

// --- Scenes page ---------------------------------------------------------------------------------

void tst_Scenes::programAndStepChooseTheScene_data()
{
    QTest::addColumn<int>("stepUps"); // key Up on sbStep, first
    QTest::addColumn<int>("programUps"); // then on sbProgram
    QTest::addColumn<int>("scroll");
    QTest::addColumn<bool>("lastStepShown");

    QTest::newRow("independent scene 1") << 0 << 0 << 0 << false;
    QTest::newRow("independent scene 7, channels 31..40") << 6 << 0 << 30 << false;
    QTest::newRow("program 2, step 5") << 4 << 2 << 0 << true;
    QTest::newRow("program 8, step 16, channels 55..64") << 15 << 8 << 54 << true;
}

void tst_Scenes::programAndStepChooseTheScene()
{
    QFETCH(int, stepUps);
    QFETCH(int, programUps);
    QFETCH(int, scroll);
    QFETCH(bool, lastStepShown);

    u8 *image = rig->kelvo.configImage();
    // Every step a fall time, and every program ends at the step shown, so "Last Step" is
    // checked wherever it is shown.
    for (int page = 0; page < PageCount; ++page)
        for (int step = 0; step < StepsPerPage; ++step)
            setStepTime(image, page, step, FallTime,
                        page != 0 && step < stepUps ? FallNextStep : u16(step * 10 + page + 1));
    const QByteArray before = rig->image();
    rig->showPage(1);
    rig->child<QScrollBar>("scrollChannels")->setValue(scroll);

    for (int i = 0; i < stepUps; ++i)
        QTest::keyClick(rig->child<QSpinBox>("sbStep"), Qt::Key_Up);
    for (int i = 0; i < programUps; ++i)
        QTest::keyClick(rig->child<QSpinBox>("sbProgram"), Qt::Key_Up);

    QCOMPARE(shownLevels(), storedLevels(programUps, stepUps));
    QCOMPARE(rig->child<MyTimeEdit>("teSceneFall")->time(),
             fromDeviceTime(u16(stepUps * 10 + programUps + 1)));
    QCOMPARE(rig->child<MyTimeEdit>("teSceneRise")->time(),
             fromDeviceTime(stepTime(image, programUps, stepUps, RiseTime)));
    auto *lastStep = rig->child<QCheckBox>("cbLastStep");
    QCOMPARE(lastStep->isVisibleTo(rig->window.get()), lastStepShown);
    QCOMPARE(lastStep->isChecked(), lastStepShown);
    QCOMPARE(rig->image(), before);
}

void tst_Scenes::liveSceneFollowsProgramAndStep()
{
    goLive();
    rig->showPage(1);
    QCOMPARE(scenesSent(), QList<QByteArray> {rig->image().mid(levelOffset(0, 0, 0), 64)});

    // A step: the editor prepares it, and so does the page's refresh.
    rig->log().clear();
    QTest::keyClick(rig->child<QSpinBox>("sbStep"), Qt::Key_Up);
    const QByteArray scene0Step1 = rig->image().mid(levelOffset(0, 1, 0), 64);
    QCOMPARE(scenesSent(), QList<QByteArray>(2, scene0Step1));

    // A program: the page's refresh prepares the same step of that program.
    rig->log().clear();
    QTest::keyClick(rig->child<QSpinBox>("sbProgram"), Qt::Key_Up);
    QCOMPARE(scenesSent(), QList<QByteArray> {rig->image().mid(levelOffset(1, 1, 0), 64)});
    QCOMPARE(rig->log().countRequest(REQ_LIVE_VALUE), 0);
    QVERIFY(rig->script.shown.isEmpty());
}

void tst_Scenes::levelEditGoesLiveOnlyInLiveMode_data()
{
    QTest::addColumn<bool>("live");
    QTest::newRow("live") << true;
    QTest::newRow("connected, normal mode") << false;
}

void tst_Scenes::levelEditGoesLiveOnlyInLiveMode()
{
    QFETCH(bool, live);

    if (live)
        goLive();
    else
        rig->connectTo();
    rig->showPage(1);
    QTest::keyClick(rig->child<QSpinBox>("sbProgram"), Qt::Key_Up);
    rig->child<QScrollBar>("scrollChannels")->setValue(20);
    setLevel(rig->kelvo.configImage(), 1, 0, 23, 100);
    rig->window->refresh();
    rig->log().clear();

    QSlider *slider = rig->child<QWidget>("sceneChannels")->findChildren<QSlider *>()[3];
    QTest::keyClick(slider, Qt::Key_Up);
    QCOMPARE(level(rig->kelvo.configImage(), 1, 0, 23), u8(101));
    const QList<Transaction> values = rig->log().requests(REQ_LIVE_VALUE);
    QCOMPARE(values.size(), live ? 1 : 0);
    if (live) {
        QCOMPARE(values[0].index, u16(23));
        QCOMPARE(values[0].value, u16(101));
    }
    QCOMPARE(rig->log().countTransfers(), values.size());
}

void tst_Scenes::goToStep_data()
{
    QTest::addColumn<int>("fromProgram"); // sbProgram and sbStep before
    QTest::addColumn<int>("fromStep");
    QTest::addColumn<int>("program"); // 0-based, as the program table gives them
    QTest::addColumn<int>("step");

    QTest::newRow("program 2, step 5") << 0 << 1 << 1 << 4;
    QTest::newRow("program 8, step 16") << 0 << 1 << 7 << 15;
    QTest::newRow("same program, another step") << 3 << 2 << 2 << 9;
    QTest::newRow("another program, same step") << 5 << 7 << 0 << 6;
    QTest::newRow("the step already chosen") << 4 << 4 << 3 << 3;
}

void tst_Scenes::goToStep()
{
    QFETCH(int, fromProgram);
    QFETCH(int, fromStep);
    QFETCH(int, program);
    QFETCH(int, step);

    goLive();
    rig->child<QSpinBox>("sbProgram")->setValue(fromProgram);
    rig->child<QSpinBox>("sbStep")->setValue(fromStep);
    rig->showPage(2);
    const QByteArray before = rig->image();
    rig->log().clear();

    QVERIFY(QMetaObject::invokeMethod(rig->window.get(), "goToStep", Q_ARG(int, program),
                                      Q_ARG(int, step)));
    QCOMPARE(rig->child<QTabWidget>("tabWidget_main")->currentIndex(), 1);
    QCOMPARE(rig->child<QSpinBox>("sbProgram")->value(), program + 1);
    QCOMPARE(rig->child<QSpinBox>("sbStep")->value(), step + 1);
    QCOMPARE(shownLevels(), storedLevels(program + 1, step));
    QVERIFY(rig->child<QCheckBox>("cbLastStep")->isVisibleTo(rig->window.get()));
    // Whatever went out on the way, the controller ends on the chosen step.
    QVERIFY(!scenesSent().isEmpty());
    QCOMPARE(scenesSent().last(), before.mid(levelOffset(program + 1, step, 0), 64));
    QCOMPARE(rig->image(), before);
}

void tst_Scenes::readConfigurationReloadsTheEditor()
{
    rig->showPage(1);
    rig->child<QSpinBox>("sbProgram")->setValue(6);
    rig->child<QSpinBox>("sbStep")->setValue(3);
    QByteArray other = ConfigFileFixtures::randomBytes(77, ImageSize);
    auto *bytes = reinterpret_cast<u8 *>(other.data());
    setStepTime(bytes, 6, 0, FallTime, FallNextStep);
    setStepTime(bytes, 6, 1, FallTime, FallNextStep);
    setStepTime(bytes, 6, 2, RiseTime, 35);
    setStepTime(bytes, 6, 2, LastTime, LastInfinite);
    setStepTime(bytes, 6, 2, FallTime, FallLoop);
    rig->setImage(other);

    QVERIFY(QMetaObject::invokeMethod(rig->window.get(), "confRead"));
    QCOMPARE(shownLevels(), storedLevels(6, 2));
    QCOMPARE(rig->child<MyTimeEdit>("teSceneRise")->time(), QTime(0, 0, 3, 500));
    QVERIFY(rig->child<QCheckBox>("cbInfinite")->isChecked());
    QVERIFY(!rig->child<MyTimeEdit>("teSceneLast")->isEnabled());
    QVERIFY(rig->child<QCheckBox>("cbLastStep")->isChecked());
    QVERIFY(!rig->child<MyTimeEdit>("teSceneFall")->isEnabled());
    // The markers show as the editors hold them, not what the image read before left there.
    QCOMPARE(rig->child<MyTimeEdit>("teSceneLast")->time(), QTime(1, 49, 13, 400));
    QCOMPARE(rig->child<MyTimeEdit>("teSceneFall")->time(), QTime(1, 49, 13, 300));
    QCOMPARE(rig->image(), other);
}

// --- Special scene -------------------------------------------------------------------------------

void tst_Scenes::specialSliderStoresAndPreviews_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("colour"); // 0 red, 1 green, 2 blue
    QTest::addColumn<bool>("live");

    QTest::newRow("green, live") << "columnGreen" << 1 << true;
    QTest::newRow("green, normal mode") << "columnGreen" << 1 << false;
    QTest::newRow("red, live") << "columnRed" << 0 << true;
    QTest::newRow("blue, live") << "columnBlue" << 2 << true;
    QTest::newRow("blue, normal mode") << "columnBlue" << 2 << false;
}

void tst_Scenes::specialSliderStoresAndPreviews()
{
    QFETCH(QString, column);
    QFETCH(int, colour);
    QFETCH(bool, live);

    if (live)
        goLive();
    else
        rig->connectTo();
    rig->showPage(0, 2);
    u8 *image = rig->kelvo.configImage();
    image[SpecialFirstChannel] = 10; // the channel range plays no part in the preview
    image[SpecialLastChannel] = 12;
    image[SpecialLevelRed + colour] = 199;
    rig->window->refresh();
    QByteArray expected = rig->image();
    expected[SpecialLevelRed + colour] = char(200);
    rig->log().clear();

    auto *slider = rig->child<QWidget>(qPrintable(column))->findChild<QSlider *>();
    QCOMPARE(slider->value(), 199);
    QTest::keyClick(slider, Qt::Key_Up);

    QCOMPARE(rig->image(), expected);
    QList<u16> indexes;
    for (const Transaction &t : rig->log().requests(REQ_LIVE_VALUE)) {
        QCOMPARE(t.value, u16(200));
        indexes << t.index;
    }
    QList<u16> previewed;
    if (live)
        for (int ch = colour; ch <= 63; ch += 3)
            previewed << u16(ch);
    QCOMPARE(indexes, previewed);
    QCOMPARE(rig->log().countTransfers(), previewed.size());
}

void tst_Scenes::channelRangeBoxesPushEachOther_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("first"); // stored, 0-based
    QTest::addColumn<int>("last");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("accept"); // "enter", "leave", "return"
    QTest::addColumn<int>("firstAfter"); // stored, 0-based
    QTest::addColumn<int>("lastAfter");
    QTest::addColumn<int>("firstShown");
    QTest::addColumn<int>("lastShown");

    QTest::newRow("first 40 over last 30 moves the last") << "sbFirstChannel" << 9 << 29 << "40"
                                                          << "enter" << 39 << 39 << 40 << 40;
    QTest::newRow("first 40 accepted by leaving the box") << "sbFirstChannel" << 9 << 29 << "40"
                                                          << "leave" << 39 << 39 << 40 << 40;
    QTest::newRow("first 5 under last 30") << "sbFirstChannel" << 9 << 29 << "5"
                                           << "enter" << 4 << 29 << 5 << 30;
    QTest::newRow("last 10 under first 20 moves the first") << "sbLastChannel" << 19 << 49 << "10"
                                                            << "enter" << 9 << 9 << 10 << 10;
    QTest::newRow("last 64 over first 20") << "sbLastChannel" << 19 << 49 << "64"
                                           << "leave" << 19 << 63 << 20 << 64;
    QTest::newRow("Return stores nothing") << "sbFirstChannel" << 9 << 29 << "40"
                                           << "return" << 9 << 29 << 40 << 30;
}

void tst_Scenes::channelRangeBoxesPushEachOther()
{
    QFETCH(QString, box);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QString, typed);
    QFETCH(QString, accept);
    QFETCH(int, firstAfter);
    QFETCH(int, lastAfter);
    QFETCH(int, firstShown);
    QFETCH(int, lastShown);

    u8 *image = rig->kelvo.configImage();
    image[SpecialFirstChannel] = u8(first);
    image[SpecialLastChannel] = u8(last);
    rig->window->show();
    QApplication::setActiveWindow(rig->window.get());
    rig->showPage(0, 2);
    auto *edited = rig->child<guardedSpinBox>(qPrintable(box));
    edited->setFocus();
    QVERIFY(edited->hasFocus());
    QByteArray expected = rig->image();
    expected[SpecialFirstChannel] = char(firstAfter);
    expected[SpecialLastChannel] = char(lastAfter);

    QTest::keyClick(edited, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edited, typed);
    if (accept == QLatin1String("enter"))
        QTest::keyClick(edited, Qt::Key_Enter, Qt::KeypadModifier);
    else if (accept == QLatin1String("return"))
        QTest::keyClick(edited, Qt::Key_Return);
    else
        rig->child<QSpinBox>("sbPreview")->setFocus();

    QCOMPARE(rig->image(), expected);
    QCOMPARE(rig->child<guardedSpinBox>("sbFirstChannel")->value(), firstShown);
    QCOMPARE(rig->child<guardedSpinBox>("sbLastChannel")->value(), lastShown);
}

void tst_Scenes::specialRiseTime()
{
    writeU16(rig->kelvo.configImage(), SpecialRiseTime, 12);
    rig->showPage(0, 2);
    auto *rise = rig->child<MyTimeEdit>("teSpecialRise");
    QCOMPARE(rise->time(), QTime(0, 0, 1, 200));
    QCOMPARE(rise->maximumTime(), QTime(1, 49, 13, 400));
    QByteArray expected = rig->image();

    rise->setCurrentSection(QDateTimeEdit::SecondSection);
    QTest::keyClick(rise, Qt::Key_Up);
    expected[SpecialRiseTime] = char(22);
    QCOMPARE(rig->image(), expected);

    rise->setSelectedSection(QDateTimeEdit::MSecSection);
    QTest::keyClicks(rise, QStringLiteral("250"));
    expected[SpecialRiseTime] = char(23);
    QCOMPARE(rig->image(), expected);
}

void tst_Scenes::otherPageLoadsWithoutWriting_data()
{
    QTest::addColumn<int>("riseTime");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<bool>("live");
    QTest::addColumn<QTime>("riseShown");
    QTest::addColumn<int>("firstShown");
    QTest::addColumn<int>("lastShown");

    QTest::newRow("plain values") << 25 << 4 << 40 << false << QTime(0, 0, 2, 500) << 5 << 41;
    QTest::newRow("plain values, live") << 25 << 4 << 40 << true << QTime(0, 0, 2, 500) << 5 << 41;
    QTest::newRow("rise time beyond the editor")
        << 0xFFFF << 0 << 63 << false << QTime(1, 49, 13, 400) << 1 << 64;
    QTest::newRow("channels beyond the boxes, live")
        << 0 << 0xC8 << 0xFF << true << QTime(0, 0) << 64 << 64;
}

void tst_Scenes::otherPageLoadsWithoutWriting()
{
    QFETCH(int, riseTime);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(bool, live);
    QFETCH(QTime, riseShown);
    QFETCH(int, firstShown);
    QFETCH(int, lastShown);

    if (live)
        goLive();
    u8 *image = rig->kelvo.configImage();
    writeU16(image, SpecialRiseTime, u16(riseTime));
    image[SpecialFirstChannel] = u8(first);
    image[SpecialLastChannel] = u8(last);
    const QByteArray before = rig->image();
    rig->showPage(0, 2);

    const char *const columns[] = {"columnRed", "columnGreen", "columnBlue"};
    for (int i = 0; i < 3; ++i) {
        auto *column = rig->child<QWidget>(columns[i]);
        QCOMPARE(column->findChild<QSlider *>()->value(), int(image[SpecialLevelRed + i]));
        QCOMPARE(column->findChild<QSpinBox *>()->value(), int(image[SpecialLevelRed + i]));
    }
    QCOMPARE(rig->child<MyTimeEdit>("teSpecialRise")->time(), riseShown);
    QCOMPARE(rig->child<guardedSpinBox>("sbFirstChannel")->value(), firstShown);
    QCOMPARE(rig->child<guardedSpinBox>("sbLastChannel")->value(), lastShown);
    QCOMPARE(rig->image(), before);

    // Live, the page shows the special scene once, and nothing else goes out.
    QCOMPARE(rig->log().countRequest(REQ_SCENE_PREP), live ? 1 : 0);
    QCOMPARE(rig->log().countRequest(REQ_LIVE_VALUE), 0);
    if (live) {
        QByteArray special;
        for (int ch = 0; ch < 64; ++ch)
            special.append(char(image[SpecialLevelRed + ch % 3]));
        QCOMPARE(scenesSent(), QList<QByteArray> {special});
    }
}

QTEST_MAIN(tst_Scenes)
#include "tst_scenes.moc"
