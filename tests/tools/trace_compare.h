// Compares two traces (JSON Lines) event for event: the same events in the same order,
// each with the same keys and values. Numbers may differ by an absolute tolerance, since
// the two builds round floats independently; texts, booleans and structure are exact.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace trace_compare {

// The largest difference between two numbers that still counts as equal.
constexpr double defaultTolerance = 1e-5;

struct Difference {
    size_t lineA = 0;    // 1-based line of the event in the first trace (0: no such event)
    size_t lineB = 0;    // the same in the second trace
    std::string field;   // path of the differing field ("pos[1]"); empty for a whole event
    std::string valueA;  // the field's JSON text in the first trace, "(absent)" if missing
    std::string valueB;
};

struct Result {
    std::string error;                    // a trace that is not JSON Lines; empty otherwise
    size_t eventsA = 0, eventsB = 0;      // events read from each trace
    size_t differingEvents = 0;           // events with at least one difference
    std::vector<Difference> differences;  // the first ones found, in line order
    bool equal() const { return error.empty() && differingEvents == 0; }
};

// Compares the traces; records at most maxDifferences differences (every differing event
// is still counted). Empty lines are ignored.
Result compare(const std::string& traceA, const std::string& traceB,
               double tolerance = defaultTolerance, size_t maxDifferences = 10);

// One line for a report: `line 12: field "pos[0]": 0.5 <nameA> / 0.6 <nameB>`.
std::string describe(const Difference& d, const std::string& nameA, const std::string& nameB);

}  // namespace trace_compare
