// The cluster as the plug-in draws it for one set-up on one screen, for the layout check.
// The plug-in's own state is set as for a driver in that vehicle, the parts a refresh would
// show are drawn by the plug-in's own drawing functions against the simulated host, and
// every draw record they leave is kept with the image it shows and what that image is.
// Needles are drawn at every angle they can turn to (at most a degree apart), the gear at
// every digit with both shift hints, the LEDs lit and unlit, the velocity dial in every
// variant the vehicle can reach, the rpm dial for every max rpm and the logo of every brand.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/vehicle_kind.h"
#include "hud/texture_set.h"
#include "render/texture_placement.h"
#include "settings/extended_settings.h"
#include "settings/profile_settings.h"

namespace sim {

struct LayoutSetup {
    velquist::VehicleKind kind = velquist::kindCar;  // the vehicle driven
    // Features, the kind's unit and the placement; a fresh profile holds the plug-in's
    // defaults.
    velquist::ProfileSettings profile;
    bool fuel = true;  // a fuel mod's values are on the vehicle: the fuel gauge shows
};

// The gauges whose faces must not overlap; shadows and the damage glow belong to none.
enum class Gauge { none, velocity, second, fuel };

enum class ImageRole {
    velocityShadow,
    velocityDial,
    unitLabel,
    velocityNeedle,
    damageGlow,
    brandLogo,
    fuelLabels,
    fuelScale,
    fuelNeedle,
    fuelShadow,
    rpmDial,
    rpmLabels,
    rpmNeedle,
    rpmShadow,
    rpmLeds,
    gearDigit,
    shiftHint,
    verticalDial,
    verticalNeedle,
    verticalShadow,
};

// In a player's words: "the velocity dial's shadow", "the gear digit".
const char* roleName(ImageRole role);
// "runs", or "run" for a part named in the plural ("the rpm LEDs run").
const char* runs(ImageRole role);
const char* gaugeName(Gauge gauge);  // "the velocity gauge"
bool isNeedle(ImageRole role);

struct DrawnImage {
    ImageRole role = ImageRole::velocityDial;
    Gauge gauge = Gauge::none;
    std::string hostPath;    // the image file
    std::string reportPath;  // as reports name it: "Velquist/Velocity/LinKmhFast.png"
    std::vector<TexturePlacement> placements;  // every distinct place it is drawn at
};

struct ClusterDrawing {
    std::vector<DrawnImage> images;  // in the order they were first drawn
    ScreenPixelPoint pivot;          // px of the velocity gauge's centre
    double spritePixels = 0;         // px of a full-size image's side
};

// A folder's images as the plug-in loads them (texture ids and their files), and its dial
// calibrations and LED colours.
struct FolderImages {
    velquist::TextureSet textures;
    velquist::ExtendedSettings extended;
    std::vector<std::string> hostPaths;    // each image file once
    std::vector<std::string> reportPaths;  // parallel to hostPaths
    std::vector<size_t> fileOf;            // by texture id: its file's index, or noFile
};
constexpr size_t noFile = static_cast<size_t>(-1);

// Points the plug-in at gameDir (its folder and brand names stay so) and loads the images;
// settingsRead: the folder's extended settings and brand names are read already.
FolderImages loadFolderImages(const std::filesystem::path& gameDir, bool settingsRead = false);

// The cluster of a set-up on a screen of that size. The plug-in's state is as it was
// afterwards.
ClusterDrawing drawCluster(const FolderImages& images, const LayoutSetup& setup, int screenWidth,
                           int screenHeight);

struct ClusterPlace {
    ScreenPixelPoint pivot;   // px of the velocity gauge's centre
    double spritePixels = 0;  // px of a full-size image's side
};

// Where the plug-in's layout puts the velocity gauge for a profile's placement.
ClusterPlace placeCluster(const velquist::ProfileSettings& profile, int screenWidth,
                          int screenHeight);

}  // namespace sim
