// The extended constants of settingsExtended.ini: the colours of the nine rpm LEDs and,
// for every velocity dial image, the three points that tie the needle's angle to the
// speeds printed on that image. Edited by hand, only ever read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/vehicle_kind.h"
#include "hud/texture_catalogue.h"

namespace velquist {

constexpr int ledCount = 9;

// Where a velocity needle stands on one dial image: at and below vel0 it rests at deg0,
// it reaches deg1 at vel1 and deg2 at and above vel2, linearly in between.
struct DialCalibration {
    float deg0 = 0.0f;  // turns (key value in tenths of a degree / 3600)
    float deg1 = 0.0f;  // turns
    float deg2 = 0.0f;  // turns
    float vel0 = 0.0f;  // speed in the dial's own unit (mph, km/h or knots)
    float vel1 = 0.0f;
    float vel2 = 0.0f;
};

// One calibration key group as the file holds it: Deg0..Deg2 in tenths of a degree,
// Vel0..Vel2 in the dial's unit.
struct CalibrationKeys {
    const char* group;  // key prefix, e.g. "picMaxMph"
    int32_t deg0, deg1, deg2, vel0, vel1, vel2;
};

// The thirteen key groups with their defaults, in the order of catalogue::velocityFaces:
// group i calibrates face i.
constexpr CalibrationKeys calibrationDefaults[catalogue::velocityFaceCount] = {
    {"picMaxMph", 2475, 3375, 4500, 0, 100, 350},
    {"picMaxKmh", 2475, 3375, 4500, 0, 160, 560},
    {"picMaxKno", 2475, 3375, 4500, 0, 80, 330},
    {"picCarFastMph", 2475, 3375, 4500, 20, 80, 280},
    {"picCarFastKmh", 2475, 3375, 4500, 20, 100, 400},
    {"picCarSlowMph", 2475, 3825, 4500, 0, 90, 180},
    {"picCarSlowKmh", 2475, 3825, 4500, 0, 120, 300},
    {"picLinFastMph", 2475, 4500, 4500, 0, 120, 120},
    {"picLinFastKmh", 2475, 4500, 4500, 0, 180, 180},
    {"picLinFastKno", 2475, 4500, 4500, 0, 100, 100},
    {"picLinSlowMph", 2475, 4500, 4500, 0, 60, 60},
    {"picLinSlowKmh", 2475, 4500, 4500, 0, 90, 90},
    {"picLinSlowKno", 2475, 4500, 4500, 0, 60, 60},
};

// Default LED colours, red green blue 0..255: green, yellow, red in threes.
constexpr int32_t ledColourDefaults[ledCount][3] = {{0, 255, 0},   {0, 255, 0},   {0, 255, 0},
                                                    {255, 255, 0}, {255, 255, 0}, {255, 255, 0},
                                                    {255, 0, 0},   {255, 0, 0},   {255, 0, 0}};

constexpr int32_t degKeyMin = -7200;  // tenths of a degree: two turns back
constexpr int32_t degKeyMax = 7200;   // two turns forward
constexpr int32_t velKeyMin = 0;
constexpr int32_t velKeyMax = 10000;

// Tenths of a degree to turns, the rotation unit of drawTexture.
constexpr float turnsPerKeyUnit = 1.0f / 3600.0f;

// The record a key group's values stand for.
constexpr DialCalibration toCalibration(const CalibrationKeys& k) {
    return {static_cast<float>(k.deg0) * turnsPerKeyUnit,
            static_cast<float>(k.deg1) * turnsPerKeyUnit,
            static_cast<float>(k.deg2) * turnsPerKeyUnit,
            static_cast<float>(k.vel0),
            static_cast<float>(k.vel1),
            static_cast<float>(k.vel2)};
}

struct ExtendedSettings {
    float ledColour[ledCount][3] = {};  // LED 1..9 left to right; red, green, blue 0..1 (key / 255)

    // One record per key group (all zero until the first read).
    DialCalibration picMaxMph, picMaxKmh, picMaxKno;
    DialCalibration picCarFastMph, picCarFastKmh;
    DialCalibration picCarSlowMph, picCarSlowKmh;
    DialCalibration picLinFastMph, picLinFastKmh, picLinFastKno;
    DialCalibration picLinSlowMph, picLinSlowKmh, picLinSlowKno;

    // The needle's table, indexed like the velocity dial textures: kind, unit slot,
    // variant. Each entry copies the record of the face shown there; unreachable entries
    // stay zero.
    DialCalibration dialCalibration[vehicleKindCount][catalogue::unitSlotCount]
                                   [catalogue::dialVariantCount] = {};

    // The record of velocity face i (catalogue::velocityFaces order).
    DialCalibration& record(int face);
};

extern ExtendedSettings extended;

constexpr const char* extendedSection = "CONSTANTS";

// One key of section CONSTANTS with its default and inclusive range.
struct ExtendedKey {
    std::string key;
    int32_t defaultValue;
    int32_t minimum;
    int32_t maximum;
};

constexpr int extendedKeyCount = ledCount * 3 + catalogue::velocityFaceCount * 6;

// Every key in reading order: led1R, led1G, led1B ... led9B, then for each key group of
// calibrationDefaults its Deg0, Deg1, Deg2, Vel0, Vel1, Vel2.
std::vector<ExtendedKey> extendedKeys();

// Reads the 27 LED keys and the 78 calibration keys of section CONSTANTS, each falling
// back to its default when missing or out of range, then builds dialCalibration.
void readExtendedSettings();

// Fills dialCalibration from the thirteen records; copies only.
void buildDialCalibration();

}  // namespace velquist
