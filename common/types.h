#pragma once

#include <QtGlobal>

// Byte-exact widths of everything the controller sees.
using u8 = quint8;
using u16 = quint16;
