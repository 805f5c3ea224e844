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
    bus.addController(QStringLiteral("KLV00000001"));
    kelvo_controller_class kelvo;
    kelvo.setUsbBackend(&bus);
    // Keep the in-memory log from growing with the run; the logging itself stays in the path.
    kelvo.usbDevice.transactionLog().capacity = 1000;
    kelvo.setConnection(true);
    if (!kelvo.connected
        || kelvo.ch_mode(kelvo_controller_class::RequestedLive)
            != kelvo_controller_class::RequestedLive) {
        std::fprintf(stderr, "bench_slider: the simulated controller did not go live\n");
        return 1;
    }

    QWidget page;
    admx32_sliders_widget editor(&kelvo, &page);
    editor.page = 1;
    editor.refresh();
    QSlider *sliders[admx32_sliders_widget::VisibleColumns];
    for (int i = 0; i < admx32_sliders_widget::VisibleColumns; ++i)
        sliders[i] = editor.column(i)->slider();

    bus.insideNs = 0;
    bus.transfers = 0;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < values; ++i) {
        // Every move a real change: each column steps through 1..255, 0, 1 ...
        const int column = i % admx32_sliders_widget::VisibleColumns;
        sliders[column]->setValue((i / admx32_sliders_widget::VisibleColumns + 1) & 0xFF);
    }
    const qint64 totalNs = timer.nsecsElapsed();

    const double perValueUs = double(totalNs) / values / 1000.0;
    const double backendUs = double(bus.insideNs) / values / 1000.0;
    std::printf("slider moves:                      %d\n", values);
    std::printf("USB transactions per value:        %.3f\n", double(bus.transfers) / values);
    std::printf("microseconds per value, total:     %.3f\n", perValueUs);
    std::printf("  inside the simulated controller: %.3f\n", backendUs);
    std::printf("  the program's own:               %.3f\n", perValueUs - backendUs);
    return 0;
}
