#include "upgraderefusal.h"

#include <QCoreApplication>

namespace UpgradeFile {

QString refusalText(Refusal refusal, const QString &fileName)
{
    // The program's box texts: translated with the controller's own.
    switch (refusal) {
    case Refusal::None:
    case Refusal::NothingToLoad:
        break;
    case Refusal::TooShort:
    case Refusal::BadLength:
        return QCoreApplication::translate("kelvo_controller_class", "File read error : %1")
            .arg(fileName);
    case Refusal::WrongMagic:
        return QCoreApplication::translate("kelvo_controller_class",
                                           "File %1\nisn't proper upgrade file !")
            .arg(fileName);
    case Refusal::SeekError:
        return QCoreApplication::translate("kelvo_controller_class", "Seek error : %1")
            .arg(fileName);
    case Refusal::CrcError:
        return QCoreApplication::translate("kelvo_controller_class", "CRC error in block !");
    case Refusal::UncompressError:
        return QCoreApplication::translate("kelvo_controller_class", "Uncompressing error !");
    }
    return {};
}

} // namespace UpgradeFile
