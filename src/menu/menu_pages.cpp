// The eight pages of the menu: their items, after-change steps and saving.
//
// [SECTION] After-change steps and saving
// [SECTION] Item tables
// [SECTION] Page table
// [SECTION] Page loop
#include "menu/menu_pages.h"

#include <string>

#include "analytics/acceleration_test.h"
#include "core/process_texts.h"
#include "core/schedule.h"
#include "host/script_hook.h"
#include "hud/display_settings.h"
#include "hud/texture_set.h"
#include "menu/game_text.h"
#include "menu/menu_draw.h"
#include "menu/menu_input.h"
#include "menu/menu_loop.h"
#include "settings/brand_tables.h"
#include "settings/data_files.h"
#include "settings/extended_settings.h"
#include "settings/general_keys.h"
#include "settings/general_settings.h"
#include "settings/ini_access.h"
#include "settings/profile_settings.h"
#include "settings/unread_files.h"
#include "telemetry/vehicle_sample.h"

namespace velquist {

MenuState menu;

namespace {

// [SECTION] After-change steps and saving

enum GeneralItem : int32_t { itemMod, itemReloadImages, itemReloadExtended, itemActiveSetting };

// A save skipped because the file could not be read is told once, until a read of it
// succeeds; saves that fail on the disk stay silent.
void tellIfNotSaved(SaveResult result, const std::string& fileName, bool& told) {
    if (result != SaveResult::notRead || told) return;
    told = true;
    showNotification((fileName + " could not be read, so changes are not saved.").c_str());
}

void saveGeneral() {
    tellIfNotSaved(writeGeneralSettings(), generalFileName, unread.generalNoticed);
}

void saveProfile(int32_t n) {
    tellIfNotSaved(writeProfile(n), profileFileName(n), unread.profileNoticed);
}

void afterGeneralChange(int32_t item) {
    switch (item) {
        case itemReloadImages:
            loadHudTextures();
            loadBrandNames();
            loadBrandTextures();
            showNotification("Reloaded the speedo images.");
            break;
        case itemReloadExtended:
            readExtendedSettings();
            showNotification((std::string("Reloaded ") + data_files::extended.name).c_str());
            break;
        case itemActiveSetting:
            // Save the profile that was in memory, then load the new one; a profile without
            // a file starts from the defaults, never from the old profile's values.
            saveProfile(schedule.loadedProfile);
            schedule.loadedProfile = general.actSetting;
            readProfile();
            break;
        default:
            break;
    }
}

void afterOpticsChange(int32_t) {
    deriveDisplaySettings();
}

void afterPlacementChange(int32_t) {
    deriveDisplaySettings();
    computeLayout();
}

void saveActiveProfile() {
    saveProfile(general.actSetting);
}

// While "Rpm" or "Vehicle Brand" is highlighted, a subtitle names the vehicle's livery and
// what the tables give for it.
void featuresSubtitle() {
    const int32_t selection = menu.pageSelection[3];
    std::string text;
    if (selection == 0)
        text = "Livery: " + texts.currentLivery + " Max Rpm: " + intToText(sample.maxRpmSetting);
    else if (selection == 4)
        text = "Livery: " + texts.currentLivery + " Brand: " + texts.currentBrand;
    else
        return;
    showSubtitle(text.c_str());
}

// [SECTION] Item tables

using K = ItemKind;

const MenuItem generalItems[] = {
    {"Mod", K::boolean, &schedule.modEnabled, 0, 1, 5, 1},
    {"Reload Images", K::action, &menu.scratch, 0, 0, 5, 2},
    {"Reload Extended", K::action, &menu.scratch, 0, 0, 5, 3},
    {"Active Setting", K::number, &general.actSetting, 1, 3, 5, 4},
    {"Menu Key", K::functionKey, &general.menuKey, 1, 12, 10, 5},
    {"Refresh Interval", K::number, &general.refreshInterval, 5, 50, 10, 6},
};

const MenuItem toggleItems[] = {
    {"Bicycle", K::boolean, &profile.isEnabledInBic, 0, 1, 5, 8},
    {"Boat/Sub", K::boolean, &profile.isEnabledInBoa, 0, 1, 5, 8},
    {"Car/Motorcycle", K::boolean, &profile.isEnabledInCar, 0, 1, 5, 8},
    {"Plane/Heli", K::boolean, &profile.isEnabledInPla, 0, 1, 5, 8},
    {"Train", K::boolean, &profile.isEnabledInTra, 0, 1, 5, 8},
};

const MenuItem unitItems[] = {
    {"Bicycle", K::unit, &profile.bicUnit, 0, 1, 5, 7},
    {"Boat/Submarine", K::unit, &profile.boaUnit, 0, 2, 5, 7},
    {"Car/Motorcycle", K::unit, &profile.carUnit, 0, 1, 5, 7},
    {"Plane/Helicopter", K::unit, &profile.plaUnit, 0, 2, 5, 7},
    {"Train", K::unit, &profile.traUnit, 0, 1, 5, 7},
};

const MenuItem featureItems[] = {
    {"Rpm", K::rpm, &profile.rpm, 0, 2, 5, 9},
    {"Gear", K::boolean, &profile.gear, 0, 1, 5, 10},
    {"Engine Damage", K::boolean, &profile.dmg, 0, 1, 5, 11},
    {"Vertical Speed", K::boolean, &profile.vertical, 0, 1, 5, 12},
    {"Vehicle Brand", K::boolean, &profile.brand, 0, 1, 5, 13},
    {"Show Handbrake", K::boolean, &profile.neutral, 0, 1, 5, 14},
    {"Show in FPV", K::boolean, &profile.fpv, 0, 1, 5, 15},
    {"Show as Passenger", K::boolean, &profile.passenger, 0, 1, 5, 16},
    {"Use High Background", K::boolean, &profile.useHighSpeedo, 0, 1, 5, 17},
};

const MenuItem opticsItems[] = {
    {"Use Primary Color", K::boolean, &profile.usePrimColor, 0, 1, 5, 19},
    {"Needle Red", K::number, &profile.needleRed, 0, 255, 30, 20},
    {"Needle Green", K::number, &profile.needleGreen, 0, 255, 30, 20},
    {"Needle Blue", K::number, &profile.needleBlue, 0, 255, 30, 20},
    {"Alpha Front", K::number, &profile.alphaFrontMax, 30, 100, 15, 21},
    {"Alpha Back", K::number, &profile.alphaBackMax, 0, 100, 15, 21},
    {"Alpha Brand Logo", K::number, &profile.alphaBrand, 30, 100, 15, 22},
    {"Damage Intensity", K::number, &profile.dmgIntensity, 50, 200, 25, 23},
    {"Damage Frequency", K::number, &profile.dmgFrequency, 50, 200, 25, 23},
};

const MenuItem speedFactorItems[] = {
    {"Bicycle", K::number, &profile.bicFactor, 50, 200, 20, 24},
    {"Boat/Submarine", K::number, &profile.boaFactor, 50, 200, 20, 24},
    {"Car/Motorcycle", K::number, &profile.carFactor, 50, 200, 20, 24},
    {"Plane/Helicopter", K::number, &profile.plaFactor, 50, 200, 20, 24},
    {"Train", K::number, &profile.traFactor, 50, 200, 20, 24},
};

const MenuItem placementItems[] = {
    {"Extra Gauge Is", K::extraGauge, &profile.isExtraGaugeLeft, 0, 1, 5, 25},
    {"HUD Size", K::number, &profile.hudSize, 20, 200, 12, 26},
    {"Main Offset X", K::number, &profile.mainOffsetX, 0, 1000, 100, 27},
    {"Main Offset Y", K::number, &profile.mainOffsetY, 0, 1000, 100, 27},
    {"RPM LEDs Offset X", K::number, &profile.ledsOffsetX, -1000, 1000, 400, 28},
    {"RPM LEDs Offset Y", K::number, &profile.ledsOffsetY, -1000, 1000, 400, 28},
};

const MenuItem analyticsItems[] = {
    {"Acceleration Test", K::analyticsMode, &acceleration.testMode, 0, 2, 5, 0},
    {"Acceleration Start", K::factorTen, &acceleration.startSpeedTens, 0, 50, 5, 0},
    {"Acceleration Stop", K::factorTen, &acceleration.stopSpeedTens, 0, 50, 5, 0},
    {"Work in progress...", K::number, nullptr, 0, 0, 1, 0},
};

// [SECTION] Page table

template <size_t N>
constexpr int32_t countOf(const MenuItem (&)[N]) {
    return static_cast<int32_t>(N);
}

const MenuPage pages[menuPageCount] = {
    {"General", 250, generalItems, countOf(generalItems), afterGeneralChange, saveGeneral, nullptr},
    {"Toggle HUD", 240, toggleItems, countOf(toggleItems), nullptr, saveActiveProfile, nullptr},
    {"Units", 240, unitItems, countOf(unitItems), nullptr, saveActiveProfile, nullptr},
    {"Features", 280, featureItems, countOf(featureItems), nullptr, saveActiveProfile,
     featuresSubtitle},
    {"Optics", 260, opticsItems, countOf(opticsItems), afterOpticsChange, saveActiveProfile,
     nullptr},
    {"Speedfactor", 240, speedFactorItems, countOf(speedFactorItems), afterOpticsChange,
     saveActiveProfile, nullptr},
    {"Placement", 260, placementItems, countOf(placementItems), afterPlacementChange,
     saveActiveProfile, nullptr},
    {"Analytics", 260, analyticsItems, countOf(analyticsItems), nullptr, nullptr, nullptr},
};

}  // namespace

const MenuPage& menuPage(int32_t index) {
    return pages[index >= 0 && index < menuPageCount ? index : 0];
}

// [SECTION] Page loop

void drawPageLines(const MenuPage& page, int32_t selection) {
    drawMenuLine(page.title, "", menuTitleIndex, page.width, false);
    for (int32_t i = 0; i < page.count; ++i) {
        const MenuItem& item = page.items[i];
        const std::string value = formatValue(item.kind, item.value);
        drawMenuLine(item.label, value.c_str(), i, page.width, i == selection);
    }
}

void drawHelpBox(const MenuPage& page, int32_t item) {
    const int32_t block = item >= 0 && item < page.count ? page.items[item].help : 0;
    if (block == 0) return;
    for (int32_t line = 0; line < 10; ++line)
        drawHelpLine(texts.helpLines[static_cast<size_t>(block * 10 + line)].c_str(), line,
                     page.width);
}

void runMenuPage(int32_t index) {
    const MenuPage& page = menuPage(index);
    int32_t& selection = menu.pageSelection[index];

    auto drawFrame = [&] {
        drawPageLines(page, selection);
        menuFrame(page.eachFrame);
    };
    auto poll = [&] {
        const SelectBack input = pollSelectBack();
        const MenuItem& item = page.items[selection];
        // Left and right step the highlighted setting whether or not select or back are
        // held; an item without a setting is never stepped.
        if (item.value && adjustValue(*item.value, item.min, item.max, item.rate, menu.waitTime) &&
            page.afterChange)
            page.afterChange(selection);
        if (input.select) drawHelpBox(page, selection);
        if (input.back) {
            playNavSound();
            return false;
        }
        navigateList(selection, page.count, menu.waitTime);
        return true;
    };
    runMenuLoop(drawFrame, poll);
    if (page.save) page.save();
}

}  // namespace velquist
