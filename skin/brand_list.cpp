#include "skin/brand_list.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>

namespace skin {

namespace {

constexpr int brandKeys = 100;
constexpr size_t longestValue = 63;

std::string trimmed(const std::string& s) {
    size_t a = 0, b = s.size();
    while (a < b && std::isspace(static_cast<unsigned char>(s[a])))
        ++a;
    while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1])))
        --b;
    return s.substr(a, b - a);
}

std::string lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The BRAND section's values by lower-case key. Section and key names match without
// regard to case; the first line of a key counts.
std::map<std::string, std::string> brandSection(const std::string& iniFile) {
    std::map<std::string, std::string> values;
    std::ifstream in(iniFile, std::ios::binary);
    std::string line;
    bool inBrand = false;
    while (std::getline(in, line)) {
        const std::string t = trimmed(line);
        if (t.empty() || t[0] == ';') continue;
        if (t[0] == '[') {
            const size_t close = t.find(']');
            inBrand =
                close != std::string::npos && lower(trimmed(t.substr(1, close - 1))) == "brand";
            continue;
        }
        const size_t eq = t.find('=');
        if (!inBrand || eq == std::string::npos) continue;
        values.emplace(lower(trimmed(t.substr(0, eq))), trimmed(t.substr(eq + 1)));
    }
    return values;
}

}  // namespace

bool isLogoName(const std::string& name) {
    if (name.empty() || name == "." || name.find("..") != std::string::npos) return false;
    return name.find_first_of("/\\:") == std::string::npos;
}

std::vector<std::string> readBrandNames(const std::string& iniFile,
                                        std::vector<std::string>& skipped) {
    const std::map<std::string, std::string> values = brandSection(iniFile);
    std::vector<std::string> names;
    for (int i = 0; i < brandKeys; ++i) {
        const auto it = values.find("brand" + std::to_string(i));
        if (it == values.end()) continue;
        const std::string name = it->second.substr(0, longestValue);
        if (!isLogoName(name)) {
            skipped.push_back(name);
            continue;
        }
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    return names;
}

std::string readFallbackBrand(const std::string& iniFile) {
    const std::map<std::string, std::string> values = brandSection(iniFile);
    const auto it = values.find("brand0");
    return it == values.end() ? std::string() : it->second.substr(0, longestValue);
}

}  // namespace skin
