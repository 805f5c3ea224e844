// Any bytes as a configuration file. Almost every mutation breaks the CRC and stops there;
// fuzz_configfile_crcfixed gets past it.
#include "configfilecheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    checkConfigFile(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
