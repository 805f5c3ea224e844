#include "configfilefixtures.h"

#include "model/configclear.h"
#include "model/configfile.h"
#include "model/configlayout.h"

#include <QFile>
#include <QRandomGenerator>

#include <zlib.h>

using namespace ConfigLayout;

namespace ConfigFileFixtures {

QDateTime fixedTime()
{
    return QDateTime(QDate(2024, 3, 5), QTime(17, 8, 9));
}

QByteArray randomBytes(quint32 seed, int size)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

QByteArray defaultImage()
{
    QByteArray image(ImageSize, '\0');
    clearImage(reinterpret_cast<u8 *>(image.data()), ClearFlags::All);
    return image;
}

u16 crc16x25(const QByteArray &data)
{
    u16 crc = 0xFFFF;
    for (const char c : data) {
        crc ^= u8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? u16((crc >> 1) ^ 0x8408) : u16(crc >> 1);
    }
    return u16(~crc);
}

QByteArray withCrc(QByteArray file)
{
    const u16 crc = crc16x25(file);
    file.append(char(crc & 0xFF));
    file.append(char(crc >> 8));
    return file;
}

QByteArray bigEndian32(quint32 value)
{
    const char be[] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    return QByteArray(be, 4);
}

QByteArray zlibCompress(const QByteArray &data, int level)
{
    uLongf size = compressBound(uLong(data.size()));
    QByteArray out(int(size), '\0');
    compress2(reinterpret_cast<Bytef *>(out.data()), &size,
              reinterpret_cast<const Bytef *>(data.constData()), uLong(data.size()), level);
    out.resize(int(size));
    return out;
}

QByteArray zlibInflate(const QByteArray &data, int expected)
{
    QByteArray out(expected + 1, '\0');
    uLongf size = uLongf(out.size());
    if (uncompress(reinterpret_cast<Bytef *>(out.data()), &size,
                   reinterpret_cast<const Bytef *>(data.constData()), uLong(data.size()))
            != Z_OK
        || size != uLongf(expected))
        return {};
    out.resize(expected);
    return out;
}

QByteArray handMade(const QByteArray &headerText, const QByteArray &payload, int level,
                    qint64 announced)
{
    QByteArray file = headerText;
    file.append('\0');
    file += bigEndian32(quint32(announced < 0 ? payload.size() : announced));
    file += zlibCompress(payload, level);
    return withCrc(file);
}

bool writeFile(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray handHeader("kelvoCFG\r\nmade by hand\r\n");

QList<std::pair<QByteArray, QByteArray>> brokenFiles()
{
    QList<std::pair<QByteArray, QByteArray>> files;
    const auto add = [&files](const char *name, const QByteArray &file) {
        files.append({QByteArray(name), file});
    };

    const QByteArray image = randomBytes(11, ImageSize);
    const QByteArray good = ConfigFile::encode(bytes(image), fixedTime());
    const QByteArray goodBody = good.chopped(2);
    const int nul = int(good.indexOf('\0'));

    add("empty", QByteArray());
    add("one byte", QByteArray("k"));
    add("only a matching CRC", withCrc(QByteArray()));
    add("magic only, matching CRC", withCrc("kelvoCFG"));
    QByteArray crcLow = good;
    crcLow[crcLow.size() - 2] = char(crcLow[crcLow.size() - 2] ^ 0x01);
    add("CRC low byte changed", crcLow);
    // The fixed time makes the two CRC bytes differ, so swapping them breaks the file.
    QByteArray crcSwapped = goodBody;
    crcSwapped.append(good.back()).append(good[good.size() - 2]);
    add("CRC high byte first", crcSwapped);
    QByteArray headerChanged = good;
    headerChanged[20] = 'X';
    add("header text changed", headerChanged);
    add("trailing junk", good + "x");
    add("trailing NUL", good + QByteArray(1, '\0'));
    add("last byte cut", good.chopped(1));

    QByteArray magic = goodBody;
    magic[7] = 'H';
    add("wrong magic, CRC fixed", withCrc(magic));
    add("lower-case magic, CRC fixed", withCrc(goodBody.toLower()));
    add("no NUL, CRC fixed", withCrc("kelvoCFG\r\nno end of header"));
    add("nothing after NUL, CRC fixed", withCrc(goodBody.left(nul + 1)));
    add("length prefix only, CRC fixed", withCrc(goodBody.left(nul + 1) + bigEndian32(ImageSize)));
    add("bad zlib, CRC fixed",
        withCrc(goodBody.left(nul + 1) + bigEndian32(ImageSize) + randomBytes(12, 3000)));
    add("zlib stream cut, CRC fixed", withCrc(goodBody.chopped(100)));
    QByteArray adler = goodBody;
    adler[adler.size() - 1] = char(adler.back() ^ 0x10);
    add("zlib checksum wrong, CRC fixed", withCrc(adler));

    add("unpacks to 10495, announced so", handMade(handHeader, image.left(10495)));
    add("unpacks to 10495, announced 10496", handMade(handHeader, image.left(10495), 9, ImageSize));
    add("unpacks to 10497, announced 10496", handMade(handHeader, image + "x", 9, ImageSize));
    add("unpacks to 10496, announced 10497", handMade(handHeader, image, 9, 10497));
    add("announces 0", handMade(handHeader, image, 9, 0));
    add("hostile length 0xFFFFFFFF", handMade(handHeader, image, 9, 0xFFFFFFFF));
    add("hostile length 0x7FFFFFFF", handMade(handHeader, image, 9, 0x7FFFFFFF));
    add("bomb: 8 MiB of zeros announced as 10496",
        handMade(handHeader, QByteArray(8 << 20, '\0'), 9, ImageSize));

    QByteArray longHeader = handHeader + QByteArray(ConfigFile::MaxFileSize, 'x');
    add("over the size bound, otherwise valid", handMade(longHeader, image));
    return files;
}

} // namespace ConfigFileFixtures
