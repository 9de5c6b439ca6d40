// The simulator's command line, shared by velquist-sim and velquist-host.exe.
#pragma once

#include "plugin_loader.h"

namespace sim {

// moreUsage: lines of further commands for the usage text (velquist-sim's tools).
int simMain(int argc, char** argv, PluginLoader& loader, const char* moreUsage = nullptr);

}  // namespace sim
