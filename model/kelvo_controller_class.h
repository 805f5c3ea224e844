#pragma once

#include "common/types.h"
#include "device/t_threadusbdevice.h"

#include <QModelIndex>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

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

    // Device link; the operations are implemented in device/.
    QStringList otherSerials; // controllers found by the last discovery but not adopted
    t_threadUsbDevice usbDevice {otherSerials};
    // Parent of the boxes shown "on the main window"; may be null.
    QPointer<QWidget> dialogParent;
    // The bus to use; not owned, must outlive the controller; nullptr: libusb-1.0.
    void setUsbBackend(UsbBackend *backend) { usbDevice.setBackend(backend); }

    void pause100();
    int waitStatusClear(u16 mask, int n);
    int waitStatusSet(u16 mask, int n);
    int waitDone(); // 0 on ST_U_DONE, -1 otherwise
    void linkError();
    int setDeviceMode(int m);
    bool isLoaderMode();
    int enterLoaderMode(); // 0 when the controller is in loader mode, -1 otherwise

signals:
    void setConnectionStatus(bool);
    void readFileFinished();
    void readKelvoFinished();

public slots:
    void sendReset();
    int sendSN(char *sn);
    void ClearConfig(u16 co);
    void ClearConfig();
    void write_confDataToFile(const QString &fileName);
    void read_confDataFromFile(const QString &fileName);
    void setConnection(bool connection);
    int ch_mode(int t);
    void trapSlot(QModelIndex, QModelIndex);

private:
    // One REQ_STATUS read: the result of controlIn, the word in `status` when it is 2.
    int readStatus(u16 &status);

    std::unique_ptr<u8[]> image;
};
