#pragma once

// What the benchmarks share: a clock that sleeps for real and counts the waits, prompts that
// answer at once, and a simulated bus that times its own share.

#include "common/clock.h"
#include "common/prompts.h"
#include "common/systemclock.h"
#include "simulator/simulatedbus.h"

#include <QElapsedTimer>

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
    QMessageBox::StandardButton message(Kind, QWidget *, const QString &, const QString &text,
                                        QMessageBox::StandardButtons,
                                        QMessageBox::StandardButton) override
    {
        last = text;
        return QMessageBox::Ok;
    }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return {};
    }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return {};
    }
    std::unique_ptr<ProgressPrompt> progress(QWidget *, const QString &, const QString &, int,
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
