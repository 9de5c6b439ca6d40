#include "sim_files.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace sim {

std::filesystem::path executableFolder() {
#ifdef _WIN32
    char buf[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, buf, MAX_PATH);
    return std::filesystem::path(buf).parent_path();
#else
    char buf[4096] = {};
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return std::filesystem::current_path();
    return std::filesystem::path(std::string(buf, static_cast<size_t>(n))).parent_path();
#endif
}

std::filesystem::path defaultDataFolder() { return executableFolder() / "Velquist"; }

std::filesystem::path dataRelative(const std::string& path) {
    std::string p = path;
    for (char& c : p)
        if (c == '\\') c = '/';
    return std::filesystem::path(p);
}

}  // namespace sim
