#pragma once

#include "common/prompts.h"
#include "common/types.h"
#include "controller/firmwarejoboptions.h"
#include "controller/jobresult.h"
#include "device/t_threadusbdevice.h"
#include "live/livelink.h"

#include <QModelIndex>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class ConfigBlockReader;
namespace UpgradeFile {
struct Version;
}

// The jobs a controller does for the program: connecting, configuration transfers, firmware,
// learning inputs and keys, the remote's address, reset. Each takes what it works on as an input
// (an image to send, a buffer to read into, a file) and says what it came to; it talks to the user
// only through the prompts seam. It knows no document: kelvo_controller_class puts the results in
// place.
class DeviceJobs : public QObject, public LiveLink
{
    Q_OBJECT

public:
    // The mode the user asked for with ch_mode().
    enum RequestedMode { RequestedNone = 0, RequestedNormal = 1, RequestedLive = 2 };

    explicit DeviceJobs(QObject *parent = nullptr);
    ~DeviceJobs() override;

    int requestedMode = RequestedNone;
    int deviceMode = 0; // 0 unknown, else the last mode set on the device, MODE_NORMAL..MODE_LIVE
    int connected = 0;
    // Label texts of the connected controller: "S/N ..." and "F/W ver. ...", or the dashes.
    QString serialText;
    QString firmwareText;
    // The connected controller's firmware version ("1.05a"); empty when none was read.
    QString firmwareVersion;

    // Asked when discovery finds only controllers other than the adopted one, with their serial
    // numbers: true to search again (Retry, or Change after replacing usbDevice.serialNumber),
    // false to give up. Unset, nobody is asked and the connect fails. Set by the window.
    std::function<bool(const QStringList &others)> reconnectPrompt;

    // Asked once an upgrade file passed every check, before the controller is touched, with the
    // controller's version and the file's ("1.05a", or the file's name when it has no version
    // tag); false cancels. Unset, nobody is asked. Set by the window.
    std::function<bool(const QString &controllerVersion, const QString &fileVersion)>
        confirmUpgrade;

    // The running transfer's progress dialog; null otherwise.
    std::unique_ptr<ProgressPrompt> progressDialog;

    // Device link.
    QStringList otherSerials; // controllers found by the last discovery but not adopted
    t_threadUsbDevice usbDevice {otherSerials};
    // Parent of the boxes shown "on the main window" (the window); may be null.
    QPointer<QObject> dialogParent;
    // The bus to use; not owned, must outlive the jobs; nullptr: libusb-1.0.
    void setUsbBackend(UsbBackend *backend) { usbDevice.setBackend(backend); }

    void pause100();
    int waitStatusClear(u16 mask, int n);
    int waitStatusSet(u16 mask, int n);
    int waitDone(); // 0 on ST_U_DONE, -1 otherwise
    void linkError();
    int setDeviceMode(int m);
    bool isLoaderMode();
    // One status read, without waiting or reporting: the mode the controller reports
    // (MODE_NORMAL, MODE_CONF, MODE_LOADER or MODE_LIVE), or 0 when it does not answer.
    int reportedMode();
    int enterLoaderMode(); // 0 when the controller is in loader mode, -1 otherwise

    // Device-assisted settings; what they read is the result's value, and a failure's box is its
    // detail.
    // The number of the input (false) or remote key (true) the user operates next, 0-based.
    JobResult learnNext(bool remote);
    // The remote's system address as the controller reports it: 0..31, or 255 for not used.
    JobResult querySysAddress();
    // Sets the system address (0..31, 255 not used, 64 taken from the next remote key); done once
    // the controller has done it. Refused, without a word, for any other value.
    JobResult setSysAddress(u8 address);
    // Makes the controller act as if input (type 0) or remote key (type 1) `number` was operated.
    void simulateInput(int type, int number);
    // A firmware version as the program shows it: major and minor as signed numbers, the minor
    // padded to two digits, then the core: 1.05a, 2.12b.
    static QString versionText(qint8 major, qint8 minor, char core);
    // True while live values reach the controller.
    bool isLive() const;
    // The live output's link: live mode asked for with a controller open; a whole scene (the
    // controller's live mode set first when needed); one channel's level.
    bool liveRequested() const override;
    void sendScene(const u8 *levels) override;
    void sendLevel(int channel, int level) override { send_new_val(channel, level); }

    // The long jobs. Questions and progress go through the prompts, and a lost link is reported
    // by linkError() as it happens; the rest is the caller's to report.
    //
    // Connects to the adopted controller or the first one found (asking reconnectPrompt when only
    // others are there). Busy, with the box to show, when none could be claimed but one that
    // another program holds.
    JobResult connectController();
    // What the user is told of a controller that another program holds.
    static QString busyText(const DeviceHolder &holder);
    // The configuration from `image` to the controller. Done means the controller confirmed it;
    // restartController() then makes it run with it.
    JobResult writeConfiguration(const u8 *image);
    // The controller's configuration into `into` (ImageSize bytes), which is only written when
    // the whole configuration arrived.
    JobResult readConfiguration(u8 *into);
    // The controller restarts (with a new configuration or firmware) and is connected again.
    void restartController();
    // The upgrade file checked (against the controller's version too), then sent or compared;
    // a question whose answer `answers` gives is not asked.
    JobResult runFirmwareJob(const QString &fileName, bool upgrade,
                             const FirmwareJobOptions &answers = {});
    // The configuration file into `into`, or the image into the file.
    static JobResult readConfigurationFile(const QString &fileName, u8 *into);
    static JobResult writeConfigurationFile(const QString &fileName, const u8 *image);

signals:
    void setConnectionStatus(bool);

public slots:
    void sendReset();
    int sendSN(char *sn);
    void setConnection(bool connection);
    int ch_mode(int t);
    // One channel's level on the wire, in live mode only.
    void send_new_val(int ch, int val);
    void trapSlot(QModelIndex, QModelIndex);

private:
    // One REQ_STATUS read; true and the word in `status` only for an answer of exactly 2 bytes.
    bool readStatus(u16 &status);
    // Serial number and firmware version of the device just found, into the label texts.
    void readIdentity();
    // The version reply: major, minor, core letter; a few attempts. False when none came.
    static constexpr int VersionReplySize = 3;
    bool readVersion(u8 *reply);
    // One prepare-scene exchange; true when the controller confirmed it.
    bool prepareScene(const u8 *levels);
    // A REQ_QUERY of one byte, up to ten times; the byte as the value, or "Command failed !".
    JobResult query(u16 value, u16 selector);
    // Polls the status without pausing until ST_U_DONE; "Command failed !" on an error or a failed
    // read, and after 9.5 s the time-out with `timeoutTitle`.
    JobResult waitForDevice(const QString &timeoutTitle);
    JobResult commandFailed();
    // Configuration transfer: mode, busy wait and start request; false after a link error.
    bool startTransfer(u8 request);
    void openProgress(const QString &label);
    // Until the controller takes the next block; bounded, and Cancel ends it.
    bool waitWriteReady();
    bool waitReadReady();
    bool readBlock(ConfigBlockReader &reader);
    // Firmware: every check of the file (and the version against the controller's) before the
    // controller is touched; the unscrambled image when the job may go on.
    JobResult firmwareFileUsable(const QString &fileName, bool upgrade,
                                 const FirmwareJobOptions &answers, QByteArray *image);
    JobResult versionAllows(const UpgradeFile::Version &fileVersion, bool upgrade,
                            const FirmwareJobOptions &answers);
    JobResult startFirmwareJob(bool upgrade);
    // The 256 blocks.
    JobResult streamFirmware(const QByteArray &image, bool upgrade,
                             const FirmwareJobOptions &answers);
};
