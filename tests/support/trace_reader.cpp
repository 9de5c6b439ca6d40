#include "support/trace_reader.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace trace_reader {

namespace {

const Value& nullValue() {
    static const Value v;
    return v;
}

class Parser {
  public:
    explicit Parser(const std::string& text) : s_(text) {}

    Value document() {
        Value v = value();
        skip();
        if (i_ != s_.size()) fail("trailing text");
        return v;
    }

  private:
    const std::string& s_;
    size_t i_ = 0;

    [[noreturn]] void fail(const char* what) {
        throw std::runtime_error(std::string("bad JSON (") + what + ") at " + std::to_string(i_) +
                                 ": " + s_);
    }
    void skip() {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\r'))
            ++i_;
    }
    bool take(char c) {
        skip();
        if (i_ < s_.size() && s_[i_] == c) {
            ++i_;
            return true;
        }
        return false;
    }
    bool word(const char* w) {
        const size_t n = std::char_traits<char>::length(w);
        if (s_.compare(i_, n, w) == 0) {
            i_ += n;
            return true;
        }
        return false;
    }
    std::string string() {
        if (!take('"')) fail("expected a string");
        std::string out;
        while (i_ < s_.size() && s_[i_] != '"') {
            char c = s_[i_++];
            if (c == '\\') {
                if (i_ >= s_.size()) fail("bad escape");
                const char e = s_[i_++];
                switch (e) {
                    case 'n':
                        out += '\n';
                        break;
                    case 't':
                        out += '\t';
                        break;
                    case 'r':
                        out += '\r';
                        break;
                    case 'u': {
                        if (i_ + 4 > s_.size()) fail("bad escape");
                        const long code = std::strtol(s_.substr(i_, 4).c_str(), nullptr, 16);
                        i_ += 4;
                        out += static_cast<char>(code);  // the trace escapes single bytes
                        break;
                    }
                    default:
                        out += e;
                }
            } else {
                out += c;
            }
        }
        if (i_ >= s_.size()) fail("unterminated string");
        ++i_;
        return out;
    }
    Value value() {
        skip();
        if (i_ >= s_.size()) fail("unexpected end");
        Value v;
        const char c = s_[i_];
        if (c == '{') {
            ++i_;
            v.type = Value::Type::object;
            if (take('}')) return v;
            do {
                std::string key = string();
                if (!take(':')) fail("expected :");
                v.object[key] = value();
            } while (take(','));
            if (!take('}')) fail("expected }");
        } else if (c == '[') {
            ++i_;
            v.type = Value::Type::array;
            if (take(']')) return v;
            do
                v.array.push_back(value());
            while (take(','));
            if (!take(']')) fail("expected ]");
        } else if (c == '"') {
            v.type = Value::Type::string;
            v.string = string();
        } else if (word("true")) {
            v.type = Value::Type::boolean;
            v.boolean = true;
        } else if (word("false")) {
            v.type = Value::Type::boolean;
        } else if (word("null")) {
        } else {
            char* end = nullptr;
            v.number = std::strtod(s_.c_str() + i_, &end);
            if (end == s_.c_str() + i_) fail("expected a value");
            i_ = static_cast<size_t>(end - s_.c_str());
            v.type = Value::Type::number;
        }
        return v;
    }
};

}  // namespace

const Value& Value::operator[](const std::string& key) const {
    auto it = object.find(key);
    return it == object.end() ? nullValue() : it->second;
}

const Value& Value::operator[](size_t i) const {
    return i < array.size() ? array[i] : nullValue();
}

Value parse(const std::string& json) {
    return Parser(json).document();
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
