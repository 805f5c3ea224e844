// kelvoctl's exit statuses, JSON outcomes and --help's list of them, all from one map; run with
// the commands on files alone, which link no controller code.

#include "kelvoctl/commands.h"
#include "kelvoctl/console.h"
#include "kelvoctl/jobreport.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using Ending = Kelvoctl::JobReport::Ending;

Q_DECLARE_METATYPE(Ending)

namespace {

// The "Exit status:" part of --help for `table`, up to the options.
QString statusSection(const QList<Kelvoctl::Command> &table)
{
    BufferConsole console;
    if (Kelvoctl::run({QStringLiteral("kelvoctl"), QStringLiteral("--help")}, table, console) != 0)
        return QString();
    const QString help = QString::fromUtf8(console.output);
    const qsizetype start = help.indexOf(QStringLiteral("\nExit status:\n"));
    const qsizetype end = help.indexOf(QStringLiteral("\n\nOptions:"), start);
    return start < 0 || end < 0 ? QString() : help.mid(start + 1, end - start);
}

} // namespace

class tst_KelvoctlExitStatus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void eachEnding_data();
    void eachEnding();
    void helpListsTheStatusesOfTheCommandsGiven();
};

void tst_KelvoctlExitStatus::initTestCase()
{
    QCoreApplication::setApplicationName(QStringLiteral("kelvoctl"));
    QCoreApplication::setApplicationVersion(QStringLiteral("0"));
}

void tst_KelvoctlExitStatus::eachEnding_data()
{
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<bool>("comparison"); // diff, verify-config, verify-firmware
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("outcome"); // in JSON
    QTest::addColumn<bool>("hint"); // the pointer to --help after the message

    // What scripts depend on: diff(1)'s 0, 1 and 2 for comparisons, the others' own.
    QTest::newRow("done") << Ending::Done << false << 0 << "done" << false;
    QTest::newRow("done, compared") << Ending::Done << true << 0 << "done" << false;
    QTest::newRow("differs, compared") << Ending::Differs << true << 1 << "differs" << false;
    QTest::newRow("failed") << Ending::Failed << false << 1 << "failed" << false;
    QTest::newRow("failed, compared") << Ending::Failed << true << 2 << "failed" << false;
    QTest::newRow("wrong usage") << Ending::Usage << false << 2 << "failed" << true;
    QTest::newRow("wrong usage, compared") << Ending::Usage << true << 2 << "failed" << true;
    QTest::newRow("no controller") << Ending::NoController << false << 3 << "failed" << false;
    QTest::newRow("no controller, compared")
        << Ending::NoController << true << 2 << "failed" << false;
    QTest::newRow("controller lost") << Ending::ControllerLost << false << 4 << "failed" << false;
    QTest::newRow("controller lost, compared")
        << Ending::ControllerLost << true << 2 << "failed" << false;
    QTest::newRow("in its loader") << Ending::InLoader << false << 5 << "failed" << false;
    QTest::newRow("in its loader, compared") << Ending::InLoader << true << 2 << "failed" << false;
    QTest::newRow("busy") << Ending::Busy << false << 6 << "failed" << false;
    QTest::newRow("busy, compared") << Ending::Busy << true << 2 << "failed" << false;
    QTest::newRow("cancelled") << Ending::Cancelled << false << 130 << "failed" << false;
    QTest::newRow("cancelled, compared") << Ending::Cancelled << true << 2 << "failed" << false;
}

void tst_KelvoctlExitStatus::eachEnding()
{
    QFETCH(Ending, ending);
    QFETCH(bool, comparison);
    QFETCH(int, status);
    QFETCH(QString, outcome);
    QFETCH(bool, hint);

    Kelvoctl::JobReport report(QStringLiteral("job"), comparison);
    const bool told = ending != Ending::Done && ending != Ending::Differs;
    report.end(ending, told ? QStringLiteral("why") : QString());
    BufferConsole console;
    Kelvoctl::Options options;
    options.json = true;
    QCOMPARE(report.print(console, options), status);

    const QJsonObject json = QJsonDocument::fromJson(console.output).object();
    QCOMPARE(json[QStringLiteral("status")].toInt(-1), status);
    QCOMPARE(json[QStringLiteral("outcome")].toString(), outcome);
    QCOMPARE(console.errors,
             !told      ? QString()
                 : hint ? QStringLiteral("kelvoctl: why\nTry 'kelvoctl --help'.\n")
                        : QStringLiteral("kelvoctl: why\n"));
    // No status that --help does not explain.
    QVERIFY2(statusSection(Kelvoctl::fileCommands())
                 .contains(QStringLiteral("\n  %1").arg(QString::number(status).leftJustified(5))),
             qPrintable(QString::number(status)));
}

void tst_KelvoctlExitStatus::helpListsTheStatusesOfTheCommandsGiven()
{
    // Among the commands on files only diff compares.
    QCOMPARE(statusSection(Kelvoctl::fileCommands()),
             QStringLiteral(
                 "Exit status:\n"
                 "  0    done; for diff: the same\n"
                 "  1    failed; for diff: different\n"
                 "  2    wrong usage; for diff: any trouble\n"
                 "  3    no controller found, none with the serial number or port given, or\n"
                 "       several and none named with --serial or --port\n"
                 "  4    the controller left the bus or stopped answering during the job\n"
                 "  5    the controller is in its firmware loader (only flash works then)\n"
                 "  6    the controller is used by another program (named when the system tells)\n"
                 "  130  cancelled (Ctrl+C, or a question answered no)\n"));
}

QTEST_GUILESS_MAIN(tst_KelvoctlExitStatus)
#include "tst_kelvoctlexitstatus.moc"
