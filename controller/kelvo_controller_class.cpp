#include "kelvo_controller_class.h"

#include "common/debuglog.h"
#include "device/kelvoprotocol.h"
#include "model/configclear.h"
#include "model/configlayout.h"

#include <new>

kelvo_controller_class *controller = nullptr;

std::unique_ptr<u8[]> kelvo_controller_class::allocateImage(std::size_t size)
{
    return std::unique_ptr<u8[]>(new (std::nothrow) u8[size]);
}

kelvo_controller_class::kelvo_controller_class(ImageAllocator allocator, QObject *parent)
    : QObject(parent)
{
    usbDevice.setIds(KELVO_VENDOR_ID, KELVO_PRODUCT_ID);
    image = (allocator ? allocator : allocateImage)(ConfigLayout::ImageSize);
    if (!image) {
        qCDebug(lcKelvo, "Not enough memory !");
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
