#pragma once
#include <windows.h>

namespace tastrix {

// A window rectangle that lies wholly outside every monitor's work area is
// moved onto the nearest monitor, keeping its size where it fits; any other
// rectangle comes back unchanged.
RECT keepOnSomeMonitor(const RECT& window);

}  // namespace tastrix
