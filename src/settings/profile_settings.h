// The active profile: the 39 per-user choices of one settings file (settings1..3.ini),
// as the integers the file holds and the menu edits.
#pragma once

#include <cstdint>
#include <string>

#include "core/vehicle_kind.h"
#include "settings/whole_file.h"

namespace velquist {

struct ProfileSettings {
    // TOGGLEHUD: HUD shown for the vehicle kind, 0..1
    int32_t isEnabledInBic = 1;
    int32_t isEnabledInBoa = 1;
    int32_t isEnabledInCar = 1;
    int32_t isEnabledInPla = 1;
    int32_t isEnabledInTra = 1;
    // UNITS: SpeedUnit per kind; 0..1 (MPH, KMH), boats and planes 0..2 (also KNOTS)
    int32_t bicUnit = 1;
    int32_t boaUnit = 1;
    int32_t carUnit = 1;
    int32_t plaUnit = 1;
    int32_t traUnit = 1;
    // FEATURES
    int32_t rpm = 1;            // 0 off, 1 analogue gauge, 2 LEDs
    int32_t gear = 1;           // gear indicator (only while rpm is on), 0..1
    int32_t dmg = 1;            // engine damage flash, 0..1
    int32_t vertical = 1;       // vertical speed gauge in flying vehicles, 0..1
    int32_t brand = 1;          // brand logo, 0..1
    int32_t neutral = 1;        // N while the hand brake is pressed, 0..1
    int32_t fpv = 0;            // shown in first-person view, 0..1
    int32_t passenger = 1;      // shown to a passenger, 0..1
    int32_t useHighSpeedo = 0;  // high-limit dials from the start, 0..1
    // OPTICS
    int32_t usePrimColor = 1;    // vehicle's primary colour as needle colour, 0..1
    int32_t needleRed = 255;     // standard needle colour, 0..255
    int32_t needleGreen = 25;    // 0..255
    int32_t needleBlue = 25;     // 0..255
    int32_t alphaFrontMax = 90;  // HUD opacity, percent 30..100
    int32_t alphaBackMax = 30;   // shade opacity, percent 0..100
    int32_t alphaBrand = 50;     // brand logo opacity, percent 30..100
    int32_t dmgIntensity = 100;  // damage flash intensity, percent 50..200
    int32_t dmgFrequency = 100;  // damage flash frequency, percent 50..200
    // SPEEDFACTOR: factor on the shown speed, percent 50..200
    int32_t bicFactor = 100;
    int32_t boaFactor = 100;
    int32_t carFactor = 100;
    int32_t plaFactor = 100;
    int32_t traFactor = 100;
    // PLACEMENT
    int32_t hudSize = 90;          // percent 20..200
    int32_t mainOffsetX = 900;     // per mille of the screen width, 0 left .. 1000 right
    int32_t mainOffsetY = 920;     // per mille of the screen height, 0 top .. 1000 bottom
    int32_t ledsOffsetX = 0;       // middle LED's offset from the main HUD, -1000..1000
    int32_t ledsOffsetY = 70;      // -1000..1000
    int32_t isExtraGaugeLeft = 1;  // second gauge left (1) or above (0) the velocity dial

    // The per-kind keys by VehicleKind (bic, boa, car, pla, tra).
    int32_t& isEnabledIn(VehicleKind kind) { return this->*perKind(enabledKeys, kind); }
    int32_t& unitOf(VehicleKind kind) { return this->*perKind(unitKeys, kind); }
    int32_t& factorOf(VehicleKind kind) { return this->*perKind(factorKeys, kind); }

  private:
    using Key = int32_t ProfileSettings::*;
    static constexpr Key enabledKeys[vehicleKindCount] = {
        &ProfileSettings::isEnabledInBic, &ProfileSettings::isEnabledInBoa,
        &ProfileSettings::isEnabledInCar, &ProfileSettings::isEnabledInPla,
        &ProfileSettings::isEnabledInTra};
    static constexpr Key unitKeys[vehicleKindCount] = {
        &ProfileSettings::bicUnit, &ProfileSettings::boaUnit, &ProfileSettings::carUnit,
        &ProfileSettings::plaUnit, &ProfileSettings::traUnit};
    static constexpr Key factorKeys[vehicleKindCount] = {
        &ProfileSettings::bicFactor, &ProfileSettings::boaFactor, &ProfileSettings::carFactor,
        &ProfileSettings::plaFactor, &ProfileSettings::traFactor};
    // A kind outside the table is taken as a car, the kind every unknown class becomes.
    static Key perKind(const Key (&keys)[vehicleKindCount], VehicleKind kind) {
        return keys[kind >= 0 && kind < vehicleKindCount ? kind : kindCar];
    }
};

extern ProfileSettings profile;

// Profile numbers: the files settings1.ini .. settings3.ini of the data folder.
constexpr int32_t firstProfile = 1;
constexpr int32_t lastProfile = 3;

// The file name of profile n in the data folder, from the data file table: "settings1.ini"
// for 1 (the first profile's for a number outside firstProfile..lastProfile).
const char* profileFileName(int32_t n);

// Reads the profile numbered general.actSetting into profile (every key missing from the
// file, or out of its range, takes its default), then derives the display values and the
// layout from it. Never creates the file. A file that exists but could not be read is
// marked in unread.profile (see unread_files.h).
void readProfile();

// Reads the profile numbered general.actSetting again after a failed read: profile, the
// display values and the layout change only when this read succeeds. Returns whether it
// did.
bool rereadProfile();

// Stores all 39 values of profile into the file of profile n (1..3) as one save (see
// saveWholeFile), each with its comment; the file's other lines and keys stay. A number
// outside 1..3 writes nothing, nor does a profile marked unread.
SaveResult writeProfile(int32_t n);

}  // namespace velquist
