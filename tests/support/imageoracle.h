#pragma once

#include "common/types.h"

// The tests' own reading of the image, written from the memory map and not from the program's
// layout code, so a wrong offset in the program cannot hide in both.
namespace ImageOracle {

// Copies `count` steps: 64 levels at 0x500 + 1024 p + 64 s, six time bytes at 0x80 + 128 p + 6 s.
inline void copyStepsByHand(u8 *image, int srcPage, int srcStep, int dstPage, int dstStep,
                            int count = 1)
{
    for (int k = 0; k < count; ++k) {
        const int from = srcStep + k;
        const int to = dstStep + k;
        for (int c = 0; c < 64; ++c)
            image[0x500 + 1024 * dstPage + 64 * to + c]
                = image[0x500 + 1024 * srcPage + 64 * from + c];
        for (int b = 0; b < 6; ++b)
            image[0x80 + 128 * dstPage + 6 * to + b] = image[0x80 + 128 * srcPage + 6 * from + b];
    }
}

} // namespace ImageOracle
