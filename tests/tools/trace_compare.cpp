#include "tools/trace_compare.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <utility>

namespace trace_compare {

namespace {

struct Value {
    enum class Type { null, boolean, number, string, array, object };
    Type type = Type::null;
    std::string raw;   // the value's JSON text as it stands in the line
    std::string text;  // a string's decoded bytes; a number's or literal's text
    double number = 0.0;
    std::vector<Value> items;                            // array elements
    std::vector<std::pair<std::string, Value>> members;  // object members, in order
};

// A strict reader of one JSON text; fails with a message instead of throwing.
class Parser {
  public:
    explicit Parser(const std::string& s) : s_(s) {}

    bool document(Value& out, std::string& error) {
        bool ok = value(out, 0);
        if (ok) {
            skip();
            if (i_ != s_.size()) ok = fail("trailing text");
        }
        if (!ok) error = error_ + " at column " + std::to_string(i_ + 1);
        return ok;
    }

  private:
    static constexpr int maxDepth = 64;  // far beyond any trace; keeps the stack bounded
    const std::string& s_;
    size_t i_ = 0;
    std::string error_;

    bool fail(const char* what) {
        if (error_.empty()) error_ = what;
        return false;
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
    static void appendUtf8(std::string& out, unsigned code) {
        if (code < 0x100) {  // the trace escapes single bytes as \u00XX
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    bool string(std::string& out) {
        if (!take('"')) return fail("expected a string");
        while (i_ < s_.size() && s_[i_] != '"') {
            const char c = s_[i_++];
            if (static_cast<unsigned char>(c) < 0x20) return fail("control character in a string");
            if (c != '\\') {
                out += c;
                continue;
            }
            if (i_ >= s_.size()) break;
            const char e = s_[i_++];
            switch (e) {
                case '"':
                    out += '"';
                    break;
                case '\\':
                    out += '\\';
                    break;
                case '/':
                    out += '/';
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u': {
                    unsigned code = 0;
                    for (int k = 0; k < 4; ++k, ++i_) {
                        if (i_ >= s_.size()) return fail("short \\u escape");
                        const char h = s_[i_];
                        code <<= 4;
                        if (h >= '0' && h <= '9')
                            code |= static_cast<unsigned>(h - '0');
                        else if (h >= 'a' && h <= 'f')
                            code |= static_cast<unsigned>(h - 'a' + 10);
                        else if (h >= 'A' && h <= 'F')
                            code |= static_cast<unsigned>(h - 'A' + 10);
                        else
                            return fail("bad \\u escape");
                    }
                    appendUtf8(out, code);
                    break;
                }
                default:
                    return fail("bad escape");
            }
        }
        if (i_ >= s_.size()) return fail("unterminated string");
        ++i_;
        return true;
    }
    bool number(Value& v) {
        const size_t start = i_;
        auto digits = [&] {
            const size_t from = i_;
            while (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9')
                ++i_;
            return i_ > from;
        };
        if (i_ < s_.size() && s_[i_] == '-') ++i_;
        if (!digits()) return fail("expected a value");
        if (i_ < s_.size() && s_[i_] == '.') {
            ++i_;
            if (!digits()) return fail("bad number");
        }
        if (i_ < s_.size() && (s_[i_] == 'e' || s_[i_] == 'E')) {
            ++i_;
            if (i_ < s_.size() && (s_[i_] == '+' || s_[i_] == '-')) ++i_;
            if (!digits()) return fail("bad number");
        }
        v.type = Value::Type::number;
        v.text = s_.substr(start, i_ - start);
        v.number = std::strtod(v.text.c_str(), nullptr);
        return true;
    }
    bool literal(Value& v, const char* word, Value::Type type) {
        const std::string w = word;
        if (s_.compare(i_, w.size(), w) != 0) return fail("expected a value");
        i_ += w.size();
        v.type = type;
        v.text = w;
        return true;
    }
    bool value(Value& v, int depth) {
        if (depth > maxDepth) return fail("nested too deeply");
        skip();
        const size_t start = i_;
        if (i_ >= s_.size()) return fail("unexpected end");
        bool ok = true;
        const char c = s_[i_];
        if (c == '{') {
            ++i_;
            v.type = Value::Type::object;
            if (!take('}')) {
                do {
                    std::pair<std::string, Value> member;
                    skip();
                    ok = string(member.first) && (take(':') || fail("expected :")) &&
                         value(member.second, depth + 1);
                    if (!ok) break;
                    for (const auto& m : v.members)
                        if (m.first == member.first) return fail("duplicate key");
                    v.members.push_back(std::move(member));
                } while (take(','));
                ok = ok && (take('}') || fail("expected }"));
            }
        } else if (c == '[') {
            ++i_;
            v.type = Value::Type::array;
            if (!take(']')) {
                do {
                    v.items.emplace_back();
                    ok = value(v.items.back(), depth + 1);
                } while (ok && take(','));
                ok = ok && (take(']') || fail("expected ]"));
            }
        } else if (c == '"') {
            v.type = Value::Type::string;
            ok = string(v.text);
        } else if (c == 't') {
            ok = literal(v, "true", Value::Type::boolean);
        } else if (c == 'f') {
            ok = literal(v, "false", Value::Type::boolean);
        } else if (c == 'n') {
            ok = literal(v, "null", Value::Type::null);
        } else {
            ok = number(v);
        }
        if (ok) v.raw = s_.substr(start, i_ - start);
        return ok;
    }
};

struct Event {
    size_t line = 0;
    Value value;
};

bool readTrace(const std::string& text, const char* which, std::vector<Event>& events,
               std::string& error) {
    size_t pos = 0, lineNo = 0;
    while (pos < text.size()) {
        size_t nl = text.find('\n', pos);
        if (nl == std::string::npos) nl = text.size();
        std::string line = text.substr(pos, nl - pos);
        pos = nl + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos) continue;
        Event e;
        e.line = lineNo;
        std::string why;
        if (!Parser(line).document(e.value, why)) {
            error = "line " + std::to_string(lineNo) + " of the " + which +
                    " trace is not JSON: " + why;
            return false;
        }
        if (e.value.type != Value::Type::object) {
            error =
                "line " + std::to_string(lineNo) + " of the " + which + " trace is not an object";
            return false;
        }
        events.push_back(std::move(e));
    }
    return true;
}

// Integers beyond 2^53 cannot be told apart as doubles; they must match as written.
constexpr double exactLimit = 9007199254740992.0;

bool sameNumber(const Value& a, const Value& b, double tolerance) {
    if (a.text == b.text) return true;
    if (!std::isfinite(a.number) || !std::isfinite(b.number)) return false;
    if (std::fabs(a.number) >= exactLimit || std::fabs(b.number) >= exactLimit) return false;
    return std::fabs(a.number - b.number) <= tolerance;
}

const char* const absent = "(absent)";

class EventComparer {
  public:
    EventComparer(double tolerance, size_t lineA, size_t lineB)
        : tolerance_(tolerance), lineA_(lineA), lineB_(lineB) {}

    void compare(const Value& a, const Value& b, const std::string& path) {
        if (a.type != b.type) return differ(path, a.raw, b.raw);
        switch (a.type) {
            case Value::Type::number:
                if (!sameNumber(a, b, tolerance_)) differ(path, a.raw, b.raw);
                return;
            case Value::Type::array:
                if (a.items.size() != b.items.size()) return differ(path, a.raw, b.raw);
                for (size_t i = 0; i < a.items.size(); ++i)
                    compare(a.items[i], b.items[i], path + "[" + std::to_string(i) + "]");
                return;
            case Value::Type::object: {
                std::map<std::string, const Value*> inB;
                for (const auto& m : b.members)
                    inB[m.first] = &m.second;
                for (const auto& m : a.members) {
                    const std::string sub = path.empty() ? m.first : path + "." + m.first;
                    auto it = inB.find(m.first);
                    if (it == inB.end()) {
                        differ(sub, m.second.raw, absent);
                        continue;
                    }
                    compare(m.second, *it->second, sub);
                    inB.erase(it);
                }
                for (const auto& m : b.members)
                    if (inB.count(m.first))
                        differ(path.empty() ? m.first : path + "." + m.first, absent, m.second.raw);
                return;
            }
            default:
                if (a.text != b.text) differ(path, a.raw, b.raw);
                return;
        }
    }

    std::vector<Difference> found;

  private:
    double tolerance_;
    size_t lineA_, lineB_;
    void differ(const std::string& path, const std::string& a, const std::string& b) {
        found.push_back(Difference{lineA_, lineB_, path, a, b});
    }
};

}  // namespace

Result compare(const std::string& traceA, const std::string& traceB, double tolerance,
               size_t maxDifferences) {
    Result result;
    std::vector<Event> a, b;
    if (!readTrace(traceA, "first", a, result.error) ||
        !readTrace(traceB, "second", b, result.error))
        return result;
    result.eventsA = a.size();
    result.eventsB = b.size();
    auto record = [&](std::vector<Difference> found) {
        ++result.differingEvents;
        for (Difference& d : found)
            if (result.differences.size() < maxDifferences)
                result.differences.push_back(std::move(d));
    };
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        EventComparer c(tolerance, a[i].line, b[i].line);
        c.compare(a[i].value, b[i].value, "");
        if (!c.found.empty()) record(std::move(c.found));
    }
    for (size_t i = common; i < a.size(); ++i)
        record({Difference{a[i].line, 0, "", a[i].value.raw, "(no event)"}});
    for (size_t i = common; i < b.size(); ++i)
        record({Difference{0, b[i].line, "", "(no event)", b[i].value.raw}});
    return result;
}

std::string describe(const Difference& d, const std::string& nameA, const std::string& nameB) {
    std::string where;
    if (d.lineA == d.lineB || d.lineB == 0)
        where = "line " + std::to_string(d.lineA);
    else if (d.lineA == 0)
        where = "line " + std::to_string(d.lineB);
    else
        where = "line " + std::to_string(d.lineA) + " (" + std::to_string(d.lineB) + " in " +
                nameB + ")";
    const std::string field = d.field.empty() ? "event" : "field \"" + d.field + "\"";
    return where + ": " + field + ": " + d.valueA + " in " + nameA + ", " + d.valueB + " in " +
           nameB;
}

}  // namespace trace_compare
