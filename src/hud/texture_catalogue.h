// The catalogue of the cluster's images: every file name relative to the data folder
// Velquist\, what each one is for, and which velocity dial face a vehicle kind, unit and
// dial variant show. The texture loader and the skin generator both read it, so the files
// the generator writes are exactly the files the plug-in asks for.
//
// Every image is drawn as if on one common square canvas, each holding only its own layer,
// except the LEDs and the gear images, which are drawn smaller. The layout places the
// gauges at multiples of 1/1024 of that canvas; how many pixels an image has is the
// skin's choice (the default skin's are in skin/geometry.h).
#pragma once

#include "core/vehicle_kind.h"

namespace velquist::catalogue {

// [SECTION] Shadows, rpm dial, velocity dial
// [SECTION] Gear images, needles, single images, fuel gauge, brand logos
// [SECTION] Velocity faces by vehicle kind, unit and variant

// [SECTION] Shadows, rpm dial, velocity dial

constexpr const char* shadowMain = "Shadow\\ShadowMain.png";    // behind the velocity dial
constexpr const char* shadowLeft = "Shadow\\ShadowLeft.png";    // behind a gauge left of it
constexpr const char* shadowAbove = "Shadow\\ShadowAbove.png";  // behind a gauge above it

constexpr int rpmDialCount = 7;
constexpr const char* rpmDials[rpmDialCount] = {"Rpm\\Rpm3.png", "Rpm\\Rpm5.png", "Rpm\\Rpm6.png",
                                                "Rpm\\Rpm8.png", "Rpm\\Rpm9.png", "Rpm\\Rpm10.png",
                                                "Rpm\\Rpm12.png"};
// Full scale of each rpm dial face, thousands of rpm.
constexpr int rpmDialFullScale[rpmDialCount] = {3, 5, 6, 8, 9, 10, 12};
constexpr const char* rpmText = "Rpm\\RpmText.png";  // label layer over every rpm face
constexpr const char* ledOn = "Rpm\\LedOn.png";      // one lit LED, white, tinted when drawn
constexpr const char* ledOff = "Rpm\\LedOff.png";    // one unlit LED, white, tinted when drawn

// The five dial families; each velocity face is one family in one unit.
enum DialFamily : int { familyMax, familyCarFast, familyCarSlow, familyLinFast, familyLinSlow };

struct VelocityFace {
    const char* file;
    DialFamily family;
    SpeedUnit unit;
};

// The thirteen velocity faces in loading order, which is also the order of their
// calibration key groups in settingsExtended.ini.
constexpr int velocityFaceCount = 13;
constexpr VelocityFace velocityFaces[velocityFaceCount] = {
    {"Velocity\\MaxMph.png", familyMax, unitMph},
    {"Velocity\\MaxKmh.png", familyMax, unitKmh},
    {"Velocity\\MaxKno.png", familyMax, unitKnots},
    {"Velocity\\CarMphFast.png", familyCarFast, unitMph},
    {"Velocity\\CarKmhFast.png", familyCarFast, unitKmh},
    {"Velocity\\CarMphSlow.png", familyCarSlow, unitMph},
    {"Velocity\\CarKmhSlow.png", familyCarSlow, unitKmh},
    {"Velocity\\LinMphFast.png", familyLinFast, unitMph},
    {"Velocity\\LinKmhFast.png", familyLinFast, unitKmh},
    {"Velocity\\LinKnoFast.png", familyLinFast, unitKnots},
    {"Velocity\\LinMphSlow.png", familyLinSlow, unitMph},
    {"Velocity\\LinKmhSlow.png", familyLinSlow, unitKmh},
    {"Velocity\\LinKnoSlow.png", familyLinSlow, unitKnots},
};

// Unit label over the velocity dial, by SpeedUnit (MPH, KMH, KNOTS).
constexpr int unitTextCount = 3;
constexpr const char* unitTexts[unitTextCount] = {"Velocity\\TextMph.png", "Velocity\\TextKmh.png",
                                                  "Velocity\\TextKno.png"};

// [SECTION] Gear images, needles, single images, fuel gauge, brand logos

// Index 0 reverse, 1 neutral, 2..9 gears 1..8 (the sampled gear + 1).
constexpr int gearDigitCount = 10;
constexpr const char* gearDigits[gearDigitCount] = {
    "GearNumbers\\GearR.png", "GearNumbers\\GearN.png", "GearNumbers\\Gear1.png",
    "GearNumbers\\Gear2.png", "GearNumbers\\Gear3.png", "GearNumbers\\Gear4.png",
    "GearNumbers\\Gear5.png", "GearNumbers\\Gear6.png", "GearNumbers\\Gear7.png",
    "GearNumbers\\Gear8.png"};
constexpr const char* shiftDownImage = "GearNumbers\\GearShiftDown.png";
constexpr const char* shiftUpImage = "GearNumbers\\GearShiftUp.png";

// Needles point straight up at rotation 0 and turn clockwise about the canvas centre.
constexpr const char* needleBigA = "Needles\\NeedleBigA.png";      // velocity needle
constexpr const char* needleBigB = "Needles\\NeedleBigB.png";      // leaves the dial's centre free
constexpr const char* needleSmallA = "Needles\\NeedleSmallA.png";  // rpm, vertical speed, fuel
constexpr const char* needleSmallB = "Needles\\NeedleSmallB.png";  // rpm beside a gear digit

constexpr const char* damageImage = "Damage.png";        // engine damage glow, tinted red
constexpr const char* verticalDial = "PlaVertical.png";  // vertical speed face

constexpr const char* fuelScale = "Fuel\\ExtFuelCokeScale.png";
constexpr int fuelImageCount = 3;
constexpr const char* fuelImages[fuelImageCount] = {
    "Fuel\\ExtFuelCoke.png", "Fuel\\ExtFuelMeth.png", "Fuel\\ExtFuelWeed.png"};

// Brand i's logo is brandFolder + brand name + brandSuffix.
constexpr const char* brandFolder = "Brands\\";
constexpr const char* brandSuffix = ".png";

// [SECTION] Velocity faces by vehicle kind, unit and variant

constexpr int unitSlotCount = 4;  // MPH, KMH, KNOTS, and metres per second (never a dial)
constexpr int dialVariantCount = 3;
constexpr int noFace = -1;

// Index into velocityFaces of the face a kind shows in a unit and variant; noFace where
// no unit setting or variant reaches.
constexpr int dialFaceOf[vehicleKindCount][unitSlotCount][dialVariantCount] = {
    // bicycle: LinSlow
    {{10, noFace, noFace},
     {11, noFace, noFace},
     {noFace, noFace, noFace},
     {noFace, noFace, noFace}},
    // boat: LinSlow, LinFast
    {{10, 7, noFace}, {11, 8, noFace}, {12, 9, noFace}, {noFace, noFace, noFace}},
    // car: LinFast, CarSlow, CarFast
    {{7, 5, 3}, {8, 6, 4}, {noFace, noFace, noFace}, {noFace, noFace, noFace}},
    // plane: Max
    {{0, noFace, noFace}, {1, noFace, noFace}, {2, noFace, noFace}, {noFace, noFace, noFace}},
    // train: LinFast, CarSlow
    {{7, 5, noFace}, {8, 6, noFace}, {noFace, noFace, noFace}, {noFace, noFace, noFace}},
};

}  // namespace velquist::catalogue
