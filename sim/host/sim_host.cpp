#include "host/sim_host.h"

#include <cstring>
#include <map>

#include "host/plugin_code.h"
#include "sim_files.h"
#include "world/world.h"

namespace sim {

Host host;

namespace {

answers::AnswerTable& nativeTable() {
    static answers::AnswerTable table;
    return table;
}

}  // namespace

void registerNative(uint64_t hash, NativeHandler handler) {
    nativeTable().answerWith(hash, handler);
}

TextureEntry::TextureEntry(const std::string& path, const std::string& tracePath, bool missing)
    : missing(missing) {
    static std::map<std::string, std::string> known;
    paths_ = &*known.try_emplace(path, tracePath).first;
}

int addTexture(const TextureEntry& entry) {
    const int id = host.nextTextureId++;
    host.textures.emplace(id, entry);
    return id;
}

const TextureEntry* findTexture(int id) {
    auto it = host.textures.find(id);
    return it == host.textures.end() ? nullptr : &it->second;
}

void forgetPluginTextures() {
    host.textures.clear();
    host.draws.clear();
}

void runFrame() {
    host.frameTexts.clear();
    host.frameRects.clear();
    // The game moves first; its scripts see the frame's world.
    stepWorld(host.frameTime, host.gameVersion);
    if (host.coroutine && !host.coroutine->finished()) {
        {
            const RunningCode inPlugin(RunningCode::plugin);
            host.coroutine->resume();
        }
        // The plug-in's script never returns; a host would end it here.
        if (host.coroutine->finished()) event("return").field("what", "script");
    }
    noteHostEntry();
    host.tick += host.frameTime;
    ++host.frame;
    // Draws older than their display time are off the screen; they are forgotten, so
    // that the ids of every reload do not pile up.
    for (auto it = host.draws.begin(); it != host.draws.end();) {
        const DrawRecord& d = it->second;
        if (d.time <= 0 || host.tick - d.tick >= static_cast<uint32_t>(d.time))
            it = host.draws.erase(it);
        else
            ++it;
    }
}

void restartScript() {
    if (host.script) host.coroutine = std::make_unique<Coroutine>(host.script);
}

void sendKey(uint32_t vk, bool down) {
    bool wasDown = down;  // a release always follows a press
    if (vk < 256) {
        if (down) wasDown = host.keyDown[vk];
        host.keyDown[vk] = down;
    }
    if (!host.keyboard) return;
    const RunningCode inPlugin(RunningCode::plugin);
    host.keyboard(vk, 1, 0, 0, 0, wasDown ? 1 : 0, down ? 0 : 1);
}

std::string hostPath(const std::string& pluginPath) {
#ifdef _WIN32
    return pluginPath;
#else
    std::string out = pluginPath;
    for (char& c : out)
        if (c == '\\') c = '/';
    return out;
#endif
}

namespace {

bool startsWithNoCase(const std::string& text, const std::string& prefix) {
    if (prefix.empty() || text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        char a = text[i], b = prefix[i];
        if (a == '/') a = '\\';
        if (b == '/') b = '\\';
        if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
        if (b >= 'A' && b <= 'Z') b = static_cast<char>(b - 'A' + 'a');
        if (a != b) return false;
    }
    return true;
}

}  // namespace

}  // namespace sim

// The host seam, answered by the simulation.
namespace shv {

using sim::event;
using sim::host;

void scriptRegister(ModuleHandle module, ScriptFunction script) {
    const sim::RunningCode inHost(sim::RunningCode::host);
    sim::noteHostEntry();
    event("register").field("what", "script");
    host.module = module;
    host.script = script;
    host.coroutine = std::make_unique<sim::Coroutine>(script);
}

void scriptUnregister(ModuleHandle /*module*/) {
    const sim::RunningCode inHost(sim::RunningCode::host);
    sim::noteHostEntry();
    event("unregister").field("what", "script");
    host.script = nullptr;
    host.coroutine.reset();
}

void keyboardHandlerRegister(KeyboardHandler handler) {
    const sim::RunningCode inHost(sim::RunningCode::host);
    sim::noteHostEntry();
    event("register").field("what", "keyboard");
    host.keyboard = handler;
}

void keyboardHandlerUnregister(KeyboardHandler handler) {
    const sim::RunningCode inHost(sim::RunningCode::host);
    sim::noteHostEntry();
    event("unregister").field("what", "keyboard");
    if (host.keyboard == handler) host.keyboard = nullptr;
}

void scriptWait(uint32_t /*ms*/) {
    const sim::RunningCode inHost(sim::RunningCode::host);
    sim::noteHostEntry();
    sim::Coroutine::yield();
}

int getGameVersion() {
    const sim::RunningCode inHost(sim::RunningCode::host);
    sim::noteHostEntry();
    return host.gameVersion;
}

int createTexture(const char* path) {
    const sim::RunningCode inHost(sim::RunningCode::host);
    sim::noteHostEntry();
    const std::string full = path ? path : "";
    const bool missing = !sim::isReadableFile(sim::hostPath(full));
    const int id = sim::addTexture(
        {full,
         sim::startsWithNoCase(full, host.dataFolder) ? full.substr(host.dataFolder.size()) : full,
         missing});
    const std::string& tracePath = sim::findTexture(id)->tracePath();
    auto e = event("texture");
    e.field("id", id).field("path", tracePath);
    if (missing) e.field("missing", true);
    return id;
}

void drawTexture(int id, int index, int level, int time, float sizeX, float sizeY, float centerX,
                 float centerY, float posX, float posY, float rotation, float screenHeightScale,
                 float r, float g, float b, float a) {
    const sim::RunningCode inHost(sim::RunningCode::host);
    sim::noteHostEntry();
    sim::DrawRecord d{id,      index,   level, time, sizeX,    sizeY,
                      centerX, centerY, posX,  posY, rotation, screenHeightScale,
                      r,       g,       b,     a,    host.tick};
    host.draws[{id, index}] = d;
    const sim::TextureEntry* texture = sim::findTexture(id);
    const char* tex = texture ? texture->tracePath().c_str() : "";
    event("draw")
        .field("id", id)
        .field("tex", tex)
        .field("index", index)
        .field("level", level)
        .field("time", time)
        .floats("size", {sizeX, sizeY})
        .floats("center", {centerX, centerY})
        .floats("pos", {posX, posY})
        .field("rot", static_cast<double>(rotation))
        .field("aspect", static_cast<double>(screenHeightScale))
        .floats("rgba", {r, g, b, a});
}

void nativeInit(uint64_t hash) {
    const sim::RunningCode inHost(sim::RunningCode::host);
    sim::noteHostEntry();
    host.nativeHash = hash;
    host.nativeArgs.clear();
}

void nativePush64(uint64_t value) {
    const sim::RunningCode inHost(sim::RunningCode::host);
    host.nativeArgs.push_back(value);
}

uint64_t* nativeCall() {
    const sim::RunningCode inHost(sim::RunningCode::host);
    std::memset(host.nativeResult, 0, sizeof host.nativeResult);
    if (host.traceNatives && host.trace.enabled()) {
        char hash[24];
        std::snprintf(hash, sizeof hash, "0x%016llX",
                      static_cast<unsigned long long>(host.nativeHash));
        std::string args = "[";
        for (size_t i = 0; i < host.nativeArgs.size(); ++i) {
            if (i) args += ",";
            args += std::to_string(host.nativeArgs[i]);
        }
        args += "]";
        event("native").field("hash", hash).raw("args", args);
    }
    sim::nativeTable().answer(host.nativeHash, host.nativeArgs.data(), host.nativeArgs.size(),
                              host.nativeResult);
    return host.nativeResult;
}

}  // namespace shv
