#pragma once

#include "common/clock.h"

// Time that only moves when someone waits: time-outs run at once and their counts are exact.
class VirtualClock : public Clock
{
public:
    VirtualClock() { Clock::install(this); }
    ~VirtualClock() override { Clock::install(nullptr); }

    void sleep(int ms) override
    {
        elapsed += ms;
        ++sleeps;
    }
    qint64 now() const override { return elapsed; }

    qint64 elapsed = 0;
    int sleeps = 0;
};
