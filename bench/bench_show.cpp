// What the show engine costs: one 64-channel frame with all 16 scenes and a program running,
// as the time per frame and as a share of a 60-frames-a-second budget; and where a looping
// program's playhead is after an hour of frames, against the clock.

#include "model/configclear.h"
#include "model/configlayout.h"
#include "show/showengine.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include <cstdio>

using namespace ConfigLayout;

namespace {

constexpr qint64 FrameMs = 1000 / 60;

QByteArray busyShow()
{
    QByteArray bytes(ImageSize, '\0');
    auto *image = reinterpret_cast<u8 *>(bytes.data());
    clearImage(image, 0xFFFF);
    QRandomGenerator random(5);
    for (int page = 0; page < PageCount; ++page) {
        for (int step = 0; step < StepsPerPage; ++step) {
            for (int c = 0; c < ChannelCount; ++c)
                setLevel(image, page, step, c, u8(random.bounded(256)));
            // Long fades, so that every frame interpolates every layer.
            setStepTime(image, page, step, RiseTime, u16(100 + random.bounded(100)));
            setStepTime(image, page, step, LastTime, u16(random.bounded(50)));
            setStepTime(image, page, step, FallTime,
                        page == 0 ? u16(100 + random.bounded(100)) : FallNextStep);
        }
    }
    setStepTime(image, 1, StepsPerPage - 1, FallTime, FallLoop);
    return bytes;
}

} // namespace

int main()
{
    const QByteArray image = busyShow();
    QList<ShowEvent> events {{0, ShowEvent::Kind::PowerOn}, {0, ShowEvent::Kind::Action, 30}};
    for (int s = 0; s < StepsPerPage; ++s)
        events << ShowEvent {0, ShowEvent::Kind::Action, 38 + s};
    ShowEngine engine(image);
    engine.setEvents(events);

    const int frames = 200000;
    unsigned sink = 0;
    QElapsedTimer timer;
    timer.start();
    for (int f = 0; f < frames; ++f)
        sink += engine.levelsAt(f % 600 * FrameMs)[size_t(f % ChannelCount)];
    const double perFrameUs = double(timer.nsecsElapsed()) / frames / 1000.0;
    const ShowEngine::Status status = engine.statusAt(599 * FrameMs);
    std::printf("one frame, 16 scenes and a program fading: %.2f us (%.2f of the 5 us aim, "
                "%.4f%% of a 60 Hz frame; %d scenes on) [%u]\n",
                perFrameUs, perFrameUs / 5.0, perFrameUs / (1e6 / 60) * 100, status.scenes,
                sink % 2);

    // An hour of frames on a looping program, each frame's time counted from the frame number.
    ShowEngine loop(image);
    loop.setEvents({{0, ShowEvent::Kind::Action, 30}});
    const qint64 hour = 3600 * 1000;
    qint64 t = 0;
    for (qint64 frame = 0; t < hour; ++frame) {
        t = frame * 1000 / 60;
        loop.levelsAt(t);
    }
    ShowEngine fresh(image);
    fresh.setEvents({{0, ShowEvent::Kind::Action, 30}});
    const ShowEngine::Status framed = loop.statusAt(t);
    const ShowEngine::Status direct = fresh.statusAt(t);
    std::printf(
        "after an hour of frames: playhead %lld ms into step %d, asked directly %lld ms into "
        "step %d: %lld ms apart\n",
        framed.position.inStep, framed.position.step + 1, direct.position.inStep,
        direct.position.step + 1, qAbs(framed.position.inStep - direct.position.inStep));
    return 0;
}
