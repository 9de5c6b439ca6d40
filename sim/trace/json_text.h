// JSON text of the values a trace holds, written the one way the trace writes them. Header
// only, so that the test tools that write JSON of their own (the trace checker's summary)
// use it without linking the simulator.
#pragma once

#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

namespace sim {

// JSON text of a float with at most six significant digits; "nan", "inf" and "-inf" as
// strings, since JSON has no such numbers.
inline std::string formatFloat(double value) {
    if (std::isnan(value)) return "\"nan\"";
    if (std::isinf(value)) return value > 0 ? "\"inf\"" : "\"-inf\"";
    if (value == 0.0) return "0";  // also folds -0 into 0
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6g", value);
    return buf;
}

// JSON string literal of a byte string; bytes outside printable ASCII are escaped.
inline std::string quote(std::string_view text) {
    std::string out = "\"";
    for (const char b : text) {
        const unsigned char c = static_cast<unsigned char>(b);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += b;
        } else if (c < 0x20 || c >= 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += b;
        }
    }
    out += '"';
    return out;
}
// The same of a C string; null is the empty string.
inline std::string quote(const char* text) {
    return quote(text ? std::string_view(text) : std::string_view());
}

}  // namespace sim
