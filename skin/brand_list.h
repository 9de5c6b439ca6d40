// The brand names a skin needs logos for: brand0 .. brand99 of settingsBrands.ini, read
// with the plug-in's own brand table reader and INI layer, so that every logo is named
// exactly as the plug-in asks for it (quotes around a value dropped, names cut to 63
// characters, files with a byte-order mark decoded, all as the plug-in reads them).
#pragma once

#include <string>
#include <vector>

namespace skin {

// The distinct names of brand0 .. brand99 in index order, as the plug-in sees them; the
// name of an unset brand ("Empty", whose blank logo is always drawn) is left out, so a
// missing file gives none. Names that cannot be a file name in the Brands folder (empty, or
// holding a path separator or "..") are left out and reported in skipped.
std::vector<std::string> readBrandNames(const std::string& iniFile,
                                        std::vector<std::string>& skipped);

// The name of brand0, the brand of every vehicle the livery table does not list ("Empty"
// when the file does not set it).
std::string readFallbackBrand(const std::string& iniFile);

// Whether a brand name can name a logo file in the Brands folder.
bool isLogoName(const std::string& name);

// A brand name as UTF-8 text for a logo's lettering: the plug-in's names are Windows-1252.
std::string logoText(const std::string& name);

}  // namespace skin
