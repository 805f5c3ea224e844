// Firmware upgrade and verify: the file is checked completely before the controller is touched;
// then loader mode, 256 framed blocks with a status check each, reset and reconnect.

#include "devicejobs.h"

#include "boxtitles.h"

#include "common/prompts.h"
#include "device/bulkblock.h"
#include "device/kelvoprotocol.h"
#include "firmware/upgradefile.h"
#include "firmware/upgraderefusal.h"

#include <QFile>
#include <QFileInfo>

#include <functional>
#include <new>

namespace {
constexpr int StartPolls = 10;
constexpr int BlockPolls = 100;
constexpr int ProgressBlocksStart = 10; // the dialog runs from 10 for block 0 to 265
constexpr int ProgressEnd = FW_BLOCK_COUNT + 10;

// The answer given, or the one the user gives to the box `ask` shows.
bool answeredYes(FirmwareJobOptions::Answer given, const std::function<bool()> &ask)
{
    if (given == FirmwareJobOptions::Answer::Ask)
        return ask();
    return given == FirmwareJobOptions::Answer::Yes;
}

} // namespace

JobResult DeviceJobs::firmwareFileUsable(const QString &fileName, bool upgrade,
                                         const FirmwareJobOptions &answers, QByteArray *image)
{
    const auto refused = [](const QString &why) {
        return JobResult::failed(JobResult::Outcome::Refused, why, Prompts::Kind::Warning,
                                 BoxTitles::firmware());
    };
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return refused(tr("File not found : %1").arg(fileName));
    // The work buffer of the unpacked image.
    std::unique_ptr<u8[]> buffer(new (std::nothrow) u8[UpgradeFile::ImageSize]);
    if (!buffer)
        return refused(tr("Out of memory!"));
    const QByteArray bytes = file.read(UpgradeFile::MaxUsefulSize);
    if (const UpgradeFile::Refusal refusal = UpgradeFile::checkHeader(bytes);
        refusal != UpgradeFile::Refusal::None)
        return refused(UpgradeFile::refusalText(refusal, fileName));

    const UpgradeFile::Version fileVersion = UpgradeFile::version(bytes);
    if (fileVersion.tagged) {
        if (JobResult allowed = versionAllows(fileVersion, upgrade, answers); !allowed.ok())
            return allowed;
    }

    UpgradeFile::Descriptor descriptor;
    QByteArray unpacked;
    UpgradeFile::Refusal refusal = UpgradeFile::descriptor(bytes, &descriptor);
    if (refusal == UpgradeFile::Refusal::None)
        refusal = UpgradeFile::image(bytes, descriptor, &unpacked);
    if (refusal != UpgradeFile::Refusal::None)
        return refused(UpgradeFile::refusalText(refusal, fileName)); // nothing to load: no word
    if (upgrade && confirmUpgrade) {
        const QString offered = fileVersion.tagged
            ? versionText(fileVersion.major, fileVersion.minor, fileVersion.core)
            : QFileInfo(fileName).fileName();
        if (!confirmUpgrade(firmwareVersion, offered))
            return JobResult::failed(JobResult::Outcome::Cancelled);
    }
    *image = unpacked;
    return JobResult::done();
}

JobResult DeviceJobs::versionAllows(const UpgradeFile::Version &fileVersion, bool upgrade,
                                    const FirmwareJobOptions &answers)
{
    u8 reply[VersionReplySize] = {};
    if (!readVersion(reply))
        return JobResult::failed(JobResult::Outcome::LinkLost, tr("Current version read error !"),
                                 Prompts::Kind::Critical, BoxTitles::usb());
    const int deviceRank = qint8(reply[0]) * 100 + qint8(reply[1]);
    if (!upgrade) {
        if (fileVersion.rank() != deviceRank)
            return JobResult::failed(JobResult::Outcome::Refused, tr("Different versions !"),
                                     Prompts::Kind::Information, BoxTitles::firmware());
        return JobResult::done();
    }
    const auto askOlder = [this] {
        return prompts().choose(Prompts::Kind::Question, dialogParent, BoxTitles::firmware(),
                                tr("Do you really want to install older firmware release?"),
                                {{Prompts::Cancel, tr("Cancel")}, {Prompts::Yes, tr("Yes, I do!")}},
                                Prompts::Cancel)
            == Prompts::Yes;
    };
    if (fileVersion.rank() < deviceRank && !answeredYes(answers.installOlder, askOlder))
        return JobResult::failed(JobResult::Outcome::Cancelled);
    const u8 core = u8(fileVersion.core);
    if (core > 0x40 && core < 0x80 && fileVersion.core != char(reply[2])) {
        return JobResult::failed(JobResult::Outcome::Refused,
                                 tr("This upgrade is made for another firmware core !\nInstalling "
                                    "it may permanently damage the device !\nTo reprogram all the "
                                    "firmware contact with Ovra."),
                                 Prompts::Kind::Critical, BoxTitles::firmware());
    }
    return JobResult::done();
}

JobResult DeviceJobs::startFirmwareJob(bool upgrade)
{
    if (usbDevice.controlOut(upgrade ? REQ_FW_UPGRADE : REQ_FW_VERIFY, FW_BLOCK_COUNT, 0, nullptr,
                             0)
        < 0)
        return JobResult::failed(JobResult::Outcome::LinkLost, tr("Write error !"),
                                 Prompts::Kind::Warning, BoxTitles::usb());
    for (int poll = 0; poll < StartPolls; ++poll) {
        u16 status = 0;
        if (!readStatus(status))
            break;
        if (status & ST_BULK_READY)
            return JobResult::done();
        pause100();
    }
    return JobResult::failed(JobResult::Outcome::WrongAnswer, tr("Protocol error !"),
                             Prompts::Kind::Warning, BoxTitles::usb());
}

JobResult DeviceJobs::streamFirmware(const QByteArray &image, bool upgrade,
                                     const FirmwareJobOptions &answers)
{
    JobResult result;
    const auto failed = [&](JobResult::Outcome outcome, const QString &detail) {
        result.outcome = outcome;
        result.detail = detail;
        result.detailTitle = BoxTitles::usb();
        return result;
    };
    for (int k = 0; k < FW_BLOCK_COUNT; ++k) {
        if (progressDialog->wasCanceled()) {
            failed(JobResult::Outcome::Cancelled, tr("Process canceled !"));
            result.detailKind = Prompts::Kind::Information;
            result.detailTitle = QStringLiteral("FirmWare upgrade"); // this title stays English
            return result;
        }
        progressDialog->setValue(k + ProgressBlocksStart);
        BulkBlock block;
        const int size = block.build(
            u8(k), reinterpret_cast<const u8 *>(image.constData()) + BLOCK_DATA_SIZE * k,
            BLOCK_DATA_SIZE);
        if (usbDevice.bulkWrite(block.frame(), size) < size)
            return failed(JobResult::Outcome::LinkLost, tr("Write error !"));

        // Every block must be acknowledged. "Done" only counts after the last one: before it, the
        // controller would claim a firmware it never received whole.
        const u16 acknowledged
            = k == FW_BLOCK_COUNT - 1 ? ST_BULK_READY | ST_U_DONE : ST_BULK_READY;
        pause100();
        bool answered = false;
        for (int poll = 0; poll < BlockPolls && !answered; ++poll) {
            u16 status = 0;
            if (!readStatus(status))
                return failed(JobResult::Outcome::LinkLost, tr("Protocol error !"));
            if (!upgrade && (status & ST_U_ERR)) {
                result.differingBlocks << k + 1;
                const auto askContinue = [&] {
                    return prompts().choose(
                               Prompts::Kind::Question, dialogParent, BoxTitles::firmware(),
                               tr("Verification failed : block %1\n  Continue ?").arg(k + 1),
                               {{Prompts::Yes, tr("Yes !")}, {Prompts::No, tr("No ...")}},
                               Prompts::Yes)
                        != Prompts::No;
                };
                if (!answeredYes(answers.continuePastDifference, askContinue))
                    return failed(JobResult::Outcome::Cancelled, {});
                answered = true; // "Yes !": this block's polling ends
            } else if (status & acknowledged) {
                answered = true;
            } else {
                pause100();
            }
        }
        if (!answered)
            return failed(JobResult::Outcome::WrongAnswer, tr("Protocol error !"));
        result.blocks = k + 1;
    }
    if (!result.differingBlocks.isEmpty())
        result.outcome = JobResult::Outcome::Differs;
    return result;
}

JobResult DeviceJobs::runFirmwareJob(const QString &fileName, bool upgrade,
                                     const FirmwareJobOptions &answers)
{
    if (!connected)
        return JobResult::failed(JobResult::Outcome::NotConnected, tr("Not connected !"),
                                 Prompts::Kind::Information, BoxTitles::firmware());
    QByteArray image;
    if (JobResult usable = firmwareFileUsable(fileName, upgrade, answers, &image); !usable.ok())
        return usable;

    progressDialog
        = prompts().progress(nullptr, tr("Preparing device..."), tr("Cancel"), ProgressEnd, false);
    // Cancelled during the checks: the controller has not left its mode yet, and need not.
    if (progressDialog->wasCanceled()) {
        progressDialog->reset();
        progressDialog.reset();
        return JobResult::failed(JobResult::Outcome::Cancelled);
    }
    JobResult result;
    if (enterLoaderMode() != 0)
        result = JobResult::failed(JobResult::Outcome::LinkLost); // its link error said it
    if (result.ok())
        result = startFirmwareJob(upgrade);
    if (result.ok()) {
        progressDialog->setLabelText(upgrade ? tr("Transferring firmware...")
                                             : tr("Comparing firmware..."));
        result = streamFirmware(image, upgrade, answers);
    }
    progressDialog->setValue(ProgressEnd);
    progressDialog->reset();
    progressDialog.reset();
    result.started = true;
    return result;
}
