// Writes the demo's sample upgrade file: firmware for the demo's simulated controller (1.05,
// core a), so that Upgrade and Verify can be tried in the demo. The layout is the one the
// program reads: magic, version text, padding, the data descriptor in the 400-byte header, then
// the scrambled firmware packed by zlib behind its big-endian length.

#include "firmware/upgradefile.h"

#include <QByteArray>
#include <QFile>
#include <QtEndian>

#include <cstdio>

namespace {

QByteArray sampleFirmware()
{
    QByteArray firmware;
    for (int i = 0; i < UpgradeFile::ImageSize; ++i)
        firmware.append(char((i * 7 + (i >> 8)) & 0xFF)); // compresses like real code does
    return firmware;
}

// The reader's unscrambling undone: the key, then the 8-byte halves of each 16 bytes swapped.
QByteArray scrambled(QByteArray firmware)
{
    for (qsizetype block = 0; block + 16 <= firmware.size(); block += 16) {
        const QByteArray low = firmware.mid(block, 8);
        firmware.replace(block, 8, firmware.mid(block + 8, 8));
        firmware.replace(block + 8, 8, low);
    }
    const QByteArray key = UpgradeFile::key();
    for (qsizetype i = 0; i < firmware.size(); ++i)
        firmware[i] = char(firmware[i] ^ key[i % key.size()]);
    return firmware;
}

QByteArray sampleFile()
{
    const QByteArray packed = qCompress(scrambled(sampleFirmware()), 9); // length, then zlib
    QByteArray file = "KelvoUPG";
    file.append('\x01');
    file.append(" Kelvo demo firmware v_1_05a\r\n");
    file.append('\0');
    file.append(QByteArray(8, '\x1A'));
    uchar descriptor[8];
    qToLittleEndian<qint16>(qint16(UpgradeFile::HeaderSize), descriptor);
    qToLittleEndian<quint16>(qChecksum(packed, Qt::ChecksumIso3309), descriptor + 2);
    qToLittleEndian<qint32>(qint32(packed.size() - 1), descriptor + 4);
    file.append(reinterpret_cast<const char *>(descriptor), 8);
    file.append(QByteArray(UpgradeFile::HeaderSize - file.size(), '\0'));
    return file + packed;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_upgrade_sample OUT.upg\n");
        return 2;
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    const QByteArray file = sampleFile();
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size()) {
        std::fprintf(stderr, "make_upgrade_sample: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
