// The velocity dial faces and their unit labels. Each face's scale runs from its rest
// angle over the top to three o'clock; ticks and numbers stand where the needle mapping
// puts the needle for that speed with the face's default calibration. The unit label
// stands in the lower right quarter, which the needle never crosses.
#include <cmath>
#include <string>
#include <vector>

#include "hud/needle_math.h"
#include "skin/dial_scales.h"
#include "skin/geometry.h"
#include "skin/images.h"

namespace skin {

namespace {

using velquist::DialCalibration;

// Least room between two numbers, and between a number and the ticks or the unit label.
constexpr double numberGap = 8;
constexpr double unitTracking = 0.14;  // of the cap height

Point unitLabelAt(const Canvas& c) {
    return {c.mid() + big::unitLabelX, c.mid() + big::unitLabelY};
}

bool isLabel(const VelocityScale& s, double speed) {
    for (int i = 0; i < s.labelCount; ++i)
        if (std::fabs(s.labels[i] - speed) < 1e-6) return true;
    return false;
}

// Speeds of the small ticks: each segment of the scale in its own step.
std::vector<double> minorSpeeds(const VelocityScale& s, const DialCalibration& cal) {
    std::vector<double> out;
    const double bounds[3] = {cal.vel0, cal.vel1, cal.vel2};
    for (int seg = 0; seg < 2; ++seg) {
        const double step = s.minorStep[seg];
        if (bounds[seg + 1] <= bounds[seg] || step <= 0) continue;
        for (double v = bounds[seg]; v < bounds[seg + 1] - 1e-6; v += step)
            if (!isLabel(s, v)) out.push_back(v);
    }
    if (!isLabel(s, cal.vel2)) out.push_back(cal.vel2);
    return out;
}

}  // namespace

bool drawVelocityFace(const Canvas& c, int face, std::string& problem) {
    const DialCalibration cal = velquist::toCalibration(velquist::calibrationDefaults[face]);
    const VelocityScale& s = velocityScales[face];
    auto angle = [&](double speed) {
        return velquist::velocityNeedleTarget(static_cast<float>(speed), cal);
    };
    Marks marks(c);

    // The scale line along the needle's whole sweep.
    marks.arc(cal.deg0, cal.deg2, big::arcRadius, arcWidth, softInk);

    // Small ticks, then the numbered ticks.
    for (double v : minorSpeeds(s, cal))
        marks.tick(angle(v), big::minorInner, big::tickOuter, minorTickWidth, softInk);
    for (int i = 0; i < s.labelCount; ++i)
        marks.tick(angle(s.labels[i]), big::majorInner, big::tickOuter, majorTickWidth, ink);

    // Numbers, each kept clear of its neighbours, of the ticks and of the unit label.
    auto numberAt = [&](int i) {
        return withinRadius(c, std::to_string(s.labels[i]), angle(s.labels[i]), big::numberReach,
                            Face::narrow, big::numberHeight);
    };
    for (int i = 0; i < s.labelCount; ++i)
        marks.text(std::to_string(s.labels[i]), numberAt(i), Face::narrow, big::numberHeight, ink);
    const Box unitLabel = textBoxCentred(c.cr(), "KNOTS", unitLabelAt(c), Face::bold,
                                         big::unitLabelHeight, unitTracking);
    problem = marks.crowding(numberGap);
    for (int i = 0; i < s.labelCount && problem.empty(); ++i) {
        const Box b = textBoxCentred(c.cr(), std::to_string(s.labels[i]), numberAt(i), Face::narrow,
                                     big::numberHeight);
        if (b.overlaps(unitLabel, numberGap))
            problem = "number " + std::to_string(s.labels[i]) + " runs into the unit label";
    }
    marks.draw();
    return problem.empty();
}

void drawUnitText(const Canvas& c, int unit) {
    static const char* const names[3] = {"MPH", "KM/H", "KNOTS"};
    Marks marks(c);
    marks.text(names[unit], unitLabelAt(c), Face::bold, big::unitLabelHeight, ink, unitTracking);
    marks.draw();
}

}  // namespace skin
