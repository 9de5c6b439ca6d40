#include "trace/trace.h"

#include <cerrno>
#include <cstring>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "trace/crash_flush.h"

namespace sim {

Trace::~Trace() {
    close();
}

bool Trace::open(const std::string& destination) {
    close();
    if (destination == "-") {
        out_ = stdout;
        ownsStream_ = false;
    } else {
        out_ = std::fopen(destination.c_str(), "wb");
        ownsStream_ = out_ != nullptr;
        if (!out_) return false;
    }
    fd_ = fileno(out_);
    watchForAbnormalEnd(this);
    return true;
}

void Trace::close() {
    if (!out_) return;
    flush();
    watchForAbnormalEnd(nullptr);
    if (ownsStream_) std::fclose(out_);
    out_ = nullptr;
    fd_ = -1;
    ownsStream_ = false;
}

void Trace::writeOut(const char* bytes, size_t size) {
    while (size > 0) {
        const auto n = ::write(fd_, bytes, static_cast<unsigned>(size));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;  // a closed pipe, a full disk: the rest is lost
        bytes += n;
        size -= static_cast<size_t>(n);
    }
}

void Trace::write(const std::string& line) {
    if (!out_) return;
    if (kept_ + line.size() > bufferSize) flush();
    if (line.size() > bufferSize) {
        writeOut(line.data(), line.size());
        return;
    }
    std::memcpy(buffer_ + kept_, line.data(), line.size());
    kept_ = kept_ + line.size();
}

void Trace::flush() {
    if (!out_) return;
    std::fflush(out_);  // whatever else went to the same stream comes first
    // Written before it is forgotten: a signal in between writes these lines twice rather
    // than never.
    writeOut(buffer_, kept_);
    kept_ = 0;
}

void Trace::flushAtAbnormalEnd() {
    if (fd_ < 0) return;
    const size_t kept = kept_;
    writeOut(buffer_, kept);
    kept_ = 0;
}

namespace {

// A JSON array of the values, each as `format` writes it.
template <typename T, typename Format>
void appendArray(std::string& line, std::initializer_list<T> values, Format format) {
    line += "[";
    bool first = true;
    for (const T v : values) {
        if (!first) line += ",";
        line += format(v);
        first = false;
    }
    line += "]";
}

}  // namespace

TraceEvent::TraceEvent(Trace& trace, uint64_t frame, uint32_t tick, const char* ev)
    : out_(trace.enabled() ? &trace : nullptr) {
    if (!out_) return;
    line_ = "{\"f\":" + std::to_string(frame) + ",\"t\":" + std::to_string(tick) +
            ",\"ev\":" + quote(ev);
}

TraceEvent::~TraceEvent() {
    if (!out_) return;
    line_ += "}\n";
    out_->write(line_);
}

void TraceEvent::key(const char* name) {
    line_ += ",";
    line_ += quote(name);
    line_ += ":";
}

TraceEvent& TraceEvent::field(const char* name, int64_t value) {
    if (!out_) return *this;
    key(name);
    line_ += std::to_string(value);
    return *this;
}

TraceEvent& TraceEvent::field(const char* name, double value) {
    if (!out_) return *this;
    key(name);
    line_ += formatFloat(value);
    return *this;
}

TraceEvent& TraceEvent::field(const char* name, bool value) {
    if (!out_) return *this;
    key(name);
    line_ += value ? "true" : "false";
    return *this;
}

TraceEvent& TraceEvent::field(const char* name, const char* value) {
    if (!out_) return *this;
    key(name);
    line_ += quote(value);
    return *this;
}

TraceEvent& TraceEvent::floats(const char* name, std::initializer_list<double> values) {
    if (!out_) return *this;
    key(name);
    appendArray(line_, values, formatFloat);
    return *this;
}

TraceEvent& TraceEvent::ints(const char* name, std::initializer_list<int64_t> values) {
    if (!out_) return *this;
    key(name);
    appendArray(line_, values, [](int64_t v) { return std::to_string(v); });
    return *this;
}

TraceEvent& TraceEvent::raw(const char* name, const std::string& json) {
    if (!out_) return *this;
    key(name);
    line_ += json;
    return *this;
}

}  // namespace sim
