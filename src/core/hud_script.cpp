#include "core/hud_script.h"

#include "core/key_state.h"
#include "core/schedule.h"
#include "host/platform.h"
#include "menu/root_menu.h"
#include "settings/general_settings.h"

namespace velquist {

namespace {

// F1 is virtual key 112, so menuKey 1..12 maps to 112..123.
constexpr int32_t functionKeyBase = 111;

}  // namespace

void startUp() {
    // Each step copes with missing files itself; the sequence always runs to its end.
    // Steps whose subsystems are not built yet are absent here.
    readGeneralSettings();
    schedule.loadedProfile = general.actSetting;
}

void mainLoopPass() {
    const int32_t code = general.menuKey + functionKeyBase;
    if (code >= 0 && code < static_cast<int32_t>(keyStateCount) &&
        keyHeld(static_cast<uint32_t>(code))) {
        schedule.menuOpen = true;
        rootMenu();
        schedule.menuOpen = false;
        // Leave the menu key untested for a moment, so that the key that closed the menu
        // does not open it again at once.
        const uint32_t start = platform::tickCount();
        while (platform::tickCount() - start < menuReopenPause) frameStep();
    }
    frameStep();
}

void hudScript() {
    startUp();
    for (;;) mainLoopPass();
}

}  // namespace velquist
