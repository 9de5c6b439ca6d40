// Portable tick count, module file name, main-module image and memory runs, fed by the
// simulator.
#include <chrono>
#include <cstring>

#include "host/portable/portable_platform.h"

namespace velquist::platform {

namespace portable {

Config config;

std::string toPluginPath(const std::string& hostPath) {
    std::string out = hostPath;
    for (char& c : out)
        if (c == '/') c = '\\';
    return out;
}

std::string toHostPath(const char* pluginPath) {
    std::string out = pluginPath ? pluginPath : "";
    for (char& c : out)
        if (c == '\\') c = '/';
    return out;
}

}  // namespace portable

uint32_t tickCount() {
    if (portable::config.tick) return portable::config.tick();
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

size_t moduleFileName(void* /*module*/, char* out, size_t size) {
    if (!out || size == 0) return 0;
    const std::string path = portable::toPluginPath(portable::config.moduleFile);
    // Like GetModuleFileNameA: a name that does not fit is cut, still terminated, and the
    // answer is the buffer's size.
    const bool cut = path.size() > size - 1;
    const size_t n = cut ? size - 1 : path.size();
    std::memcpy(out, path.data(), n);
    out[n] = '\0';
    return cut ? size : n;
}

ImageRange mainModuleImage() {
    return portable::config.mainImage;
}

MemoryRun memoryRunAt(const void* address, size_t maxBytes) {
    if (portable::config.memoryRun) return portable::config.memoryRun(address, maxBytes);
    return portable::systemMemoryRun(address, maxBytes);
}

}  // namespace velquist::platform
