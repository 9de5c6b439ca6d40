#include "robustness/trace_line.h"

#include <charconv>
#include <cmath>

#include "support/trace_json.h"

namespace trace_check {

bool TraceLine::fail(const char* what) {
    error_ = what;
    return false;
}

void TraceLine::skipBlanks() {
    while (!rest_.empty() && (rest_[0] == ' ' || rest_[0] == '\t' || rest_[0] == '\r'))
        rest_.remove_prefix(1);
}

bool TraceLine::string(std::string& out) {
    out.clear();
    size_t at = 0;
    const char* error = nullptr;
    const bool ok = trace_json::readString(rest_, at, out, error, true);
    rest_.remove_prefix(at);
    return ok || fail(error);
}

bool TraceLine::value(TraceValue& out, bool inArray) {
    skipBlanks();
    out.items.clear();
    if (rest_.empty()) return fail("missing value");
    const char c = rest_[0];
    if (c == '"') {
        out.kind = TraceValue::Kind::string;
        return string(out.string);
    }
    if (c == '[') {
        if (inArray) return fail("nested array");
        out.kind = TraceValue::Kind::array;
        rest_.remove_prefix(1);
        skipBlanks();
        if (!rest_.empty() && rest_[0] == ']') {
            rest_.remove_prefix(1);
            return true;
        }
        for (;;) {
            out.items.emplace_back();
            if (!value(out.items.back(), true)) return false;
            skipBlanks();
            if (rest_.empty()) return fail("unterminated array");
            const char s = rest_[0];
            rest_.remove_prefix(1);
            if (s == ']') return true;
            if (s != ',') return fail("expected , or ] in an array");
        }
    }
    if (rest_.substr(0, 4) == "true" || rest_.substr(0, 5) == "false") {
        out.kind = TraceValue::Kind::boolean;
        out.boolean = rest_[0] == 't';
        rest_.remove_prefix(out.boolean ? 4 : 5);
        return true;
    }
    if (rest_.substr(0, 4) == "null") {
        out.kind = TraceValue::Kind::null;
        rest_.remove_prefix(4);
        return true;
    }
    out.kind = TraceValue::Kind::number;
    const char* begin = rest_.data();
    const char* end = begin + rest_.size();
    const auto [ptr, ec] = std::from_chars(begin, end, out.number);
    if (ec != std::errc() || ptr == begin) return fail("bad value");
    rest_.remove_prefix(static_cast<size_t>(ptr - begin));
    return true;
}

bool TraceLine::parse(std::string_view line) {
    count_ = 0;
    error_.clear();
    rest_ = line;
    skipBlanks();
    if (rest_.empty() || rest_[0] != '{') return fail("not an object");
    rest_.remove_prefix(1);
    skipBlanks();
    if (!rest_.empty() && rest_[0] == '}') {
        rest_.remove_prefix(1);
    } else {
        for (;;) {
            skipBlanks();
            if (count_ == fields_.size()) fields_.emplace_back();
            TraceField& field = fields_[count_];
            if (!string(field.key)) return false;
            skipBlanks();
            if (rest_.empty() || rest_[0] != ':') return fail("expected :");
            rest_.remove_prefix(1);
            if (!value(field.value, false)) return false;
            ++count_;
            skipBlanks();
            if (rest_.empty()) return fail("unterminated object");
            const char s = rest_[0];
            rest_.remove_prefix(1);
            if (s == '}') break;
            if (s != ',') return fail("expected , or } in the object");
        }
    }
    skipBlanks();
    if (!rest_.empty()) return fail("text after the object");
    return true;
}

const TraceValue* TraceLine::find(std::string_view key) const {
    for (size_t i = 0; i < count_; ++i)
        if (fields_[i].key == key) return &fields_[i].value;
    return nullptr;
}

bool TraceLine::number(std::string_view key, double& out) const {
    const TraceValue* v = find(key);
    if (!v || v->kind != TraceValue::Kind::number) return false;
    out = v->number;
    return true;
}

std::string_view TraceLine::text(std::string_view key) const {
    const TraceValue* v = find(key);
    if (!v || v->kind != TraceValue::Kind::string) return {};
    return v->string;
}

bool isFiniteNumber(const TraceValue* value) {
    return value && value->kind == TraceValue::Kind::number && std::isfinite(value->number);
}

}  // namespace trace_check
