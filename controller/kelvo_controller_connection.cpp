// Connecting and disconnecting. Connecting so far only finds and opens the controller; the
// serial number and version labels and the reconnect dialog are still to come.

#include "kelvo_controller_class.h"

#include "device/kelvoprotocol.h"

void kelvo_controller_class::setConnection(bool connection)
{
    if (!connection) {
        usbDevice.controlOut(REQ_SET_MODE, MODE_NORMAL, 0, nullptr, 0); // result ignored
        usbDevice.closeDevice();
        usbDevice.reinit();
        connected = 0;
        requestedMode = RequestedNone;
        deviceMode = 0;
        emit setConnectionStatus(false);
        return;
    }
    connected = usbDevice.findDevice() == 0 ? 1 : 0;
    emit setConnectionStatus(connected != 0);
}
