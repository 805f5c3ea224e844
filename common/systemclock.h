#pragma once

#include "clock.h"

#include <QElapsedTimer>

class SystemClock : public Clock
{
public:
    SystemClock();

    void sleep(int ms) override;
    qint64 now() const override;

private:
    QElapsedTimer started;
};
