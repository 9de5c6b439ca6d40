#include "core/process_state.h"

#include "analytics/acceleration_test.h"
#include "core/key_state.h"
#include "core/library_entry.h"
#include "core/process_texts.h"
#include "core/schedule.h"
#include "hud/display_settings.h"
#include "settings/general_settings.h"
#include "settings/profile_settings.h"

namespace velquist {

void resetProcessState() {
    pluginModule = nullptr;
    texts = ProcessTexts{};
    keyStates = KeyStateTable{};
    schedule = Schedule{};
    general = GeneralSettings{};
    profile = ProfileSettings{};
    display = DisplaySettings{};
    layout = Layout{};
    acceleration = AccelerationTest{};
}

}  // namespace velquist
