// Any text as kelvoctl JSON, read the way kelvoctl reads it (size bound, syntax, repeated keys,
// fields): never crash, a refusal says why and leaves the image alone, and whatever is accepted
// exports to text that reads back to the same image.
#include "model/configjson.h"
#include "model/configlayout.h"

#include <QJsonDocument>

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    u8 image[ConfigLayout::ImageSize];
    std::memset(image, 0x5A, sizeof image);
    QString error;
    if (!ConfigJson::parse(text, image, &error)) {
        if (error.isEmpty())
            std::abort(); // a refusal always says why
        for (u8 byte : image) {
            if (byte != 0x5A)
                std::abort(); // and leaves the image alone
        }
        return 0;
    }
    u8 again[ConfigLayout::ImageSize];
    const QByteArray exported
        = QJsonDocument(ConfigJson::toJson(image)).toJson(QJsonDocument::Compact);
    if (!ConfigJson::parse(exported, again, &error) || std::memcmp(image, again, sizeof image) != 0)
        std::abort();
    return 0;
}
