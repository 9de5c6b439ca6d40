// The eight pages of the menu: their items, after-change steps and saving.
//
// [SECTION] After-change steps and saving
// [SECTION] Item tables
// [SECTION] Page table
// [SECTION] Page loop
#include "menu/menu_pages.h"

#include <array>
#include <string>

#include "analytics/acceleration_test.h"
#include "core/process_texts.h"
#include "core/schedule.h"
#include "host/script_hook.h"
#include "hud/display_settings.h"
#include "hud/hud_layout.h"
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
#include "settings/profile_keys.h"
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

// An item over a key of a settings file points at the key's row: the row gives the value
// it changes and the range it steps in, so that the menu never sets what the file's
// reading would replace by the default.
template <class Settings, size_t N>
consteval MenuItem keyItem(const char* label, ItemKind kind, Settings& values,
                           const std::array<KeyRow<Settings>, N>& table, int32_t Settings::*field,
                           int32_t rate, int32_t help) {
    const KeyRow<Settings>& row = keyRowOf(table, field);
    return {label, kind, &(values.*row.field), row.key, row.minimum, row.maximum, rate, help};
}
consteval MenuItem item(const char* label, ItemKind kind, int32_t GeneralSettings::*field,
                        int32_t rate, int32_t help) {
    return keyItem(label, kind, general, generalKeys, field, rate, help);
}
consteval MenuItem item(const char* label, ItemKind kind, int32_t ProfileSettings::*field,
                        int32_t rate, int32_t help) {
    return keyItem(label, kind, profile, profileKeys, field, rate, help);
}

// The items over values no file holds (the mod switch, the actions, the acceleration test)
// carry their own range.
constexpr MenuItem generalItems[] = {
    {"Mod", K::boolean, &schedule.modEnabled, nullptr, 0, 1, 5, 1},
    {"Reload Images", K::action, &menu.scratch, nullptr, 0, 0, 5, 2},
    {"Reload Extended", K::action, &menu.scratch, nullptr, 0, 0, 5, 3},
    item("Active Setting", K::number, &GeneralSettings::actSetting, 5, 4),
    item("Menu Key", K::functionKey, &GeneralSettings::menuKey, 10, 5),
    item("Refresh Interval", K::number, &GeneralSettings::refreshInterval, 10, 6),
};

constexpr MenuItem toggleItems[] = {
    item("Bicycle", K::boolean, &ProfileSettings::isEnabledInBic, 5, 8),
    item("Boat/Sub", K::boolean, &ProfileSettings::isEnabledInBoa, 5, 8),
    item("Car/Motorcycle", K::boolean, &ProfileSettings::isEnabledInCar, 5, 8),
    item("Plane/Heli", K::boolean, &ProfileSettings::isEnabledInPla, 5, 8),
    item("Train", K::boolean, &ProfileSettings::isEnabledInTra, 5, 8),
};

constexpr MenuItem unitItems[] = {
    item("Bicycle", K::unit, &ProfileSettings::bicUnit, 5, 7),
    item("Boat/Submarine", K::unit, &ProfileSettings::boaUnit, 5, 7),
    item("Car/Motorcycle", K::unit, &ProfileSettings::carUnit, 5, 7),
    item("Plane/Helicopter", K::unit, &ProfileSettings::plaUnit, 5, 7),
    item("Train", K::unit, &ProfileSettings::traUnit, 5, 7),
};

constexpr MenuItem featureItems[] = {
    item("Rpm", K::rpm, &ProfileSettings::rpm, 5, 9),
    item("Gear", K::boolean, &ProfileSettings::gear, 5, 10),
    item("Engine Damage", K::boolean, &ProfileSettings::dmg, 5, 11),
    item("Vertical Speed", K::boolean, &ProfileSettings::vertical, 5, 12),
    item("Vehicle Brand", K::boolean, &ProfileSettings::brand, 5, 13),
    item("Show Handbrake", K::boolean, &ProfileSettings::neutral, 5, 14),
    item("Show in FPV", K::boolean, &ProfileSettings::fpv, 5, 15),
    item("Show as Passenger", K::boolean, &ProfileSettings::passenger, 5, 16),
    item("Use High Background", K::boolean, &ProfileSettings::useHighSpeedo, 5, 17),
};

constexpr MenuItem opticsItems[] = {
    item("Use Primary Color", K::boolean, &ProfileSettings::usePrimColor, 5, 19),
    item("Needle Red", K::number, &ProfileSettings::needleRed, 30, 20),
    item("Needle Green", K::number, &ProfileSettings::needleGreen, 30, 20),
    item("Needle Blue", K::number, &ProfileSettings::needleBlue, 30, 20),
    item("Alpha Front", K::number, &ProfileSettings::alphaFrontMax, 15, 21),
    item("Alpha Back", K::number, &ProfileSettings::alphaBackMax, 15, 21),
    item("Alpha Brand Logo", K::number, &ProfileSettings::alphaBrand, 15, 22),
    item("Damage Intensity", K::number, &ProfileSettings::dmgIntensity, 25, 23),
    item("Damage Frequency", K::number, &ProfileSettings::dmgFrequency, 25, 23),
};

constexpr MenuItem speedFactorItems[] = {
    item("Bicycle", K::number, &ProfileSettings::bicFactor, 20, 24),
    item("Boat/Submarine", K::number, &ProfileSettings::boaFactor, 20, 24),
    item("Car/Motorcycle", K::number, &ProfileSettings::carFactor, 20, 24),
    item("Plane/Helicopter", K::number, &ProfileSettings::plaFactor, 20, 24),
    item("Train", K::number, &ProfileSettings::traFactor, 20, 24),
};

constexpr MenuItem placementItems[] = {
    item("Extra Gauge Is", K::extraGauge, &ProfileSettings::isExtraGaugeLeft, 5, 25),
    item("HUD Size", K::number, &ProfileSettings::hudSize, 12, 26),
    item("Main Offset X", K::number, &ProfileSettings::mainOffsetX, 100, 27),
    item("Main Offset Y", K::number, &ProfileSettings::mainOffsetY, 100, 27),
    item("RPM LEDs Offset X", K::number, &ProfileSettings::ledsOffsetX, 400, 28),
    item("RPM LEDs Offset Y", K::number, &ProfileSettings::ledsOffsetY, 400, 28),
};

constexpr MenuItem analyticsItems[] = {
    {"Acceleration Test", K::analyticsMode, &acceleration.testMode, nullptr, 0, 2, 5, 0},
    {"Acceleration Start", K::factorTen, &acceleration.startSpeedTens, nullptr, 0, 50, 5, 0},
    {"Acceleration Stop", K::factorTen, &acceleration.stopSpeedTens, nullptr, 0, 50, 5, 0},
    {"Work in progress...", K::number, nullptr, nullptr, 0, 0, 1, 0},
};

// [SECTION] Page table

template <size_t N>
constexpr int32_t countOf(const MenuItem (&)[N]) {
    return static_cast<int32_t>(N);
}

constexpr MenuPage pages[menuPageCount] = {
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
