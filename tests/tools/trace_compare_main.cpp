// trace_compare: tells whether two traces are equal event for event, numbers within an
// absolute tolerance, and reports where they are not.
// Exit status: 0 equal, 1 different, 2 a file that cannot be read or is not JSON Lines.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "tools/trace_compare.h"

namespace {

const char* const usage =
    "usage: trace_compare [--tolerance X] [--max N] TRACE_A TRACE_B\n"
    "  Compares two traces event for event; numbers may differ by X (default 1e-5).\n"
    "  Reports at most N differences (default 10).\n";

bool slurp(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream ss;
    ss << in.rdbuf();
    out = ss.str();
    return true;
}

std::string baseName(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

int main(int argc, char** argv) {
    double tolerance = trace_compare::defaultTolerance;
    size_t maxDifferences = 10;
    std::string files[2];
    int fileCount = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        char* end = nullptr;
        if (a == "--tolerance" && i + 1 < argc) {
            tolerance = std::strtod(argv[++i], &end);
            if (*end != '\0' || !(tolerance >= 0)) {
                std::fprintf(stderr, "trace_compare: bad tolerance %s\n%s", argv[i], usage);
                return 2;
            }
        } else if (a == "--max" && i + 1 < argc) {
            maxDifferences = std::strtoul(argv[++i], &end, 10);
            if (*end != '\0') {
                std::fprintf(stderr, "trace_compare: bad count %s\n%s", argv[i], usage);
                return 2;
            }
        } else if (!a.empty() && a[0] != '-' && fileCount < 2) {
            files[fileCount++] = a;
        } else {
            std::fprintf(stderr, "trace_compare: unexpected argument %s\n%s", a.c_str(), usage);
            return 2;
        }
    }
    if (fileCount != 2) {
        std::fputs(usage, stderr);
        return 2;
    }
    std::string text[2];
    for (int k = 0; k < 2; ++k) {
        if (!slurp(files[k], text[k])) {
            std::fprintf(stderr, "trace_compare: cannot read %s\n", files[k].c_str());
            return 2;
        }
    }
    const auto result = trace_compare::compare(text[0], text[1], tolerance, maxDifferences);
    if (!result.error.empty()) {
        std::fprintf(stderr, "trace_compare: %s\n", result.error.c_str());
        return 2;
    }
    if (result.equal()) {
        std::printf("traces equal: %zu events\n", result.eventsA);
        return 0;
    }
    const std::string nameA = baseName(files[0]), nameB = baseName(files[1]);
    std::printf("traces differ: %zu of %zu events (%zu in %s, %zu in %s)\n", result.differingEvents,
                std::max(result.eventsA, result.eventsB), result.eventsA, nameA.c_str(),
                result.eventsB, nameB.c_str());
    for (const auto& d : result.differences)
        std::printf("  %s\n", trace_compare::describe(d, nameA, nameB).c_str());
    return 1;
}
