#pragma once

#include "common/types.h"

// The controller's configuration memory, byte for byte. Every editor, the file code, the transfer
// and clearing address the image through these names only.
namespace ConfigLayout {

constexpr int ImageSize = 0x2900; // 10496
constexpr int PageCount = 9; // page 0: independent scenes, pages 1..8: programs
constexpr int StepsPerPage = 16;
constexpr int ChannelCount = 64;
constexpr int InputCount = 8;
constexpr int RcuKeyCount = 64;

enum Offset : int {
    ReservedHead = 0x0000,
    InputFunc = 0x0008,
    RcuKeyFunc = 0x0010,
    RcuSysAddr = 0x0050,
    SpecialLevelRed = 0x0051,
    SpecialLevelGreen = 0x0052,
    SpecialLevelBlue = 0x0053,
    SpecialRiseTime = 0x0054, // u16
    PreviewFirstChannel = 0x0056,
    InputUsedMask = 0x0057,
    InputNoMask = 0x0058,
    SpecialFirstChannel = 0x0059,
    SpecialLastChannel = 0x005A,
    PowerOnFunc = 0x005B,
    Reserved5C = 0x005C,
    MixMode = 0x005D,
    ReservedGlobals = 0x005E,
    TimeTable = 0x0080,
    LevelTable = 0x0500,
};

// Sizes of the reserved runs the editors leave alone.
constexpr int ReservedHeadSize = InputFunc - ReservedHead; // 8
constexpr int ReservedGlobalsSize = TimeTable - ReservedGlobals; // 34

constexpr int TimePageSize = 128;
constexpr int TimeRecordSize = 6;
constexpr int TimePageUsed = StepsPerPage * TimeRecordSize; // the last 32 bytes are reserved
constexpr int LevelPageSize = StepsPerPage * ChannelCount;

// Fields of a step time record, as byte offsets inside the record.
enum TimeField : int { RiseTime = 0, LastTime = 2, FallTime = 4 };

// Time markers.
constexpr u16 LastInfinite = 0xFFFF;
constexpr u16 FallNextStep = 0xFFFF;
constexpr u16 FallLoop = 0xFFFE;
constexpr u16 MaxRiseTime = 0xFFFF;
constexpr u16 MaxLastTime = 0xFFFE;
constexpr u16 MaxFallTime = 0xFFFD;
constexpr u16 MaxSpecialRiseTime = 0xFFFE;
// The last time of a fresh step, and of a step whose rise and last times were both 0: 1.0 s.
constexpr u16 FreshLastTime = 10;

constexpr u8 RcuAddrUnknown = 0x80; // rcuAddrShown before anything was learned
constexpr int MaxRcuSysAddr = 31;

constexpr int PreviewChannels = 3; // the preview shows red, green and blue from its first channel

// The remote's system address to show for an image that came whole (from a file or the
// controller): the stored one, or 0xFF ("not used") for anything above the largest.
inline u8 rcuAddressShown(const u8 *image)
{
    const u8 address = image[RcuSysAddr];
    return address <= MaxRcuSysAddr ? address : 0xFF;
}

constexpr int levelOffset(int page, int step, int channel)
{
    return LevelTable + LevelPageSize * page + ChannelCount * step + channel;
}

constexpr int timeRecordOffset(int page, int step)
{
    return TimeTable + TimePageSize * page + TimeRecordSize * step;
}

constexpr int timeOffset(int page, int step, TimeField field)
{
    return timeRecordOffset(page, step) + field;
}

// Little-endian, as the controller stores them.
inline u16 readU16(const u8 *image, int offset)
{
    return u16(image[offset] | (image[offset + 1] << 8));
}

inline void writeU16(u8 *image, int offset, u16 value)
{
    image[offset] = u8(value & 0xFF);
    image[offset + 1] = u8(value >> 8);
}

inline u16 stepTime(const u8 *image, int page, int step, TimeField field)
{
    return readU16(image, timeOffset(page, step, field));
}

inline void setStepTime(u8 *image, int page, int step, TimeField field, u16 value)
{
    writeU16(image, timeOffset(page, step, field), value);
}

inline u8 level(const u8 *image, int page, int step, int channel)
{
    return image[levelOffset(page, step, channel)];
}

inline void setLevel(u8 *image, int page, int step, int channel, u8 value)
{
    image[levelOffset(page, step, channel)] = value;
}

// Which of the special scene's colours (0 red, 1 green, 2 blue) live mode shows on a channel:
// every third channel from the first, whatever the special scene's channel range.
constexpr int liveSpecialColour(int channel)
{
    return channel % 3;
}

inline bool inputUsed(const u8 *image, int input)
{
    return image[InputUsedMask] & (1u << input);
}

inline bool inputNormallyOpen(const u8 *image, int input)
{
    return image[InputNoMask] & (1u << input);
}

} // namespace ConfigLayout
