#pragma once

#include "common/types.h"
#include "simulator/simulatedcontroller.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <mutex>

// Simulated controllers served as USB devices that exist only for the real libusb-1.0: umockdev
// emulates their sysfs records, device nodes and usbdevfs ioctls, and this class answers the
// ioctls by handing every URB to the simulated controller behind the node. The simulator stays
// the one model of the device; this only translates. Needs the process to run with umockdev's
// preload library (umockdev-wrapper).
//
// The URB handlers run on umockdev's own thread. Everything that touches a controller, there or
// in a test, holds lock().
class EmulatedUsbBus
{
public:
    // One URB as the device saw it: the setup packet of a control transfer, the endpoint of a
    // bulk one, how much the host offered or asked for, and how it ended.
    struct Urb
    {
        enum class Type { Control, Bulk, Other };
        Type type = Type::Other;
        QString node; // /dev/bus/usb/BBB/AAA
        u8 endpoint = 0; // bulk: as submitted; control: 0x00, or 0x80 for IN
        u8 requestType = 0;
        u8 request = 0;
        u16 value = 0;
        u16 index = 0;
        u16 length = 0; // wLength
        int bufferLength = 0; // as submitted (control: 8 + wLength)
        int actualLength = -1; // data bytes moved; -1 while pending
        int status = 0; // 0 or the negative errno the URB ended with
        bool discarded = false; // the host gave up on it (its time-out)
        QByteArray data; // OUT: bytes sent; IN: bytes returned
    };

    EmulatedUsbBus();
    ~EmulatedUsbBus();
    EmulatedUsbBus(const EmulatedUsbBus &) = delete;
    EmulatedUsbBus &operator=(const EmulatedUsbBus &) = delete;

    // Whether umockdev's preload library is active in this process.
    static bool preloaded();

    // A new controller on the bus, at the next free port and address. Its vendor and product
    // ids can be changed before the first sync() to make it a foreign device.
    SimulatedController &addController(const QString &serialNumber);

    // Brings the emulated bus in line with the controllers: a device whose controller left the
    // bus or was unplugged is removed (its "remove" uevent first), one that is back is added at a
    // new address (umockdev sends its "add" uevent). Call it where a real bus would have changed,
    // before the host enumerates; the library's hot-plug monitor hears of both.
    void sync();

    // The device node a controller is on now, or empty while it is off the bus.
    QString node(const SimulatedController &controller) const;
    // How many times a device was added to the emulated bus, in all.
    int arrivals() const;

    std::mutex &lock() const;
    QList<Urb> urbs() const;
    void clearUrbs();
    // Requests of ioctls no handler knew, as text; a healthy run has none.
    QStringList unknownIoctls() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
