#include "devicejobs.h"

#include "device/kelvoprotocol.h"

DeviceJobs::DeviceJobs(QObject *parent)
    : QObject(parent)
{
    usbDevice.setIds(KELVO_VENDOR_ID, KELVO_PRODUCT_ID);
}

DeviceJobs::~DeviceJobs() = default;
