// The tools of velquist-sim beside `run`: `check` (what the plug-in would pass over in a
// game folder), `dial` (a dial face with needles at its printed marks) and `play` (the
// HUD live in a window). Each takes the words after its name and returns the exit status.
#pragma once

#include <string>
#include <vector>

namespace sim {

int checkCommand(const std::vector<std::string>& args);
int dialCommand(const std::vector<std::string>& args);
int playCommand(const std::vector<std::string>& args);

extern const char* const toolsUsage;

// A bad command line: the message and the usage on standard error; returns exit status 2.
int toolUsageError(const char* tool, const std::string& what);

}  // namespace sim
