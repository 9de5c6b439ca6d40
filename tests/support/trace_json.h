// The one reader of trace text (JSON): a strict reader of one JSON text that keeps each
// value's text as written and an object's members in order, and the decoder of a JSON
// string that every trace reader of the tests and their tools uses.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace trace_json {

struct Value {
    enum class Type { null, boolean, number, string, array, object };
    Type type = Type::null;
    std::string raw;   // the value's JSON text as it stands in the line
    std::string text;  // a string's decoded bytes; a number's or literal's text
    double number = 0.0;
    std::vector<Value> items;                            // array elements
    std::vector<std::pair<std::string, Value>> members;  // object members, in order
};

// Reads one JSON text; false, with `error` set ("... at column N"), when it is not one.
bool parse(const std::string& text, Value& out, std::string& error);

// Decodes the JSON string that starts at text[at] (a quote) into `out` and moves `at` past
// its closing quote; false, with `error` set, when it is not a well-formed string. With
// bytesOnly a \u escape above 0xFF fails (the trace escapes single bytes that way and
// writes nothing above); without, it is written as UTF-8.
bool readString(std::string_view text, size_t& at, std::string& out, const char*& error,
                bool bytesOnly = false);

}  // namespace trace_json
