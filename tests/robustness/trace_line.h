// Reads one line of a trace: a flat JSON object whose values are numbers, strings,
// booleans, null or arrays of numbers and strings (the simulator writes nothing else).
// Built for speed over long traces: the fields live in buffers reused from line to line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace trace_check {

struct TraceValue {
    enum class Kind { null, boolean, number, string, array };
    Kind kind = Kind::null;
    bool boolean = false;
    double number = 0.0;
    std::string string;             // decoded; also holds "nan", "inf", "-inf" as written
    std::vector<TraceValue> items;  // the elements of an array (never arrays themselves)
};

struct TraceField {
    std::string key;
    TraceValue value;
};

class TraceLine {
  public:
    // Reads the line; false (with error() set) when it is not such an object.
    bool parse(std::string_view line);
    const std::string& error() const { return error_; }

    // The field named key, or null.
    const TraceValue* find(std::string_view key) const;
    // The number in field key; false when it is missing or not a number.
    bool number(std::string_view key, double& out) const;
    // The text in field key, or "" when it is missing or not a string.
    std::string_view text(std::string_view key) const;

  private:
    bool value(TraceValue& out, bool inArray);
    bool string(std::string& out);
    bool fail(const char* what);
    void skipBlanks();

    std::vector<TraceField> fields_;  // the first count_ are this line's
    size_t count_ = 0;
    std::string_view rest_;
    std::string error_;
};

// A number field that is a finite number; the trace writes non-finite floats as strings.
bool isFiniteNumber(const TraceValue* value);

}  // namespace trace_check
