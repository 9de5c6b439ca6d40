// The process-wide texts and text tables: constructed when the library is loaded,
// released when it is unloaded.
#pragma once

#include <array>
#include <string>

namespace velquist {

constexpr int helpLineCount = 290;  // 29 help blocks of 10 lines
constexpr int brandCount = 100;

struct ProcessTexts {
    std::string versionText = "v" VELQUIST_VERSION "e";  // shown in the menu title
    std::string currentLivery = "UnkownLivery";          // the current vehicle's livery name
    std::string currentBrand = "Empty";                  // the current vehicle's brand
    std::array<std::string, 4> unitNames = {"mph", "kmh", "knots", "mps"};  // by SpeedUnit
    std::array<std::string, helpLineCount> helpLines;                       // built at start-up
    std::array<std::string, brandCount> brandNames;  // read from the brand table
    std::string pluginFolder;  // the plug-in's folder with its trailing backslash; empty: not yet
};

extern ProcessTexts texts;

}  // namespace velquist
