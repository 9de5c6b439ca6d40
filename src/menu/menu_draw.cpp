#include "menu/menu_draw.h"

#include "menu/game_text.h"

namespace velquist {

namespace {

struct LineStyle {
    float top;     // px
    float height;  // px
    float inset;   // px from the menu's left edge to the text
    int32_t font;
    float scale;      // text scale on a 900 px high screen
    TextColour text;  // 0..255
    TextColour box;   // 0..255
};

constexpr float referenceHeight = 900.0f;  // px: text scales are given for this height
constexpr float menuLeft = 5.0f;           // px: the menu's left edge
constexpr float firstItemTop = 60.0f;      // px
constexpr float itemPitch = 32.725f;       // px from one item's top to the next
constexpr float itemHeight = 29.75f;       // px
constexpr float valueFromRight = 75.0f;    // px: value text starts this far left of W + inset
constexpr float textDrop = 0.06f;          // of the line's height, from its top to the text

LineStyle styleFor(int32_t index, bool highlighted) {
    if (index == menuTitleIndex)
        return {12.0f, 45.5f, 15.0f, 1, 0.70f, {255, 255, 255, 255}, {0, 0, 0, 255}};
    const float top = firstItemTop + itemPitch * static_cast<float>(index);
    if (highlighted)
        return {top, itemHeight, 10.0f, 0, 0.37f, {0, 0, 0, 255}, {235, 235, 235, 255}};
    return {top, itemHeight, 10.0f, 0, 0.35f, {245, 245, 245, 255}, {80, 80, 80, 235}};
}

constexpr float helpGap = 10.0f;          // px from the menu's width to the box's left edge
constexpr float helpLineHeight = 22.75f;  // px
constexpr float helpWidth = 500.0f;       // px
constexpr float helpTextInset = 5.0f;     // px

}  // namespace

void drawMenuLine(const char* label, const char* valueText, int32_t index, int32_t width,
                  bool highlighted) {
    const ScreenSize screen = getScreenResolution();
    const float sw = static_cast<float>(screen.width);
    const float sh = static_cast<float>(screen.height);
    const float w = static_cast<float>(width);
    const LineStyle s = styleFor(index, highlighted);
    const float scale = s.scale * referenceHeight / sh;
    const float textY = (s.top + textDrop * s.height) / sh;

    drawScreenText(label, s.font, scale, s.text, s.inset / sw, textY);
    drawScreenText(valueText, s.font, scale, s.text, (w + s.inset - valueFromRight) / sw, textY);
    drawRect((menuLeft + w / 2.0f) / sw, (s.top + s.height / 2.0f) / sh, w / sw, s.height / sh,
             s.box.r, s.box.g, s.box.b, s.box.a);
}

void drawHelpLine(const char* text, int32_t line, int32_t width) {
    const ScreenSize screen = getScreenResolution();
    const float sw = static_cast<float>(screen.width);
    const float sh = static_cast<float>(screen.height);
    const float left = static_cast<float>(width) + helpGap;
    const float top = firstItemTop + helpLineHeight * static_cast<float>(line);

    drawScreenText(text, 0, 0.35f * referenceHeight / sh, {245, 245, 245, 255},
                   (left + helpTextInset) / sw, (top + textDrop * helpLineHeight) / sh);
    drawRect((left + helpWidth / 2.0f) / sw, (top + helpLineHeight / 2.0f) / sh, helpWidth / sw,
             helpLineHeight / sh, 0, 0, 0, 160);
}

}  // namespace velquist
