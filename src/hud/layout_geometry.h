// The cluster's geometry as the layout places it, in fractions of spriteSize (the width
// of a full-size image): the two places of the side gauges relative to the velocity
// gauge, the LED row and how far the velocity gauge moves as the HUD grows. Skins are
// drawn to these numbers, which are multiples of 1/1024 of the common canvas.
#pragma once

namespace velquist::geometry {

constexpr float spriteSizeAtScale1 = 0.2f;  // screen-width fraction of a full-size image
// How far the velocity gauge moves per unit of hudScale above 1, so a larger cluster
// stays near its corner (screen-width fraction; y is divided by the aspect ratio).
constexpr float mainShiftX = 0.098f;
constexpr float mainShiftY = 0.091f;
// The two places beside the velocity gauge, in units of spriteSize (y also times the
// aspect ratio, so that they keep their shape on every screen).
constexpr float aboveX = 0.3720703125f;     // P: above the dial, to its right (381/1024)
constexpr float aboveY = -0.484375f;        // (-496/1024)
constexpr float leftX = -0.5439453125f;     // Q: left of the dial, slightly lower (-557/1024)
constexpr float leftY = 0.173828125f;       // (178/1024)
constexpr float ledSpacing = 0.048828125f;  // 25/512 of spriteSize
constexpr float ledOffsetUnit = 2.0f * 0.0009765625f;  // an offset step is spriteSize/512
constexpr int ledsLeftOfCentre = 4;  // nine LEDs, the fifth on the dial's centre line
constexpr float ledSize = 0.07f;     // an LED image, of spriteSize
// Gear digits and shift hints: their size (of spriteSize) and pivot inside the image in
// the middle of the velocity dial (with the LEDs) and on the analogue rpm dial.
constexpr float gearSizeOnVelocity = 0.4f;
constexpr float gearSizeOnRpm = 0.35f;
constexpr float gearPivotOnRpmX = 0.6f;
constexpr float gearPivotOnRpmY = 0.65f;

}  // namespace velquist::geometry
