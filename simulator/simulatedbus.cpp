#include "simulatedbus.h"

#include "common/clock.h"

#include <cstring>

namespace {

// Device ids carry the controller's bus generation, so an id from before a restart is dead.
quint64 deviceId(int position, int generation)
{
    return (quint64(position + 1) << 32) | quint32(generation);
}

} // namespace

SimulatedBus::SimulatedBus() = default;
SimulatedBus::~SimulatedBus() = default;

SimulatedController &SimulatedBus::addController(const QString &serialNumber, int position)
{
    auto controller = std::make_unique<SimulatedController>(serialNumber);
    SimulatedController &added = *controller;
    if (position < 0 || position >= int(list.size()))
        list.push_back(std::move(controller));
    else
        list.insert(list.begin() + position, std::move(controller));
    return added;
}

QList<SimulatedController *> SimulatedBus::controllers() const
{
    QList<SimulatedController *> result;
    for (const auto &controller : list)
        result.append(controller.get());
    return result;
}

SimulatedController *SimulatedBus::controller(const QString &serialNumber) const
{
    for (const auto &controller : list)
        if (controller->storedSerialNumber() == serialNumber)
            return controller.get();
    return nullptr;
}

Transaction SimulatedBus::entry(Transaction::Kind kind, UsbHandle handle) const
{
    Transaction t;
    t.kind = kind;
    t.handle = handle.value();
    t.time = Clock::current().now();
    const auto it = handles.find(handle.value());
    if (it != handles.end())
        t.serial = it->second.controller->serialNumber();
    return t;
}

SimulatedController *SimulatedBus::live(UsbHandle handle)
{
    const auto it = handles.find(handle.value());
    if (it == handles.end())
        return nullptr;
    SimulatedController *controller = it->second.controller;
    if (!controller->isOnBus() || controller->generation() != it->second.generation)
        return nullptr;
    return controller;
}

void SimulatedBus::spend(int ms)
{
    if (ms > 0)
        Clock::current().sleep(ms);
}

void SimulatedBus::init()
{
    transactionLog.append(entry(Transaction::Kind::Init, {}));
}

QList<UsbBackend::Device> SimulatedBus::enumerate()
{
    QList<Device> result;
    for (int i = 0; i < int(list.size()); ++i) {
        SimulatedController &c = *list[size_t(i)];
        if (c.enumerated())
            result.append({deviceId(i, c.generation()), c.vendorId, c.productId, c.iSerialNumber});
    }
    Transaction t = entry(Transaction::Kind::Enumerate, {});
    t.result = int(result.size());
    transactionLog.append(t);
    return result;
}

UsbHandle SimulatedBus::open(quint64 id)
{
    Transaction t = entry(Transaction::Kind::Open, {});
    const int position = int(id >> 32) - 1;
    UsbHandle handle;
    if (position >= 0 && position < int(list.size())) {
        SimulatedController &c = *list[size_t(position)];
        t.serial = c.serialNumber();
        if (c.isOnBus() && c.generation() == int(quint32(id)) && !c.faults.openFails) {
            handle = UsbHandle(nextHandle++);
            handles.emplace(handle.value(), OpenHandle {&c, c.generation()});
        }
    }
    t.handle = handle.value();
    t.result = handle ? 0 : ErrorNoDevice;
    transactionLog.append(t);
    return handle;
}

int SimulatedBus::setConfiguration(UsbHandle handle, int configuration)
{
    Transaction t = entry(Transaction::Kind::SetConfiguration, handle);
    t.value = u16(configuration);
    SimulatedController *c = live(handle);
    if (!c)
        t.result = handles.count(handle.value()) ? ErrorNoDevice : ErrorNotFound;
    else if (c->faults.setConfigurationFails)
        t.result = ErrorIo;
    else
        t.result = configuration == KELVO_CONFIGURATION ? 0 : ErrorNotFound;
    transactionLog.append(t);
    return t.result;
}

int SimulatedBus::claimInterface(UsbHandle handle, int interfaceNumber)
{
    Transaction t = entry(Transaction::Kind::ClaimInterface, handle);
    t.index = u16(interfaceNumber);
    SimulatedController *c = live(handle);
    if (!c) {
        t.result = handles.count(handle.value()) ? ErrorNoDevice : ErrorNotFound;
    } else if (c->faults.claimFails) {
        t.result = ErrorBusy;
    } else if (interfaceNumber != KELVO_INTERFACE) {
        t.result = ErrorNotFound;
    } else {
        bool taken = false;
        for (const auto &[id, open] : handles)
            taken |= id != handle.value() && open.controller == c
                && open.generation == c->generation() && open.claimed;
        t.result = taken ? ErrorBusy : 0;
        if (!taken)
            handles[handle.value()].claimed = true;
    }
    transactionLog.append(t);
    return t.result;
}

int SimulatedBus::releaseInterface(UsbHandle handle, int interfaceNumber)
{
    Transaction t = entry(Transaction::Kind::ReleaseInterface, handle);
    t.index = u16(interfaceNumber);
    const auto it = handles.find(handle.value());
    if (it == handles.end())
        t.result = ErrorNotFound;
    else if (!live(handle))
        t.result = ErrorNoDevice;
    else if (!it->second.claimed || interfaceNumber != KELVO_INTERFACE)
        t.result = ErrorNotFound;
    else
        it->second.claimed = false;
    transactionLog.append(t);
    return t.result;
}

int SimulatedBus::getDescriptor(UsbHandle handle, u8 type, u8 index, u16 languageId, u8 *buffer,
                                int length)
{
    Transaction t = entry(Transaction::Kind::GetDescriptor, handle);
    t.requestType = 0x80;
    t.request = 0x06; // GET_DESCRIPTOR
    t.value = u16((type << 8) | index);
    t.index = languageId;
    t.length = length;
    spend(controlLatencyMs);
    SimulatedController *c = live(handle);
    if (!c)
        t.result = handles.count(handle.value()) ? ErrorNoDevice : ErrorNotFound;
    else if (type != USB_DT_STRING || !buffer || length < 0)
        t.result = ErrorPipe;
    else
        t.result = c->stringDescriptor(index, languageId, buffer, length);
    if (t.result > 0)
        t.data = QByteArray(reinterpret_cast<const char *>(buffer), t.result);
    transactionLog.append(t);
    return t.result;
}

int SimulatedBus::controlTransfer(UsbHandle handle, u8 requestType, u8 request, u16 value,
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
    if (!in && data && length > 0)
        t.data = QByteArray(reinterpret_cast<const char *>(data), length);
    spend(controlLatencyMs);
    SimulatedController *c = live(handle);
    if (!c)
        t.result = handles.count(handle.value()) ? ErrorNoDevice : ErrorNotFound;
    else if (length > 0 && !data)
        t.result = ErrorInvalidParam;
    else
        t.result = c->controlTransfer(requestType, request, value, index, data, length);
    if (in && t.result > 0)
        t.data = QByteArray(reinterpret_cast<const char *>(data), t.result);
    transactionLog.append(t);
    return t.result;
}

int SimulatedBus::bulkTransfer(UsbHandle handle, u8 endpoint, u8 *data, int length,
                               unsigned timeoutMs)
{
    Transaction t = entry(Transaction::Kind::Bulk, handle);
    t.endpoint = endpoint;
    t.length = length;
    t.timeoutMs = timeoutMs;
    const bool in = endpoint & 0x80;
    spend(bulkLatencyMs);
    SimulatedController *c = live(handle);
    if (!c)
        t.result = handles.count(handle.value()) ? ErrorNoDevice : ErrorNotFound;
    else
        t.result = c->bulkTransfer(endpoint, data, length);
    const int logged = in ? t.result : length; // IN: what arrived; OUT: what was offered
    if (data && logged > 0)
        t.data = QByteArray(reinterpret_cast<const char *>(data), logged);
    transactionLog.append(t);
    return t.result;
}

void SimulatedBus::close(UsbHandle handle)
{
    Transaction t = entry(Transaction::Kind::Close, handle);
    t.result = handles.erase(handle.value()) ? 0 : ErrorNotFound;
    transactionLog.append(t);
}
