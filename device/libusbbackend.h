#pragma once

#include "usbbackend.h"

#include <memory>

// UsbBackend on libusb-1.0. The library is initialised on first use; when that fails (no USB
// bus, as in some containers) the backend reports no devices and every call fails cleanly.
// Open device handles belong to the backend and are closed with it at the latest.
// While hot-plug is watched, the library's file descriptors are watched by the Qt event loop of
// the thread that created the backend, which lets the library handle its events there.
class LibusbBackend : public UsbBackend
{
public:
    LibusbBackend();
    ~LibusbBackend() override;

    // True once libusb_init has succeeded.
    bool isAvailable() const;

    void init() override;
    QList<Device> enumerate() override;
    // "bus B address A".
    QString describe(quint64 deviceId) const override;
    UsbHandle open(quint64 deviceId, int *error = nullptr) override;
    int setConfiguration(UsbHandle handle, int configuration) override;
    int claimInterface(UsbHandle handle, int interfaceNumber) override;
    int releaseInterface(UsbHandle handle, int interfaceNumber) override;
    int getDescriptor(UsbHandle handle, u8 type, u8 index, u16 languageId, u8 *buffer,
                      int length) override;
    int controlTransfer(UsbHandle handle, u8 requestType, u8 request, u16 value, u16 index,
                        u8 *data, u16 length, unsigned timeoutMs) override;
    int bulkTransfer(UsbHandle handle, u8 endpoint, u8 *data, int length,
                     unsigned timeoutMs) override;
    void close(UsbHandle handle) override;
    // The process with the device's node (/dev/bus/usb/BBB/DDD) open.
    DeviceHolder holder(quint64 deviceId) const override;
    bool watchHotplug(u16 vendorId, u16 productId, HotplugHandler notify) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
