#include "loggingbackend.h"

#include "common/clock.h"

Q_LOGGING_CATEGORY(lcUsb, "kelvodesk.usb", QtInfoMsg)

namespace {

QByteArray copied(const u8 *data, int size)
{
    return data && size > 0 ? QByteArray(reinterpret_cast<const char *>(data), size) : QByteArray();
}

} // namespace

Transaction LoggingBackend::entry(Transaction::Kind kind, UsbHandle handle) const
{
    Transaction t;
    t.kind = kind;
    t.handle = handle.value();
    t.time = Clock::current().now();
    const auto it = openDevices.find(handle.value());
    if (it != openDevices.end())
        t.device = it->second;
    return t;
}

void LoggingBackend::append(const Transaction &transaction)
{
    qCDebug(lcUsb).noquote() << transaction.toString();
    transactionLog.append(transaction);
}

void LoggingBackend::init()
{
    const Transaction t = entry(Transaction::Kind::Init, {});
    inner->init();
    append(t);
}

QList<UsbBackend::Device> LoggingBackend::enumerate()
{
    Transaction t = entry(Transaction::Kind::Enumerate, {});
    const QList<Device> devices = inner->enumerate();
    t.result = int(devices.size());
    append(t);
    return devices;
}

QString LoggingBackend::describe(quint64 deviceId) const
{
    return inner->describe(deviceId);
}

UsbHandle LoggingBackend::open(quint64 deviceId, int *error)
{
    Transaction t = entry(Transaction::Kind::Open, {});
    t.device = inner->describe(deviceId);
    int result = ErrorOther;
    const UsbHandle handle = inner->open(deviceId, &result);
    if (handle)
        openDevices[handle.value()] = t.device;
    t.handle = handle.value();
    t.result = handle ? 0 : result;
    if (error)
        *error = t.result;
    append(t);
    return handle;
}

int LoggingBackend::setConfiguration(UsbHandle handle, int configuration)
{
    Transaction t = entry(Transaction::Kind::SetConfiguration, handle);
    t.value = u16(configuration);
    t.result = inner->setConfiguration(handle, configuration);
    append(t);
    return t.result;
}

int LoggingBackend::claimInterface(UsbHandle handle, int interfaceNumber)
{
    Transaction t = entry(Transaction::Kind::ClaimInterface, handle);
    t.index = u16(interfaceNumber);
    t.result = inner->claimInterface(handle, interfaceNumber);
    append(t);
    return t.result;
}

int LoggingBackend::releaseInterface(UsbHandle handle, int interfaceNumber)
{
    Transaction t = entry(Transaction::Kind::ReleaseInterface, handle);
    t.index = u16(interfaceNumber);
    t.result = inner->releaseInterface(handle, interfaceNumber);
    append(t);
    return t.result;
}

int LoggingBackend::getDescriptor(UsbHandle handle, u8 type, u8 index, u16 languageId, u8 *buffer,
                                  int length)
{
    Transaction t = entry(Transaction::Kind::GetDescriptor, handle);
    t.requestType = 0x80;
    t.request = 0x06; // GET_DESCRIPTOR
    t.value = u16((type << 8) | index);
    t.index = languageId;
    t.length = length;
    t.result = inner->getDescriptor(handle, type, index, languageId, buffer, length);
    t.data = copied(buffer, qMin(t.result, length));
    append(t);
    return t.result;
}

int LoggingBackend::controlTransfer(UsbHandle handle, u8 requestType, u8 request, u16 value,
                                    u16 index, u8 *data, u16 length, unsigned timeoutMs)
{
    Transaction t = entry(Transaction::Kind::Control, handle);
    t.requestType = requestType;
    t.request = request;
    t.value = value;
    t.index = index;
    t.length = length;
    t.timeoutMs = timeoutMs;
    const bool in = requestType & 0x80;
    if (!in)
        t.data = copied(data, length);
    t.result = inner->controlTransfer(handle, requestType, request, value, index, data, length,
                                      timeoutMs);
    if (in)
        t.data = copied(data, qMin(t.result, int(length)));
    append(t);
    return t.result;
}

int LoggingBackend::bulkTransfer(UsbHandle handle, u8 endpoint, u8 *data, int length,
                                 unsigned timeoutMs)
{
    Transaction t = entry(Transaction::Kind::Bulk, handle);
    t.endpoint = endpoint;
    t.length = length;
    t.timeoutMs = timeoutMs;
    t.result = inner->bulkTransfer(handle, endpoint, data, length, timeoutMs);
    // IN: what arrived; OUT: what was offered.
    t.data = copied(data, (endpoint & 0x80) ? qMin(t.result, length) : length);
    append(t);
    return t.result;
}

void LoggingBackend::close(UsbHandle handle)
{
    Transaction t = entry(Transaction::Kind::Close, handle);
    inner->close(handle);
    t.result = openDevices.erase(handle.value()) ? 0 : ErrorNotFound;
    append(t);
}

DeviceHolder LoggingBackend::holder(quint64 deviceId) const
{
    return inner->holder(deviceId);
}

bool LoggingBackend::watchHotplug(u16 vendorId, u16 productId, HotplugHandler notify)
{
    if (!inner)
        return false;
    if (!notify)
        return inner->watchHotplug(vendorId, productId, nullptr);
    return inner->watchHotplug(
        vendorId, productId, [notify = std::move(notify)](const HotplugEvent &event) {
            qCDebug(lcUsb).noquote()
                << QStringLiteral("%1 %2 %3")
                       .arg(Clock::current().now(), 6)
                       .arg(event.kind == HotplugEvent::Kind::Arrived ? QLatin1String("arrived")
                                                                      : QLatin1String("left"),
                            event.device);
            notify(event);
        });
}
