#pragma once

#include <QByteArray>

// zlib data behind a 4-byte big-endian length (what qCompress writes), unpacked only when the
// length announces exactly `size` bytes and the data then holds exactly that: a forged length
// cannot size a buffer. Empty when refused.
QByteArray unpackExactly(const QByteArray &packed, qsizetype size);
