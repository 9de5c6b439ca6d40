#include "robustness/trace_invariants.h"

#include <algorithm>
#include <cmath>

#include "trace/json_text.h"

namespace trace_check {

namespace {

constexpr double drawTime = 150;
constexpr double lowestLevel = -9999;
constexpr double highestLevel = -9992;
// Trace floats carry six significant digits: a value on the screen's edge may read a
// little beyond it.
constexpr double edgeSlack = 1e-5;

// The array in field key when it has n finite numbers.
bool finiteArray(const TraceLine& line, std::string_view key, size_t n, double* out = nullptr) {
    const TraceValue* v = line.find(key);
    if (!v || v->kind != TraceValue::Kind::array || v->items.size() != n) return false;
    for (size_t i = 0; i < n; ++i) {
        if (!isFiniteNumber(&v->items[i])) return false;
        if (out) out[i] = v->items[i].number;
    }
    return true;
}

bool onScreen(double x) {
    return x >= -edgeSlack && x <= 1 + edgeSlack;
}

}  // namespace

void Checker::violate(std::string what) {
    ++violationCount_;
    if (violations_.size() < keptViolations) violations_.push_back({lines_, std::move(what)});
}

void Checker::line(std::string_view text) {
    ++lines_;
    if (segments_.empty()) segments_.emplace_back();
    if (text.empty()) return;
    if (!parsed_.parse(text)) {
        violate("not a trace object: " + parsed_.error());
        return;
    }
    double frame = 0, tick = 0;
    const std::string_view ev = parsed_.text("ev");
    if (!parsed_.number("f", frame) || !parsed_.number("t", tick) || ev.empty()) {
        violate("an event without f, t and ev");
        return;
    }
    if (frame < static_cast<double>(lastFrame_)) violate("the frame number went back");
    const std::string name(ev);
    if (name == "mark") {
        segments_.emplace_back();
        segments_.back().mark = std::string(parsed_.text("text"));
    }
    Segment& s = segments_.back();
    const auto f = static_cast<int64_t>(frame);
    const auto t = static_cast<int64_t>(tick);
    if (s.firstFrame < 0) {
        s.firstFrame = f;
        s.firstTick = t;
    }
    s.lastFrame = f;
    s.lastTick = t;
    ++s.events[name];
    if (f != lastFrame_) lastFrameHadDraw_ = false;
    lastFrame_ = f;
    event(name);
}

void Checker::event(const std::string& ev) {
    Segment& s = segments_.back();
    if (ev == "texture") {
        double id = 0;
        if (!parsed_.number("id", id) || id < 1 || id > 1e9 || id != std::floor(id)) {
            violate("a texture without a sound id");
            return;
        }
        const auto i = static_cast<size_t>(id);
        if (created_.size() <= i) created_.resize(i + 1, false);
        created_[i] = true;
    } else if (ev == "draw") {
        checkDraw();
        if (!lastFrameHadDraw_) {
            if (lastDrawFrame_ >= 0)
                s.longestFramesWithoutDraw =
                    std::max<uint64_t>(s.longestFramesWithoutDraw,
                                       static_cast<uint64_t>(lastFrame_ - lastDrawFrame_ - 1));
            ++s.framesWithDraw;
            lastFrameHadDraw_ = true;
            lastDrawFrame_ = lastFrame_;
        }
    } else if (ev == "text") {
        checkText();
        if (s.texts.size() < Segment::maxTexts) s.texts.insert(std::string(parsed_.text("text")));
        double font = 0;
        if (parsed_.number("font", font) && font == 1)
            s.titles.insert(std::string(parsed_.text("text")));
    } else if (ev == "rect") {
        checkRect();
    } else if (ev == "notify") {
        s.notifications.insert(std::string(parsed_.text("text")));
    } else if (ev == "memory") {
        double rss = -1, heap = -1;
        parsed_.number("rss", rss);
        parsed_.number("heap", heap);
        s.memory.emplace_back(static_cast<int64_t>(rss), static_cast<int64_t>(heap));
    }
}

void Checker::checkDraw() {
    double id = 0, time = 0, level = 0;
    if (!parsed_.number("id", id) || id < 0 || id >= static_cast<double>(created_.size()) ||
        !created_[static_cast<size_t>(id)])
        violate("a draw of a texture that was not created: id " +
                std::to_string(static_cast<long long>(id)));
    if (!parsed_.number("time", time) || time != drawTime)
        violate("a draw with a time other than 150: " + std::to_string(time));
    if (!parsed_.number("level", level) || level < lowestLevel || level > highestLevel ||
        level != std::floor(level))
        violate("a draw at a level outside -9999..-9992: " + std::to_string(level));
    if (!finiteArray(parsed_, "size", 2)) violate("a draw with a size that is not finite");
    if (!finiteArray(parsed_, "center", 2)) violate("a draw with a pivot that is not finite");
    if (!finiteArray(parsed_, "pos", 2)) violate("a draw with a position that is not finite");
    if (!isFiniteNumber(parsed_.find("rot"))) violate("a draw with a rotation that is not finite");
    if (!isFiniteNumber(parsed_.find("aspect")))
        violate("a draw with an aspect factor that is not finite");
    if (!finiteArray(parsed_, "rgba", 4))
        violate("a draw with a colour or opacity that is not finite");
}

void Checker::checkText() {
    double pos[2];
    if (!finiteArray(parsed_, "pos", 2, pos) || !onScreen(pos[0]) || !onScreen(pos[1]))
        violate("a text placed off the screen: " + sim::quote(parsed_.text("text")));
    if (!isFiniteNumber(parsed_.find("scale"))) violate("a text with a scale that is not finite");
}

void Checker::checkRect() {
    double centre[2], size[2];
    if (!finiteArray(parsed_, "centre", 2, centre) || !finiteArray(parsed_, "size", 2, size) ||
        size[0] < 0 || size[1] < 0) {
        violate("a rectangle whose place or size is not finite and positive");
        return;
    }
    for (int k = 0; k < 2; ++k) {
        if (!onScreen(centre[k] - size[k] / 2) || !onScreen(centre[k] + size[k] / 2)) {
            violate("a rectangle reaching off the screen");
            return;
        }
    }
}

void Checker::finish() {
    if (segments_.empty()) segments_.emplace_back();
}

namespace {

// A JSON array of the texts, each quoted the trace's way.
std::string quotedList(const std::set<std::string>& texts) {
    std::string out = "[";
    for (const std::string& t : texts)
        out += (out.size() > 1 ? "," : "") + sim::quote(t);
    return out + "]";
}

}  // namespace

std::string summaryJson(const Checker& checker) {
    std::string out;
    for (const Segment& s : checker.segments()) {
        out += "{\"mark\":" + sim::quote(s.mark);
        out += ",\"firstFrame\":" + std::to_string(s.firstFrame);
        out += ",\"lastFrame\":" + std::to_string(s.lastFrame);
        out += ",\"firstTick\":" + std::to_string(s.firstTick);
        out += ",\"lastTick\":" + std::to_string(s.lastTick);
        out += ",\"framesWithDraw\":" + std::to_string(s.framesWithDraw);
        out += ",\"longestFramesWithoutDraw\":" + std::to_string(s.longestFramesWithoutDraw);
        out += ",\"events\":{";
        bool first = true;
        for (const auto& [ev, n] : s.events) {
            out += (first ? "" : ",") + sim::quote(ev) + ":" + std::to_string(n);
            first = false;
        }
        out += "},\"titles\":" + quotedList(s.titles);
        out += ",\"texts\":" + quotedList(s.texts);
        out += ",\"notifications\":" + quotedList(s.notifications);
        out += ",\"memory\":[";
        first = true;
        for (const auto& [rss, heap] : s.memory) {
            out += (first ? "[" : ",[") + std::to_string(rss) + "," + std::to_string(heap) + "]";
            first = false;
        }
        out += "]}\n";
    }
    out += "{\"lines\":" + std::to_string(checker.lines()) +
           ",\"violations\":" + std::to_string(checker.violationCount()) + "}\n";
    return out;
}

}  // namespace trace_check
