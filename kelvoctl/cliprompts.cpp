#include "cliprompts.h"

#include "common/clock.h"
#include "console.h"
#include "interrupt.h"

namespace {

constexpr int BarWidth = 30;

class BarProgress : public ProgressPrompt
{
public:
    BarProgress(Console &console, bool shown, const QString &task, int maximum,
                const Interrupt *interrupt)
        : console(console)
        , shown(shown)
        , task(task)
        , maximum(maximum)
        , interrupt(interrupt)
        , started(Clock::current().now())
    {
        draw();
    }
    ~BarProgress() override { reset(); }

    void setValue(int v) override
    {
        if (v == value)
            return;
        value = v;
        draw();
    }
    bool wasCanceled() override { return interrupt && interrupt->pressed(); }
    void setLabelText(const QString &) override { }
    void reset() override
    {
        if (shown && drawn)
            console.progress(QString());
        drawn = false;
    }

private:
    void draw()
    {
        if (!shown || maximum <= 0)
            return;
        const int done = qBound(0, value, maximum);
        const int filled = done * BarWidth / maximum;
        QString line = QStringLiteral("%1 [%2%3] %4/%5 blocks")
                           .arg(task, QString(filled, QLatin1Char('#')),
                                QString(BarWidth - filled, QLatin1Char('-')))
                           .arg(done)
                           .arg(maximum);
        // Time left from the pace so far; nothing to say before the first block.
        const qint64 elapsed = Clock::current().now() - started;
        if (done > 0 && done < maximum) {
            const qint64 left = elapsed * (maximum - done) / done;
            line += QStringLiteral(", %1 s left").arg((left + 999) / 1000);
        }
        console.progress(line);
        drawn = true;
    }

    Console &console;
    bool shown;
    QString task;
    int maximum;
    const Interrupt *interrupt;
    qint64 started;
    int value = 0;
    bool drawn = false;
};

} // namespace

CliPrompts::CliPrompts(Console &console, bool showProgress, const Interrupt *interrupt)
    : console(console)
    , showProgress(showProgress)
    , interrupt(interrupt)
    , previous(Prompts::install(this))
{ }

CliPrompts::~CliPrompts()
{
    Prompts::install(previous);
}

Prompts::Button CliPrompts::message(Kind kind, QObject *, const QString &title, const QString &text,
                                    Buttons, Button defaultButton)
{
    boxes.append({kind, title, text});
    return defaultButton != NoButton ? defaultButton : Ok;
}

Prompts::Button CliPrompts::choose(Kind kind, QObject *, const QString &title, const QString &text,
                                   const QList<Choice> &, Button defaultButton)
{
    boxes.append({kind, title, text});
    return defaultButton;
}

std::unique_ptr<ProgressPrompt> CliPrompts::progress(QObject *, const QString &, const QString &,
                                                     int maximum, bool)
{
    return std::make_unique<BarProgress>(console, showProgress, task, maximum, interrupt);
}
