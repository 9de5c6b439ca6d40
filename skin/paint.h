// The drawing kit of the default skin: a transparent square canvas measured in units
// (1/1024 of its width, whatever its pixels), the palette, polar placement (angles in
// turns, clockwise from straight up, as the needles turn), ticks, arcs and texts with a
// dark halo so that light marks read over a bright sky as well as over a dark road.
#pragma once

#include <cairo.h>

#include <functional>
#include <string>
#include <vector>

namespace skin {

constexpr double pi = 3.14159265358979323846;

struct Rgba {
    double r, g, b, a;
};

// The palette.
constexpr Rgba ink = {1.0, 1.0, 1.0, 0.96};         // numbers, numbered ticks, needles
constexpr Rgba softInk = {1.0, 1.0, 1.0, 0.72};     // small ticks, labels
constexpr Rgba halo = {0.0, 0.0, 0.0, 0.62};        // the dark edge under light marks
constexpr Rgba redZone = {0.93, 0.17, 0.15, 0.95};  // rpm red zone, low fuel
constexpr Rgba amber = {1.0, 0.72, 0.10, 1.0};      // shift hints

// One type family, bold, in two widths: narrow for numbers and long names, regular width
// for words.
enum class Face { narrow, bold };

struct Point {
    double x, y;
};

// A transparent square canvas of pixels x pixels, drawn on in units: 1024 across.
class Canvas {
  public:
    explicit Canvas(int pixels);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }
    double size() const { return 1024; }  // units across
    double mid() const { return 512; }    // the centre, in units
    int pixels() const { return pixels_; }

    // Writes the canvas as a PNG file; false with a message on failure.
    bool save(const std::string& file, std::string& error) const;

  private:
    int pixels_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// The point at angle (turns, clockwise from up) and radius from the canvas centre.
Point polar(const Canvas& c, double turns, double radius);

void setColour(cairo_t* cr, Rgba colour);

void selectFace(cairo_t* cr, Face face, double capHeight);

// A text's ink box: left, top, width, height.
struct Box {
    double x, y, w, h;
    bool overlaps(const Box& o, double gap) const {
        return x < o.x + o.w + gap && o.x < x + w + gap && y < o.y + o.h + gap && o.y < y + h + gap;
    }
};

// The marks of one layer (ticks, arcs, texts), collected and then drawn in two passes:
// first every dark halo, then every light mark, so that no halo covers a neighbour.
class Marks {
  public:
    explicit Marks(const Canvas& c) : c_(c) {}
    // A radial tick at an angle (turns, clockwise from up) from inner to outer radius.
    void tick(double turns, double inner, double outer, double width, Rgba colour);
    // An arc about the canvas centre between two angles (turns, clockwise).
    void arc(double fromTurns, double toTurns, double radius, double width, Rgba colour);
    // A text whose ink box is centred on a point (or, with centred false, has its left
    // edge at at.x); tracking is extra space between letters in cap heights. Returns the
    // ink box.
    Box text(const std::string& text, Point at, Face face, double capHeight, Rgba colour,
             double tracking = 0, bool centred = true);
    // Describes the first text that comes nearer than gap to another text or to a tick or
    // arc; empty when every text stands clear.
    std::string crowding(double gap) const;
    // Draws everything collected.
    void draw();

  private:
    struct Mark {
        enum class Kind { tick, arc, text } kind;
        double a, b, c, d;  // tick: turns, inner, outer; arc: from, to, radius; text: x, y
        double width;       // stroke width; text: cap height
        Rgba colour;
        std::string text;
        Face face;
        double tracking;
        Box box;  // text: its ink box
    };
    void path(const Mark& m);
    const Canvas& c_;
    std::vector<Mark> marks_;
};

// The box a text would take, centred on a point, without drawing it.
Box textBoxCentred(cairo_t* cr, const std::string& text, Point at, Face face, double capHeight,
                   double tracking = 0);

// The centre for a text on a dial: on the ray at an angle (turns, clockwise from up), as
// far out as its ink box goes while staying within radius of the canvas centre, so that
// numbers of any width keep one distance from the ticks outside them.
Point withinRadius(const Canvas& c, const std::string& text, double turns, double radius, Face face,
                   double capHeight);

// The left edge at which a text's ink box ends at right (units).
double leftEdgeFor(cairo_t* cr, const std::string& text, double right, Face face, double capHeight,
                   double tracking);

// The point at which a text centred there has its ink box end at most at bottom (units,
// y down): at, or raised just enough.
Point keptAbove(cairo_t* cr, const std::string& text, Point at, Face face, double capHeight,
                double bottom);

// Whether the font families of both faces are installed (not replaced by a fallback);
// names the missing one in problem.
bool fontsInstalled(std::string& problem);

// Softens the edges of everything drawn so far (alpha and colour), by about radius units.
void blur(const Canvas& c, double radius);

// Paints every pixel in one grey (0 black, 1 white) with the opacity (0..1) a function
// gives for the pixel's centre, in units from the canvas centre; for soft shapes such as
// shades and glows.
void paintOpacity(const Canvas& c, double grey,
                  const std::function<double(double x, double y)>& opacity);

}  // namespace skin
