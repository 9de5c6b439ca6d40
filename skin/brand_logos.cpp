// Brand logos: the brand's name as a spaced capital wordmark in the velocity dial's lower
// right quarter, below the unit label and right of the LED row, where no needle passes.
// Names too long for the bold face are set in the narrow one, and smaller still if need
// be, so that every logo fits the same box.
#include <algorithm>
#include <cctype>

#include "skin/geometry.h"
#include "skin/images.h"

namespace skin {

namespace {

constexpr double logoTracking = 0.16;

std::string capitals(const std::string& name) {
    std::string out = name;
    for (char& ch : out)
        if (static_cast<unsigned char>(ch) < 0x80) ch = static_cast<char>(std::toupper(ch));
    return out;
}

}  // namespace

void drawBrandLogo(const Canvas& c, const std::string& name) {
    const std::string text = capitals(name);
    const Point at = {c.mid() + big::logoX, c.mid() + big::logoY};
    Face face = Face::bold;
    Box natural = textBoxCentred(c.cr(), text, at, face, big::logoHeight, logoTracking);
    if (natural.w > big::logoWidth) {
        face = Face::narrow;
        natural = textBoxCentred(c.cr(), text, at, face, big::logoHeight, logoTracking);
    }
    const double height =
        natural.w > big::logoWidth ? big::logoHeight * big::logoWidth / natural.w : big::logoHeight;
    Marks marks(c);
    marks.text(text, at, face, height, ink, logoTracking);
    marks.draw();
}

}  // namespace skin
