#pragma once

#include "commands.h"
#include "common/types.h"

namespace Kelvoctl {

// The differences between two configurations, one per line ("scene 3 channel 12: 0 -> 255") or
// as JSON; the status as diff(1) has it: 0 the same, 1 different, 2 when they could not be shown.
int printDifferences(const Invocation &call, const QString &nameA, const QString &nameB,
                     const u8 *a, const u8 *b);

} // namespace Kelvoctl
