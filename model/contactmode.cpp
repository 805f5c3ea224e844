#include "contactmode.h"

#include "configlayout.h"

using namespace ConfigLayout;

ContactMode contactMode(const u8 *image, int input)
{
    if (!inputUsed(image, input))
        return ContactMode::NotUsed;
    return inputNormallyOpen(image, input) ? ContactMode::NormallyOpen
                                           : ContactMode::NormallyClosed;
}

const char *contactModeName(ContactMode mode)
{
    switch (mode) {
    case ContactMode::NormallyOpen:
        return "N/O";
    case ContactMode::NormallyClosed:
        return "N/C";
    case ContactMode::NotUsed:
        break;
    }
    return "N/U";
}
