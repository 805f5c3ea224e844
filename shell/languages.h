#pragma once

#include "languageentry.h"

#include <QLocale>
#include <QString>

// The user's language: the translations lying in the working directory or installed with the
// program, and the choice kept in the parameters file (see Places::parametersFile()).
namespace Languages {

inline constexpr char ParametersFile[] = "Kelvo.kvi";

// At start-up, after entry 0 (English): one entry per "KelvoDesk_*.qm" file of the working
// directory and of the installed translations (a language in both counts once, from the working
// directory), and the start language in requestedLanguage. Without a stored choice that is the
// first of the user's languages with a translation (English always has one), else Polish.
void discover(const QLocale &userLocale = QLocale::system());

// Where the installed program's translations lie, found from the executable's folder so that the
// installed tree can be moved. An empty `folder` brings that back after another was set.
QString installedTranslations();
void setInstalledTranslations(const QString &folder);

// Keeps `entry` as the choice for the next start. False when the parameters file cannot be
// written (or is read-only); the old file is then left as it was.
bool storeChoice(const LanguageEntry &entry);

} // namespace Languages
