// What the default skin prints on each dial: the numbered values and the spacing of the
// small ticks between them. The marks stand where the needle mapping puts the needle for
// that value (velocity faces by their default calibration, rpm faces by the rpm needle's
// scaling), so the needle lands on every printed number.
#pragma once

#include "hud/texture_catalogue.h"

namespace skin {

constexpr int maxLabels = 12;

struct VelocityScale {
    int labels[maxLabels];  // printed speeds, in the face's unit
    int labelCount;
    int minorStep[2];  // speed between small ticks below and from the middle speed on
};

// By velocity face, in catalogue order.
constexpr VelocityScale velocityScales[velquist::catalogue::velocityFaceCount] = {
    {{0, 20, 40, 60, 100, 200, 300, 350}, 8, {10, 25}},          // MaxMph
    {{0, 40, 80, 160, 320, 480, 560}, 7, {20, 40}},              // MaxKmh
    {{0, 20, 40, 60, 80, 150, 250, 330}, 8, {10, 10}},           // MaxKno
    {{20, 40, 60, 80, 120, 200, 280}, 7, {10, 20}},              // CarMphFast
    {{20, 40, 60, 100, 200, 300, 400}, 7, {10, 25}},             // CarKmhFast
    {{0, 20, 40, 60, 80, 100, 140, 180}, 8, {10, 10}},           // CarMphSlow
    {{0, 20, 40, 60, 80, 120, 200, 300}, 8, {10, 20}},           // CarKmhSlow
    {{0, 20, 40, 60, 80, 100, 120}, 7, {5, 5}},                  // LinMphFast
    {{0, 30, 60, 90, 120, 150, 180}, 7, {10, 10}},               // LinKmhFast
    {{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, 11, {5, 5}},  // LinKnoFast
    {{0, 10, 20, 30, 40, 50, 60}, 7, {5, 5}},                    // LinMphSlow
    {{0, 10, 20, 30, 40, 50, 60, 70, 80, 90}, 10, {5, 5}},       // LinKmhSlow
    {{0, 10, 20, 30, 40, 50, 60}, 7, {5, 5}},                    // LinKnoSlow
};

struct RpmScale {
    int labelStep;     // thousands between printed numbers, from 0 to the full scale
    double minorStep;  // thousands between small ticks
};

// By rpm face, in catalogue order (3, 5, 6, 8, 9, 10, 12 thousand).
constexpr RpmScale rpmScales[velquist::catalogue::rpmDialCount] = {
    {1, 0.5}, {1, 0.5}, {2, 0.5}, {2, 0.5}, {3, 0.5}, {2, 0.5}, {3, 0.5}};

// Maximum rpm (thousands) for which the needle reaches its top on each face: from this
// mark to the end the face shows its red zone.
constexpr double rpmRedFrom[velquist::catalogue::rpmDialCount] = {2.5, 4.5, 5.1, 7, 8, 9, 11.5};

}  // namespace skin
