// The simulated Script Hook V: registrations, the script coroutine, the tick count and
// frames, keyboard delivery, native dispatch, and the records the trace and the renderer
// read (textures, draws, texts, rectangles).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "answers/answer_table.h"
#include "host/coroutine.h"
#include "host/script_hook.h"
#include "trace/trace.h"

namespace sim {

// Every reload asks for new ids of the same files: each path is kept once, and an id
// costs only its entry.
struct TextureEntry {
    TextureEntry(const std::string& path, const std::string& tracePath, bool missing);
    // The full path the plug-in passed.
    const std::string& path() const { return paths_->first; }
    // The path relative to the data folder when inside it.
    const std::string& tracePath() const { return paths_->second; }
    bool missing = false;  // no such file when it was created

  private:
    const std::pair<const std::string, std::string>* paths_;
};

struct DrawRecord {
    int id = 0;
    int index = 0;
    int level = 0;
    int time = 0;  // ms the draw stays visible
    float sizeX = 0, sizeY = 0, centerX = 0, centerY = 0, posX = 0, posY = 0;
    float rotation = 0;  // turns, clockwise
    float aspect = 0;    // screen-height scale factor
    float r = 0, g = 0, b = 0, a = 0;
    uint32_t tick = 0;  // tick count when drawn
};

struct TextRecord {
    std::string text;
    int font = 0;
    float scale = 1.0f;
    int rgba[4] = {255, 255, 255, 255};
    float x = 0, y = 0;  // screen fractions
    bool centre = false;
};

struct RectRecord {
    float x = 0, y = 0, w = 0, h = 0;  // centre and size, screen fractions
    int rgba[4] = {0, 0, 0, 0};
};

// Text being assembled through the game's text natives.
struct PendingText {
    enum class Kind { none, display, notification, subtitle };
    Kind kind = Kind::none;
    std::string text;
    int font = 0;
    float scale = 1.0f;
    int rgba[4] = {255, 255, 255, 255};
    bool centre = false;
};

struct Host {
    // Setup, fixed by the scenario before the plug-in loads.
    int screenWidth = 1920;   // px
    int screenHeight = 1080;  // px
    uint32_t frameTime = 16;  // ms of tick advance per frame
    uint32_t tick = 100000;   // the simulated tick count (ms)
    int gameVersion = 30;     // what getGameVersion answers

    uint64_t frame = 0;  // frames run so far; the current frame's number

    // Registrations.
    void* module = nullptr;
    shv::ScriptFunction script = nullptr;
    std::unique_ptr<Coroutine> coroutine;
    shv::KeyboardHandler keyboard = nullptr;

    // The native call being assembled.
    uint64_t nativeHash = 0;
    std::vector<uint64_t> nativeArgs;
    alignas(16) uint64_t nativeResult[4] = {};

    // What the plug-in has shown.
    std::map<int, TextureEntry> textures;             // by id, of the loaded plug-in
    int nextTextureId = 1;                            // ids are never given twice
    std::map<std::pair<int, int>, DrawRecord> draws;  // last draw of each id and index
    std::vector<TextRecord> frameTexts;               // this frame's texts
    std::vector<RectRecord> frameRects;               // this frame's rectangles
    PendingText pendingText;
    int notifications = 0;

    // The simulated keyboard: which keys are down.
    bool keyDown[256] = {};

    std::string
        dataFolder;  // the plug-in's data folder in its own path form, ending in a separator
    bool traceNatives = false;
    Trace trace;
};

extern Host host;

// A trace event stamped with the current frame and tick.
inline TraceEvent event(const char* ev) {
    return TraceEvent(host.trace, host.frame, host.tick, ev);
}

// Records a texture under the next id and returns the id.
int addTexture(const TextureEntry& entry);

// The texture with this id, or null when it was never created or its plug-in is gone.
const TextureEntry* findTexture(int id);

// Forgets the textures and draws of a plug-in that was unloaded, so a host that loads
// and unloads plug-ins for ever keeps no records of the gone ones.
void forgetPluginTextures();

// Runs one game frame: resumes the script until it yields, then advances the tick count.
void runFrame();

// Starts the registered script afresh, as a host's script reload does: the running one is
// dropped where it stands and the script function runs from its top at the next frame.
// Nothing happens while no script is registered.
void restartScript();

// Delivers one keyboard event for virtual key vk to the registered handler.
void sendKey(uint32_t vk, bool down);

// Host path of a path in the plug-in's form (backslashes on Windows stay as they are).
std::string hostPath(const std::string& pluginPath);

// The native call being answered (answers/answer_table.h).
using answers::NativeCall;

using NativeHandler = answers::Handler;

// Registers the handler that answers a native; later registrations replace earlier ones.
void registerNative(uint64_t hash, NativeHandler handler);

// The natives of the host itself: controls, screen, texts, rectangles, sounds, feed.
void registerHostNatives();

}  // namespace sim
