#include "windowrig.h"

#include "model/configlayout.h"
#include "shell/appstate.h"

#include <QAction>
#include <QTabWidget>

#include <algorithm>
#include <cstring>

WindowRig::WindowRig(UsbBackend *usb)
{
    kelvo.setUsbBackend(usb ? usb : &bus);
    languageTable.clear();
    rebuild();
}

void WindowRig::rebuild()
{
    mainWindow = nullptr;
    window.reset();
    window = std::make_unique<gui_class>(kelvo, &session);
    // The tests look into every page, shown or not.
    window->buildAllPages();
    mainWindow = window.get();
    kelvo.dialogParent = window.get();
}

WindowRig::~WindowRig()
{
    mainWindow = nullptr;
    window.reset();
}

SimulatedController &WindowRig::connectTo(const QString &serial)
{
    SimulatedController &c = bus.addController(serial);
    click("pbConnect");
    if (!kelvo.usbDevice.isOpen())
        qFatal("the simulated controller did not connect");
    log().clear();
    debug.lines.clear();
    script.shown.clear();
    return c;
}

void WindowRig::trigger(const QString &action)
{
    for (QAction *a : window->findChildren<QAction *>()) {
        if (a->text() == action) {
            a->trigger();
            return;
        }
    }
    qFatal("no action %s", qPrintable(action));
}

void WindowRig::showPage(int main, int settings)
{
    if (settings >= 0)
        child<QTabWidget>("tabWidget_settings")->setCurrentIndex(settings);
    child<QTabWidget>("tabWidget_main")->setCurrentIndex(main);
}

bool WindowRig::shown(const QString &text) const
{
    return std::any_of(script.shown.cbegin(), script.shown.cend(),
                       [&](const ScriptedPrompts::Shown &s) { return s.text == text; });
}

QByteArray WindowRig::image() const
{
    return QByteArray(reinterpret_cast<const char *>(kelvo.configImage()), ConfigLayout::ImageSize);
}

void WindowRig::setImage(const QByteArray &bytes)
{
    kelvo.document().restore(bytes, {ConfigEdit::Kind::Restore});
    session.saved().inFile(); // a configuration kept safe, as if read from a file
}
