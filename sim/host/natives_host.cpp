// Natives that the host answers without a game world: controls disabled for a frame,
// the screen, display texts, rectangles, frontend sounds, feed notifications and
// subtitles. Each is recorded in the trace.
#include "host/sim_host.h"

#include "host/natives.h"

namespace sim {

namespace {

namespace natives = velquist::natives;

// The game resets a text's properties after each text it draws.
void resetPendingText() {
    host.pendingText = PendingText{};
}

void begin(PendingText::Kind kind) {
    host.pendingText.kind = kind;
    host.pendingText.text.clear();
}

std::string safeText(const char* text) {
    return text ? text : "";
}

void registerControlNatives() {
    registerNative(natives::disableControlAction, [](NativeCall& c) {
        event("disable").field("control", c.i32(1));
        c.returnInt(1);
    });
}

void registerScreenNatives() {
    registerNative(natives::activeScreenResolution, [](NativeCall& c) {
        if (int* w = c.out<int>(0)) *w = host.screenWidth;
        if (int* h = c.out<int>(1)) *h = host.screenHeight;
    });
    registerNative(natives::aspectRatio, [](NativeCall& c) {
        c.returnFloat(host.screenHeight > 0 ? static_cast<float>(host.screenWidth) /
                                                  static_cast<float>(host.screenHeight)
                                            : 1.0f);
    });
}

void registerTextNatives() {
    registerNative(natives::setTextFont, [](NativeCall& c) { host.pendingText.font = c.i32(0); });
    registerNative(natives::setTextScale, [](NativeCall& c) { host.pendingText.scale = c.f32(1); });
    registerNative(natives::setTextColour, [](NativeCall& c) {
        for (int i = 0; i < 4; ++i)
            host.pendingText.rgba[i] = c.i32(static_cast<size_t>(i));
    });
    registerNative(natives::setTextCentre, [](NativeCall& c) { host.pendingText.centre = c.b(0); });
    registerNative(natives::setTextDropShadow, [](NativeCall&) {});
    registerNative(natives::setTextEdge, [](NativeCall&) {});
    registerNative(natives::beginDisplayText,
                   [](NativeCall&) { begin(PendingText::Kind::display); });
    registerNative(natives::beginNotification,
                   [](NativeCall&) { begin(PendingText::Kind::notification); });
    registerNative(natives::beginSubtitle, [](NativeCall&) { begin(PendingText::Kind::subtitle); });
    registerNative(natives::addTextComponent,
                   [](NativeCall& c) { host.pendingText.text += safeText(c.text(0)); });
    registerNative(natives::endDisplayText, [](NativeCall& c) {
        const PendingText& p = host.pendingText;
        TextRecord t;
        t.text = p.text;
        t.font = p.font;
        t.scale = p.scale;
        for (int i = 0; i < 4; ++i)
            t.rgba[i] = p.rgba[i];
        t.x = c.f32(0);
        t.y = c.f32(1);
        t.centre = p.centre;
        host.frameTexts.push_back(t);
        event("text")
            .field("text", t.text)
            .field("font", t.font)
            .field("scale", static_cast<double>(t.scale))
            .ints("rgba", {t.rgba[0], t.rgba[1], t.rgba[2], t.rgba[3]})
            .floats("pos", {t.x, t.y})
            .field("centre", t.centre);
        resetPendingText();
    });
    registerNative(natives::endNotification, [](NativeCall& c) {
        event("notify").field("text", host.pendingText.text);
        resetPendingText();
        c.returnInt(++host.notifications);
    });
    registerNative(natives::endSubtitle, [](NativeCall& c) {
        event("subtitle").field("text", host.pendingText.text).field("ms", c.i32(0));
        resetPendingText();
    });
}

void registerDrawingNatives() {
    registerNative(natives::drawRect, [](NativeCall& c) {
        RectRecord r;
        r.x = c.f32(0);
        r.y = c.f32(1);
        r.w = c.f32(2);
        r.h = c.f32(3);
        for (int i = 0; i < 4; ++i)
            r.rgba[i] = c.i32(static_cast<size_t>(4 + i));
        host.frameRects.push_back(r);
        event("rect")
            .floats("centre", {r.x, r.y})
            .floats("size", {r.w, r.h})
            .ints("rgba", {r.rgba[0], r.rgba[1], r.rgba[2], r.rgba[3]});
    });
    registerNative(natives::playSoundFrontend, [](NativeCall& c) {
        event("sound").field("name", safeText(c.text(1))).field("set", safeText(c.text(2)));
    });
}

}  // namespace

void registerHostNatives() {
    registerControlNatives();
    registerScreenNatives();
    registerTextNatives();
    registerDrawingNatives();
}

}  // namespace sim
