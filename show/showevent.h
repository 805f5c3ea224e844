#pragma once

#include <QtGlobal>

// Something that happens to the controller while a show plays, at a time in milliseconds.
struct ShowEvent
{
    enum class Kind {
        PowerOn, // runs the power-on action
        InputClosed, // input `number` (1..8) closes
        InputOpened, // input `number` opens
        RemoteKey, // remote key `number` (1..64) sent with system address `address`
        Action, // function code `number` carried out directly
    };

    qint64 atMs = 0;
    Kind kind = Kind::PowerOn;
    int number = 0;
    int address = 0;
};
