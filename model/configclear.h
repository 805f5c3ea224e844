#pragma once

#include "common/types.h"

// Which areas of the image a clear resets; any other bits count only as part of ClearAll.
namespace ClearFlags {
constexpr u16 Scenes = 0x0001;
constexpr u16 Programs = 0x0002;
constexpr u16 Inputs = 0x0004;
constexpr u16 Remote = 0x0008;
constexpr u16 All = 0xFFFF;
} // namespace ClearFlags

// Resets the chosen areas of the image to their defaults.
void clearImage(u8 *image, u16 flags);

// The step a program gains or keeps when it would have none: no levels, no rise, 1.0 s last, and
// the given fall time (the marker that chains it, or a time).
void clearStep(u8 *image, int page, int step, u16 fallTime);
