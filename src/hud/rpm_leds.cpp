// The row of nine rpm LEDs that cars show instead of the analogue rpm gauge. Each LED is
// one instance of the lit or the unlit image, tinted with its own colour; a pending shift
// hint makes the whole row blink.
#include "hud/rpm_leds.h"

#include "hud/gear_indicator.h"
#include "hud/hud_draw.h"
#include "hud/hud_layout.h"
#include "hud/layout_geometry.h"
#include "hud/texture_set.h"
#include "settings/extended_settings.h"
#include "settings/profile_settings.h"
#include "telemetry/vehicle_sample.h"

namespace velquist {

namespace {

constexpr float litThreshold = 0.1f;          // rpm fraction below which no LED lights
constexpr float ledSize = geometry::ledSize;  // of spriteSize

}  // namespace

float ledLitCount(float r) {
    if (!(r > litThreshold)) return 0.0f;
    return 1.2f - 0.5f * r + 2.2f * r * r + 5.2f * r * r * r + r;
}

void drawRpmLeds() {
    float lit = ledLitCount(sample.rpmFraction);
    if (profile.gear != 0 && shiftHintDarkPhase()) lit = 0.0f;
    const float size = ledSize * layout.spriteSize;
    const float alpha = frontOpacity();
    for (int i = 0; i < ledCount; ++i) {
        const bool on = lit > static_cast<float>(i);
        // The other image of this LED goes at once, or both would show for a while.
        clearTextureSlot(on ? textures.ledOff : textures.ledOn, i);
        const float* c = extended.ledColour[i];
        const ScreenPoint at{layout.ledStartX + static_cast<float>(i) * layout.ledStep,
                             layout.ledY};
        drawHudImage(on ? textures.ledOn : textures.ledOff, i, levelLed, size, imageMiddle, at,
                     0.0f, Tint{c[0], c[1], c[2]}, alpha);
    }
}

}  // namespace velquist
