// One full refresh() of the 64-row remote-key table, against the 16 ms of a 60 Hz frame: the
// table alone, and with the repaint it causes. Every run changes all 64 codes, so every cell text
// really changes.

#include "controller/kelvo_controller_class.h"
#include "editors/funcsetter.h"
#include "model/configlayout.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

using namespace ConfigLayout;

int main(int argc, char *argv[])
{
    // The table needs widgets, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? QByteArray(argv[1]).toInt() : 2000;
    constexpr double frameNs = 16e6;

    kelvo_controller_class kelvo;
    u8 *codes = kelvo.configImage() + RcuKeyFunc;
    QWidget page;
    page.resize(851, 600);
    funcSetter table(RcuKeyCount, codes, false, &page);
    table.setGeometry(10, 20, 821, 507);
    page.show();
    QCoreApplication::processEvents();

    // Codes that walk through every group, a different one per key and run.
    auto nextCodes = [codes](int run) {
        for (int k = 0; k < RcuKeyCount; ++k)
            codes[k] = u8((run * 7 + k) % 56);
    };

    qint64 refreshNs = 0;
    qint64 withPaintNs = 0;
    QElapsedTimer timer;
    for (int run = 0; run < runs; ++run) {
        nextCodes(run);
        timer.start();
        table.refresh();
        refreshNs += timer.nsecsElapsed();
        table.viewport()->repaint();
        withPaintNs += timer.nsecsElapsed();
    }

    const double perRefresh = double(refreshNs) / runs;
    const double perRefreshAndPaint = double(withPaintNs) / runs;
    std::printf("refreshes of the 64-row table:          %d\n", runs);
    std::printf("microseconds per refresh():             %.1f\n", perRefresh / 1000.0);
    std::printf("refresh() / 16 ms frame:                %.4f\n", perRefresh / frameNs);
    std::printf("refresh() and repaint / 16 ms frame:    %.4f\n", perRefreshAndPaint / frameNs);
    return 0;
}
