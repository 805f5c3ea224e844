#pragma once

#include "common/types.h"
#include "usbbackend.h"

#include <QString>
#include <QStringList>
#include <QThread>

#include <memory>

// The USB link to the controller: discovery, identity, serial number and the four
// transfer wrappers. A QThread by inheritance only: it is never started and every transfer runs
// on the thread that calls it.
class t_threadUsbDevice : public QThread
{
    Q_OBJECT

public:
    // `otherSerials` is the controller's list that discovery fills with rejected controllers.
    explicit t_threadUsbDevice(QStringList &otherSerials);
    ~t_threadUsbDevice() override;

    void setIds(u16 vendor, u16 product);
    // Not owned, must outlive this object; nullptr restores the built-in libusb-1.0 backend.
    // Close the device before changing it.
    void setBackend(UsbBackend *backend);
    UsbBackend &backend();

    int findDevice();
    int readSerialNumber();
    int checkIdentity();
    void closeDevice();
    bool isOpen() const { return !deviceHandle.isNull(); }
    // usb_init again, as the disconnect path does.
    void reinit();

    int controlOut(int request, int value, int index, const u8 *data, int length);
    int controlIn(int request, int value, int index, u8 *buffer, int length);
    int bulkWrite(const u8 *data, int length);
    int bulkRead(u8 *buffer, int length);

    u16 productId = 0;
    u16 vendorId = 0;
    UsbHandle deviceHandle;
    QString serialNumber;

protected:
    void run() override;

private:
    // Up to ten GET_DESCRIPTOR reads of string `index`; the 11 characters, or a null string.
    QString readSerialString(u8 index);

    QStringList &otherSerials;
    UsbBackend *installed = nullptr;
    std::unique_ptr<UsbBackend> builtIn;
};
