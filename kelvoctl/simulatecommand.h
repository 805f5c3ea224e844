#pragma once

#include "commands.h"

namespace Kelvoctl {

// simulate: a configuration's show played by the preview's engine, its output levels frame by
// frame as CSV or JSON.
int commandSimulate(const Invocation &call);

} // namespace Kelvoctl
