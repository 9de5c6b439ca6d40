#include "analytics/acceleration_test.h"

#include <cstdio>

namespace velquist {

AccelerationTest acceleration;

bool advanceAccelerationTest(float v, float vPrev, uint32_t now) {
    AccelerationTest& a = acceleration;
    const float start = static_cast<float>(a.startSpeedTens * 10);
    const float stop = static_cast<float>(a.stopSpeedTens * 10);
    if (!a.measuring) {
        if (a.testMode == 0) return false;
        const bool begins =
            start > stop ? (vPrev > start && v < start)
                         : (vPrev < start && v > start && a.startSpeedTens < a.stopSpeedTens);
        if (begins) {
            a.measuring = true;
            a.startTick = now;
        }
        return false;
    }
    bool finished = false;
    if (start < stop) {
        if (v < start)
            a.measuring = false;  // dropped: nothing is written
        else if (v > stop)
            finished = true;
    } else if (start > stop) {
        if (v > start)
            a.measuring = false;
        else if (v < stop)
            finished = true;
    }
    // Equal speeds (the page edited during a run): the run neither ends nor drops.
    if (!finished) return false;
    a.endTick = now;
    a.measuring = false;
    a.hasResult = true;
    if (a.testMode < 2) a.testMode = 0;  // a test run once disarms itself
    return true;
}

namespace {

// The speed part of a result key: three characters wide, "_" for each missing digit.
void appendSpeedPart(char*& out, int32_t tens) {
    if (tens == 0) *out++ = '_';
    if (tens < 10) *out++ = '_';
    out += std::sprintf(out, "%d", static_cast<int>(tens * 10));
}

}  // namespace

std::array<char, 32> accelerationResultKey(int32_t startTens, int32_t stopTens,
                                           const char* unitName) {
    std::array<char, 32> key{};
    char buf[64];
    char* p = buf;
    appendSpeedPart(p, startTens);
    *p++ = '-';
    appendSpeedPart(p, stopTens);
    std::snprintf(p, sizeof buf - static_cast<size_t>(p - buf), "%s", unitName ? unitName : "");
    std::snprintf(key.data(), key.size(), "%s", buf);
    return key;
}

std::array<std::array<char, 2>, 7> accelerationTimeCells(uint32_t ms) {
    std::array<std::array<char, 2>, 7> cells{};
    auto digit = [&](uint32_t divisor) {
        return std::array<char, 2>{static_cast<char>('0' + ms / divisor % 10), '\0'};
    };
    cells[0] = digit(100000);
    cells[1] = digit(10000);
    cells[2] = digit(1000);
    cells[3] = {'.', '\0'};
    cells[4] = digit(100);
    cells[5] = digit(10);
    cells[6] = {'s', '\0'};
    // Empty leading zeros keep their places, so the digits do not shift.
    if (cells[0][0] == '0') {
        cells[0][0] = '\0';
        if (cells[1][0] == '0') cells[1][0] = '\0';
    }
    return cells;
}

bool accelerationShownTime(uint32_t now, uint32_t& ms) {
    const AccelerationTest& a = acceleration;
    if (a.measuring) {
        ms = now - a.startTick;
        return true;
    }
    // A result shows for 5 s after its run ended. A run dropped within those 5 s has moved
    // startTick past endTick; there is no time to show then.
    if (!a.hasResult || now - a.endTick >= accelerationResultTime) return false;
    if (static_cast<int32_t>(a.endTick - a.startTick) < 0) return false;
    ms = a.endTick - a.startTick;
    return true;
}

}  // namespace velquist
