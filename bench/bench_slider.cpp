// The program's own cost of one slider move in the scene editor: from the slider's value change
// through the editor (image write, live signal) to the transfer handed to the USB backend, in
// live mode against the simulated controller without latency. Prints USB transactions per value
// and microseconds per value, with the time spent inside the backend taken out.

#include "benchsupport.h"
#include "controller/kelvo_controller_class.h"
#include "editors/admx32_sliders_widget.h"
#include "editors/admx_slider_widget.h"
#include "model/configlayout.h"
#include "simulator/simulatedbus.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSlider>

#include <cstdio>

int main(int argc, char *argv[])
{
    // The editor needs widgets, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int values = argc > 1 ? QByteArray(argv[1]).toInt() : 200000;

    TimedBus bus;
    kelvo_controller_class kelvo;
    if (!goLive(kelvo, bus, "bench_slider"))
        return 1;

    QWidget page;
    admx32_sliders_widget editor(kelvo.document(), kelvo.liveOutput(), &page);
    editor.page = 1;
    editor.refresh();
    QSlider *sliders[admx32_sliders_widget::VisibleColumns];
    for (int i = 0; i < admx32_sliders_widget::VisibleColumns; ++i)
        sliders[i] = editor.column(i)->slider();

    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < values; ++i) {
        // Every move a real change: each column steps through 1..255, 0, 1 ...
        const int column = i % admx32_sliders_widget::VisibleColumns;
        sliders[column]->setValue((i / admx32_sliders_widget::VisibleColumns + 1) & 0xFF);
    }
    const qint64 totalNs = timer.nsecsElapsed();

    reportPerValue("slider moves:", values, totalNs, bus);
    return 0;
}
