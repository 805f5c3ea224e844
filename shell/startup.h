#pragma once

class UsbBackend;

// Runs the program on the application object that main() created: controller, language, window
// loop. Returns the last event loop's status, or -1 when the configuration image is missing.
// The controller talks to `usb` (not owned) or, when null, to the real bus through libusb-1.0.
int runKelvoDesk(UsbBackend *usb = nullptr);
