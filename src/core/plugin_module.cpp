#include "core/plugin_module.h"

namespace velquist {

void* pluginModule = nullptr;

}  // namespace velquist
