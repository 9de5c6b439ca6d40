// Where things stand on the default skin's canvases, and how many pixels each canvas has.
//
// Every image is drawn in units of 1/1024 of its canvas width, measured from the canvas
// centre (x right, y down), whatever its size in pixels: the HUD draws every full-size
// image at one size and places the gauges at fixed multiples of 1/1024 of it. The gauges
// pivot on the canvas centre.
//
// The room the screen leaves: at the default placement (HUD size 90, offsets 900 and 920)
// the screen's right edge stands 514 units right of the velocity pivot, and its bottom
// edge 194 units below it on a 21:9 screen (more on narrower ones). The left place of a
// side gauge is 178 units lower than the velocity pivot, so a side gauge keeps within 16
// units below its own pivot, and within 133 units right of it (the above place is 381
// right of the velocity pivot). The velocity needle sweeps from 247.5 degrees over the
// top to 450 (three o'clock), the small needles from 270 to 376, so the velocity dial's
// lower right quarter is the one place no needle crosses: its unit label and the brand
// logo stand there.
#pragma once

#include "hud/layout_geometry.h"

namespace skin {

// [SECTION] Canvases
// [SECTION] Places of the side gauges
// [SECTION] Velocity dial
// [SECTION] Small gauges (rpm, vertical speed, fuel)
// [SECTION] Gear digits and shift hints
// [SECTION] Strokes

// [SECTION] Canvases

constexpr double units = 1024;  // a canvas's width in units, whatever its pixels
constexpr double centre = units / 2;

// Pixels of each canvas. 512 px keeps the cluster sharp up to a 512 px sprite (HUD size
// 100 at 2560 px wide) and within 1.25 times at 4K at HUD size 90; soft images and
// smaller layers need less.
constexpr int fullPixels = 512;  // dials, labels, needles
constexpr int softPixels = 256;  // shadows and the damage glow: soft edges only
constexpr int logoPixels = 384;  // brand logos: a small wordmark, and 45 of them
constexpr int ledPixels = 64;    // an LED, drawn at 0.07 of the sprite
constexpr int gearPixels = 256;  // gear digits and hints, drawn at 0.4 or 0.35
constexpr int blankPixels = 1;   // a logo that shows nothing

// [SECTION] Places of the side gauges

// The HUD's places of a side gauge relative to the velocity pivot, in units.
constexpr double placeAboveX = velquist::geometry::aboveX * units;  // 381
constexpr double placeAboveY = velquist::geometry::aboveY * units;  // -496
constexpr double placeLeftX = velquist::geometry::leftX * units;    // -557
constexpr double placeLeftY = velquist::geometry::leftY * units;    // 178

// [SECTION] Velocity dial

namespace big {
constexpr double arcRadius = 416;    // the scale line
constexpr double majorInner = 360;   // numbered ticks run from here ...
constexpr double tickOuter = 410;    // ... to here
constexpr double minorInner = 386;   // small ticks
constexpr double numberReach = 340;  // the numbers' ink keeps within this radius
constexpr double numberHeight = 54;  // cap height of the numbers
constexpr double needleTip = 392;    // lands inside the numbered ticks
constexpr double needleTail = 36;
constexpr double capRadius = 32;      // the cap over the needle's pivot
constexpr double needleBInner = 250;  // the short needle leaves the middle to the gear digit
// The lower right quarter, which no needle crosses.
constexpr double unitLabelX = 336, unitLabelY = 66;  // centre of the unit label
constexpr double unitLabelHeight = 30;               // cap height
constexpr double logoX = 352, logoY = 142;           // centre of the brand logo
constexpr double logoHeight = 34;                    // cap height of a short name
constexpr double logoWidth = 216;                    // widest a name is set
// The shade behind the dial: a disc with a flat bottom, widened under the logo.
constexpr double shadeRadius = 446;
constexpr double shadeBottom = 166;  // the fade starts here ...
constexpr double shadeRight = 474;   // ... and here beside the logo
constexpr double shadeFade = 22;     // over this many units
}  // namespace big

// [SECTION] Small gauges (rpm, vertical speed, fuel)

namespace small {
constexpr double arcRadius = 300;
constexpr double majorInner = 246;
constexpr double tickOuter = 294;
constexpr double minorInner = 272;
constexpr double numberRadius = 200;
constexpr double numberHeight = 40;
constexpr double lowestInk = 6;  // nothing of a face reaches further below the pivot
constexpr double needleTip = 262;
constexpr double capRadius = 9;       // small: the pivot is near the screen's bottom edge
constexpr double needleBInner = 180;  // leaves room for the gear digit and its hints
// Labels stand in a column right of the pivot and above it, where the needle never goes,
// ending at legendRight; the needle's last angle leans over the column's upper left.
constexpr double legendRight = 112;       // right edge of the labels
constexpr double legendY = -84;           // middle of the first label line
constexpr double legendStep = 30;         // between label lines
constexpr double legendHeight = 21;       // cap height of a gauge's name and the fuel names
constexpr double legendSmallHeight = 16;  // of the line below a gauge's name
// The shade behind a small gauge.
constexpr double shadeRadius = 318;
constexpr double shadeBottom = -4;
constexpr double shadeFade = 16;
}  // namespace small

// [SECTION] Gear digits and shift hints

// In fractions of the gear canvas, from its centre.
namespace gear {
constexpr double digitHeight = 0.30;  // cap height
constexpr double hintX = -0.215;      // the hints stand left of the digit
constexpr double hintY = 0.088;       // up above, down below the middle
constexpr double hintSize = 0.125;
}  // namespace gear

// [SECTION] Strokes

// Stroke widths in units, the same on every image.
constexpr double majorTickWidth = 10;
constexpr double minorTickWidth = 5;
constexpr double arcWidth = 5;
constexpr double haloWidth = 8;  // dark edge around light marks, for bright backgrounds

}  // namespace skin
