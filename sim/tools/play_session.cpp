#include "tools/play_session.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/virtual_keys.h"
#include "host/sim_host.h"
#include "render/renderer.h"
#include "scenario/scenario.h"
#include "world/simulated_memory.h"
#include "world/world.h"
#include "world/world_natives.h"

namespace sim {

namespace {

// Milliseconds between the repeated key-down events of a held key, as a keyboard sends.
constexpr uint32_t keyRepeatInterval = 30;

namespace vk = velquist::vk;

constexpr int32_t handbrakeControl = 76;

struct PlayVehicle {
    const char* name;  // the world's name; also the kind's name on the overlay
    const char* label;
    int vehicleClass;
};

// Keys 1 to 5, in the order of the vehicle kinds.
constexpr PlayVehicle playVehicles[] = {
    {"bicycle", "BMX", 13}, {"boat", "SPEEDER", 14},  {"car", "ADDER", 7},
    {"plane", "LUXOR", 16}, {"train", "FREIGHT", 21},
};

}  // namespace

PlaySession::PlaySession(PlayOptions options)
    : options_(std::move(options)), runner_(plugin_, RunOptions{options_.gameDir, "."}) {}

PlaySession::~PlaySession() {
    if (started_) runner_.finish();
}

bool PlaySession::start(std::string& error) {
    registerHostNatives();
    registerWorldNatives();
    memory.watch(false);
    started_ = true;
    if (!runner_.prepare(error)) return false;
    // The world is set up in the scenario language, as a scenario would.
    std::string setup =
        "screen " + std::to_string(options_.width) + " " + std::to_string(options_.height) + "\n";
    for (const PlayVehicle& v : playVehicles)
        setup += std::string("vehicle ") + v.name + " label=" + v.label +
                 " class=" + std::to_string(v.vehicleClass) + "\n";
    setup += "enter car\ndrive car throttle=0\nframes 1\n";
    std::vector<Command> commands;
    if (!parseScenario(setup, "<play>", commands, error)) return false;
    return runner_.run(commands, error);
}

uint32_t PlaySession::frameTime() const {
    return host.frameTime;
}

void PlaySession::keyDown(uint32_t vk) {
    if (held_.count(vk)) return;
    held_[vk] = host.tick;
    fresh_.insert(vk);
    sendKey(vk, true);
    if (vk >= '1' && vk <= '5') switchVehicle(static_cast<int>(vk - '1'));
}

void PlaySession::keyUp(uint32_t vk) {
    if (fresh_.count(vk)) {
        releaseAfterFrame_.insert(vk);
        return;
    }
    if (!held_.erase(vk)) return;
    sendKey(vk, false);
}

void PlaySession::switchVehicle(int kind) {
    Vehicle* v = vehicleNamed(playVehicles[kind].name);
    if (!v || world.player.vehicle == v) return;
    enterVehicle(*v, false);
}

void PlaySession::updateDrive() {
    Vehicle* v = world.player.vehicle;
    if (!v) return;
    const bool throttle = held_.count('W') || held_.count(vk::up);
    const bool brake = held_.count('S') || held_.count(vk::down);
    const bool handbrake = held_.count(vk::space) != 0;
    v->engine = true;
    v->drive.on = true;
    v->drive.throttle = throttle ? 1.0f : 0.0f;
    v->drive.brake = brake || handbrake ? 1.0f : 0.0f;
    if (handbrake)
        world.pressed.insert(handbrakeControl);
    else
        world.pressed.erase(handbrakeControl);
}

void PlaySession::frame() {
    updateDrive();
    runFrame();
    fresh_.clear();
    for (uint32_t vk : releaseAfterFrame_)
        keyUp(vk);
    releaseAfterFrame_.clear();
    for (auto& [vk, last] : held_) {
        if (host.tick - last >= keyRepeatInterval) {
            sendKey(vk, true);
            last = host.tick;
        }
    }
}

std::string PlaySession::overlay() const {
    const Vehicle* v = world.player.vehicle;
    if (!v) return "on foot";
    const char* kind = "vehicle";
    for (const PlayVehicle& p : playVehicles)
        if (v->name == p.name) kind = p.name;
    char text[160];
    std::snprintf(text, sizeof text, "%s %s   %.0f km/h  %.0f mph   gear %d   rpm %.2f", kind,
                  v->label.c_str(), v->speed * 3.6, v->speed * 2.2369363, v->gear, v->rpm);
    return text;
}

cairo_surface_t* PlaySession::picture() {
    static const char* const keysHelp =
        "1-5 vehicle  W/S drive  Space hand brake  F10 menu  Esc quit";
    cairo_surface_t* frame = renderer().compose();
    const int w = cairo_image_surface_get_width(frame);
    const double size = std::max(11.0, std::round(cairo_image_surface_get_height(frame) / 60.0));
    cairo_t* cr = cairo_create(frame);
    cairo_select_font_face(cr, "DejaVu Sans Mono", CAIRO_FONT_SLANT_NORMAL,
                           CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    // Top right, clear of the menu (top left) and the cluster (bottom right).
    const std::string lines[2] = {overlay(), keysHelp};
    double width = 0;
    for (const std::string& line : lines) {
        cairo_text_extents_t e;
        cairo_text_extents(cr, line.c_str(), &e);
        width = std::max(width, e.x_advance);
    }
    const double left = w - width - size;
    cairo_set_source_rgba(cr, 0, 0, 0, 0.6);
    cairo_rectangle(cr, left - size * 0.5, 0, width + size * 1.5, size * 3);
    cairo_fill(cr);
    for (int i = 0; i < 2; ++i) {
        cairo_set_source_rgb(cr, 1, 1, i == 0 ? 1 : 0.7);
        cairo_move_to(cr, left, size * (1.2 + 1.3 * i));
        cairo_show_text(cr, lines[i].c_str());
    }
    cairo_destroy(cr);
    cairo_surface_flush(frame);
    return frame;
}

}  // namespace sim
