#include "configdocument.h"

#include "configclear.h"
#include "configlayout.h"

#include <cstdint>
#include <cstring>
#include <new>

using ConfigLayout::ImageSize;

std::unique_ptr<u8[]> ConfigDocument::allocate(std::size_t size)
{
    return std::unique_ptr<u8[]>(new (std::nothrow) u8[size]);
}

ConfigDocument::ConfigDocument(Allocator allocator, QObject *parent)
    : QObject(parent)
    , image((allocator ? allocator : allocate)(ImageSize))
{
    if (image)
        clearImage(image.get(), ClearFlags::All);
}

ConfigDocument::~ConfigDocument() = default;

bool ConfigDocument::contains(const u8 *bytes) const
{
    // Compared as addresses, not by pointer arithmetic, which is only defined inside the array.
    const auto at = reinterpret_cast<std::uintptr_t>(bytes);
    const auto start = reinterpret_cast<std::uintptr_t>(image.get());
    return image && at >= start && at < start + ImageSize;
}

bool ConfigDocument::edit(const ConfigEdit &what, const std::function<void(u8 *image)> &change)
{
    if (!image)
        return false;
    if (editDepth > 0) {
        change(image.get());
        return true; // the outer edit tells
    }
    // 10,496 bytes: a copy per edit is cheaper than tracking what each change touched.
    const QByteArray before = snapshot();
    ++editDepth;
    change(image.get());
    --editDepth;
    if (!differsFrom(before))
        return false;
    emit edited(what, before);
    return true;
}

bool ConfigDocument::setByte(int offset, u8 value, const ConfigEdit &what)
{
    if (offset < 0 || offset >= ImageSize)
        return false;
    return edit(what, [&](u8 *bytes) { bytes[offset] = value; });
}

bool ConfigDocument::replace(const u8 *bytes, const ConfigEdit &what)
{
    return edit(what, [&](u8 *target) { std::memcpy(target, bytes, ImageSize); });
}

QByteArray ConfigDocument::snapshot() const
{
    if (!image)
        return {};
    return QByteArray(reinterpret_cast<const char *>(image.get()), ImageSize);
}

bool ConfigDocument::restore(const QByteArray &snapshot, const ConfigEdit &what)
{
    if (snapshot.size() != ImageSize)
        return false;
    return replace(reinterpret_cast<const u8 *>(snapshot.constData()), what);
}

bool ConfigDocument::differsFrom(const QByteArray &snapshot) const
{
    return !image || snapshot.size() != ImageSize
        || std::memcmp(image.get(), snapshot.constData(), ImageSize) != 0;
}
