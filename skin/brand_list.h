// The brand names a skin needs logos for: the BRAND section of settingsBrands.ini
// (brand0 .. brand99), read the way the plug-in reads it.
#pragma once

#include <string>
#include <vector>

namespace skin {

// The distinct names of brand0 .. brand99 in index order, as the plug-in would see them
// (whole values, cut to 63 characters). A missing file gives none. Names that cannot be
// a file name in the Brands folder (empty, or holding a path separator or "..") are left
// out and reported in skipped.
std::vector<std::string> readBrandNames(const std::string& iniFile,
                                        std::vector<std::string>& skipped);

// The name of brand0, the brand of every vehicle the livery table does not list; empty
// when the file does not set it.
std::string readFallbackBrand(const std::string& iniFile);

// Whether a brand name can name a logo file in the Brands folder.
bool isLogoName(const std::string& name);

}  // namespace skin
