#pragma once

#include "common/types.h"
#include "deviceholder.h"

#include <QList>
#include <QString>

#include <functional>

// An open device as a backend knows it. Null means nothing is open. The backend that issued it
// owns what stands behind it until close().
class UsbHandle
{
public:
    constexpr UsbHandle() = default;
    constexpr explicit UsbHandle(quint64 id)
        : id(id)
    { }

    constexpr bool isNull() const { return id == 0; }
    constexpr explicit operator bool() const { return id != 0; }
    constexpr quint64 value() const { return id; }
    friend constexpr bool operator==(UsbHandle, UsbHandle) = default;

private:
    quint64 id = 0;
};

// The only way to the USB bus. t_threadUsbDevice keeps its discovery and transfer rules and
// calls these; LibusbBackend talks to the real bus, SimulatedBus to simulated
// controllers. Results follow libusb-1.0: 0 or a byte count for success, an Error for failure.
// ErrorBusy from open(), setConfiguration() or claimInterface() means that another program holds
// the device; holder() may then tell which.
class UsbBackend
{
public:
    // libusb-1.0's error codes, so that its results pass through unchanged.
    enum Error : int {
        ErrorIo = -1,
        ErrorInvalidParam = -2,
        ErrorAccess = -3,
        ErrorNoDevice = -4,
        ErrorNotFound = -5,
        ErrorBusy = -6,
        ErrorTimeout = -7,
        ErrorOverflow = -8,
        ErrorPipe = -9,
        ErrorNotSupported = -12,
        ErrorOther = -99,
    };

    // One device on the bus, as found by the last enumerate(). `id` is only valid until the next.
    struct Device
    {
        quint64 id = 0;
        u16 vendorId = 0;
        u16 productId = 0;
        u8 iSerialNumber = 0;
        // Where it is plugged in, as Linux names it: the bus, then the hub ports down to it
        // ("1-4.2"). Unlike the address, it stays while the device restarts.
        QString port;
    };

    // A device with the watched ids arrived on the bus or left it.
    struct HotplugEvent
    {
        enum class Kind { Arrived, Left };
        Kind kind = Kind::Arrived;
        // As describe() names devices.
        QString device;
        // Left: the handles of this backend that were open on the device; they are dead now.
        QList<UsbHandle> handles;
    };
    using HotplugHandler = std::function<void(const HotplugEvent &)>;

    virtual ~UsbBackend() = default;

    // usb_init: makes the library ready (again); harmless when it already is.
    virtual void init() = 0;
    // usb_find_busses + usb_find_devices + the walk of usb_get_busses: every device, buses in
    // order and on each bus its devices in order.
    virtual QList<Device> enumerate() = 0;
    // How logs name a device of the last enumerate(): bus and address, or a serial number.
    virtual QString describe(quint64 deviceId) const = 0;
    // Null when the device cannot be opened (gone, no permission, held by another program); then
    // `error`, when given, says why.
    virtual UsbHandle open(quint64 deviceId, int *error = nullptr) = 0;
    virtual int setConfiguration(UsbHandle handle, int configuration) = 0;
    virtual int claimInterface(UsbHandle handle, int interfaceNumber) = 0;
    virtual int releaseInterface(UsbHandle handle, int interfaceNumber) = 0;
    // A standard GET_DESCRIPTOR request; returns the bytes received.
    virtual int getDescriptor(UsbHandle handle, u8 type, u8 index, u16 languageId, u8 *buffer,
                              int length)
        = 0;
    // The data stage's direction follows bit 7 of requestType; OUT data is only read.
    virtual int controlTransfer(UsbHandle handle, u8 requestType, u8 request, u16 value, u16 index,
                                u8 *data, u16 length, unsigned timeoutMs)
        = 0;
    // The direction follows bit 7 of endpoint; returns the bytes moved (also on a time-out that
    // moved some, as libusb 0.1 did).
    virtual int bulkTransfer(UsbHandle handle, u8 endpoint, u8 *data, int length,
                             unsigned timeoutMs)
        = 0;
    virtual void close(UsbHandle handle) = 0;

    // Who holds a device of the last enumerate() that was refused as busy, as far as the system
    // tells.
    virtual DeviceHolder holder(quint64 deviceId) const
    {
        Q_UNUSED(deviceId);
        return {};
    }

    // Tells `notify` of every device with these ids that arrives or leaves from now on, one call
    // per event from the event loop of the calling thread, never inside another call of this
    // backend. Another call replaces the watch; an empty `notify` ends it. False when this bus
    // cannot tell.
    virtual bool watchHotplug(u16 vendorId, u16 productId, HotplugHandler notify)
    {
        Q_UNUSED(vendorId);
        Q_UNUSED(productId);
        Q_UNUSED(notify);
        return false;
    }
};
