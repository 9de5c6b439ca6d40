#include "tools/layout_check.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "settings/profile_keys.h"

namespace sim {

// [SECTION] Edges
// [SECTION] Off the screen
// [SECTION] Overlaps
// [SECTION] Set-ups and the placements that fit

// [SECTION] Edges

const char* edgePhrase(int edge) {
    switch (edge) {
        case edgeLeft:
            return "past the left edge";
        case edgeRight:
            return "past the right edge";
        case edgeTop:
            return "above the top edge";
        default:
            return "below the bottom edge";
    }
}

int pixelsBeyond(double beyond) {
    return beyond > edgeTolerance ? static_cast<int>(std::ceil(beyond - edgeTolerance)) : 0;
}

namespace {

constexpr double huge = std::numeric_limits<double>::max();

// How far an extent reaches beyond each edge of a screen, px (negative: inside).
void beyondEdges(const InkExtent& e, const Screen& s, double (&beyond)[edgeCount]) {
    beyond[edgeLeft] = -e.left;
    beyond[edgeRight] = e.right - s.width;
    beyond[edgeTop] = -e.top;
    beyond[edgeBottom] = e.bottom - s.height;
}

}  // namespace

LayoutCheck::LayoutCheck(const std::filesystem::path& gameDir, SharedReading shared)
    : images_(loadFolderImages(gameDir, shared.settingsRead)),
      inks_(shared.inks ? *shared.inks : ownInks_) {
    for (size_t i = 0; i < images_.hostPaths.size(); ++i)
        reportPaths_[images_.hostPaths[i]] = images_.reportPaths[i];
}

std::map<std::string, std::string> LayoutCheck::tooLarge() const {
    std::map<std::string, std::string> out;
    for (const auto& [path, size] : inks_.tooLarge()) {
        const auto report = reportPaths_.find(path);
        out[report != reportPaths_.end() ? report->second : path] = size;
    }
    return out;
}

// [SECTION] Off the screen

OffScreen LayoutCheck::offScreen(const LayoutSetup& setup, const Screen& screen) {
    const ClusterDrawing drawing = drawCluster(images_, setup, screen.width, screen.height);
    OffScreen out;
    InkExtent all{huge, huge, -huge, -huge};
    std::map<std::pair<ImageRole, std::string>, size_t> known;
    for (const DrawnImage& image : drawing.images) {
        const ImageInk* ink = inks_.ink(image.hostPath);
        if (!ink || ink->hull.empty()) continue;
        double worst[edgeCount] = {-huge, -huge, -huge, -huge};
        for (const TexturePlacement& p : image.placements) {
            const InkExtent e = inkExtent(*ink, p);
            all = {std::min(all.left, e.left), std::min(all.top, e.top),
                   std::max(all.right, e.right), std::max(all.bottom, e.bottom)};
            double beyond[edgeCount];
            beyondEdges(e, screen, beyond);
            for (int edge = 0; edge < edgeCount; ++edge)
                worst[edge] = std::max(worst[edge], beyond[edge]);
        }
        Overhang o{image.role, image.hostPath, image.reportPath, {}};
        bool off = false;
        for (int edge = 0; edge < edgeCount; ++edge)
            off = (o.pixels[edge] = pixelsBeyond(worst[edge])) > 0 || off;
        if (!off) continue;
        const auto key = std::make_pair(image.role, image.hostPath);
        const auto at = known.find(key);
        if (at == known.end()) {
            known.emplace(key, out.images.size());
            out.images.push_back(o);
            continue;
        }
        for (int edge = 0; edge < edgeCount; ++edge)
            out.images[at->second].pixels[edge] =
                std::max(out.images[at->second].pixels[edge], o.pixels[edge]);
    }
    if (all.left <= all.right && drawing.spritePixels > 0) {
        const double side = drawing.spritePixels;
        out.reach.edge[edgeLeft] = (drawing.pivot.x - all.left) / side;
        out.reach.edge[edgeRight] = (all.right - drawing.pivot.x) / side;
        out.reach.edge[edgeTop] = (drawing.pivot.y - all.top) / side;
        out.reach.edge[edgeBottom] = (all.bottom - drawing.pivot.y) / side;
    }
    return out;
}

// [SECTION] Overlaps

const ScreenMask& LayoutCheck::maskOf(const DrawnImage& image) {
    // The same image at the same places makes the same mask, whichever set-up drew it.
    std::string key = image.hostPath;
    key.push_back('\0');
    for (const TexturePlacement& p : image.placements) {
        const double fields[] = {p.width, p.height, p.centerX, p.centerY, p.x, p.y, p.turns};
        key.append(reinterpret_cast<const char*>(fields), sizeof fields);
    }
    const auto known = masks_.find(key);
    if (known != masks_.end()) return known->second;
    const ImageInk* ink = inks_.ink(image.hostPath);
    return masks_[key] = ink ? inkMask(*ink, image.placements) : ScreenMask{};
}

Overlaps LayoutCheck::overlaps(const LayoutSetup& setup, const Screen& screen) {
    const ClusterDrawing drawing = drawCluster(images_, setup, screen.width, screen.height);
    struct Member {
        const DrawnImage* image;
        const ScreenMask* mask;
    };
    std::map<Gauge, std::vector<Member>> gauges;
    std::vector<Member> needles, readable;
    for (const DrawnImage& image : drawing.images) {
        const bool readableRole =
            image.role == ImageRole::unitLabel || image.role == ImageRole::brandLogo;
        if (image.gauge == Gauge::none && !isNeedle(image.role) && !readableRole) continue;
        const ScreenMask& mask = maskOf(image);
        if (mask.empty()) continue;
        if (image.gauge != Gauge::none) gauges[image.gauge].push_back({&image, &mask});
        if (isNeedle(image.role)) needles.push_back({&image, &mask});
        if (readableRole) readable.push_back({&image, &mask});
    }
    auto unionOf = [](const std::vector<Member>& members) {
        int l = std::numeric_limits<int>::max(), t = l, r = std::numeric_limits<int>::min(), b = r;
        for (const Member& m : members) {
            l = std::min(l, m.mask->left());
            t = std::min(t, m.mask->top());
            r = std::max(r, m.mask->right());
            b = std::max(b, m.mask->bottom());
        }
        ScreenMask all(l, t, r, b);
        for (const Member& m : members)
            all.add(*m.mask);
        return all;
    };

    Overlaps out;
    std::map<Gauge, ScreenMask> covered;
    for (const auto& [gauge, members] : gauges)
        covered[gauge] = unionOf(members);
    for (const auto& [first, firstMask] : covered)
        for (const auto& [second, secondMask] : covered) {
            if (!(first < second)) continue;
            const long long pixels = overlap(firstMask, secondMask);
            if (pixels == 0) continue;
            GaugeOverlap o;
            o.first = first;
            o.second = second;
            o.pixels = pixels;
            for (const Member& a : gauges[first])
                for (const Member& b : gauges[second]) {
                    const long long n = overlap(*a.mask, *b.mask);
                    if (n <= o.pairPixels) continue;
                    o.pairPixels = n;
                    o.firstRole = a.image->role;
                    o.secondRole = b.image->role;
                    o.firstFile = a.image->reportPath;
                    o.secondFile = b.image->reportPath;
                }
            out.gauges.push_back(o);
        }
    for (const Member& r : readable)
        for (const Member& n : needles) {
            const long long pixels = overlap(*r.mask, *n.mask);
            if (pixels > 0)
                out.needles.push_back({r.image->role, r.image->reportPath, n.image->role, pixels});
        }
    return out;
}

// [SECTION] Set-ups and the placements that fit

void ClusterReach::add(const ClusterReach& other) {
    for (int e = 0; e < edgeCount; ++e)
        edge[e] = std::max(edge[e], other.edge[e]);
}

std::vector<LayoutSetup> profileSetups(const velquist::ProfileSettings& profile) {
    std::vector<LayoutSetup> setups;
    velquist::ProfileSettings p = profile;
    for (int k = 0; k < velquist::vehicleKindCount; ++k) {
        const auto kind = static_cast<velquist::VehicleKind>(k);
        if (p.isEnabledIn(kind) != 0) setups.push_back({kind, profile, true});
    }
    return setups;
}

PlacementFix fixPlacement(const ClusterReach& reach, const velquist::ProfileSettings& base,
                          const Screen& screen) {
    // Whether the cluster's ink stays inside the screen across (left and right) or down
    // (top and bottom) at a placement.
    auto within = [&](const velquist::ProfileSettings& p, bool across) {
        const ClusterPlace c = placeCluster(p, screen.width, screen.height);
        const double side = c.spritePixels;
        const double* r = reach.edge;
        if (across)
            return r[edgeLeft] * side - c.pivot.x <= fitSlack &&
                   c.pivot.x + r[edgeRight] * side - screen.width <= fitSlack;
        return r[edgeTop] * side - c.pivot.y <= fitSlack &&
               c.pivot.y + r[edgeBottom] * side - screen.height <= fitSlack;
    };
    // The value of a Main Offset nearest to the placement's own that keeps the cluster
    // inside along its axis.
    auto nearest = [&](int32_t velquist::ProfileSettings::*field, bool across, int32_t& found) {
        const velquist::ProfileKey& k = velquist::profileKeyOf(field);
        const int32_t from = base.*field;
        velquist::ProfileSettings p = base;
        for (int32_t d = 0; d <= k.maximum - k.minimum; ++d)
            for (int side = 0; side < (d == 0 ? 1 : 2); ++side) {
                const int32_t candidate = side == 0 ? from - d : from + d;
                if (candidate < k.minimum || candidate > k.maximum) continue;
                p.*field = candidate;
                if (!within(p, across)) continue;
                found = candidate;
                return true;
            }
        return false;
    };
    PlacementFix fix;
    fix.offsetsFit = nearest(&velquist::ProfileSettings::mainOffsetX, true, fix.mainOffsetX) &&
                     nearest(&velquist::ProfileSettings::mainOffsetY, false, fix.mainOffsetY);
    velquist::ProfileSettings smaller = base;
    const velquist::ProfileKey& size = velquist::profileKeyOf(&velquist::ProfileSettings::hudSize);
    for (int32_t h = base.hudSize; h >= size.minimum && !fix.sizeFits; --h) {
        smaller.hudSize = h;
        fix.sizeFits = within(smaller, true) && within(smaller, false);
        if (fix.sizeFits) fix.hudSize = h;
    }
    return fix;
}

}  // namespace sim
