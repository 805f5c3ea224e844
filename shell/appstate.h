#pragma once

#include "languageentry.h"

#include <vector>

class gui_class;

// Process-wide state of the running program; the controller pointer lives with its class.
extern gui_class *mainWindow;
extern std::vector<LanguageEntry> languageTable;
extern int requestedLanguage; // -1: nothing requested, leave the program
extern int currentLanguage; // -1 before the first window
