#pragma once

#include "common/clock.h"

// Time that only moves when someone waits: time-outs run at once and their counts are exact.
// Installs itself for its lifetime and then puts back the clock installed before.
class VirtualClock : public Clock
{
public:
    VirtualClock()
        : previous(Clock::install(this))
    { }
    ~VirtualClock() override { Clock::install(previous); }

    void sleep(int ms) override
    {
        elapsed += ms;
        ++sleeps;
    }
    qint64 now() const override { return elapsed; }

    qint64 elapsed = 0;
    int sleeps = 0;

private:
    Clock *previous;
};
