// The faults the folder check's tests plant into a copy of the shipped data folder, one
// folder per test: the check must report each as the tests expect, and VelquistCheck.exe
// under Wine must report the same as velquist-sim check (windows_check_test.cpp).
#pragma once

#include <filesystem>
#include <vector>

namespace planted_folders {

using Plant = void (*)(const std::filesystem::path& data);

// Each changes the data folder `data` (GAME/Velquist) of a fresh copy.
void everyKindOfFault(const std::filesystem::path& data);
void brandsLeftUnset(const std::filesystem::path& data);
void unicodeProfile(const std::filesystem::path& data);
void noDataFolder(const std::filesystem::path& data);
void placementKeysMoveClusterOff(const std::filesystem::path& data);
void gaugesOverlap(const std::filesystem::path& data);
void clusterMovedRight(const std::filesystem::path& data);
void imagesTooLarge(const std::filesystem::path& data);
void fifosAndEndlessFile(const std::filesystem::path& data);
void loopsOfLinks(const std::filesystem::path& data);

struct Folder {
    const char* name = "";  // the test's word for it
    Plant plant = nullptr;  // null: the shipped folder as it is
    bool onWindows = true;  // false: made of things a Windows folder cannot hold (FIFOs,
                            // devices, loops of symbolic links)
};

// Every planted folder, the shipped one first.
const std::vector<Folder>& all();

}  // namespace planted_folders
