#pragma once

#include <QLoggingCategory>

// The program's debug lines ("O.K. !", "Brak ST_U_DONE !" ...). Off unless enabled, so a user's
// terminal stays quiet: QT_LOGGING_RULES="kelvodesk.debug.debug=true" (the level must be named:
// Qt reads "kelvodesk.debug=true" as the debug level of a category "kelvodesk").
Q_DECLARE_LOGGING_CATEGORY(lcKelvo)
