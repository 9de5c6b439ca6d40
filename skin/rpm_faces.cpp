// The analogue rpm dial faces, their label layer and the two LED images. An rpm face's
// scale runs from nine o'clock over the top, as the small needle sweeps; the mark for
// n thousand rpm stands where the rpm needle points at n thousand. Nothing of a face
// reaches more than a few units below the pivot, which stands near the screen's bottom
// edge in the left place.
#include <cmath>
#include <vector>

#include "hud/needle_math.h"
#include "skin/dial_scales.h"
#include "skin/geometry.h"
#include "skin/images.h"

namespace skin {

namespace {

constexpr double numberGap = 8;
constexpr double redWidth = 14;  // the red zone band, inside the ticks' outer end

// An LED on its own canvas, in units of that canvas: the row's LEDs stand 50 HUD units
// apart on 72-unit images, so a lit one keeps to about two thirds of its canvas.
constexpr double ledCore = 260;  // radius of the lit core and of the unlit lens
constexpr double ledGlow = 400;  // radius of a lit LED's glow

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
    const double bottom = c.mid() + small::lowestInk - haloWidth / 2;
    for (int n = 0; n <= full; n += s.labelStep) {
        marks.tick(angle(n), small::majorInner, small::tickOuter, majorTickWidth, ink);
        const std::string number = std::to_string(n);
        marks.text(number,
                   keptAbove(c.cr(), number, polar(c, angle(n), small::numberRadius), Face::narrow,
                             small::numberHeight, bottom),
                   Face::narrow, small::numberHeight, ink);
    }
    problem = marks.crowding(numberGap);
    marks.draw();
    return problem.empty();
}

void drawRpmText(const Canvas& c) {
    Marks marks(c);
    const double right = c.mid() + small::legendRight, y = c.mid() + small::legendY;
    const char* const times =
        "\xC3\x97"
        "1000";  // times 1000
    marks.text("RPM", {leftEdgeFor(c.cr(), "RPM", right, Face::bold, small::legendHeight, 0.08), y},
               Face::bold, small::legendHeight, ink, 0.08, false);
    marks.text(times,
               {leftEdgeFor(c.cr(), times, right, Face::narrow, small::legendSmallHeight, 0.04),
                y + small::legendStep},
               Face::narrow, small::legendSmallHeight, ink, 0.04, false);
    marks.draw();
}

void drawLed(const Canvas& c, bool lit) {
    cairo_t* cr = c.cr();
    const double m = c.mid();
    if (lit) {
        // A bright core with a soft glow around it, and a dark edge that keeps it apart
        // from a bright sky.
        cairo_arc(cr, m, m, ledCore + 24, 0, 2 * pi);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.45);
        cairo_fill(cr);
        cairo_pattern_t* glow = cairo_pattern_create_radial(m, m, 0, m, m, ledGlow);
        cairo_pattern_add_color_stop_rgba(glow, 0.0, 1, 1, 1, 1.0);
        cairo_pattern_add_color_stop_rgba(glow, ledCore / ledGlow, 1, 1, 1, 1.0);
        cairo_pattern_add_color_stop_rgba(glow, (ledCore + 20) / ledGlow, 1, 1, 1, 0.5);
        cairo_pattern_add_color_stop_rgba(glow, 1.0, 1, 1, 1, 0.0);
        cairo_set_source(cr, glow);
        cairo_paint(cr);
        cairo_pattern_destroy(glow);
    } else {
        // A dark lens with a thin rim in the LED's colour: the row shows its places, and
        // an unlit LED cannot be taken for a lit one.
        cairo_arc(cr, m, m, ledCore, 0, 2 * pi);
        cairo_set_source_rgba(cr, 0.05, 0.05, 0.05, 0.7);
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 40);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.4);
        cairo_stroke(cr);
    }
}

}  // namespace skin
