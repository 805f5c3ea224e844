#pragma once

// Release shown in About, written into configuration files and printed by kelvoctl --version.
inline constexpr char kelvoRelease[] = "0.1.3.204";
