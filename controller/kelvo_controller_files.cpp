#include "kelvo_controller_class.h"

#include "boxtitles.h"

#include "common/prompts.h"
#include "model/configfile.h"
#include "model/configlayout.h"

using namespace ConfigLayout;

JobResult kelvo_controller_class::writeConfigurationFile(const QString &fileName, const u8 *image)
{
    QString reason;
    if (!image)
        return JobResult::failed(JobResult::Outcome::Refused, tr("Not enough memory !"));
    if (!ConfigFile::write(fileName, image, &reason))
        return JobResult::failed(JobResult::Outcome::FileError, reason);
    return JobResult::done();
}

JobResult kelvo_controller_class::readConfigurationFile(const QString &fileName, u8 *into)
{
    QString reason;
    if (!into)
        return JobResult::failed(JobResult::Outcome::Refused, tr("Not enough memory !"));
    if (!ConfigFile::read(fileName, into, &reason))
        return JobResult::failed(JobResult::Outcome::FileError, reason);
    return JobResult::done();
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
