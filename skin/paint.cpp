#include "skin/paint.h"

#include <fontconfig/fontconfig.h>
#include <strings.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "skin/geometry.h"

namespace skin {

namespace {

const char* family(Face face) {
    return face == Face::narrow ? "Liberation Sans Narrow" : "Liberation Sans";
}

// Font size that gives a cap height of 1 pixel, measured once per face.
double sizePerCapHeight(cairo_t* cr, Face face) {
    static double measured[2] = {0, 0};
    double& m = measured[face == Face::narrow ? 0 : 1];
    if (m == 0) {
        cairo_save(cr);
        cairo_select_font_face(cr, family(face), CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
        cairo_set_font_size(cr, 100);
        cairo_text_extents_t e;
        cairo_text_extents(cr, "H", &e);
        m = e.height > 0 ? 100 / e.height : 1.4;
        cairo_restore(cr);
    }
    return m;
}

// The bytes of each UTF-8 character of a text.
std::vector<std::string> characters(const std::string& text) {
    std::vector<std::string> out;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        size_t n = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (i + n > text.size()) n = text.size() - i;
        out.push_back(text.substr(i, n));
        i += n;
    }
    return out;
}

// Appends the text's outline to the current path with its baseline starting at (x, y).
void textPath(cairo_t* cr, const std::string& text, double x, double y, double tracking) {
    for (const std::string& ch : characters(text)) {
        cairo_move_to(cr, x, y);
        cairo_text_path(cr, ch.c_str());
        cairo_text_extents_t e;
        cairo_text_extents(cr, ch.c_str(), &e);
        x += e.x_advance + tracking;
    }
}

Box pathBox(cairo_t* cr) {
    double x1, y1, x2, y2;
    cairo_path_extents(cr, &x1, &y1, &x2, &y2);
    return {x1, y1, x2 - x1, y2 - y1};
}

// The outline of a text placed so that its ink box has its left edge or centre (by
// centred) at at.x and its vertical middle at at.y; leaves the path current.
Box placeText(cairo_t* cr, const std::string& text, Point at, Face face, double capHeight,
              double tracking, bool centred) {
    selectFace(cr, face, capHeight);
    cairo_new_path(cr);
    textPath(cr, text, 0, 0, tracking * capHeight);
    const Box ink = pathBox(cr);
    cairo_new_path(cr);
    const double x = centred ? at.x - ink.w / 2 - ink.x : at.x - ink.x;
    const double y = at.y - ink.h / 2 - ink.y;
    textPath(cr, text, x, y, tracking * capHeight);
    return pathBox(cr);
}

// One pass of a box blur along rows (horizontal) or columns over premultiplied pixels.
void boxPass(std::vector<uint32_t>& px, int w, int h, int radius, bool horizontal) {
    const int lines = horizontal ? h : w, length = horizontal ? w : h;
    std::vector<uint32_t> line(static_cast<size_t>(length));
    for (int l = 0; l < lines; ++l) {
        auto at = [&](int i) -> uint32_t& {
            return horizontal ? px[static_cast<size_t>(l) * w + i]
                              : px[static_cast<size_t>(i) * w + l];
        };
        for (int i = 0; i < length; ++i)
            line[static_cast<size_t>(i)] = at(i);
        int sum[4] = {0, 0, 0, 0};
        auto add = [&](int i, int sign) {
            if (i < 0 || i >= length) return;
            const uint32_t p = line[static_cast<size_t>(i)];
            for (int c = 0; c < 4; ++c)
                sum[c] += sign * static_cast<int>((p >> (8 * c)) & 0xFF);
        };
        for (int i = -radius; i < radius; ++i)
            add(i, 1);
        const int n = 2 * radius + 1;
        for (int i = 0; i < length; ++i) {
            add(i + radius, 1);
            uint32_t out = 0;
            for (int c = 0; c < 4; ++c)
                out |= static_cast<uint32_t>(sum[c] / n) << (8 * c);
            at(i) = out;
            add(i - radius, -1);
        }
    }
}

}  // namespace

Canvas::Canvas(int pixels)
    : pixels_(pixels),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, pixels, pixels)),
      cr_(cairo_create(surface_)) {
    cairo_scale(cr_, pixels / 1024.0, pixels / 1024.0);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr_, options);
    cairo_font_options_destroy(options);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

bool Canvas::save(const std::string& file, std::string& error) const {
    cairo_surface_flush(surface_);
    const cairo_status_t status = cairo_surface_write_to_png(surface_, file.c_str());
    if (status == CAIRO_STATUS_SUCCESS) return true;
    error = "cannot write " + file + ": " + cairo_status_to_string(status);
    return false;
}

Point polar(const Canvas& c, double turns, double radius) {
    const double a = turns * 2 * pi;
    return {c.mid() + radius * std::sin(a), c.mid() - radius * std::cos(a)};
}

void setColour(cairo_t* cr, Rgba colour) {
    cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, colour.a);
}

void selectFace(cairo_t* cr, Face face, double capHeight) {
    cairo_select_font_face(cr, family(face), CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, capHeight * sizePerCapHeight(cr, face));
}

Box textBoxCentred(cairo_t* cr, const std::string& text, Point at, Face face, double capHeight,
                   double tracking) {
    cairo_save(cr);
    const Box box = placeText(cr, text, at, face, capHeight, tracking, true);
    cairo_new_path(cr);
    cairo_restore(cr);
    return box;
}

Point withinRadius(const Canvas& c, const std::string& text, double turns, double radius, Face face,
                   double capHeight) {
    const Box box = textBoxCentred(c.cr(), text, {0, 0}, face, capHeight);
    // The box's farthest corner from the centre when its middle stands at distance d.
    auto reach = [&](double d) {
        const Point p = polar(c, turns, d);
        const double x = p.x - c.mid(), y = p.y - c.mid();
        const double far = std::max(std::fabs(x + box.x), std::fabs(x + box.x + box.w));
        const double fy = std::max(std::fabs(y + box.y), std::fabs(y + box.y + box.h));
        return std::hypot(far, fy);
    };
    double lo = 0, hi = radius;
    for (int i = 0; i < 40; ++i) {
        const double mid = (lo + hi) / 2;
        (reach(mid) > radius ? hi : lo) = mid;
    }
    return polar(c, turns, lo);
}

double leftEdgeFor(cairo_t* cr, const std::string& text, double right, Face face, double capHeight,
                   double tracking) {
    return right - textBoxCentred(cr, text, {0, 0}, face, capHeight, tracking).w;
}

Point keptAbove(cairo_t* cr, const std::string& text, Point at, Face face, double capHeight,
                double bottom) {
    const Box box = textBoxCentred(cr, text, at, face, capHeight);
    const double over = box.y + box.h - bottom;
    return over > 0 ? Point{at.x, at.y - over} : at;
}

void Marks::tick(double turns, double inner, double outer, double width, Rgba colour) {
    marks_.push_back(
        {Mark::Kind::tick, turns, inner, outer, 0, width, colour, {}, Face::bold, 0, {}});
}

void Marks::arc(double fromTurns, double toTurns, double radius, double width, Rgba colour) {
    marks_.push_back(
        {Mark::Kind::arc, fromTurns, toTurns, radius, 0, width, colour, {}, Face::bold, 0, {}});
}

Box Marks::text(const std::string& text, Point at, Face face, double capHeight, Rgba colour,
                double tracking, bool centred) {
    cairo_t* cr = c_.cr();
    cairo_save(cr);
    const Box box = placeText(cr, text, at, face, capHeight, tracking, centred);
    cairo_new_path(cr);
    cairo_restore(cr);
    // Kept by its box's left edge and middle, which places it the same way again.
    marks_.push_back({Mark::Kind::text, box.x, box.y + box.h / 2, 0, 0, capHeight, colour, text,
                      face, tracking, box});
    return box;
}

std::string Marks::crowding(double gap) const {
    auto near = [&](const Box& b, Point p, double halfWidth) {
        const double g = gap + halfWidth;
        return p.x > b.x - g && p.x < b.x + b.w + g && p.y > b.y - g && p.y < b.y + b.h + g;
    };
    for (size_t i = 0; i < marks_.size(); ++i) {
        const Mark& t = marks_[i];
        if (t.kind != Mark::Kind::text) continue;
        for (size_t j = 0; j < marks_.size(); ++j) {
            const Mark& o = marks_[j];
            bool hit = false;
            if (o.kind == Mark::Kind::text) {
                hit = j != i && t.box.overlaps(o.box, gap);
            } else {
                // Points along the tick or arc, a pixel or two apart.
                const double length =
                    o.kind == Mark::Kind::tick ? o.c - o.b : std::fabs(o.b - o.a) * 2 * pi * o.c;
                const int steps = std::max(2, static_cast<int>(length / 2));
                for (int k = 0; k <= steps && !hit; ++k) {
                    const double f = static_cast<double>(k) / steps;
                    const Point p = o.kind == Mark::Kind::tick
                                        ? polar(c_, o.a, o.b + f * (o.c - o.b))
                                        : polar(c_, o.a + f * (o.b - o.a), o.c);
                    hit = near(t.box, p, o.width / 2);
                }
            }
            if (hit)
                return "\"" + t.text + "\" is too close to " +
                       (o.kind == Mark::Kind::text
                            ? "\"" + o.text + "\""
                            : (o.kind == Mark::Kind::tick ? "the tick at " : "the arc from ") +
                                  std::to_string(o.a) + " turns");
        }
    }
    return {};
}

void Marks::path(const Mark& m) {
    cairo_t* cr = c_.cr();
    cairo_new_path(cr);
    switch (m.kind) {
        case Mark::Kind::tick: {
            const Point p = polar(c_, m.a, m.b), q = polar(c_, m.a, m.c);
            cairo_move_to(cr, p.x, p.y);
            cairo_line_to(cr, q.x, q.y);
            break;
        }
        case Mark::Kind::arc:
            // Turns from up to cairo's angles from the x axis (both clockwise on screen).
            cairo_arc(cr, c_.mid(), c_.mid(), m.c, (m.a - 0.25) * 2 * pi, (m.b - 0.25) * 2 * pi);
            break;
        case Mark::Kind::text:
            placeText(cr, m.text, {m.a, m.b}, m.face, m.width, m.tracking, false);
            break;
    }
}

void Marks::draw() {
    cairo_t* cr = c_.cr();
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColour(cr, halo);
    for (const Mark& m : marks_) {
        path(m);
        cairo_set_line_width(cr, (m.kind == Mark::Kind::text ? 0 : m.width) + haloWidth);
        cairo_stroke(cr);
    }
    for (const Mark& m : marks_) {
        path(m);
        setColour(cr, m.colour);
        if (m.kind == Mark::Kind::text) {
            cairo_fill(cr);
        } else {
            cairo_set_line_width(cr, m.width);
            cairo_stroke(cr);
        }
    }
    marks_.clear();
}

bool fontsInstalled(std::string& problem) {
    for (Face face : {Face::narrow, Face::bold}) {
        const char* wanted = family(face);
        FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(wanted));
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result;
        FcPattern* match = FcFontMatch(nullptr, pattern, &result);
        bool found = false;
        FcChar8* name = nullptr;
        for (int i = 0;
             match && !found && FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch;
             ++i)
            found = strcasecmp(reinterpret_cast<const char*>(name), wanted) == 0;
        if (match) FcPatternDestroy(match);
        FcPatternDestroy(pattern);
        if (!found) {
            problem = std::string("the font ") + wanted +
                      " is not installed (scripts/setup.sh installs it)";
            return false;
        }
    }
    return true;
}

void blur(const Canvas& c, double radiusUnits) {
    const int radius = std::max(1, static_cast<int>(std::lround(radiusUnits * c.pixels() / 1024)));
    cairo_surface_t* s = c.surface();
    cairo_surface_flush(s);
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    const int stride = cairo_image_surface_get_stride(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    std::vector<uint32_t> px(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            px[static_cast<size_t>(y) * w + x] =
                reinterpret_cast<const uint32_t*>(data + y * stride)[x];
    // Three box passes each way come close to a gaussian.
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(px, w, h, radius, true);
        boxPass(px, w, h, radius, false);
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            reinterpret_cast<uint32_t*>(data + y * stride)[x] = px[static_cast<size_t>(y) * w + x];
    cairo_surface_mark_dirty(s);
}

void paintOpacity(const Canvas& c, double grey,
                  const std::function<double(double x, double y)>& opacity) {
    cairo_surface_t* s = c.surface();
    cairo_surface_flush(s);
    const int n = c.pixels();
    const int stride = cairo_image_surface_get_stride(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const double unitsPerPixel = 1024.0 / n;
    for (int y = 0; y < n; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
        for (int x = 0; x < n; ++x) {
            const double a = std::clamp(
                opacity((x + 0.5) * unitsPerPixel - 512, (y + 0.5) * unitsPerPixel - 512), 0.0,
                1.0);
            const auto alpha = static_cast<uint32_t>(std::lround(a * 255));
            const auto v = static_cast<uint32_t>(std::lround(a * grey * 255));  // premultiplied
            row[x] = alpha << 24 | v << 16 | v << 8 | v;
        }
    }
    cairo_surface_mark_dirty(s);
}

}  // namespace skin
