// velquist-sim play [--game DIR] [--screen WxH] [--trace FILE] [--last-frame FILE]
//                   [--quit-after MS]
// The HUD live in a window: the picture of each frame, paced to real time.
#include <SDL.h>
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <thread>

#include "command_words.h"
#include "host/sim_host.h"
#include "tools/play_keys.h"
#include "tools/play_session.h"
#include "tools/screens.h"
#include "tools/tool_commands.h"

namespace sim {

namespace {

using Clock = std::chrono::steady_clock;

// Behind real time by more than this, the pacing starts afresh instead of catching up.
constexpr auto largestLag = std::chrono::milliseconds(250);

int usageError(const std::string& what) {
    return toolUsageError("play", what);
}

// The window: as large as the screen asked for, shrunk to fit the desktop.
SDL_Window* openWindow(int w, int h) {
    SDL_Rect bounds;
    int ww = w, wh = h;
    if (SDL_GetDisplayUsableBounds(0, &bounds) == 0 && bounds.w > 0 && bounds.h > 0) {
        const double fit = std::min({1.0, bounds.w * 0.95 / w, bounds.h * 0.9 / h});
        ww = static_cast<int>(w * fit);
        wh = static_cast<int>(h * fit);
    }
    return SDL_CreateWindow("Velquist play (starting)", SDL_WINDOWPOS_CENTERED,
                            SDL_WINDOWPOS_CENTERED, ww, wh, SDL_WINDOW_RESIZABLE);
}

}  // namespace

int playCommand(const std::vector<std::string>& args) {
    PlayOptions options;
    std::string traceFile, lastFrame;
    long quitAfter = -1;
    for (CommandWords line(args); line.next();) {
        const std::string& a = line.word();
        std::string v;
        if (a == "--game") {
            if (!line.value(options.gameDir)) return usageError("--game needs a folder");
        } else if (a == "--screen") {
            const std::optional<Screen> screen = line.value(v) ? parseScreen(v) : std::nullopt;
            if (!screen) return usageError(screenOptionRule());
            options.width = screen->width;
            options.height = screen->height;
        } else if (a == "--trace") {
            if (!line.value(traceFile)) return usageError("--trace needs a file");
        } else if (a == "--last-frame") {
            if (!line.value(lastFrame)) return usageError("--last-frame needs a file");
        } else if (a == "--quit-after") {
            char* end = nullptr;
            if (!line.value(v) || (quitAfter = std::strtol(v.c_str(), &end, 10)) < 0 ||
                *end != '\0')
                return usageError("--quit-after takes milliseconds");
        } else {
            return usageError("unexpected " + a);
        }
    }

    std::error_code ec;
    if (!options.gameDir.empty() && !std::filesystem::is_directory(options.gameDir, ec))
        return usageError("no such game folder: " + options.gameDir);
    // A file that cannot be written fails the run, before any window opens.
    if (!traceFile.empty() && !host.trace.open(traceFile)) {
        std::fprintf(stderr, "velquist-sim play: cannot write the trace %s\n", traceFile.c_str());
        return 1;
    }

    // SDL and the X and D-Bus libraries under it keep some of what they set up until the
    // process ends, and as those libraries keep no frame pointers, the leak checker cannot
    // tell their blocks from any other: from here on it counts nothing. (The session itself
    // is leak-checked by its tests without a window.)
#if defined(__SANITIZE_ADDRESS__)
    __lsan_disable();
#endif
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "velquist-sim play: no window: %s\n", SDL_GetError());
        return 1;
    }
    int status = 0;
    {
        PlaySession session(options);
        std::string error;
        SDL_Window* window = nullptr;
        SDL_Renderer* screen = nullptr;
        SDL_Texture* texture = nullptr;
        if (!session.start(error)) {
            std::fprintf(stderr, "velquist-sim play: %s\n", error.c_str());
            status = 1;
        } else if (!(window = openWindow(options.width, options.height)) ||
                   !(screen = SDL_CreateRenderer(window, -1, 0)) ||
                   SDL_RenderSetLogicalSize(screen, options.width, options.height) != 0 ||
                   !(texture = SDL_CreateTexture(screen, SDL_PIXELFORMAT_RGB888,
                                                 SDL_TEXTUREACCESS_STREAMING, options.width,
                                                 options.height))) {
            std::fprintf(stderr, "velquist-sim play: no window: %s\n", SDL_GetError());
            status = 1;
        } else {
            std::fprintf(stderr, "velquist-sim play: game folder %s\n", session.gameDir().c_str());
            const auto begin = Clock::now();
            auto paceFrom = begin;
            long frames = 0;
            bool running = true;
            cairo_surface_t* picture = nullptr;
            while (running) {
                SDL_Event e;
                while (SDL_PollEvent(&e)) {
                    if (e.type == SDL_QUIT) running = false;
                    if (e.type != SDL_KEYDOWN && e.type != SDL_KEYUP) continue;
                    if (e.key.keysym.scancode == SDL_SCANCODE_ESCAPE) {
                        running = false;
                        continue;
                    }
                    const uint32_t vk = virtualKeyOf(e.key.keysym.scancode);
                    if (vk == 0) continue;
                    if (e.type == SDL_KEYUP)
                        session.keyUp(vk);
                    else if (!e.key.repeat)
                        session.keyDown(vk);
                }
                if (!running) break;
                session.frame();
                cairo_surface_t* const previous = picture;
                picture = session.picture();
                SDL_UpdateTexture(texture, nullptr, cairo_image_surface_get_data(picture),
                                  cairo_image_surface_get_stride(picture));
                SDL_RenderClear(screen);
                SDL_RenderCopy(screen, texture, nullptr, nullptr);
                SDL_RenderPresent(screen);
                // The title says when the first frame is up (and keys start to count).
                if (!previous) SDL_SetWindowTitle(window, "Velquist play");

                // One frame of simulated time per frame time of real time.
                ++frames;
                const auto due = paceFrom + std::chrono::milliseconds(frames * session.frameTime());
                const auto now = Clock::now();
                if (now < due) {
                    std::this_thread::sleep_until(due);
                } else if (now - due > largestLag) {
                    paceFrom = now;
                    frames = 0;
                }
                if (quitAfter >= 0 && Clock::now() - begin >= std::chrono::milliseconds(quitAfter))
                    running = false;
            }
            if (!lastFrame.empty() && picture &&
                cairo_surface_write_to_png(picture, lastFrame.c_str()) != CAIRO_STATUS_SUCCESS) {
                std::fprintf(stderr, "velquist-sim play: cannot write %s\n", lastFrame.c_str());
                status = 1;
            }
            std::printf("%s\n", session.overlay().c_str());
        }
        if (texture) SDL_DestroyTexture(texture);
        if (screen) SDL_DestroyRenderer(screen);
        if (window) SDL_DestroyWindow(window);
    }
    host.trace.close();
    SDL_Quit();
    return status;
}

}  // namespace sim
