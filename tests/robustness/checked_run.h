// Runs velquist-sim as a child process with its trace piped straight into the invariant
// checker, so that runs of any length are checked without keeping their traces.
#pragma once

#include <string>
#include <vector>

#include "robustness/trace_invariants.h"

namespace trace_check {

struct RunOutcome {
    bool started = false;
    int exitCode = -1;   // when the simulator exited
    int signal = 0;      // when a signal ended it (SIGALRM: it ran out of time)
    std::string errors;  // its standard error, at most the first 64 KiB

    bool ok() const { return started && signal == 0 && exitCode == 0; }
    // One line on how it ended.
    std::string describe() const;
};

// Runs `SIM run ARGS... --trace -`; every trace line goes to checker, which is finished
// afterwards. A run still going after timeoutSeconds is killed. environment holds
// NAME=VALUE settings for the simulator on top of the inherited ones.
RunOutcome runChecked(const std::string& sim, const std::vector<std::string>& args,
                      unsigned timeoutSeconds, Checker& checker,
                      const std::vector<std::string>& environment = {});

}  // namespace trace_check
