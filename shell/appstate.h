#pragma once

#include "languageentry.h"

#include <vector>

class gui_class;
class kelvo_controller_class;

// Process-wide state of the running program.
extern kelvo_controller_class *controller;
extern gui_class *mainWindow;
extern std::vector<LanguageEntry> languageTable;
extern int requestedLanguage; // -1: nothing requested, leave the program
extern int currentLanguage; // -1 before the first window
