#include "host/plugin_code.h"

namespace sim {

namespace {

bool pluginRunning = false;  // the plug-in's own code runs

}  // namespace

bool inPluginCode() {
    return pluginRunning;
}

PluginCode::PluginCode() : outer_(pluginRunning) {
    pluginRunning = true;
}

PluginCode::~PluginCode() {
    pluginRunning = outer_;
}

HostCode::HostCode() : outer_(pluginRunning) {
    pluginRunning = false;
}

HostCode::~HostCode() {
    pluginRunning = outer_;
}

}  // namespace sim
