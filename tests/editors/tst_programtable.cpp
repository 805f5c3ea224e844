// The program step table on its own, driven with key and mouse events and its real editors,
// against a controller's image.

#include "controller/kelvo_controller_class.h"
#include "editors/inftime_class.h"
#include "editors/mytimeedit.h"
#include "editors/program_conf_widget.h"
#include "model/configlayout.h"
#include "model/devicetime.h"
#include "support/configfilefixtures.h"
#include "support/scriptedprompts.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <cstring>
#include <memory>

using namespace ConfigLayout;

namespace {

struct Step
{
    u16 rise;
    u16 last;
    u16 fall;
};
using Steps = QList<Step>;
constexpr int Page = 3; // program 3

} // namespace

Q_DECLARE_METATYPE(Steps)

class tst_ProgramTable : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void shapeFromFallTimes_data();
    void shapeFromFallTimes();
    void programTime_data();
    void programTime();
    void stepCountChange_data();
    void stepCountChange();
    void zeroKey_data();
    void zeroKey();
    void deleteSelectedRows_data();
    void deleteSelectedRows();
    void insertStep_data();
    void insertStep();
    void bothTimesZero_data();
    void bothTimesZero();
    void riseEditorWritesImage();
    void lastEditorInfinite();
    void fallOfLoopingProgramHasNoEditor();

private:
    std::unique_ptr<ScriptedPrompts> script;
    std::unique_ptr<kelvo_controller_class> kelvo;
    std::unique_ptr<program_conf_widget> table;

    u8 *image() { return kelvo->configImage(); }
    QByteArray imageBytes() const
    {
        return QByteArray(reinterpret_cast<const char *>(kelvo->configImage()), ImageSize);
    }
    // Random bytes, then the given steps in program 3; steps after them keep random times.
    void setSteps(const Steps &steps)
    {
        const QByteArray bytes = ConfigFileFixtures::randomBytes(99, ImageSize);
        std::memcpy(image(), bytes.constData(), ImageSize);
        for (int s = 0; s < steps.size(); ++s) {
            setStepTime(image(), Page, s, RiseTime, steps[s].rise);
            setStepTime(image(), Page, s, LastTime, steps[s].last);
            setStepTime(image(), Page, s, FallTime, steps[s].fall);
        }
    }
    void showProgram()
    {
        table = std::make_unique<program_conf_widget>(kelvo->document(), kelvo->liveOutput());
        table->resize(552, 357);
        table->show();
        table->setProgramNumber(Page);
    }
    QString cell(int row, int column) const
    {
        return table->model()->index(row, column).data().toString();
    }
    QStringList columnTexts(int column) const
    {
        QStringList texts;
        for (int r = 0; r < table->model()->rowCount(); ++r)
            texts << cell(r, column);
        return texts;
    }
    void clickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const QRect rect = table->visualRect(table->model()->index(row, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, modifiers, rect.center());
    }
    u16 field(int step, TimeField f) { return stepTime(image(), Page, step, f); }
};

void tst_ProgramTable::init()
{
    script = std::make_unique<ScriptedPrompts>();
    kelvo = std::make_unique<kelvo_controller_class>();
}

void tst_ProgramTable::cleanup()
{
    table.reset();
    kelvo.reset();
    script.reset();
}

// --- Reading a program -------------------------------------------------------------------------

void tst_ProgramTable::shapeFromFallTimes_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("lastFall");

    Steps all;
    for (int s = 0; s < 16; ++s)
        all << Step {5, 5, 0xFFFF};
    QTest::newRow("every fall 0xFFFF: 16 steps, continued") << all << 16 << 2 << " - ";
    QTest::newRow("0xFFFE on step 4: 4 steps, loop")
        << Steps {{1, 1, 0xFFFF}, {1, 1, 0xFFFF}, {1, 1, 0xFFFF}, {1, 1, 0xFFFE}} << 4 << 1
        << " - ";
    QTest::newRow("fall 2.5 s on step 2: 2 steps, normal")
        << Steps {{1, 1, 0xFFFF}, {1, 1, 25}} << 2 << 0 << "00:00:02.5";
    QTest::newRow("fall 0 on step 1: 1 step, normal")
        << Steps {{1, 1, 0}} << 1 << 0 << "00:00:00.0";
}

void tst_ProgramTable::shapeFromFallTimes()
{
    QFETCH(Steps, steps);
    QFETCH(int, count);
    QFETCH(int, mode);
    QFETCH(QString, lastFall);

    setSteps(steps);
    table = std::make_unique<program_conf_widget>(kelvo->document(), kelvo->liveOutput());
    QSignalSpy lengths(table.get(), &program_conf_widget::setLen);
    QSignalSpy modes(table.get(), &program_conf_widget::pgmMode2Gui);
    const QByteArray before = imageBytes();
    table->setProgramNumber(Page);

    QCOMPARE(table->model()->rowCount(), count);
    QCOMPARE(table->runMode(), mode);
    QCOMPARE(lengths.last().at(0).toInt(), count);
    QCOMPARE(modes.last().at(0).toInt(), mode);
    QStringList falls(count - 1, QStringLiteral(" - "));
    falls << lastFall;
    QCOMPARE(columnTexts(program_conf_widget::FallColumn), falls);
    QCOMPARE(cell(count - 1, program_conf_widget::StepColumn),
             QStringLiteral("Step %1").arg(count));
    QCOMPARE(imageBytes(), before); // showing writes nothing
    QVERIFY(script->shown.isEmpty());
}

void tst_ProgramTable::programTime_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QStringList>("totals");
    QTest::addColumn<QStringList>("lasts");

    QTest::newRow("one step 2.0 + 3.5 + 1.0")
        << Steps {{20, 35, 10}} << QStringList {"00:00:06.5"} << QStringList {"00:00:03.5"};
    QTest::newRow("two steps, the fall only at the end")
        << Steps {{20, 35, 0xFFFF}, {20, 35, 10}} << QStringList {"00:00:05.5", "00:00:12.0"}
        << QStringList {"00:00:03.5", "00:00:03.5"};
    QTest::newRow("infinite second step of three")
        << Steps {{20, 35, 0xFFFF}, {20, 0xFFFF, 0xFFFF}, {20, 35, 10}}
        << QStringList {"00:00:05.5", "undetermined", "undetermined"}
        << QStringList {"00:00:03.5", "  infinite", "00:00:03.5"};
    Steps day;
    for (int s = 0; s < 8; ++s)
        day << Step {60000, 52500, u16(s == 7 ? 0 : 0xFFFF)}; // 8 x 3:07:30 = 25 hours
    QTest::newRow("25 hours") << day << QStringList {"03:07:30.0", "06:15:00.0",  "09:22:30.0",
                                                     "12:30:00.0", "15:37:30.0",  "18:45:00.0",
                                                     "21:52:30.0", "1+01:00:00.0"}
                              << QStringList(8, "01:27:30.0");
    QTest::newRow("loop: the last fall does not count")
        << Steps {{20, 35, 0xFFFF}, {20, 35, 0xFFFE}} << QStringList {"00:00:05.5", "00:00:11.0"}
        << QStringList {"00:00:03.5", "00:00:03.5"};
}

void tst_ProgramTable::programTime()
{
    QFETCH(Steps, steps);
    QFETCH(QStringList, totals);
    QFETCH(QStringList, lasts);

    setSteps(steps);
    showProgram();
    QCOMPARE(columnTexts(program_conf_widget::TotalColumn), totals);
    QCOMPARE(columnTexts(program_conf_widget::LastColumn), lasts);
    QCOMPARE(cell(0, program_conf_widget::RiseColumn),
             program_conf_widget::timeText(steps[0].rise));
}

// --- Changing the program ----------------------------------------------------------------------

void tst_ProgramTable::stepCountChange_data()
{
    QTest::addColumn<u16>("fifthFall"); // step 5's fall time before
    QTest::addColumn<u16>("expected"); // and after the count went from 3 to 5

    QTest::newRow("a fall time stays") << u16(0x0123) << u16(0x0123);
    QTest::newRow("loop marker becomes 0") << u16(0xFFFE) << u16(0);
    QTest::newRow("next-step marker becomes 0") << u16(0xFFFF) << u16(0);
    QTest::newRow("the largest fall time stays") << u16(0xFFFD) << u16(0xFFFD);
}

void tst_ProgramTable::stepCountChange()
{
    QFETCH(u16, fifthFall);
    QFETCH(u16, expected);

    setSteps({{1, 1, 0xFFFF}, {1, 1, 0xFFFF}, {1, 1, 40}, {1, 1, 0x0777}, {1, 1, fifthFall}});
    showProgram();
    QCOMPARE(table->model()->rowCount(), 3);
    QByteArray wanted = imageBytes();
    table->setStepCount(5);

    for (int s = 0; s < 4; ++s)
        writeU16(reinterpret_cast<u8 *>(wanted.data()), timeOffset(Page, s, FallTime), 0xFFFF);
    writeU16(reinterpret_cast<u8 *>(wanted.data()), timeOffset(Page, 4, FallTime), expected);
    QCOMPARE(imageBytes(), wanted);
    QCOMPARE(table->model()->rowCount(), 5);
    QCOMPARE(cell(4, program_conf_widget::FallColumn),
             expected <= 0xFFFD ? program_conf_widget::timeText(expected) : QString(" - "));
    QCOMPARE(cell(2, program_conf_widget::FallColumn), QStringLiteral(" - "));
}

void tst_ProgramTable::zeroKey_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("field"); // the zeroed field, -1: nothing changes

    const Steps three {{20, 35, 0xFFFF}, {20, 35, 0xFFFF}, {20, 35, 10}};
    const Steps loop {{20, 35, 0xFFFF}, {20, 35, 0xFFFE}};
    QTest::newRow("rise of step 2") << three << 1 << 1 << int(RiseTime);
    QTest::newRow("last of step 1") << three << 0 << 2 << int(LastTime);
    QTest::newRow("fall of the last step") << three << 2 << 3 << int(FallTime);
    QTest::newRow("fall of a step that is not the last") << three << 1 << 3 << -1;
    QTest::newRow("fall of the last step of a loop") << loop << 1 << 3 << -1;
    QTest::newRow("step number") << three << 1 << 0 << -1;
    QTest::newRow("program time") << three << 1 << 4 << -1;
}

void tst_ProgramTable::zeroKey()
{
    QFETCH(Steps, steps);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, field);

    setSteps(steps);
    showProgram();
    const QString textBefore = cell(row, column);
    QByteArray wanted = imageBytes();
    if (field >= 0)
        writeU16(reinterpret_cast<u8 *>(wanted.data()), timeOffset(Page, row, TimeField(field)), 0);

    table->setCurrentIndex(table->model()->index(row, column));
    QTest::keyClick(table.get(), Qt::Key_0);

    QCOMPARE(imageBytes(), wanted);
    QCOMPARE(cell(row, column), field >= 0 ? QStringLiteral("00:00:00.0") : textBefore);
    QVERIFY(script->shown.isEmpty());
}

void tst_ProgramTable::deleteSelectedRows_data()
{
    QTest::addColumn<QList<int>>("rows"); // clicked, the first alone and the rest with Ctrl
    QTest::addColumn<Prompts::Button>("answer");
    QTest::addColumn<QList<int>>("kept"); // old steps in their new order; empty: nothing changed

    QTest::newRow("two of five, yes") << QList<int> {1, 3} << Prompts::Yes << QList<int> {0, 2, 4};
    QTest::newRow("two of five, no") << QList<int> {1, 3} << Prompts::No << QList<int> {};
    QTest::newRow("the first and the last, yes")
        << QList<int> {0, 4} << Prompts::Yes << QList<int> {1, 2, 3};
    QTest::newRow("every step, yes")
        << QList<int> {0, 1, 2, 3, 4} << Prompts::Yes << QList<int> {-1};
}

void tst_ProgramTable::deleteSelectedRows()
{
    QFETCH(QList<int>, rows);
    QFETCH(Prompts::Button, answer);
    QFETCH(QList<int>, kept);

    setSteps(
        {{11, 12, 0xFFFF}, {21, 22, 0xFFFF}, {31, 32, 0xFFFF}, {41, 42, 0xFFFF}, {51, 52, 77}});
    showProgram();
    const QByteArray before = imageBytes();
    for (int i = 0; i < rows.size(); ++i)
        clickRow(rows[i], i == 0 ? Qt::NoModifier : Qt::ControlModifier);
    QSignalSpy lengths(table.get(), &program_conf_widget::setLen);
    script->answers << answer;
    QTest::keyClick(table.get(), Qt::Key_Delete);

    QCOMPARE(script->shown.size(), 1);
    QCOMPARE(script->shown[0].kind, Prompts::Kind::Question);
    QCOMPARE(script->shown[0].parent, table.get());
    QCOMPARE(script->shown[0].title, QStringLiteral("Confirmation"));
    QCOMPARE(script->shown[0].text,
             QStringLiteral("About to remove %1 step(s) from program.\n\tReally want to do it ?")
                 .arg(rows.size()));
    QCOMPARE(script->shown[0].buttons, QStringList({"No", "Yes !"}));

    if (kept.isEmpty()) {
        QCOMPARE(imageBytes(), before);
        QCOMPARE(table->model()->rowCount(), 5);
        return;
    }
    if (kept == QList<int> {-1}) { // one fresh step
        QCOMPARE(table->model()->rowCount(), 1);
        QCOMPARE(imageBytes().mid(levelOffset(Page, 0, 0), 64), QByteArray(64, 0));
        QCOMPARE(field(0, RiseTime), u16(0));
        QCOMPARE(field(0, LastTime), u16(10));
        QCOMPARE(field(0, FallTime), u16(0));
        QCOMPARE(lengths.last().at(0).toInt(), 1);
        return;
    }
    QCOMPARE(table->model()->rowCount(), kept.size());
    QCOMPARE(lengths.last().at(0).toInt(), kept.size());
    for (int s = 0; s < kept.size(); ++s) {
        QCOMPARE(imageBytes().mid(levelOffset(Page, s, 0), 64),
                 before.mid(levelOffset(Page, kept[s], 0), 64));
        QCOMPARE(field(s, RiseTime), u16(10 * (kept[s] + 1) + 1));
        QCOMPARE(field(s, LastTime), u16(10 * (kept[s] + 1) + 2));
        QCOMPARE(field(s, FallTime), s == kept.size() - 1 ? u16(kept[s] == 4 ? 77 : 0) : 0xFFFF);
    }
    QVERIFY(!table->selectionModel()->hasSelection());
}

void tst_ProgramTable::insertStep_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<u16>("endFall"); // fall time of the last step
    QTest::addColumn<int>("row");

    QTest::newRow("into three normal steps, at step 2") << 3 << u16(40) << 1;
    QTest::newRow("into three, at the last step") << 3 << u16(40) << 2;
    QTest::newRow("into 16 continued steps: the last drops") << 16 << u16(0xFFFF) << 4;
    QTest::newRow("into 16 looping steps: the loop stays") << 16 << u16(0xFFFE) << 0;
    QTest::newRow("into 16 normal steps at the last: its fall stays") << 16 << u16(40) << 15;
}

void tst_ProgramTable::insertStep()
{
    QFETCH(int, count);
    QFETCH(u16, endFall);
    QFETCH(int, row);

    Steps steps;
    for (int s = 0; s < count; ++s)
        steps << Step {u16(s + 1), u16(100 + s), u16(s == count - 1 ? endFall : 0xFFFF)};
    setSteps(steps);
    showProgram();
    const QByteArray before = imageBytes();
    const int n = std::min(count + 1, 16);

    table->setCurrentIndex(table->model()->index(row, 1));
    QTest::keyClick(table.get(), Qt::Key_Insert);

    QCOMPARE(table->model()->rowCount(), n);
    for (int s = 0; s < n; ++s) {
        const int old = s < row ? s : s - 1; // -1 at the new step
        const QByteArray levels = imageBytes().mid(levelOffset(Page, s, 0), 64);
        if (old < 0 || s == row) {
            QCOMPARE(levels, QByteArray(64, 0));
            QCOMPARE(field(s, RiseTime), u16(0));
            QCOMPARE(field(s, LastTime), u16(10));
        } else {
            QCOMPARE(levels, before.mid(levelOffset(Page, old, 0), 64));
            QCOMPARE(field(s, RiseTime), u16(old + 1));
        }
        QCOMPARE(field(s, FallTime), s == n - 1 ? endFall : 0xFFFF);
    }
    // Nothing outside the program's steps is written.
    QCOMPARE(imageBytes().left(timeRecordOffset(Page, 0)), before.left(timeRecordOffset(Page, 0)));
    QCOMPARE(imageBytes().mid(timeRecordOffset(Page, 16),
                              levelOffset(Page, 0, 0) - timeRecordOffset(Page, 16)),
             before.mid(timeRecordOffset(Page, 16),
                        levelOffset(Page, 0, 0) - timeRecordOffset(Page, 16)));
    QCOMPARE(imageBytes().mid(levelOffset(Page + 1, 0, 0)),
             before.mid(levelOffset(Page + 1, 0, 0)));
}

void tst_ProgramTable::bothTimesZero_data()
{
    QTest::addColumn<QList<Prompts::Button>>("answers");
    QTest::addColumn<int>("boxes");

    QTest::newRow("O.K. each time: one box per broken step")
        << QList<Prompts::Button> {Prompts::Ok, Prompts::Ok, Prompts::Ok} << 3;
    QTest::newRow("Fix all steps at once") << QList<Prompts::Button> {Prompts::YesToAll} << 1;
    QTest::newRow("Fix all steps at the second")
        << QList<Prompts::Button> {Prompts::Ok, Prompts::YesToAll} << 2;
}

void tst_ProgramTable::bothTimesZero()
{
    QFETCH(QList<Prompts::Button>, answers);
    QFETCH(int, boxes);

    // Steps 1 and 3 break the rule, and step 6 beyond the count too.
    setSteps({{0, 0, 0xFFFF}, {20, 0, 0xFFFF}, {0, 0, 0xFFFF}, {20, 35, 10}, {5, 5, 5}, {0, 0, 0}});
    table = std::make_unique<program_conf_widget>(kelvo->document(), kelvo->liveOutput());
    script->shown.clear();
    script->answers = answers;
    table->setProgramNumber(Page);

    QCOMPARE(script->shown.size(), boxes);
    for (const ScriptedPrompts::Shown &box : script->shown) {
        QCOMPARE(box.kind, Prompts::Kind::Warning);
        QCOMPARE(box.parent, nullptr);
        QCOMPARE(box.title, QStringLiteral("Broken rule !"));
        QCOMPARE(box.text, QStringLiteral("Both times couldn't be 0 !\nLast time will be fixed."));
        QCOMPARE(box.buttons, QStringList({"O.K.", "Fix all steps"}));
    }
    QCOMPARE(field(0, LastTime), u16(10));
    QCOMPARE(field(1, LastTime), u16(0)); // rise alone is enough
    QCOMPARE(field(2, LastTime), u16(10));
    QCOMPARE(field(5, LastTime), u16(10));
    QCOMPARE(cell(0, program_conf_widget::LastColumn), QStringLiteral("00:00:01.0"));
    QCOMPARE(cell(3, program_conf_widget::TotalColumn), QStringLiteral("00:00:10.5"));

    // Repaired: the next refresh asks nothing.
    script->shown.clear();
    table->refresh();
    QVERIFY(script->shown.isEmpty());
}

// --- The editors -------------------------------------------------------------------------------

void tst_ProgramTable::riseEditorWritesImage()
{
    setSteps({{20, 35, 0xFFFF}, {20, 35, 10}});
    showProgram();
    const QModelIndex index = table->model()->index(1, program_conf_widget::RiseColumn);
    table->setCurrentIndex(index);
    QTest::keyClick(table.get(), Qt::Key_F2);
    auto *edit = table->viewport()->findChild<MyTimeEdit *>();
    QVERIFY(edit);
    QCOMPARE(edit->time(), fromDeviceTime(20));
    QCOMPARE(edit->maximumTime(), fromDeviceTime(0xFFFF));
    edit->setTime(QTime(0, 1, 2, 300));
    QTest::keyClick(edit, Qt::Key_Return);
    QCoreApplication::processEvents(); // the delegate commits queued

    QCOMPARE(field(1, RiseTime), u16(623));
    QCOMPARE(cell(1, program_conf_widget::RiseColumn), QStringLiteral("00:01:02.3"));
    QCOMPARE(cell(1, program_conf_widget::TotalColumn), QStringLiteral("00:01:12.3"));
}

void tst_ProgramTable::lastEditorInfinite()
{
    setSteps({{20, 35, 0xFFFF}, {20, 35, 10}});
    showProgram();
    table->setCurrentIndex(table->model()->index(0, program_conf_widget::LastColumn));
    QTest::keyClick(table.get(), Qt::Key_F2);
    auto *edit = table->viewport()->findChild<infTime_class *>();
    QVERIFY(edit);
    QCOMPARE(edit->timeEdit->time(), fromDeviceTime(35));
    QVERIFY(!edit->infinite->isChecked());
    edit->infinite->click();
    QTest::keyClick(edit, Qt::Key_Return);
    QCoreApplication::processEvents();

    QCOMPARE(field(0, LastTime), u16(0xFFFF));
    QCOMPARE(cell(0, program_conf_widget::LastColumn), QStringLiteral("  infinite"));
    QCOMPARE(columnTexts(program_conf_widget::TotalColumn),
             QStringList({"undetermined", "undetermined"}));
}

void tst_ProgramTable::fallOfLoopingProgramHasNoEditor()
{
    // A normal program shown first: the table must take the loop mode from the image.
    setSteps({{20, 35, 40}});
    setStepTime(image(), Page + 1, 0, FallTime, 0xFFFF);
    setStepTime(image(), Page + 1, 1, FallTime, 0xFFFE);
    showProgram();
    table->setProgramNumber(Page + 1);
    QCOMPARE(table->runMode(), 1);
    const QByteArray before = imageBytes();

    table->setCurrentIndex(table->model()->index(1, program_conf_widget::FallColumn));
    QTest::keyClick(table.get(), Qt::Key_F2);
    QVERIFY(!table->viewport()->findChild<MyTimeEdit *>());
    auto *label = table->viewport()->findChild<QLabel *>();
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral(" - "));
    QTest::keyClick(label, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(imageBytes(), before);
}

QTEST_MAIN(tst_ProgramTable)
#include "tst_programtable.moc"
