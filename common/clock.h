#pragma once

#include <QtGlobal>

// Every wait and every elapsed-time measurement of the device protocol goes through here.
class Clock
{
public:
    virtual ~Clock() = default;

    // Blocks the calling thread without processing events.
    virtual void sleep(int ms) = 0;
    // Monotonic milliseconds since an arbitrary start.
    virtual qint64 now() const = 0;

    static Clock &current();
    // Not owned; nullptr restores the system clock. Returns the clock installed before, so that
    // whoever installs one can put the previous one back.
    static Clock *install(Clock *clock);
};
