// Faults of the disk and its files under the linked plug-in: its portable file access is
// switched to calls that fail the way a full or a read-only disk makes them fail, and the
// way opens fail while another program holds a file open without sharing.
#pragma once

#include <string>

#include "plugin_loader.h"

namespace sim {

// From now on the plug-in's file writes meet a disk in this state.
void applyDiskState(DiskState state);

// While a file is held, the plug-in's opens of it fail (reads and probes find it
// unreadable), and it can be neither replaced nor removed, as on Windows.
void holdOpen(const std::string& hostPath, bool held);

}  // namespace sim
