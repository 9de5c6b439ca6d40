// The live session behind the play window: the plug-in in a simulated game with one
// vehicle of each kind, driven by held keys. Every key goes to the plug-in's keyboard
// handler as the game would send it (with a repeated key-down every 30 ms while held);
// some keys also act on the world: W/S or the up/down arrows are throttle and brake,
// Space is the hand brake, the digits 1 to 5 put the player into the bicycle, boat, car,
// plane or train.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "linked_plugin.h"
#include "scenario/runner.h"

namespace sim {

struct PlayOptions {
    std::string gameDir;  // empty: a temporary copy of the default data folder
    int width = 1920;
    int height = 1080;
};

class PlaySession {
  public:
    explicit PlaySession(PlayOptions options);
    ~PlaySession();
    PlaySession(const PlaySession&) = delete;
    PlaySession& operator=(const PlaySession&) = delete;

    // Prepares the game folder, the world and the plug-in; false with a message.
    bool start(std::string& error);

    // A key went down or up (the window's own repeats are not passed on). A key that goes
    // up before a frame has seen it down is released after the next frame, so that even
    // the quickest tap reaches the script.
    void keyDown(uint32_t vk);
    void keyUp(uint32_t vk);

    // One game frame: held keys repeat, the drive follows the keys, the plug-in runs.
    void frame();

    // The frame as the screen shows it, with the overlay line; owned by the session.
    cairo_surface_t* picture();

    // The overlay line: the vehicle, its speed, gear and rpm.
    std::string overlay() const;

    uint32_t frameTime() const;
    const std::string& gameDir() const { return runner_.gameDir(); }

  private:
    void switchVehicle(int kind);
    void updateDrive();

    PlayOptions options_;
    LinkedPlugin plugin_;
    Runner runner_;
    std::map<uint32_t, uint32_t> held_;  // virtual key to the tick of its last key-down
    std::set<uint32_t> fresh_;           // went down since the last frame
    std::set<uint32_t> releaseAfterFrame_;
    bool started_ = false;
};

}  // namespace sim
