#pragma once

#include "common/types.h"

#include <QString>

namespace Kelvoctl {

// What `info` tells of a configuration image after the file's header, a line each ("Scenes with
// levels: 1, 2", "Programs:", "  Program 1: 4 steps, loop; ...", ... "System address: 5"),
// made from the image's field table.
QString configSummary(const u8 *image);

} // namespace Kelvoctl
