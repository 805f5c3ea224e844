#pragma once

#include "bulkblock.h"
#include "common/types.h"
#include "model/configlayout.h"

#include <array>
#include <bitset>

// Collects a configuration read from the controller: each received frame is checked and its
// data placed by the block number in its own header, in a staging copy of the image. The image
// itself is only replaced once the whole read has succeeded.
class ConfigBlockReader
{
public:
    enum class Result {
        Stored,
        Invalid, // too short for its header, or a length field above 255
        BadChecksum,
        OutOfRange, // the data would end past the image
    };

    // Starts from the image as it is, so blocks that never arrive keep their bytes.
    explicit ConfigBlockReader(const u8 *image);

    Result take(const u8 *frame, int frameLength);
    const u8 *staged() const { return staging.data(); }
    // Every block number of the image has arrived; a number that came twice leaves another
    // region with the old bytes.
    bool complete() const { return arrived.all(); }

private:
    std::array<u8, ConfigLayout::ImageSize> staging;
    std::bitset<CONF_BLOCK_COUNT> arrived;
};
