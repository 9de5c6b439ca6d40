// The simulator's command line, shared by velquist-sim and velquist-host.exe.
#pragma once

#include "plugin_loader.h"

namespace sim {

int simMain(int argc, char** argv, PluginLoader& loader);

}  // namespace sim
