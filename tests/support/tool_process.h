// Runs velquist-sim (or another program) with a command line of words and collects its exit status
// and its standard output and error.
#pragma once

#include <string>
#include <vector>

namespace tool_process {

struct Result {
    int exitCode = -1;
    std::string out;     // standard output
    std::string errors;  // standard error
};

// Its standard input is empty. extraEnvironment: NAME=VALUE words set for this run only. With
// seconds, the run is killed after that much wall time (exit code -1), so that a run that would
// hang fails.
Result run(const std::vector<std::string>& args,
           const std::vector<std::string>& extraEnvironment = {}, int seconds = 0);

// The same for another program (a path, or a name found on PATH, such as wine).
Result runProgram(const std::string& program, const std::vector<std::string>& args,
                  const std::vector<std::string>& extraEnvironment = {}, int seconds = 0);

// The lines of a text, without their line ends.
std::vector<std::string> lines(const std::string& text);

}  // namespace tool_process
