// What the window's show preview costs while it plays and while it does not: the processor time
// per second of playback at the display's frame rate, the frames shown, and the timer events
// delivered while stopped. One run on the platform Qt is given (offscreen or a display).

#include "model/configdocument.h"
#include "model/configedit.h"
#include "shell/showpreviewplayer.h"
#include "shell/showpreviewwindow.h"
#include "simulator/sampleshow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>

#include <cstdio>

#include <sys/resource.h>

namespace {

double processorSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Counts the timer events the whole program receives.
class TimerEvents : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Timer)
            ++count;
        return false;
    }
};

struct Period
{
    double wallSeconds;
    double processorSeconds;
    int frames;
    int timerEvents;
};

Period run(ShowPreviewWindow &preview, TimerEvents &timers, int ms)
{
    int frames = 0;
    const QMetaObject::Connection counting = QObject::connect(
        &preview.player(), &ShowPreviewPlayer::changed, [&frames] { ++frames; });
    QElapsedTimer wall;
    QTimer end;
    end.setSingleShot(true);
    QObject::connect(&end, &QTimer::timeout, qApp, &QCoreApplication::quit);
    const int timersBefore = timers.count;
    const double before = processorSeconds();
    wall.start();
    end.start(ms);
    QApplication::exec();
    const Period period {wall.elapsed() / 1000.0, processorSeconds() - before, frames,
                         timers.count - timersBefore - 1}; // less the timer that ends the run
    QObject::disconnect(counting);
    return period;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ConfigDocument document;
    const QByteArray show = sampleShowImage();
    document.replace(reinterpret_cast<const u8 *>(show.constData()),
                     {ConfigEdit::Kind::FileRead});
    ShowPreviewWindow preview(document);
    preview.resize(preview.sizeHint());
    preview.show();
    TimerEvents timers;
    app.installEventFilter(&timers);
    // Let the window settle before anything is measured.
    run(preview, timers, 500);

    // A looping program with colour scenes on top: bars, colours, timeline and labels change in
    // every frame.
    preview.play(ShowPreviewWindow::Source::Program, 1);
    const Period playing = run(preview, timers, 10000);
    preview.player().stop();
    const Period stopped = run(preview, timers, 5000);

    std::printf("platform %s, frame interval %d ms\n", qPrintable(QApplication::platformName()),
                preview.player().frameInterval());
    std::printf("playing: %d frames in %.2f s (%.1f a second), processor %.3f s: %.2f %% of one "
                "core\n",
                playing.frames, playing.wallSeconds, playing.frames / playing.wallSeconds,
                playing.processorSeconds,
                100.0 * playing.processorSeconds / playing.wallSeconds);
    std::printf("stopped: %d frames, %d timer events in %.2f s, processor %.3f s: %.2f %% of one "
                "core\n",
                stopped.frames, stopped.timerEvents, stopped.wallSeconds, stopped.processorSeconds,
                100.0 * stopped.processorSeconds / stopped.wallSeconds);
    return 0;
}
