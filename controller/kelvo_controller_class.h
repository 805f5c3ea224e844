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
    // Where the image memory comes from; a test can hand in one that fails.
    using ImageAllocator = std::unique_ptr<u8[]> (*)(std::size_t size);
    static std::unique_ptr<u8[]> allocateImage(std::size_t size);

    // The mode the user asked for with ch_mode().
    enum RequestedMode { RequestedNone = 0, RequestedNormal = 1, RequestedLive = 2 };

    explicit kelvo_controller_class(ImageAllocator allocator = allocateImage,
                                    QObject *parent = nullptr);
    ~kelvo_controller_class() override;

    // The 10496-byte image; null only when it could not be allocated.
    u8 *configImage() const { return image.get(); }

    // Remote system address as last learned: 0x80 nothing read, above 31 "not used".
    u8 rcuAddrShown = 0x80;
    // Start path of the configuration-file dialogs.
    QString lastFilePath;

    int requestedMode = RequestedNone;
    int deviceMode = 0; // 0 unknown, else the last mode set on the device, MODE_NORMAL..MODE_LIVE
    int connected = 0;

    // Device link.
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
    // One REQ_STATUS read; true and the word in `status` only for an answer of exactly 2 bytes.
    bool readStatus(u16 &status);

    std::unique_ptr<u8[]> image;
};

// The controller of the running program; set by start-up.
extern kelvo_controller_class *controller;
