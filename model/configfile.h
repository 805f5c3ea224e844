#pragma once

#include "common/types.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The configuration file: a text header for people, ending in NUL, then the image as qCompress
// (level 9) output, then a CRC-16/X-25 over everything before it, low byte first.
class ConfigFile
{
public:
    // Files above this are refused unread; the largest file the writer can produce (an image
    // that does not compress at all) is about 10.8 KiB.
    static constexpr int MaxFileSize = 0x4000;

    // The whole file for the image, stamped with the given local time.
    static QByteArray encode(const u8 *image, const QDateTime &written);
    // True and the image filled only for a valid file; otherwise the image is untouched.
    static bool decode(const QByteArray &file, u8 *image);
    // The header text before the NUL of a file with a valid magic; empty otherwise.
    static QByteArray headerText(const QByteArray &file);

    // The header as written: text, 0x1A padding to make text plus NUL a multiple of 16, NUL.
    static QByteArray terminatedHeader(const QByteArray &text);
    // The name a save dialog's choice is written under.
    static QString saveName(const QString &chosen);

    // Replaces the file only once the new one is complete; a failure leaves the old file.
    static bool write(const QString &fileName, const u8 *image);
    // The same, naming why it failed in *reason (disk full, permission denied ...).
    static bool write(const QString &fileName, const u8 *image, QString *reason);
    // The image only from a valid file; otherwise it is untouched.
    static bool read(const QString &fileName, u8 *image);
    // The same with the reason of a failure ("File is broken." for any invalid content) and,
    // when asked for, the file's bytes.
    static bool read(const QString &fileName, u8 *image, QString *reason,
                     QByteArray *file = nullptr);
};
