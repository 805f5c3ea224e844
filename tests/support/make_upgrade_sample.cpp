// Writes the demo's sample upgrade file, made the way the tests make theirs: firmware for the
// demo's simulated controller (1.05, core a), so Upgrade and Verify can be tried in the demo.
#include "upgradefilemaker.h"

#include <QByteArray>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_upgrade_sample OUT.upg\n");
        return 2;
    }
    UpgradeFileMaker maker;
    QByteArray firmware;
    for (int i = 0; i < 0x10000; ++i)
        firmware.append(char((i * 7 + (i >> 8)) & 0xFF)); // compresses like real code does
    maker.firmware = firmware;
    maker.text = " Kelvo demo firmware v_1_05a\r\n";
    QFile out(QString::fromLocal8Bit(argv[1]));
    const QByteArray file = maker.build();
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size()) {
        std::fprintf(stderr, "make_upgrade_sample: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
