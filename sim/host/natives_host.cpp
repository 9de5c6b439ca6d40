// Natives that the host answers without a game world: controls disabled for a frame,
// the screen, display texts, rectangles, frontend sounds, feed notifications and
// subtitles. Each is recorded in the trace.
#include "host/sim_host.h"

namespace sim {

namespace {

constexpr uint64_t disableControlAction = 0xFE99B66D079CF6BC;
constexpr uint64_t getActiveScreenResolution = 0x873C9F3104101DD3;
constexpr uint64_t getAspectRatio = 0xF1307EF624A80D87;
constexpr uint64_t setTextFont = 0x66E0276CC5F6B9DA;
constexpr uint64_t setTextScale = 0x07C837F9A01C34C9;
constexpr uint64_t setTextColour = 0xBE6B23FFA53FB442;
constexpr uint64_t setTextCentre = 0xC02F4DBFB51D988B;
constexpr uint64_t setTextDropShadow = 0x465C84BC39F1C351;
constexpr uint64_t setTextEdge = 0x441603240D202FA6;
constexpr uint64_t beginDisplayText = 0x25FBB336DF1804CB;
constexpr uint64_t beginNotification = 0x202709F4C58A0424;
constexpr uint64_t beginSubtitle = 0xB87A37EEB7FAA67D;
constexpr uint64_t addTextComponent = 0x6C188BE134E074AA;
constexpr uint64_t endDisplayText = 0xCD015E5BB0D96A57;
constexpr uint64_t endNotification = 0x2ED7843F8F801023;
constexpr uint64_t endSubtitle = 0x9D77056A530643F6;
constexpr uint64_t drawRect = 0x3A618A217E5154F0;
constexpr uint64_t playSoundFrontend = 0x67C540AA08E4A6F5;

// The game resets a text's properties after each text it draws.
void resetPendingText() { host.pendingText = PendingText{}; }

void begin(PendingText::Kind kind) {
    host.pendingText.kind = kind;
    host.pendingText.text.clear();
}

std::string safeText(const char* text) { return text ? text : ""; }

void registerControlNatives() {
    registerNative(disableControlAction, [](NativeCall& c) {
        event("disable").field("control", c.i32(1));
        c.returnInt(1);
    });
}

void registerScreenNatives() {
    registerNative(getActiveScreenResolution, [](NativeCall& c) {
        if (int* w = c.out<int>(0)) *w = host.screenWidth;
        if (int* h = c.out<int>(1)) *h = host.screenHeight;
    });
    registerNative(getAspectRatio, [](NativeCall& c) {
        c.returnFloat(host.screenHeight > 0 ? static_cast<float>(host.screenWidth) /
                                                  static_cast<float>(host.screenHeight)
                                            : 1.0f);
    });
}

void registerTextNatives() {
    registerNative(setTextFont, [](NativeCall& c) { host.pendingText.font = c.i32(0); });
    registerNative(setTextScale, [](NativeCall& c) { host.pendingText.scale = c.f32(1); });
    registerNative(setTextColour, [](NativeCall& c) {
        for (int i = 0; i < 4; ++i) host.pendingText.rgba[i] = c.i32(static_cast<size_t>(i));
    });
    registerNative(setTextCentre, [](NativeCall& c) { host.pendingText.centre = c.b(0); });
    registerNative(setTextDropShadow, [](NativeCall&) {});
    registerNative(setTextEdge, [](NativeCall&) {});
    registerNative(beginDisplayText, [](NativeCall&) { begin(PendingText::Kind::display); });
    registerNative(beginNotification,
                   [](NativeCall&) { begin(PendingText::Kind::notification); });
    registerNative(beginSubtitle, [](NativeCall&) { begin(PendingText::Kind::subtitle); });
    registerNative(addTextComponent,
                   [](NativeCall& c) { host.pendingText.text += safeText(c.text(0)); });
    registerNative(endDisplayText, [](NativeCall& c) {
        const PendingText& p = host.pendingText;
        TextRecord t;
        t.text = p.text;
        t.font = p.font;
        t.scale = p.scale;
        for (int i = 0; i < 4; ++i) t.rgba[i] = p.rgba[i];
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
    registerNative(endNotification, [](NativeCall& c) {
        event("notify").field("text", host.pendingText.text);
        resetPendingText();
        c.returnInt(++host.notifications);
    });
    registerNative(endSubtitle, [](NativeCall& c) {
        event("subtitle").field("text", host.pendingText.text).field("ms", c.i32(0));
        resetPendingText();
    });
}

void registerDrawingNatives() {
    registerNative(drawRect, [](NativeCall& c) {
        RectRecord r;
        r.x = c.f32(0);
        r.y = c.f32(1);
        r.w = c.f32(2);
        r.h = c.f32(3);
        for (int i = 0; i < 4; ++i) r.rgba[i] = c.i32(static_cast<size_t>(4 + i));
        host.frameRects.push_back(r);
        event("rect")
            .floats("centre", {r.x, r.y})
            .floats("size", {r.w, r.h})
            .ints("rgba", {r.rgba[0], r.rgba[1], r.rgba[2], r.rgba[3]});
    });
    registerNative(playSoundFrontend, [](NativeCall& c) {
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
