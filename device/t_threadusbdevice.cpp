#include "t_threadusbdevice.h"

#include "kelvoprotocol.h"
#include "libusbbackend.h"

#include <cstring>

namespace {
constexpr int SerialReadAttempts = 10;
}

t_threadUsbDevice::t_threadUsbDevice(QStringList &otherSerials)
    : otherSerials(otherSerials)
{ }

t_threadUsbDevice::~t_threadUsbDevice()
{
    closeDevice();
    if (hotplugNotify)
        logged.watchHotplug(vendorId, productId, nullptr);
}

void t_threadUsbDevice::setIds(u16 vendor, u16 product)
{
    vendorId = vendor;
    productId = product;
}

void t_threadUsbDevice::setBackend(UsbBackend *backend)
{
    closeDevice();
    if (hotplugNotify)
        logged.watchHotplug(vendorId, productId, nullptr);
    logged.setInner(backend);
    if (hotplugNotify)
        watchHotplug(hotplugNotify);
}

UsbBackend &t_threadUsbDevice::backend()
{
    if (!logged.wrapped()) {
        if (!builtIn)
            builtIn = std::make_unique<LibusbBackend>();
        logged.setInner(builtIn.get());
    }
    return logged;
}

void t_threadUsbDevice::reinit()
{
    backend().init();
}

bool t_threadUsbDevice::watchHotplug(UsbBackend::HotplugHandler notify)
{
    hotplugNotify = notify;
    if (!notify && !logged.wrapped())
        return false; // nothing to stop
    const bool watching = backend().watchHotplug(vendorId, productId, std::move(notify));
    if (!watching)
        hotplugNotify = nullptr;
    return watching;
}

bool t_threadUsbDevice::openDeviceLeft(const UsbBackend::HotplugEvent &event) const
{
    return event.kind == UsbBackend::HotplugEvent::Kind::Left && isOpen()
        && event.handles.contains(deviceHandle);
}

int t_threadUsbDevice::findDevice()
{
    otherSerials.clear();
    otherPorts.clear();
    busyControllers.clear();
    if (isOpen()) {
        backend().close(deviceHandle); // no interface release here
        deviceHandle = UsbHandle();
    }

    UsbBackend &usb = backend();
    usb.init();
    const QList<UsbBackend::Device> devices = usb.enumerate();
    for (const UsbBackend::Device &device : devices) {
        if (device.vendorId != vendorId || device.productId != productId
            || (!requiredPort.isEmpty() && device.port != requiredPort))
            continue;
        // Another program's claim shows as busy on whichever step the system checks it.
        const auto heldElsewhere = [&](int result) {
            if (result == UsbBackend::ErrorBusy)
                busyControllers.append(
                    {device.port, usb.describe(device.id), usb.holder(device.id)});
        };
        int result = UsbBackend::ErrorOther;
        const UsbHandle handle = usb.open(device.id, &result);
        if (!handle) {
            heldElsewhere(result);
            continue;
        }
        result = usb.setConfiguration(handle, KELVO_CONFIGURATION);
        if (result >= 0)
            result = usb.claimInterface(handle, KELVO_INTERFACE);
        if (result < 0) {
            usb.close(handle);
            heldElsewhere(result);
            continue;
        }
        deviceHandle = handle;
        if (checkIdentity() < 0) {
            closeDevice();
            continue;
        }
        const QString serial = readSerialString(device.iSerialNumber);
        if (serial.isNull()) {
            closeDevice();
            continue;
        }
        if (serialNumber.isEmpty() || serial == serialNumber) {
            serialNumber = serial; // the one asked for, or else the first that answers
            location = usb.describe(device.id);
            port = device.port;
            return 0;
        }
        otherSerials.append(serial);
        otherPorts.append(device.port);
        closeDevice();
    }
    return -1;
}

int t_threadUsbDevice::readSerialNumber()
{
    serialNumber.clear();
    if (!isOpen())
        return -1;
    const QString serial = readSerialString(SERIAL_STRING_INDEX);
    if (serial.isNull())
        return -1;
    serialNumber = serial;
    return 0;
}

QString t_threadUsbDevice::readSerialString(u8 index)
{
    u8 buffer[SERIAL_DESCRIPTOR_SIZE];
    for (int attempt = 0; attempt < SerialReadAttempts; ++attempt) {
        std::memset(buffer, 0, sizeof buffer);
        const int received
            = backend().getDescriptor(deviceHandle, USB_DT_STRING, index, 0, buffer, sizeof buffer);
        // A reply that is not a string descriptor holding the whole serial is no serial: taking
        // it would make controllers with garbage or blank serials look alike.
        constexpr int serialBytes = 2 + 2 * SERIAL_LENGTH;
        if (received < serialBytes || buffer[1] != USB_DT_STRING || buffer[0] < received)
            continue;
        QString serial(SERIAL_LENGTH, QChar());
        for (int i = 0; i < SERIAL_LENGTH; ++i)
            serial[i] = QChar(char16_t(buffer[2 + 2 * i] | (buffer[3 + 2 * i] << 8)));
        return serial;
    }
    return QString();
}

int t_threadUsbDevice::checkIdentity()
{
    u8 reply = 0;
    if (controlIn(REQ_PING, 0, 0, &reply, 1) != 1 || reply != IDENTITY_REPLY)
        return -1;
    return 0;
}

void t_threadUsbDevice::closeDevice()
{
    if (!isOpen())
        return;
    backend().releaseInterface(deviceHandle, KELVO_INTERFACE);
    backend().close(deviceHandle);
    deviceHandle = UsbHandle();
}

int t_threadUsbDevice::controlOut(int request, int value, int index, const u8 *data, int length)
{
    if (!isOpen() || (data && length > CONTROL_MAX_DATA))
        return -1;
    if (!data || length <= 0) {
        data = nullptr; // no data stage
        length = 0;
    }
    // An OUT transfer only reads the data; libusb's signature is not const.
    return backend().controlTransfer(deviceHandle, REQTYPE_VENDOR_OUT, u8(request), u16(value),
                                     u16(index), const_cast<u8 *>(data), u16(length),
                                     USB_TIMEOUT_MS);
}

int t_threadUsbDevice::controlIn(int request, int value, int index, u8 *buffer, int length)
{
    if (!isOpen() || !buffer || length <= 0 || length > CONTROL_MAX_DATA)
        return -1;
    return backend().controlTransfer(deviceHandle, REQTYPE_VENDOR_IN, u8(request), u16(value),
                                     u16(index), buffer, u16(length), USB_TIMEOUT_MS);
}

int t_threadUsbDevice::bulkWrite(const u8 *data, int length)
{
    if (!data || length <= 0 || !isOpen())
        return -1;
    return backend().bulkTransfer(deviceHandle, EP_BULK_OUT, const_cast<u8 *>(data), length,
                                  USB_TIMEOUT_MS);
}

int t_threadUsbDevice::bulkRead(u8 *buffer, int length)
{
    if (!buffer || length <= 0 || !isOpen())
        return -1;
    return backend().bulkTransfer(deviceHandle, EP_BULK_IN, buffer, length, USB_TIMEOUT_MS);
}

void t_threadUsbDevice::run()
{
    // Never runs: the program never starts this thread.
    for (;;)
        QThread::msleep(3000);
}
