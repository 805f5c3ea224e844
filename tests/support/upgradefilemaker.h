#pragma once

#include "common/types.h"

#include <QByteArray>

#include <optional>

// Upgrade files made from a readable description, the tests' only way to make them: the
// firmware is scrambled (halves swapped, then the key), packed with zlib directly behind a
// big-endian length, and checked with a CRC-16/X-25 written from its definition.
struct UpgradeFileMaker
{
    QByteArray firmware; // the 64 KiB image as the controller runs it
    QByteArray text = "Kelvo firmware v_1_05A\r\n"; // from offset 9; "" for none
    bool nulAfterText = true;
    int padding = 8; // 0x1A bytes
    std::optional<int> dataOffset; // default: right after the 400-byte header
    std::optional<qint32> lengthMinus1; // default: the packed data's
    std::optional<u16> crc; // default: the packed data's
    std::optional<quint32> announcedSize; // the length prefix; default 65536

    QByteArray build() const;
};
