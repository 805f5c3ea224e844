#pragma once

#include "common/types.h"

#include <QByteArray>

// The tests' own reading of the image and its frames, written from the memory map and not from the
// program's layout code, so a wrong offset in the program cannot hide in both.
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

// A bulk frame written out by hand from the framing rules, independent of BulkBlock: number,
// length field (data bytes minus one, little-endian), checksum, data; number, low length byte,
// data and checksum add up to 0 modulo 256.
inline QByteArray frameByHand(int number, const QByteArray &data)
{
    const int lengthField = int(data.size()) - 1;
    int sum = number + (lengthField & 0xFF);
    for (char c : data)
        sum += u8(c);
    QByteArray frame;
    frame.append(char(number));
    frame.append(char(lengthField & 0xFF));
    frame.append(char(lengthField >> 8));
    frame.append(char((256 - sum % 256) % 256));
    frame.append(data);
    return frame;
}

} // namespace ImageOracle
