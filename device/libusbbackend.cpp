#include "libusbbackend.h"

#include <libusb.h>

#include <QObject>
#include <QSocketNotifier>

#include <poll.h>

#include <algorithm>
#include <map>
#include <tuple>
#include <vector>

static_assert(int(UsbBackend::ErrorInvalidParam) == int(LIBUSB_ERROR_INVALID_PARAM));
static_assert(int(UsbBackend::ErrorAccess) == int(LIBUSB_ERROR_ACCESS));
static_assert(int(UsbBackend::ErrorNotFound) == int(LIBUSB_ERROR_NOT_FOUND));
static_assert(int(UsbBackend::ErrorBusy) == int(LIBUSB_ERROR_BUSY));
static_assert(int(UsbBackend::ErrorOverflow) == int(LIBUSB_ERROR_OVERFLOW));
static_assert(int(UsbBackend::ErrorIo) == int(LIBUSB_ERROR_IO));
static_assert(int(UsbBackend::ErrorNoDevice) == int(LIBUSB_ERROR_NO_DEVICE));
static_assert(int(UsbBackend::ErrorTimeout) == int(LIBUSB_ERROR_TIMEOUT));
static_assert(int(UsbBackend::ErrorPipe) == int(LIBUSB_ERROR_PIPE));
static_assert(int(UsbBackend::ErrorNotSupported) == int(LIBUSB_ERROR_NOT_SUPPORTED));
static_assert(int(UsbBackend::ErrorOther) == int(LIBUSB_ERROR_OTHER));

namespace {

// GET_DESCRIPTOR as libusb 0.1's usb_get_descriptor sent it.
constexpr unsigned DescriptorTimeoutMs = 1000;

struct ContextExit
{
    void operator()(libusb_context *context) const { libusb_exit(context); }
};
struct DeviceUnref
{
    void operator()(libusb_device *device) const { libusb_unref_device(device); }
};
struct HandleClose
{
    void operator()(libusb_device_handle *handle) const { libusb_close(handle); }
};

QString portPath(libusb_device *device)
{
    u8 ports[8]; // the deepest tree USB allows
    const int depth = libusb_get_port_numbers(device, ports, int(sizeof ports));
    QString path = QString::number(libusb_get_bus_number(device));
    for (int i = 0; i < depth; ++i)
        path += (i == 0 ? QLatin1Char('-') : QLatin1Char('.')) + QString::number(ports[i]);
    return path;
}

// What the system answers where another program holds the device. Linux says BUSY; elsewhere a
// device opened or claimed exclusively by another program answers ACCESS, which on Linux only
// means missing permission.
int heldElsewhere(int result)
{
#ifndef Q_OS_LINUX
    if (result == LIBUSB_ERROR_ACCESS)
        return LIBUSB_ERROR_BUSY;
#endif
    return result;
}

QString deviceName(libusb_device *device)
{
    return QStringLiteral("bus %1 address %2")
        .arg(libusb_get_bus_number(device))
        .arg(libusb_get_device_address(device));
}

} // namespace

struct LibusbBackend::Private
{
    // Declared first so that it is destroyed last, after every device and handle.
    std::unique_ptr<libusb_context, ContextExit> context;
    // The devices of the last enumeration, held by a reference each. An id is the enumeration's
    // number in the high half and index + 1 in the low half, so an old id opens nothing.
    std::vector<std::unique_ptr<libusb_device, DeviceUnref>> devices;
    quint32 enumeration = 0;
    std::map<quint64, std::unique_ptr<libusb_device_handle, HandleClose>> handles;
    quint64 nextHandle = 1;

    libusb_device *device(quint64 deviceId) const
    {
        const quint64 index = deviceId & 0xFFFFFFFFu;
        if (deviceId >> 32 != enumeration || index == 0 || index > devices.size())
            return nullptr;
        return devices[index - 1].get();
    }

    libusb_device_handle *find(UsbHandle handle) const
    {
        const auto it = handles.find(handle.value());
        return it == handles.end() ? nullptr : it->second.get();
    }

    // Hot-plug, while watched. `events` owns the socket notifiers and is the context of the
    // queued notifications, which are dropped with it.
    QObject events;
    HotplugHandler notify;
    bool hotplugRegistered = false;
    libusb_hotplug_callback_handle hotplugHandle {};
    u16 watchedVendor = 0;
    u16 watchedProduct = 0;
    std::multimap<int, QSocketNotifier *> notifiers;

    void stopHotplug();
    void watchDescriptor(int fd, short pollEvents);
    void unwatchDescriptor(int fd);
    void deviceArrivedOrLeft(libusb_device *device, libusb_hotplug_event event);

    static int LIBUSB_CALL hotplugCallback(libusb_context *, libusb_device *device,
                                           libusb_hotplug_event event, void *self)
    {
        static_cast<Private *>(self)->deviceArrivedOrLeft(device, event);
        return 0; // stay registered
    }
    static void LIBUSB_CALL descriptorAdded(int fd, short pollEvents, void *self)
    {
        static_cast<Private *>(self)->watchDescriptor(fd, pollEvents);
    }
    static void LIBUSB_CALL descriptorRemoved(int fd, void *self)
    {
        static_cast<Private *>(self)->unwatchDescriptor(fd);
    }
};

void LibusbBackend::Private::watchDescriptor(int fd, short pollEvents)
{
    const auto watch = [&](QSocketNotifier::Type type) {
        auto *notifier = new QSocketNotifier(fd, type, &events);
        // Never blocks: only what is ready is handled, hot-plug callbacks included.
        QObject::connect(notifier, &QSocketNotifier::activated, &events, [this] {
            timeval zero {0, 0};
            libusb_handle_events_timeout_completed(context.get(), &zero, nullptr);
        });
        notifiers.emplace(fd, notifier);
    };
    if (pollEvents & POLLIN)
        watch(QSocketNotifier::Read);
    if (pollEvents & POLLOUT)
        watch(QSocketNotifier::Write);
}

void LibusbBackend::Private::unwatchDescriptor(int fd)
{
    const auto [first, last] = notifiers.equal_range(fd);
    for (auto it = first; it != last; ++it) {
        // Maybe inside its own activation; the descriptor number may come back at once.
        it->second->setEnabled(false);
        it->second->deleteLater();
    }
    notifiers.erase(first, last);
}

void LibusbBackend::Private::stopHotplug()
{
    notify = nullptr;
    if (!hotplugRegistered)
        return;
    libusb_hotplug_deregister_callback(context.get(), hotplugHandle);
    libusb_set_pollfd_notifiers(context.get(), nullptr, nullptr, nullptr);
    for (const auto &[fd, notifier] : notifiers)
        delete notifier;
    notifiers.clear();
    hotplugRegistered = false;
}

void LibusbBackend::Private::deviceArrivedOrLeft(libusb_device *device, libusb_hotplug_event event)
{
    HotplugEvent e;
    e.kind = event == LIBUSB_HOTPLUG_EVENT_DEVICE_LEFT ? HotplugEvent::Kind::Left
                                                       : HotplugEvent::Kind::Arrived;
    e.device = deviceName(device);
    if (e.kind == HotplugEvent::Kind::Left) {
        for (const auto &[id, handle] : handles) {
            if (libusb_get_device(handle.get()) == device)
                e.handles.append(UsbHandle(id));
        }
    }
    // This runs inside the library's event handling, perhaps in the middle of a transfer.
    QMetaObject::invokeMethod(
        &events,
        [this, e] {
            if (notify)
                notify(e);
        },
        Qt::QueuedConnection);
}

LibusbBackend::LibusbBackend()
    : d(std::make_unique<Private>())
{ }

LibusbBackend::~LibusbBackend()
{
    d->stopHotplug();
}

bool LibusbBackend::isAvailable() const
{
    return d->context != nullptr;
}

void LibusbBackend::init()
{
    if (d->context)
        return;
    libusb_context *context = nullptr;
    if (libusb_init(&context) == LIBUSB_SUCCESS)
        d->context.reset(context);
}

QList<UsbBackend::Device> LibusbBackend::enumerate()
{
    d->devices.clear();
    ++d->enumeration;
    init();
    if (!d->context)
        return {};

    libusb_device **list = nullptr;
    const ssize_t count = libusb_get_device_list(d->context.get(), &list);
    if (count < 0)
        return {};

    struct Found
    {
        u8 bus;
        u8 address;
        libusb_device *device;
        libusb_device_descriptor descriptor;
    };
    std::vector<Found> found;
    for (ssize_t i = 0; i < count; ++i) {
        libusb_device_descriptor descriptor {};
        if (libusb_get_device_descriptor(list[i], &descriptor) != LIBUSB_SUCCESS)
            continue;
        found.push_back({libusb_get_bus_number(list[i]), libusb_get_device_address(list[i]),
                         libusb_ref_device(list[i]), descriptor});
    }
    libusb_free_device_list(list, 1);

    // libusb-1.0 does not promise an order; 0.1 walked the buses and their devices in order.
    std::stable_sort(found.begin(), found.end(), [](const Found &a, const Found &b) {
        return std::tie(a.bus, a.address) < std::tie(b.bus, b.address);
    });

    QList<Device> result;
    for (const Found &f : found) {
        d->devices.emplace_back(f.device);
        const quint64 id = (quint64(d->enumeration) << 32) | quint64(d->devices.size());
        result.append({id, f.descriptor.idVendor, f.descriptor.idProduct,
                       f.descriptor.iSerialNumber, portPath(f.device)});
    }
    return result;
}

QString LibusbBackend::describe(quint64 deviceId) const
{
    libusb_device *device = d->device(deviceId);
    return device ? deviceName(device) : QString();
}

UsbHandle LibusbBackend::open(quint64 deviceId, int *error)
{
    libusb_device *device = d->device(deviceId);
    libusb_device_handle *raw = nullptr;
    const int result = device ? heldElsewhere(libusb_open(device, &raw)) : int(ErrorNotFound);
    if (error)
        *error = result == LIBUSB_SUCCESS && !raw ? int(ErrorOther) : result;
    if (result != LIBUSB_SUCCESS || !raw)
        return {};
    const quint64 id = d->nextHandle++;
    d->handles.emplace(id, raw);
    return UsbHandle(id);
}

int LibusbBackend::setConfiguration(UsbHandle handle, int configuration)
{
    libusb_device_handle *raw = d->find(handle);
    return raw ? libusb_set_configuration(raw, configuration) : ErrorNotFound;
}

int LibusbBackend::claimInterface(UsbHandle handle, int interfaceNumber)
{
    libusb_device_handle *raw = d->find(handle);
    return raw ? heldElsewhere(libusb_claim_interface(raw, interfaceNumber)) : ErrorNotFound;
}

int LibusbBackend::releaseInterface(UsbHandle handle, int interfaceNumber)
{
    libusb_device_handle *raw = d->find(handle);
    return raw ? libusb_release_interface(raw, interfaceNumber) : ErrorNotFound;
}

int LibusbBackend::getDescriptor(UsbHandle handle, u8 type, u8 index, u16 languageId, u8 *buffer,
                                 int length)
{
    libusb_device_handle *raw = d->find(handle);
    if (!raw)
        return ErrorNotFound;
    if (!buffer || length < 0 || length > 0xFFFF)
        return ErrorInvalidParam;
    return libusb_control_transfer(raw, LIBUSB_ENDPOINT_IN, LIBUSB_REQUEST_GET_DESCRIPTOR,
                                   u16((type << 8) | index), languageId, buffer, u16(length),
                                   DescriptorTimeoutMs);
}

int LibusbBackend::controlTransfer(UsbHandle handle, u8 requestType, u8 request, u16 value,
                                   u16 index, u8 *data, u16 length, unsigned timeoutMs)
{
    libusb_device_handle *raw = d->find(handle);
    if (!raw)
        return ErrorNotFound;
    return libusb_control_transfer(raw, requestType, request, value, index, data, length,
                                   timeoutMs);
}

int LibusbBackend::bulkTransfer(UsbHandle handle, u8 endpoint, u8 *data, int length,
                                unsigned timeoutMs)
{
    libusb_device_handle *raw = d->find(handle);
    if (!raw)
        return ErrorNotFound;
    int transferred = 0;
    const int result = libusb_bulk_transfer(raw, endpoint, data, length, &transferred, timeoutMs);
    if (result == LIBUSB_SUCCESS || (result == LIBUSB_ERROR_TIMEOUT && transferred > 0))
        return transferred;
    return result;
}

void LibusbBackend::close(UsbHandle handle)
{
    d->handles.erase(handle.value());
}

DeviceHolder LibusbBackend::holder(quint64 deviceId) const
{
    libusb_device *device = d->device(deviceId);
    if (!device)
        return {};
    return DeviceHolder::of(QString::asprintf("/dev/bus/usb/%03d/%03d",
                                              libusb_get_bus_number(device),
                                              libusb_get_device_address(device)));
}

bool LibusbBackend::watchHotplug(u16 vendorId, u16 productId, HotplugHandler notify)
{
    if (!notify) {
        d->stopHotplug();
        return false;
    }
    init();
    if (!d->context || !libusb_has_capability(LIBUSB_CAP_HAS_HOTPLUG))
        return false;
    if (d->hotplugRegistered && vendorId == d->watchedVendor && productId == d->watchedProduct) {
        d->notify = std::move(notify);
        return true;
    }
    d->stopHotplug();
    libusb_context *context = d->context.get();
    if (libusb_hotplug_register_callback(
            context, LIBUSB_HOTPLUG_EVENT_DEVICE_ARRIVED | LIBUSB_HOTPLUG_EVENT_DEVICE_LEFT, 0,
            vendorId, productId, LIBUSB_HOTPLUG_MATCH_ANY, &Private::hotplugCallback, d.get(),
            &d->hotplugHandle)
        != LIBUSB_SUCCESS)
        return false;
    d->hotplugRegistered = true;
    d->watchedVendor = vendorId;
    d->watchedProduct = productId;
    d->notify = std::move(notify);
    // No timer: the program's transfers are synchronous and each handles its own time-out.
    libusb_set_pollfd_notifiers(context, &Private::descriptorAdded, &Private::descriptorRemoved,
                                d.get());
    const libusb_pollfd **descriptors = libusb_get_pollfds(context);
    for (int i = 0; descriptors && descriptors[i]; ++i)
        d->watchDescriptor(descriptors[i]->fd, descriptors[i]->events);
    libusb_free_pollfds(descriptors);
    return true;
}
