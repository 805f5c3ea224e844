#pragma once

#include "common/types.h"

#include <QTime>

// Times travel to the controller as unsigned counts of tenths of a second.
u16 toDeviceTime(const QTime &time);
QTime fromDeviceTime(u16 units);
