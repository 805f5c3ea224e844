#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reading with a size bound and atomic, unbuffered writing; every failure comes with
// the reason a person can act on (the system's message, or what was refused).
namespace FileIo {

enum class ReadResult { Ok, Failed, TooLarge };

// Reads the whole file when it holds at most maxSize bytes; never reads more than one byte past
// the bound, so endless inputs (/dev/zero) are refused too.
ReadResult read(const QString &fileName, qint64 maxSize, QByteArray *bytes, QString *reason);

// Reads the file's first maxSize bytes, or all of a shorter one: for readers that never look
// further. Pipes and devices are read until the bound or their end.
bool readStart(const QString &fileName, qint64 maxSize, QByteArray *bytes, QString *reason);

// Replaces the file only once the new content is complete; a failure leaves the old file.
// A path that exists and is not a regular file (a device, a FIFO) is refused: replacing it
// with a regular file would destroy it.
bool write(const QString &fileName, const QByteArray &bytes, QString *reason);

} // namespace FileIo
