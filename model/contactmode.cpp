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

void setContactMode(u8 *image, int input, ContactMode mode, std::optional<bool> normallyOpenBit)
{
    const u8 bit = u8(1u << input);
    const auto setBit = [bit](u8 &mask, bool on) {
        mask = on ? u8(mask | bit) : u8(mask & ~bit);
    };
    setBit(image[InputUsedMask], mode != ContactMode::NotUsed);
    if (mode != ContactMode::NotUsed)
        setBit(image[InputNoMask], mode == ContactMode::NormallyOpen);
    else if (normallyOpenBit)
        setBit(image[InputNoMask], *normallyOpenBit);
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
