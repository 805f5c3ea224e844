// simulate: the show engine the preview uses, for scripts and for checking a show in CI.

#include "simulatecommand.h"

#include "jobreport.h"

#include "model/configfile.h"
#include "model/configlayout.h"
#include "model/fileio.h"
#include "show/showengine.h"
#include "show/showeventtext.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <array>
#include <optional>

using namespace ConfigLayout;

namespace Kelvoctl {

namespace {

using Ending = JobReport::Ending;
using Kind = ShowEvent::Kind;

constexpr qint64 DefaultDurationMs = 10000;
constexpr int DefaultFps = 25;
constexpr int MaxFps = 1000;
constexpr qint64 MaxFrames = 1000000;
// Far more than any list of events written by hand or by a script.
constexpr qint64 MaxEventsFileSize = 1 << 20;
// Standard output gets the frames in pieces: a long run needs no copy of all of it.
constexpr qsizetype OutputPiece = 1 << 20;

// Which frames: at frame * 1000 / fps ms, rounded to the ms, from 0 to the duration inclusive.
struct Frames
{
    int fps = DefaultFps;
    qint64 durationMs = DefaultDurationMs;
    int first = 1; // 1-based channels
    int last = ChannelCount;

    // From the frame number alone, so that a long run does not drift.
    qint64 timeMs(qint64 frame) const { return (frame * 1000 + fps / 2) / fps; }
    qint64 count() const { return durationMs * fps / 1000 + 1; }
};

// 2.5 as "2.500" (the CSV), or as "2.5" (JSON).
QByteArray secondsText(qint64 ms, bool allDecimals)
{
    QByteArray text = QByteArray::number(ms / 1000);
    QByteArray decimals = QByteArray::number(ms % 1000).rightJustified(3, '0');
    if (!allDecimals) {
        while (decimals.endsWith('0'))
            decimals.chop(1);
    }
    if (!decimals.isEmpty())
        text += '.' + decimals;
    return text;
}

// The settings of the options, or the reason they are refused.
QString readFrames(const Options &options, Frames &frames)
{
    if (options.fps) {
        const std::optional<int> fps = ShowEventText::parseNumber(*options.fps, 1, MaxFps);
        if (!fps)
            return QStringLiteral("--fps '%1': not a whole number from 1 to %2")
                .arg(shown(*options.fps), QString::number(MaxFps));
        frames.fps = *fps;
    }
    if (options.duration) {
        const std::optional<qint64> ms = ShowEventText::parseSeconds(*options.duration);
        if (!ms)
            return QStringLiteral(
                       "--duration '%1': not seconds from 0 with at most 3 decimals (2.5)")
                .arg(shown(*options.duration));
        frames.durationMs = *ms;
    }
    if (options.channels) {
        static const QRegularExpression range(QStringLiteral("\\A([^-]*)(?:-(.*))?\\z"));
        const QRegularExpressionMatch m = range.match(*options.channels);
        const std::optional<int> first = ShowEventText::parseNumber(m.captured(1), 1, ChannelCount);
        const std::optional<int> last
            = m.hasCaptured(2) ? ShowEventText::parseNumber(m.captured(2), 1, ChannelCount) : first;
        if (!first || !last || *first > *last)
            return QStringLiteral("--channels '%1': not a range A-B of channels 1 to %2 with A "
                                  "up to B (1-24), nor one channel")
                .arg(shown(*options.channels), QString::number(ChannelCount));
        frames.first = *first;
        frames.last = *last;
    }
    if (frames.count() > MaxFrames)
        return QStringLiteral("--duration %1 at --fps %2 makes %3 frames; at most %4")
            .arg(shown(options.duration.value_or(QStringLiteral("10"))),
                 QString::number(frames.fps), QString::number(frames.count()),
                 QString::number(MaxFrames));
    return {};
}

// The events of --events and --at, in that order, or the reason one is refused.
QString readEvents(const Options &options, QList<ShowEvent> &events)
{
    if (options.events) {
        const QString &file = *options.events;
        if (file.isEmpty())
            return QStringLiteral("--events needs a file name");
        QByteArray bytes;
        QString reason;
        if (FileIo::read(file, MaxEventsFileSize, &bytes, &reason) != FileIo::ReadResult::Ok)
            return QStringLiteral("%1: %2").arg(shown(file), shown(reason));
        const ShowEventText::ScriptError error = ShowEventText::parseScript(bytes, events);
        if (!error.reason.isEmpty())
            return QStringLiteral("%1:%2: '%3': %4")
                .arg(shown(file), QString::number(error.line), error.text, error.reason);
    }
    for (const QString &at : options.at) {
        const QString why = ShowEventText::parseEvent(at.trimmed(), events, shown);
        if (!why.isEmpty())
            return QStringLiteral("--at '%1': %2").arg(shown(at), why);
    }
    return {};
}

// Where the frames go: standard output in pieces, or all of them for the file.
class FrameWriter
{
public:
    FrameWriter(Console &console, bool toFile)
        : console(console)
        , toFile(toFile)
    { }

    QByteArray text;

    // False when standard output could not be written (the message is given).
    bool written(bool last)
    {
        if (toFile || (!last && text.size() < OutputPiece))
            return true;
        const bool ok = console.out(text);
        text.clear();
        return ok;
    }

private:
    Console &console;
    bool toFile;
};

void appendLevels(QByteArray &text, const ShowEngine::Levels &levels, const Frames &frames)
{
    static const std::array<QByteArray, 256> numbers = [] {
        std::array<QByteArray, 256> all;
        for (int n = 0; n < 256; ++n)
            all[size_t(n)] = QByteArray::number(n);
        return all;
    }();
    for (int c = frames.first; c <= frames.last; ++c) {
        if (c > frames.first)
            text += ',';
        text += numbers[levels[size_t(c - 1)]];
    }
}

} // namespace

int commandSimulate(const Invocation &call)
{
    const Options &options = call.options;
    JobReport report(QStringLiteral("simulate"), false);
    const auto ending = [&](Ending how, const QString &why) {
        report.end(how, why);
        return report.print(call.console, options);
    };
    if (call.args.size() != 1)
        return ending(Ending::Usage,
                      QStringLiteral("simulate takes one configuration file: kelvoctl simulate "
                                     "CONFIG [--at T:EVENT]..."));
    const QString &config = call.args[0];
    const std::optional<QString> &output = options.output;
    if (output && output->isEmpty())
        return ending(Ending::Usage,
                      QStringLiteral("-o needs a file name (simulate writes to standard output "
                                     "without -o)"));
    Frames frames;
    if (const QString why = readFrames(options, frames); !why.isEmpty())
        return ending(Ending::Usage, why);
    QList<ShowEvent> events;
    if (const QString why = readEvents(options, events); !why.isEmpty())
        return ending(Ending::Usage, why);
    if (events.isEmpty())
        events.append({0, Kind::PowerOn});

    if (output) {
        for (const std::optional<QString> &input : {std::optional(config), options.events}) {
            if (input && sameFile(*input, *output))
                return ending(Ending::Failed,
                              QStringLiteral("%1: is the input file %2; refusing to overwrite it")
                                  .arg(shown(*output), shown(*input)));
        }
    }
    QByteArray image(ImageSize, '\0');
    QString reason;
    if (!ConfigFile::read(config, reinterpret_cast<u8 *>(image.data()), &reason))
        return ending(Ending::Failed, QStringLiteral("%1: %2").arg(shown(config), shown(reason)));
    ShowEngine engine(image);
    engine.setEvents(events);

    FrameWriter writer(call.console, output.has_value());
    QByteArray &text = writer.text;
    if (options.json) {
        report.fields.insert(QStringLiteral("fps"), frames.fps);
        report.fields.insert(QStringLiteral("duration"), double(frames.durationMs) / 1000);
        report.fields.insert(QStringLiteral("channels"), QJsonArray {frames.first, frames.last});
        report.end(Ending::Done);
        // The frames as text after the rest: a million of them as JSON values would take
        // gigabytes.
        text = QJsonDocument(report.json()).toJson(QJsonDocument::Compact);
        text.chop(1); // its closing brace
        text += ",\"frames\":[\n";
    } else {
        text = "time_s";
        for (int c = frames.first; c <= frames.last; ++c)
            text += ",ch" + QByteArray::number(c);
        text += '\n';
    }
    const qint64 count = frames.count();
    for (qint64 frame = 0; frame < count; ++frame) {
        const qint64 ms = frames.timeMs(frame);
        const ShowEngine::Levels levels = engine.levelsAt(ms);
        if (options.json) {
            text += "{\"t\":" + secondsText(ms, false) + ",\"levels\":[";
            appendLevels(text, levels, frames);
            text += frame + 1 < count ? "]},\n" : "]}\n";
        } else {
            text += secondsText(ms, true) + ',';
            appendLevels(text, levels, frames);
            text += '\n';
        }
        if (!writer.written(false))
            return JobReport::doneOrFailed(false);
    }
    if (options.json)
        text += "]}\n";

    if (!output)
        return JobReport::doneOrFailed(writer.written(true));
    if (!FileIo::write(*output, text, &reason))
        return ending(Ending::Failed,
                      QStringLiteral("%1: cannot write: %2").arg(shown(*output), shown(reason)));
    return JobReport::doneOrFailed(true);
}

} // namespace Kelvoctl
