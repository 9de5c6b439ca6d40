// The analogue rpm dial faces, their label layer and the two LED images. An rpm face's
// scale runs from nine o'clock over the top, as the small needle sweeps; the mark for
// n thousand rpm stands where the rpm needle points at n thousand.
#include <cmath>
#include <vector>

#include "hud/needle_math.h"
#include "skin/dial_scales.h"
#include "skin/geometry.h"
#include "skin/images.h"

namespace skin {

namespace {

constexpr double numberGap = 8;
constexpr double redWidth = 16;  // the red zone band, inside the ticks' outer end
constexpr double ledCore = 30;   // radius of a LED's lit core, canvas px
constexpr double ledGlow = 60;   // radius of its glow

}  // namespace

bool drawRpmFace(const Canvas& c, int face, std::string& problem) {
    const int full = velquist::catalogue::rpmDialFullScale[face];
    const RpmScale& s = rpmScales[face];
    auto angle = [&](double thousands) {
        return static_cast<double>(velquist::rpmMarkAngle(static_cast<float>(thousands), full));
    };
    Marks marks(c);

    // Scale line, then the red zone from the needle's top for this face to the end.
    marks.arc(angle(0), angle(full), small::arcRadius, arcWidth, softInk);
    marks.arc(angle(rpmRedFrom[face]), angle(full), small::tickOuter - redWidth / 2, redWidth,
              redZone);

    for (double v = s.minorStep; v < full; v += s.minorStep) {
        if (std::fmod(v, s.labelStep) < 1e-6) continue;
        marks.tick(angle(v), small::minorInner, small::tickOuter, minorTickWidth, softInk);
    }
    for (int n = 0; n <= full; n += s.labelStep) {
        marks.tick(angle(n), small::majorInner, small::tickOuter, majorTickWidth, ink);
        marks.text(std::to_string(n), polar(c, angle(n), small::numberRadius), Face::numbers,
                   small::numberHeight, ink);
    }
    problem = marks.crowding(numberGap);
    marks.draw();
    return problem.empty();
}

void drawRpmText(const Canvas& c) {
    Marks marks(c);
    const double x = c.mid() + small::legendX, y = c.mid() + small::legendY;
    marks.text("RPM", {x, y}, Face::words, small::legendHeight, softInk, 0.08, false);
    marks.text(
        "\xC3\x97"
        "1000",
        {x, y + small::legendStep}, Face::words, small::legendHeight, softInk, 0.04,
        false);  // times 1000
    marks.draw();
}

void drawLed(const Canvas& c, bool lit) {
    cairo_t* cr = c.cr();
    const double m = c.mid();
    if (lit) {
        // A bright core with a soft glow around it.
        cairo_pattern_t* glow = cairo_pattern_create_radial(m, m, 0, m, m, ledGlow);
        cairo_pattern_add_color_stop_rgba(glow, 0.0, 1, 1, 1, 1.0);
        cairo_pattern_add_color_stop_rgba(glow, ledCore / ledGlow, 1, 1, 1, 1.0);
        cairo_pattern_add_color_stop_rgba(glow, (ledCore + 4) / ledGlow, 1, 1, 1, 0.45);
        cairo_pattern_add_color_stop_rgba(glow, 1.0, 1, 1, 1, 0.0);
        cairo_set_source(cr, glow);
        cairo_paint(cr);
        cairo_pattern_destroy(glow);
    } else {
        // A dim lens with a clear rim, so that the row shows even when nothing is lit.
        cairo_arc(cr, m, m, ledCore, 0, 2 * pi);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.22);
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 5);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.65);
        cairo_stroke(cr);
    }
}

}  // namespace skin
