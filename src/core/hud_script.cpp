#include "core/hud_script.h"

#include "core/key_state.h"
#include "core/schedule.h"
#include "core/virtual_keys.h"
#include "host/platform.h"
#include "host/script_hook.h"
#include "hud/refresh_hud.h"
#include "hud/texture_set.h"
#include "menu/help_texts.h"
#include "menu/menu_pages.h"
#include "menu/root_menu.h"
#include "settings/brand_tables.h"
#include "settings/extended_settings.h"
#include "settings/general_settings.h"
#include "settings/profile_settings.h"

namespace velquist {

void startUp() {
    // Each step copes with missing files itself; the sequence always runs to its end.
    buildHelpTexts();                             // 1. help texts
    readGeneralSettings();                        // 2. general settings
    schedule.loadedProfile = general.actSetting;  // 3. the profile now in memory
    readExtendedSettings();                       // 4. extended constants
    loadBrandNames();                             // 5. brand names
    readProfile();                                // 6. active profile, display values and layout
    changeVehicle();      // 7. per-vehicle reset, livery, brand, max rpm, kind (no vehicle yet)
    loadHudTextures();    // 8. HUD textures
    loadBrandTextures();  // 9. brand logo textures
}

void mainLoopPass() {
    // menuKey n is the function key Fn; its reading keeps it within 1..12.
    const int32_t n = general.menuKey;
    if (n >= 1 && n <= vk::functionKeyCount && keyHeld(vk::functionKey(n))) {
        schedule.menuOpen = true;
        rootMenu();
        schedule.menuOpen = false;
        // Leave the menu key untested for a moment, so that the key that closed the menu
        // does not open it again at once.
        const uint32_t start = platform::tickCount();
        while (platform::tickCount() - start < menuReopenPause)
            frameStep();
    }
    frameStep();
}

void hudScript() {
    // The host may start the script again from the top (a script reload) while the menu
    // was open: the new run starts with the menu closed and no control disabled.
    schedule.menuOpen = false;
    menu = MenuState{};
    // Nothing may leave the script into the host's fiber: there an exception ends the
    // game. After a failure (memory that ran out while a menu text or a path was built)
    // the script goes on yielding, with the HUD off.
    try {
        startUp();
        for (;;)
            mainLoopPass();
    } catch (...) {
    }
    for (;;)
        shv::scriptWait(0);
}

}  // namespace velquist
