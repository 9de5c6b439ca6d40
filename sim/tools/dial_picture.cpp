#include "tools/dial_picture.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "hud/needle_math.h"
#include "hud/texture_catalogue.h"
#include "render/pixel_surface.h"
#include "render/png_file.h"
#include "settings/data_files.h"
#include "settings/extended_settings.h"
#include "skin/dial_scales.h"

namespace fs = std::filesystem;
namespace cat = velquist::catalogue;

namespace sim {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr const char* familyNames[] = {"Max", "CarFast", "CarSlow", "LinFast", "LinSlow"};
constexpr const char* unitNames[] = {"mph", "kmh", "kno"};

// Room around the face for the labels, as a share of the face's width.
constexpr double margin = 0.15;
constexpr double labelGap = 0.05;    // of the face's width, beyond the needle's tip
constexpr double labelSize = 0.026;  // of the face's width

std::string lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::string number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

cairo_surface_t* loadPng(const fs::path& file, std::string& error) {
    const DecodedPng png = decodePng(file.string());
    if (png.outcome == PngOutcome::decoded) return surfaceOfPixels(png.image);
    error =
        "cannot read the image " + file.string() +
        (png.outcome == PngOutcome::tooLarge ? ": " + sizeText(png.size) + " px is larger than " +
                                                   std::to_string(imageSideMax) + " px a side"
                                             : ": not a readable PNG image");
    return nullptr;
}

// A copy of the image with its pixels multiplied by the colour, as the game tints.
cairo_surface_t* tinted(cairo_surface_t* image, const float colour[3]) {
    const int w = cairo_image_surface_get_width(image), h = cairo_image_surface_get_height(image);
    cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* cr = cairo_create(out);
    cairo_set_source_surface(cr, image, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(out);
    unsigned char* data = cairo_image_surface_get_data(out);
    const int stride = cairo_image_surface_get_stride(out);
    uint32_t factor[3];
    for (int c = 0; c < 3; ++c)
        factor[c] = static_cast<uint32_t>(std::clamp(colour[c], 0.0f, 1.0f) * 256.0f + 0.5f);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
        for (int x = 0; x < w; ++x) {
            const uint32_t p = row[x];
            const uint32_t r = (((p >> 16) & 0xFF) * factor[0]) >> 8;
            const uint32_t g = (((p >> 8) & 0xFF) * factor[1]) >> 8;
            const uint32_t b = ((p & 0xFF) * factor[2]) >> 8;
            row[x] = (p & 0xFF000000u) | (r << 16) | (g << 8) | b;
        }
    }
    cairo_surface_mark_dirty(out);
    return out;
}

// How far the needle reaches from the canvas centre, in its own pixels: its farthest
// pixel that is more opaque than not.
double needleReach(cairo_surface_t* needle) {
    cairo_surface_flush(needle);
    const int w = cairo_image_surface_get_width(needle), h = cairo_image_surface_get_height(needle);
    const int stride = cairo_image_surface_get_stride(needle);
    const bool hasAlpha = cairo_image_surface_get_format(needle) == CAIRO_FORMAT_ARGB32;
    const unsigned char* data = cairo_image_surface_get_data(needle);
    double reach = 0;
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + y * stride);
        for (int x = 0; x < w; ++x)
            if (!hasAlpha || (row[x] >> 24) > 128)
                reach = std::max(reach, std::hypot(x + 0.5 - w / 2.0, y + 0.5 - h / 2.0));
    }
    return reach;
}

}  // namespace

std::optional<DialChoice> chooseDial(const std::string& first, const std::string& second,
                                     std::string& error) {
    if (lower(first) == "rpm") {
        for (int i = 0; i < cat::rpmDialCount; ++i)
            if (second == std::to_string(cat::rpmDialFullScale[i])) return DialChoice{true, i};
        error = "no rpm face " + second + " (3, 5, 6, 8, 9, 10 or 12)";
        return std::nullopt;
    }
    int family = -1, unit = -1;
    for (int i = 0; i < 5; ++i)
        if (lower(first) == lower(familyNames[i])) family = i;
    for (int i = 0; i < 3; ++i)
        if (lower(second) == unitNames[i]) unit = i;
    if (lower(second) == "knots") unit = 2;
    if (family < 0) {
        error = "no dial family " + first + " (Max, CarFast, CarSlow, LinFast, LinSlow or rpm)";
        return std::nullopt;
    }
    if (unit < 0) {
        error = "no unit " + second + " (mph, kmh or kno)";
        return std::nullopt;
    }
    for (int face = 0; face < cat::velocityFaceCount; ++face)
        if (cat::velocityFaces[face].family == family && cat::velocityFaces[face].unit == unit)
            return DialChoice{false, face};
    error = std::string("the ") + familyNames[family] + " dials have no face in " + second;
    return std::nullopt;
}

std::string dialTitle(const DialChoice& dial) {
    if (dial.rpm) return "rpm " + std::to_string(cat::rpmDialFullScale[dial.face]);
    const cat::VelocityFace& f = cat::velocityFaces[dial.face];
    return std::string(familyNames[f.family]) + " " + unitNames[f.unit];
}

std::vector<double> defaultMarks(const DialChoice& dial) {
    std::vector<double> marks;
    if (dial.rpm) {
        const int full = cat::rpmDialFullScale[dial.face];
        for (int n = 0; n <= full; n += skin::rpmScales[dial.face].labelStep)
            marks.push_back(n);
        return marks;
    }
    const skin::VelocityScale& scale = skin::velocityScales[dial.face];
    for (int i = 0; i < scale.labelCount; ++i)
        marks.push_back(scale.labels[i]);
    const velquist::DialCalibration& c = velquist::extended.record(dial.face);
    for (float v : {c.vel0, c.vel1, c.vel2})
        marks.push_back(v);
    std::sort(marks.begin(), marks.end());
    marks.erase(std::unique(marks.begin(), marks.end()), marks.end());
    return marks;
}

std::vector<DialNeedle> needlesFor(const DialChoice& dial, const std::vector<double>& marks) {
    std::vector<DialNeedle> needles;
    for (double m : marks) {
        const float v = static_cast<float>(m);
        const double turns =
            dial.rpm ? velquist::rpmMarkAngle(v, cat::rpmDialFullScale[dial.face])
                     : velquist::velocityNeedleTarget(v, velquist::extended.record(dial.face));
        needles.push_back({m, turns});
    }
    return needles;
}

bool writeDialPicture(const fs::path& gameDir, const DialChoice& dial,
                      const std::vector<DialNeedle>& needles, const float colour[3],
                      const std::string& outFile, std::string& error, int outSide) {
    auto imagePath = [&](std::string relative) {
        std::replace(relative.begin(), relative.end(), '\\', '/');
        return gameDir / velquist::dataFolderName / relative;
    };
    cairo_surface_t* face = loadPng(
        imagePath(dial.rpm ? cat::rpmDials[dial.face] : cat::velocityFaces[dial.face].file), error);
    if (!face) return false;
    cairo_surface_t* needle =
        loadPng(imagePath(dial.rpm ? cat::needleSmallA : cat::needleBigA), error);
    if (!needle) {
        cairo_surface_destroy(face);
        return false;
    }
    const int fw = cairo_image_surface_get_width(face);
    const int fh = cairo_image_surface_get_height(face);
    const int largest = std::max(fw, fh);
    const int side = largest + 2 * static_cast<int>(std::lround(largest * margin));
    const double cx = side / 2.0, cy = side / 2.0;

    cairo_surface_t* picture = cairo_image_surface_create(CAIRO_FORMAT_RGB24, side, side);
    cairo_t* cr = cairo_create(picture);
    cairo_set_source_rgb(cr, 0.09, 0.09, 0.1);
    cairo_paint(cr);
    cairo_set_source_surface(cr, face, std::round(cx - fw / 2.0), std::round(cy - fh / 2.0));
    cairo_paint(cr);

    // Every needle as the HUD draws it: the size of the face, turned about its centre.
    cairo_surface_t* tint = tinted(needle, colour);
    const int nw = cairo_image_surface_get_width(tint), nh = cairo_image_surface_get_height(tint);
    for (const DialNeedle& n : needles) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, n.turns * 2 * pi);
        cairo_scale(cr, static_cast<double>(fw) / nw, static_cast<double>(fh) / nh);
        cairo_translate(cr, -nw / 2.0, -nh / 2.0);
        cairo_set_source_surface(cr, tint, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
        cairo_paint(cr);
        cairo_restore(cr);
    }

    // The mark of each needle beyond the face's rim, and the title.
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, fw * labelSize);
    // The needles' colour, lightened so that it reads on the dark ground.
    cairo_set_source_rgb(cr, 0.6 + colour[0] * 0.4, 0.6 + colour[1] * 0.4, 0.6 + colour[2] * 0.4);
    const double labelRadius = needleReach(needle) * fw / nw + fw * labelGap;
    for (const DialNeedle& n : needles) {
        const std::string text = number(n.mark);
        cairo_text_extents_t e;
        cairo_text_extents(cr, text.c_str(), &e);
        const double a = n.turns * 2 * pi;
        const double x = cx + std::sin(a) * labelRadius;
        const double y = cy - std::cos(a) * labelRadius;
        cairo_move_to(cr, x - e.width / 2 - e.x_bearing, y - e.height / 2 - e.y_bearing);
        cairo_show_text(cr, text.c_str());
    }
    cairo_set_source_rgb(cr, 0.85, 0.85, 0.85);
    cairo_set_font_size(cr, fw * labelSize * 0.9);
    std::string title = dialTitle(dial);
    if (!dial.rpm) {
        const velquist::DialCalibration& c = velquist::extended.record(dial.face);
        title += "   " + number(c.deg0 * 360.0) + "\u00b0 at " + number(c.vel0) + ", " +
                 number(c.deg1 * 360.0) + "\u00b0 at " + number(c.vel1) + ", " +
                 number(c.deg2 * 360.0) + "\u00b0 at " + number(c.vel2);
    }
    cairo_move_to(cr, fw * 0.02, fw * 0.045);
    cairo_show_text(cr, title.c_str());
    cairo_destroy(cr);

    if (outSide > 0 && outSide != side) {
        cairo_surface_t* scaled = cairo_image_surface_create(CAIRO_FORMAT_RGB24, outSide, outSide);
        cairo_t* sc = cairo_create(scaled);
        cairo_scale(sc, static_cast<double>(outSide) / side, static_cast<double>(outSide) / side);
        cairo_set_source_surface(sc, picture, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(sc), CAIRO_FILTER_GOOD);
        cairo_paint(sc);
        cairo_destroy(sc);
        cairo_surface_destroy(picture);
        picture = scaled;
    }
    const cairo_status_t status = cairo_surface_write_to_png(picture, outFile.c_str());
    cairo_surface_destroy(picture);
    cairo_surface_destroy(tint);
    cairo_surface_destroy(needle);
    cairo_surface_destroy(face);
    if (status != CAIRO_STATUS_SUCCESS) {
        error = "cannot write " + outFile + ": " + cairo_status_to_string(status);
        return false;
    }
    return true;
}

}  // namespace sim
