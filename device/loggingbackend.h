#pragma once

#include "transactionlog.h"
#include "usbbackend.h"

#include <QLoggingCategory>

#include <map>

// Every transfer of the program: QT_LOGGING_RULES="kelvodesk.usb=true" writes them to the
// terminal, for a bug report about a real controller.
Q_DECLARE_LOGGING_CATEGORY(lcUsb)

// Passes every call to another backend and writes it, with its arguments and result, to the
// transaction log and the kelvodesk.usb logging category.
class LoggingBackend : public UsbBackend
{
public:
    // `inner` is not owned and must outlive this object while set.
    explicit LoggingBackend(UsbBackend *inner = nullptr)
        : inner(inner)
    { }

    void setInner(UsbBackend *backend) { inner = backend; }
    UsbBackend *wrapped() const { return inner; }

    TransactionLog &log() { return transactionLog; }
    const TransactionLog &log() const { return transactionLog; }

    void init() override;
    QList<Device> enumerate() override;
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
    DeviceHolder holder(quint64 deviceId) const override;
    // Arrivals and departures go to the logging category only: they are not transfers.
    bool watchHotplug(u16 vendorId, u16 productId, HotplugHandler notify) override;

private:
    Transaction entry(Transaction::Kind kind, UsbHandle handle) const;
    void append(const Transaction &transaction);

    UsbBackend *inner;
    TransactionLog transactionLog;
    std::map<quint64, QString> openDevices; // handle -> how the device was described
};
