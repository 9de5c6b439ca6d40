#include "tools/layout_findings.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "hud/display_settings.h"
#include "hud/hud_layout.h"
#include "render/png_file.h"
#include "settings/data_files.h"
#include "settings/general_settings.h"
#include "settings/profile_keys.h"
#include "tools/layout_check.h"
#include "tools/plugin_folder.h"

namespace sim {

// [SECTION] Set-ups and placements
// [SECTION] Measurements of all set-ups
// [SECTION] Texts
// [SECTION] The report

namespace {

using velquist::ProfileSettings;
using Field = int32_t ProfileSettings::*;

// [SECTION] Set-ups and placements

// The keys that place the cluster, in the key table's order.
constexpr Field placementFields[] = {&ProfileSettings::hudSize, &ProfileSettings::mainOffsetX,
                                     &ProfileSettings::mainOffsetY, &ProfileSettings::ledsOffsetX,
                                     &ProfileSettings::ledsOffsetY};

// The placement keys to blame for ink beyond an edge, most likely first.
std::vector<Field> suspects(int edge) {
    if (edge == edgeLeft || edge == edgeRight)
        return {&ProfileSettings::mainOffsetX, &ProfileSettings::ledsOffsetX,
                &ProfileSettings::hudSize, &ProfileSettings::mainOffsetY,
                &ProfileSettings::ledsOffsetY};
    return {&ProfileSettings::mainOffsetY, &ProfileSettings::ledsOffsetY, &ProfileSettings::hudSize,
            &ProfileSettings::mainOffsetX, &ProfileSettings::ledsOffsetX};
}

// A placement key's place in placementFields, to order keys by.
int slot(Field f) {
    for (int i = 0; i < static_cast<int>(std::size(placementFields)); ++i)
        if (placementFields[i] == f) return i;
    return 0;
}

bool atDefault(const ProfileSettings& p, Field f) {
    return p.*f == ProfileSettings{}.*f;
}

bool placedByDefault(const ProfileSettings& p) {
    for (Field f : placementFields)
        if (!atDefault(p, f)) return false;
    return true;
}

// The set-ups with the given placement keys back at their defaults.
std::vector<LayoutSetup> reverted(std::vector<LayoutSetup> setups, const std::vector<Field>& keys) {
    for (LayoutSetup& s : setups)
        for (Field f : keys)
            s.profile.*f = ProfileSettings{}.*f;
    return setups;
}

std::string setting(Field f, const ProfileSettings& p) {
    return std::string(velquist::profileKeyOf(f).key) + "=" + std::to_string(p.*f);
}

// [SECTION] Measurements of all set-ups

// An image's worst pixels beyond one edge: by part, image and edge.
using OffKey = std::tuple<ImageRole, std::string, int>;
using OffMap = std::map<OffKey, int>;

OffMap offScreen(LayoutCheck& check, const std::vector<LayoutSetup>& setups, const Screen& screen,
                 ClusterReach* reach = nullptr) {
    OffMap out;
    for (const LayoutSetup& s : setups) {
        const OffScreen o = check.offScreen(s, screen);
        if (reach) reach->add(o.reach);
        for (const Overhang& image : o.images)
            for (int edge = 0; edge < edgeCount; ++edge) {
                if (image.pixels[edge] == 0) continue;
                int& worst = out[{image.role, image.reportPath, edge}];
                worst = std::max(worst, image.pixels[edge]);
            }
    }
    return out;
}

struct Overlapping {
    std::map<std::pair<Gauge, Gauge>, GaugeOverlap> gauges;  // the worst of each pair
    // By readable part, its image and the needle: the worst crossing.
    std::map<std::tuple<ImageRole, std::string, ImageRole>, long long> needles;
};

Overlapping overlaps(LayoutCheck& check, const std::vector<LayoutSetup>& setups,
                     const Screen& screen) {
    Overlapping out;
    for (const LayoutSetup& s : setups) {
        const Overlaps o = check.overlaps(s, screen);
        for (const GaugeOverlap& g : o.gauges) {
            GaugeOverlap& worst = out.gauges[{g.first, g.second}];
            if (g.pixels > worst.pixels) worst = g;
        }
        for (const NeedleCrossing& n : o.needles) {
            long long& worst = out.needles[{n.role, n.reportPath, n.needle}];
            worst = std::max(worst, n.pixels);
        }
    }
    return out;
}

// The placement key whose default alone ends a fault that the default placement does
// not have, of the profile's keys that differ from their defaults: the first of them in
// order that does it, else the first of them.
template <class StillThere>
Field settingToBlame(const ProfileSettings& active, const std::vector<Field>& order,
                     StillThere stillThere) {
    Field first = nullptr;
    for (Field f : order) {
        if (atDefault(active, f)) continue;
        if (!first) first = f;
        if (!stillThere(f)) return f;
    }
    return first;
}

// [SECTION] Texts

std::string inFolder(const std::string& reportPath) {
    const std::string folder = std::string(velquist::dataFolderName) + "/";
    return reportPath.rfind(folder, 0) == 0 ? reportPath.substr(folder.size()) : reportPath;
}

std::string pixels(long long n) {
    return std::to_string(n) + " px";
}

// The gauge an image of a gauge belongs to, as a player names it.
const char* gaugeOfRole(Gauge gauge, ImageRole role) {
    if (gauge != Gauge::second) return gaugeName(gauge);
    return role == ImageRole::verticalDial || role == ImageRole::verticalNeedle
               ? "the vertical-speed gauge"
               : "the rpm gauge";
}

struct Sighting {
    std::string file;  // report path
    long long pixels;
    long long byDefault = 0;  // at the default placement, when the profile moves the cluster
};

// The other images of a part with the same fault: "; so do Velocity/CarKmhSlow.png (26 px)
// and Rpm/Rpm5.png (7 px)", or for many "; so do 45 other images of it (20 to 24 px)".
std::string others(const std::vector<Sighting>& rest) {
    if (rest.empty()) return "";
    if (rest.size() > 3) {
        long long low = rest.front().pixels, high = low;
        for (const Sighting& s : rest) {
            low = std::min(low, s.pixels);
            high = std::max(high, s.pixels);
        }
        return "; so do " + std::to_string(rest.size()) + " other images of it (" +
               (low == high ? pixels(low) : std::to_string(low) + " to " + pixels(high)) + ")";
    }
    std::string text = "; so do ";
    for (size_t i = 0; i < rest.size(); ++i) {
        if (i > 0) text += i + 1 == rest.size() ? " and " : ", ";
        text += inFolder(rest[i].file) + " (" + pixels(rest[i].pixels) + ")";
    }
    return text;
}

// Sightings worst first, the file's name breaking ties.
void worstFirst(std::vector<Sighting>& s) {
    std::sort(s.begin(), s.end(), [](const Sighting& a, const Sighting& b) {
        return a.pixels != b.pixels ? a.pixels > b.pixels : a.file < b.file;
    });
}

std::string fixText(const PlacementFix& fix, const ProfileSettings& active) {
    std::vector<std::string> ways;
    if (fix.offsetsFit) {
        ProfileSettings moved = active;
        moved.mainOffsetX = fix.mainOffsetX;
        moved.mainOffsetY = fix.mainOffsetY;
        std::string offsets;
        for (Field f : {&ProfileSettings::mainOffsetX, &ProfileSettings::mainOffsetY})
            if (moved.*f != active.*f) {
                if (!offsets.empty()) offsets += ' ';
                offsets += setting(f, moved);
            }
        if (!offsets.empty()) ways.push_back(offsets);
    }
    if (fix.sizeFits && fix.hudSize != active.hudSize) {
        ProfileSettings smaller = active;
        smaller.hudSize = fix.hudSize;
        ways.push_back(setting(&ProfileSettings::hudSize, smaller));
    }
    if (ways.empty()) return "";
    return ways.size() == 1 ? ways[0] : ways[0] + ", or " + ways[1];
}

// [SECTION] The report

class LayoutReporter {
  public:
    LayoutReporter(const std::filesystem::path& gameDir, const SettingLine& lineOf,
                   SharedReading shared)
        : check_(gameDir, shared), lineOf_(lineOf) {}

    LayoutReport run(const std::vector<Screen>& ownScreens) {
        velquist::readGeneralSettings();
        velquist::readProfile();
        active_ = velquist::profile;
        file_ = velquist::profileFileName(velquist::general.actSetting);
        setups_ = profileSetups(active_);
        if (setups_.empty()) return reportTooLarge();
        // The common screens, a player's own screen counting in full.
        std::vector<std::pair<Screen, bool>> screens;
        for (const Screen& s : commonScreens())
            screens.push_back({s, s.defaultPlacementFits});
        for (const Screen& own : ownScreens) {
            auto same = std::find_if(screens.begin(), screens.end(), [&](const auto& s) {
                return s.first.width == own.width && s.first.height == own.height;
            });
            if (same != screens.end())
                same->second = true;
            else
                screens.push_back({own, true});
        }
        for (const auto& [screen, counts] : screens)
            reportScreen(screen, counts);
        // In pixels the cluster scales with the screen's width alone, so overlaps are counted
        // once: at the player's own screen, or at 16:9.
        const auto fullHd = std::find_if(commonScreens().begin(), commonScreens().end(),
                                         [](const Screen& s) { return s.name == "16:9"; });
        reportOverlaps(ownScreens.empty() ? *fullHd : ownScreens.front());
        return reportTooLarge();
    }

  private:
    LayoutReport reportTooLarge() {
        for (const auto& [file, size] : check_.tooLarge())
            add(file, 0,
                size + " px is larger than the simulator decodes (" + std::to_string(imageSideMax) +
                    " px a side at most): it is left out of its pictures and of the layout");
        return std::move(report_);
    }

    void add(const std::string& file, int line, const std::string& what) {
        report_.findings.push_back({file, line, what});
    }
    int lineOf(Field f) const {
        const velquist::ProfileKey& k = velquist::profileKeyOf(f);
        return lineOf_(file_, k.section, k.key);
    }
    std::string settingsFile() const { return reportPath(file_); }

    void reportScreen(const Screen& screen, bool counts) {
        ClusterReach reach;
        const OffMap off = offScreen(check_, setups_, screen, &reach);
        if (off.empty()) return;
        const PlacementFix fix = fixPlacement(reach, active_, screen);
        const std::string title = screenTitle(screen);
        if (!counts) {
            const auto worst = std::max_element(
                off.begin(), off.end(), [](auto& a, auto& b) { return a.second < b.second; });
            const std::string fixed = fixText(fix, active_);
            report_.notes.push_back(
                "note: at " + title + ", which the default placement is not made for, " +
                roleName(std::get<0>(worst->first)) + " " + runs(std::get<0>(worst->first)) + " " +
                pixels(worst->second) + " " + edgePhrase(std::get<2>(worst->first)) + "; " +
                (fixed.empty() ? "no placement of the key ranges brings the cluster on it"
                               : "a " + screen.name + " player sets " + fixed) +
                " (--screen " + std::to_string(screen.width) + "x" + std::to_string(screen.height) +
                " checks it)");
            return;
        }
        // Off at the default placement too: the image's fault; else a setting's.
        const bool moved = !placedByDefault(active_);
        const OffMap byDefault =
            moved ? offScreen(
                        check_,
                        reverted(setups_, {std::begin(placementFields), std::end(placementFields)}),
                        screen)
                  : OffMap{};
        std::map<int, OffMap> without;  // by key slot: off with that key back at its default
        std::map<std::pair<ImageRole, int>, std::vector<Sighting>> images;
        // By key slot and edge: the worst pixels of each part that key moved off.
        std::map<std::pair<int, int>, std::map<ImageRole, long long>> settings;
        for (const auto& [key, px] : off) {
            const auto& [role, file, edge] = key;
            if (!moved || byDefault.count(key)) {
                images[{role, edge}].push_back({file, px, moved ? byDefault.at(key) : 0});
                continue;
            }
            const Field f = settingToBlame(active_, suspects(edge), [&](Field k) {
                if (!without.count(slot(k)))
                    without[slot(k)] = offScreen(check_, reverted(setups_, {k}), screen);
                return without[slot(k)].count(key) > 0;
            });
            long long& worst = settings[{slot(f), edge}][role];
            worst = std::max(worst, static_cast<long long>(px));
        }
        for (auto& [part, sightings] : images) {
            worstFirst(sightings);
            const Sighting& worst = sightings.front();
            const bool differs = worst.byDefault != 0 && worst.byDefault != worst.pixels;
            add(worst.file, 0,
                "at " + title + " " + roleName(part.first) + " " + runs(part.first) + " " +
                    pixels(worst.pixels) + " " + edgePhrase(part.second) +
                    (differs ? " (" + pixels(worst.byDefault) + " at the default placement)" : "") +
                    others({sightings.begin() + 1, sightings.end()}));
        }
        for (const auto& [cause, parts] : settings) {
            std::vector<std::pair<long long, ImageRole>> worst;
            for (const auto& [role, px] : parts)
                worst.push_back({px, role});
            std::sort(worst.begin(), worst.end(),
                      [](auto& a, auto& b) { return a.first > b.first; });
            const Field f = placementFields[cause.first];
            std::string text = setting(f, active_) + " moves the cluster " +
                               edgePhrase(cause.second) + " at " + title + ":";
            // The parts it moves furthest, and how many more.
            constexpr size_t listed = 5;
            for (size_t i = 0; i < worst.size() && i < listed; ++i)
                text += std::string(i ? ", " : " ") + roleName(worst[i].second) + " by " +
                        pixels(worst[i].first);
            if (worst.size() > listed)
                text += " and " + std::to_string(worst.size() - listed) + " other parts";
            add(settingsFile(), lineOf(f), text);
        }
        const std::string fixed = fixText(fix, active_);
        const velquist::ProfileKey& placement = velquist::profileKeyOf(&ProfileSettings::hudSize);
        add(settingsFile(), lineOf_(file_, placement.section, ""),
            "at " + title +
                (fixed.empty() ? " no Main Offset and no smaller HUD Size of the key ranges "
                                 "brings the whole cluster on screen"
                               : " the whole cluster is on screen with " + fixed));
    }

    void reportOverlaps(const Screen& screen) {
        const Overlapping found = overlaps(check_, setups_, screen);
        const std::string title = screenTitle(screen);
        const bool moved = !placedByDefault(active_);
        std::map<std::vector<int>, Overlapping> elsewhere;  // by the slots of the keys reverted
        auto placedWithout = [&](const std::vector<Field>& keys) -> const Overlapping& {
            std::vector<int> slots;
            for (Field f : keys)
                slots.push_back(slot(f));
            if (!elsewhere.count(slots))
                elsewhere[slots] = overlaps(check_, reverted(setups_, keys), screen);
            return elsewhere[slots];
        };
        const std::vector<Field> all(std::begin(placementFields), std::end(placementFields));
        for (const auto& [pair, o] : found.gauges) {
            const std::string what = std::string(gaugeOfRole(o.second, o.secondRole)) +
                                     " overlaps " + gaugeOfRole(o.first, o.firstRole) + " by " +
                                     pixels(o.pixels) + " at " + title;
            if (!moved || placedWithout(all).gauges.count(pair)) {
                // At the image of the gauge placed beside the other: the velocity gauge is
                // where the layout starts.
                add(o.secondFile, 0,
                    what + ": most where " + roleName(o.secondRole) + " meets " +
                        roleName(o.firstRole) + " (" + inFolder(o.firstFile) + ", " +
                        pixels(o.pairPixels) + ")");
                continue;
            }
            const Field f = settingToBlame(
                active_, all, [&](Field k) { return placedWithout({k}).gauges.count(pair) > 0; });
            add(settingsFile(), lineOf(f),
                setting(f, active_) + " moves " + roleName(o.secondRole) + " into " +
                    roleName(o.firstRole) + ": " + what);
        }
        std::map<std::pair<ImageRole, ImageRole>, std::vector<Sighting>> crossed;
        for (const auto& [key, px] : found.needles) {
            const auto& [role, file, needle] = key;
            crossed[{role, needle}].push_back({file, px});
        }
        for (auto& [parts, sightings] : crossed) {
            worstFirst(sightings);
            add(sightings.front().file, 0,
                std::string(roleName(parts.second)) + " sweeps over " + roleName(parts.first) +
                    ", " + pixels(sightings.front().pixels) + " of it at " + title +
                    ", so a player cannot always read it" +
                    others({sightings.begin() + 1, sightings.end()}));
        }
    }

    LayoutCheck check_;
    const SettingLine& lineOf_;
    ProfileSettings active_;
    std::string file_;  // the active profile's file
    std::vector<LayoutSetup> setups_;
    LayoutReport report_;
};

// The plug-in's settings as the check found them, put back when it is done.
class SavedSettings {
  public:
    SavedSettings()
        : general_(velquist::general),
          profile_(velquist::profile),
          display_(velquist::display),
          layout_(velquist::layout) {}
    ~SavedSettings() {
        velquist::general = general_;
        velquist::profile = profile_;
        velquist::display = display_;
        velquist::layout = layout_;
    }
    SavedSettings(const SavedSettings&) = delete;
    SavedSettings& operator=(const SavedSettings&) = delete;

  private:
    velquist::GeneralSettings general_;
    ProfileSettings profile_;
    velquist::DisplaySettings display_;
    velquist::Layout layout_;
};

}  // namespace

LayoutReport checkLayout(const std::filesystem::path& gameDir,
                         const std::vector<Screen>& ownScreens, const SettingLine& lineOf,
                         SharedReading shared) {
    SavedSettings saved;
    LayoutReporter reporter(gameDir, lineOf, shared);
    return reporter.run(ownScreens);
}

}  // namespace sim
