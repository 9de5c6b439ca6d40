#include "scenario/scenario.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>

#include "core/virtual_keys.h"
#include "world/world_commands.h"

namespace sim {

namespace {

std::vector<std::string> splitWords(const std::string& line) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i >= line.size() || line[i] == '#') break;  // a comment runs to the end
        size_t j = i;
        while (j < line.size() && line[j] != ' ' && line[j] != '\t')
            ++j;
        words.push_back(line.substr(i, j - i));
        i = j;
    }
    return words;
}

std::string trimmed(const std::string& s) {
    size_t a = 0, b = s.size();
    while (a < b && std::isspace(static_cast<unsigned char>(s[a])))
        ++a;
    while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1])))
        --b;
    return s.substr(a, b - a);
}

using Check = std::function<std::string(const Command&)>;

std::string wantWords(const Command& c, size_t n) {
    if (c.words.size() < n) return "missing argument to " + c.name;
    if (c.words.size() > n) return "unexpected word: " + c.words[n];
    return {};
}

std::string wantInteger(const std::string& word, const char* what, int64_t lo, int64_t hi) {
    auto v = parseInteger(word);
    if (!v) return std::string("bad ") + what + ": " + word;
    if (*v < lo || *v > hi)
        return std::string(what) + " out of range " + std::to_string(lo) + ".." +
               std::to_string(hi) + ": " + word;
    return {};
}

// One word: a path inside the data folder.
std::string dataPathOnly(const Command& c) {
    std::string e = wantWords(c, 1);
    if (e.empty() && !isDataPath(c.words[0]))
        e = "not a path inside the data folder: " + c.words[0];
    return e;
}

// No words at all.
std::string noWords(const Command& c) {
    return wantWords(c, 0);
}

// One word: an integer of lo..hi, named `what` in the messages.
Check oneInteger(const char* what, int64_t lo, int64_t hi) {
    return [=](const Command& c) {
        std::string e = wantWords(c, 1);
        return e.empty() ? wantInteger(c.words[0], what, lo, hi) : e;
    };
}

const std::map<std::string, Check>& checks() {
    static const std::map<std::string, Check> table = {
        {"screen",
         [](const Command& c) {
             std::string e = wantWords(c, 2);
             if (e.empty()) e = wantInteger(c.words[0], "width", 0, 16384);
             if (e.empty()) e = wantInteger(c.words[1], "height", 0, 16384);
             return e;
         }},
        {"frame", oneInteger("frame time", 1, 60000)},
        {"tick", oneInteger("tick count", 0, UINT32_MAX)},
        {"version", oneInteger("game version", INT32_MIN, INT32_MAX)},
        {"file", dataPathOnly},
        {"remove", dataPathOnly},
        {"key",
         [](const Command& c) {
             std::string e = wantWords(c, 2);
             if (e.empty() && !parseKey(c.words[0])) e = "bad key: " + c.words[0];
             if (e.empty() && c.words[1] != "down" && c.words[1] != "up")
                 e = "expected down or up: " + c.words[1];
             return e;
         }},
        {"press",
         [](const Command& c) {
             std::string e = wantWords(c, 2);
             if (e.empty() && !parseKey(c.words[0])) e = "bad key: " + c.words[0];
             return e.empty() ? wantInteger(c.words[1], "time", 0, UINT32_MAX) : e;
         }},
        {"run", oneInteger("time", 0, UINT32_MAX)},
        {"frames", oneInteger("frame count", 0, 1000000000)},
        {"unload", noWords},
        {"load", noWords},
        {"restart", noWords},
        {"allocations",
         [](const Command& c) {
             if (!c.words.empty() && c.words[0] == "ok") return wantWords(c, 1);
             std::string e = wantWords(c, 2);
             if (e.empty() && c.words[0] != "fail") e = "expected fail N or ok: " + c.words[0];
             return e.empty() ? wantInteger(c.words[1], "allocation count", 1, UINT32_MAX) : e;
         }},
        {"hold", dataPathOnly},
        {"release", dataPathOnly},
        {"mark", [](const Command&) { return std::string(); }},
        {"memory", noWords},
#ifdef VELQUIST_SIM_ONLY
        {"disk",
         [](const Command& c) {
             std::string e = wantWords(c, 1);
             if (e.empty() && c.words[0] != "ok" && c.words[0] != "full" &&
                 c.words[0] != "readonly")
                 e = "expected ok, full or readonly: " + c.words[0];
             return e;
         }},
#endif
#ifdef VELQUIST_RENDERER
        {"shot",
         [](const Command& c) {
             std::string e = wantWords(c, 1);
             if (e.empty() && !isDataPath(c.words[0]))
                 e = "not a path inside the shots folder: " + c.words[0];
             return e;
         }},
#endif
    };
    return table;
}

// Commands that only velquist-sim offers: pictures are drawn on the Linux side, and only
// the linked plug-in's file access can be made to fail.
bool notInThisBuild([[maybe_unused]] const std::string& name) {
    bool missing = false;
#ifndef VELQUIST_RENDERER
    missing = missing || name == "shot";
#endif
#ifndef VELQUIST_SIM_ONLY
    missing = missing || name == "disk";
#endif
    return missing;
}

// Repetitions may nest; this many commands, and file bodies of this many bytes, at most
// come out of them in all.
constexpr size_t maxExpandedCommands = 1000000;
constexpr size_t maxExpandedBodyBytes = 64u << 20;

size_t bodyBytes(const Command& c) {
    size_t n = 0;
    for (const std::string& line : c.body)
        n += line.size() + 1;
    return n;
}

// The line of a `load` that would load the plug-in while it is loaded, or 0. The plug-in
// is loaded when time first passes (unless `unload` or `load` came first), by `load`, and
// unloaded by `unload`.
int loadWhileLoaded(const std::vector<Command>& commands) {
    enum class State { fresh, loaded, unloaded } state = State::fresh;
    for (const Command& c : commands) {
        if (c.name == "load") {
            if (state == State::loaded) return c.line;
            state = State::loaded;
        } else if (c.name == "unload") {
            state = State::unloaded;
        } else if (state == State::fresh &&
                   (c.name == "run" || c.name == "frames" || c.name == "press")) {
            state = State::loaded;
        }
    }
    return 0;
}

}  // namespace

std::optional<int64_t> parseInteger(const std::string& word) {
    size_t i = 0;
    bool negative = false;
    if (i < word.size() && (word[i] == '+' || word[i] == '-')) negative = word[i++] == '-';
    int base = 10;
    if (word.size() - i > 2 && word[i] == '0' && (word[i + 1] == 'x' || word[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= word.size()) return std::nullopt;
    uint64_t value = 0;
    for (; i < word.size(); ++i) {
        const char ch = word[i];
        int digit;
        if (ch >= '0' && ch <= '9')
            digit = ch - '0';
        else if (base == 16 && ch >= 'a' && ch <= 'f')
            digit = ch - 'a' + 10;
        else if (base == 16 && ch >= 'A' && ch <= 'F')
            digit = ch - 'A' + 10;
        else
            return std::nullopt;
        value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
        if (value > (uint64_t{1} << 40)) return std::nullopt;  // far beyond any use
    }
    const auto v = static_cast<int64_t>(value);
    return negative ? -v : v;
}

std::optional<uint32_t> parseKey(const std::string& word) {
    if (word.size() == 1) {
        const char ch = word[0];
        if (ch >= '0' && ch <= '9') return static_cast<uint32_t>(ch);
        if (ch >= 'A' && ch <= 'Z') return static_cast<uint32_t>(ch);
    }
    if (const uint32_t code = velquist::vk::keyCode(word)) return code;
    auto n = parseInteger(word);
    if (n && *n >= 0 && *n <= 0xFFFF) return static_cast<uint32_t>(*n);
    return std::nullopt;
}

bool isDataPath(const std::string& path) {
    if (path.empty() || path[0] == '/' || path[0] == '\\') return false;
    if (path.find(':') != std::string::npos) return false;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find_first_of("/\\", start);
        if (end == std::string::npos) end = path.size();
        const std::string part = path.substr(start, end - start);
        if (part.empty() || part == "." || part == "..") return false;
        start = end + 1;
    }
    return true;
}

bool parseScenario(const std::string& text, const std::string& fileName,
                   std::vector<Command>& commands, std::string& error) {
    commands.clear();
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t nl = text.find('\n', pos);
        if (nl == std::string::npos) nl = text.size();
        lines.push_back(text.substr(pos, nl - pos));
        pos = nl + 1;
    }
    auto fail = [&](int line, const std::string& what) {
        error = fileName + ":" + std::to_string(line) + ": " + what;
        commands.clear();
        return false;
    };
    WorldCheck world;
    // Open `repeat` blocks: where their commands start, how often they run, their line.
    struct Repeat {
        size_t first;
        int64_t times;
        int line;
    };
    std::vector<Repeat> repeats;
    size_t totalBodyBytes = 0;  // of every file body so far, repetitions counted
    for (size_t i = 0; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i + 1);
        std::string line = lines[i];
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::vector<std::string> words = splitWords(line);
        if (words.empty()) continue;
        Command c;
        c.line = lineNo;
        c.name = words[0];
        c.words.assign(words.begin() + 1, words.end());
        if (c.name == "repeat") {
            std::string e = wantWords(c, 1);
            if (e.empty()) e = wantInteger(c.words[0], "repeat count", 1, 1000000);
            if (!e.empty()) return fail(lineNo, e);
            repeats.push_back({commands.size(), *parseInteger(c.words[0]), lineNo});
            continue;
        }
        if (c.name == "done") {
            if (!c.words.empty()) return fail(lineNo, "unexpected word: " + c.words[0]);
            if (repeats.empty()) return fail(lineNo, "done without repeat");
            const Repeat r = repeats.back();
            repeats.pop_back();
            const size_t count = commands.size() - r.first;
            size_t blockBytes = 0;
            for (size_t j = r.first; j < commands.size(); ++j)
                blockBytes += bodyBytes(commands[j]);
            const auto extra = static_cast<size_t>(r.times - 1);
            if (count * static_cast<size_t>(r.times) > maxExpandedCommands - r.first ||
                blockBytes * extra >
                    maxExpandedBodyBytes - std::min(totalBodyBytes, maxExpandedBodyBytes))
                return fail(r.line, "repeat makes too many commands");
            totalBodyBytes += blockBytes * extra;
            for (int64_t k = 1; k < r.times; ++k)
                for (size_t j = 0; j < count; ++j)
                    commands.push_back(commands[r.first + j]);
            continue;
        }
        if (c.name == "vehicle" && !repeats.empty())
            return fail(lineNo, "vehicle inside repeat: define vehicles before it");
        std::string problem;
        if (isWorldCommand(c.name)) {
            problem = checkWorldCommand(c, world);
        } else {
            auto it = checks().find(c.name);
            if (it == checks().end()) {
                if (notInThisBuild(c.name))
                    return fail(lineNo,
                                "not supported by this build (use velquist-sim): " + c.name);
                return fail(lineNo, "unknown command: " + c.name);
            }
            problem = it->second(c);
        }
        if (!problem.empty()) return fail(lineNo, problem);
        if (c.name == "file") {
            // The body is taken as written, comments and blanks included, up to a line
            // that reads `end`.
            size_t j = i + 1;
            while (j < lines.size() && trimmed(lines[j]) != "end")
                c.body.push_back(lines[j++]);
            if (j >= lines.size()) return fail(lineNo, "file without end");
            i = j;
            totalBodyBytes += bodyBytes(c);
        }
        commands.push_back(std::move(c));
    }
    if (!repeats.empty()) return fail(repeats.back().line, "repeat without done");
    if (const int line = loadWhileLoaded(commands))
        return fail(line, "load while the plug-in is loaded (unload it first)");
    return true;
}

}  // namespace sim
