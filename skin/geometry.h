// Where things stand on the common canvas of the default skin, in canvas pixels from the
// canvas centre (x right, y down). The gauges pivot on the canvas centre; the HUD places
// a second gauge's canvas at one of two offsets from the velocity dial's (multiples of
// 1/1024 of the canvas), so these radii keep the two gauges clear of each other.
#pragma once

namespace skin {

constexpr double canvas = 1024;
constexpr double centre = canvas / 2;

// The HUD's places of a second gauge relative to the velocity dial: above-right and left.
constexpr double placeAboveX = 381, placeAboveY = -496;
constexpr double placeLeftX = -557, placeLeftY = 178;

// Velocity dial.
namespace big {
constexpr double arcRadius = 446;   // outer scale line
constexpr double majorInner = 382;  // numbered ticks run from here ...
constexpr double tickOuter = 438;   // ... to here
constexpr double minorInner = 412;
constexpr double numberRadius = 300;  // centre of the numbers
constexpr double numberHeight = 58;   // cap height of the numbers
constexpr double needleTip = 418;     // the needle's tip lands inside the numbered ticks
constexpr double needleTail = 72;
constexpr double hubRadius = 40;
constexpr double needleBInner = 250;  // the short needle leaves the dial's centre free
constexpr double shadowRadius = 470;  // full strength inside, fading out to the canvas edge
}  // namespace big

// The small gauges (rpm, vertical speed, fuel).
namespace small {
constexpr double arcRadius = 302;
constexpr double majorInner = 248;
constexpr double tickOuter = 296;
constexpr double minorInner = 274;
constexpr double numberRadius = 194;
constexpr double numberHeight = 52;
constexpr double needleTip = 266;
constexpr double needleTail = 44;
constexpr double hubRadius = 26;
constexpr double needleBInner = 150;  // leaves room for the gear digit
// Labels stand in a column below and right of the pivot, the one corner that stays clear
// of the velocity dial in both places.
constexpr double legendX = 40;       // left edge of the labels
constexpr double legendY = 52;       // middle of the first label line
constexpr double legendStep = 40;    // between label lines
constexpr double legendHeight = 26;  // cap height
}  // namespace small

// Stroke widths, the same on every image.
constexpr double majorTickWidth = 10;
constexpr double minorTickWidth = 5;
constexpr double arcWidth = 6;
constexpr double haloWidth = 8;  // dark edge around light marks, for bright backgrounds

}  // namespace skin
