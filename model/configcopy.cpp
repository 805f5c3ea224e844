#include "configcopy.h"

#include "configlayout.h"

#include <cstring>

using namespace ConfigLayout;

namespace ConfigCopy {

void copyStep(u8 *image, int srcPage, int srcStep, int dstPage, int dstStep)
{
    Q_ASSERT(srcPage >= 0 && srcPage < PageCount && dstPage >= 0 && dstPage < PageCount);
    Q_ASSERT(srcStep >= 0 && srcStep < StepsPerPage && dstStep >= 0 && dstStep < StepsPerPage);
    std::memcpy(image + levelOffset(dstPage, dstStep, 0), image + levelOffset(srcPage, srcStep, 0),
                ChannelCount);
    std::memcpy(image + timeRecordOffset(dstPage, dstStep),
                image + timeRecordOffset(srcPage, srcStep), TimeRecordSize);
}

void copySteps(u8 *image, int srcPage, int srcStep, int dstPage, int dstStep, int count)
{
    for (int k = 0; k < count; ++k)
        copyStep(image, srcPage, srcStep + k, dstPage, dstStep + k);
}

void copyScenes(u8 *image, int srcScene, int dstScene, int count)
{
    copySteps(image, 0, srcScene, 0, dstScene, count);
}

void copyPrograms(u8 *image, int srcProgram, int dstProgram, int count)
{
    for (int k = 0; k < count; ++k)
        copySteps(image, srcProgram + k, 0, dstProgram + k, 0, StepsPerPage);
}

} // namespace ConfigCopy
