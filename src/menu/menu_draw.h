// Drawing one menu line or one help-box line, in screen pixels converted by the
// resolution asked of the game on every line.
#pragma once

#include <cstdint>

namespace velquist {

constexpr int32_t menuTitleIndex = -1;

// Draws line `index` (menuTitleIndex for the title) of a menu `width` px wide: the label,
// the value text, then the background rectangle.
void drawMenuLine(const char* label, const char* valueText, int32_t index, int32_t width,
                  bool highlighted);

// Draws line 0..9 of the help box beside a menu `width` px wide.
void drawHelpLine(const char* text, int32_t line, int32_t width);

}  // namespace velquist
