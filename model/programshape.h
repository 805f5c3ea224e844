#pragma once

#include "common/types.h"

// A program's run mode; stored nowhere, read off the fall-time markers of its steps.
enum pgmModesType { pgmNormal = 0, pgmLoop = 1, pgmContinued = 2 };

// Step count and run mode of a program page, and the rules that change them in the image.
namespace ProgramShape {

struct Shape
{
    int steps;
    pgmModesType mode;
};

Shape read(const u8 *image, int page);

// "normal", "loop", "continued": the one spelling for kelvoctl and JSON.
const char *runModeName(pgmModesType mode);

// Marks steps 0..n-2 as followed by another step and settles the new last step for the mode;
// returns the mode the program has afterwards.
pgmModesType setStepCount(u8 *image, int page, int n, pgmModesType mode);

// "Loop" for a program of stepCount steps.
void setLoop(u8 *image, int page, int stepCount, bool on);

// "Continued": on makes the program 16 steps long with step 16 followed by step 1.
void setContinued(u8 *image, int page, bool on);

} // namespace ProgramShape
