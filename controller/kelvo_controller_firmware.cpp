// Firmware upgrade and verify: the file is checked completely before the controller is touched;
// then loader mode, 256 framed blocks with a status check each, reset and reconnect.

#include "kelvo_controller_class.h"

#include "common/prompts.h"
#include "device/bulkblock.h"
#include "device/kelvoprotocol.h"
#include "firmware/upgradefile.h"

#include <QFile>

#include <new>

namespace {
constexpr int VersionReadAttempts = 10;
constexpr int StartPolls = 10;
constexpr int BlockPolls = 100;
constexpr int ProgressBlocksStart = 10; // the dialog runs from 10 for block 0 to 265
constexpr int ProgressEnd = FW_BLOCK_COUNT + 10;

QString firmwareTitle()
{
    return kelvo_controller_class::tr("FirmWare upgrade");
}
QString usbTitle()
{
    return kelvo_controller_class::tr("USB Interface");
}
} // namespace

bool kelvo_controller_class::firmwareFileUsable(const QString &fileName, bool upgrade,
                                                QByteArray *image)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        prompts().warning(dialogParent, firmwareTitle(), tr("File not found : ") + fileName);
        return false;
    }
    // The work buffer of the unpacked image.
    std::unique_ptr<u8[]> buffer(new (std::nothrow) u8[UpgradeFile::ImageSize]);
    if (!buffer) {
        prompts().warning(dialogParent, firmwareTitle(), tr("Out of memory!"));
        return false;
    }
    const QByteArray bytes = file.read(UpgradeFile::MaxUsefulSize);
    const QString readError = tr("File read error : ") + fileName;
    const QString notUpgradeFile = tr("File ") + fileName + tr("\nisn't proper upgrade file !");
    switch (UpgradeFile::checkHeader(bytes)) {
    case UpgradeFile::Refusal::None:
        break;
    case UpgradeFile::Refusal::TooShort:
        prompts().warning(dialogParent, firmwareTitle(), readError);
        return false;
    default:
        prompts().warning(dialogParent, firmwareTitle(), notUpgradeFile);
        return false;
    }

    const UpgradeFile::Version fileVersion = UpgradeFile::version(bytes);
    if (fileVersion.tagged && !versionAllows(fileVersion, upgrade))
        return false;

    UpgradeFile::Descriptor descriptor;
    QByteArray unpacked;
    UpgradeFile::Refusal refusal = UpgradeFile::descriptor(bytes, &descriptor);
    if (refusal == UpgradeFile::Refusal::None)
        refusal = UpgradeFile::image(bytes, descriptor, &unpacked);
    switch (refusal) {
    case UpgradeFile::Refusal::None:
        *image = unpacked;
        return true;
    case UpgradeFile::Refusal::NothingToLoad:
        return false; // nothing to load: no word about it
    case UpgradeFile::Refusal::WrongMagic:
        prompts().warning(dialogParent, firmwareTitle(), notUpgradeFile);
        return false;
    case UpgradeFile::Refusal::SeekError:
        prompts().warning(dialogParent, firmwareTitle(), tr("Seek error : ") + fileName);
        return false;
    case UpgradeFile::Refusal::TooShort:
    case UpgradeFile::Refusal::BadLength:
        prompts().warning(dialogParent, firmwareTitle(), readError);
        return false;
    case UpgradeFile::Refusal::CrcError:
        prompts().warning(dialogParent, firmwareTitle(), tr("CRC error in block !"));
        return false;
    case UpgradeFile::Refusal::UncompressError:
        prompts().warning(dialogParent, firmwareTitle(), tr("Uncompressing error !"));
        return false;
    }
    return false;
}

bool kelvo_controller_class::versionAllows(const UpgradeFile::Version &fileVersion, bool upgrade)
{
    u8 reply[3] = {};
    bool read = false;
    for (int attempt = 0; attempt < VersionReadAttempts && !read; ++attempt)
        read = usbDevice.controlIn(REQ_VERSION, 0, 0, reply, 3) > 0;
    if (!read) {
        prompts().critical(dialogParent, usbTitle(), tr("Current version read error !"));
        return false;
    }
    const int deviceRank = qint8(reply[0]) * 100 + qint8(reply[1]);
    if (!upgrade) {
        if (fileVersion.rank() != deviceRank) {
            prompts().information(dialogParent, firmwareTitle(), tr("Different versions !"));
            return false;
        }
        return true;
    }
    if (fileVersion.rank() < deviceRank) {
        if (prompts().choose(Prompts::Kind::Question, dialogParent, firmwareTitle(),
                             tr("Do you really want to install older firmware release?"),
                             {{Prompts::Cancel, tr("Cancel")}, {Prompts::Yes, tr("Yes, I do!")}},
                             Prompts::Cancel)
            != Prompts::Yes)
            return false;
    }
    const u8 core = u8(fileVersion.core);
    if (core > 0x40 && core < 0x80 && fileVersion.core != char(reply[2])) {
        prompts().critical(dialogParent, firmwareTitle(),
                           tr("This upgrade is made for another firmware core !\nInstalling it "
                              "may permanently damage the device !\nTo reprogram all the "
                              "firmware contact with Ovra."));
        return false;
    }
    return true;
}

bool kelvo_controller_class::startFirmwareJob(bool upgrade)
{
    if (usbDevice.controlOut(upgrade ? REQ_FW_UPGRADE : REQ_FW_VERIFY, FW_BLOCK_COUNT, 0, nullptr,
                             0)
        < 0) {
        prompts().warning(dialogParent, usbTitle(), tr("Write error !"));
        return false;
    }
    for (int poll = 0; poll < StartPolls; ++poll) {
        u16 status = 0;
        if (!readStatus(status))
            break;
        if (status & ST_BULK_READY)
            return true;
        pause100();
    }
    prompts().warning(dialogParent, usbTitle(), tr("Protocol error !"));
    return false;
}

bool kelvo_controller_class::streamFirmware(const QByteArray &image, bool upgrade, int *differing)
{
    for (int k = 0; k < FW_BLOCK_COUNT; ++k) {
        if (progressDialog->wasCanceled()) {
            prompts().information(dialogParent, QStringLiteral("FirmWare upgrade"),
                                  tr("Process canceled !"));
            return false;
        }
        progressDialog->setValue(k + ProgressBlocksStart);
        BulkBlock block;
        const int size = block.build(
            u8(k), reinterpret_cast<const u8 *>(image.constData()) + BLOCK_DATA_SIZE * k,
            BLOCK_DATA_SIZE);
        if (usbDevice.bulkWrite(block.frame(), size) < size) {
            prompts().warning(dialogParent, usbTitle(), tr("Write error !"));
            return false;
        }

        // Every block must be acknowledged. "Done" only counts after the last one: before it, the
        // controller would claim a firmware it never received whole.
        const u16 acknowledged
            = k == FW_BLOCK_COUNT - 1 ? ST_BULK_READY | ST_U_DONE : ST_BULK_READY;
        pause100();
        bool answered = false;
        for (int poll = 0; poll < BlockPolls && !answered; ++poll) {
            u16 status = 0;
            if (!readStatus(status)) {
                prompts().warning(dialogParent, usbTitle(), tr("Protocol error !"));
                return false;
            }
            if (!upgrade && (status & ST_U_ERR)) {
                ++*differing;
                if (prompts().choose(Prompts::Kind::Question, dialogParent, firmwareTitle(),
                                     tr("Verification failed : block %1\n  Continue ?").arg(k + 1),
                                     {{Prompts::Yes, tr("Yes !")}, {Prompts::No, tr("No ...")}},
                                     Prompts::Yes)
                    == Prompts::No)
                    return false;
                answered = true; // "Yes !": this block's polling ends
            } else if (status & acknowledged) {
                answered = true;
            } else {
                pause100();
            }
        }
        if (!answered) {
            prompts().warning(dialogParent, usbTitle(), tr("Protocol error !"));
            return false;
        }
    }
    return true;
}

void kelvo_controller_class::upgradeFirmware(const QString &fileName, bool upgrade)
{
    if (!connected) {
        prompts().information(dialogParent, firmwareTitle(), tr("Not connected !"));
        return;
    }
    QByteArray image;
    if (!firmwareFileUsable(fileName, upgrade, &image))
        return;

    progressDialog
        = prompts().progress(nullptr, tr("Preparing device..."), tr("Cancel"), ProgressEnd, false);
    bool failed = enterLoaderMode() != 0;
    if (!failed)
        failed = !startFirmwareJob(upgrade);
    int differing = 0;
    if (!failed) {
        progressDialog->setLabelText(upgrade ? tr("Transferring firmware...")
                                             : tr("Comparing firmware..."));
        failed = !streamFirmware(image, upgrade, &differing);
    }
    progressDialog->setValue(ProgressEnd);
    progressDialog->reset();
    progressDialog.reset();

    if (failed) {
        prompts().critical(dialogParent, firmwareTitle(),
                           upgrade ? tr("Upgrade failed !") : tr("Verification failed !"));
    } else if (differing > 0) {
        prompts().critical(dialogParent, firmwareTitle(),
                           tr("Verify of %1 block(s) failed !").arg(differing));
    } else {
        sendReset(); // the controller restarts with its firmware
        prompts().information(dialogParent, firmwareTitle(),
                              upgrade ? tr("Upgrade sucessfull !") : tr("Verify successfull !"));
        setConnection(true);
    }
}
