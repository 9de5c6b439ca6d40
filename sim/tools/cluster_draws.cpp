#include "tools/cluster_draws.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <set>
#include <unordered_map>

#include "core/process_texts.h"
#include "host/sim_host.h"
#include "hud/display_settings.h"
#include "hud/gear_indicator.h"
#include "hud/hud_layout.h"
#include "hud/hud_state.h"
#include "hud/needle_math.h"
#include "hud/refresh_hud.h"
#include "hud/texture_catalogue.h"
#include "hud/velocity_gauge.h"
#include "settings/brand_tables.h"
#include "telemetry/vehicle_change.h"
#include "telemetry/vehicle_sample.h"
#include "tools/plugin_clock.h"
#include "tools/plugin_folder.h"

namespace sim {

// [SECTION] Names
// [SECTION] The plug-in's state
// [SECTION] Needle sweeps
// [SECTION] Draw records to images
// [SECTION] The parts of the cluster
// [SECTION] Loading and drawing

// [SECTION] Names

const char* roleName(ImageRole role) {
    switch (role) {
        case ImageRole::velocityShadow:
            return "the velocity dial's shadow";
        case ImageRole::velocityDial:
            return "the velocity dial";
        case ImageRole::unitLabel:
            return "the velocity dial's unit label";
        case ImageRole::velocityNeedle:
            return "the velocity needle";
        case ImageRole::damageGlow:
            return "the damage glow";
        case ImageRole::brandLogo:
            return "the brand logo";
        case ImageRole::fuelLabels:
            return "the fuel gauge's labels";
        case ImageRole::fuelScale:
            return "the fuel gauge's scale";
        case ImageRole::fuelNeedle:
            return "the fuel needle";
        case ImageRole::fuelShadow:
            return "the fuel gauge's shadow";
        case ImageRole::rpmDial:
            return "the rpm dial";
        case ImageRole::rpmLabels:
            return "the rpm dial's labels";
        case ImageRole::rpmNeedle:
            return "the rpm needle";
        case ImageRole::rpmShadow:
            return "the rpm dial's shadow";
        case ImageRole::rpmLeds:
            return "the rpm LEDs";
        case ImageRole::gearDigit:
            return "the gear digit";
        case ImageRole::shiftHint:
            return "the shift hint";
        case ImageRole::verticalDial:
            return "the vertical-speed dial";
        case ImageRole::verticalNeedle:
            return "the vertical-speed needle";
        case ImageRole::verticalShadow:
            return "the vertical-speed dial's shadow";
    }
    return "an image";
}

const char* runs(ImageRole role) {
    return role == ImageRole::fuelLabels || role == ImageRole::rpmLabels ||
                   role == ImageRole::rpmLeds
               ? "run"
               : "runs";
}

const char* gaugeName(Gauge gauge) {
    switch (gauge) {
        case Gauge::velocity:
            return "the velocity gauge";
        case Gauge::second:
            return "the second gauge";
        case Gauge::fuel:
            return "the fuel gauge";
        case Gauge::none:
            break;
    }
    return "no gauge";
}

bool isNeedle(ImageRole role) {
    return role == ImageRole::velocityNeedle || role == ImageRole::fuelNeedle ||
           role == ImageRole::rpmNeedle || role == ImageRole::verticalNeedle;
}

namespace {

namespace cat = velquist::catalogue;
using velquist::hud;
using velquist::layout;
using velquist::sample;
using velquist::textures;

// [SECTION] The plug-in's state

// Everything the drawing reads or writes, put back as it was when it goes.
class SavedPluginState {
  public:
    SavedPluginState()
        : profile_(velquist::profile),
          display_(velquist::display),
          layout_(layout),
          hud_(hud),
          sample_(sample),
          textures_(textures),
          extended_(velquist::extended),
          draws_(host.draws),
          hostTick_(host.tick) {}
    ~SavedPluginState() {
        velquist::profile = profile_;
        velquist::display = display_;
        layout = layout_;
        hud = hud_;
        sample = sample_;
        textures = textures_;
        velquist::extended = extended_;
        host.draws = draws_;
        host.tick = hostTick_;
    }
    SavedPluginState(const SavedPluginState&) = delete;
    SavedPluginState& operator=(const SavedPluginState&) = delete;

  private:
    velquist::ProfileSettings profile_;
    velquist::DisplaySettings display_;
    velquist::Layout layout_;
    velquist::HudState hud_;
    velquist::VehicleSample sample_;
    velquist::TextureSet textures_;
    velquist::ExtendedSettings extended_;
    std::map<std::pair<int, int>, DrawRecord> draws_;
    uint32_t hostTick_;
};

// The profile's placement laid out for a screen, as the plug-in does it.
void layOut(const velquist::ProfileSettings& p, int width, int height) {
    velquist::profile = p;
    velquist::deriveDisplaySettings();
    layout = velquist::Layout{};
    layout.aspectRatio = static_cast<float>(width) / static_cast<float>(height);
    velquist::computeLayout();
}

// [SECTION] Needle sweeps

struct TurnRange {
    float low = std::numeric_limits<float>::max();
    float high = std::numeric_limits<float>::lowest();
    void add(float turns) {
        if (!std::isfinite(turns)) return;
        low = std::min(low, turns);
        high = std::max(high, turns);
    }
    bool empty() const { return low > high; }
};

// A needle moves towards its mark at a limited rate, so it passes every angle between the
// lowest and the highest mark: those angles, at most a degree apart.
std::vector<float> sweep(const TurnRange& range) {
    if (range.empty()) return {};
    const float span = range.high - range.low;
    const int steps = std::max(1, static_cast<int>(std::ceil(span * 360.0f - 1e-3f)));
    std::vector<float> turns;
    for (int i = 0; i <= steps; ++i)
        turns.push_back(range.low + span * static_cast<float>(i) / static_cast<float>(steps));
    return turns;
}

// Fractions 0..1 in twentieths: fuel levels and rpm fractions.
std::vector<float> fractions() {
    std::vector<float> out;
    for (int i = 0; i <= 20; ++i)
        out.push_back(static_cast<float>(i) / 20.0f);
    return out;
}

// [SECTION] Draw records to images

bool contains(const int32_t* ids, int count, int id) {
    return std::find(ids, ids + count, id) != ids + count;
}
template <size_t N>
bool contains(const int32_t (&ids)[N], int id) {
    return contains(ids, static_cast<int>(N), id);
}

// What tells two placements apart.
std::array<double, 7> fields(const TexturePlacement& p) {
    return {p.width, p.height, p.centerX, p.centerY, p.x, p.y, p.turns};
}

class Collector {
  public:
    Collector(const FolderImages& images, int width, int height, ClusterDrawing& out)
        : images_(images), width_(width), height_(height), out_(out) {}

    // Runs one drawing call and keeps the records it leaves, each with the role that
    // roleOf gives its texture id. Every call draws at a tick count of its own, which tells
    // its records from those of earlier calls.
    template <class Draw, class RoleOf>
    void run(Draw draw, RoleOf roleOf) {
        ++host.tick;
        draw();
        for (const auto& [key, d] : host.draws) {
            if (d.tick != host.tick) continue;
            const std::optional<TexturePlacement> p = placeTexture(d, width_, height_);
            if (!p || d.id < 0 || static_cast<size_t>(d.id) >= images_.fileOf.size() ||
                images_.fileOf[static_cast<size_t>(d.id)] == noFile)
                continue;
            const ImageRole role = roleOf(d.id);
            keep(role, gaugeOf(role, d), images_.fileOf[static_cast<size_t>(d.id)], *p);
        }
    }

    // Each image's placements once.
    void finish() {
        for (DrawnImage& image : out_.images) {
            std::vector<TexturePlacement>& kept = image.placements;
            std::sort(kept.begin(), kept.end(),
                      [](const auto& a, const auto& b) { return fields(a) < fields(b); });
            kept.erase(
                std::unique(kept.begin(), kept.end(),
                            [](const auto& a, const auto& b) { return fields(a) == fields(b); }),
                kept.end());
        }
    }

  private:
    // The gauge an image belongs to; the gear images to the one whose centre they are on.
    static Gauge gaugeOf(ImageRole role, const DrawRecord& d) {
        switch (role) {
            case ImageRole::velocityDial:
            case ImageRole::unitLabel:
            case ImageRole::velocityNeedle:
            case ImageRole::brandLogo:
            case ImageRole::rpmLeds:
                return Gauge::velocity;
            case ImageRole::rpmDial:
            case ImageRole::rpmLabels:
            case ImageRole::rpmNeedle:
            case ImageRole::verticalDial:
            case ImageRole::verticalNeedle:
                return Gauge::second;
            case ImageRole::fuelLabels:
            case ImageRole::fuelScale:
            case ImageRole::fuelNeedle:
                return Gauge::fuel;
            case ImageRole::gearDigit:
            case ImageRole::shiftHint:
                return d.posX == layout.mainX && d.posY == layout.mainY ? Gauge::velocity
                                                                        : Gauge::second;
            default:
                return Gauge::none;
        }
    }

    void keep(ImageRole role, Gauge gauge, size_t file, const TexturePlacement& p) {
        const uint64_t key = (static_cast<uint64_t>(role) << 40) |
                             (static_cast<uint64_t>(gauge) << 32) | static_cast<uint64_t>(file);
        auto at = index_.find(key);
        if (at == index_.end()) {
            at = index_.emplace(key, out_.images.size()).first;
            out_.images.push_back(
                {role, gauge, images_.hostPaths[file], images_.reportPaths[file], {}});
        }
        // A layer drawn again at every step of a needle's sweep repeats its last placement;
        // other repeats go when the drawing is done.
        std::vector<TexturePlacement>& kept = out_.images[at->second].placements;
        if (kept.empty() || fields(kept.back()) != fields(p)) kept.push_back(p);
    }

  private:
    const FolderImages& images_;
    int width_, height_;
    ClusterDrawing& out_;
    std::unordered_map<uint64_t, size_t> index_;  // role, gauge and file to its place in images
};

// [SECTION] The parts of the cluster

void drawVelocity(Collector& c, const LayoutSetup& setup) {
    const velquist::TextureSet& t = textures;
    auto roleOf = [&](int id) {
        if (id == t.shadowMain) return ImageRole::velocityShadow;
        if (id == t.needleBigA || id == t.needleBigB) return ImageRole::velocityNeedle;
        if (contains(t.unitTexts, id)) return ImageRole::unitLabel;
        return ImageRole::velocityDial;
    };
    // Every variant a vehicle of the kind reaches: each of its game classes at each step.
    struct VariantState {
        int32_t vehicleClass, dialStep;
    };
    std::map<int32_t, VariantState> variants;
    for (int32_t gameClass = 0;; ++gameClass) {
        sample.vehicleClass = -1;
        velquist::classifyVehicle(gameClass);
        if (sample.vehicleClass != gameClass) break;  // past the classes the plug-in knows
        if (sample.vehicleKind != setup.kind) continue;
        for (int32_t step = 0; step < cat::dialVariantCount; ++step) {
            hud.dialStep = step;
            variants.emplace(velquist::dialVariant(), VariantState{gameClass, step});
        }
    }
    sample.vehicleKind = setup.kind;
    if (variants.empty()) variants.emplace(0, VariantState{0, 0});

    TurnRange turns;
    for (const auto& [variant, state] : variants) {
        sample.vehicleClass = state.vehicleClass;
        hud.dialStep = state.dialStep;
        const velquist::DialCalibration& cal =
            velquist::extended.dialCalibration[setup.kind][velquist::displayUnit()][variant];
        // The marks of every speed: the calibration's own and a fine run up to twice the top.
        for (float speed : {cal.vel0, cal.vel1, cal.vel2})
            turns.add(velquist::velocityNeedleTarget(speed, cal));
        const float top = 2.0f * std::max({cal.vel0, cal.vel1, cal.vel2, 0.0f}) + 1.0f;
        for (int i = 0; i <= 1000; ++i)
            turns.add(velquist::velocityNeedleTarget(top * static_cast<float>(i) / 1000.0f, cal));
        hud.velocityNeedle = cal.deg0;
        c.run([] { velquist::drawClusterPart(velquist::ClusterPart::velocityGauge); }, roleOf);
    }
    for (float a : sweep(turns)) {
        hud.velocityNeedle = a;
        c.run([] { velquist::drawClusterPart(velquist::ClusterPart::velocityGauge); }, roleOf);
    }
}

void drawRpm(Collector& c) {
    const velquist::TextureSet& t = textures;
    auto roleOf = [&](int id) {
        if (contains(t.rpmDials, id)) return ImageRole::rpmDial;
        if (id == t.rpmText) return ImageRole::rpmLabels;
        if (id == t.needleSmallA || id == t.needleSmallB) return ImageRole::rpmNeedle;
        return ImageRole::rpmShadow;
    };
    // The face of every max rpm a livery may have, and the needle's marks on it.
    TurnRange turns;
    std::set<int> faces;
    for (int32_t hundreds = velquist::maxRpmMin; hundreds <= velquist::maxRpmMax; ++hundreds) {
        sample.maxRpmThousands = velquist::maxRpmThousandsOf(hundreds);
        for (float f : fractions())
            turns.add(velquist::rpmNeedleTarget(f, sample.maxRpmThousands));
        if (!faces.insert(velquist::rpmDialFor(sample.maxRpmThousands)).second) continue;
        hud.rpmNeedle = velquist::smallNeedleStart;
        c.run([] { velquist::drawClusterPart(velquist::ClusterPart::rpmGauge); }, roleOf);
    }
    for (float a : sweep(turns)) {
        hud.rpmNeedle = a;
        c.run([] { velquist::drawClusterPart(velquist::ClusterPart::rpmGauge); }, roleOf);
    }
}

void drawFuel(Collector& c) {
    const velquist::TextureSet& t = textures;
    auto roleOf = [&](int id) {
        if (contains(t.fuelImages, id)) return ImageRole::fuelLabels;
        if (id == t.fuelScale) return ImageRole::fuelScale;
        if (id == t.needleSmallA) return ImageRole::fuelNeedle;
        return ImageRole::fuelShadow;
    };
    TurnRange turns;
    for (float level : fractions())
        for (bool running : {false, true})
            turns.add(velquist::fuelNeedleTarget(level, running));
    for (float a : sweep(turns)) {
        hud.fuelNeedle = a;
        c.run([] { velquist::drawClusterPart(velquist::ClusterPart::fuelGauge); }, roleOf);
    }
}

void drawVertical(Collector& c) {
    const velquist::TextureSet& t = textures;
    auto roleOf = [&](int id) {
        if (id == t.verticalDial) return ImageRole::verticalDial;
        if (id == t.needleSmallA) return ImageRole::verticalNeedle;
        return ImageRole::verticalShadow;
    };
    // Climbing and sinking from a thousandth of a metre per second to a kilometre a second.
    TurnRange turns;
    turns.add(velquist::verticalNeedleTarget(0.0f));
    for (int tenth = -30; tenth <= 30; ++tenth)
        for (float sign : {-1.0f, 1.0f})
            turns.add(velquist::verticalNeedleTarget(sign * std::pow(10.0f, tenth / 10.0f)));
    for (float a : sweep(turns)) {
        hud.verticalNeedle = a;
        c.run([] { velquist::drawClusterPart(velquist::ClusterPart::verticalGauge); }, roleOf);
    }
}

void drawLeds(Collector& c) {
    for (float f : fractions()) {
        sample.rpmFraction = f;
        c.run([] { velquist::drawClusterPart(velquist::ClusterPart::rpmLeds); },
              [](int) { return ImageRole::rpmLeds; });
    }
}

void drawGear(Collector& c) {
    const velquist::TextureSet& t = textures;
    auto roleOf = [&](int id) {
        return contains(t.gearDigits, id) ? ImageRole::gearDigit : ImageRole::shiftHint;
    };
    // R, N and every forward gear: the digit index is the gear + 1.
    for (int32_t gear = -1; gear + 1 < cat::gearDigitCount; ++gear) {
        sample.gear = gear;
        c.run([] { velquist::drawClusterPart(velquist::ClusterPart::gearIndicator); }, roleOf);
    }
}

void drawBrands(Collector& c) {
    for (int32_t brand = 0; brand < velquist::brandCount; ++brand) {
        sample.brandIndex = brand;
        c.run([] { velquist::drawClusterPart(velquist::ClusterPart::brandLogo); },
              [](int) { return ImageRole::brandLogo; });
    }
}

void drawDamage(Collector& c) {
    hud.damageLevel = 1.0f;  // the glow at full strength
    c.run([] { velquist::drawClusterPart(velquist::ClusterPart::damageFlash); },
          [](int) { return ImageRole::damageGlow; });
}

}  // namespace

// [SECTION] Loading and drawing

FolderImages loadFolderImages(const std::filesystem::path& gameDir, bool settingsRead) {
    if (!settingsRead) {
        usePluginFolder(gameDir);
        velquist::readExtendedSettings();
        velquist::loadBrandNames();
    }
    SavedPluginState saved;
    host.textures.clear();
    velquist::loadHudTextures();
    velquist::loadBrandTextures();
    FolderImages images{textures, velquist::extended, {}, {}, {}};
    std::map<std::string, size_t> files;
    for (const auto& [id, entry] : host.textures) {
        const std::string path = hostPath(entry.path());
        const auto [at, added] = files.emplace(path, images.hostPaths.size());
        if (added) {
            images.hostPaths.push_back(path);
            images.reportPaths.push_back(reportPath(entry.tracePath()));
        }
        if (static_cast<size_t>(id) >= images.fileOf.size())
            images.fileOf.resize(static_cast<size_t>(id) + 1, noFile);
        images.fileOf[static_cast<size_t>(id)] = at->second;
    }
    return images;
}

ClusterDrawing drawCluster(const FolderImages& images, const LayoutSetup& setup, int width,
                           int height) {
    SavedPluginState saved;
    textures = images.textures;
    velquist::extended = images.extended;
    layOut(setup.profile, width, height);
    // A driver in a vehicle of the kind, the cluster faded in at full brightness, both
    // shift hints pending and the tick count in the bright half of their blink.
    hud = velquist::HudState{};
    hud.fadeAlpha = 1.0f;
    hud.dayBrightness = 1.0f;
    for (float& c : hud.needleColour)
        c = 1.0f;
    sample = velquist::VehicleSample{};
    sample.vehicleKind = setup.kind;
    sample.isPassenger = false;
    sample.shiftUpHint = sample.shiftDownHint = true;
    HeldPluginClock clock;
    for (uint32_t tick = 1; velquist::shiftHintDarkPhase() && tick < 100000; ++tick)
        clock.set(tick);

    ClusterDrawing out;
    out.pivot = {layout.mainX * static_cast<double>(width),
                 layout.mainY * static_cast<double>(height)};
    out.spritePixels = layout.spriteSize * static_cast<double>(width);
    Collector c(images, width, height, out);
    for (int i = 0; i < velquist::clusterPartCount; ++i) {
        const auto part = static_cast<velquist::ClusterPart>(i);
        // The fuel gauge shows whenever a fuel mod's values are on the vehicle.
        const bool shown = part == velquist::ClusterPart::fuelGauge
                               ? setup.fuel
                               : velquist::clusterPartShown(part);
        if (!shown) continue;
        host.draws.clear();  // only this part's records to look through
        switch (part) {
            case velquist::ClusterPart::velocityGauge:
                drawVelocity(c, setup);
                break;
            case velquist::ClusterPart::damageFlash:
                drawDamage(c);
                break;
            case velquist::ClusterPart::brandLogo:
                drawBrands(c);
                break;
            case velquist::ClusterPart::fuelGauge:
                drawFuel(c);
                break;
            case velquist::ClusterPart::rpmGauge:
                drawRpm(c);
                break;
            case velquist::ClusterPart::rpmLeds:
                drawLeds(c);
                break;
            case velquist::ClusterPart::gearIndicator:
                drawGear(c);
                break;
            case velquist::ClusterPart::verticalGauge:
                drawVertical(c);
                break;
        }
    }
    c.finish();
    return out;
}

ClusterPlace placeCluster(const velquist::ProfileSettings& profile, int width, int height) {
    SavedPluginState saved;
    layOut(profile, width, height);
    return {{layout.mainX * static_cast<double>(width), layout.mainY * static_cast<double>(height)},
            layout.spriteSize * static_cast<double>(width)};
}

}  // namespace sim
