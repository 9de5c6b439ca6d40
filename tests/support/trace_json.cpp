#include "support/trace_json.h"

#include <cstdlib>

namespace trace_json {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void appendUtf8(std::string& out, unsigned code) {
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
    bool string(std::string& out) {
        skip();
        const char* error = nullptr;
        return readString(s_, i_, out, error) || fail(error);
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

}  // namespace

bool parse(const std::string& text, Value& out, std::string& error) {
    return Parser(text).document(out, error);
}

bool readString(std::string_view s, size_t& i, std::string& out, const char*& error,
                bool bytesOnly) {
    auto fail = [&](const char* what) {
        error = what;
        return false;
    };
    if (i >= s.size() || s[i] != '"') return fail("expected a string");
    ++i;
    while (i < s.size() && s[i] != '"') {
        const char c = s[i++];
        if (static_cast<unsigned char>(c) < 0x20) return fail("control character in a string");
        if (c != '\\') {
            out += c;
            continue;
        }
        if (i >= s.size()) break;
        const char e = s[i++];
        switch (e) {
            case '"':
            case '\\':
            case '/':
                out += e;
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
                for (int k = 0; k < 4; ++k, ++i) {
                    if (i >= s.size()) return fail("short \\u escape");
                    const int d = hexDigit(s[i]);
                    if (d < 0) return fail("bad \\u escape");
                    code = code << 4 | static_cast<unsigned>(d);
                }
                if (bytesOnly && code > 0xFF) return fail("\\u escape beyond a byte");
                appendUtf8(out, code);
                break;
            }
            default:
                return fail("bad escape");
        }
    }
    if (i >= s.size()) return fail("unterminated string");
    ++i;
    return true;
}

}  // namespace trace_json
