#include "linked_plugin.h"

#include <filesystem>

#include "allocation_faults.h"
#include "core/library_entry.h"
#include "core/process_state.h"
#include "core/process_texts.h"
#include "disk_faults.h"
#include "host/game_memory.h"
#include "host/plugin_code.h"
#include "host/portable/portable_platform.h"
#include "host/sim_host.h"
#include "settings/data_files.h"
#include "world/simulated_memory.h"

namespace sim {

namespace {

// Stands for the plug-in's module handle; only its address is used.
char moduleToken;

uint32_t simulatedTick() {
    return host.tick;
}

// The game's memory as the plug-in asks about it: a watched object is the readable memory
// it stands for, whatever the watch has made of its pages; all else is the system's answer.
velquist::platform::MemoryRun simulatedMemoryRun(const void* address, size_t maxBytes) {
    const auto at = reinterpret_cast<uintptr_t>(address);
    uintptr_t start = 0, end = 0;
    if (memory.watchedObjectAt(at, start, end))
        return {end - at < maxBytes ? end - at : maxBytes, true};
    return velquist::platform::portable::systemMemoryRun(address, maxBytes);
}

}  // namespace

bool LinkedPlugin::load(const std::string& gameDir, std::string& /*error*/) {
    namespace portable = velquist::platform::portable;
    const std::filesystem::path dir = std::filesystem::absolute(gameDir);
    portable::config.tick = simulatedTick;
    portable::config.memoryRun = simulatedMemoryRun;
    portable::config.moduleFile = (dir / "Velquist.asi").string();
    host.dataFolder = portable::toPluginPath((dir / velquist::dataFolderName).string()) + "\\";
    // Static initialisation: every load starts from the values a freshly loaded library
    // has, as Velquist.asi does when LoadLibrary maps it again.
    velquist::resetProcessState();
    // The entity-pool scan of static initialisation runs over the simulated game
    // executable, which did not exist when the simulator's static objects were built.
    portable::config.mainImage = {memory.imageBase(), memory.imageSize()};
    velquist::locateEntityPool();
    velquist::libraryEntry(&moduleToken, velquist::reasonProcessAttach);
    return true;
}

void LinkedPlugin::unload() {
    {
        const RunningCode inPlugin(RunningCode::plugin);
        velquist::libraryEntry(&moduleToken, velquist::reasonProcessDetach);
    }
    // The library is gone: its process-wide texts are released.
    velquist::texts = velquist::ProcessTexts{};
    velquist::gameMemory = velquist::GameMemory{};
}

bool LinkedPlugin::setDisk(DiskState state) {
    applyDiskState(state);
    return true;
}

bool LinkedPlugin::failAllocations(uint32_t count) {
    failPluginAllocations(count);
    return true;
}

bool LinkedPlugin::holdFile(const std::string& hostPath, bool held, std::string& /*error*/) {
    holdOpen(hostPath, held);
    return true;
}

}  // namespace sim
