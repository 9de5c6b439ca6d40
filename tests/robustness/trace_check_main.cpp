// velquist-trace-check: checks a trace against the invariants of every frame and can
// summarise it by marked segments.
//
//   velquist-trace-check TRACE [--summary FILE]
//
// TRACE is a trace file or - for standard input (so a run can be piped in without keeping
// its trace). Exit status 0 when every line keeps the invariants, 1 when one does not (the
// first ones are listed), 2 for a bad command line or an unreadable trace.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "robustness/trace_invariants.h"

namespace {

int usage() {
    std::fputs("usage: velquist-trace-check TRACE|- [--summary FILE|-]\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string tracePath, summaryPath;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--summary") == 0 && i + 1 < argc)
            summaryPath = argv[++i];
        else if (tracePath.empty())
            tracePath = argv[i];
        else
            return usage();
    }
    if (tracePath.empty()) return usage();
    std::FILE* in = tracePath == "-" ? stdin : std::fopen(tracePath.c_str(), "rb");
    if (!in) {
        std::fprintf(stderr, "velquist-trace-check: cannot read %s\n", tracePath.c_str());
        return 2;
    }
    trace_check::Checker checker;
    char* buffer = nullptr;
    size_t capacity = 0;
    ssize_t n;
    while ((n = getline(&buffer, &capacity, in)) >= 0) {
        size_t len = static_cast<size_t>(n);
        if (len > 0 && buffer[len - 1] == '\n') --len;
        checker.line(std::string_view(buffer, len));
    }
    std::free(buffer);
    if (in != stdin) std::fclose(in);
    checker.finish();

    if (!summaryPath.empty()) {
        const std::string summary = trace_check::summaryJson(checker);
        std::FILE* out = summaryPath == "-" ? stdout : std::fopen(summaryPath.c_str(), "wb");
        if (!out) {
            std::fprintf(stderr, "velquist-trace-check: cannot write %s\n", summaryPath.c_str());
            return 2;
        }
        std::fwrite(summary.data(), 1, summary.size(), out);
        if (out != stdout) std::fclose(out);
    }
    for (const trace_check::Violation& v : checker.violations())
        std::fprintf(stderr, "%s:%llu: %s\n", tracePath.c_str(),
                     static_cast<unsigned long long>(v.line), v.what.c_str());
    if (checker.violationCount() > checker.violations().size())
        std::fprintf(stderr, "... %llu violations in all\n",
                     static_cast<unsigned long long>(checker.violationCount()));
    std::fprintf(stderr, "velquist-trace-check: %llu lines, %llu violations\n",
                 static_cast<unsigned long long>(checker.lines()),
                 static_cast<unsigned long long>(checker.violationCount()));
    return checker.violationCount() == 0 ? 0 : 1;
}
