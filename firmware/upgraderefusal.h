#pragma once

#include "upgradefile.h"

#include <QString>

namespace UpgradeFile {

// Why an upgrade file is refused, in the words the program shows (translated when a translation
// is installed) and kelvoctl prints. Empty for None and for NothingToLoad, which the program
// passes over without a word.
QString refusalText(Refusal refusal, const QString &fileName);

} // namespace UpgradeFile
