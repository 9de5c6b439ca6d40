#include "analytics/acceleration_overlay.h"

#include <cstdio>

#include "analytics/acceleration_test.h"
#include "core/process_texts.h"
#include "host/platform.h"
#include "hud/display_settings.h"
#include "menu/game_text.h"
#include "settings/data_files.h"
#include "settings/ini_access.h"
#include "telemetry/vehicle_sample.h"

namespace velquist {

namespace {

const char* unitName() {
    return texts.unitNames[static_cast<size_t>(displayUnit())].c_str();
}

void writeResult() {
    const AccelerationTest& a = acceleration;
    const std::string path = dataFilePath(data_files::analytics.name);
    const auto key = accelerationResultKey(a.startSpeedTens, a.stopSpeedTens, unitName());
    writeIniInt(path, texts.currentLivery.c_str(), key.data(),
                static_cast<int32_t>(a.endTick - a.startTick), "ms");
}

constexpr float boxWidth = 295.0f;   // px
constexpr float boxHeight = 29.75f;  // px
constexpr float labelInset = 5.0f;   // px
constexpr float cellsLeft = 220.0f;  // px from the box's left edge to cell 0
constexpr float cellPitch = 10.5f;   // px
constexpr float textScale = 0.35f;   // on a 900 px high screen

}  // namespace

void accelerationStep() {
    // 0.2 below the shown speed, so a vehicle at rest reads below a start speed of 0.
    const float v = displaySpeedOf(sample.speed) - 0.2f;
    const float vPrev = displaySpeedOf(sample.previousSpeed) - 0.2f;
    if (advanceAccelerationTest(v, vPrev, platform::tickCount())) writeResult();
}

void drawAccelerationOverlay() {
    uint32_t ms = 0;
    if (!accelerationShownTime(platform::tickCount(), ms)) return;
    const AccelerationTest& a = acceleration;
    const ScreenSize screen = getScreenResolution();
    const float sw = static_cast<float>(screen.width);
    const float sh = static_cast<float>(screen.height);
    const float left = sw / 2.0f - boxWidth / 2.0f;
    const float top = sh - boxHeight;
    const float y = (top + 0.06f * boxHeight) / sh;
    const float scale = textScale * 900.0f / sh;
    const TextColour white{255, 255, 255, 255};

    char label[96];
    std::snprintf(label, sizeof label,
                  "Acceleration %d-%d%s:", static_cast<int>(a.startSpeedTens * 10),
                  static_cast<int>(a.stopSpeedTens * 10), unitName());
    drawScreenText(label, 0, scale, white, (left + labelInset) / sw, y);

    const auto cells = accelerationTimeCells(ms);
    for (int i = 0; i < 7; ++i) {
        // The dot is narrow: the cells after it move half a pitch to the left.
        const float k = i < 4 ? static_cast<float>(i) : static_cast<float>(i) - 0.5f;
        drawScreenText(cells[static_cast<size_t>(i)].data(), 0, scale, white,
                       (left + cellsLeft + cellPitch * k) / sw, y);
    }
    drawRect(sw / 2.0f / sw, (sh - boxHeight / 2.0f) / sh, boxWidth / sw, boxHeight / sh, 0, 0, 0,
             180);
}

}  // namespace velquist
