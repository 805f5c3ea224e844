#pragma once

#include "common/types.h"

#include <QList>

// A program's steps as time: each step's rise and hold, and how the program ends. Read from the
// image once; positions are computed from the time itself, so hours of looping do not drift.
class ProgramTimeline
{
public:
    static constexpr qint64 Forever = -1;

    enum class End { FadeOut, Loop, Continued };

    struct Step
    {
        qint64 rise = 0; // ms
        qint64 hold = 0; // ms, or Forever
    };

    // Where a program is at a time from its start.
    struct Position
    {
        int step = 0; // 0-based
        qint64 inStep = 0; // ms since the step began (its rise first, then its hold)
        bool firstPass = true; // the first step of the first pass fades from what was before
        bool fadingOut = false; // after the last step: `inStep` is the time into the fall
        bool ended = false; // the fall is over
    };

    // Program 1..8 of the image.
    ProgramTimeline(const u8 *image, int program);

    int program() const { return number; }
    const QList<Step> &steps() const { return stepList; }
    End end() const { return ending; }
    qint64 fall() const { return fallMs; } // ms, for FadeOut
    // One pass through the steps, without the fall; Forever when a step holds for ever.
    qint64 passLength() const { return pass; }

    Position at(qint64 ms) const;

private:
    Position within(qint64 ms, bool firstPass) const;

    int number;
    QList<Step> stepList;
    End ending = End::FadeOut;
    qint64 fallMs = 0;
    qint64 pass = 0;
};
