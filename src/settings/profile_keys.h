// The key table of a profile file: every one of the 39 keys with its section, default,
// accepted range and the comment written behind its value. The file's sections and lines
// follow the table's order; reading and writing a profile are one loop over it.
#pragma once

#include <array>
#include <cstdint>

#include "settings/key_row.h"
#include "settings/profile_settings.h"

namespace velquist {

using ProfileKey = KeyRow<ProfileSettings>;

constexpr int profileKeyCount = 39;

// The boat unit's comment shows (2) although its default is 1: players' files carry that
// text, so it stays as it is.
inline constexpr std::array<ProfileKey, profileKeyCount> profileKeys = {{
    // TOGGLEHUD
    {"TOGGLEHUD", "isEnabledInBic", &ProfileSettings::isEnabledInBic, 1, 0, 1,
     ";\tShow Speedo on bicycles\t\t\t\t  (1) <0-1>"},
    {"TOGGLEHUD", "isEnabledInBoa", &ProfileSettings::isEnabledInBoa, 1, 0, 1,
     ";\tShow Speedo in boats\t\t\t\t  (1) <0-1>"},
    {"TOGGLEHUD", "isEnabledInCar", &ProfileSettings::isEnabledInCar, 1, 0, 1,
     ";\tShow Speedo in cars/on bikes\t\t\t  (1) <0-1>"},
    {"TOGGLEHUD", "isEnabledInPla", &ProfileSettings::isEnabledInPla, 1, 0, 1,
     ";\tShow Speedo in planes/helis\t\t\t  (1) <0-1>"},
    {"TOGGLEHUD", "isEnabledInTra", &ProfileSettings::isEnabledInTra, 1, 0, 1,
     ";\tShow Speedo in trains\t\t\t\t  (1) <0-1>"},
    // UNITS
    {"UNITS", "bicUnit", &ProfileSettings::bicUnit, 1, 0, 1,
     ";\t\tBicycle\t\tMPH(0), KMH(1)\t\t\t  (1) <0-1>"},
    {"UNITS", "boaUnit", &ProfileSettings::boaUnit, 1, 0, 2,
     ";\t\tBoat/Sub\tMPH(0), KMH(1), KNOTS(2)\t  (2) <0-2>"},
    {"UNITS", "carUnit", &ProfileSettings::carUnit, 1, 0, 1,
     ";\t\tCar/Motorcycle\tMPH(0), KMH(1)\t\t\t  (1) <0-1>"},
    {"UNITS", "plaUnit", &ProfileSettings::plaUnit, 1, 0, 2,
     ";\t\tPlane/Heli\tMPH(0), KMH(1), KNOTS(2)\t  (1) <0-2>"},
    {"UNITS", "traUnit", &ProfileSettings::traUnit, 1, 0, 1,
     ";\t\tTrains\t\tMPH(0), KMH(1)\t\t\t  (1) <0-1>"},
    // FEATURES
    {"FEATURES", "rpm", &ProfileSettings::rpm, 1, 0, 2,
     ";\t\t\tRPM Gauge (off=0 analogue=1 leds=2)\t\t  (1) <0-2>"},
    {"FEATURES", "gear", &ProfileSettings::gear, 1, 0, 1,
     ";\t\t\tShow Gear Indicator (rpm must be enabled)\t  (1) <0-1>"},
    {"FEATURES", "dmg", &ProfileSettings::dmg, 1, 0, 1,
     ";\t\t\tShow Damage Indicator\t\t\t\t  (1) <0-1>"},
    {"FEATURES", "vertical", &ProfileSettings::vertical, 1, 0, 1,
     ";\t\tShow Vertical Speed in planes\t\t\t  (1) <0-1>"},
    {"FEATURES", "brand", &ProfileSettings::brand, 1, 0, 1,
     ";\t\tShow Vehicle Brand\t\t\t\t  (1) <0-1>"},
    {"FEATURES", "neutral", &ProfileSettings::neutral, 1, 0, 1,
     ";\t\tShow N (Neutral) when hand brake is active\t  (1) <0-1>"},
    {"FEATURES", "fpv", &ProfileSettings::fpv, 0, 0, 1,
     ";\t \t\tShow Speedo in FirstPersonView\t\t\t  (0) <0-1>"},
    {"FEATURES", "passenger", &ProfileSettings::passenger, 1, 0, 1,
     ";\t\tShow Speedo as Passenger\t\t\t  (1) <0-1>"},
    {"FEATURES", "useHighSpeedo", &ProfileSettings::useHighSpeedo, 0, 0, 1,
     ";\tSet to 1 if a topspeed mod is installed\t\t  (0) <0-1>"},
    // OPTICS
    {"OPTICS", "usePrimColor", &ProfileSettings::usePrimColor, 1, 0, 1,
     ";\t\tUse primary Color of Car\t\t\t  (1) < 0-  1>"},
    {"OPTICS", "needleRed", &ProfileSettings::needleRed, 255, 0, 255,
     ";\t\tStandard needle color red\t\t\t(255) < 0-255>"},
    {"OPTICS", "needleGreen", &ProfileSettings::needleGreen, 25, 0, 255,
     ";   \tStandard needle color green\t\t\t (25) < 0-255>"},
    {"OPTICS", "needleBlue", &ProfileSettings::needleBlue, 25, 0, 255,
     ";\t\tStandard needle color blue\t\t\t (25) < 0-255>"},
    {"OPTICS", "alphaFrontMax", &ProfileSettings::alphaFrontMax, 90, 30, 100,
     "; \tAlpha of the HUD   in percent\t\t\t (90) <30-100>"},
    {"OPTICS", "alphaBackMax", &ProfileSettings::alphaBackMax, 30, 0, 100,
     ";  \tAlpha of the Shade in percent\t\t\t (30) < 0-100>"},
    {"OPTICS", "alphaBrand", &ProfileSettings::alphaBrand, 50, 30, 100,
     ";\t\tAlpha of the Brand Logo in percent\t\t (50) <30-100>"},
    {"OPTICS", "dmgIntensity", &ProfileSettings::dmgIntensity, 100, 50, 200,
     ";  \tIntensity of Damage Indicator\t\t\t(100) <50-200>"},
    {"OPTICS", "dmgFrequency", &ProfileSettings::dmgFrequency, 100, 50, 200,
     ";  \tFrequency of Damage Indicator\t\t\t(100) <50-200>"},
    // SPEEDFACTOR
    {"SPEEDFACTOR", "bicFactor", &ProfileSettings::bicFactor, 100, 50, 200,
     ";\t\tFactor for the shown speed on bicycles in %\t(100) <50-200>"},
    {"SPEEDFACTOR", "boaFactor", &ProfileSettings::boaFactor, 100, 50, 200,
     ";\t\tFactor for the shown speed on boat     in %\t(100) <50-200>"},
    {"SPEEDFACTOR", "carFactor", &ProfileSettings::carFactor, 100, 50, 200,
     ";\t\tFactor for the shown speed on cars     in %\t(100) <50-200>"},
    {"SPEEDFACTOR", "plaFactor", &ProfileSettings::plaFactor, 100, 50, 200,
     ";\t\tFactor for the shown speed on planes   in %\t(100) <50-200>"},
    {"SPEEDFACTOR", "traFactor", &ProfileSettings::traFactor, 100, 50, 200,
     ";\t\tFactor for the shown speed on trains   in %\t(100) <50-200>"},
    // PLACEMENT
    {"PLACEMENT", "hudSize", &ProfileSettings::hudSize, 90, 20, 200,
     ";\t\tSize of the speedo HUD in percent.\t\t( 90) <  20- 200>"},
    {"PLACEMENT", "mainOffsetX", &ProfileSettings::mainOffsetX, 900, 0, 1000,
     ";  \tX value on screen, 0 left 1000 right\t\t(900) <   0-1000>"},
    {"PLACEMENT", "mainOffsetY", &ProfileSettings::mainOffsetY, 920, 0, 1000,
     ";  \tY value\ton screen, 0 top  1000 bottom\t \t(920) <   0-1000>"},
    {"PLACEMENT", "ledsOffsetX", &ProfileSettings::ledsOffsetX, 0, -1000, 1000,
     ";  \tX offset of the middle led to main hud\t\t(  0) < +/- 1000>"},
    {"PLACEMENT", "ledsOffsetY", &ProfileSettings::ledsOffsetY, 70, -1000, 1000,
     ";  \tY offset of the middle led to main hud\t\t( 70) < +/- 1000>"},
    {"PLACEMENT", "isExtraGaugeLeft", &ProfileSettings::isExtraGaugeLeft, 1, 0, 1,
     ";\tLeft side (1), Above (0) <0-1>"},
}};
static_assert(defaultsAgree(profileKeys), "profile key table and ProfileSettings disagree");

// The row of a field's key (the first row for a field the table does not hold).
constexpr const ProfileKey& profileKeyOf(int32_t ProfileSettings::*field) {
    for (const ProfileKey& row : profileKeys)
        if (row.field == field) return row;
    return profileKeys.front();
}

}  // namespace velquist
