#include "kelvo_controller_class.h"

#include "configclear.h"
#include "configlayout.h"
#include "device/kelvoprotocol.h"

#include <QDebug>

#include <new>

namespace {

std::unique_ptr<u8[]> allocateImage(std::size_t size)
{
    return std::unique_ptr<u8[]>(new (std::nothrow) u8[size]);
}

kelvo_controller_class::ImageAllocator imageAllocator = allocateImage;

} // namespace

void kelvo_controller_class::setImageAllocator(ImageAllocator allocator)
{
    imageAllocator = allocator ? allocator : allocateImage;
}

kelvo_controller_class::kelvo_controller_class(QObject *parent)
    : QObject(parent)
{
    usbDevice.setIds(KELVO_VENDOR_ID, KELVO_PRODUCT_ID);
    image = imageAllocator(ConfigLayout::ImageSize);
    if (!image) {
        qDebug("Not enough memory !");
        return;
    }
    ClearConfig(ClearFlags::All);
}

kelvo_controller_class::~kelvo_controller_class() = default;

void kelvo_controller_class::ClearConfig(u16 co)
{
    if (!image)
        return;
    clearImage(image.get(), co);
    if (co & ClearFlags::Remote)
        rcuAddrShown = ConfigLayout::RcuAddrUnknown;
}

void kelvo_controller_class::ClearConfig()
{
    ClearConfig(ClearFlags::All);
}
