#include "bulkblock.h"

#include <cstring>

u8 BulkBlock::checksumOf(u8 number, u16 lengthField, const u8 *data, int dataLength)
{
    unsigned sum = number + (lengthField & 0xFF);
    for (int i = 0; i < dataLength; ++i)
        sum += data[i];
    return u8(-sum);
}

int BulkBlock::build(u8 number, const u8 *data, int length)
{
    if (!data || length < 1 || length > MaxDataSize)
        return -1;
    const u16 lengthField = u16(length - 1);
    buffer[0] = number;
    buffer[1] = u8(lengthField);
    buffer[2] = u8(lengthField >> 8);
    buffer[3] = checksumOf(number, lengthField, data, length);
    std::memcpy(buffer.data() + HeaderSize, data, size_t(length));
    return HeaderSize + length;
}

BulkBlock::Parse BulkBlock::parse(const u8 *frame, int frameLength)
{
    buffer.fill(0);
    if (!frame || frameLength < HeaderSize)
        return Parse::TooShort;
    std::memcpy(buffer.data(), frame, HeaderSize);
    if (lengthField() >= MaxDataSize)
        return Parse::BadLength;
    if (frameLength < frameSize())
        return Parse::TooShort;
    std::memcpy(buffer.data() + HeaderSize, frame + HeaderSize, size_t(dataLength()));
    if (checksum() != checksumOf(number(), lengthField(), data(), dataLength()))
        return Parse::BadChecksum;
    return Parse::Valid;
}
