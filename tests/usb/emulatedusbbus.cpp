// GLib's headers first: Qt's keyword macros would break them (this file is also built with
// QT_NO_KEYWORDS).
#include <umockdev.h>

#include "emulatedusbbus.h"

#include <linux/ioctl.h>
#include <linux/usbdevice_fs.h>

#include <cerrno>
#include <cstring>
#include <deque>
#include <vector>

namespace {

constexpr int BusNumber = 1;
constexpr int FirstAddress = 2; // 1 is the root hub's
constexpr u8 ConfigurationValue = KELVO_CONFIGURATION;
constexpr u8 RequestGetDescriptor = 0x06;
constexpr u8 StandardDeviceIn = 0x80;
constexpr int SetupSize = 8;

// What the kernel reports for a full-speed device on a current host controller.
constexpr quint32 Capabilities = USBDEVFS_CAP_ZERO_PACKET | USBDEVFS_CAP_BULK_CONTINUATION
    | USBDEVFS_CAP_NO_PACKET_SIZE_LIM | USBDEVFS_CAP_REAP_AFTER_DISCONNECT;

// The URB status the kernel gives a transfer that ended as the simulator's result says.
int urbStatus(int result)
{
    switch (result) {
    case UsbBackend::ErrorPipe:
        return -EPIPE; // a stall
    case UsbBackend::ErrorOverflow:
        return -EOVERFLOW;
    case UsbBackend::ErrorNoDevice:
        return -ESHUTDOWN;
    default:
        return -EPROTO; // a bus error
    }
}

QByteArray descriptors(const SimulatedController &c)
{
    const u16 bcdDevice = u16(((c.version.major / 10) << 12) | ((c.version.major % 10) << 8)
                              | ((c.version.minor / 10) << 4) | (c.version.minor % 10));
    const u8 device[18] = {18,
                           1,
                           0x10,
                           0x01, // USB 1.1
                           0,
                           0,
                           0,
                           8, // vendor-specific at interface level, EP0 of 8 bytes
                           u8(c.vendorId),
                           u8(c.vendorId >> 8),
                           u8(c.productId),
                           u8(c.productId >> 8),
                           u8(bcdDevice),
                           u8(bcdDevice >> 8),
                           1,
                           2,
                           c.iSerialNumber,
                           1};
    const u8 configuration[32] = {
        9, 2,    32,
        0, 1,    ConfigurationValue,
        0, 0x80, 50, // bus powered, 100 mA
        9, 4,    KELVO_INTERFACE,
        0, 2,    0xFF,
        0, 0,    0, // vendor-specific, two endpoints
        7, 5,    EP_BULK_OUT,
        2, 64,   0,
        0, // bulk, 64-byte packets
        7, 5,    EP_BULK_IN,
        2, 64,   0,
        0,
    };
    return QByteArray(reinterpret_cast<const char *>(device), sizeof device)
        + QByteArray(reinterpret_cast<const char *>(configuration), sizeof configuration);
}

} // namespace

struct EmulatedUsbBus::Private
{
    struct Port;

    // One device node: a controller at one address. A controller that comes back gets a new one;
    // the old node stays attached and answers ENODEV, as the kernel does on a stale descriptor.
    struct Node
    {
        Private *bus = nullptr;
        Port *port = nullptr;
        int generation = 0;
        QString path;
        bool present = true;
        UMockdevIoctlBase *handler = nullptr;
        // URBs submitted and not yet reaped: finished ones in order, and those the device NAKs
        // until the host discards them.
        std::deque<std::pair<UMockdevIoctlData *, int>> finished;
        std::vector<std::pair<UMockdevIoctlData *, int>> pending;
        // The open file (umockdev's client, referenced) that claimed the interface, as the kernel
        // keeps it; the claim ends with a release or when that file is closed.
        UMockdevIoctlClient *claimedBy = nullptr;
    };

    struct Port
    {
        int number = 0;
        std::unique_ptr<SimulatedController> controller;
        QString sysPath; // empty while off the bus
        Node *node = nullptr;
    };

    UMockdevTestbed *testbed = nullptr;
    mutable std::mutex mutex;
    std::vector<std::unique_ptr<Port>> ports;
    std::vector<std::unique_ptr<Node>> nodes;
    int nextAddress = FirstAddress;
    QList<Urb> urbs;
    QStringList unknown;

    bool live(const Node &node) const
    {
        const SimulatedController &c = *node.port->controller;
        return node.present && c.isOnBus() && c.generation() == node.generation;
    }

    static gboolean handleIoctl(UMockdevIoctlBase *, UMockdevIoctlClient *client, gpointer data)
    {
        Node &node = *static_cast<Node *>(data);
        std::lock_guard guard(node.bus->mutex);
        node.bus->ioctl(node, client);
        return TRUE;
    }

    void ioctl(Node &node, UMockdevIoctlClient *client);
    void submit(Node &node, UMockdevIoctlClient *client, UMockdevIoctlData *arg);
    void reap(Node &node, UMockdevIoctlClient *client, UMockdevIoctlData *arg);
    void discard(Node &node, UMockdevIoctlClient *client, UMockdevIoctlData *arg);
    void finish(Node &node, UMockdevIoctlData *urbData, int record, int status, int actual);
    void killPending(Node &node);
    void add(Port &port);
};

void EmulatedUsbBus::Private::ioctl(Node &node, UMockdevIoctlClient *client)
{
    const gulong request = umockdev_ioctl_client_get_request(client);
    UMockdevIoctlData *arg = umockdev_ioctl_client_get_arg(client);
    SimulatedController &c = *node.port->controller;

    switch (request) {
    case USBDEVFS_GET_CAPABILITIES: {
        UMockdevIoctlData *caps = umockdev_ioctl_data_resolve(arg, 0, sizeof(quint32), nullptr);
        std::memcpy(caps->data, &Capabilities, sizeof Capabilities);
        umockdev_ioctl_data_unref(caps);
        umockdev_ioctl_client_complete(client, 0, 0);
        return;
    }
    case USBDEVFS_SETCONFIGURATION:
    case USBDEVFS_CLAIMINTERFACE:
    case USBDEVFS_RELEASEINTERFACE: {
        if (!live(node)) {
            umockdev_ioctl_client_complete(client, -1, ENODEV);
            return;
        }
        UMockdevIoctlData *number = umockdev_ioctl_data_resolve(arg, 0, sizeof(unsigned), nullptr);
        unsigned value = 0;
        std::memcpy(&value, number->data, sizeof value);
        umockdev_ioctl_data_unref(number);
        if (node.claimedBy && !umockdev_ioctl_client_get_connected(node.claimedBy)) {
            g_object_unref(node.claimedBy);
            node.claimedBy = nullptr;
        }
        // Another program's claim: Linux refuses both the configuration and the claim.
        const bool claimedElsewhere
            = c.faults.claimedElsewhere || (node.claimedBy && node.claimedBy != client);
        int error = 0;
        if (request == USBDEVFS_SETCONFIGURATION) {
            if (claimedElsewhere)
                error = EBUSY;
            else if (c.faults.setConfigurationFails)
                error = EIO;
            else if (value != ConfigurationValue)
                error = EINVAL;
        } else if (value != KELVO_INTERFACE) {
            error = ENOENT;
        } else if (request == USBDEVFS_CLAIMINTERFACE) {
            if (c.faults.claimFails || claimedElsewhere)
                error = EBUSY;
            else if (!node.claimedBy)
                node.claimedBy = static_cast<UMockdevIoctlClient *>(g_object_ref(client));
        } else if (node.claimedBy == client) {
            g_object_unref(node.claimedBy);
            node.claimedBy = nullptr;
        }
        umockdev_ioctl_client_complete(client, error ? -1 : 0, error);
        return;
    }
    case USBDEVFS_SUBMITURB:
        submit(node, client, arg);
        return;
    case USBDEVFS_REAPURB:
    case USBDEVFS_REAPURBNDELAY:
        reap(node, client, arg);
        return;
    case USBDEVFS_DISCARDURB:
        discard(node, client, arg);
        return;
    default:
        unknown.append(QStringLiteral("0x%1 on %2").arg(request, 0, 16).arg(node.path));
        umockdev_ioctl_client_complete(client, -1, ENOTTY);
        return;
    }
}

void EmulatedUsbBus::Private::submit(Node &node, UMockdevIoctlClient *client,
                                     UMockdevIoctlData *arg)
{
    UMockdevIoctlData *urbData = umockdev_ioctl_data_resolve(arg, 0, sizeof(usbdevfs_urb), nullptr);
    auto *urb = reinterpret_cast<usbdevfs_urb *>(urbData->data);
    const int bufferLength = urb->buffer_length;
    UMockdevIoctlData *bufferData = bufferLength > 0
        ? umockdev_ioctl_data_resolve(urbData, G_STRUCT_OFFSET(usbdevfs_urb, buffer),
                                      gsize(bufferLength), nullptr)
        : nullptr;
    u8 *buffer = bufferData ? bufferData->data : nullptr;

    Urb record;
    record.node = node.path;
    record.endpoint = urb->endpoint;
    record.bufferLength = bufferLength;
    SimulatedController &c = *node.port->controller;
    const bool present = live(node);
    int result = UsbBackend::ErrorInvalidParam;
    bool in = false;
    u8 *payload = buffer;

    if (urb->type == USBDEVFS_URB_TYPE_CONTROL && bufferLength >= SetupSize) {
        record.type = Urb::Type::Control;
        record.requestType = buffer[0];
        record.request = buffer[1];
        record.value = u16(buffer[2] | (buffer[3] << 8));
        record.index = u16(buffer[4] | (buffer[5] << 8));
        record.length = u16(buffer[6] | (buffer[7] << 8));
        in = record.requestType & 0x80;
        payload = buffer + SetupSize;
        if (record.length > bufferLength - SetupSize) {
            result = UsbBackend::ErrorInvalidParam;
        } else if (!present) {
            result = UsbBackend::ErrorNoDevice;
        } else if ((record.requestType & 0x60) == 0) {
            // Standard requests: the program only ever asks for string descriptors.
            if (record.requestType == StandardDeviceIn && record.request == RequestGetDescriptor
                && (record.value >> 8) == USB_DT_STRING)
                result = c.stringDescriptor(u8(record.value), record.index, payload, record.length);
            else
                result = UsbBackend::ErrorPipe;
        } else {
            if (!in)
                record.data = QByteArray(reinterpret_cast<const char *>(payload), record.length);
            result = c.controlTransfer(record.requestType, record.request, record.value,
                                       record.index, payload, record.length);
        }
    } else if (urb->type == USBDEVFS_URB_TYPE_BULK) {
        record.type = Urb::Type::Bulk;
        in = urb->endpoint & 0x80;
        if (!in && buffer)
            record.data = QByteArray(reinterpret_cast<const char *>(buffer), bufferLength);
        result = present ? c.bulkTransfer(urb->endpoint, buffer, bufferLength)
                         : int(UsbBackend::ErrorNoDevice);
    }
    if (bufferData)
        umockdev_ioctl_data_unref(bufferData);

    if (result == UsbBackend::ErrorNoDevice) {
        // Refused at submission, as the kernel refuses URBs for a device that is gone.
        urbs.append(record);
        urbs.last().status = -ENODEV;
        umockdev_ioctl_client_complete(client, -1, ENODEV);
        umockdev_ioctl_data_unref(urbData);
        return;
    }
    if (result == UsbBackend::ErrorInvalidParam || result == UsbBackend::ErrorNotSupported) {
        // Refused at submission, as the kernel refuses a malformed URB.
        urbs.append(record);
        urbs.last().status = -EINVAL;
        umockdev_ioctl_client_complete(client, -1, EINVAL);
        umockdev_ioctl_data_unref(urbData);
        return;
    }
    if (in && result > 0)
        record.data = QByteArray(reinterpret_cast<const char *>(payload), result);
    urbs.append(record);
    const int index = int(urbs.size()) - 1;
    if (result == UsbBackend::ErrorTimeout) {
        // The device NAKs: the URB stays on the bus until the host's time-out discards it.
        node.pending.emplace_back(urbData, index);
    } else if (result >= 0) {
        finish(node, urbData, index, 0, result);
    } else {
        finish(node, urbData, index, urbStatus(result), 0);
    }
    umockdev_ioctl_client_complete(client, 0, 0);
}

void EmulatedUsbBus::Private::finish(Node &node, UMockdevIoctlData *urbData, int record, int status,
                                     int actual)
{
    auto *urb = reinterpret_cast<usbdevfs_urb *>(urbData->data);
    urb->status = status;
    urb->actual_length = actual;
    urbs[record].status = status;
    urbs[record].actualLength = actual;
    node.finished.emplace_back(urbData, record);
}

void EmulatedUsbBus::Private::reap(Node &node, UMockdevIoctlClient *client, UMockdevIoctlData *arg)
{
    if (node.finished.empty()) {
        const bool gone = !live(node) && node.pending.empty();
        umockdev_ioctl_client_complete(client, -1, gone ? ENODEV : EAGAIN);
        return;
    }
    UMockdevIoctlData *urbData = node.finished.front().first;
    node.finished.pop_front();
    UMockdevIoctlData *pointer = umockdev_ioctl_data_resolve(arg, 0, sizeof(void *), nullptr);
    umockdev_ioctl_data_set_ptr(pointer, 0, urbData);
    umockdev_ioctl_data_unref(pointer);
    umockdev_ioctl_data_unref(urbData);
    umockdev_ioctl_client_complete(client, 0, 0);
}

void EmulatedUsbBus::Private::discard(Node &node, UMockdevIoctlClient *client,
                                      UMockdevIoctlData *arg)
{
    gulong address = 0;
    std::memcpy(&address, arg->data, sizeof address);
    for (auto it = node.pending.begin(); it != node.pending.end(); ++it) {
        if (it->first->client_addr == address) {
            const auto [urbData, record] = *it;
            node.pending.erase(it);
            urbs[record].discarded = true;
            finish(node, urbData, record, -ENOENT, 0);
            umockdev_ioctl_client_complete(client, 0, 0);
            return;
        }
    }
    umockdev_ioctl_client_complete(client, -1, EINVAL);
}

void EmulatedUsbBus::Private::killPending(Node &node)
{
    // The kernel ends what was on the bus when the device goes.
    while (!node.pending.empty()) {
        const auto [urbData, record] = node.pending.front();
        node.pending.erase(node.pending.begin());
        finish(node, urbData, record, -ESHUTDOWN, 0);
    }
}

void EmulatedUsbBus::Private::add(Port &port)
{
    auto node = std::make_unique<Node>();
    QByteArray descriptorBytes;
    u16 vendorId = 0;
    u16 productId = 0;
    int address = 0;
    {
        std::lock_guard guard(mutex);
        const SimulatedController &c = *port.controller;
        descriptorBytes = descriptors(c);
        vendorId = c.vendorId;
        productId = c.productId;
        node->generation = c.generation();
        address = nextAddress++;
    }
    const QString busDir = QString::asprintf("%03d", BusNumber);
    const QString addressText = QString::asprintf("%03d", address);
    const QString nodePath = QStringLiteral("/dev/bus/usb/%1/%2").arg(busDir, addressText);
    const QString sysPath
        = QStringLiteral("/sys/devices/usb%1/%1-%2").arg(BusNumber).arg(port.number);

    node->bus = this;
    node->port = &port;
    node->path = nodePath;
    node->handler = umockdev_ioctl_base_new();
    g_signal_connect(node->handler, "handle-ioctl", G_CALLBACK(handleIoctl), node.get());
    // The handler must be there before the device appears, or an early open finds no one.
    GError *error = nullptr;
    if (!umockdev_testbed_attach_ioctl(testbed, nodePath.toUtf8().constData(), node->handler,
                                       &error)) {
        qFatal("umockdev cannot attach to %s: %s", qPrintable(nodePath), error->message);
    }

    QString record;
    record += QStringLiteral("P: %1\n").arg(sysPath.mid(4)); // without /sys
    record += QStringLiteral("N: bus/usb/%1/%2\n").arg(busDir, addressText);
    record += QStringLiteral("E: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\nE: DRIVER=usb\n");
    record += QStringLiteral("E: DEVNAME=%1\n").arg(nodePath);
    record += QStringLiteral("E: BUSNUM=%1\nE: DEVNUM=%2\n").arg(busDir, addressText);
    record += QStringLiteral("A: busnum=%1\\n\nA: devnum=%2\\n\n").arg(BusNumber).arg(address);
    record += QStringLiteral("A: speed=12\\n\n");
    record += QStringLiteral("A: bConfigurationValue=%1\\n\n").arg(ConfigurationValue);
    record += QStringLiteral("A: idVendor=%1\\n\nA: idProduct=%2\\n\n")
                  .arg(vendorId, 4, 16, QLatin1Char('0'))
                  .arg(productId, 4, 16, QLatin1Char('0'));
    record
        += QStringLiteral("H: descriptors=%1\n").arg(QString::fromLatin1(descriptorBytes.toHex()));
    if (!umockdev_testbed_add_from_string(testbed, record.toUtf8().constData(), &error))
        qFatal("umockdev refused the device record: %s", error->message);

    std::lock_guard guard(mutex);
    port.sysPath = sysPath;
    port.node = node.get();
    nodes.push_back(std::move(node));
}

EmulatedUsbBus::EmulatedUsbBus()
    : d(std::make_unique<Private>())
{
    if (!preloaded())
        qFatal("EmulatedUsbBus needs umockdev's preload library (run under umockdev-wrapper)");
    d->testbed = umockdev_testbed_new();
}

EmulatedUsbBus::~EmulatedUsbBus()
{
    // The testbed first: it stops the handler thread before the nodes and URBs go.
    g_object_unref(d->testbed);
    for (const auto &node : d->nodes) {
        for (const auto &[urbData, record] : node->finished)
            umockdev_ioctl_data_unref(urbData);
        for (const auto &[urbData, record] : node->pending)
            umockdev_ioctl_data_unref(urbData);
        if (node->claimedBy)
            g_object_unref(node->claimedBy);
        g_object_unref(node->handler);
    }
}

bool EmulatedUsbBus::preloaded()
{
    return qEnvironmentVariable("LD_PRELOAD").contains(QLatin1String("libumockdev-preload"));
}

SimulatedController &EmulatedUsbBus::addController(const QString &serialNumber)
{
    std::lock_guard guard(d->mutex);
    auto port = std::make_unique<Private::Port>();
    port->number = int(d->ports.size()) + 1;
    port->controller = std::make_unique<SimulatedController>(serialNumber);
    SimulatedController &added = *port->controller;
    d->ports.push_back(std::move(port));
    return added;
}

void EmulatedUsbBus::sync()
{
    QList<QByteArray> leaving;
    std::vector<Private::Port *> arriving;
    {
        std::lock_guard guard(d->mutex);
        for (const auto &port : d->ports) {
            SimulatedController &c = *port->controller;
            Private::Node *node = port->node;
            if (node && node->present && (!c.isOnBus() || c.generation() != node->generation)) {
                node->present = false;
                d->killPending(*node);
                leaving.append(port->sysPath.toUtf8());
                port->sysPath.clear();
            }
            // Counted as an enumeration it was absent from, as on the simulated bus: one that
            // restarts may be back at once, at a new address.
            if (!port->node || !port->node->present) {
                if (c.enumerated())
                    arriving.push_back(port.get());
            }
        }
    }
    // umockdev's calls outside the lock: they may wait for its thread, which may wait for it.
    for (const QByteArray &path : leaving) {
        umockdev_testbed_uevent(d->testbed, path.constData(), "remove");
        umockdev_testbed_remove_device(d->testbed, path.constData());
    }
    for (Private::Port *port : arriving)
        d->add(*port);
}

QString EmulatedUsbBus::node(const SimulatedController &controller) const
{
    std::lock_guard guard(d->mutex);
    for (const auto &port : d->ports) {
        if (port->controller.get() == &controller && port->node && port->node->present)
            return port->node->path;
    }
    return QString();
}

int EmulatedUsbBus::arrivals() const
{
    std::lock_guard guard(d->mutex);
    return int(d->nodes.size()); // a node for each arrival
}

std::mutex &EmulatedUsbBus::lock() const
{
    return d->mutex;
}

QList<EmulatedUsbBus::Urb> EmulatedUsbBus::urbs() const
{
    std::lock_guard guard(d->mutex);
    return d->urbs;
}

void EmulatedUsbBus::clearUrbs()
{
    std::lock_guard guard(d->mutex);
    d->urbs.clear();
}

QStringList EmulatedUsbBus::unknownIoctls() const
{
    std::lock_guard guard(d->mutex);
    return d->unknown;
}
