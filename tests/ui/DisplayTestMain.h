#pragma once

#include "VirtualDisplay.h"

namespace verbalink::testing {

// The display the run's QApplication is on, for pressing keys and clicking as a user would.
VirtualDisplay& testDisplay();

} // namespace verbalink::testing
