// libFuzzer target for the simulator's scenario reader: any bytes, as a scenario file
// might hold them. The reader either accepts the text or names the line at fault; it
// never crashes, and what it accepts is bounded in size.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "scenario/scenario.h"

namespace {

void fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    size_t lines = 1;
    for (char c : text)
        lines += c == '\n' ? 1 : 0;
    std::vector<sim::Command> commands;
    std::string error;
    if (sim::parseScenario(text, "fuzz.scn", commands, error)) {
        if (!error.empty()) fail("accepted with an error", error);
        if (commands.size() > 1000000) fail("too many commands", std::to_string(commands.size()));
        for (const sim::Command& c : commands)
            if (c.line < 1 || static_cast<size_t>(c.line) > lines)
                fail("a command without its line", c.name);
        return 0;
    }
    // "fuzz.scn:LINE: what", with LINE one of the text's lines.
    if (error.rfind("fuzz.scn:", 0) != 0) fail("an error without the file", error);
    const long line = std::strtol(error.c_str() + 9, nullptr, 10);
    if (line < 1 || static_cast<size_t>(line) > lines) fail("an error without its line", error);
    if (!commands.empty()) fail("commands left after an error", error);
    return 0;
}
