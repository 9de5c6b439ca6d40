// The layout check: whether the cluster a folder's images make is on the screen and keeps
// its gauges apart. It draws the cluster through the plug-in's own layout and drawing
// (cluster_draws.h), places every draw as the renderer does (texture_placement.h) and
// measures the images' own ink (image_ink.h), so it cannot disagree with what is drawn. It
// tells how many pixels each image's ink runs past each edge of a screen, which gauges
// overlap and by how many pixels, which needles sweep over the unit label or the brand
// logo, and which Main Offset or HUD Size values bring the whole cluster on screen.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tools/cluster_draws.h"
#include "tools/image_ink.h"
#include "tools/screen_mask.h"
#include "tools/screens.h"

namespace sim {

enum Edge : int { edgeLeft, edgeRight, edgeTop, edgeBottom };
constexpr int edgeCount = 4;

// "past the left edge", "past the right edge", "above the top edge", "below the bottom edge"
const char* edgePhrase(int edge);

// Ink beyond an edge by this much (px) or less is on the screen: float rounding.
constexpr double edgeTolerance = 1e-3;

// Whole pixels an ink reaching `beyond` px past an edge covers there (0 when on screen).
int pixelsBeyond(double beyond);

struct Overhang {
    ImageRole role = ImageRole::velocityDial;  // what the image shows
    std::string hostPath;                      // the image file
    std::string reportPath;                    // "Velquist/Velocity/LinKmhFast.png"
    int pixels[edgeCount] = {};  // px of its furthest ink beyond each edge, 0 when within
};

// How far the whole cluster's ink reaches from the velocity gauge's centre, in sides of a
// full-size image: to the left, the right, up and down (by Edge). In pixels the cluster's
// shape around that centre scales with the side of a full-size image, so one reach tells
// the cluster's extent at every HUD Size and Main Offset.
struct ClusterReach {
    double edge[edgeCount] = {};          // sides of a full-size image, by Edge; 0 until measured
    void add(const ClusterReach& other);  // the larger reach of the two at each edge
};

struct OffScreen {
    std::vector<Overhang> images;  // the images with ink beyond an edge, in drawing order
    ClusterReach reach;            // of every image drawn, on the screen or not
    bool onScreen() const { return images.empty(); }
};

struct GaugeOverlap {
    Gauge first = Gauge::velocity, second = Gauge::second;  // first before second in Gauge order
    long long pixels = 0;                                   // screen pixels both gauges cover
    // The two images, one of each gauge, that overlap most, and by how much.
    ImageRole firstRole = ImageRole::velocityDial, secondRole = ImageRole::velocityDial;
    std::string firstFile, secondFile;  // report paths
    long long pairPixels = 0;
};

struct NeedleCrossing {
    ImageRole role = ImageRole::unitLabel;         // the unit label or the brand logo
    std::string reportPath;                        // its image
    ImageRole needle = ImageRole::velocityNeedle;  // the needle that sweeps over it
    long long pixels = 0;  // screen pixels of the image the needle's sweep covers
};

struct Overlaps {
    std::vector<GaugeOverlap> gauges;     // each pair of gauges that overlap, once
    std::vector<NeedleCrossing> needles;  // each label or logo image a needle sweeps over
    bool none() const { return gauges.empty() && needles.empty(); }
};

struct PlacementFix {
    // The Main Offset values nearest to the placement's own that bring the cluster on
    // screen at its HUD Size; offsetsFit false when none of their range do.
    bool offsetsFit = false;
    int32_t mainOffsetX = 0, mainOffsetY = 0;
    // The largest HUD Size not above the placement's that does it with its Main Offsets.
    bool sizeFits = false;
    int32_t hudSize = 0;
};

// The set-ups a profile shows: each vehicle kind it is enabled for, with the fuel gauge
// (shown whenever a fuel mod puts its values on the vehicle).
std::vector<LayoutSetup> profileSetups(const velquist::ProfileSettings& profile);

// A suggested placement's ink, as its reach foretells it, runs past no edge by more than
// this (px): half the on-screen tolerance, so that the float rounding between foretold and
// measured ink cannot put a pixel of it off the screen.
constexpr double fitSlack = edgeTolerance / 2;

// The placement values that bring a cluster of that reach on the screen, found with the
// plug-in's own layout. The profile gives the HUD Size and Main Offsets to start from.
PlacementFix fixPlacement(const ClusterReach& reach, const velquist::ProfileSettings& placement,
                          const Screen& screen);

// What a caller that has read the same folder already shares with the check.
struct SharedReading {
    InkCache* inks = nullptr;   // images decoded already; null: the check's own cache
    bool settingsRead = false;  // the folder's extended settings and brand names are read
};

class LayoutCheck {
  public:
    // Loads the folder's images as the plug-in does; each file is decoded when first needed.
    explicit LayoutCheck(const std::filesystem::path& gameDir, SharedReading shared = {});

    OffScreen offScreen(const LayoutSetup& setup, const Screen& screen);
    Overlaps overlaps(const LayoutSetup& setup, const Screen& screen);

    // Images left out of the measurement for their size: report path to "W x H".
    std::map<std::string, std::string> tooLarge() const;

  private:
    const ScreenMask& maskOf(const DrawnImage& image);

    FolderImages images_;
    InkCache ownInks_;
    InkCache& inks_;
    std::map<std::string, std::string> reportPaths_;  // host path to report path
    std::map<std::string, ScreenMask> masks_;         // by image file and placements
};

}  // namespace sim
