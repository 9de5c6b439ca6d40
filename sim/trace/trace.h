// The trace: JSON Lines, one object per event, each with the frame number "f", the tick
// count "t" and the event name "ev". Floats carry at most six significant digits.
#pragma once

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>

#include "trace/json_text.h"

namespace sim {

// The trace's destination, buffered: lines are kept in memory and handed to the system
// when the buffer fills, at flush() (the runner calls it at every mark) and at close. On an
// abnormal end (a fatal signal, an unhandled exception; see crash_flush.h) what is kept is
// written out, so the trace of a run that crashed or was stopped shows how far it came.
class Trace {
  public:
    Trace() = default;
    ~Trace();
    Trace(const Trace&) = delete;
    Trace& operator=(const Trace&) = delete;
    // Opens the destination: a file name, or "-" for standard output. False on failure.
    bool open(const std::string& destination);
    void close();
    bool enabled() const { return out_ != nullptr; }
    // Appends one whole line (with its line feed).
    void write(const std::string& line);
    // Hands every line kept so far to the system.
    void flush();
    // What flush does, for the moment the process ends abnormally: only calls a signal
    // handler may make.
    void flushAtAbnormalEnd();

  private:
    static constexpr size_t bufferSize = 64 * 1024;  // bytes kept before they are written

    void writeOut(const char* bytes, size_t size);

    std::FILE* out_ = nullptr;
    int fd_ = -1;  // out_'s descriptor; -1 when closed
    bool ownsStream_ = false;
    char buffer_[bufferSize];
    // Bytes of whole lines in buffer_ (0 at first); changed only after the bytes are in
    // place, so that a signal handler never writes half a line.
    volatile size_t kept_ = 0;
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
    Trace* out_;  // null when the trace is not enabled
    void key(const char* name);
};

}  // namespace sim
