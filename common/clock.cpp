#include "clock.h"

#include "systemclock.h"

#include <QMutex>
#include <QWaitCondition>

#include <utility>

namespace {
Clock *installedClock = nullptr;
}

Clock &Clock::current()
{
    static SystemClock systemClock;
    return installedClock ? *installedClock : systemClock;
}

Clock *Clock::install(Clock *clock)
{
    return std::exchange(installedClock, clock);
}

SystemClock::SystemClock()
{
    started.start();
}

void SystemClock::sleep(int ms)
{
    // A wait condition nobody wakes: sleeps without spinning the event loop.
    QMutex mutex;
    QWaitCondition never;
    mutex.lock();
    never.wait(&mutex, ms);
    mutex.unlock();
}

qint64 SystemClock::now() const
{
    return started.elapsed();
}
