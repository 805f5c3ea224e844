#pragma once

#include "simulator/simulatedcontroller.h"

#include <QByteArray>

// A simulated controller's memories as bytes, to compare with images and files.
inline QByteArray configurationOf(const SimulatedController &c)
{
    return QByteArray(reinterpret_cast<const char *>(c.configuration.data()),
                      int(c.configuration.size()));
}

inline QByteArray firmwareOf(const SimulatedController &c)
{
    return QByteArray(reinterpret_cast<const char *>(c.firmware.data()), int(c.firmware.size()));
}
