#pragma once

#include "controller/kelvo_controller_class.h"

#include <QString>

#include <functional>

class QWidget;
class UsbBackend;

// What the program runs on. The defaults are the real ones; the demo and the tests hand in a
// simulated bus or an allocator that fails.
struct StartupSeams
{
    UsbBackend *usb = nullptr; // not owned; nullptr: the USB bus through libusb-1.0
    kelvo_controller_class::ImageAllocator allocateImage = kelvo_controller_class::allocateImage;
    // Added to the window title, so that a demo says what it runs on.
    QString windowTitleNote;
    // Called once the first window is on the screen (the demo opens its controller beside it).
    std::function<void(QWidget &window)> firstWindowShown;
    // Read into the first window once its loop runs, as "Open file" reads it.
    QString fileToOpen;
};

// Runs the program on the application object that main() created: controller, language, window
// loop. Returns the last event loop's status, or -1 when the configuration image is missing.
int runKelvoDesk(const StartupSeams &seams = {});
