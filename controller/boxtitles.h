#pragma once

#include "kelvo_controller_class.h"

#include <QString>

// The titles of the boxes the controller's jobs show, each written once.
namespace BoxTitles {

// Link and command troubles.
inline QString usb()
{
    return kelvo_controller_class::tr("USB Interface");
}

// Firmware upgrade and verify.
inline QString firmware()
{
    return kelvo_controller_class::tr("FirmWare upgrade");
}

// Results of configuration transfers and files: the program's name, untranslated.
inline QString result()
{
    return QStringLiteral("KelvoDesk");
}

} // namespace BoxTitles
