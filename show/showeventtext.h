#pragma once

#include "showevent.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The show's events as text, one `T:EVENT` each: `0:power-on`, `2.5:input=1` (a press: the
// contact closes and opens again), `input=N:close`, `input=N:open`, `9:key=12@5` (remote key 12
// sent with system address 5), `action=CODE` (a function code carried out directly). T is in
// seconds with at most three decimals. kelvoctl reads its --at options and --events files so.
namespace ShowEventText {

// How a refused word is shown in a reason: whole for an argument, cut for text from a file.
using Echo = QString (*)(const QString &);

// One T:EVENT: its events are appended to `events`; empty, or why it is refused.
QString parseEvent(const QString &text, QList<ShowEvent> &events, Echo echo);

// A file of them: one a line, `#` to the end of a line a comment, blank lines allowed.
struct ScriptError
{
    int line = 0; // 1-based
    QString text; // the line, as it may be shown
    QString reason; // empty: the whole script was read
};
ScriptError parseScript(const QByteArray &script, QList<ShowEvent> &events);

// Seconds from 0 with at most three decimals, in whole milliseconds.
std::optional<qint64> parseSeconds(const QString &text);
// A whole number from `low` to `high`, in decimal digits.
std::optional<int> parseNumber(const QString &text, int low, int high);

} // namespace ShowEventText
