#include "settings/extended_settings.h"

#include <string>

#include "settings/data_files.h"
#include "settings/ini_access.h"

namespace velquist {

ExtendedSettings extended;

namespace {

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

}  // namespace

DialCalibration& ExtendedSettings::record(int face) {
    return this->*records[face];
}

std::vector<ExtendedKey> extendedKeys() {
    std::vector<ExtendedKey> keys;
    keys.reserve(extendedKeyCount);
    static const char* const channels[3] = {"R", "G", "B"};
    for (int led = 0; led < ledCount; ++led)
        for (int c = 0; c < 3; ++c)
            keys.push_back({"led" + intToText(led + 1) + channels[c], ledColourDefaults[led][c], 0,
                            colourKeyMax});
    for (const CalibrationKeys& d : calibrationDefaults) {
        const std::string group = d.group;
        keys.push_back({group + "Deg0", d.deg0, degKeyMin, degKeyMax});
        keys.push_back({group + "Deg1", d.deg1, degKeyMin, degKeyMax});
        keys.push_back({group + "Deg2", d.deg2, degKeyMin, degKeyMax});
        keys.push_back({group + "Vel0", d.vel0, velKeyMin, velKeyMax});
        keys.push_back({group + "Vel1", d.vel1, velKeyMin, velKeyMax});
        keys.push_back({group + "Vel2", d.vel2, velKeyMin, velKeyMax});
    }
    return keys;
}

void readExtendedSettings() {
    const std::string path = dataFilePath(data_files::extended.name);
    const std::vector<ExtendedKey> keys = extendedKeys();
    size_t next = 0;
    auto read = [&]() {
        const ExtendedKey& k = keys[next++];
        return readIniInt(path, extendedSection, k.key.c_str(), k.defaultValue, k.minimum,
                          k.maximum);
    };
    for (int led = 0; led < ledCount; ++led)
        for (int c = 0; c < 3; ++c)
            extended.ledColour[led][c] = static_cast<float>(read()) * colourPerKeyUnit;
    for (int face = 0; face < catalogue::velocityFaceCount; ++face) {
        DialCalibration& r = extended.record(face);
        r.deg0 = static_cast<float>(read()) * turnsPerKeyUnit;
        r.deg1 = static_cast<float>(read()) * turnsPerKeyUnit;
        r.deg2 = static_cast<float>(read()) * turnsPerKeyUnit;
        r.vel0 = static_cast<float>(read());
        r.vel1 = static_cast<float>(read());
        r.vel2 = static_cast<float>(read());
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
