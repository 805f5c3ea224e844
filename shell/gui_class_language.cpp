// Choosing another language: kept for the next start, and the window is rebuilt in it.

#include "gui_class.h"

#include "appstate.h"
#include "common/prompts.h"
#include "languages.h"

#include <QCoreApplication>

void gui_class::changeUiLanguage(int index)
{
    if (index == currentLanguage || index < 0 || index >= int(languageTable.size()))
        return;
    if (!Languages::storeChoice(languageTable[size_t(index)]))
        prompts().warning(this, tr("Warning!"), tr("Cannot write new language!"));
    // Start-up destroys this window once the loop has ended and builds one in the new language.
    // Only the loop ends: quit() would first close every window, the user's other ones and this
    // one with its question about unsaved work.
    requestedLanguage = index;
    QCoreApplication::exit(0);
}
