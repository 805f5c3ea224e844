// The controller as the window knows it: each job's result put in place and reported in the
// boxes the user knows.

#include "kelvo_controller_class.h"

#include "boxtitles.h"

#include "common/debuglog.h"
#include "common/prompts.h"
#include "model/configclear.h"
#include "model/configlayout.h"

using namespace ConfigLayout;

std::unique_ptr<u8[]> kelvo_controller_class::allocateImage(std::size_t size)
{
    return ConfigDocument::allocate(size);
}

kelvo_controller_class::kelvo_controller_class(ImageAllocator allocator, QObject *parent)
    : DeviceJobs(parent)
    , configDocument(allocator ? allocator : allocateImage) // cleared as after "Clear"
{
    if (!configDocument.isValid())
        qCDebug(lcKelvo, "Not enough memory !");
}

kelvo_controller_class::~kelvo_controller_class() = default;

void kelvo_controller_class::showRcuAddressOfImage()
{
    if (configImage())
        rcuAddrShown = rcuAddressShown(configImage());
}

void kelvo_controller_class::ClearConfig(u16 co)
{
    configDocument.edit({ConfigEdit::Kind::Clear}, [co](u8 *image) { clearImage(image, co); });
    if (co & ClearFlags::Remote)
        rcuAddrShown = RcuAddrUnknown;
}

void kelvo_controller_class::ClearConfig()
{
    ClearConfig(ClearFlags::All);
}

int kelvo_controller_class::reported(const JobResult &result)
{
    if (!result.detail.isEmpty())
        prompts().message(result.detailKind, dialogParent, result.detailTitle, result.detail);
    return result.ok() ? result.value : -1;
}

bool kelvo_controller_class::reportedDone(const JobResult &result)
{
    reported(result);
    return result.ok();
}

int kelvo_controller_class::learnKey(bool remote)
{
    return reported(learnNext(remote));
}

int kelvo_controller_class::readSysAddress()
{
    const int address = reported(querySysAddress());
    if (address < 0)
        return -1;
    rcuAddrShown = u8(address);
    // The image mirrors the controller: the next configuration write must not bring back the old
    // address.
    configDocument.setByte(RcuSysAddr, u8(address), {ConfigEdit::Kind::RemoteAddress});
    return address;
}

int kelvo_controller_class::writeSysAddress(u8 address)
{
    if (!reportedDone(setSysAddress(address)))
        return -1;
    return readSysAddress();
}

bool kelvo_controller_class::send_alldata()
{
    if (!configImage())
        return false;
    const JobResult result = writeConfiguration(configImage());
    if (!result.started || result.outcome == JobResult::Outcome::WrongAnswer)
        return false; // the link error was the report
    if (result.ok()) {
        prompts().information(dialogParent, BoxTitles::result(),
                              //: The blanks centre the second line in the box; keep the line break.
                              tr("Write configuration\n     Sucessfull!"));
        restartController(); // the controller restarts with the new configuration
        return true;
    }
    prompts().critical(dialogParent, BoxTitles::result(), tr("Write configuration\n     Failed!"));
    return false;
}

bool kelvo_controller_class::read_alldata()
{
    if (!configImage())
        return false;
    QByteArray read = configDocument.snapshot();
    const JobResult result = readConfiguration(reinterpret_cast<u8 *>(read.data()));
    if (!result.started)
        return false;
    if (result.outcome == JobResult::Outcome::Cancelled) {
        prompts().information(dialogParent, BoxTitles::result(),
                              tr("Read configuration\ncancelled !"));
        return false;
    }
    if (result.ok())
        configDocument.restore(read, {ConfigEdit::Kind::ControllerRead});
    showRcuAddressOfImage();
    emit readKelvoFinished();
    if (result.ok())
        prompts().information(dialogParent, BoxTitles::result(),
                              //: Two lines in a small box; keep the line break.
                              tr("Read configuration\nSucessfull!"));
    else
        prompts().critical(dialogParent, BoxTitles::result(), tr("Read configuration\n Failed!"));
    return result.ok();
}

bool kelvo_controller_class::write_confDataToFile(const QString &fileName)
{
    const JobResult result = writeConfigurationFile(fileName, configImage());
    if (result.ok()) {
        prompts().information(dialogParent, BoxTitles::result(),
                              //: %1 is the file's whole path, on a line of its own.
                              tr("Data write to file %1\nSucessfull!").arg(fileName));
        return true;
    }
    // The reason goes under the result: a full disk and a missing folder need different fixes.
    QString text = tr("Data write to file %1\nFailed!").arg(fileName);
    if (!result.detail.isEmpty())
        text += QLatin1Char('\n') + result.detail;
    prompts().critical(dialogParent, BoxTitles::result(), text);
    return false;
}

bool kelvo_controller_class::read_confDataFromFile(const QString &fileName)
{
    QByteArray read = configDocument.snapshot();
    const bool ok = readConfigurationFile(
                        fileName, configImage() ? reinterpret_cast<u8 *>(read.data()) : nullptr)
                        .ok();
    if (ok)
        configDocument.restore(read, {ConfigEdit::Kind::FileRead});
    showRcuAddressOfImage();
    if (ok)
        prompts().information(dialogParent, BoxTitles::result(),
                              //: The blanks centre the second line in the box; keep the line break.
                              tr("Data read from file\n    Sucessfull!"));
    else
        prompts().critical(dialogParent, BoxTitles::result(),
                           tr("Data read from file\n       Failed!\n\nFile is broken."));
    emit readFileFinished();
    return ok;
}

void kelvo_controller_class::upgradeFirmware(const QString &fileName, bool upgrade,
                                             const FirmwareJobOptions &answers)
{
    const JobResult result = runFirmwareJob(fileName, upgrade, answers);
    if (!result.detail.isEmpty())
        prompts().message(result.detailKind, dialogParent, result.detailTitle, result.detail);
    if (!result.started)
        return; // refused before the controller was touched
    switch (result.outcome) {
    case JobResult::Outcome::Done:
        sendReset(); // the controller restarts with its firmware
        prompts().information(dialogParent, BoxTitles::firmware(),
                              upgrade ? tr("Upgrade sucessfull !") : tr("Verify successfull !"));
        setConnection(true);
        break;
    case JobResult::Outcome::Differs:
        prompts().critical(dialogParent, BoxTitles::firmware(),
                           tr("Verify of %1 block(s) failed !").arg(result.differingBlocks.size()));
        break;
    default:
        prompts().critical(dialogParent, BoxTitles::firmware(),
                           upgrade ? tr("Upgrade failed !") : tr("Verification failed !"));
        break;
    }
}

void kelvo_controller_class::send_sc_prep(int pgm, int scene)
{
    live.showStep(pgm, scene);
}
