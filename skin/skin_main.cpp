// velquist-skin: draws the default skin, every image of the texture catalogue, into a
// data folder.
//
//     velquist-skin OUTDIR [--brands settingsBrands.ini]
//
// Logos are drawn for every brand the brand table names. Two are blank, on a canvas of
// one pixel: "Empty", the name of an unset brand, and brand0, which stands for every
// vehicle the livery table does not list. Exit status 0, or 1 with a message when an
// image cannot be drawn cleanly or written.
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "hud/texture_catalogue.h"
#include "settings/brand_tables.h"
#include "skin/brand_list.h"
#include "skin/geometry.h"
#include "skin/images.h"

namespace fs = std::filesystem;
namespace cat = velquist::catalogue;

namespace {

struct Writer {
    fs::path folder;
    int written = 0;
    bool ok = true;

    // Draws one image on a fresh canvas and writes it under the catalogue's relative path.
    void image(const std::string& relative, int size,
               const std::function<bool(const skin::Canvas&, std::string&)>& draw) {
        std::string path = relative;
        for (char& ch : path)
            if (ch == '\\') ch = '/';
        const fs::path file = folder / path;
        std::error_code ec;
        fs::create_directories(file.parent_path(), ec);
        skin::Canvas canvas(size);
        std::string problem;
        // A flawed image is still written, for a look at it, but fails the run.
        if (!draw(canvas, problem)) {
            std::fprintf(stderr, "velquist-skin: %s: %s\n", relative.c_str(), problem.c_str());
            ok = false;
        }
        if (!canvas.save(file.string(), problem)) {
            std::fprintf(stderr, "velquist-skin: %s\n", problem.c_str());
            ok = false;
            return;
        }
        ++written;
    }
    void image(const std::string& relative, int size,
               const std::function<void(const skin::Canvas&)>& draw) {
        image(relative, size, [&](const skin::Canvas& c, std::string&) {
            draw(c);
            return true;
        });
    }
};

int usage() {
    std::fputs("usage: velquist-skin OUTDIR [--brands settingsBrands.ini]\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string out, brands;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--brands" && i + 1 < argc)
            brands = argv[++i];
        else if (!a.empty() && a[0] != '-' && out.empty())
            out = a;
        else
            return usage();
    }
    if (out.empty()) return usage();
    std::string problem;
    if (!skin::fontsInstalled(problem)) {
        std::fprintf(stderr, "velquist-skin: %s\n", problem.c_str());
        return 1;
    }

    using Draw = std::function<void(const skin::Canvas&)>;
    using Check = std::function<bool(const skin::Canvas&, std::string&)>;
    Writer w{out};
    const int full = skin::fullPixels;

    w.image(cat::shadowMain, skin::softPixels, Draw(skin::drawShadowMain));
    w.image(cat::shadowLeft, skin::softPixels, Draw([](const skin::Canvas& c) {
                skin::drawShadowSmall(c, skin::placeLeftX, skin::placeLeftY);
            }));
    w.image(cat::shadowAbove, skin::softPixels, Draw([](const skin::Canvas& c) {
                skin::drawShadowSmall(c, skin::placeAboveX, skin::placeAboveY);
            }));

    for (int i = 0; i < cat::rpmDialCount; ++i)
        w.image(cat::rpmDials[i], full, Check([i](const skin::Canvas& c, std::string& p) {
                    return skin::drawRpmFace(c, i, p);
                }));
    w.image(cat::rpmText, full, Draw(skin::drawRpmText));
    w.image(cat::ledOn, skin::ledPixels,
            Draw([](const skin::Canvas& c) { skin::drawLed(c, true); }));
    w.image(cat::ledOff, skin::ledPixels,
            Draw([](const skin::Canvas& c) { skin::drawLed(c, false); }));

    for (int i = 0; i < cat::velocityFaceCount; ++i)
        w.image(cat::velocityFaces[i].file, full, Check([i](const skin::Canvas& c, std::string& p) {
                    return skin::drawVelocityFace(c, i, p);
                }));
    for (int u = 0; u < cat::unitTextCount; ++u)
        w.image(cat::unitTexts[u], full,
                Draw([u](const skin::Canvas& c) { skin::drawUnitText(c, u); }));

    static const char* const gearNames[cat::gearDigitCount] = {"R", "N", "1", "2", "3",
                                                               "4", "5", "6", "7", "8"};
    for (int g = 0; g < cat::gearDigitCount; ++g)
        w.image(cat::gearDigits[g], skin::gearPixels,
                Draw([g](const skin::Canvas& c) { skin::drawGearDigit(c, gearNames[g]); }));
    w.image(cat::shiftDownImage, skin::gearPixels,
            Draw([](const skin::Canvas& c) { skin::drawShiftHint(c, false); }));
    w.image(cat::shiftUpImage, skin::gearPixels,
            Draw([](const skin::Canvas& c) { skin::drawShiftHint(c, true); }));

    w.image(cat::needleBigA, full,
            Draw([](const skin::Canvas& c) { skin::drawNeedleBig(c, false); }));
    w.image(cat::needleBigB, full,
            Draw([](const skin::Canvas& c) { skin::drawNeedleBig(c, true); }));
    w.image(cat::needleSmallA, full,
            Draw([](const skin::Canvas& c) { skin::drawNeedleSmall(c, false); }));
    w.image(cat::needleSmallB, full,
            Draw([](const skin::Canvas& c) { skin::drawNeedleSmall(c, true); }));

    w.image(cat::damageImage, skin::softPixels, Draw(skin::drawDamage));
    w.image(cat::verticalDial, full, Check(skin::drawVerticalFace));

    w.image(cat::fuelScale, full, Draw(skin::drawFuelScale));
    for (int f = 0; f < cat::fuelImageCount; ++f)
        w.image(cat::fuelImages[f], full,
                Draw([f](const skin::Canvas& c) { skin::drawFuelImage(c, f); }));

    // Logos: the brand table's names; blank ones for unset brands and for brand0.
    std::vector<std::string> skipped;
    const std::vector<std::string> names =
        brands.empty() ? std::vector<std::string>{} : skin::readBrandNames(brands, skipped);
    for (const std::string& s : skipped)
        std::fprintf(stderr, "velquist-skin: no logo for the brand name \"%s\": not a file name\n",
                     s.c_str());
    const std::string brandFolder = cat::brandFolder;
    const std::string unset = velquist::unsetBrand;
    const std::string fallback = brands.empty() ? unset : skin::readFallbackBrand(brands);
    w.image(brandFolder + unset + cat::brandSuffix, skin::blankPixels,
            Draw([](const skin::Canvas&) {}));
    for (const std::string& name : names) {
        if (name == fallback)
            w.image(brandFolder + name + cat::brandSuffix, skin::blankPixels,
                    Draw([](const skin::Canvas&) {}));
        else
            w.image(brandFolder + name + cat::brandSuffix, skin::logoPixels,
                    Draw([&name](const skin::Canvas& c) {
                        skin::drawBrandLogo(c, skin::logoText(name));
                    }));
    }

    if (!w.ok) return 1;
    std::printf("velquist-skin: %d images in %s\n", w.written, out.c_str());
    return 0;
}
