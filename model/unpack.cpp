#include "unpack.h"

#include <QtEndian>

namespace {
constexpr qsizetype LengthPrefixSize = 4;
} // namespace

QByteArray unpackExactly(const QByteArray &packed, qsizetype size)
{
    if (packed.size() < LengthPrefixSize || qFromBigEndian<quint32>(packed.constData()) != size)
        return {};
    QByteArray unpacked = qUncompress(packed);
    if (unpacked.size() != size)
        return {};
    return unpacked;
}
