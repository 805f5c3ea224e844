#pragma once

#include "common/types.h"
#include "jobreport.h"

namespace Kelvoctl {

// The differences between two configurations into `report`: its text one per line ("scene 3
// channel 12: 0 -> 255"), its JSON keys a, b, same and differences, and its ending Done (the
// same) or Differs.
void compareInto(JobReport &report, const QString &nameA, const QString &nameB, const u8 *a,
                 const u8 *b);

} // namespace Kelvoctl
