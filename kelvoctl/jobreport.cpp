#include "jobreport.h"

#include "commands.h"
#include "console.h"

#include <QJsonDocument>

namespace Kelvoctl {

JobReport::JobReport(const QString &command, bool comparison)
    : command(command)
    , comparison(comparison)
{ }

namespace {

using Ending = JobReport::Ending;

// Each ending once: its exit status, its word in JSON and what --help says of its status.
struct EndingRow
{
    Ending ending;
    int status;
    // A comparison's is diff(1)'s: 1 means "different", so any trouble is 2.
    int comparisonStatus;
    const char *outcome;
    const char *meaning; // nullptr: the status is another ending's, which says it
    const char *comparisonMeaning; // nullptr: another ending says it
};

constexpr EndingRow endingRows[] = {
    {Ending::Done, Console::Ok, Console::Ok, "done", "done", "the same"},
    {Ending::Differs, Console::Failed, Console::Failed, "differs", nullptr, "different"},
    {Ending::Failed, Console::Failed, Console::Usage, "failed", "failed", nullptr},
    {Ending::Usage, Console::Usage, Console::Usage, "failed", "wrong usage", "any trouble"},
    {Ending::NoController, Console::NoController, Console::Usage, "failed",
     "no controller found, none with the serial number or port given, or\n"
     "       several and none named with --serial or --port",
     nullptr},
    {Ending::ControllerLost, Console::ControllerLost, Console::Usage, "failed",
     "the controller left the bus or stopped answering during the job", nullptr},
    {Ending::InLoader, Console::InLoader, Console::Usage, "failed",
     "the controller is in its firmware loader (only flash works then)", nullptr},
    {Ending::Busy, Console::Busy, Console::Usage, "failed",
     "the controller is used by another program (named when the system tells)", nullptr},
    {Ending::Cancelled, Console::Cancelled, Console::Usage, "failed",
     "cancelled (Ctrl+C, or a question answered no)", nullptr},
};

const EndingRow &rowOf(Ending ending)
{
    for (const EndingRow &row : endingRows) {
        if (row.ending == ending)
            return row;
    }
    Q_UNREACHABLE();
}

} // namespace

int JobReport::status(Ending ending, bool comparison)
{
    const EndingRow &row = rowOf(ending);
    return comparison ? row.comparisonStatus : row.status;
}

QString JobReport::outcome(Ending ending)
{
    return QString::fromLatin1(rowOf(ending).outcome);
}

QString JobReport::statusHelp(const QString &comparisons)
{
    QStringList lines;
    for (const EndingRow &row : endingRows) {
        if (!row.meaning)
            continue;
        QString line = QStringLiteral("  %1%2").arg(QString::number(row.status).leftJustified(5),
                                                    QString::fromLatin1(row.meaning));
        for (const EndingRow &compared : endingRows) {
            if (compared.comparisonStatus == row.status && compared.comparisonMeaning
                && !comparisons.isEmpty())
                line += QStringLiteral("; for %1: %2")
                            .arg(comparisons, QString::fromLatin1(compared.comparisonMeaning));
        }
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

void JobReport::end(Ending how, const QString &why)
{
    ending = how;
    message = why;
    Q_ASSERT(succeeded() || !message.isEmpty());
}

void JobReport::addToMessage(const QString &more)
{
    message = message.isEmpty() ? more : message + QStringLiteral("; ") + more;
}

bool JobReport::tell(Console &console, bool withText) const
{
    if (!message.isEmpty()) {
        if (ending == Ending::Usage)
            console.usage(message);
        else
            console.fail(message);
    }
    return !withText || text.isEmpty() || console.out(text.toUtf8());
}

QJsonObject JobReport::json() const
{
    QJsonObject object = fields;
    object.insert(QStringLiteral("command"), command);
    object.insert(QStringLiteral("outcome"), outcome(ending));
    object.insert(QStringLiteral("status"), status());
    if (!message.isEmpty())
        object.insert(QStringLiteral("message"), message);
    return object;
}

int JobReport::print(Console &console, const Options &options) const
{
    const bool written = tell(console, !options.json && !options.quiet)
        && (!options.json || console.out(QJsonDocument(json()).toJson(QJsonDocument::Indented)));
    return written ? status() : status(Ending::Failed, comparison);
}

} // namespace Kelvoctl
