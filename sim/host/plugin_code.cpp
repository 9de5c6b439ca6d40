#include "host/plugin_code.h"

namespace sim {

namespace {

bool pluginRunning = false;  // the plug-in's own code runs

}  // namespace

bool inPluginCode() {
    return pluginRunning;
}

RunningCode::RunningCode(Side side) : outerWasPlugin_(pluginRunning) {
    pluginRunning = side == plugin;
}

RunningCode::~RunningCode() {
    pluginRunning = outerWasPlugin_;
}

}  // namespace sim
