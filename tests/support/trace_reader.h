// Reads a trace (JSON Lines) back into values the tests can check.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace trace_reader {

struct Value {
    enum class Type { null, boolean, number, string, array, object };
    Type type = Type::null;
    bool boolean = false;
    double number = 0.0;
    std::string string;
    std::vector<Value> array;
    std::map<std::string, Value> object;

    bool has(const std::string& key) const { return object.count(key) != 0; }
    const Value& operator[](const std::string& key) const;
    const Value& operator[](size_t i) const;
    double num() const { return number; }
    const std::string& str() const { return string; }
};

// One trace event: a JSON object with "f", "t" and "ev".
struct Event {
    Value value;
    long long f() const { return static_cast<long long>(value["f"].number); }
    long long t() const { return static_cast<long long>(value["t"].number); }
    const std::string& ev() const { return value["ev"].string; }
    const Value& operator[](const std::string& key) const { return value[key]; }
};

// Parses one JSON text; throws std::runtime_error on malformed input.
Value parse(const std::string& json);
// Parses every non-empty line.
std::vector<Event> parseLines(const std::string& text);
std::vector<Event> readFile(const std::string& path);

// The events named ev, in order.
std::vector<Event> only(const std::vector<Event>& events, const std::string& ev);

// The calls of one native (`native` events, traced with --natives), in order.
std::vector<Event> nativeCalls(const std::vector<Event>& events, uint64_t hash);

}  // namespace trace_reader
