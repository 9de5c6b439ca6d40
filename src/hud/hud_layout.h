// Where the cluster's parts stand on the screen, from the display settings, the profile's
// placement and the screen's aspect ratio.
#pragma once

namespace velquist {

struct Layout {
    float aspectRatio = 1.0f;            // screen width / height, from the game every 100th refresh
    float spriteSize = 0.0f;             // 0.2 x hudScale: a full-size image, screen-width fraction
    float mainX = 0.0f, mainY = 0.0f;    // centre of the velocity gauge
    float extraX = 0.0f, extraY = 0.0f;  // centre of the second gauge (rpm or vertical speed)
    float sideX = 0.0f, sideY = 0.0f;    // centre of the fuel gauge
    float ledStep = 0.0f;                // spacing of the rpm LEDs
    float ledStartX = 0.0f;              // x of the first LED
    float ledY = 0.0f;                   // y of the LED row
};

extern Layout layout;

// Places the gauges from hudScale, the anchor, the offsets and aspectRatio.
void computeLayout();

}  // namespace velquist
