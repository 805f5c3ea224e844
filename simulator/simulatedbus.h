#pragma once

#include "device/usbbackend.h"
#include "simulatedcontroller.h"

#include <QObject>

#include <map>
#include <memory>
#include <vector>

// A USB bus with zero, one or several simulated controllers in a chosen order, as a UsbBackend.
// Each controller sits at its own port of bus 1, numbered in the bus order from 1 ("1-2").
// Controllers can be plugged and unplugged at any time; a controller that restarts leaves the bus
// and is listed again by a later enumeration. Wrap it in a LoggingBackend to see its traffic.
// Hot-plug is told through the event loop, as a real bus's is: a controller added or plugged in,
// unplugged, leaving to restart, or back at the enumeration that lists it again.
class SimulatedBus : public UsbBackend
{
public:
    SimulatedBus();
    ~SimulatedBus() override;

    // A new controller, plugged in at `position` of the bus order (-1: last). The bus owns it.
    SimulatedController &addController(const QString &serialNumber, int position = -1);
    QList<SimulatedController *> controllers() const;
    // The controller with this stored serial number, or null.
    SimulatedController *controller(const QString &serialNumber) const;
    void plug(SimulatedController &controller) { controller.plug(); }
    void unplug(SimulatedController &controller) { controller.unplug(); }

    int openHandles() const { return int(handles.size()); }

    // Timing model of a full-speed device: each transfer takes this long on Clock::current().
    // Waits that poll without pausing (learning an input or key) need it under a virtual clock, or
    // virtual time never moves.
    int controlLatencyMs = 0;
    int bulkLatencyMs = 0;

    void init() override;
    QList<Device> enumerate() override;
    // The serial number the controller reports.
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
    // The controller's Faults::heldBy.
    DeviceHolder holder(quint64 deviceId) const override;
    bool watchHotplug(u16 vendorId, u16 productId, HotplugHandler notify) override;

private:
    struct OpenHandle
    {
        SimulatedController *controller;
        int generation;
        bool claimed = false;
    };

    // The controller behind a handle while it is still on the bus, else null.
    SimulatedController *live(UsbHandle handle);
    // Whether a handle other than `handle` has claimed the controller's interface.
    bool claimedByAnother(UsbHandle handle, const SimulatedController &controller) const;
    // ErrorNoDevice for a handle whose controller left the bus, ErrorNotFound for an unknown one.
    int deadHandle(UsbHandle handle) const;
    void spend(int ms);
    void busChanged(SimulatedController &controller, bool arrived);

    std::vector<std::unique_ptr<SimulatedController>> list;
    std::map<quint64, OpenHandle> handles;
    quint64 nextHandle = 1;

    // The context of queued hot-plug events, which are dropped with it.
    QObject events;
    HotplugHandler hotplugNotify;
    u16 watchedVendor = 0;
    u16 watchedProduct = 0;
};
