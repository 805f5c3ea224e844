#pragma once

#include "common/types.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <utility>

// Configuration files made the way another program could make them: zlib used directly and a
// CRC-16/X-25 written from its definition, independent of the program's own reader and writer.
namespace ConfigFileFixtures {

// The time files are stamped with in tests: fixed, so every run builds the same bytes.
QDateTime fixedTime();

QByteArray randomBytes(quint32 seed, int size);
QByteArray defaultImage();
inline const u8 *bytes(const QByteArray &image)
{
    return reinterpret_cast<const u8 *>(image.constData());
}

// Reflected polynomial 0x1021, start 0xFFFF, complemented.
u16 crc16x25(const QByteArray &data);
QByteArray withCrc(QByteArray file);
QByteArray bigEndian32(quint32 value);
QByteArray zlibCompress(const QByteArray &data, int level);
// Empty unless the stream unpacks to exactly `expected` bytes.
QByteArray zlibInflate(const QByteArray &data, int expected);
// Any header text, NUL, a 4-byte length (the payload's, or `announced`), a zlib stream, CRC.
QByteArray handMade(const QByteArray &headerText, const QByteArray &payload, int level = 9,
                    qint64 announced = -1);
extern const QByteArray handHeader;

// Plain whole-file access for setting up and checking tests, independent of the program's own
// file helper.
bool writeFile(const QString &fileName, const QByteArray &bytes);
QByteArray readFile(const QString &fileName);

// Every way a configuration file can be broken, each with a descriptive name.
QList<std::pair<QByteArray, QByteArray>> brokenFiles();

} // namespace ConfigFileFixtures
