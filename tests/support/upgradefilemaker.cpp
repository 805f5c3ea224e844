#include "upgradefilemaker.h"

#include "configfilefixtures.h"
#include "firmware/upgradefile.h"

#include <QtEndian>

QByteArray UpgradeFileMaker::build() const
{
    QByteArray scrambled = firmware;
    for (qsizetype block = 0; block + 16 <= scrambled.size(); block += 16) {
        const QByteArray low = scrambled.mid(block, 8);
        scrambled.replace(block, 8, scrambled.mid(block + 8, 8));
        scrambled.replace(block + 8, 8, low);
    }
    const QByteArray key = UpgradeFile::key();
    for (qsizetype i = 0; i < scrambled.size(); ++i)
        scrambled[i] = char(scrambled[i] ^ key[i % key.size()]);

    QByteArray packed = ConfigFileFixtures::zlibCompress(scrambled, 9);
    packed.prepend(ConfigFileFixtures::bigEndian32(announcedSize.value_or(0x10000)));

    QByteArray file = "KelvoUPG";
    file.append('\x01');
    file.append(text);
    if (nulAfterText)
        file.append('\0');
    file.append(QByteArray(padding, '\x1A'));
    const int offset = dataOffset.value_or(UpgradeFile::HeaderSize);
    uchar descriptor[8];
    qToLittleEndian<qint16>(qint16(offset), descriptor);
    qToLittleEndian<quint16>(crc.value_or(ConfigFileFixtures::crc16x25(packed)), descriptor + 2);
    qToLittleEndian<qint32>(lengthMinus1.value_or(qint32(packed.size() - 1)), descriptor + 4);
    file.append(reinterpret_cast<const char *>(descriptor), 8);
    if (file.size() < UpgradeFile::HeaderSize)
        file.append(QByteArray(UpgradeFile::HeaderSize - file.size(), '\0'));
    if (offset >= 0 && offset < 0x7FFF) {
        if (file.size() < offset)
            file.append(QByteArray(offset - file.size(), '\0'));
        file.replace(offset, packed.size(), packed);
    }
    return file;
}
