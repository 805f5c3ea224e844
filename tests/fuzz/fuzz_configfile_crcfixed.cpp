// Any bytes as a configuration file whose last two bytes are replaced by the right CRC, so that
// mutations reach the magic, the header scan and the unpacker behind the CRC check.
#include "configfilecheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray file(reinterpret_cast<const char *>(data), qsizetype(size));
    if (file.size() >= 2) {
        const qsizetype n = file.size() - 2;
        const u16 crc = qChecksum(QByteArrayView(file.constData(), n), Qt::ChecksumIso3309);
        file[n] = char(crc & 0xFF);
        file[n + 1] = char(crc >> 8);
    }
    checkConfigFile(file);
    return 0;
}
