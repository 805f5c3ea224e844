// The programs page of the real window: the step table with its step count, "Loop",
// "Continued" and step buttons, and how it meets the scenes page and the copying page.

#include "editors/mytimeedit.h"
#include "editors/program_conf_widget.h"
#include "model/configlayout.h"
#include "model/devicetime.h"
#include "shell/imagehistory.h"
#include "support/configfilefixtures.h"
#include "support/windowrig.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QTest>

#include <memory>

using namespace ConfigLayout;

namespace {
enum Tab { ScenesTab = 1, ProgramsTab = 2, CopyingTab = 3 };
} // namespace

class tst_Programs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void continuedProgramShown();
    void runModeBoxes_data();
    void runModeBoxes();
    void stepCountBox();
    void typedStepCountWaitsForAcceptance_data();
    void typedStepCountWaitsForAcceptance();
    void editStepOpensTheScene_data();
    void editStepOpensTheScene();
    void tableAndSceneEditorShareTheTimes();
    void cellTimeEditorsShowTheWholeTime_data();
    void cellTimeEditorsShowTheWholeTime();
    void copiedProgramShownWhenOpened();
    void repairWhileUndoingBelongsToTheStep_data();
    void repairWhileUndoingBelongsToTheStep();

private:
    std::unique_ptr<WindowRig> rig;

    program_conf_widget *table() { return rig->child<program_conf_widget>("programTable"); }
    QCheckBox *box(const char *name) { return rig->child<QCheckBox>(name); }
    QSpinBox *spin(const char *name) { return rig->child<QSpinBox>(name); }
    u8 *image() { return rig->kelvo.configImage(); }
    // The fall times of all 16 steps of a program.
    QList<u16> falls(int program)
    {
        QList<u16> list;
        for (int s = 0; s < StepsPerPage; ++s)
            list << stepTime(image(), program, s, FallTime);
        return list;
    }
    void setFalls(int program, const QList<u16> &list)
    {
        for (int s = 0; s < StepsPerPage; ++s)
            setStepTime(image(), program, s, FallTime, list[s]);
    }
    // Program on the programs page, its table read from the image.
    void openProgram(int program)
    {
        rig->showPage(ProgramsTab);
        spin("sbProgP")->setValue(program);
        table()->reRead();
    }
    QString cell(int row, int column)
    {
        return table()->model()->index(row, column).data().toString();
    }
};

Q_DECLARE_METATYPE(QList<u16>)

void tst_Programs::init()
{
    rig = std::make_unique<WindowRig>();
    rig->setImage(ConfigFileFixtures::randomBytes(4321, ImageSize));
    rig->window->show();
}

void tst_Programs::cleanup()
{
    rig.reset();
    QCOMPARE(QApplication::topLevelWidgets(), QWidgetList());
}

void tst_Programs::continuedProgramShown()
{
    setFalls(2, QList<u16>(StepsPerPage, 0xFFFF));
    const QByteArray before = rig->image();
    rig->showPage(ProgramsTab);
    spin("sbProgP")->setValue(2);

    QCOMPARE(table()->model()->rowCount(), 16);
    QVERIFY(box("cbContinued")->isChecked());
    QVERIFY(!box("cbLoop")->isChecked());
    QCOMPARE(spin("sbStepCount")->value(), 16);
    for (int r = 0; r < 16; ++r)
        QCOMPARE(cell(r, program_conf_widget::FallColumn), QStringLiteral(" - "));
    QCOMPARE(rig->image(), before);
}

void tst_Programs::runModeBoxes_data()
{
    QTest::addColumn<QList<u16>>("before");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QList<u16>>("after");
    QTest::addColumn<bool>("loop");
    QTest::addColumn<bool>("continued");
    QTest::addColumn<int>("count");

    const auto program = [](int steps, u16 end, u16 rest) {
        QList<u16> list(StepsPerPage, rest);
        for (int s = 0; s < steps - 1; ++s)
            list[s] = 0xFFFF;
        list[steps - 1] = end;
        return list;
    };
    QTest::newRow("Loop on") << program(3, 40, 7) << "cbLoop" << program(3, 0xFFFE, 7) << true
                             << false << 3;
    QTest::newRow("Loop off") << program(3, 0xFFFE, 7) << "cbLoop" << program(3, 0, 7) << false
                              << false << 3;
    QTest::newRow("Continued on from normal")
        << program(3, 40, 7) << "cbContinued" << QList<u16>(16, 0xFFFF) << false << true << 16;
    QTest::newRow("Continued on from loop")
        << program(5, 0xFFFE, 7) << "cbContinued" << QList<u16>(16, 0xFFFF) << false << true << 16;
    QTest::newRow("Continued off")
        << QList<u16>(16, 0xFFFF) << "cbContinued" << program(16, 0, 0) << false << false << 16;
    QTest::newRow("Loop on from continued")
        << QList<u16>(16, 0xFFFF) << "cbLoop" << program(16, 0xFFFE, 0) << true << false << 16;
}

void tst_Programs::runModeBoxes()
{
    QFETCH(QList<u16>, before);
    QFETCH(QString, clicked);
    QFETCH(QList<u16>, after);
    QFETCH(bool, loop);
    QFETCH(bool, continued);
    QFETCH(int, count);

    setFalls(4, before);
    openProgram(4);
    QByteArray wanted = rig->image();
    rig->child<QCheckBox>(clicked.toLatin1().constData())->click();

    QCOMPARE(falls(4), after);
    QCOMPARE(box("cbLoop")->isChecked(), loop);
    QCOMPARE(box("cbContinued")->isChecked(), continued);
    QCOMPARE(spin("sbStepCount")->value(), count);
    QCOMPARE(table()->model()->rowCount(), count);
    // Nothing but the fall times changed.
    for (int s = 0; s < StepsPerPage; ++s)
        writeU16(reinterpret_cast<u8 *>(wanted.data()), timeOffset(4, s, FallTime), after[s]);
    QCOMPARE(rig->image(), wanted);
    // What the boxes show is what the image says.
    table()->reRead();
    QCOMPARE(box("cbLoop")->isChecked(), loop);
    QCOMPARE(box("cbContinued")->isChecked(), continued);
    QCOMPARE(table()->runMode(), continued ? 2 : loop ? 1 : 0);
}

void tst_Programs::stepCountBox()
{
    QList<u16> list(StepsPerPage, 0x0555);
    list[0] = list[1] = 0xFFFF;
    list[2] = 40;
    list[4] = 0xFFFE;
    setFalls(5, list);
    openProgram(5);
    QCOMPARE(spin("sbStepCount")->value(), 3);

    QTest::keyClick(spin("sbStepCount"), Qt::Key_Up);
    QTest::keyClick(spin("sbStepCount"), Qt::Key_Up);

    QList<u16> expected = list;
    expected[2] = expected[3] = 0xFFFF;
    expected[4] = 0; // the loop marker was not step 5's own fall time
    QCOMPARE(falls(5), expected);
    QCOMPARE(table()->model()->rowCount(), 5);
    QCOMPARE(cell(4, program_conf_widget::FallColumn), QStringLiteral("00:00:00.0"));
}

void tst_Programs::typedStepCountWaitsForAcceptance_data()
{
    QTest::addColumn<QString>("accept"); // "return", "enter", "focus"
    QTest::newRow("Return") << "return";
    QTest::newRow("keypad Enter") << "enter";
    QTest::newRow("focus moves on") << "focus";
}

void tst_Programs::typedStepCountWaitsForAcceptance()
{
    QFETCH(QString, accept);

    // A looping program of 5 steps.
    QList<u16> list(StepsPerPage, 0x0123);
    for (int s = 0; s < 4; ++s)
        list[s] = 0xFFFF;
    list[4] = 0xFFFE;
    setFalls(3, list);
    openProgram(3);
    QApplication::setActiveWindow(rig->window.get());
    QSpinBox *count = spin("sbStepCount");
    QCOMPARE(count->value(), 5);
    count->setFocus();
    QVERIFY(count->hasFocus());
    const QByteArray before = rig->image();

    // "12" on its way is no 1-step program.
    QTest::keyClick(count, Qt::Key_A, Qt::ControlModifier);
    for (const QChar digit : QStringLiteral("12")) {
        QTest::keyClicks(count, QString(digit));
        QCOMPARE(table()->model()->rowCount(), 5);
        QCOMPARE(rig->image(), before);
    }

    if (accept == QLatin1String("return"))
        QTest::keyClick(count, Qt::Key_Return);
    else if (accept == QLatin1String("enter"))
        QTest::keyClick(count, Qt::Key_Enter, Qt::KeypadModifier);
    else
        spin("sbProgP")->setFocus();

    QList<u16> expected(StepsPerPage, 0x0123);
    for (int s = 0; s < 11; ++s)
        expected[s] = 0xFFFF;
    expected[11] = 0xFFFE; // still looping
    QCOMPARE(falls(3), expected);
    QCOMPARE(table()->model()->rowCount(), 12);
    QVERIFY(box("cbLoop")->isChecked());
    QByteArray wanted = before;
    for (int s = 0; s < StepsPerPage; ++s)
        writeU16(reinterpret_cast<u8 *>(wanted.data()), timeOffset(3, s, FallTime), expected[s]);
    QCOMPARE(rig->image(), wanted);
}

void tst_Programs::editStepOpensTheScene_data()
{
    QTest::addColumn<int>("program");
    QTest::addColumn<int>("row"); // clicked; -1: none

    QTest::newRow("program 2, step 4") << 2 << 3;
    QTest::newRow("program 8, step 1") << 8 << 0;
    QTest::newRow("no row chosen: step 1") << 6 << -1;
}

void tst_Programs::editStepOpensTheScene()
{
    QFETCH(int, program);
    QFETCH(int, row);

    setFalls(program, QList<u16>(StepsPerPage, 0xFFFF));
    openProgram(program);
    if (row >= 0) {
        const QRect rect = table()->visualRect(table()->model()->index(row, 0));
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    }
    rig->click("pbEditStep");

    QCOMPARE(rig->child<QTabWidget>("tabWidget_main")->currentIndex(), int(ScenesTab));
    QCOMPARE(spin("sbProgram")->value(), program);
    QCOMPARE(spin("sbStep")->value(), std::max(row, 0) + 1);
}

void tst_Programs::tableAndSceneEditorShareTheTimes()
{
    QList<u16> list(StepsPerPage, 0xFFFF);
    list[3] = 20;
    setFalls(7, list);
    setStepTime(image(), 7, 2, RiseTime, 15);
    openProgram(7);

    // A rise time typed in the table shows in the scene editor of that step.
    const QModelIndex rise = table()->model()->index(2, program_conf_widget::RiseColumn);
    table()->setCurrentIndex(rise);
    QTest::keyClick(table(), Qt::Key_F2);
    auto *edit = table()->viewport()->findChild<MyTimeEdit *>();
    QVERIFY(edit);
    edit->setTime(QTime(0, 0, 4, 700));
    QTest::keyClick(edit, Qt::Key_Return);
    QCoreApplication::processEvents(); // the delegate commits queued
    QCOMPARE(stepTime(image(), 7, 2, RiseTime), u16(47));
    rig->click("pbEditStep");
    QCOMPARE(spin("sbStep")->value(), 3);
    QCOMPARE(rig->child<MyTimeEdit>("teSceneRise")->time(), QTime(0, 0, 4, 700));

    // A last time set in the scene editor shows in the table.
    rig->child<MyTimeEdit>("teSceneLast")->setTime(QTime(0, 2, 0, 500));
    QCOMPARE(stepTime(image(), 7, 2, LastTime), u16(1205));
    rig->showPage(ProgramsTab);
    QCOMPARE(cell(2, program_conf_widget::LastColumn), QStringLiteral("00:02:00.5"));
}

void tst_Programs::cellTimeEditorsShowTheWholeTime_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");

    QTest::newRow("rise time") << int(program_conf_widget::RiseColumn) << 0;
    QTest::newRow("last time") << int(program_conf_widget::LastColumn) << 1;
    QTest::newRow("fall time of the last step") << int(program_conf_widget::FallColumn) << 2;
}

// An editor opened in a cell shows its whole time, first digit to last, without scrolling its
// text; the table's columns stay as they are.
void tst_Programs::cellTimeEditorsShowTheWholeTime()
{
    QFETCH(int, column);
    QFETCH(int, row);

    QList<u16> list(StepsPerPage, 0x0555);
    list[0] = list[1] = 0xFFFF;
    list[2] = 0xFFFD; // a normal program of 3 steps, so step 3 has a fall time
    setFalls(6, list);
    for (TimeField field : {RiseTime, LastTime})
        setStepTime(image(), 6, row, field, 0xFFFD);
    openProgram(6);
    QList<int> widths;
    for (int c = 0; c < program_conf_widget::ColumnCount; ++c)
        widths << table()->columnWidth(c);

    const QModelIndex cell = table()->model()->index(row, column);
    table()->setCurrentIndex(cell);
    QTest::keyClick(table(), Qt::Key_F2);
    auto *edit = table()->viewport()->findChild<MyTimeEdit *>();
    QVERIFY(edit);
    QVERIFY(edit->isVisible());
    QCOMPARE(edit->time(), QTime(1, 49, 13, 300));
    auto *line = edit->findChild<QLineEdit *>();
    QVERIFY(line);
    QCOMPARE(line->text(), QStringLiteral("01:49:13.300"));

    // QLineEdit keeps two pixels free on either side of its text; once the cursor behind the
    // last digit would pass the right edge, it scrolls the text and cuts its start off.
    const int needed = QFontMetrics(line->font()).horizontalAdvance(line->text())
        + line->style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, line);
    const int room = line->contentsRect().marginsRemoved(line->textMargins()).width() - 2 * 2;
    QVERIFY2(needed <= room,
             qPrintable(QStringLiteral("%1 px of text in %2 px").arg(needed).arg(room)));

    // The editor lies on its row, from the cell's left edge; the columns keep their widths.
    const QRect rect = table()->visualRect(cell);
    QWidget *editor = edit->parentWidget() == table()->viewport() ? edit : edit->parentWidget();
    QCOMPARE(editor->geometry().topLeft(), rect.topLeft());
    QCOMPARE(editor->height(), rect.height());
    for (int c = 0; c < program_conf_widget::ColumnCount; ++c)
        QCOMPARE(table()->columnWidth(c), widths[c]);
}

void tst_Programs::copiedProgramShownWhenOpened()
{
    QList<u16> one(StepsPerPage, 0xFFFF);
    one[5] = 33;
    setFalls(1, one);
    setFalls(2, QList<u16>(StepsPerPage, 0xFFFF));
    openProgram(2);
    QCOMPARE(table()->model()->rowCount(), 16);

    rig->showPage(CopyingTab);
    rig->child<QRadioButton>("rbCopyPgm")->setChecked(true);
    spin("sbSrcPgm")->setValue(1);
    spin("sbDstPgm")->setValue(2);
    spin("sbNoPgms")->setValue(1);
    rig->click("btnCopyPgm");
    rig->showPage(ProgramsTab);

    QCOMPARE(table()->model()->rowCount(), 6);
    QCOMPARE(spin("sbStepCount")->value(), 6);
    QVERIFY(!box("cbContinued")->isChecked());
    QCOMPARE(cell(5, program_conf_widget::FallColumn), QStringLiteral("00:00:03.3"));
    for (int r = 0; r < 6; ++r)
        QCOMPARE(cell(r, program_conf_widget::RiseColumn),
                 program_conf_widget::timeText(stepTime(image(), 1, r, RiseTime)));
}

void tst_Programs::repairWhileUndoingBelongsToTheStep_data()
{
    QTest::addColumn<bool>("editElsewhere"); // a step made by another control follows
    QTest::addColumn<QString>("moves"); // U undo, R redo
    QTest::addColumn<int>("repairs"); // "Both times couldn't be 0 !" boxes

    // Step 1's rise time is 0: a 0 typed as its last time breaks the rule until the next refresh.
    QTest::newRow("broken after, redone") << false << "UR" << 1;
    QTest::newRow("broken after, back and forth") << false << "URURUR" << 1;
    QTest::newRow("broken after, undone last") << false << "URU" << 1;
    // The next step starts from the broken image: undoing it shows the broken one.
    QTest::newRow("broken before, undone") << true << "U" << 1;
    QTest::newRow("broken before and after, to the start and back") << true << "UURRUURR" << 2;
}

void tst_Programs::repairWhileUndoingBelongsToTheStep()
{
    QFETCH(bool, editElsewhere);
    QFETCH(QString, moves);
    QFETCH(int, repairs);

    setStepTime(image(), 1, 0, RiseTime, 0);
    setStepTime(image(), 1, 0, LastTime, 30);
    openProgram(1);
    rig->window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(rig->window.get()));
    ImageHistory &history = rig->session.history();
    history.stack().clear();
    const QByteArray start = rig->image();

    table()->setCurrentIndex(table()->model()->index(0, program_conf_widget::LastColumn));
    QTest::keyClick(table(), Qt::Key_0);
    if (editElsewhere)
        rig->kelvo.document().setByte(RcuSysAddr, 7, {ConfigEdit::Kind::RemoteAddress});
    QCOMPARE(stepTime(image(), 1, 0, LastTime), u16(0)); // left for the next refresh
    const int steps = history.stack().count();
    QCOMPARE(steps, editElsewhere ? 2 : 1);
    const auto agree = [&] {
        QCOMPARE(history.stack().count(), steps);
        QCOMPARE(rig->image(), history.imageAt(history.stack().index()));
        QVERIFY(stepTime(image(), 1, 0, RiseTime) + stepTime(image(), 1, 0, LastTime) > 0);
    };

    for (const QChar move : moves) {
        QTest::keySequence(rig->window.get(),
                           move == u'U' ? QKeySequence::Undo : QKeySequence::Redo);
        agree();
        if (QTest::currentTestFailed())
            return;
    }
    int boxes = 0;
    for (const ScriptedPrompts::Shown &box : rig->script.shown)
        boxes += box.text == QStringLiteral("Both times couldn't be 0 !\nLast time will be fixed.");
    QCOMPARE(boxes, repairs);
    QCOMPARE(rig->script.shown.size(), repairs);
    // Undone to the start, the image is the one before any 0 was typed.
    while (history.stack().canUndo())
        history.undo();
    QCOMPARE(rig->image(), start);
}

QTEST_MAIN(tst_Programs)
#include "tst_programs.moc"
