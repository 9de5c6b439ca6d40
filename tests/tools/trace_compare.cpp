#include "tools/trace_compare.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "support/trace_json.h"

namespace trace_compare {

namespace {

using Value = trace_json::Value;

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
        if (!trace_json::parse(line, e.value, why)) {
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
