#pragma once

#include "languageentry.h"

// The user's language: the translations lying in the working directory and the choice kept in
// the parameters file there.
namespace Languages {

inline constexpr char ParametersFile[] = "Kelvo.kvi";

// At start-up, after entry 0 (English): one entry per "KelvoDesk_*.qm" file of the working
// directory, and the start language in requestedLanguage.
void discover();

// Keeps `entry` as the choice for the next start. False when the parameters file cannot be
// written (or is read-only); the old file is then left as it was.
bool storeChoice(const LanguageEntry &entry);

} // namespace Languages
