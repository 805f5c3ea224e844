#pragma once

#include "debuglog.h"

#include <QMetaObject>

// Every connection reports itself in the debug log; a failed one never stops the program.
inline bool logConnection(const QMetaObject::Connection &connection)
{
    const bool ok = bool(connection);
    qCDebug(lcKelvo, ok ? "O.K. !" : "Oops!");
    return ok;
}
