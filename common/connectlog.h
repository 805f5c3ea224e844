#pragma once

#include <QDebug>
#include <QMetaObject>

// Every connection reports itself in the debug log; a failed one never stops the program.
inline bool logConnection(const QMetaObject::Connection &connection)
{
    const bool ok = bool(connection);
    qDebug(ok ? "O.K. !" : "Oops!");
    return ok;
}
