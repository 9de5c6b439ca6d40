// Texts, rectangles, sounds and messages through the game's natives: the drawing
// primitives of the menu and of the acceleration overlay.
#pragma once

#include <cstdint>

namespace velquist {

struct ScreenSize {
    int32_t width = 0;   // px
    int32_t height = 0;  // px
};

struct TextColour {
    int32_t r = 255, g = 255, b = 255, a = 255;  // 0..255
};

// The active screen resolution in pixels, asked of the game on every call; 1920 x 1080
// when the game answers a width or height that is not positive.
ScreenSize getScreenResolution();

void setTextColour(int32_t r, int32_t g, int32_t b, int32_t a);
void clearTextDropShadow();
void clearTextEdge();

// One display text: font, scale, colour, centring off, no shadow or edge, then the text
// drawn with its top-left corner at (x, y) in screen fractions.
void drawScreenText(const char* text, int32_t font, float scale, TextColour colour, float x,
                    float y);

// A filled rectangle; centre and size in screen fractions, colour 0..255.
void drawRect(float centreX, float centreY, float width, float height, int32_t r, int32_t g,
              int32_t b, int32_t a);

// The menu's one sound, for open, close, enter, leave, move and change.
void playNavSound();

// Posts a message to the game's notification feed; returns its id.
int32_t showNotification(const char* text);

// Shows a subtitle for 50 ms; issue it every frame to keep it up.
void showSubtitle(const char* text);

}  // namespace velquist
