// The texture ids of every image of the cluster, as the host returned them when the
// images were loaded at start-up or by the menu's reload.
#pragma once

#include <cstdint>

#include "core/process_texts.h"
#include "core/vehicle_kind.h"
#include "hud/texture_catalogue.h"

namespace velquist {

struct TextureSet {
    int32_t shadowMain = 0;  // all ids 0 until the first load
    int32_t shadowLeft = 0;
    int32_t shadowAbove = 0;
    // Full scale 3, 5, 6, 8, 9, 10, 12 thousand rpm.
    int32_t rpmDials[catalogue::rpmDialCount] = {};
    int32_t rpmText = 0;
    int32_t ledOn = 0;
    int32_t ledOff = 0;
    // Kind, unit, variant; 0 = unreachable.
    int32_t velocityDials[vehicleKindCount][catalogue::unitSlotCount][catalogue::dialVariantCount] =
        {};
    int32_t unitTexts[catalogue::unitTextCount] = {};    // by SpeedUnit
    int32_t gearDigits[catalogue::gearDigitCount] = {};  // R, N, 1..8
    int32_t shiftDownImage = 0;
    int32_t shiftUpImage = 0;
    int32_t needleBigA = 0;
    int32_t needleBigB = 0;
    int32_t needleSmallA = 0;
    int32_t needleSmallB = 0;
    int32_t damageImage = 0;
    int32_t verticalDial = 0;
    int32_t fuelScale = 0;
    int32_t fuelImages[catalogue::fuelImageCount] = {};  // coke, meth, weed
    int32_t brandLogos[brandCount] = {};                 // parallel to texts.brandNames
};

extern TextureSet textures;

// Asks the host for the image at a path relative to the data folder; returns its id.
int32_t loadTexture(const char* relativePath);

// Loads every image of the cluster but the brand logos, in a fixed order.
void loadHudTextures();

// Loads the logo of each of the 100 brand names, "Brands\<name>.png".
void loadBrandTextures();

}  // namespace velquist
