#include "hud/texture_set.h"

#include <string>

#include "host/script_hook.h"
#include "hud/texture_catalogue.h"
#include "settings/ini_access.h"

namespace velquist {

TextureSet textures;

int32_t loadTexture(const char* relativePath) {
    const std::string path = dataFilePath(relativePath);
    return shv::createTexture(path.c_str());
}

void loadHudTextures() {
    namespace c = catalogue;
    TextureSet& t = textures;
    t.shadowMain = loadTexture(c::shadowMain);
    t.shadowLeft = loadTexture(c::shadowLeft);
    t.shadowAbove = loadTexture(c::shadowAbove);
    for (int i = 0; i < c::rpmDialCount; ++i)
        t.rpmDials[i] = loadTexture(c::rpmDials[i]);
    t.rpmText = loadTexture(c::rpmText);
    t.ledOn = loadTexture(c::ledOn);
    t.ledOff = loadTexture(c::ledOff);

    // Each velocity face is loaded once, then fills every entry that shows it.
    int32_t faces[c::velocityFaceCount];
    for (int i = 0; i < c::velocityFaceCount; ++i)
        faces[i] = loadTexture(c::velocityFaces[i].file);
    for (int kind = 0; kind < vehicleKindCount; ++kind)
        for (int unit = 0; unit < c::unitSlotCount; ++unit)
            for (int variant = 0; variant < c::dialVariantCount; ++variant) {
                const int face = c::dialFaceOf[kind][unit][variant];
                t.velocityDials[kind][unit][variant] = face == c::noFace ? 0 : faces[face];
            }

    for (int i = 0; i < c::unitTextCount; ++i)
        t.unitTexts[i] = loadTexture(c::unitTexts[i]);
    for (int i = 0; i < c::gearDigitCount; ++i)
        t.gearDigits[i] = loadTexture(c::gearDigits[i]);
    t.shiftDownImage = loadTexture(c::shiftDownImage);
    t.shiftUpImage = loadTexture(c::shiftUpImage);
    t.needleBigA = loadTexture(c::needleBigA);
    t.needleBigB = loadTexture(c::needleBigB);
    t.needleSmallA = loadTexture(c::needleSmallA);
    t.needleSmallB = loadTexture(c::needleSmallB);
    t.damageImage = loadTexture(c::damageImage);
    t.verticalDial = loadTexture(c::verticalDial);
    t.fuelScale = loadTexture(c::fuelScale);
    for (int i = 0; i < c::fuelImageCount; ++i)
        t.fuelImages[i] = loadTexture(c::fuelImages[i]);
}

void loadBrandTextures() {
    for (int i = 0; i < brandCount; ++i) {
        const std::string path = std::string(catalogue::brandFolder) +
                                 texts.brandNames[static_cast<size_t>(i)] + catalogue::brandSuffix;
        textures.brandLogos[i] = loadTexture(path.c_str());
    }
}

}  // namespace velquist
