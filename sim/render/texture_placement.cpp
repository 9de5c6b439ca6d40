#include "render/texture_placement.h"

#include <algorithm>
#include <cmath>

namespace sim {

namespace {

constexpr double pi = 3.14159265358979323846;
// Largest side of a drawn texture, in screen sizes: anything larger is a broken value.
constexpr double largestTexture = 8.0;

bool finite(std::initializer_list<float> values) {
    for (float v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace

std::optional<TexturePlacement> placeTexture(const DrawRecord& d, int screenWidth,
                                             int screenHeight) {
    TexturePlacement p;
    p.alpha = d.a > 0 ? (d.a < 1 ? d.a : 1) : 0;  // NaN gives 0
    if (p.alpha <= 0) return std::nullopt;
    if (!finite({d.sizeX, d.sizeY, d.aspect, d.centerX, d.centerY, d.posX, d.posY, d.rotation}))
        return std::nullopt;
    const double sw = screenWidth, sh = screenHeight;
    // Equal x and y sizes at the screen's true aspect ratio give a square.
    p.width = d.sizeX * sw;
    p.height = d.sizeY * sh * d.aspect;
    if (!(p.width > 0 && p.height > 0) || p.width > largestTexture * sw ||
        p.height > largestTexture * sh)
        return std::nullopt;
    p.pixelWidth = std::max(1, static_cast<int>(std::ceil(p.width)));
    p.pixelHeight = std::max(1, static_cast<int>(std::ceil(p.height)));
    p.centerX = d.centerX;
    p.centerY = d.centerY;
    p.x = d.posX * sw;
    p.y = d.posY * sh;
    p.turns = d.rotation;
    return p;
}

ScreenPixelPoint imageToScreen(const TexturePlacement& p, double u, double v) {
    const double a = p.turns * 2 * pi;
    const double lx = (u - p.centerX) * p.width, ly = (v - p.centerY) * p.height;
    return {p.x + lx * std::cos(a) - ly * std::sin(a), p.y + lx * std::sin(a) + ly * std::cos(a)};
}

ScreenPixelPoint screenToImage(const TexturePlacement& p, double x, double y) {
    const double a = p.turns * 2 * pi;
    const double dx = x - p.x, dy = y - p.y;
    const double lx = dx * std::cos(a) + dy * std::sin(a);
    const double ly = -dx * std::sin(a) + dy * std::cos(a);
    return {lx / p.width + p.centerX, ly / p.height + p.centerY};
}
}  // namespace sim
