// Any bytes as an upgrade file: never a crash or an out-of-bounds access, a refusal leaves the
// result alone, and what is accepted is exactly one firmware image.
#include "firmware/upgradefile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file(reinterpret_cast<const char *>(data), qsizetype(size));
    UpgradeFile::Version version;
    QByteArray image = "untouched";
    const UpgradeFile::Refusal refusal = UpgradeFile::read(file, &version, &image);
    if (refusal != UpgradeFile::Refusal::None) {
        if (image != "untouched")
            std::abort();
        return 0;
    }
    if (image.size() != UpgradeFile::ImageSize)
        std::abort();
    return 0;
}
