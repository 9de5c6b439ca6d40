// Points the plug-in's own file access (its INI layer and texture loader) at a game
// folder, so that the tools read a folder exactly as the plug-in would there.
#pragma once

#include <filesystem>

namespace sim {

// The plug-in's file becomes gameDir/Velquist.asi; its data folder gameDir/Velquist/.
void usePluginFolder(const std::filesystem::path& gameDir);

// The plug-in's path of a file of the data folder (relative, backslashes).
std::string pluginDataPath(const std::string& relative);

// How a report names a file of the data folder given relative to it (either slash):
// "Velquist/Needles/NeedleBigB.png".
std::string reportPath(const std::string& relative);

}  // namespace sim
