// What the undo history costs: the heap it holds for a number of steps (100 unless told), for
// small edits (a level each, every step at another channel, so none merge) and for whole-image
// edits (reads of another configuration). Prints bytes per step and steps per image size.

#include "model/configdocument.h"
#include "model/configlayout.h"
#include "shell/imagehistory.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QRandomGenerator>

#include <cstdio>
#include <functional>
#include <malloc.h>

using namespace ConfigLayout;

namespace {

size_t heapInUse()
{
    return mallinfo2().uordblks;
}

// Heap held by the history after `steps` edits made by `edit(i)`.
size_t heldBy(int steps, const std::function<void(ConfigDocument &, int)> &edit)
{
    ConfigDocument document;
    ImageHistory history(document);
    const size_t start = heapInUse();
    for (int i = 0; i < steps; ++i)
        edit(document, i);
    const size_t held = heapInUse() - start;
    if (history.stack().count() != steps)
        std::fprintf(stderr, "bench_undo: %d steps recorded, %d expected\n",
                     history.stack().count(), steps);
    return held;
}

void report(const char *what, int steps, size_t bytes)
{
    std::printf("%-28s %d steps: %zu bytes held, %.0f bytes per step = %.2f images per step\n",
                what, steps, bytes, double(bytes) / steps, double(bytes) / steps / ImageSize);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int steps = argc > 1 ? QByteArray(argv[1]).toInt() : 100;

    report("scene levels:", steps, heldBy(steps, [](ConfigDocument &document, int i) {
               document.setByte(levelOffset(0, 0, i % ChannelCount), u8(i / ChannelCount + 1),
                                {ConfigEdit::Kind::SceneLevel, 0, 0, i % ChannelCount});
           }));
    QRandomGenerator random(1);
    report("whole configurations read:", steps, heldBy(steps, [&](ConfigDocument &document, int) {
               QByteArray image(ImageSize, '\0');
               random.fillRange(reinterpret_cast<quint32 *>(image.data()), ImageSize / 4);
               document.restore(image, {ConfigEdit::Kind::FileRead});
           }));
    return 0;
}
