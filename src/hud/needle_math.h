// Needle mapping: where each needle of the cluster points for a value, in turns
// (clockwise, 0 = straight up). The gauges draw their needles with these targets, and the
// skin generator prints the dial marks with the same functions, so that a needle always
// lands on the printed number.
#pragma once

#include <cstdint>

#include "settings/extended_settings.h"

namespace velquist {

// The small needles (rpm, fuel) sweep smallNeedleSweep turns from smallNeedleStart.
constexpr float smallNeedleStart = 0.75f, smallNeedleSweep = 0.295f;

// The vertical speed needle stands at verticalNeedleCentre for 0 m/s and swings up to
// verticalNeedleReach either way (clockwise for climbing).
constexpr float verticalNeedleCentre = 0.895f, verticalNeedleReach = 0.145f;

// The most a needle turns per millisecond of refresh time.
constexpr float needleTurnsPerMs = 0.0007f;

// Velocity needle angle for a speed in the dial's unit (speed factor included), by the
// dial's three calibration points. A speed that is not a number rests the needle at deg0.
float velocityNeedleTarget(float speed, const DialCalibration& c);

// Fraction of the small needle's sweep for an rpm fraction (0..1 of the vehicle's maximum
// rpm) and the vehicle's maximum rpm in thousands: full rpm stands at the maximum's mark
// on the dial face chosen for that maximum (2.5 of 3, 4.5 of 5, ... 11.5 of 12).
float rpmNeedleFraction(float rpmFraction, float maxRpmThousands);
// The rpm needle's angle: smallNeedleStart + fraction x smallNeedleSweep; an rpm fraction
// that is not a number rests the needle at the start.
float rpmNeedleTarget(float rpmFraction, float maxRpmThousands);

// Index into catalogue::rpmDials of the face shown for a maximum rpm in thousands.
int rpmDialFor(float maxRpmThousands);

// Angle of the mark for `thousands` rpm on the face whose full scale is fullScale thousand.
float rpmMarkAngle(float thousands, int fullScale);

// Vertical speed needle angle for a vertical speed in m/s (positive: climbing), on a
// logarithmic scale: +-1 m/s is +-0.029 turn, +-10 m/s +-0.087, +-100 m/s and beyond
// +-0.145. A value that is not a number gives the centre.
float verticalNeedleTarget(float metresPerSecond);

// Fuel needle angle for a fuel level (0..1); rests at the start while the engine is off
// or when the level is not a number.
float fuelNeedleTarget(float level, bool engineRunning);

// Moves a needle from current towards target by at most maxStep turns.
float stepNeedle(float current, float target, float maxStep);

// The most a needle may turn in a refresh that follows the previous one after elapsedMs
// (needleTurnsPerMs per ms; nothing for a time that is not positive).
float needleRateLimit(int32_t elapsedMs);

}  // namespace velquist
