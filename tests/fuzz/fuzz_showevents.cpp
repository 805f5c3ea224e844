// Any bytes as a file of show events (kelvoctl simulate --events): the reader never crashes or
// runs away, what it accepts is in range, and the engine plays it without harm.
#include "model/configlayout.h"
#include "show/showengine.h"
#include "show/showeventtext.h"

#include <QByteArray>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QList<ShowEvent> events;
    const ShowEventText::ScriptError error = ShowEventText::parseScript(
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), events);
    if (!error.reason.isEmpty() && error.line < 1)
        std::abort(); // a refusal names its line
    for (const ShowEvent &event : events) {
        if (event.atMs < 0 || event.number < 0 || event.number > 0xFF || event.address < 0
            || event.address > 0xFF)
            std::abort();
    }
    if (!error.reason.isEmpty())
        return 0;
    // A cleared image: every action of the events finds its scene, program and settings.
    ShowEngine engine(QByteArray(ConfigLayout::ImageSize, char(0xFF)));
    engine.setEvents(events);
    for (qint64 t : {qint64(0), qint64(1500), qint64(3600 * 1000)})
        engine.levelsAt(t);
    return 0;
}
