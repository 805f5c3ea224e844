#include "kelvo_controller_class.h"

#include "common/prompts.h"
#include "model/configfile.h"
#include "model/configlayout.h"

using namespace ConfigLayout;

namespace {

const QString resultTitle = QStringLiteral("KelvoDesk");

} // namespace

void kelvo_controller_class::write_confDataToFile(const QString &fileName)
{
    const QString text = tr("Data write to file ") + fileName + QLatin1Char('\n');
    if (image && ConfigFile::write(fileName, image.get()))
        prompts().information(dialogParent, resultTitle, text + tr("Sucessfull!"));
    else
        prompts().critical(dialogParent, resultTitle, text + tr("Failed!"));
}

void kelvo_controller_class::read_confDataFromFile(const QString &fileName)
{
    const bool ok = image && ConfigFile::read(fileName, image.get());
    if (image) {
        const u8 address = image[RcuSysAddr];
        rcuAddrShown = address <= MaxRcuSysAddr ? address : 0xFF;
    }
    if (ok)
        prompts().information(dialogParent, resultTitle,
                              tr("Data read from file\n    Sucessfull!"));
    else
        prompts().critical(dialogParent, resultTitle,
                           tr("Data read from file\n       Failed!\n\nFile is broken."));
    emit readFileFinished();
}
