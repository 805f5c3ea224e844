#include "kelvo_controller_class.h"

#include "common/debuglog.h"
#include "device/kelvoprotocol.h"
#include "model/configclear.h"
#include "model/configlayout.h"

kelvo_controller_class *controller = nullptr;

std::unique_ptr<u8[]> kelvo_controller_class::allocateImage(std::size_t size)
{
    return ConfigDocument::allocate(size);
}

kelvo_controller_class::kelvo_controller_class(ImageAllocator allocator, QObject *parent)
    : QObject(parent)
    , configDocument(allocator ? allocator : allocateImage) // cleared as after "Clear"
{
    usbDevice.setIds(KELVO_VENDOR_ID, KELVO_PRODUCT_ID);
    if (!configDocument.isValid())
        qCDebug(lcKelvo, "Not enough memory !");
}

kelvo_controller_class::~kelvo_controller_class() = default;

void kelvo_controller_class::showRcuAddressOfImage()
{
    if (configImage())
        rcuAddrShown = ConfigLayout::rcuAddressShown(configImage());
}

void kelvo_controller_class::ClearConfig(u16 co)
{
    configDocument.edit({ConfigEdit::Kind::Clear}, [co](u8 *image) { clearImage(image, co); });
    if (co & ClearFlags::Remote)
        rcuAddrShown = ConfigLayout::RcuAddrUnknown;
}

void kelvo_controller_class::ClearConfig()
{
    ClearConfig(ClearFlags::All);
}
