// The images of the default skin, one drawing function each. Every function draws one
// layer onto a fresh transparent canvas, in units (skin/geometry.h). A dial
// that cannot be laid out cleanly (numbers running into each other or into the ticks)
// reports why in problem and returns false, so the build stops instead of shipping it.
#pragma once

#include <string>

#include "skin/paint.h"

namespace skin {

// velocity_faces.cpp
bool drawVelocityFace(const Canvas& c, int face, std::string& problem);  // catalogue order
void drawUnitText(const Canvas& c, int unit);                            // MPH, KMH, KNOTS

// rpm_faces.cpp
bool drawRpmFace(const Canvas& c, int face, std::string& problem);  // catalogue order
void drawRpmText(const Canvas& c);
void drawLed(const Canvas& c, bool lit);

// small_gauges.cpp
bool drawVerticalFace(const Canvas& c, std::string& problem);
void drawFuelScale(const Canvas& c);
void drawFuelImage(const Canvas& c, int which);  // coke, meth, weed

// needles.cpp
void drawNeedleBig(const Canvas& c, bool shortForm);
void drawNeedleSmall(const Canvas& c, bool shortForm);

// shadows.cpp
void drawShadowMain(const Canvas& c);
// A side gauge's shade for its place, relative to the velocity pivot in units.
void drawShadowSmall(const Canvas& c, double placeX, double placeY);
void drawDamage(const Canvas& c);

// gear_images.cpp
void drawGearDigit(const Canvas& c, const std::string& text);
void drawShiftHint(const Canvas& c, bool up);

// brand_logos.cpp
void drawBrandLogo(const Canvas& c, const std::string& name);

}  // namespace skin
