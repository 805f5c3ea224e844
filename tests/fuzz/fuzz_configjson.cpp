// Any text as kelvoctl JSON: never crash, and whatever is accepted exports to the same image.
#include "model/configjson.h"
#include "model/configlayout.h"

#include <QJsonDocument>

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QJsonDocument document
        = QJsonDocument::fromJson(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!document.isObject())
        return 0;
    u8 image[ConfigLayout::ImageSize];
    std::memset(image, 0x5A, sizeof image);
    QString error;
    if (!ConfigJson::fromJson(document.object(), image, &error)) {
        if (error.isEmpty())
            std::abort(); // a refusal always says why
        for (u8 byte : image) {
            if (byte != 0x5A)
                std::abort(); // and leaves the image alone
        }
        return 0;
    }
    u8 again[ConfigLayout::ImageSize];
    if (!ConfigJson::fromJson(ConfigJson::toJson(image), again, &error)
        || std::memcmp(image, again, sizeof image) != 0)
        std::abort();
    return 0;
}
