#pragma once

#include "device/libusbbackend.h"
#include "emulatedusbbus.h"

// The real LibusbBackend on an emulated bus. A real bus changes on its own time; here devices
// that left or came back are put in place just before each enumeration, so that what the
// program finds does not depend on thread timing. Every other call is libusb's own.
class EmulatedBusBackend : public LibusbBackend
{
public:
    explicit EmulatedBusBackend(EmulatedUsbBus &bus)
        : bus(bus)
    { }

    QList<Device> enumerate() override
    {
        bus.sync();
        return LibusbBackend::enumerate();
    }

private:
    EmulatedUsbBus &bus;
};
