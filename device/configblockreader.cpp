#include "configblockreader.h"

#include <cstring>

ConfigBlockReader::ConfigBlockReader(const u8 *image)
{
    std::memcpy(staging.data(), image, staging.size());
}

ConfigBlockReader::Result ConfigBlockReader::take(const u8 *frame, int frameLength)
{
    BulkBlock block;
    switch (block.parse(frame, frameLength)) {
    case BulkBlock::Parse::Valid:
        break;
    case BulkBlock::Parse::BadChecksum:
        return Result::BadChecksum;
    case BulkBlock::Parse::TooShort:
    case BulkBlock::Parse::BadLength:
        return Result::Invalid;
    }
    // The controller's number decides where the data goes, not the order of arrival.
    const int offset = BLOCK_DATA_SIZE * block.number();
    if (offset + block.dataLength() > ConfigLayout::ImageSize)
        return Result::OutOfRange;
    std::memcpy(staging.data() + offset, block.data(), size_t(block.dataLength()));
    // Only a whole block fills its region; a shorter one leaves old bytes at its end.
    if (block.dataLength() == BLOCK_DATA_SIZE)
        arrived.set(size_t(block.number()));
    return Result::Stored;
}
