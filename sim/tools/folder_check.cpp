#include "tools/folder_check.h"

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

#include "core/process_texts.h"
#include "host/platform.h"
#include "host/portable/profile_document.h"
#include "host/portable/profile_encoding.h"
#include "host/sim_host.h"
#include "hud/texture_set.h"
#include "settings/brand_tables.h"
#include "settings/data_files.h"
#include "settings/extended_settings.h"
#include "settings/general_keys.h"
#include "settings/ini_access.h"
#include "settings/profile_keys.h"
#include "sim_files.h"
#include "telemetry/vehicle_change.h"
#include "tools/ini_listing.h"
#include "tools/layout_findings.h"
#include "tools/plugin_folder.h"
#include "tools/settings_file.h"

namespace fs = std::filesystem;

namespace sim {

namespace {

namespace portable = velquist::platform::portable;

struct IntKey {
    std::string key;
    int32_t defaultValue, minimum, maximum;
};

enum class SectionKind {
    fixedKeys,   // the listed integer keys and no others
    brandNames,  // brand0 .. brand99
    liveries,    // livery name = brand name
    maxRpms,     // livery name = hundreds of rpm
};

struct SectionRule {
    std::string name;
    SectionKind kind = SectionKind::fixedKeys;
    std::vector<IntKey> keys;
};

struct FileRule {
    std::string file;  // in the data folder
    std::vector<SectionRule> sections;
};

// The files the plug-in reads, built from its own key tables.
std::vector<FileRule> fileRules() {
    std::vector<FileRule> rules;

    FileRule general{velquist::data_files::general.name,
                     {{velquist::generalSection, SectionKind::fixedKeys, {}}}};
    for (const auto& k : velquist::generalKeys)
        general.sections[0].keys.push_back({k.key, k.defaultValue, k.minimum, k.maximum});
    rules.push_back(general);

    FileRule profile;
    for (const auto& k : velquist::profileKeys) {
        if (profile.sections.empty() || profile.sections.back().name != k.section)
            profile.sections.push_back({k.section, SectionKind::fixedKeys, {}});
        profile.sections.back().keys.push_back({k.key, k.defaultValue, k.minimum, k.maximum});
    }
    for (int32_t n = velquist::firstProfile; n <= velquist::lastProfile; ++n) {
        profile.file = velquist::profileFileName(n);
        rules.push_back(profile);
    }

    FileRule extended{velquist::data_files::extended.name,
                      {{velquist::extendedSection, SectionKind::fixedKeys, {}}}};
    for (const auto& k : velquist::extendedKeys())
        extended.sections[0].keys.push_back({k.key, k.defaultValue, k.minimum, k.maximum});
    rules.push_back(extended);

    rules.push_back({velquist::data_files::brands.name,
                     {{velquist::brandSection, SectionKind::brandNames, {}},
                      {velquist::liverySection, SectionKind::liveries, {}}}});
    rules.push_back(
        {velquist::data_files::maxRpm.name, {{velquist::maxRpmSection, SectionKind::maxRpms, {}}}});
    return rules;
}

bool sameText(const std::string& a, const std::string& b) {
    return portable::sameName(fromUtf8(a), fromUtf8(b));
}

std::string quoted(const std::u16string& text) {
    std::string out(1, '"');
    out += utf8(text);
    out += '"';
    return out;
}

// What a value looks like to the INI layer's number reading.
struct NumberText {
    bool empty = false;     // nothing at all: the caller's default is taken
    bool number = false;    // starts with digits (after blanks and a sign)
    bool fraction = false;  // the digits go on after a "." or ","
};

NumberText numberText(std::u16string_view v) {
    NumberText t;
    // A value in a pair of equal quotes loses them.
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    if (v.empty()) {
        t.empty = true;
        return t;
    }
    size_t i = 0;
    while (i < v.size() && v[i] <= u' ')
        ++i;
    if (i < v.size() && (v[i] == u'+' || v[i] == u'-')) ++i;
    const size_t digits = i;
    while (i < v.size() && v[i] >= u'0' && v[i] <= u'9')
        ++i;
    t.number = i > digits;
    t.fraction = t.number && i + 1 < v.size() && (v[i] == u'.' || v[i] == u',') &&
                 v[i + 1] >= u'0' && v[i + 1] <= u'9';
    return t;
}

// Each image is decoded once, for this and for the layout check.
std::string imageProblem(const fs::path& file, InkCache& inks) {
    std::error_code ec;
    // A link that leads to itself is there, and cannot be read.
    if (!fs::exists(file, ec) && !ec) return "missing";
    if (!isReadableFile(file.string())) return "not a readable PNG image";
    // An image too large to measure is left to the layout check's report.
    if (inks.ink(file.string()) || inks.tooLarge().count(file.string())) return "";
    return "not a readable PNG image";
}

std::string slashes(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

class FolderCheck {
  public:
    FolderCheck(fs::path gameDir, std::vector<Screen> ownScreens)
        : gameDir_(std::move(gameDir)), ownScreens_(std::move(ownScreens)) {}

    std::vector<Finding> run() {
        if (!fs::is_directory(gameDir_ / velquist::dataFolderName)) {
            add(velquist::dataFolderName, 0,
                "no data folder: the plug-in uses every default and finds no images");
            return findings_;
        }
        usePluginFolder(gameDir_);
        const std::vector<FileRule> rules = fileRules();
        for (const FileRule& rule : rules)
            checkSettingsFile(rule);
        checkCalibration();
        checkImages();
        checkBrands();
        checkOtherFiles();
        checkClusterLayout();
        // File by file in the order they were first met, by line within a file.
        std::map<std::string, size_t> rank;
        for (const Finding& f : findings_)
            rank.emplace(f.file, rank.size());
        std::stable_sort(findings_.begin(), findings_.end(),
                         [&](const Finding& a, const Finding& b) {
                             const size_t ra = rank[a.file], rb = rank[b.file];
                             return ra != rb ? ra < rb : a.line < b.line;
                         });
        return findings_;
    }

  private:
    void add(const std::string& file, int line, const std::string& what) {
        findings_.push_back({file, line, what});
    }

    // [SECTION] Settings files

    void checkSettingsFile(const FileRule& rule) {
        const std::string report = reportPath(rule.file);
        // Read as the plug-in's INI layer reads it: a folder, a FIFO, a device, a loop of
        // symbolic links or a file beyond its size limit cannot be read (and is never waited
        // for); a missing file gives every key its default, as it should.
        std::string bytes;
        const SettingsRead read = readSettingsFile(pluginDataPath(rule.file), bytes);
        if (read == SettingsRead::absent) return;
        if (read != SettingsRead::ok) {
            add(report, 0,
                "cannot be read: the plug-in uses the defaults of every key in it and never "
                "writes it");
            return;
        }
        listings_[rule.file] = listIni(bytes);
        const IniListing& listing = listings_[rule.file];
        for (const ListedSection& section : listing.sections) {
            if (section.line == 0) {
                for (const ListedKey& key : section.keys)
                    if (!isCommentLine(key))
                        add(report, key.line, "line before the first [section] header is ignored");
                continue;
            }
            const SectionRule* sectionRule = nullptr;
            for (const SectionRule& s : rule.sections)
                if (sameText(s.name, utf8(section.name))) sectionRule = &s;
            if (!sectionRule) {
                add(report, section.line,
                    "unknown section [" + utf8(section.name) + "]: the plug-in never reads it");
                continue;
            }
            const ListedSection* read = firstSection(listing, section.name);
            if (read != &section) {
                add(report, section.line,
                    "[" + utf8(section.name) + "] appears again (first on line " +
                        std::to_string(read->line) +
                        "): the plug-in reads only the first, so these lines are ignored");
                continue;
            }
            checkSection(report, rule.file, *sectionRule, section);
        }
    }

    void checkSection(const std::string& report, const std::string& file, const SectionRule& rule,
                      const ListedSection& section) {
        for (const ListedKey& key : section.keys) {
            if (isCommentLine(key)) continue;
            if (!key.hasValue) {
                add(report, key.line, "line without \"=\" is ignored: " + utf8(key.name));
                continue;
            }
            if (key.name.empty()) {
                add(report, key.line, "value without a key name is ignored");
                continue;
            }
            const ListedKey* firstOfName = firstKey(section, key.name);
            if (firstOfName != &key) {
                add(report, key.line,
                    utf8(key.name) + " appears again (first on line " +
                        std::to_string(firstOfName->line) + "): the plug-in reads only the first");
                continue;
            }
            switch (rule.kind) {
                case SectionKind::fixedKeys: {
                    const IntKey* known = nullptr;
                    for (const IntKey& k : rule.keys)
                        if (sameText(k.key, utf8(key.name))) known = &k;
                    if (!known) {
                        add(report, key.line,
                            "unknown key " + utf8(key.name) + " in [" + rule.name +
                                "]: the plug-in never reads it");
                        break;
                    }
                    checkInt(report, file, rule.name, *known, key, "");
                    break;
                }
                case SectionKind::brandNames:
                    checkBrandKey(report, key);
                    break;
                case SectionKind::liveries:
                    if (checkLiveryName(report, key)) checkLiveryBrand(report, key);
                    break;
                case SectionKind::maxRpms:
                    if (checkLiveryName(report, key))
                        checkInt(report, file, rule.name,
                                 {utf8(key.name), velquist::maxRpmDefault, velquist::maxRpmMin,
                                  velquist::maxRpmMax},
                                 key, "max rpm ");
                    break;
            }
        }
    }

    // The value as the plug-in's readIniInt gets it, and what becomes of it.
    void checkInt(const std::string& report, const std::string& file, const std::string& section,
                  const IntKey& k, const ListedKey& key, const std::string& what) {
        const std::string setting = what + utf8(key.name) + "=" + utf8(key.value);
        const std::string fallback = "; the default " + std::to_string(k.defaultValue) + " is used";
        const NumberText text = numberText(key.value);
        if (text.empty) {
            add(report, key.line, what + utf8(key.name) + " has no value" + fallback);
            return;
        }
        const std::string path = pluginDataPath(file);
        const std::string ansiKey = portable::toAnsi(key.name);
        const auto value = static_cast<int32_t>(velquist::platform::getPrivateProfileInt(
            section.c_str(), ansiKey.c_str(), k.defaultValue, path.c_str()));
        const bool inRange = value >= k.minimum && value <= k.maximum;
        const std::string range = std::to_string(k.minimum) + ".." + std::to_string(k.maximum);
        if (!text.number) {
            add(report, key.line,
                setting + " is not a number: it reads as " + std::to_string(value) +
                    (inRange ? "" : ", outside " + range + fallback));
        } else if (!inRange) {
            add(report, key.line, setting + " is outside " + range + fallback);
        } else if (text.fraction) {
            add(report, key.line,
                setting + " reads as " + std::to_string(value) + ": only whole numbers count");
        }
    }

    void checkBrandKey(const std::string& report, const ListedKey& key) {
        int index = -1;
        for (int i = 0; i < velquist::brandCount; ++i)
            if (sameText(velquist::brandKeyPrefix + std::to_string(i), utf8(key.name))) index = i;
        if (index < 0) {
            add(report, key.line,
                "unknown key " + utf8(key.name) + " in [" + velquist::brandSection +
                    "]: only brand0 to brand99 are read");
            return;
        }
        brandLines_[index] = key.line;
        if (portable::toAnsi(key.value).size() > static_cast<size_t>(velquist::iniTextMax))
            add(report, key.line,
                utf8(key.name) + ": a brand name longer than " +
                    std::to_string(velquist::iniTextMax) + " characters is cut");
    }

    // False (with a finding) for a name no vehicle can have.
    bool checkLiveryName(const std::string& report, const ListedKey& key) {
        if (portable::toAnsi(key.name).size() <= velquist::liveryMax) return true;
        add(report, key.line,
            "livery " + utf8(key.name) + " is longer than " + std::to_string(velquist::liveryMax) +
                " characters: no vehicle's name can match it");
        return false;
    }

    void checkLiveryBrand(const std::string& report, const ListedKey& key) {
        if (!brandsRead_) {
            velquist::loadBrandNames();
            brandsRead_ = true;
        }
        const std::string brand = velquist::readLiveryBrand(portable::toAnsi(key.name));
        const auto& names = velquist::texts.brandNames;
        if (std::find(names.begin(), names.end(), brand) != names.end()) return;
        add(report, key.line,
            "livery " + utf8(key.name) + ": brand " + quoted(portable::fromAnsi(brand)) +
                " is not in [" + velquist::brandSection + "], so it shows the logo of brand0 (" +
                quoted(portable::fromAnsi(names[0])) + ")");
    }

    // [SECTION] Dial calibration

    // The line of a key of settingsExtended.ini, or 0 when the file does not hold it.
    int extendedLine(const std::string& key) {
        const auto it = listings_.find(velquist::data_files::extended.name);
        if (it == listings_.end()) return 0;
        const ListedSection* s = firstSection(it->second, fromUtf8(velquist::extendedSection));
        if (!s) return 0;
        const ListedKey* k = firstKey(*s, fromUtf8(key));
        return k ? k->line : 0;
    }

    void checkCalibration() {
        velquist::readExtendedSettings();
        for (int face = 0; face < velquist::catalogue::velocityFaceCount; ++face) {
            const velquist::DialCalibration& c = velquist::extended.record(face);
            const std::string group = velquist::calibrationDefaults[face].group;
            // The line to point at: the first of the named keys the file holds.
            auto lineOf = [&](std::initializer_list<const char*> fields) {
                for (const char* f : fields)
                    if (int line = extendedLine(group + f)) return line;
                return 0;
            };
            auto fmt = [](float v) {
                std::ostringstream s;
                s << v;
                return s.str();
            };
            const std::string report = reportPath(velquist::data_files::extended.name);
            if (c.vel0 > c.vel1 || c.vel1 > c.vel2) {
                const bool first = c.vel0 > c.vel1;
                add(report,
                    lineOf(first ? std::initializer_list<const char*>{"Vel1", "Vel0"}
                                 : std::initializer_list<const char*>{"Vel2", "Vel1"}),
                    group + ": calibration speeds out of order (Vel0 " + fmt(c.vel0) + ", Vel1 " +
                        fmt(c.vel1) + ", Vel2 " + fmt(c.vel2) +
                        "): the needle skips part of the scale");
            } else if (c.vel0 == c.vel2 && c.deg0 != c.deg2) {
                add(report, lineOf({"Vel2", "Vel0", "Vel1"}),
                    group + ": all three calibration speeds are " + fmt(c.vel0) +
                        ": the needle does not move, it jumps from Deg0 to Deg2 there");
            } else if (c.deg0 == c.deg1 && c.deg1 == c.deg2) {
                add(report, lineOf({"Deg2", "Deg1", "Deg0"}),
                    group + ": Deg0, Deg1 and Deg2 are all " + fmt(c.deg0 * 360.0f) +
                        " degrees: the needle never moves");
            }
        }
    }

    // [SECTION] Images

    void checkImages() {
        host.textures.clear();
        velquist::loadHudTextures();
        std::set<std::string> seen;
        for (const auto& [id, t] : host.textures) {
            if (!seen.insert(t.tracePath()).second) continue;
            const std::string problem = imageProblem(hostPath(t.path()), inks_);
            if (!problem.empty())
                add(reportPath(t.tracePath()), 0,
                    problem +
                        (problem == "missing" ? " (the plug-in draws nothing in its place)" : ""));
        }
    }

    void checkBrands() {
        if (!brandsRead_) velquist::loadBrandNames();
        host.textures.clear();
        velquist::loadBrandTextures();
        bool unsetChecked = false;
        // In id order, which is the order of the brands.
        std::vector<TextureEntry> logos;
        for (const auto& [id, t] : host.textures)
            logos.push_back(t);
        for (int i = 0; i < velquist::brandCount && i < static_cast<int>(logos.size()); ++i) {
            const TextureEntry& t = logos[static_cast<size_t>(i)];
            const auto line = brandLines_.find(i);
            if (line == brandLines_.end()) {
                // A brand the file leaves out: the logo of an unset brand.
                if (unsetChecked) continue;
                unsetChecked = true;
                const std::string problem = imageProblem(hostPath(t.path()), inks_);
                if (!problem.empty())
                    add(reportPath(t.tracePath()), 0,
                        problem + ": the logo of every brand that [" + velquist::brandSection +
                            "] leaves unset");
                continue;
            }
            const std::string problem = imageProblem(hostPath(t.path()), inks_);
            if (problem.empty()) continue;
            const std::string name = velquist::texts.brandNames[static_cast<size_t>(i)];
            add(reportPath(velquist::data_files::brands.name), line->second,
                velquist::brandKeyPrefix + std::to_string(i) + " " +
                    quoted(portable::fromAnsi(name)) + ": its logo " + slashes(t.tracePath()) +
                    " is " + problem);
        }
    }

    // [SECTION] Other files

    void checkOtherFiles() {
        std::error_code ec;
        std::vector<std::string> others;
        for (const auto& entry : fs::directory_iterator(gameDir_ / velquist::dataFolderName, ec)) {
            const std::string name = entry.path().filename().string();
            if (entry.path().extension() != ".ini") continue;
            bool known = false;
            for (const velquist::DataFile* file : velquist::data_files::all)
                known = known || name == file->name;
            if (!known) others.push_back(name);
        }
        std::sort(others.begin(), others.end());
        for (const std::string& name : others)
            add(reportPath(name), 0, "not a file the plug-in reads");
    }

    // [SECTION] The cluster's layout

    void checkClusterLayout() {
        const LayoutReport report = checkLayout(
            gameDir_, ownScreens_,
            [this](const std::string& file, const std::string& section, const std::string& key) {
                const auto it = listings_.find(file);
                if (it == listings_.end()) return 0;
                const ListedSection* s = firstSection(it->second, fromUtf8(section));
                if (!s || key.empty()) return s ? s->line : 0;
                const ListedKey* k = firstKey(*s, fromUtf8(key));
                return k ? k->line : 0;
            },
            {&inks_, true});
        findings_.insert(findings_.end(), report.findings.begin(), report.findings.end());
        notes_ = report.notes;
    }

  public:
    const std::vector<std::string>& notes() const { return notes_; }

  private:
    fs::path gameDir_;
    std::vector<Screen> ownScreens_;
    std::vector<std::string> notes_;
    InkCache inks_;  // every image decoded once
    std::vector<Finding> findings_;
    std::map<std::string, IniListing> listings_;  // by file name
    std::map<int, int> brandLines_;               // brand index to its line
    bool brandsRead_ = false;
};

}  // namespace

std::vector<Finding> checkGameFolder(const fs::path& gameDir, const std::vector<Screen>& ownScreens,
                                     std::vector<std::string>* notes) {
    FolderCheck check(gameDir, ownScreens);
    std::vector<Finding> findings = check.run();
    if (notes) *notes = check.notes();
    return findings;
}

std::string formatFinding(const Finding& f, const std::string& shownGameDir) {
    fs::path path = shownGameDir.empty() ? fs::path(f.file) : fs::path(shownGameDir) / f.file;
    std::string file = path.make_preferred().string();
    if (f.line > 0) file += ":" + std::to_string(f.line);
    return file + ": " + f.what;
}

std::string checkSummary(size_t findings, const std::string& shownGameDir) {
    if (findings == 0) return "nothing to report in " + shownGameDir;
    return std::to_string(findings) + (findings == 1 ? " finding" : " findings");
}

}  // namespace sim
