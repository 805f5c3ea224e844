#pragma once

#include <QLoggingCategory>

// The program's debug lines ("O.K. !", "Brak ST_U_DONE !" ...). Off unless enabled, so a user's
// terminal stays quiet: QT_LOGGING_RULES="kelvodesk.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcKelvo)
