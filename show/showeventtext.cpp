#include "showeventtext.h"

#include "model/configlayout.h"
#include "model/printabletext.h"

#include <QRegularExpression>

using namespace ConfigLayout;
using Kind = ShowEvent::Kind;

namespace ShowEventText {

namespace {

QString notInRange(const char *what, const QString &word, int low, int high, Echo echo)
{
    return QStringLiteral("%1 '%2': not a whole number from %3 to %4")
        .arg(QLatin1String(what), echo(word), QString::number(low), QString::number(high));
}

// Text from a file is shown escaped and cut, as everywhere.
QString fromFile(const QString &text)
{
    return printableText(text);
}

} // namespace

std::optional<qint64> parseSeconds(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("\\A([0-9]{1,9})(?:\\.([0-9]{1,3}))?\\z"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toLongLong() * 1000
        + match.captured(2).leftJustified(3, QLatin1Char('0')).toInt();
}

std::optional<int> parseNumber(const QString &text, int low, int high)
{
    static const QRegularExpression digits(QStringLiteral("\\A[0-9]{1,9}\\z"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const int number = text.toInt();
    if (number < low || number > high)
        return std::nullopt;
    return number;
}

QString parseEvent(const QString &text, QList<ShowEvent> &events, Echo echo)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return QStringLiteral("expected T:EVENT, T in seconds (2.5:input=1)");
    const QString time = text.left(colon);
    const QString event = text.mid(colon + 1);
    const std::optional<qint64> at = parseSeconds(time);
    if (!at)
        return QStringLiteral("time '%1': not seconds from 0 with at most 3 decimals (2.5)")
            .arg(echo(time));

    if (event == QLatin1String("power-on")) {
        events.append({*at, Kind::PowerOn});
        return {};
    }
    static const QRegularExpression input(QStringLiteral("\\Ainput=([^:]*)(?::(.*))?\\z"));
    static const QRegularExpression key(QStringLiteral("\\Akey=([^@]*)(@(.*))?\\z"));
    static const QRegularExpression action(QStringLiteral("\\Aaction=(.*)\\z"));
    if (const QRegularExpressionMatch m = input.match(event); m.hasMatch()) {
        const std::optional<int> number = parseNumber(m.captured(1), 1, InputCount);
        if (!number)
            return notInRange("input", m.captured(1), 1, InputCount, echo);
        const QString how = m.captured(2);
        if (!m.hasCaptured(2)) {
            // A press: the contact closes and opens again, in that order, at the same time.
            events.append({*at, Kind::InputClosed, *number});
            events.append({*at, Kind::InputOpened, *number});
        } else if (how == QLatin1String("close")) {
            events.append({*at, Kind::InputClosed, *number});
        } else if (how == QLatin1String("open")) {
            events.append({*at, Kind::InputOpened, *number});
        } else {
            return QStringLiteral("'%1': neither close nor open (input=N:close, input=N:open)")
                .arg(echo(how));
        }
        return {};
    }
    if (const QRegularExpressionMatch m = key.match(event); m.hasMatch()) {
        const std::optional<int> number = parseNumber(m.captured(1), 1, RcuKeyCount);
        if (!number)
            return notInRange("key", m.captured(1), 1, RcuKeyCount, echo);
        if (!m.hasCaptured(2))
            return QStringLiteral("a key needs the system address it was sent with (key=%1@5)")
                .arg(echo(m.captured(1)));
        const std::optional<int> address = parseNumber(m.captured(3), 0, 0xFF);
        if (!address)
            return notInRange("address", m.captured(3), 0, 0xFF, echo);
        events.append({*at, Kind::RemoteKey, *number, *address});
        return {};
    }
    if (const QRegularExpressionMatch m = action.match(event); m.hasMatch()) {
        const std::optional<int> code = parseNumber(m.captured(1), 0, 0xFF);
        if (!code)
            return notInRange("code", m.captured(1), 0, 0xFF, echo);
        events.append({*at, Kind::Action, *code});
        return {};
    }
    return QStringLiteral("unknown event '%1' (power-on, input=N, input=N:close, input=N:open, "
                          "key=K@A or action=CODE)")
        .arg(echo(event));
}

ScriptError parseScript(const QByteArray &script, QList<ShowEvent> &events)
{
    const QStringList lines = QString::fromUtf8(script).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].section(QLatin1Char('#'), 0, 0).trimmed();
        if (line.isEmpty())
            continue;
        const QString why = parseEvent(line, events, fromFile);
        if (!why.isEmpty())
            return {int(i + 1), fromFile(line), why};
    }
    return {};
}

} // namespace ShowEventText
