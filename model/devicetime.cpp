#include "devicetime.h"

u16 toDeviceTime(const QTime &time)
{
    const unsigned units = unsigned(time.hour()) * 36000u + unsigned(time.minute()) * 600u
        + unsigned(time.second()) * 10u + unsigned(time.msec()) / 100u;
    return u16(units);
}

QTime fromDeviceTime(u16 units)
{
    const unsigned u = units;
    return QTime(int(u / 36000u), int((u % 36000u) / 600u), int((u % 600u) / 10u),
                 int((u % 10u) * 100u));
}
