// The plug-in's own module handle: recorded by the library entry on attach, read by the INI
// layer, which asks the system for the module's file name to find the data folder. Kept
// apart from the entry so that the INI layer can be linked without the host.
#pragma once

namespace velquist {

extern void* pluginModule;  // default null: not attached

}  // namespace velquist
