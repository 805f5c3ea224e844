#pragma once

#include <QString>

// Another process that has a device node open, as far as the system tells. Asked only for a
// controller that was refused as busy: the look goes through every process.
struct DeviceHolder
{
    qint64 pid = 0; // 0: the system did not tell
    QString program; // its command name, as the system keeps it

    bool known() const { return pid != 0; }
    friend bool operator==(const DeviceHolder &, const DeviceHolder &) = default;

    // The first process but this one with `node` open, by its open descriptors (Linux: /proc).
    // Unknown where none is found, where another user's processes may not be looked at, and on
    // systems that do not tell.
    static DeviceHolder of(const QString &node);
};
