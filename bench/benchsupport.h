#pragma once

// What the benchmarks share: a clock that sleeps for real and counts the waits, prompts that
// answer at once, and a simulated bus that times its own share.

#include "common/clock.h"
#include "common/prompts.h"
#include "common/systemclock.h"
#include "simulator/simulatedbus.h"

#include "controller/kelvo_controller_class.h"

#include <QElapsedTimer>

#include <cstdio>

#include <memory>

// Sleeps for real and adds up what the protocol asked to wait.
class CountingClock : public SystemClock
{
public:
    void sleep(int ms) override
    {
        slept += ms;
        SystemClock::sleep(ms);
    }
    qint64 slept = 0;
};

// The progress dialog and result boxes would wait for a user: answer them at once.
class SilentPrompts : public Prompts
{
    class Progress : public ProgressPrompt
    {
    public:
        void setValue(int) override { }
        bool wasCanceled() override { return false; }
        void setLabelText(const QString &) override { }
        void reset() override { }
    };

public:
    Button message(Kind, QObject *, const QString &, const QString &text, Buttons, Button) override
    {
        last = text;
        return Ok;
    }
    QString openFileName(QObject *, const QString &, const QString &, const QString &) override
    {
        return {};
    }
    QString saveFileName(QObject *, const QString &, const QString &, const QString &) override
    {
        return {};
    }
    std::unique_ptr<ProgressPrompt> progress(QObject *, const QString &, const QString &, int,
                                             bool) override
    {
        return std::make_unique<Progress>();
    }
    QString last;
};

// The simulated bus, timing what it spends on each control transfer.
class TimedBus : public SimulatedBus
{
public:
    int controlTransfer(UsbHandle handle, u8 requestType, u8 request, u16 value, u16 index,
                        u8 *data, u16 length, unsigned timeoutMs) override
    {
        QElapsedTimer timer;
        timer.start();
        const int result = SimulatedBus::controlTransfer(handle, requestType, request, value, index,
                                                         data, length, timeoutMs);
        insideNs += timer.nsecsElapsed();
        ++transfers;
        return result;
    }

    qint64 insideNs = 0;
    qint64 transfers = 0;
};

// Connects `kelvo` to the one controller on `bus` and switches it to live mode; false, with a
// message naming the benchmark, when that does not work.
inline bool goLive(kelvo_controller_class &kelvo, TimedBus &bus, const char *benchmark)
{
    bus.addController(QStringLiteral("KLV00000001"));
    kelvo.setUsbBackend(&bus);
    // Keep the in-memory log from growing with the run; the logging itself stays in the path.
    kelvo.usbDevice.transactionLog().capacity = 1000;
    kelvo.setConnection(true);
    if (!kelvo.connected
        || kelvo.ch_mode(kelvo_controller_class::RequestedLive)
            != kelvo_controller_class::RequestedLive) {
        std::fprintf(stderr, "%s: the simulated controller did not go live\n", benchmark);
        return false;
    }
    bus.insideNs = 0;
    bus.transfers = 0;
    return true;
}

// Transactions and microseconds per value, with the bus's own share taken out.
inline void reportPerValue(const char *what, int values, qint64 totalNs, const TimedBus &bus)
{
    const double perValueUs = double(totalNs) / values / 1000.0;
    const double backendUs = double(bus.insideNs) / values / 1000.0;
    std::printf("%-35s%d\n", what, values);
    std::printf("USB transactions per value:        %.3f\n", double(bus.transfers) / values);
    std::printf("microseconds per value, total:     %.3f\n", perValueUs);
    std::printf("  inside the simulated controller: %.3f\n", backendUs);
    std::printf("  the program's own:               %.3f\n", perValueUs - backendUs);
}
