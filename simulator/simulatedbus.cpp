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
    added.onBusChange = [this, &added](bool arrived) {
        busChanged(added, arrived);
    };
    if (position < 0 || position >= int(list.size()))
        list.push_back(std::move(controller));
    else
        list.insert(list.begin() + position, std::move(controller));
    busChanged(added, true);
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

int SimulatedBus::deadHandle(UsbHandle handle) const
{
    return handles.count(handle.value()) ? ErrorNoDevice : ErrorNotFound;
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

void SimulatedBus::init() { }

QList<UsbBackend::Device> SimulatedBus::enumerate()
{
    QList<Device> result;
    for (int i = 0; i < int(list.size()); ++i) {
        SimulatedController &c = *list[size_t(i)];
        if (c.enumerated())
            result.append({deviceId(i, c.generation()), c.vendorId, c.productId, c.iSerialNumber,
                           QStringLiteral("1-%1").arg(i + 1)}); // one port each on a root hub
    }
    return result;
}

QString SimulatedBus::describe(quint64 id) const
{
    const int position = int(id >> 32) - 1;
    if (position < 0 || position >= int(list.size()))
        return QString();
    return list[size_t(position)]->serialNumber();
}

UsbHandle SimulatedBus::open(quint64 id, int *error)
{
    const auto fails = [error](int why) {
        if (error)
            *error = why;
        return UsbHandle();
    };
    const int position = int(id >> 32) - 1;
    if (position < 0 || position >= int(list.size()))
        return fails(ErrorNotFound);
    SimulatedController &c = *list[size_t(position)];
    if (!c.isOnBus() || c.generation() != int(quint32(id)))
        return fails(ErrorNoDevice);
    if (c.faults.openFails)
        return fails(c.faults.openError);
    if (error)
        *error = 0;
    const UsbHandle handle(nextHandle++);
    handles.emplace(handle.value(), OpenHandle {&c, c.generation()});
    return handle;
}

int SimulatedBus::setConfiguration(UsbHandle handle, int configuration)
{
    SimulatedController *c = live(handle);
    if (!c)
        return deadHandle(handle);
    if (c->faults.claimedElsewhere || claimedByAnother(handle, *c))
        return ErrorBusy;
    if (c->faults.setConfigurationFails)
        return ErrorIo;
    return configuration == KELVO_CONFIGURATION ? 0 : ErrorNotFound;
}

int SimulatedBus::claimInterface(UsbHandle handle, int interfaceNumber)
{
    SimulatedController *c = live(handle);
    if (!c)
        return deadHandle(handle);
    if (c->faults.claimFails || c->faults.claimedElsewhere)
        return ErrorBusy;
    if (interfaceNumber != KELVO_INTERFACE)
        return ErrorNotFound;
    if (claimedByAnother(handle, *c))
        return ErrorBusy;
    handles[handle.value()].claimed = true;
    return 0;
}

bool SimulatedBus::claimedByAnother(UsbHandle handle, const SimulatedController &controller) const
{
    for (const auto &[id, open] : handles) {
        if (id != handle.value() && open.controller == &controller
            && open.generation == controller.generation() && open.claimed)
            return true;
    }
    return false;
}

int SimulatedBus::releaseInterface(UsbHandle handle, int interfaceNumber)
{
    if (!live(handle))
        return deadHandle(handle);
    OpenHandle &open = handles[handle.value()];
    if (!open.claimed || interfaceNumber != KELVO_INTERFACE)
        return ErrorNotFound;
    open.claimed = false;
    return 0;
}

int SimulatedBus::getDescriptor(UsbHandle handle, u8 type, u8 index, u16 languageId, u8 *buffer,
                                int length)
{
    spend(controlLatencyMs);
    SimulatedController *c = live(handle);
    if (!c)
        return deadHandle(handle);
    if (type != USB_DT_STRING || !buffer || length < 0)
        return ErrorPipe;
    return c->stringDescriptor(index, languageId, buffer, length);
}

int SimulatedBus::controlTransfer(UsbHandle handle, u8 requestType, u8 request, u16 value,
                                  u16 index, u8 *data, u16 length, unsigned)
{
    spend(controlLatencyMs);
    SimulatedController *c = live(handle);
    if (!c)
        return deadHandle(handle);
    if (length > 0 && !data)
        return ErrorInvalidParam;
    return c->controlTransfer(requestType, request, value, index, data, length);
}

int SimulatedBus::bulkTransfer(UsbHandle handle, u8 endpoint, u8 *data, int length, unsigned)
{
    spend(bulkLatencyMs);
    SimulatedController *c = live(handle);
    if (!c)
        return deadHandle(handle);
    return c->bulkTransfer(endpoint, data, length);
}

void SimulatedBus::close(UsbHandle handle)
{
    handles.erase(handle.value());
}

DeviceHolder SimulatedBus::holder(quint64 id) const
{
    const int position = int(id >> 32) - 1;
    if (position < 0 || position >= int(list.size()))
        return {};
    return list[size_t(position)]->faults.heldBy;
}

bool SimulatedBus::watchHotplug(u16 vendorId, u16 productId, HotplugHandler notify)
{
    hotplugNotify = std::move(notify);
    watchedVendor = vendorId;
    watchedProduct = productId;
    return bool(hotplugNotify);
}

void SimulatedBus::busChanged(SimulatedController &controller, bool arrived)
{
    if (!hotplugNotify || controller.vendorId != watchedVendor
        || controller.productId != watchedProduct)
        return;
    HotplugEvent event;
    event.kind = arrived ? HotplugEvent::Kind::Arrived : HotplugEvent::Kind::Left;
    event.device = controller.serialNumber();
    if (!arrived) {
        // Told just before it goes: the handles that are live now die with it.
        for (const auto &[id, open] : handles) {
            if (open.controller == &controller && open.generation == controller.generation())
                event.handles.append(UsbHandle(id));
        }
    }
    QMetaObject::invokeMethod(
        &events,
        [this, event] {
            if (hotplugNotify)
                hotplugNotify(event);
        },
        Qt::QueuedConnection);
}
