#include "linked_plugin.h"

#include <filesystem>

#include "core/library_entry.h"
#include "core/process_state.h"
#include "disk_faults.h"
#include "core/process_texts.h"
#include "host/game_memory.h"
#include "host/portable/portable_platform.h"
#include "host/sim_host.h"
#include "world/simulated_memory.h"

namespace sim {

namespace {

// Stands for the plug-in's module handle; only its address is used.
char moduleToken;

uint32_t simulatedTick() { return host.tick; }

}  // namespace

bool LinkedPlugin::load(const std::string& gameDir, std::string& /*error*/) {
    namespace portable = velquist::platform::portable;
    const std::filesystem::path dir = std::filesystem::absolute(gameDir);
    portable::config.tick = simulatedTick;
    portable::config.moduleFile = (dir / "Velquist.asi").string();
    host.dataFolder = portable::toPluginPath((dir / "Velquist").string()) + "\\";
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
    velquist::libraryEntry(&moduleToken, velquist::reasonProcessDetach);
    // The library is gone: its process-wide texts are released.
    velquist::texts = velquist::ProcessTexts{};
    velquist::gameMemory = velquist::GameMemory{};
}

bool LinkedPlugin::setDisk(DiskState state) {
    applyDiskState(state);
    return true;
}

bool LinkedPlugin::holdFile(const std::string& hostPath, bool held, std::string& /*error*/) {
    holdOpen(hostPath, held);
    return true;
}

}  // namespace sim
