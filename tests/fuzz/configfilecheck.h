#pragma once

// What every configuration-file harness asserts: never crash, a refused file leaves the image
// alone, and whatever loads saves and loads the same.
#include "model/configfile.h"
#include "model/configlayout.h"

#include <QtGlobal>

#include <cstdlib>
#include <cstring>

inline void checkConfigFile(const QByteArray &file)
{
    // qUncompress warns about every broken stream; printing them would be most of the work.
    static const auto quiet
        = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    Q_UNUSED(quiet);

    u8 image[ConfigLayout::ImageSize];
    std::memset(image, 0xA5, sizeof image);
    if (!ConfigFile::decode(file, image)) {
        for (u8 byte : image) {
            if (byte != 0xA5)
                std::abort(); // a refused file must leave the image alone
        }
        return;
    }
    u8 again[ConfigLayout::ImageSize];
    if (!ConfigFile::decode(ConfigFile::encode(image, QDateTime()), again)
        || std::memcmp(image, again, sizeof image) != 0)
        std::abort();
}
