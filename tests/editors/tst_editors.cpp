// The editor widgets on their own, driven with key and mouse events: the time editors, the
// guarded spin box, the channel column and the scene editor against a controller's image.

#include "controller/kelvo_controller_class.h"
#include "editors/admx32_sliders_widget.h"
#include "editors/admx_slider_widget.h"
#include "editors/guardedspinbox.h"
#include "editors/inftime_class.h"
#include "editors/mytimeedit.h"
#include "model/configlayout.h"
#include "model/devicetime.h"
#include "support/configfilefixtures.h"
#include "support/debugcapture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QWindow>

#include <cstring>
#include <memory>

using namespace ConfigLayout;

namespace {

using Pair = QPair<int, int>;

// Every time a MyTimeEdit reports.
struct TimeRecorder
{
    explicit TimeRecorder(MyTimeEdit *edit)
    {
        QObject::connect(edit, &MyTimeEdit::timeChanged, [this](QTime &t) { times << t; });
    }
    QList<QTime> times;
};

} // namespace

class tst_Editors : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // MyTimeEdit
    void typedMillisecondsSnap_data();
    void typedMillisecondsSnap();
    void steppedMillisecondsSnap_data();
    void steppedMillisecondsSnap();
    void programmaticTimeEmitsOnce_data();
    void programmaticTimeEmitsOnce();

    // infTime_class
    void infiniteDisablesTheTime();
    void leavedOnlyWhenReallyOutside_data();
    void leavedOnlyWhenReallyOutside();

    // guardedSpinBox
    void guardedSpinBoxAccepts_data();
    void guardedSpinBoxAccepts();

    // admx_slider_widget
    void columnReportsEveryChangeOnce_data();
    void columnReportsEveryChangeOnce();

    // admx32_sliders_widget
    void sceneEditorControls_data();
    void sceneEditorControls();
    void sceneEditorConnections();
    void pagingWritesAndSendsNothing_data();
    void pagingWritesAndSendsNothing();
    void stepsWriteNothingAndPrepare_data();
    void stepsWriteNothingAndPrepare();
    void levelEdits_data();
    void levelEdits();
    void fallTable_data();
    void fallTable();
    void lastStepOnlyOnTheProgramsLastStep_data();
    void lastStepOnlyOnTheProgramsLastStep();
    void lastTimeAndInfinite_data();
    void lastTimeAndInfinite();
    void timeEdits_data();
    void timeEdits();
    void markersSurviveEverything();

private:
    kelvo_controller_class *kelvo = nullptr;
    std::unique_ptr<QWidget> page;
    std::unique_ptr<admx32_sliders_widget> editor;
    QList<Pair> liveValues;
    QList<Pair> prepared;

    u8 *image() { return kelvo->configImage(); }
    QByteArray imageBytes() const
    {
        return QByteArray(reinterpret_cast<const char *>(kelvo->configImage()), ImageSize);
    }
    // An editor on a page, over an image of random bytes.
    void buildEditor(quint32 seed = 7);
    QList<int> shownLevels() const;
    QStringList captions() const;
};

void tst_Editors::init()
{
    kelvo = new kelvo_controller_class;
    liveValues.clear();
    prepared.clear();
}

void tst_Editors::cleanup()
{
    editor.reset();
    page.reset();
    delete kelvo;
    kelvo = nullptr;
}

void tst_Editors::buildEditor(quint32 seed)
{
    const QByteArray bytes = ConfigFileFixtures::randomBytes(seed, ImageSize);
    std::memcpy(image(), bytes.constData(), ImageSize);
    page = std::make_unique<QWidget>();
    page->resize(851, 670);
    editor = std::make_unique<admx32_sliders_widget>(kelvo->document(), kelvo->liveOutput(),
                                                     page.get());
    connect(editor.get(), &admx32_sliders_widget::liveNewValue,
            [this](int ch, int val) { liveValues << Pair(ch, val); });
    connect(editor.get(), &admx32_sliders_widget::livePrepareScene,
            [this](int pgm, int sc) { prepared << Pair(pgm, sc); });
}

QList<int> tst_Editors::shownLevels() const
{
    QList<int> levels;
    for (int i = 0; i < admx32_sliders_widget::VisibleColumns; ++i) {
        const admx_slider_widget *c = editor->column(i);
        // Slider and box must agree.
        if (c->slider()->value() != c->spinBox()->value())
            return {};
        levels << c->slider()->value();
    }
    return levels;
}

QStringList tst_Editors::captions() const
{
    QStringList texts;
    for (int i = 0; i < admx32_sliders_widget::VisibleColumns; ++i)
        texts << editor->column(i)->caption()->text();
    return texts;
}

// --- MyTimeEdit ----------------------------------------------------------------------------------

void tst_Editors::typedMillisecondsSnap_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("expected"); // ms after snapping

    const QString plain = QStringLiteral("hh:mm:ss.zzz");
    const QString scene = QStringLiteral("hh'[h] 'mm'[m] 'ss'.'zzz'[s]'");
    QTest::newRow("250 goes up to 300") << plain << "250" << 300;
    QTest::newRow("251 goes down to 200") << plain << "251" << 200;
    QTest::newRow("999 stops at 900") << plain << "999" << 900;
    QTest::newRow("950 stops at 900, no carry") << plain << "950" << 900;
    QTest::newRow("901 stops at 900") << plain << "901" << 900;
    QTest::newRow("050 goes up to 100") << plain << "050" << 100;
    QTest::newRow("001 goes up to 100") << plain << "001" << 100;
    QTest::newRow("099 goes down to 0") << plain << "099" << 0;
    QTest::newRow("700 stays") << plain << "700" << 700;
    QTest::newRow("scene format, 250 goes up to 300") << scene << "250" << 300;
    QTest::newRow("scene format, 251 goes down to 200") << scene << "251" << 200;
}

void tst_Editors::typedMillisecondsSnap()
{
    QFETCH(QString, format);
    QFETCH(QString, typed);
    QFETCH(int, expected);

    MyTimeEdit edit;
    edit.setDisplayFormat(format);
    edit.setTime(QTime(0, 2, 7));
    TimeRecorder spy(&edit);
    edit.setSelectedSection(QDateTimeEdit::MSecSection);
    QTest::keyClicks(&edit, typed);

    const QTime snapped(0, 2, 7, expected);
    QCOMPARE(edit.time(), snapped);
    QCOMPARE(spy.times, QList<QTime> {snapped});
}

void tst_Editors::steppedMillisecondsSnap_data()
{
    QTest::addColumn<QTime>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<QTime>("expected");

    QTest::newRow(".300 up to .400")
        << QTime(0, 0, 1, 300) << int(Qt::Key_Up) << QTime(0, 0, 1, 400);
    QTest::newRow(".300 down to .200")
        << QTime(0, 0, 1, 300) << int(Qt::Key_Down) << QTime(0, 0, 1, 200);
    QTest::newRow(".000 up to .100") << QTime(0, 0, 1) << int(Qt::Key_Up) << QTime(0, 0, 1, 100);
    QTest::newRow(".900 up stays in the second")
        << QTime(0, 0, 1, 900) << int(Qt::Key_Up) << QTime(0, 0, 1, 900);
    QTest::newRow(".100 down to .000")
        << QTime(0, 0, 1, 100) << int(Qt::Key_Down) << QTime(0, 0, 1);
}

void tst_Editors::steppedMillisecondsSnap()
{
    QFETCH(QTime, start);
    QFETCH(int, key);
    QFETCH(QTime, expected);

    MyTimeEdit edit;
    edit.setTime(start);
    TimeRecorder spy(&edit);
    edit.setCurrentSection(QDateTimeEdit::MSecSection);
    QTest::keyClick(&edit, Qt::Key(key));

    QCOMPARE(edit.time(), expected);
    // Reported even where snapping takes the step back (.900 -> .901 -> .900).
    QCOMPARE(spy.times, QList<QTime> {expected});
}

void tst_Editors::programmaticTimeEmitsOnce_data()
{
    QTest::addColumn<QTime>("set");
    QTest::addColumn<QList<QTime>>("emitted");

    QTest::newRow("whole tenths") << QTime(0, 0, 1, 500) << QList<QTime> {QTime(0, 0, 1, 500)};
    QTest::newRow("hours and minutes") << QTime(1, 2, 3, 400) << QList<QTime> {QTime(1, 2, 3, 400)};
    QTest::newRow("1.520 snaps up to 1.600")
        << QTime(0, 0, 1, 520) << QList<QTime> {QTime(0, 0, 1, 600)};
    QTest::newRow("1.580 snaps down to 1.500")
        << QTime(0, 0, 1, 580) << QList<QTime> {QTime(0, 0, 1, 500)};
    QTest::newRow("same time, nothing") << QTime(0, 0, 3) << QList<QTime> {};
}

void tst_Editors::programmaticTimeEmitsOnce()
{
    QFETCH(QTime, set);
    QFETCH(QList<QTime>, emitted);

    MyTimeEdit edit;
    edit.setTime(QTime(0, 0, 3));
    TimeRecorder spy(&edit);
    edit.setTime(set);
    QCOMPARE(spy.times, emitted);
    if (!emitted.isEmpty())
        QCOMPARE(edit.time(), emitted.last());
}

// --- infTime_class -------------------------------------------------------------------------------

void tst_Editors::infiniteDisablesTheTime()
{
    infTime_class editor;
    editor.resize(220, 26);
    editor.show();
    QCOMPARE(editor.timeEdit->maximumTime(), QTime(1, 49, 13, 400));
    QCOMPARE(editor.infinite->text(), QString());
    editor.timeEdit->setTime(QTime(0, 0, 4, 200));

    // The box has no caption: click its indicator.
    QStyleOptionButton option;
    option.initFrom(editor.infinite);
    const QPoint indicator
        = editor.infinite->style()
              ->subElementRect(QStyle::SE_CheckBoxIndicator, &option, editor.infinite)
              .center();
    QTest::mouseClick(editor.infinite, Qt::LeftButton, {}, indicator);
    QVERIFY(editor.infinite->isChecked());
    QVERIFY(!editor.timeEdit->isEnabled());

    QTest::keyClick(editor.infinite, Qt::Key_Space);
    QVERIFY(!editor.infinite->isChecked());
    QVERIFY(editor.timeEdit->isEnabled());
    QCOMPARE(editor.timeEdit->time(), QTime(0, 0, 4, 200));

    // The time part comes first, the box to its right.
    QVERIFY(editor.timeEdit->geometry().right() < editor.infinite->geometry().left());
}

void tst_Editors::leavedOnlyWhenReallyOutside_data()
{
    QTest::addColumn<QStringList>("path"); // "time", "box", "outside"
    QTest::addColumn<int>("leaves");

    QTest::newRow("time part onto the check box") << QStringList {"time", "box"} << 0;
    QTest::newRow("check box onto the time part") << QStringList {"box", "time"} << 0;
    QTest::newRow("time part out of the widget") << QStringList {"time", "outside"} << 1;
    QTest::newRow("check box out of the widget") << QStringList {"time", "box", "outside"} << 1;
    QTest::newRow("out, in and out again")
        << QStringList {"box", "outside", "time", "outside"} << 2;
}

void tst_Editors::leavedOnlyWhenReallyOutside()
{
    QFETCH(QStringList, path);
    QFETCH(int, leaves);

    QWidget host;
    host.resize(400, 120);
    infTime_class editor(&host);
    editor.setGeometry(20, 20, 260, 30);
    host.show();
    QCoreApplication::processEvents(); // enter and leave need the window exposed
    QVERIFY(host.windowHandle()->isExposed());
    // Start from the host, wherever an earlier row left the pointer.
    QTest::mouseMove(&host, QPoint(5, 110));
    QList<QWidget *> left;
    connect(&editor, &infTime_class::leaved, [&](QWidget *w) { left << w; });

    for (const QString &where : path) {
        if (where == QLatin1String("time"))
            QTest::mouseMove(editor.timeEdit);
        else if (where == QLatin1String("box"))
            QTest::mouseMove(editor.infinite);
        else
            QTest::mouseMove(&host, QPoint(380, 100));
    }
    QCOMPARE(left.size(), leaves);
    for (QWidget *w : left)
        QCOMPARE(w, &editor);
}

// --- guardedSpinBox ------------------------------------------------------------------------------

void tst_Editors::guardedSpinBoxAccepts_data()
{
    QTest::addColumn<QStringList>("steps"); // "type N", "enter", "return", "up", "leave", "set N"
    QTest::addColumn<QList<int>>("accepted");
    QTest::addColumn<int>("value");

    QTest::newRow("keypad Enter accepts once")
        << QStringList {"type 40", "enter"} << QList<int> {40} << 40;
    QTest::newRow("Return accepts nothing until the focus leaves")
        << QStringList {"type 40", "return"} << QList<int> {} << 40;
    QTest::newRow("Return, then leaving accepts")
        << QStringList {"type 40", "return", "leave"} << QList<int> {40} << 40;
    QTest::newRow("Enter, then leaving accepts again")
        << QStringList {"type 40", "enter", "leave"} << QList<int> {40, 40} << 40;
    QTest::newRow("in and out unchanged") << QStringList {"leave"} << QList<int> {12} << 12;
    QTest::newRow("arrow keys alone accept nothing")
        << QStringList {"up", "up"} << QList<int> {} << 14;
    QTest::newRow("arrow keys, then leaving")
        << QStringList {"up", "leave"} << QList<int> {13} << 13;
    QTest::newRow("typing alone accepts nothing") << QStringList {"type 7"} << QList<int> {} << 7;
    QTest::newRow("set from the program, never") << QStringList {"set 30"} << QList<int> {} << 30;
}

void tst_Editors::guardedSpinBoxAccepts()
{
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, accepted);
    QFETCH(int, value);

    // Declared first: the box loses its focus, and accepts, when the host is destroyed.
    QList<int> got;
    QWidget host;
    auto *box = new guardedSpinBox(&host);
    box->setRange(1, 64);
    box->setValue(12);
    auto *other = new QSpinBox(&host);
    other->move(0, 40);
    host.show();
    QApplication::setActiveWindow(&host);
    box->setFocus();
    QVERIFY(box->hasFocus());

    connect(box, &guardedSpinBox::valueAccepted, [&](int v) { got << v; });
    QSignalSpy changed(box, &QSpinBox::valueChanged);

    for (const QString &step : steps) {
        const QStringList words = step.split(QLatin1Char(' '));
        if (words[0] == QLatin1String("type")) {
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(box, words[1]);
        } else if (words[0] == QLatin1String("enter")) {
            QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
        } else if (words[0] == QLatin1String("return")) {
            QTest::keyClick(box, Qt::Key_Return);
        } else if (words[0] == QLatin1String("up")) {
            QTest::keyClick(box, Qt::Key_Up);
        } else if (words[0] == QLatin1String("leave")) {
            other->setFocus();
            QVERIFY(!box->hasFocus());
        } else if (words[0] == QLatin1String("set")) {
            box->setValue(words[1].toInt());
        }
    }
    QCOMPARE(got, accepted);
    QCOMPARE(box->value(), value);
    QCOMPARE(changed.isEmpty(), value == 12);
}

// --- admx_slider_widget --------------------------------------------------------------------------

void tst_Editors::columnReportsEveryChangeOnce_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("how"); // "slider key", "box typed", "program"

    QTest::newRow("channel 7, slider key") << 7 << "7"
                                           << "slider key";
    QTest::newRow("channel 7, typed into the box") << 7 << "7"
                                                   << "box typed";
    QTest::newRow("channel 7, set by the program") << 7 << "7"
                                                   << "program";
    QTest::newRow("red, slider key") << -1 << "Red"
                                     << "slider key";
    QTest::newRow("green, typed into the box") << -2 << "Green"
                                               << "box typed";
    QTest::newRow("blue, set by the program") << -3 << "Blue"
                                              << "program";
}

void tst_Editors::columnReportsEveryChangeOnce()
{
    QFETCH(int, channel);
    QFETCH(QString, caption);
    QFETCH(QString, how);

    QWidget parent;
    admx_slider_widget column(channel, 30, 40, &parent);
    QCOMPARE(column.container()->parentWidget(), &parent);
    QCOMPARE(column.container()->geometry(), QRect(30, 40, 67, 200));
    QCOMPARE(column.caption()->text(), caption);
    QCOMPARE(column.slider()->orientation(), Qt::Vertical);
    QCOMPARE(column.slider()->maximum(), 255);
    QCOMPARE(column.spinBox()->maximum(), 255);
    QCOMPARE(column.slider()->tickPosition(), QSlider::TicksBelow);
    QCOMPARE(column.slider()->tickInterval(), 10);
    QCOMPARE(column.slider()->focusPolicy(), Qt::StrongFocus);

    QList<Pair> reported;
    connect(&column, &admx_slider_widget::chValCh,
            [&](int ch, int val) { reported << Pair(ch, val); });
    QList<Pair> expected;
    if (how == QLatin1String("slider key")) {
        QTest::keyClick(column.slider(), Qt::Key_Up);
        QTest::keyClick(column.slider(), Qt::Key_End);
        expected = {{channel, 1}, {channel, 255}};
    } else if (how == QLatin1String("box typed")) {
        QTest::keyClick(column.spinBox(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(column.spinBox(), QStringLiteral("42"));
        expected = {{channel, 4}, {channel, 42}};
    } else {
        column.slider()->setValue(99);
        column.slider()->setValue(99);
        expected = {{channel, 99}};
    }
    QCOMPARE(reported, expected);
    QCOMPARE(column.slider()->value(), expected.last().second);
    QCOMPARE(column.spinBox()->value(), expected.last().second);

    // Paging renumbers from the base number and reports with the new number.
    column.setChannel(10);
    QCOMPARE(column.channelNumber(), channel + 10);
    QCOMPARE(column.caption()->text(), QString::number(channel + 10));
    column.slider()->setValue(3);
    QCOMPARE(reported.last(), Pair(channel + 10, 3));
}

// --- admx32_sliders_widget -----------------------------------------------------------------------

void tst_Editors::sceneEditorControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("columns") << "sceneChannels" << QRect(110, 150, 1000, 200) << "" << true;
    QTest::newRow("scroll bar") << "scrollChannels" << QRect(120, 350, 587, 20) << "" << true;
    QTest::newRow("rise caption") << "lbSceneRise" << QRect(220, 400, 100, 20)
                                  << "Rise time:" << true;
    QTest::newRow("last caption") << "lbSceneLast" << QRect(220, 430, 100, 20)
                                  << "Last time:" << true;
    QTest::newRow("fall caption") << "lbSceneFall" << QRect(220, 460, 100, 20)
                                  << "Fall time:" << true;
    QTest::newRow("rise editor") << "teSceneRise" << QRect(320, 400, 170, 20) << "" << true;
    QTest::newRow("last editor") << "teSceneLast" << QRect(320, 430, 170, 20) << "" << true;
    QTest::newRow("fall editor") << "teSceneFall" << QRect(320, 460, 170, 20) << "" << true;
    QTest::newRow("Infinite") << "cbInfinite" << QRect(495, 430, 120, 20) << "Infinite" << true;
    QTest::newRow("Last Step") << "cbLastStep" << QRect(495, 460, 120, 20) << "Last Step" << false;
}

void tst_Editors::sceneEditorControls()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(bool, enabled);

    buildEditor();
    auto *w = page->findChild<QWidget *>(name);
    QVERIFY2(w, qPrintable(name));
    QCOMPARE(w->parentWidget(), page.get());
    QCOMPARE(w->geometry(), geometry);
    QCOMPARE(w->isEnabled(), enabled);
    if (auto *label = qobject_cast<QLabel *>(w))
        QCOMPARE(label->text(), text);
    if (auto *box = qobject_cast<QCheckBox *>(w))
        QCOMPARE(box->text(), text);
    if (auto *edit = qobject_cast<MyTimeEdit *>(w)) {
        QCOMPARE(edit->displayFormat(), QStringLiteral("hh'[h] 'mm'[m] 'ss'.'zzz'[s]'"));
        QCOMPARE(edit->minimumTime(), QTime(0, 0));
        const QTime maximum = name == QLatin1String("teSceneRise") ? QTime(1, 49, 13, 500)
            : name == QLatin1String("teSceneLast")                 ? QTime(1, 49, 13, 400)
                                                                   : QTime(1, 49, 13, 300);
        QCOMPARE(edit->maximumTime(), maximum);
    }
    if (auto *scroll = qobject_cast<QScrollBar *>(w)) {
        QCOMPARE(scroll->orientation(), Qt::Horizontal);
        QCOMPARE(scroll->minimum(), 0);
        QCOMPARE(scroll->maximum(), 54);
        QCOMPARE(scroll->singleStep(), 1);
        QCOMPARE(scroll->value(), 0);
    }
    if (name == QLatin1String("sceneChannels")) {
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(editor->column(i)->container()->parentWidget(), w);
            QCOMPARE(editor->column(i)->container()->pos(), QPoint(60 * i, 0));
        }
        QCOMPARE(captions(), QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
        QCOMPARE(editor->page, 0);
        QCOMPARE(editor->step, 0);
    }
}

void tst_Editors::sceneEditorConnections()
{
    DebugCapture debug;
    buildEditor();
    // Columns 10 x 3 and time editors 3 x 1 inside; the editor's own 27; refresh's 4.
    QCOMPARE(debug.lines.count(QStringLiteral("O.K. !")), 64);
    QVERIFY(!debug.lines.contains(QStringLiteral("Oops!")));

    debug.lines.clear();
    editor->refresh();
    QCOMPARE(debug.lines, QStringList(4, QStringLiteral("O.K. !")));
}

void tst_Editors::pagingWritesAndSendsNothing_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("rightClicks"); // on the scroll bar's right arrow
    QTest::addColumn<int>("leftClicks"); // then on its left arrow
    QTest::addColumn<int>("first");

    QTest::newRow("one channel right") << 0 << 0 << 1 << 0 << 1;
    QTest::newRow("to the end shows 55..64") << 3 << 9 << 54 << 0 << 54;
    QTest::newRow("past the end stays") << 8 << 15 << 60 << 0 << 54;
    QTest::newRow("there and back") << 1 << 1 << 54 << 54 << 0;
    QTest::newRow("back past the start stays") << 2 << 4 << 3 << 5 << 0;
}

void tst_Editors::pagingWritesAndSendsNothing()
{
    QFETCH(int, page);
    QFETCH(int, step);
    QFETCH(int, rightClicks);
    QFETCH(int, leftClicks);
    QFETCH(int, first);

    buildEditor(page * 16 + step);
    editor->page = page;
    editor->step = step;
    editor->refresh();
    const QByteArray before = imageBytes();

    QScrollBar *scroll = editor->scrollBar();
    const QPoint right(scroll->width() - 4, scroll->height() / 2);
    const QPoint left(4, scroll->height() / 2);
    for (int i = 0; i < rightClicks; ++i)
        QTest::mouseClick(scroll, Qt::LeftButton, {}, right);
    for (int i = 0; i < leftClicks; ++i)
        QTest::mouseClick(scroll, Qt::LeftButton, {}, left);

    QCOMPARE(editor->firstVisible(), first);
    QStringList expectedCaptions;
    QList<int> expectedLevels;
    for (int i = 0; i < 10; ++i) {
        expectedCaptions << QString::number(first + i + 1);
        expectedLevels << level(image(), page, step, first + i);
        QCOMPARE(editor->column(i)->channelNumber(), first + i + 1);
    }
    QCOMPARE(captions(), expectedCaptions);
    QCOMPARE(shownLevels(), expectedLevels);
    QCOMPARE(imageBytes(), before);
    QVERIFY(liveValues.isEmpty());
    QVERIFY(prepared.isEmpty());

    // Positions outside 0..54 are refused, negative ones too.
    for (int refused : {-1, 55, 1000}) {
        editor->setSliders(refused);
        QCOMPARE(editor->firstVisible(), first);
        QCOMPARE(shownLevels(), expectedLevels);
    }
}

void tst_Editors::stepsWriteNothingAndPrepare_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("scroll");
    QTest::addColumn<int>("step");

    QTest::newRow("step 5 of program 2") << 2 << 0 << 4;
    QTest::newRow("independent scene 1") << 0 << 0 << 0;
    QTest::newRow("step 16 of program 8, scrolled") << 8 << 30 << 15;
    QTest::newRow("independent scene 12, scrolled to the end") << 0 << 54 << 11;
}

void tst_Editors::stepsWriteNothingAndPrepare()
{
    QFETCH(int, page);
    QFETCH(int, scroll);
    QFETCH(int, step);

    buildEditor(99);
    editor->scrollBar()->setValue(scroll);
    editor->page = page;
    const QByteArray before = imageBytes();

    editor->setSceneNumber(step);
    QCOMPARE(editor->step, step);
    QCOMPARE(prepared, QList<Pair> {Pair(page, step + 1)});
    QList<int> expected;
    for (int i = 0; i < 10; ++i)
        expected << level(image(), page, step, scroll + i);
    QCOMPARE(shownLevels(), expected);
    QCOMPARE(imageBytes(), before);
    QVERIFY(liveValues.isEmpty());

    // A step outside the page is refused: it would address the next page or beyond the image.
    for (int refused : {-1, 16}) {
        editor->setSceneNumber(refused);
        QCOMPARE(editor->step, step);
    }
    QCOMPARE(prepared.size(), 1);
}

void tst_Editors::levelEdits_data()
{
    QTest::addColumn<int>("scroll");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("start"); // stored level before
    QTest::addColumn<int>("key"); // pressed on the column's slider
    QTest::addColumn<int>("result");

    QTest::newRow("channel 1 up") << 0 << 0 << 100 << int(Qt::Key_Up) << 101;
    QTest::newRow("channel 64 down") << 54 << 9 << 100 << int(Qt::Key_Down) << 99;
    QTest::newRow("channel 33 to full") << 30 << 2 << 0 << int(Qt::Key_End) << 255;
    QTest::newRow("unchanged at full sends nothing") << 0 << 4 << 255 << int(Qt::Key_Up) << 255;
    QTest::newRow("unchanged at zero sends nothing") << 20 << 7 << 0 << int(Qt::Key_Home) << 0;
}

void tst_Editors::levelEdits()
{
    QFETCH(int, scroll);
    QFETCH(int, column);
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, result);

    buildEditor(3);
    editor->page = 5;
    editor->step = 6;
    const int channel = scroll + column; // index 0..63
    setLevel(image(), 5, 6, channel, u8(start));
    editor->scrollBar()->setValue(scroll);
    editor->refresh();
    QByteArray expected = imageBytes();
    expected[levelOffset(5, 6, channel)] = char(result);

    QTest::keyClick(editor->column(column)->slider(), Qt::Key(key));
    QCOMPARE(imageBytes(), expected);
    QCOMPARE(liveValues, result == start ? QList<Pair> {} : QList<Pair> {Pair(channel, result)});
    QCOMPARE(editor->column(column)->spinBox()->value(), result);
}

void tst_Editors::fallTable_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("fallTime");
    QTest::addColumn<bool>("lastStep");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QTime>("shown");

    QTest::newRow("scene, plain time") << 0 << 25 << false << true << QTime(0, 0, 2, 500);
    QTest::newRow("scene, 0xFFFE is a time")
        << 0 << 0xFFFE << false << true << QTime(1, 49, 13, 300); // held to the maximum
    QTest::newRow("scene, 0xFFFF is a time")
        << 0 << 0xFFFF << false << true << QTime(1, 49, 13, 300);
    // A marker shows as the editor holds it, at its maximum.
    QTest::newRow("program, last step and loop")
        << 3 << 0xFFFE << true << false << QTime(1, 49, 13, 300);
    QTest::newRow("program, not the last step")
        << 3 << 0xFFFF << false << false << QTime(1, 49, 13, 300);
    QTest::newRow("program, last step with a fall time")
        << 8 << 123 << true << true << QTime(0, 0, 12, 300);
    QTest::newRow("program, last step with fall time 0") << 1 << 0 << true << true << QTime(0, 0);
}

void tst_Editors::fallTable()
{
    QFETCH(int, page);
    QFETCH(int, fallTime);
    QFETCH(bool, lastStep);
    QFETCH(bool, enabled);
    QFETCH(QTime, shown);

    buildEditor(11);
    // Another scene's time on display before.
    setStepTime(image(), 0, 0, FallTime, 77);
    editor->refresh();
    QCOMPARE(editor->fallEdit()->time(), QTime(0, 0, 7, 700));

    // Step 3 of a program follows steps 1 and 2.
    if (page != 0)
        for (int step : {0, 1})
            setStepTime(image(), page, step, FallTime, FallNextStep);
    setStepTime(image(), page, 2, FallTime, u16(fallTime));
    editor->page = page;
    editor->step = 2;
    const QByteArray before = imageBytes();
    editor->refresh();

    QCOMPARE(editor->lastStepBox()->isChecked(), lastStep);
    QVERIFY(!editor->lastStepBox()->isEnabled());
    QCOMPARE(editor->fallEdit()->isEnabled(), enabled);
    QCOMPARE(editor->fallEdit()->time(), shown);
    QCOMPARE(imageBytes(), before);
}

void tst_Editors::lastStepOnlyOnTheProgramsLastStep_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("steps"); // the program: steps 1..n-1 followed by the next
    QTest::addColumn<int>("end"); // the fall time of step n
    QTest::addColumn<int>("step"); // 0-based, shown
    QTest::addColumn<int>("beyond"); // the fall time stored in a step past the end; -1: none
    QTest::addColumn<bool>("checked");

    QTest::newRow("step 8 of 5, an old fall time") << 2 << 5 << 30 << 7 << 40 << false;
    QTest::newRow("step 8 of 5, an old loop marker") << 2 << 5 << 30 << 7 << 0xFFFE << false;
    QTest::newRow("step 12 of 5, an old fall time 0") << 7 << 5 << 0xFFFE << 11 << 0 << false;
    QTest::newRow("step 16 of 5, next-step marker") << 5 << 5 << 30 << 15 << 0xFFFF << false;
    QTest::newRow("step 5 of 5, a fall time") << 2 << 5 << 30 << 4 << -1 << true;
    QTest::newRow("step 5 of 5, looping") << 4 << 5 << 0xFFFE << 4 << -1 << true;
    QTest::newRow("step 3 of 5") << 2 << 5 << 30 << 2 << -1 << false;
    QTest::newRow("step 1 of 1") << 6 << 1 << 12 << 0 << -1 << true;
    QTest::newRow("step 16 of 16, fall time 0") << 8 << 16 << 0 << 15 << -1 << true;
    QTest::newRow("step 16 of a continued program") << 1 << 16 << 0xFFFF << 15 << -1 << false;
    QTest::newRow("independent scene with a fall time") << 0 << 1 << 30 << 0 << -1 << false;
    QTest::newRow("independent scene 9 with a fall time") << 0 << 5 << 30 << 8 << 50 << false;
}

void tst_Editors::lastStepOnlyOnTheProgramsLastStep()
{
    QFETCH(int, page);
    QFETCH(int, steps);
    QFETCH(int, end);
    QFETCH(int, step);
    QFETCH(int, beyond);
    QFETCH(bool, checked);

    buildEditor(13);
    for (int s = 0; s < steps - 1; ++s)
        setStepTime(image(), page, s, FallTime, FallNextStep);
    setStepTime(image(), page, steps - 1, FallTime, u16(end));
    if (beyond >= 0)
        setStepTime(image(), page, step, FallTime, u16(beyond));
    // Shown first on the step before, so that the box has something to change from.
    editor->page = page;
    editor->step = step == 0 ? 1 : step - 1;
    editor->refresh();
    const QByteArray before = imageBytes();

    editor->step = step;
    editor->refresh();
    QCOMPARE(editor->lastStepBox()->isChecked(), checked);
    QVERIFY(!editor->lastStepBox()->isEnabled());
    QCOMPARE(imageBytes(), before);
}

void tst_Editors::lastTimeAndInfinite_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QTime>("shown");
    QTest::addColumn<QList<int>>("afterClicks"); // lastTime after each click on "Infinite"

    QTest::newRow("a time, on and off again")
        << 25 << QTime(0, 0, 2, 500) << QList<int> {0xFFFF, 25};
    // Infinite shows as the editor holds it, at its maximum, and off stores what it shows.
    QTest::newRow("infinite, off stores the longest time shown")
        << 0xFFFF << QTime(1, 49, 13, 400) << QList<int> {0xFFFE, 0xFFFF};
    QTest::newRow("the longest time, on, off, on")
        << 0xFFFE << QTime(1, 49, 13, 400) << QList<int> {0xFFFF, 0xFFFE, 0xFFFF};
}

void tst_Editors::lastTimeAndInfinite()
{
    QFETCH(int, stored);
    QFETCH(QTime, shown);
    QFETCH(QList<int>, afterClicks);

    buildEditor(5);
    // The previous step leaves 4.4 s on display.
    setStepTime(image(), 4, 0, LastTime, 44);
    editor->page = 4;
    editor->refresh();
    QCOMPARE(editor->lastEdit()->time(), QTime(0, 0, 4, 400));
    setStepTime(image(), 4, 1, LastTime, u16(stored));
    editor->setSceneNumber(1);
    editor->refresh();

    const bool endless = stored == 0xFFFF;
    QCOMPARE(editor->infiniteBox()->isChecked(), endless);
    QCOMPARE(editor->lastEdit()->isEnabled(), !endless);
    QCOMPARE(editor->lastEdit()->time(), shown);
    QCOMPARE(stepTime(image(), 4, 1, LastTime), u16(stored));

    for (int expected : afterClicks) {
        QTest::mouseClick(editor->infiniteBox(), Qt::LeftButton);
        QCOMPARE(stepTime(image(), 4, 1, LastTime), u16(expected));
        QCOMPARE(editor->lastEdit()->isEnabled(), expected != 0xFFFF);
    }
    QCOMPARE(stepTime(image(), 4, 0, LastTime), u16(44));
}

void tst_Editors::timeEdits_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<int>("section");
    QTest::addColumn<QString>("typed"); // empty: one key Up
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("stored");

    QTest::newRow("rise, a second up")
        << "rise" << int(QDateTimeEdit::SecondSection) << "" << int(RiseTime) << 22;
    QTest::newRow("rise, 251 ms typed")
        << "rise" << int(QDateTimeEdit::MSecSection) << "251" << int(RiseTime) << 12;
    QTest::newRow("last, a minute up")
        << "last" << int(QDateTimeEdit::MinuteSection) << "" << int(LastTime) << 612;
    QTest::newRow("last, a tenth up")
        << "last" << int(QDateTimeEdit::MSecSection) << "" << int(LastTime) << 13;
    QTest::newRow("fall, an hour up")
        << "fall" << int(QDateTimeEdit::HourSection) << "" << int(FallTime) << 36012;
    QTest::newRow("fall, 950 ms typed")
        << "fall" << int(QDateTimeEdit::MSecSection) << "950" << int(FallTime) << 19;
}

void tst_Editors::timeEdits()
{
    QFETCH(QString, edit);
    QFETCH(int, section);
    QFETCH(QString, typed);
    QFETCH(int, field);
    QFETCH(int, stored);

    buildEditor(8);
    editor->page = 6; // a last step with a fall time, so the fall editor is enabled
    editor->step = 3;
    for (TimeField f : {RiseTime, LastTime, FallTime})
        setStepTime(image(), 6, 3, f, 12); // 1.2 s
    editor->refresh();
    QByteArray expected = imageBytes();
    const int offset = timeOffset(6, 3, TimeField(field));
    expected[offset] = char(stored & 0xFF);
    expected[offset + 1] = char(stored >> 8);

    MyTimeEdit *target = edit == QLatin1String("rise") ? editor->riseEdit()
        : edit == QLatin1String("last")                ? editor->lastEdit()
                                                       : editor->fallEdit();
    if (typed.isEmpty()) {
        target->setCurrentSection(QDateTimeEdit::Section(section));
        QTest::keyClick(target, Qt::Key_Up);
    } else {
        target->setSelectedSection(QDateTimeEdit::Section(section));
        QTest::keyClicks(target, typed);
    }
    QCOMPARE(imageBytes(), expected);
    QVERIFY(liveValues.isEmpty()); // times are never sent live
    QVERIFY(prepared.isEmpty());
}

void tst_Editors::markersSurviveEverything()
{
    buildEditor(21);
    editor->page = 2;
    setStepTime(image(), 2, 0, LastTime, 30);
    setStepTime(image(), 2, 0, FallTime, 40);
    setStepTime(image(), 2, 1, LastTime, LastInfinite);
    setStepTime(image(), 2, 1, FallTime, FallLoop);
    setStepTime(image(), 2, 2, LastTime, LastInfinite);
    setStepTime(image(), 2, 2, FallTime, FallNextStep);
    const QByteArray before = imageBytes();

    // Back and forth between steps with times and steps with markers, and keys on the disabled
    // editors in between.
    for (int step : {0, 1, 2, 0, 2, 1}) {
        editor->setSceneNumber(step);
        editor->refresh();
        for (MyTimeEdit *edit : {editor->lastEdit(), editor->fallEdit()}) {
            if (edit->isEnabled())
                continue;
            edit->setCurrentSection(QDateTimeEdit::SecondSection);
            QTest::keyClick(edit, Qt::Key_Up);
            QTest::keyClicks(edit, QStringLiteral("5"));
        }
    }
    QCOMPARE(imageBytes(), before);
    QVERIFY(!editor->lastEdit()->isEnabled());
    QVERIFY(!editor->fallEdit()->isEnabled());
}

QTEST_MAIN(tst_Editors)
#include "tst_editors.moc"
