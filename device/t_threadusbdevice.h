#pragma once

#include "common/types.h"
#include "loggingbackend.h"
#include "usbbackend.h"

#include <QString>
#include <QStringList>
#include <QThread>

#include <memory>

// The USB link to the controller: discovery, identity, serial number and the four
// transfer wrappers. A QThread by inheritance only: it is never started (start() is not
// reachable) and every transfer runs on the thread that calls it. Every call to the bus passes
// through a LoggingBackend.
class t_threadUsbDevice : public QThread
{
    Q_OBJECT

public:
    // `otherSerials` is the controller's list that discovery fills with rejected controllers.
    explicit t_threadUsbDevice(QStringList &otherSerials);
    ~t_threadUsbDevice() override;

    void setIds(u16 vendor, u16 product);
    // Not owned, must outlive this object; nullptr restores the built-in libusb-1.0 backend.
    // An open device is closed first, on the backend that opened it.
    void setBackend(UsbBackend *backend);
    // What went over the bus, newest last.
    TransactionLog &transactionLog() { return logged.log(); }

    int findDevice();
    int readSerialNumber();
    int checkIdentity();
    void closeDevice();
    bool isOpen() const { return !deviceHandle.isNull(); }
    // usb_init again, as the disconnect path does.
    void reinit();

    // Controllers (vendorId, productId) arriving on the bus or leaving it, told from the event
    // loop; the watch moves with setBackend(). False where the bus cannot tell. An empty
    // `notify` ends it.
    bool watchHotplug(UsbBackend::HotplugHandler notify);
    // Whether `event` is the open controller leaving: its handle is dead.
    bool openDeviceLeft(const UsbBackend::HotplugEvent &event) const;

    int controlOut(int request, int value, int index, const u8 *data, int length);
    int controlIn(int request, int value, int index, u8 *buffer, int length);
    int bulkWrite(const u8 *data, int length);
    int bulkRead(u8 *buffer, int length);

    u16 productId = 0;
    u16 vendorId = 0;
    UsbHandle deviceHandle;
    QString serialNumber;
    // Where the open controller sits, as the backend describes it ("bus 1 address 7").
    QString location;
    // Where it is plugged in ("1-4.2"); unlike the location, it stays across a restart.
    QString port;
    // When set, findDevice() takes only the device plugged in there: two controllers can report
    // the same serial number.
    QString requiredPort;
    // Where each of the other serial numbers of the last discovery sits, in the same order.
    QStringList otherPorts;

    // A controller that another program holds: it could not be claimed, so its serial number is
    // unknown.
    struct BusyController
    {
        QString port;
        QString location;
        DeviceHolder holder;
    };
    // Those the last discovery met, in bus order.
    QList<BusyController> busyControllers;

protected:
    void run() override;

private:
    using QThread::start;

    UsbBackend &backend();
    // Up to ten GET_DESCRIPTOR reads of string `index`; the 11 characters, or a null string.
    QString readSerialString(u8 index);

    QStringList &otherSerials;
    UsbBackend::HotplugHandler hotplugNotify;
    // Declared before `logged`, which may point at it.
    std::unique_ptr<UsbBackend> builtIn;
    LoggingBackend logged;
};
