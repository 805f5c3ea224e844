#pragma once

#include "common/types.h"

// Copies scenes, steps and whole programs inside the image: a step's 64 levels and its time
// record travel together, including the fall-time markers that chain a program's steps.
// Steps and scenes are 0-based; runs must lie inside their pages and must not overlap.
namespace ConfigCopy {

void copyStep(u8 *image, int srcPage, int srcStep, int dstPage, int dstStep);
void copySteps(u8 *image, int srcPage, int srcStep, int dstPage, int dstStep, int count);
// Independent scenes live in page 0.
void copyScenes(u8 *image, int srcScene, int dstScene, int count);
// Programs 1..8 are pages 1..8; the reserved tail of each time page stays where it is.
void copyPrograms(u8 *image, int srcProgram, int dstProgram, int count);

// Whether the runs first..first+count-1 of the two starts share an element.
constexpr bool runsOverlap(int src, int dst, int count)
{
    return (src > dst ? src - dst : dst - src) < count;
}

} // namespace ConfigCopy
