#pragma once

#include "controller/kelvo_controller_class.h"
#include "device/transactionlog.h"
#include "shell/gui_class.h"
#include "shell/worksession.h"
#include "simulator/simulatedbus.h"
#include "support/debugcapture.h"
#include "support/scriptedprompts.h"
#include "support/virtualclock.h"

#include <QLabel>
#include <QPushButton>

#include <memory>

// The real window and controller on a simulated bus, with virtual time, scripted boxes and the
// debug lines captured. Members are declared in the order they must be built; they go in reverse.
class WindowRig
{
public:
    // On the simulated bus below, or on another backend (which must outlive the rig).
    explicit WindowRig(UsbBackend *usb = nullptr);
    ~WindowRig();

    VirtualClock clock;
    ScriptedPrompts script;
    DebugCapture debug;
    SimulatedBus bus;
    kelvo_controller_class kelvo;
    WorkSession session {kelvo.document()};
    std::unique_ptr<gui_class> window;

    template<class T> T *child(const char *name)
    {
        T *w = window->findChild<T *>(QString::fromLatin1(name));
        if (!w)
            qFatal("no widget %s", name);
        return w;
    }
    QString text(const char *label) { return child<QLabel>(label)->text(); }
    void click(const char *button) { child<QPushButton>(button)->click(); }
    // Triggers the menu action with this text ("&Upgrade Kelvo").
    void trigger(const QString &action);
    TransactionLog &log() { return kelvo.usbDevice.transactionLog(); }
    // The window built again on the same session, as a language change does.
    void rebuild();

    // A controller plugged in and connected through the Connect button; the log, the prompts and
    // the debug lines cleared.
    SimulatedController &connectTo(const QString &serial = QStringLiteral("KLV0000000A"));
    // Main page, and the settings sub-page when given.
    void showPage(int main, int settings = -1);
    // Whether a box with this text was shown.
    bool shown(const QString &text) const;
    QByteArray image() const;
    // Puts in an image that is kept safe (not at risk), as if read from a file.
    void setImage(const QByteArray &bytes);
};
