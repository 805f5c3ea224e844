#include "configfile.h"

#include "unpack.h"

#include "common/version.h"
#include "configlayout.h"
#include "fileio.h"

#include <QLocale>

#include <cstring>

namespace {

const char magic[] = "kelvoCFG";
constexpr int crcSize = 2;
constexpr char padding = 0x1A;

// Only for people reading the file; the reader skips it.
const char contactBlock[] = "Ovra Lighting Systems\r\n"
                            "ul. Przykladowa 12\r\n"
                            "30-001 Krakow, Poland\r\n"
                            "Phone:  +48 12 345 67 89\r\n"
                            "Fax:    +48 12 345 67 90\r\n"
                            "E-mail: support@kelvo-lighting.example\r\n";

u16 crc(const QByteArray &data, qsizetype size)
{
    return qChecksum(QByteArrayView(data.constData(), size), Qt::ChecksumIso3309);
}

} // namespace

QByteArray ConfigFile::terminatedHeader(const QByteArray &text)
{
    QByteArray header = text;
    while ((header.size() + 1) % 16 != 0)
        header.append(padding);
    header.append('\0');
    return header;
}

QByteArray ConfigFile::encode(const u8 *image, const QDateTime &written)
{
    const QString text = QLatin1String(magic) + QLatin1String("\r\n")
        + QLatin1String("kelvo configuration and data file.\r\n")
        + QLatin1String("File written by KelvoDesk rel. ") + QLatin1String(kelvoRelease)
        + QLatin1String("\r\nLast modification:  ")
        + QLocale::c().toString(written, QStringLiteral("dd.MM.yyyy hh:mm.ss"))
        + QLatin1String("\r\n\r\n") + QLatin1String(contactBlock) + QLatin1String("\r\n");

    QByteArray file = terminatedHeader(text.toLatin1());
    file += qCompress(image, ConfigLayout::ImageSize, 9);
    const u16 checksum = crc(file, file.size());
    file.append(char(checksum & 0xFF));
    file.append(char(checksum >> 8));
    return file;
}

QByteArray ConfigFile::headerText(const QByteArray &file)
{
    if (!file.startsWith(magic))
        return {};
    const qsizetype end = file.indexOf('\0');
    return end < 0 ? QByteArray() : file.left(end);
}

bool ConfigFile::decode(const QByteArray &file, u8 *image)
{
    if (file.size() < crcSize || file.size() > MaxFileSize)
        return false;
    const qsizetype n = file.size() - crcSize;
    const u16 stored = u16(u8(file[n]) | (u8(file[n + 1]) << 8));
    if (stored != crc(file, n))
        return false;

    const QByteArray covered = file.left(n);
    const QByteArray header = headerText(covered);
    if (header.isEmpty())
        return false;
    const QByteArray packed = covered.mid(header.size() + 1);

    const QByteArray unpacked = unpackExactly(packed, ConfigLayout::ImageSize);
    if (unpacked.isEmpty())
        return false;
    std::memcpy(image, unpacked.constData(), ConfigLayout::ImageSize);
    return true;
}

QString ConfigFile::saveName(const QString &chosen)
{
    if (chosen.endsWith(QLatin1String(".kvg")) || chosen.endsWith(QLatin1String(".cfgkv")))
        return chosen;
    return chosen + QLatin1String(".cfgkv");
}

bool ConfigFile::write(const QString &fileName, const u8 *image)
{
    return write(fileName, image, nullptr);
}

bool ConfigFile::write(const QString &fileName, const u8 *image, QString *reason)
{
    return FileIo::write(fileName, encode(image, QDateTime::currentDateTime()), reason);
}

bool ConfigFile::read(const QString &fileName, u8 *image)
{
    return read(fileName, image, nullptr);
}

bool ConfigFile::read(const QString &fileName, u8 *image, QString *reason, QByteArray *file)
{
    QByteArray bytes;
    QString why;
    switch (FileIo::read(fileName, MaxFileSize, &bytes, &why)) {
    case FileIo::ReadResult::Ok:
        break;
    case FileIo::ReadResult::TooLarge:
        // Larger than anything the writer produces: broken, like any other bad content.
        if (reason)
            *reason = QStringLiteral("File is broken. (%1)").arg(why);
        return false;
    case FileIo::ReadResult::Failed:
        if (reason)
            *reason = why;
        return false;
    }
    if (!decode(bytes, image)) {
        if (reason)
            *reason = QStringLiteral("File is broken.");
        return false;
    }
    if (file)
        *file = bytes;
    return true;
}
