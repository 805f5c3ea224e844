#include "upgradefile.h"

#include "model/unpack.h"

#include <QtEndian>

#include <limits>
#include <utility>

namespace UpgradeFile {

namespace {

constexpr int TextStart = 9;
constexpr char Padding = 0x1A;
constexpr int DescriptorSize = 8;

// The program's own key: the controller's loader expects the firmware scrambled with it.
constexpr u8 Key[KeySize] = {
    0x5B, 0xC2, 0x17, 0x8E, 0x3D, 0xA4, 0x69, 0xF0, 0x21, 0x98, 0x4F, 0xE6, 0x0B, 0x72, 0xB9, 0x34,
    0xD7, 0x1E, 0x85, 0x6C, 0xF3, 0x2A, 0x91, 0x48, 0xAF, 0x06, 0x7D, 0xE4, 0x3B, 0xC2, 0x59, 0x10,
    0x87, 0xFE, 0x25, 0x9C, 0x43, 0xDA, 0x61, 0x38, 0xCF, 0x76, 0x0D, 0xB4, 0x5B, 0xE2, 0x29, 0x90,
    0x17, 0x8E, 0xF5, 0x4C, 0xA3, 0x1A, 0xE1, 0x78, 0x3F, 0xC6, 0x6D, 0x04, 0x9B, 0x22, 0xE9, 0x50,
};

// Decimal digits with an optional sign after optional white space, as "%d" reads them; values
// past int are clamped instead of overflowing.
int readNumber(const QByteArray &text, qsizetype at)
{
    qsizetype i = at;
    while (i < text.size() && QByteArrayView(" \t\n\v\f\r").contains(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    qint64 value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = qMin<qint64>(value * 10 + (text[i] - '0'), qint64(1) << 32);
    value = negative ? -value : value;
    return int(qBound(qint64(std::numeric_limits<int>::min()), value,
                      qint64(std::numeric_limits<int>::max())));
}

void swapHalves(QByteArray &bytes)
{
    for (qsizetype block = 0; block + 16 <= bytes.size(); block += 16) {
        for (int i = 0; i < 8; ++i)
            std::swap(bytes[block + i], bytes[block + 8 + i]);
    }
}

void applyKey(QByteArray &bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char(u8(bytes[i]) ^ Key[i % KeySize]);
}

} // namespace

Refusal checkHeader(const QByteArray &file)
{
    if (file.size() < HeaderSize)
        return Refusal::TooShort;
    if (!file.startsWith(Magic))
        return Refusal::WrongMagic;
    return Refusal::None;
}

Version version(const QByteArray &header)
{
    Version v;
    QByteArray text = header.mid(TextStart, HeaderSize - TextStart);
    const qsizetype end = text.indexOf('\0');
    if (end >= 0)
        text.truncate(end);
    const qsizetype tag = text.indexOf("v_", 1);
    if (tag < 1)
        return v;
    v.tagged = true;
    const qsizetype majorAt = tag + 2;
    v.major = qint8(readNumber(text, majorAt));
    const qsizetype separator = text.indexOf('_', majorAt);
    const qsizetype minorAt
        = separator >= 0 && separator < majorAt + 5 ? separator + 1 : majorAt + 5;
    v.minor = qint8(readNumber(text, minorAt));
    qsizetype coreAt = minorAt;
    while (coreAt < text.size() && text[coreAt] >= '0' && text[coreAt] <= '9')
        ++coreAt;
    v.core = coreAt < text.size() ? text[coreAt] : '\0'; // the end of the text reads as 0
    return v;
}

Refusal descriptor(const QByteArray &file, Descriptor *result)
{
    const qsizetype padding = file.indexOf(Padding, TextStart);
    if (padding < 0 || padding >= HeaderSize)
        return Refusal::WrongMagic;
    qsizetype at = padding;
    while (at < file.size() && file[at] == Padding)
        ++at;
    if (at + DescriptorSize > HeaderSize)
        return Refusal::WrongMagic; // the descriptor must lie in the first 400 bytes
    const auto *d = reinterpret_cast<const uchar *>(file.constData() + at);
    result->dataOffset = qFromLittleEndian<qint16>(d);
    result->dataCrc = qFromLittleEndian<quint16>(d + 2);
    result->dataLengthMinus1 = qFromLittleEndian<qint32>(d + 4);
    return result->dataOffset == -1 ? Refusal::NothingToLoad : Refusal::None;
}

Refusal image(const QByteArray &file, const Descriptor &descriptor, QByteArray *result)
{
    if (descriptor.dataOffset < 0)
        return Refusal::SeekError;
    // Checked before anything is read: a forged length must not size a buffer or a read.
    if (descriptor.dataLengthMinus1 < 0 || descriptor.dataLengthMinus1 >= ImageSize)
        return Refusal::BadLength;
    const qsizetype length = qsizetype(descriptor.dataLengthMinus1) + 1;
    if (descriptor.dataOffset + length > file.size())
        return Refusal::TooShort;
    const QByteArray packed = file.mid(descriptor.dataOffset, length);
    if (qChecksum(packed, Qt::ChecksumIso3309) != descriptor.dataCrc)
        return Refusal::CrcError;
    const QByteArray unpacked = unpackExactly(packed, ImageSize);
    if (unpacked.isEmpty())
        return Refusal::UncompressError;
    *result = unscramble(unpacked);
    return Refusal::None;
}

QByteArray key()
{
    return QByteArray(reinterpret_cast<const char *>(Key), KeySize);
}

QByteArray unscramble(QByteArray bytes)
{
    applyKey(bytes);
    swapHalves(bytes);
    return bytes;
}

QByteArray scramble(QByteArray bytes)
{
    swapHalves(bytes);
    applyKey(bytes);
    return bytes;
}

Refusal read(const QByteArray &file, Version *fileVersion, QByteArray *result)
{
    if (const Refusal r = checkHeader(file); r != Refusal::None)
        return r;
    if (fileVersion)
        *fileVersion = version(file);
    Descriptor d;
    if (const Refusal r = descriptor(file, &d); r != Refusal::None)
        return r;
    return image(file, d, result);
}

} // namespace UpgradeFile
