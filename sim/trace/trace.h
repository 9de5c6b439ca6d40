// The trace: JSON Lines, one object per event, each with the frame number "f", the tick
// count "t" and the event name "ev". Floats carry at most six significant digits.
#pragma once

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>

namespace sim {

class Trace {
public:
    ~Trace();
    // Opens the destination: a file name, or "-" for standard output. False on failure.
    bool open(const std::string& destination);
    void close();
    bool enabled() const { return out_ != nullptr; }
    std::FILE* stream() { return out_; }

private:
    std::FILE* out_ = nullptr;
    bool ownsStream_ = false;
};

// One trace object, written out when it goes out of scope; does nothing when the trace
// is not enabled.
class TraceEvent {
public:
    TraceEvent(Trace& trace, uint64_t frame, uint32_t tick, const char* ev);
    ~TraceEvent();
    TraceEvent(const TraceEvent&) = delete;
    TraceEvent& operator=(const TraceEvent&) = delete;

    TraceEvent& field(const char* name, int64_t value);
    TraceEvent& field(const char* name, int value) { return field(name, int64_t{value}); }
    TraceEvent& field(const char* name, double value);
    TraceEvent& field(const char* name, bool value);
    TraceEvent& field(const char* name, const char* value);
    TraceEvent& field(const char* name, const std::string& value) {
        return field(name, value.c_str());
    }
    TraceEvent& floats(const char* name, std::initializer_list<double> values);
    TraceEvent& ints(const char* name, std::initializer_list<int64_t> values);
    // A value already in JSON form.
    TraceEvent& raw(const char* name, const std::string& json);

private:
    std::string line_;
    std::FILE* out_;
    void key(const char* name);
};

// JSON text of a float with at most six significant digits; "nan", "inf" and "-inf" as
// strings, since JSON has no such numbers.
std::string formatFloat(double value);
// JSON string literal of a byte string; bytes outside printable ASCII are escaped.
std::string quote(const char* text);

}  // namespace sim
