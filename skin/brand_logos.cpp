// Brand logos: the brand's name as a spaced capital wordmark below the velocity dial's
// centre, under the LED row. Long names are set smaller so that every logo fits the same
// width.
#include <algorithm>
#include <cctype>

#include "skin/geometry.h"
#include "skin/images.h"

namespace skin {

namespace {

constexpr double logoY = 300;      // from the centre
constexpr double logoHeight = 46;  // cap height of a short name
constexpr double logoWidth = 440;  // widest a name is set
constexpr double logoTracking = 0.22;

std::string capitals(const std::string& name) {
    std::string out = name;
    for (char& ch : out)
        if (static_cast<unsigned char>(ch) < 0x80) ch = static_cast<char>(std::toupper(ch));
    return out;
}

}  // namespace

void drawBrandLogo(const Canvas& c, const std::string& name) {
    const std::string text = capitals(name);
    const Point at = {c.mid(), c.mid() + logoY};
    const Box natural = textBoxCentred(c.cr(), text, at, Face::words, logoHeight, logoTracking);
    const double height = natural.w > logoWidth ? logoHeight * logoWidth / natural.w : logoHeight;
    Marks marks(c);
    marks.text(text, at, Face::words, height, ink, logoTracking);
    marks.draw();
}

}  // namespace skin
