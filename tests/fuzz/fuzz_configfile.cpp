// Any bytes as a configuration file: never crash, and whatever loads saves and loads the same.
#include "model/configfile.h"
#include "model/configlayout.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file(reinterpret_cast<const char *>(data), qsizetype(size));
    u8 image[ConfigLayout::ImageSize];
    std::memset(image, 0xA5, sizeof image);
    if (!ConfigFile::decode(file, image)) {
        for (u8 byte : image) {
            if (byte != 0xA5)
                std::abort(); // a refused file must leave the image alone
        }
        return 0;
    }
    u8 again[ConfigLayout::ImageSize];
    if (!ConfigFile::decode(ConfigFile::encode(image, QDateTime()), again)
        || std::memcmp(image, again, sizeof image) != 0)
        std::abort();
    return 0;
}
