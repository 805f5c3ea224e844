#pragma once

#include "common/types.h"

#include <QObject>
#include <QString>

#include <cstddef>
#include <memory>

// The one controller object: owner of the configuration image and of the link to the device.
class kelvo_controller_class : public QObject
{
    Q_OBJECT

public:
    // Where the image memory comes from; replaceable so that a failed allocation can be shown.
    using ImageAllocator = std::unique_ptr<u8[]> (*)(std::size_t size);
    static void setImageAllocator(ImageAllocator allocator); // nullptr restores the default

    explicit kelvo_controller_class(QObject *parent = nullptr);
    ~kelvo_controller_class() override;

    // The 10496-byte image; null only when it could not be allocated.
    u8 *configImage() const { return image.get(); }

    // Remote system address as last learned: 0x80 nothing read, above 31 "not used".
    u8 rcuAddrShown = 0x80;
    // Start path of the configuration-file dialogs.
    QString lastFilePath;

    int requestedMode = 0; // 0 none, 1 normal, 2 live
    int deviceMode = 0; // 0 unknown, else the last mode set on the device, 1..4
    int connected = 0;

signals:
    void setConnectionStatus(bool);
    void readFileFinished();
    void readKelvoFinished();

public slots:
    void ClearConfig(u16 co);
    void ClearConfig();
    void write_confDataToFile(const QString &fileName);
    void read_confDataFromFile(const QString &fileName);

private:
    std::unique_ptr<u8[]> image;
};
