// The seams every layer goes through: nesting of the test doubles, and the real progress dialog
// and file-dialog filters the program shows.

#include "common/clock.h"
#include "common/prompts.h"
#include "common/unattendedprompts.h"
#include "shell/qtprompts.h"
#include "support/scriptedprompts.h"
#include "support/virtualclock.h"

#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

class tst_Seams : public QObject
{
    Q_OBJECT

private slots:
    void promptsNest();
    void clocksNest();
    void scriptedProgressCancelsAtTheChosenValue();
    void qtProgressDialog();
    void qtMessageBoxAnswersWithTheSeamsButtons_data();
    void qtMessageBoxAnswersWithTheSeamsButtons();
    void unattendedPromptsAnswerWithoutWaiting();
    void qtNameFilter_data();
    void qtNameFilter();
};

void tst_Seams::promptsNest()
{
    Prompts &real = Prompts::current();
    QVERIFY(dynamic_cast<UnattendedPrompts *>(&real));
    {
        ScriptedPrompts outer;
        QCOMPARE(&Prompts::current(), &outer);
        {
            ScriptedPrompts inner;
            QCOMPARE(&Prompts::current(), &inner);
            prompts().warning(nullptr, QStringLiteral("t"), QStringLiteral("inner"));
            QCOMPARE(inner.shown.size(), 1);
        }
        QCOMPARE(&Prompts::current(), &outer); // put back, not reset to the unattended prompts
        prompts().warning(nullptr, QStringLiteral("t"), QStringLiteral("outer"));
        QCOMPARE(outer.shown.size(), 1);
        QCOMPARE(outer.shown[0].text, QStringLiteral("outer"));
    }
    QCOMPARE(&Prompts::current(), &real);
}

void tst_Seams::clocksNest()
{
    Clock &system = Clock::current();
    {
        VirtualClock outer;
        {
            VirtualClock inner;
            Clock::current().sleep(100);
            QCOMPARE(inner.elapsed.load(), 100);
        }
        QCOMPARE(&Clock::current(), &outer);
        Clock::current().sleep(5);
        QCOMPARE(outer.elapsed.load(), 5);
    }
    QCOMPARE(&Clock::current(), &system);
}

void tst_Seams::scriptedProgressCancelsAtTheChosenValue()
{
    ScriptedPrompts script;
    script.cancelAtValue = 3;
    {
        std::unique_ptr<ProgressPrompt> progress = prompts().progress(
            nullptr, QStringLiteral("Working..."), QStringLiteral("Cancel"), 41, true);
        for (int k = 0; k <= 41 && !progress->wasCanceled(); ++k)
            progress->setValue(k);
        progress->setLabelText(QStringLiteral("Other"));
        progress->reset();
        QVERIFY(!script.progressDialogs[0].closed);
    }
    QCOMPARE(script.progressDialogs.size(), 1);
    const ScriptedPrompts::Progress &shown = script.progressDialogs[0];
    QCOMPARE(shown.label, QStringLiteral("Working..."));
    QCOMPARE(shown.cancelText, QStringLiteral("Cancel"));
    QCOMPARE(shown.maximum, 41);
    QVERIFY(shown.autoClose);
    QCOMPARE(shown.values, (QList<int> {0, 1, 2, 3}));
    QCOMPARE(shown.labels, QStringList {QStringLiteral("Other")});
    QCOMPARE(shown.resets, 1);
    QVERIFY(shown.closed);
}

void tst_Seams::qtProgressDialog()
{
    QtPrompts qt;
    std::unique_ptr<ProgressPrompt> progress = qt.progress(
        nullptr, QStringLiteral("Configuration is sending..."), QStringLiteral("Cancel"), 41, true);
    auto *dialog = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
    QCOMPARE(dialog->labelText(), QStringLiteral("Configuration is sending..."));
    QCOMPARE(dialog->maximum(), 41);
    QCOMPARE(dialog->value(), 0);
    QVERIFY(dialog->autoClose());
    QVERIFY(!dialog->windowIcon().isNull());

    progress->setValue(5);
    QCOMPARE(dialog->value(), 5);
    QVERIFY(!progress->wasCanceled());
    QPushButton *cancel = dialog->findChild<QPushButton *>();
    QVERIFY(cancel);
    QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
    QTest::mouseClick(cancel, Qt::LeftButton);
    QVERIFY(progress->wasCanceled());

    QPointer<QProgressDialog> guard(dialog);
    progress.reset();
    QVERIFY(guard.isNull()); // destroying the prompt closes the dialog
}

void tst_Seams::qtMessageBoxAnswersWithTheSeamsButtons_data()
{
    QTest::addColumn<bool>("ownTexts");
    QTest::addColumn<int>("pressed");
    QTest::newRow("standard buttons, Yes") << false << int(Prompts::Yes);
    QTest::newRow("standard buttons, Cancel") << false << int(Prompts::Cancel);
    QTest::newRow("own texts, YesToAll") << true << int(Prompts::YesToAll);
    QTest::newRow("own texts, Ok") << true << int(Prompts::Ok);
}

void tst_Seams::qtMessageBoxAnswersWithTheSeamsButtons()
{
    QFETCH(bool, ownTexts);
    QFETCH(int, pressed);

    QStringList buttonTexts;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        for (QAbstractButton *button : box->buttons())
            buttonTexts << button->text();
        QAbstractButton *button = box->button(QMessageBox::StandardButton(pressed));
        QVERIFY(button);
        button->click();
    });
    QtPrompts qt;
    QWidget window;
    Prompts::Button answer;
    if (ownTexts)
        answer
            = qt.choose(Prompts::Kind::Warning, &window, QStringLiteral("t"), QStringLiteral("x"),
                        {{Prompts::Ok, QStringLiteral("O.K.")},
                         {Prompts::YesToAll, QStringLiteral("Fix all steps")}},
                        Prompts::Ok);
    else
        answer
            = qt.message(Prompts::Kind::Question, &window, QStringLiteral("t"), QStringLiteral("x"),
                         Prompts::Yes | Prompts::No | Prompts::Cancel, Prompts::No);
    QCOMPARE(int(answer), pressed);
    QCOMPARE(buttonTexts.size(), ownTexts ? 2 : 3);
    if (ownTexts)
        QVERIFY(buttonTexts.contains(QStringLiteral("Fix all steps")));
}

void tst_Seams::unattendedPromptsAnswerWithoutWaiting()
{
    QCOMPARE(Prompts::install(nullptr), nullptr); // nothing installed: the unattended ones answer
    QTest::ignoreMessage(QtWarningMsg, "unattended box: Remote control : - Time is over !");
    prompts().warning(nullptr, QStringLiteral("Remote control :"),
                      QStringLiteral("Time is over !"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("unattended box: ")));
    QCOMPARE(prompts().message(Prompts::Kind::Question, nullptr, QStringLiteral("t"),
                               QStringLiteral("Replace?"), Prompts::Yes | Prompts::No),
             Prompts::NoButton); // no default: never taken for a yes
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("unattended box: ")));
    QCOMPARE(prompts().choose(
                 Prompts::Kind::Question, nullptr, QStringLiteral("t"),
                 QStringLiteral("Continue ?"),
                 {{Prompts::Yes, QStringLiteral("Yes !")}, {Prompts::No, QStringLiteral("No ...")}},
                 Prompts::Yes),
             Prompts::Yes);
    QVERIFY(prompts().openFileName(nullptr, {}, {}, {}).isEmpty());
    QVERIFY(prompts().saveFileName(nullptr, {}, {}, {}).isEmpty());
    std::unique_ptr<ProgressPrompt> progress
        = prompts().progress(nullptr, QStringLiteral("Working..."), {}, 10, true);
    progress->setValue(10);
    QVERIFY(!progress->wasCanceled());
    QVERIFY(QApplication::topLevelWidgets().isEmpty()); // nothing was shown
}

void tst_Seams::qtNameFilter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("expected");
    QTest::newRow("two patterns, then all files")
        << "KelvoDesk conf and data (*.cfgkv;*.cfg);;All files (*)"
        << "KelvoDesk conf and data (*.cfgkv *.cfg);;All files (*)";
    QTest::newRow("one pattern") << "Upgrade files (*.upg)"
                                 << "Upgrade files (*.upg)";
    QTest::newRow("semicolon outside the patterns") << "a;b (*.x;*.y)"
                                                    << "a;b (*.x *.y)";
    QTest::newRow("no patterns") << "Everything"
                                 << "Everything";
}

void tst_Seams::qtNameFilter()
{
    QFETCH(QString, filter);
    QFETCH(QString, expected);
    QCOMPARE(QtPrompts::qtNameFilter(filter), expected);
}

QTEST_MAIN(tst_Seams)
#include "tst_seams.moc"
