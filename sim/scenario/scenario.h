// The scenario language: one command per line, read and checked in full before anything
// runs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sim {

struct Command {
    int line = 0;                    // 1-based line number in the scenario file
    std::string name;                // the command word
    std::vector<std::string> words;  // the words after it
    std::vector<std::string> body;   // the lines between `file PATH` and `end`, as written
};

// Reads every command of a scenario and checks it. On a fault returns false and sets
// error to "FILE:LINE: what is wrong".
bool parseScenario(const std::string& text, const std::string& fileName,
                   std::vector<Command>& commands, std::string& error);

// A decimal or 0x-hex integer with an optional sign; nothing else may follow.
std::optional<int64_t> parseInteger(const std::string& word);

// A virtual-key code: a number, a name of the key table (F1..F12, NUMPAD0..NUMPAD9, see
// core/virtual_keys.h), or A..Z, 0..9.
// A single digit is the digit key's name (0..9 are 0x30..0x39); write 0x08 for code 8.
std::optional<uint32_t> parseKey(const std::string& word);

// A path inside a folder (the data folder, the shots folder): relative, with no "..", no
// drive and no empty name.
bool isDataPath(const std::string& path);

}  // namespace sim
