#include "settings/extended_settings.h"

#include <string>

#include "settings/ini_access.h"

namespace velquist {

ExtendedSettings extended;

namespace {

constexpr const char* section = "CONSTANTS";
constexpr int32_t colourKeyMax = 255;
constexpr float colourPerKeyUnit = 1.0f / 255.0f;

using Record = DialCalibration ExtendedSettings::*;

// The records in catalogue::velocityFaces order, which is also the order of the key
// groups in calibrationDefaults.
constexpr Record records[catalogue::velocityFaceCount] = {
    &ExtendedSettings::picMaxMph,     &ExtendedSettings::picMaxKmh,
    &ExtendedSettings::picMaxKno,     &ExtendedSettings::picCarFastMph,
    &ExtendedSettings::picCarFastKmh, &ExtendedSettings::picCarSlowMph,
    &ExtendedSettings::picCarSlowKmh, &ExtendedSettings::picLinFastMph,
    &ExtendedSettings::picLinFastKmh, &ExtendedSettings::picLinFastKno,
    &ExtendedSettings::picLinSlowMph, &ExtendedSettings::picLinSlowKmh,
    &ExtendedSettings::picLinSlowKno};

float readDeg(const std::string& path, const std::string& group, const char* field,
              int32_t defaultValue) {
    const std::string key = group + field;
    return static_cast<float>(
               readIniInt(path, section, key.c_str(), defaultValue, degKeyMin, degKeyMax)) *
           turnsPerKeyUnit;
}

float readVel(const std::string& path, const std::string& group, const char* field,
              int32_t defaultValue) {
    const std::string key = group + field;
    return static_cast<float>(
        readIniInt(path, section, key.c_str(), defaultValue, velKeyMin, velKeyMax));
}

}  // namespace

DialCalibration& ExtendedSettings::record(int face) {
    return this->*records[face];
}

void readExtendedSettings() {
    const std::string path = pluginFolderLookup() + "Velquist\\settingsExtended.ini";
    static const char* const channels[3] = {"R", "G", "B"};
    for (int led = 0; led < ledCount; ++led) {
        for (int c = 0; c < 3; ++c) {
            const std::string key = "led" + intToText(led + 1) + channels[c];
            extended.ledColour[led][c] =
                static_cast<float>(readIniInt(path, section, key.c_str(), ledColourDefaults[led][c],
                                              0, colourKeyMax)) *
                colourPerKeyUnit;
        }
    }
    for (int face = 0; face < catalogue::velocityFaceCount; ++face) {
        const CalibrationKeys& d = calibrationDefaults[face];
        DialCalibration& r = extended.record(face);
        r.deg0 = readDeg(path, d.group, "Deg0", d.deg0);
        r.deg1 = readDeg(path, d.group, "Deg1", d.deg1);
        r.deg2 = readDeg(path, d.group, "Deg2", d.deg2);
        r.vel0 = readVel(path, d.group, "Vel0", d.vel0);
        r.vel1 = readVel(path, d.group, "Vel1", d.vel1);
        r.vel2 = readVel(path, d.group, "Vel2", d.vel2);
    }
    buildDialCalibration();
}

void buildDialCalibration() {
    for (int kind = 0; kind < vehicleKindCount; ++kind)
        for (int unit = 0; unit < catalogue::unitSlotCount; ++unit)
            for (int variant = 0; variant < catalogue::dialVariantCount; ++variant) {
                const int face = catalogue::dialFaceOf[kind][unit][variant];
                extended.dialCalibration[kind][unit][variant] =
                    face == catalogue::noFace ? DialCalibration{} : extended.record(face);
            }
}

}  // namespace velquist
