// The program with one simulated controller on a simulated USB bus instead of libusb: for trying
// it out and showing it without a controller at hand.

#include "qtprompts.h"
#include "startup.h"

#include "demo/simulatorpanel.h"
#include "simulator/sampleshow.h"
#include "simulator/simulatedbus.h"

#include <QApplication>
#include <QIcon>
#include <QPointer>
#include <QTimer>

#include <algorithm>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The program's own settings: the demo is the same program on another bus.
    QCoreApplication::setApplicationName(QStringLiteral("kelvodesk"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kelvodesk.png")));
    QtPrompts dialogs;
    Prompts::install(&dialogs);
    SimulatedBus bus;
    // Transfers take about as long as on a full-speed device.
    bus.controlLatencyMs = 1;
    bus.bulkLatencyMs = 1;
    SimulatedController &kelvo = bus.addController(QStringLiteral("KLV00000001"));
    kelvo.version = {1, 5, 'a'};
    // A show to read from the controller, instead of an empty memory.
    const QByteArray show = sampleShowImage();
    std::copy(show.cbegin(), show.cend(), kelvo.configuration.begin());

    // The controller's output, mode, inputs and remote beside the program's window. By default
    // someone there operates an input or the remote a second after each learn request.
    SimulatorPanel panel(kelvo);

    StartupSeams seams;
    seams.usb = &bus;
    seams.windowTitleNote = QObject::tr("simulated controller");
    seams.firstWindowShown = [&panel](QWidget &window) {
        // Once the loop runs: both windows take their final size from the language first.
        QTimer::singleShot(0, &panel, [&panel, shown = QPointer<QWidget>(&window)] {
            if (shown)
                panel.placeBeside(*shown);
            panel.show();
        });
    };
    return runKelvoDesk(seams);
}
