// Where the simulator finds its files on the host.
#pragma once

#include <filesystem>
#include <string>

namespace sim {

// The folder of the running program (velquist-sim or velquist-host.exe).
std::filesystem::path executableFolder();

// The default data folder copied into a temporary game folder: `Velquist` beside the program.
std::filesystem::path defaultDataFolder();

// A data-folder path of the scenario language (either slash) as a host path.
std::filesystem::path dataRelative(const std::string& path);

// Whether path is a regular file that can be opened for reading. It is opened without
// blocking, so a FIFO in its place (which would wait for a writer) is answered at once: no.
bool isReadableFile(const std::string& path);

}  // namespace sim
