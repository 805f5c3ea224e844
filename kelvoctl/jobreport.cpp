#include "jobreport.h"

#include "commands.h"
#include "console.h"

#include <QJsonDocument>

namespace Kelvoctl {

JobReport::JobReport(const QString &command, bool comparison)
    : command(command)
    , comparison(comparison)
{ }

int JobReport::status(Ending ending, bool comparison)
{
    switch (ending) {
    case Ending::Done:
        return Console::Ok;
    case Ending::Differs:
        return Console::Failed;
    default:
        break;
    }
    // Any trouble of a comparison is 2, as diff(1) has it: 1 means "different".
    if (comparison)
        return Console::Usage;
    switch (ending) {
    case Ending::Usage:
        return Console::Usage;
    case Ending::NoController:
        return Console::NoController;
    case Ending::ControllerLost:
        return Console::ControllerLost;
    case Ending::InLoader:
        return Console::InLoader;
    case Ending::Busy:
        return Console::Busy;
    case Ending::Cancelled:
        return Console::Cancelled;
    default:
        return Console::Failed;
    }
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
    object.insert(QStringLiteral("outcome"),
                  ending == Ending::Done          ? QStringLiteral("done")
                      : ending == Ending::Differs ? QStringLiteral("differs")
                                                  : QStringLiteral("failed"));
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
