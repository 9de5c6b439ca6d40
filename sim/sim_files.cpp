#include "sim_files.h"

#ifdef _WIN32
#include <windows.h>

#include <cstdio>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "settings/data_files.h"

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

std::filesystem::path defaultDataFolder() {
    return executableFolder() / velquist::dataFolderName;
}

std::filesystem::path dataRelative(const std::string& path) {
    std::string p = path;
    for (char& c : p)
        if (c == '\\') c = '/';
    return std::filesystem::path(p);
}

bool isReadableFile(const std::string& path) {
#ifdef _WIN32
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    std::fclose(f);
    return true;
#else
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info;
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    return regular;
#endif
}

}  // namespace sim
