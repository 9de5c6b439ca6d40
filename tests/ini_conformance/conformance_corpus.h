// The INI conformance corpus: files and private-profile operations whose every result and
// every resulting file must be the same through kernel32 (under Wine) and through the
// portable functions.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ini_conformance {

struct Operation {
    enum Kind { readInt, readText, write } kind;
    std::optional<std::string> section;
    std::optional<std::string> key;
    std::optional<std::string> text;  // readText: the default; write: the value
    int32_t number = 0;               // readInt: the default
    uint32_t size = 64;               // readText: the destination's size
};

struct Case {
    std::string name;                    // also the case's folder name
    std::optional<std::string> content;  // the file's bytes before the operations; none: missing
    std::vector<Operation> operations;
    bool fileIsFolder = false;          // the file's name is taken by a folder
    std::string fileName = "test.ini";  // relative to the case's folder, backslashes
};

std::vector<Case> corpus();

// count cases made up from seed: the same cases in every build.
std::vector<Case> randomCases(uint64_t seed, int count);

}  // namespace ini_conformance
