// The brand and max-rpm tables the player maintains by hand (settingsBrands.ini,
// settingsMaxRpm.ini). Read only, one key at a time.
#pragma once

#include <cstdint>
#include <string>

namespace velquist {

constexpr const char* brandSection = "BRAND";    // brand0 .. brand99
constexpr const char* brandKeyPrefix = "brand";  // + index without leading zeros
constexpr const char* liverySection = "LIVERY";  // livery name = brand name
constexpr const char* maxRpmSection = "MAXRPM";  // livery name = hundreds of rpm
constexpr const char* unsetBrand = "Empty";      // a brand the BRAND section leaves out
constexpr const char* unknownLivery = "UnkownLivery";

constexpr int32_t maxRpmDefault = 50;  // hundreds of rpm
constexpr int32_t maxRpmMin = 10;
constexpr int32_t maxRpmMax = 150;

// A max-rpm value (hundreds of rpm) in thousands of rpm, as the rpm needle and face use it.
constexpr float maxRpmThousandsOf(int32_t hundreds) {
    return static_cast<float>(hundreds) * 0.1f;
}

// The name of brand index (0 .. brandCount - 1) in the brand table at path (the plug-in's
// path form), as the plug-in reads it: "Empty" when the table leaves it out.
std::string readBrandName(const std::string& path, int index);

// Reads brand0 .. brand99 of the BRAND section into texts.brandNames ("Empty" when missing).
void loadBrandNames();

// The LIVERY section's brand for a livery name, or "UnkownLivery".
std::string readLiveryBrand(const std::string& livery);

// The MAXRPM section's maximum engine speed for a livery name, in hundreds of rpm
// (10..150), or 50.
int32_t readMaxRpm(const std::string& livery);

}  // namespace velquist
