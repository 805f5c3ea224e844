#pragma once

#include "common/clock.h"

#include <atomic>
#include <functional>

// Time that only moves when someone waits: time-outs run at once and their counts are exact.
// Installs itself for its lifetime and then puts back the clock installed before. Safe to read
// from another thread (an emulated device's handler reads it while the program waits).
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
        if (onSleep)
            onSleep();
    }
    qint64 now() const override { return elapsed; }

    std::atomic<qint64> elapsed = 0;
    std::atomic<int> sleeps = 0;
    // Runs on the sleeping thread after each wait: what the world does while the program waits.
    std::function<void()> onSleep;

private:
    Clock *previous;
};
