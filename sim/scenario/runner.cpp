#include "scenario/runner.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "host/sim_host.h"
#include "process_memory.h"
#ifdef VELQUIST_RENDERER
#include "render/renderer.h"
#endif
#include "settings/data_files.h"
#include "sim_files.h"
#include "world/world_commands.h"

namespace fs = std::filesystem;

namespace sim {

namespace {

// Milliseconds between the repeated key-down events of a held key.
constexpr uint32_t keyRepeatInterval = 30;

uint32_t number(const std::string& word) {
    return static_cast<uint32_t>(*parseInteger(word));
}

}  // namespace

void Runner::reportMemory() const {
    const ProcessMemory m = processMemory();
    std::fprintf(stderr,
                 "memory after unload %u: private %llu bytes, working set %llu bytes, heap in "
                 "use %llu bytes\n",
                 unloads_, static_cast<unsigned long long>(m.privateBytes),
                 static_cast<unsigned long long>(m.workingSet),
                 static_cast<unsigned long long>(m.heapInUse));
}

bool Runner::prepare(std::string& error) {
    std::error_code ec;
    if (!options_.gameDir.empty()) {
        gameDir_ = fs::absolute(options_.gameDir, ec).string();
        if (!fs::is_directory(gameDir_, ec)) {
            error = "no such game folder: " + options_.gameDir;
            return false;
        }
        return true;
    }
    std::random_device random;
    for (int attempt = 0; attempt < 20 && gameDir_.empty(); ++attempt) {
        const fs::path dir =
            fs::temp_directory_path(ec) / ("velquist-sim-" + std::to_string(random() % 100000000u));
        if (fs::create_directory(dir, ec)) gameDir_ = dir.string();
    }
    if (gameDir_.empty()) {
        error = "cannot create a temporary game folder";
        return false;
    }
    temporary_ = true;
    const fs::path source = defaultDataFolder();
    const fs::path target = fs::path(gameDir_) / velquist::dataFolderName;
    if (fs::is_directory(source, ec)) {
        fs::copy(source, target, fs::copy_options::recursive, ec);
        if (ec) {
            error = "cannot copy the default data folder " + source.string() + ": " + ec.message();
            return false;
        }
    } else {
        fs::create_directory(target, ec);
    }
    return true;
}

bool Runner::hold(const std::string& path, bool held, std::string& error) {
    const fs::path file = fs::path(gameDir_) / velquist::dataFolderName / dataRelative(path);
    std::error_code ec;
    if (held && !fs::is_regular_file(file, ec)) {
        error = "cannot hold " + path + ": no such file";
        return false;
    }
    if (!loader_.holdFile(file.string(), held, error)) return false;
    if (held)
        held_.insert(file.string());
    else
        held_.erase(file.string());
    return true;
}

void Runner::finish() {
    host.trace.close();
    if (loaded_) loader_.unload();
    loaded_ = false;
    std::string error;
    for (const std::string& file : held_)
        loader_.holdFile(file, false, error);
    held_.clear();
    if (temporary_) {
        std::error_code ec;
        fs::remove_all(gameDir_, ec);
    }
}

bool Runner::ensureLoaded(std::string& error) {
    if (loaded_ || unloaded_) return true;
    if (!loader_.load(gameDir_, error)) return false;
    loaded_ = true;
    return true;
}

void Runner::runFor(uint32_t ms) {
    const uint32_t start = host.tick;
    while (host.tick - start < ms)
        runFrame();
}

void Runner::press(uint32_t vk, uint32_t ms) {
    sendKey(vk, true);
    const uint32_t start = host.tick;
    uint32_t lastEvent = start;
    while (host.tick - start < ms) {
        runFrame();
        if (host.tick - start < ms && host.tick - lastEvent >= keyRepeatInterval) {
            sendKey(vk, true);
            lastEvent = host.tick;
        }
    }
    sendKey(vk, false);
}

bool Runner::execute(const Command& c, std::string& error) {
    const auto& w = c.words;
    if (c.name == "screen") {
        host.screenWidth = static_cast<int>(number(w[0]));
        host.screenHeight = static_cast<int>(number(w[1]));
    } else if (c.name == "frame") {
        host.frameTime = number(w[0]);
    } else if (c.name == "tick") {
        host.tick = number(w[0]);
    } else if (c.name == "version") {
        host.gameVersion = static_cast<int>(*parseInteger(w[0]));
    } else if ((c.name == "file" || c.name == "remove") &&
               held_.count(
                   (fs::path(gameDir_) / velquist::dataFolderName / dataRelative(w[0])).string())) {
        error = w[0] + " is held: release it first";
        return false;
    } else if (c.name == "hold" || c.name == "release") {
        return hold(w[0], c.name == "hold", error);
    } else if (c.name == "file") {
        const fs::path path = fs::path(gameDir_) / velquist::dataFolderName / dataRelative(w[0]);
        std::error_code ec;
        fs::create_directories(path.parent_path(), ec);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        for (const std::string& line : c.body)
            out << line << '\n';
        if (!out) {
            error = "cannot write " + path.string();
            return false;
        }
    } else if (c.name == "remove") {
        std::error_code ec;
        fs::remove_all(fs::path(gameDir_) / velquist::dataFolderName / dataRelative(w[0]), ec);
    } else if (c.name == "key") {
        sendKey(*parseKey(w[0]), w[1] == "down");
    } else if (c.name == "press") {
        if (!ensureLoaded(error)) return false;
        press(*parseKey(w[0]), number(w[1]));
    } else if (c.name == "run") {
        if (!ensureLoaded(error)) return false;
        runFor(number(w[0]));
    } else if (c.name == "frames") {
        if (!ensureLoaded(error)) return false;
        for (uint32_t i = number(w[0]); i > 0; --i)
            runFrame();
    } else if (isWorldCommand(c.name)) {
        runWorldCommand(c);
#ifdef VELQUIST_RENDERER
    } else if (c.name == "shot") {
        const fs::path file = fs::path(options_.shotsDir) / dataRelative(w[0]);
        std::error_code ec;
        fs::create_directories(file.parent_path(), ec);
        if (!renderer().writePng(file.string(), error)) return false;
        event("shot").field("file", w[0]);
#endif
    } else if (c.name == "mark") {
        std::string text;
        for (const std::string& word : w)
            text += (text.empty() ? "" : " ") + word;
        event("mark").field("text", text);
        // A run that hangs or crashes later still shows every part it finished.
        host.trace.flush();
    } else if (c.name == "memory") {
        const ProcessMemory use = processMemory();
        event("memory")
            .field("rss", static_cast<int64_t>(use.workingSet / 1024))
            .field("heap", static_cast<int64_t>(use.heapInUse));
#ifdef VELQUIST_SIM_ONLY
    } else if (c.name == "disk") {
        const DiskState state = w[0] == "full"       ? DiskState::full
                                : w[0] == "readonly" ? DiskState::readOnly
                                                     : DiskState::ok;
        if (!loader_.setDisk(state)) {
            error = "this build cannot fake the disk";
            return false;
        }
#endif
    } else if (c.name == "unload") {
        if (loaded_) {
            loader_.unload();
            forgetPluginTextures();
            ++unloads_;
            if (options_.reportMemory) reportMemory();
        }
        loaded_ = false;
        unloaded_ = true;
    } else if (c.name == "allocations") {
        if (!loader_.failAllocations(w[0] == "ok" ? 0 : number(w[1]))) {
            error = "this build cannot make allocations fail";
            return false;
        }
    } else if (c.name == "restart") {
        restartScript();
    } else if (c.name == "load") {
        if (!loader_.load(gameDir_, error)) return false;
        loaded_ = true;
    }
    return true;
}

bool Runner::run(const std::vector<Command>& commands, std::string& error) {
    for (const Command& c : commands) {
        if (!execute(c, error)) {
            error = std::to_string(c.line) + ": " + error;
            return false;
        }
    }
    return true;
}

}  // namespace sim
