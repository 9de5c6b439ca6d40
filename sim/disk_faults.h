// Faults of the disk under the linked plug-in: its portable file access is switched to
// calls that fail the way a full or a read-only disk makes them fail.
#pragma once

#include "plugin_loader.h"

namespace sim {

// From now on the plug-in's file writes meet a disk in this state.
void applyDiskState(DiskState state);

}  // namespace sim
