#pragma once

#include "controller/devicejobs.h"
#include "live/liveoutput.h"
#include "model/configdocument.h"

#include <QString>

#include <cstddef>
#include <memory>

// The controller as the window knows it: the device jobs, the configuration image they work on,
// and the live output. It puts a job's result in place (an image read into the document, the
// remote's address mirrored) and reports it in the boxes the user knows; the jobs themselves are
// DeviceJobs'.
class kelvo_controller_class : public DeviceJobs
{
    Q_OBJECT

public:
    // Where the image memory comes from; a test can hand in one that fails.
    using ImageAllocator = ConfigDocument::Allocator;
    static std::unique_ptr<u8[]> allocateImage(std::size_t size);

    explicit kelvo_controller_class(ImageAllocator allocator = allocateImage,
                                    QObject *parent = nullptr);
    ~kelvo_controller_class() override;

    // The 10496-byte image; null only when it could not be allocated. Change it only through
    // document().
    u8 *configImage() const { return configDocument.data(); }
    ConfigDocument &document() { return configDocument; }
    // What the controller shows in live mode; the editors tell it what they show.
    LiveOutput &liveOutput() { return live; }

    // Remote system address as last learned: 0x80 nothing read, above 31 "not used".
    u8 rcuAddrShown = 0x80;
    // Start path of the configuration-file dialogs.
    QString lastFilePath;

    // The number of the input (false) or remote key (true) the user operates next, 0-based; -1
    // after a failure, reported in a box.
    int learnKey(bool remote);
    // The remote's system address read from the controller, shown and kept in the image (the
    // next configuration write must not bring back the old one); -1 after a reported failure.
    int readSysAddress();
    // Sets the system address (0..31, 255 not used, 64 taken from the next remote key) and
    // returns the address the controller then reports, as readSysAddress().
    int writeSysAddress(u8 address);
    // After a whole image arrived (a file, the controller, the undo history), the remote address
    // it holds is shown.
    void showRcuAddressOfImage();

    // Sends (upgrade) or compares (verify) the firmware of an upgrade file; every outcome is
    // reported in a box. `answers` are the user's to the job's questions; Ask shows each.
    void upgradeFirmware(const QString &fileName, bool upgrade,
                         const FirmwareJobOptions &answers = {});

signals:
    void readFileFinished();
    void readKelvoFinished();

public slots:
    void ClearConfig(u16 co);
    void ClearConfig();
    // These four report in boxes and return whether the image is now in the file or controller
    // (written to it, or read from it).
    bool write_confDataToFile(const QString &fileName);
    bool read_confDataFromFile(const QString &fileName);
    bool send_alldata();
    bool read_alldata();
    // The live output shows this page (0 independent scenes, 1..8 programs) and step from 1.
    void send_sc_prep(int pgm, int scene);

private:
    // Shows a settings job's box, if it has one; its value, or -1 when it failed.
    int reported(const JobResult &result);
    // The same for a job that reads nothing: whether it was done.
    bool reportedDone(const JobResult &result);

    ConfigDocument configDocument;
    LiveOutput live {configDocument, *this};
};
