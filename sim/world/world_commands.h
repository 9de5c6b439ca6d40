// The scenario commands that shape the simulated world: vehicle, set, deco, undeco,
// enter, leave, player, view, hud, control, daytime, drive, and the game memory the
// plug-in must not read: pool and object. Each is checked in full when the scenario is
// read, and run in file order.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "scenario/scenario.h"

namespace sim {

// What the reader knows of the world so far: the vehicles defined by earlier lines.
struct WorldCheck {
    std::set<std::string> vehicles;
    std::map<uint32_t, std::optional<std::string>> modelLabels;  // nullopt: label=null
};

bool isWorldCommand(const std::string& name);

// Checks a world command against the lines before it; "" when it is sound, else what is
// wrong.
std::string checkWorldCommand(const Command& c, WorldCheck& check);

// Runs a checked world command.
void runWorldCommand(const Command& c);

// A float: a decimal number, or nan, inf or -inf.
std::optional<float> parseFloat(const std::string& word);

}  // namespace sim
