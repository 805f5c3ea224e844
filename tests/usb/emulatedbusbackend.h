#pragma once

#include "device/libusbbackend.h"
#include "emulatedusbbus.h"

// The real LibusbBackend on an emulated bus. A real bus changes on its own time; here devices
// that left or came back are put in place just before each enumeration, so that what the
// program finds does not depend on thread timing. Every other call goes straight to libusb.
class EmulatedBusBackend : public UsbBackend
{
public:
    explicit EmulatedBusBackend(EmulatedUsbBus &bus)
        : bus(bus)
    { }

    LibusbBackend libusb;

    void init() override { libusb.init(); }
    QList<Device> enumerate() override
    {
        bus.sync();
        return libusb.enumerate();
    }
    QString describe(quint64 deviceId) const override { return libusb.describe(deviceId); }
    UsbHandle open(quint64 deviceId) override { return libusb.open(deviceId); }
    int setConfiguration(UsbHandle handle, int configuration) override
    {
        return libusb.setConfiguration(handle, configuration);
    }
    int claimInterface(UsbHandle handle, int interfaceNumber) override
    {
        return libusb.claimInterface(handle, interfaceNumber);
    }
    int releaseInterface(UsbHandle handle, int interfaceNumber) override
    {
        return libusb.releaseInterface(handle, interfaceNumber);
    }
    int getDescriptor(UsbHandle handle, u8 type, u8 index, u16 languageId, u8 *buffer,
                      int length) override
    {
        return libusb.getDescriptor(handle, type, index, languageId, buffer, length);
    }
    int controlTransfer(UsbHandle handle, u8 requestType, u8 request, u16 value, u16 index,
                        u8 *data, u16 length, unsigned timeoutMs) override
    {
        return libusb.controlTransfer(handle, requestType, request, value, index, data, length,
                                      timeoutMs);
    }
    int bulkTransfer(UsbHandle handle, u8 endpoint, u8 *data, int length,
                     unsigned timeoutMs) override
    {
        return libusb.bulkTransfer(handle, endpoint, data, length, timeoutMs);
    }
    void close(UsbHandle handle) override { libusb.close(handle); }

private:
    EmulatedUsbBus &bus;
};
