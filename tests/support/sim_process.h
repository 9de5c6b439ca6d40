// Runs velquist-sim as a separate process (fresh process-wide state every run) and
// collects its exit status, error output and trace.
#pragma once

#include <string>
#include <vector>

#include "support/trace_reader.h"

namespace sim_process {

struct Result {
    int exitCode = -1;
    std::string errors;                      // standard error
    std::vector<trace_reader::Event> trace;  // the events, in order
    std::string traceText;                   // the trace as written
};

// Runs the scenario text with the given extra command-line words (--game, --natives ...).
Result run(const std::string& scenario, const std::vector<std::string>& extraArgs = {});

// The same, killed after `seconds` of wall time (exit code -1 then), so that a run that
// would hang fails instead.
Result runWithin(int seconds, const std::string& scenario,
                 const std::vector<std::string>& extraArgs = {});

// The same, with velquist-sim's command line put behind the shell words `prefix` (settings
// of the environment, a program that runs it, such as strace).
Result runUnder(const std::string& prefix, const std::string& scenario,
                const std::vector<std::string>& extraArgs = {});

// The same, with the trace left as text (traceText) and not read into events: for long
// traces that are compared, not inspected.
Result runUnparsed(const std::string& scenario, const std::vector<std::string>& extraArgs = {});

// Runs a scenario file of tests/scenarios.
Result runFile(const std::string& name, const std::vector<std::string>& extraArgs = {});

}  // namespace sim_process
