#include "support/trace_reader.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "support/trace_json.h"

namespace trace_reader {

namespace {

const Value& nullValue() {
    static const Value v;
    return v;
}

// The reader's value of a value as the one trace reader read it.
Value fromJson(const trace_json::Value& json) {
    using Type = trace_json::Value::Type;
    Value v;
    switch (json.type) {
        case Type::null:
            break;
        case Type::boolean:
            v.type = Value::Type::boolean;
            v.boolean = json.text == "true";
            break;
        case Type::number:
            v.type = Value::Type::number;
            v.number = json.number;
            break;
        case Type::string:
            v.type = Value::Type::string;
            v.string = json.text;
            break;
        case Type::array:
            v.type = Value::Type::array;
            for (const trace_json::Value& item : json.items)
                v.array.push_back(fromJson(item));
            break;
        case Type::object:
            v.type = Value::Type::object;
            for (const auto& [key, member] : json.members)
                v.object[key] = fromJson(member);
            break;
    }
    return v;
}

}  // namespace

const Value& Value::operator[](const std::string& key) const {
    auto it = object.find(key);
    return it == object.end() ? nullValue() : it->second;
}

const Value& Value::operator[](size_t i) const {
    return i < array.size() ? array[i] : nullValue();
}

Value parse(const std::string& json) {
    trace_json::Value read;
    std::string error;
    if (!trace_json::parse(json, read, error))
        throw std::runtime_error("bad JSON (" + error + "): " + json);
    return fromJson(read);
}

std::vector<Event> parseLines(const std::string& text) {
    std::vector<Event> events;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        events.push_back(Event{parse(line)});
    }
    return events;
}

std::vector<Event> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return parseLines(ss.str());
}

std::vector<Event> only(const std::vector<Event>& events, const std::string& ev) {
    std::vector<Event> out;
    for (const Event& e : events)
        if (e.ev() == ev) out.push_back(e);
    return out;
}

std::vector<Event> nativeCalls(const std::vector<Event>& events, uint64_t hash) {
    // The trace writes a hash as 0x and sixteen upper-case hex digits.
    char text[24];
    std::snprintf(text, sizeof text, "0x%016llX", static_cast<unsigned long long>(hash));
    std::vector<Event> out;
    for (const Event& e : only(events, "native"))
        if (e["hash"].str() == text) out.push_back(e);
    return out;
}

}  // namespace trace_reader
