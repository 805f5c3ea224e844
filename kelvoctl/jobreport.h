#pragma once

#include <QJsonObject>
#include <QString>

class Console;

namespace Kelvoctl {

struct Options;

// How a command that compares configurations or works on a controller ended, and the one map from
// that to its exit status, its words and its JSON, so that the three cannot disagree.
class JobReport
{
public:
    enum class Ending {
        Done, // compared: the same
        Differs, // compared: different
        Failed, // a file, the controller's answer, the output
        Usage,
        NoController, // none found, not the one named, or several and none named
        ControllerLost, // it left the bus or stopped answering during the job
        InLoader, // it waits for its firmware: only flash can help
        Busy, // another program holds the controller
        Cancelled, // Ctrl+C, or a question answered no
    };

    // `comparison`: diff, verify-config and verify-firmware, whose status is diff(1)'s: 0 the
    // same, 1 different, 2 any trouble.
    JobReport(const QString &command, bool comparison);

    static int status(Ending ending, bool comparison);
    int status() const { return status(ending, comparison); }
    // The status of a command that ends done or failed without a report.
    static int doneOrFailed(bool done)
    {
        return status(done ? Ending::Done : Ending::Failed, false);
    }
    // "done", "differs" or "failed", as JSON says it.
    static QString outcome(Ending ending);
    // The lines of --help that say what each exit status means; `comparisons` names the commands
    // that compare ("diff, verify-config and verify-firmware"; empty: none does).
    static QString statusHelp(const QString &comparisons);
    bool succeeded() const { return ending == Ending::Done || ending == Ending::Differs; }

    // Ends it so; `message` (for standard error) says why, and must not be empty unless the
    // ending is Done or Differs.
    void end(Ending how, const QString &why = {});
    // Adds what state the controller is left in to the message.
    void addToMessage(const QString &more);

    // The message on standard error; the text on standard output unless `withText` is false.
    // False when standard output could not be written.
    bool tell(Console &console, bool withText) const;
    // command, outcome ("done", "differs" or "failed"), status and message, with the fields.
    QJsonObject json() const;
    // Everything as the options ask (--json, --quiet); the exit status.
    int print(Console &console, const Options &options) const;

    QString command;
    bool comparison;
    Ending ending = Ending::Done;
    QString message;
    // For standard output, whole lines: the result line, or the differences.
    QString text;
    // Further keys of the JSON (serial, port, file, differences ...).
    QJsonObject fields;
};

} // namespace Kelvoctl
