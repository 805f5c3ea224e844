#include "devicejobs.h"

#include "boxtitles.h"

#include "common/prompts.h"
#include "model/configfile.h"
#include "model/configlayout.h"

using namespace ConfigLayout;

JobResult DeviceJobs::writeConfigurationFile(const QString &fileName, const u8 *image)
{
    QString reason;
    if (!image)
        return JobResult::failed(JobResult::Outcome::Refused, tr("Not enough memory !"));
    if (!ConfigFile::write(fileName, image, &reason))
        return JobResult::failed(JobResult::Outcome::FileError, reason);
    return JobResult::done();
}

JobResult DeviceJobs::readConfigurationFile(const QString &fileName, u8 *into)
{
    QString reason;
    if (!into)
        return JobResult::failed(JobResult::Outcome::Refused, tr("Not enough memory !"));
    if (!ConfigFile::read(fileName, into, &reason))
        return JobResult::failed(JobResult::Outcome::FileError, reason);
    return JobResult::done();
}
