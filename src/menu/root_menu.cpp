#include "menu/root_menu.h"

#include <string>

#include "core/process_texts.h"
#include "core/schedule.h"
#include "menu/game_text.h"
#include "menu/menu_draw.h"
#include "menu/menu_input.h"
#include "menu/menu_loop.h"
#include "menu/menu_pages.h"
#include "settings/general_settings.h"
#include "settings/profile_settings.h"
#include "settings/unread_files.h"

namespace velquist {

namespace {

constexpr int32_t rootWidth = 240;      // px
constexpr int32_t afterPageWait = 200;  // ms before the root reads input again

// A settings file that could not be read is read again whenever the menu opens, so that the
// menu shows the player's values and its pages may save them again. Until a read succeeds,
// the values in memory stay.
void readAgainWhatFailed() {
    if (unread.general && rereadGeneralSettings() && general.actSetting != schedule.loadedProfile) {
        // The file names another profile than the defaults did: load that one.
        schedule.loadedProfile = general.actSetting;
        readProfile();
        return;
    }
    if (unread.profile != 0) rereadProfile();
}

}  // namespace

void rootMenu() {
    readAgainWhatFailed();
    const std::string title = "Velquist " + texts.versionText;
    playNavSound();
    auto drawFrame = [&] {
        drawMenuLine(title.c_str(), "", menuTitleIndex, rootWidth, false);
        for (int32_t i = 0; i < menuPageCount; ++i)
            drawMenuLine(menuPage(i).title, "", i, rootWidth, i == menu.rootSelection);
        menuFrame(nullptr);
    };
    auto poll = [&] {
        const SelectBack input = pollSelectBack();
        if (input.select) {
            playNavSound();
            runMenuPage(menu.rootSelection);
            menu.waitTime = afterPageWait;
        }
        // Back as it was before the page ran: select and back together open the page and
        // close the menu when it is left.
        if (input.back) {
            playNavSound();
            return false;
        }
        navigateList(menu.rootSelection, menuPageCount, menu.waitTime);
        return true;
    };
    runMenuLoop(drawFrame, poll);
}

}  // namespace velquist
