#include "debuglog.h"

Q_LOGGING_CATEGORY(lcKelvo, "kelvodesk.debug", QtInfoMsg)
