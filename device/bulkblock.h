#pragma once

#include "common/types.h"
#include "kelvoprotocol.h"

#include <array>

// The frame of both bulk pipes: block number, length field (data bytes minus one,
// 16-bit little-endian), checksum, data. Block number, low byte of the length field, data and
// checksum add up to 0 modulo 256.
class BulkBlock
{
public:
    static constexpr int HeaderSize = 4;
    static constexpr int MaxDataSize = BLOCK_DATA_SIZE;
    static constexpr int MaxSize = HeaderSize + MaxDataSize; // 260

    enum class Parse { Valid, TooShort, BadLength, BadChecksum };

    // Two's complement of the 8-bit sum of number, low byte of the length field and data.
    static u8 checksumOf(u8 number, u16 lengthField, const u8 *data, int dataLength);

    // Frames `length` (1..256) bytes as block `number`; returns the frame size (length + 4), or
    // -1 for a length out of range.
    int build(u8 number, const u8 *data, int length);
    // Takes a received frame of `frameLength` bytes. A length field above 255 or a frame shorter
    // than its length field announces is refused before the checksum is looked at.
    Parse parse(const u8 *frame, int frameLength);

    u8 number() const { return buffer[0]; }
    u16 lengthField() const { return u16(buffer[1] | (buffer[2] << 8)); }
    int dataLength() const { return lengthField() + 1; }
    u8 checksum() const { return buffer[3]; }
    const u8 *data() const { return buffer.data() + HeaderSize; }
    const u8 *frame() const { return buffer.data(); }
    int frameSize() const { return HeaderSize + dataLength(); }

private:
    std::array<u8, MaxSize> buffer {};
};
