#pragma once

#include "common/types.h"

#include <QByteArray>

// The controller's upgrade file (".upg"), read without touching a device: magic, the optional
// version tag, 0x1A padding, the descriptor, and the compressed, scrambled 64 KiB firmware.
// Every check that can refuse a file happens before the firmware is sent anywhere.
namespace UpgradeFile {

inline constexpr int HeaderSize = 400; // magic, text, padding and descriptor lie in here
inline constexpr int ImageSize = 0x10000;
inline constexpr int KeySize = 64;
inline constexpr char Magic[] = "KelvoUPG";
// Nothing is read past this: the largest data offset plus the largest accepted data.
inline constexpr int MaxUsefulSize = 0x7FFF + ImageSize + 16;

// What makes a file unusable, in the order the reader meets it.
enum class Refusal {
    None,
    TooShort, // fewer than 400 bytes, or the data runs past the end of the file
    WrongMagic, // also: no padding, or no room for the descriptor, before offset 400
    NothingToLoad, // the descriptor's data offset is 0xFFFF: stop without a word
    SeekError, // a negative data offset
    BadLength, // a negative data length, or more than a whole image
    CrcError,
    UncompressError, // does not unpack to exactly 64 KiB
};

struct Version
{
    bool tagged = false; // a "v_" tag at text position 1 or later
    qint8 major = 0;
    qint8 minor = 0;
    char core = 0;

    int rank() const { return major * 100 + minor; }
};

struct Descriptor
{
    qint16 dataOffset = 0;
    u16 dataCrc = 0;
    qint32 dataLengthMinus1 = 0;
};

// The version tag of the first 400 bytes (the caller has checked magic and size).
Version version(const QByteArray &header);

// Magic and size of the first bytes of a file.
Refusal checkHeader(const QByteArray &file);

// The descriptor after the padding; WrongMagic when there is no room for it before offset 400.
Refusal descriptor(const QByteArray &file, Descriptor *result);

// The unscrambled firmware image; the file's first MaxUsefulSize bytes are enough.
Refusal image(const QByteArray &file, const Descriptor &descriptor, QByteArray *result);

// The 64-byte key of the scrambling.
QByteArray key();

// Both passes of the unscrambling, and their inverse (for making files).
QByteArray unscramble(QByteArray bytes);
QByteArray scramble(QByteArray bytes);

// All checks in the order the upgrade makes them, without the version comparison.
Refusal read(const QByteArray &file, Version *version, QByteArray *result);

} // namespace UpgradeFile
