// The invariants every trace of the plug-in must keep, checked line by line, and a
// summary of the trace by segments (each `mark` event starts one) for long runs whose
// traces are too large to keep.
//
// On every draw: a texture created earlier, display time 150 ms, a level from -9999 to
// -9992, finite size, pivot, position, rotation, aspect factor and colour with opacity.
// On every text: a finite scale and its position on the screen. On every rectangle: a
// finite, non-negative size and the whole rectangle on the screen. Every line is a trace
// object with "f", "t" and "ev", and frame numbers never go back.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "robustness/trace_line.h"

namespace trace_check {

struct Violation {
    uint64_t line = 0;  // 1-based line of the trace
    std::string what;
};

// What happened between one mark and the next.
struct Segment {
    std::string mark;  // the mark's text; "" for the lines before the first mark
    int64_t firstFrame = -1, lastFrame = -1;
    int64_t firstTick = -1, lastTick = -1;
    uint64_t framesWithDraw = 0;                      // frames with at least one draw
    uint64_t longestFramesWithoutDraw = 0;            // frames between two draws, at most
    std::map<std::string, uint64_t> events;           // count by "ev"
    std::set<std::string> titles;                     // texts in font 1 (menu titles)
    std::set<std::string> texts;                      // every text, up to maxTexts of them
    std::set<std::string> notifications;              // feed notification texts
    std::vector<std::pair<int64_t, int64_t>> memory;  // (rss KiB, heap bytes) per memory event

    static constexpr size_t maxTexts = 500;
};

class Checker {
  public:
    // Feeds the next trace line.
    void line(std::string_view text);
    // Ends the trace (closes the last segment's counts).
    void finish();

    uint64_t lines() const { return lines_; }
    uint64_t violationCount() const { return violationCount_; }
    // The first violations found (at most keptViolations).
    const std::vector<Violation>& violations() const { return violations_; }
    const std::vector<Segment>& segments() const { return segments_; }

    static constexpr size_t keptViolations = 50;

  private:
    void violate(std::string what);
    void event(const std::string& ev);
    void checkDraw();
    void checkText();
    void checkRect();

    TraceLine parsed_;
    uint64_t lines_ = 0;
    uint64_t violationCount_ = 0;
    std::vector<Violation> violations_;
    std::vector<bool> created_;  // by texture id
    int64_t lastFrame_ = -1;
    bool lastFrameHadDraw_ = false;
    int64_t lastDrawFrame_ = -1;
    std::vector<Segment> segments_;
};

// The summary as JSON Lines: one object per segment, then one with the totals.
std::string summaryJson(const Checker& checker);

}  // namespace trace_check
