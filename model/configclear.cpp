#include "configclear.h"

#include "configlayout.h"

#include <cstring>

using namespace ConfigLayout;

namespace {

void clearInputs(u8 *image)
{
    std::memset(image + InputFunc, 0xFF, InputCount);
    image[InputUsedMask] = 0xFF;
    image[InputNoMask] = 0xFF;
}

void clearPage(u8 *image, int page, u16 fall)
{
    for (int step = 0; step < StepsPerPage; ++step)
        clearStep(image, page, step, fall);
}

void clearRemote(u8 *image)
{
    std::memset(image + RcuKeyFunc, 0xFF, RcuKeyCount);
    image[RcuSysAddr] = 0xFF;
}

} // namespace

void clearStep(u8 *image, int page, int step, u16 fallTime)
{
    std::memset(image + levelOffset(page, step, 0), 0, ChannelCount);
    setStepTime(image, page, step, RiseTime, 0);
    setStepTime(image, page, step, LastTime, FreshLastTime);
    setStepTime(image, page, step, FallTime, fallTime);
}

void clearImage(u8 *image, u16 flags)
{
    if (flags == ClearFlags::All) {
        std::memset(image, 0xFF, ImageSize);
        image[SpecialLevelRed] = 0;
        image[SpecialLevelGreen] = 0;
        image[SpecialLevelBlue] = 0;
        image[PreviewFirstChannel] = 0;
        image[InputUsedMask] = 0xFF;
        image[InputNoMask] = 0xFF;
        image[SpecialFirstChannel] = 0;
        writeU16(image, SpecialRiseTime, 0);
        image[SpecialLastChannel] = 0x3F;
        image[PowerOnFunc] = 0xFF;
        image[MixMode] = 0xFF;
    }
    if (flags & ClearFlags::Inputs)
        clearInputs(image);
    if (flags & ClearFlags::Scenes)
        clearPage(image, 0, 0);
    if (flags & ClearFlags::Programs) {
        for (int page = 1; page < PageCount; ++page)
            clearPage(image, page, FallNextStep);
    }
    if (flags & ClearFlags::Remote)
        clearRemote(image);
}
