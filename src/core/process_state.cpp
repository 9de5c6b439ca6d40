#include "core/process_state.h"

#include "analytics/acceleration_test.h"
#include "core/key_state.h"
#include "core/library_entry.h"
#include "core/process_texts.h"
#include "core/schedule.h"
#include "host/game_memory.h"
#include "hud/display_settings.h"
#include "hud/hud_layout.h"
#include "hud/hud_state.h"
#include "hud/texture_set.h"
#include "menu/menu_pages.h"
#include "settings/extended_settings.h"
#include "settings/general_settings.h"
#include "settings/profile_settings.h"
#include "settings/unread_files.h"
#include "telemetry/vehicle_sample.h"

namespace velquist {

void resetProcessState() {
    pluginModule = nullptr;
    texts = ProcessTexts{};
    keyStates = KeyStateTable{};
    schedule = Schedule{};
    general = GeneralSettings{};
    profile = ProfileSettings{};
    unread = UnreadFiles{};
    display = DisplaySettings{};
    layout = Layout{};
    acceleration = AccelerationTest{};
    extended = ExtendedSettings{};
    sample = VehicleSample{};
    gameMemory = GameMemory{};
    textures = TextureSet{};
    menu = MenuState{};
    hud = HudState{};
}

}  // namespace velquist
