#pragma once

#include "common/types.h"
#include "configedit.h"

#include <QByteArray>
#include <QObject>

#include <cstddef>
#include <functional>
#include <memory>

// The configuration image and its one owner. It is read freely through data(); every change goes
// through edit() (or one of its short forms), which emits edited() once per edit that changed a
// byte, so that undo, the modified marker and a comparison see every change and nothing else.
class ConfigDocument : public QObject
{
    Q_OBJECT

public:
    // Where the image memory comes from; a test can hand in one that fails.
    using Allocator = std::unique_ptr<u8[]> (*)(std::size_t size);
    static std::unique_ptr<u8[]> allocate(std::size_t size);

    // The image is cleared (as after "Clear" of everything). isValid() is false when its memory
    // could not be had.
    explicit ConfigDocument(Allocator allocator = allocate, QObject *parent = nullptr);
    ~ConfigDocument() override;

    bool isValid() const { return image != nullptr; }
    // The image, ConfigLayout::ImageSize bytes: read it here, change it through edit().
    u8 *data() const { return image.get(); }
    // Whether `bytes` points into the image.
    bool contains(const u8 *bytes) const;

    // Runs `change` on the image as one edit; true (and edited() emitted) when a byte changed.
    // Edits made while `change` runs belong to it: one gesture that changes several things is
    // one edit.
    bool edit(const ConfigEdit &what, const std::function<void(u8 *image)> &change);
    bool setByte(int offset, u8 value, const ConfigEdit &what);
    // The whole image from `bytes` (ConfigLayout::ImageSize of them).
    bool replace(const u8 *bytes, const ConfigEdit &what);

    // A copy of the image as it is now.
    QByteArray snapshot() const;
    // Puts a snapshot back as one edit; a snapshot of another size is refused.
    bool restore(const QByteArray &snapshot, const ConfigEdit &what);
    bool differsFrom(const QByteArray &snapshot) const;

signals:
    // One edit that changed the image, and the image before it.
    void edited(const ConfigEdit &edit, const QByteArray &before);

private:
    std::unique_ptr<u8[]> image;
    int editDepth = 0;
};
