#include "menu/help_texts.h"

#include "core/process_texts.h"

namespace velquist {

namespace {

struct HelpLine {
    int block;
    int line;
    const char* text;
};

// Blocks 0 and 18 belong to no item and stay empty.
constexpr HelpLine helpTable[] = {
    // General: "Mod"
    {1, 0, "Enable/Disable the entire mod."},
    {1, 2, "While disabled the mod doesn't do anything except"},
    {1, 3, "checking if the user tries to open the mod menu."},
    {1, 7, "Velquist, made by the Velquist developers."},
    {1, 8, "Questions and skins: see README.txt beside Velquist.asi."},
    {1, 9, "Found a fault? Note your settings*.ini and what you did."},
    // General: "Reload Images"
    {2, 0, "Reload all graphics used by this mod."},
    {2, 2, "This is automatically done on a restart of GTA V."},
    {2, 3, "If you changed an image while the game was running, you're"},
    {2, 4, "able to reload it manually without restarting the game."},
    // General: "Reload Extended"
    {3, 0, "Reload extended settings."},
    {3, 2, "Some values can't be accessed using the mod menu."},
    {3, 3, "You have to manually edit the settingsExtended.ini"},
    {3, 4, "and reload it."},
    {3, 6, "Note:"},
    {3, 7, "The average user can ignore these settings."},
    // General: "Active Setting"
    {4, 0, "Active (current) setting"},
    {4, 2, "This mod saves three different settings."},
    {4, 3, "Changes are immediately saved in the current setting file."},
    {4, 7, "Note: (advanced)"},
    {4, 8, "There are few settings which can't be changed in the mod"},
    {4, 9, "menu, take a look at the .ini files  to access them."},
    // General: "Menu Key"
    {5, 0, "Choose the F-Key for opening the mod menu to avoid"},
    {5, 1, "conflicts with other mods."},
    // General: "Refresh Interval"
    {6, 0, "Target time interval for refreshing."},
    {6, 2, "After calculating the informations the HUD will be drawn"},
    {6, 3, "and the mod waits the target time interval."},
    {6, 4, "Actually small values are only achieved by powerful systems."},
    // Units: every item
    {7, 0, "Select the unit."},
    {7, 2, "You can seperately set the unit for these five types of vehicle."},
    {7, 3, "Boats/Submarines and Planes/Helicopters additionally have"},
    {7, 4, "a speedo with knots."},
    // Toggle HUD: every item
    {8, 0, "Enable/Disable entire hud for a specific vehicle type."},
    {8, 2, "Example:"},
    {8, 3, "Some mods offer a more detailed HUD while flying as a"},
    {8, 4, "result the HUD by this mod has to be disabled in planes."},
    // Features: "Rpm"
    {9, 0, "Enable/Disable the rpm gauge."},
    {9, 2, "This feature is only available as driver of a car / motorcycle."},
    {9, 3, "There are two varitions: analogue or using LEDs"},
    {9, 5, "Note:"},
    {9, 6, "Change led colors in settingsExtended.ini"},
    {9, 7, "Change max rpm in settingsMaxRpm.ini"},
    // Features: "Gear"
    {10, 0, "Enable/Disable the gear indicator."},
    {10, 2, "This feature is only available as driver of a car / motorcycle."},
    {10, 4, "Note:"},
    {10, 5, "Official support for Manual Transmission Mod by Quenby"},
    {10, 6, "Displays shift up/down indicator if this mod is installed."},
    {10, 7, "(Recommended)"},
    // Features: "Engine Damage"
    {11, 0, "Enable/Disable the damage indicator."},
    {11, 2, "The indicator isn't visible if the vehicle isn't damaged."},
    {11, 3, "The speedometer background will start flashing red with"},
    {11, 4, "an increasing intensity."},
    {11, 5, "If the engine health is below 0 its constantly red."},
    {11, 6, "(Value range 1000 <-> -4000)"},
    {11, 8, "Frequency and intensitiy is adjustable under the menu"},
    {11, 9, "point 'Optics'."},
    // Features: "Vertical Speed"
    {12, 0, "Enable/Disable the vetical speed gauge."},
    {12, 2, "This feature is only available in flying vehicles."},
    {12, 3, "The unit can't be changed and is meters per second."},
    {12, 4, "The scale is logarithmic."},
    // Features: "Vehicle Brand"
    {13, 0, "Enable/Disable the vehicle's brand logo."},
    {13, 2, "If the livery name (text below) is registered in"},
    {13, 3, "the settingsBrands.ini this feature will draw a"},
    {13, 4, "logo of the brand on the hud."},
    {13, 6, "This mod supports vehicle replacement and addons."},
    {13, 8, "Simply adjust the ini files after modding."},
    {13, 9, "[Work in progress]"},
    // Features: "Show Handbrake"
    {14, 0, "Choose whether show active hand brake or not."},
    {14, 2, "When this feature is enabled, the current gear"},
    {14, 3, "will be overwritten as 'Neutral/N' while the"},
    {14, 4, "handbrake control is pressed."},
    // Features: "Show in FPV"
    {15, 0, "Enable/Disable HUDs during first person view."},
    {15, 2, "Set to [OFF] will fade out every component when playing"},
    {15, 3, "in FPV."},
    // Features: "Show as Passenger"
    {16, 0, "Enable/Disable HUD as passenger."},
    {16, 2, "Note:"},
    {16, 3, "Even if its enabled as passenger, gear and rpm won't"},
    {16, 4, "be displayed."},
    // Features: "Use High Background"
    {17, 0, "Enable/Disable speedometer with high limits by default."},
    {17, 2, "Set to [OFF] the limit of the speedo is based on the"},
    {17, 3, "topspeed of the current vehicle. (No handling mod)"},
    {17, 4, "Set to [ON] the limit of the speedo will be higher,"},
    {17, 5, "e.g. boats have 180kmh limit by default instead of 90kmh."},
    {17, 6, "Note:"},
    {17, 7, "However, the mod will dynamically increase the limit"},
    {17, 8, "when the vehicle reaches the current maximum visible"},
    {17, 9, "speed."},
    // Optics: "Use Primary Color"
    {19, 0, "Enable/Disable the usage of the primary vehicle color"},
    {19, 1, "as needle color."},
    {19, 3, "This feature is exclusively for cars and motorcycles."},
    {19, 4, "The primary color has to be bright and neither white nor grey"},
    {19, 5, "to be used."},
    {19, 6, "Otherwise the standard color will be used."},
    // Optics: the three needle colours
    {20, 0, "Set the RGB values of the standard needle color."},
    {20, 2, "Note:"},
    {20, 3, "The valid range is <0-255>"},
    // Optics: "Alpha Front", "Alpha Back"
    {21, 0, "Adjust the alpha values. (Transparency)"},
    {21, 2, "The background is the black shadow/carbon fiber/..."},
    // Optics: "Alpha Brand Logo"
    {22, 0, "Adjust the alpha value of the brand logo"},
    {22, 2, "Brand Logo has to be enabled under the menu point"},
    {22, 3, "Features."},
    {22, 5, "Note:"},
    {22, 6, "The valid range is <30-100>"},
    // Optics: "Damage Intensity", "Damage Frequency"
    {23, 0, "Adjust the frequency and intensity of the damage indicator."},
    {23, 2, "Both values are factors in per cent."},
    {23, 3, "200 will double the frequence/intensity."},
    {23, 4, "..."},
    // Speedfactor: every item
    {24, 0, "This feature can be ignored by the average user."},
    {24, 2, "The values are factors in per cent."},
    {24, 3, "They falsify the speed shown on the HUD."},
    {24, 5, "Example:"},
    {24, 6, "Planes are flying to slow in vanilla GTA V."},
    {24, 7, "Without modding the actual speed you can show a more"},
    {24, 8, "realistic value by changing the factor to 150%."},
    // Placement: "Extra Gauge Is"
    {25, 0, "Choose the position of the second (smaller) gauge."},
    {25, 2, "Either the extra gauge is on the LEFT side or ABOVE the"},
    {25, 3, "velocity gauge."},
    {25, 4, "(Currently analogue rpm and vertical speed)"},
    // Placement: "HUD Size"
    {26, 0, "Scale the HUD."},
    {26, 2, "This is a size factor applied to all components."},
    // Placement: "Main Offset X", "Main Offset Y"
    {27, 0, "Adjust the offset of the entire HUD."},
    {27, 2, "The postion is in per mill on the screen."},
    {27, 3, "0 left, 1000 right"},
    {27, 4, "0 top, 1000 bottom"},
    // Placement: "RPM LEDs Offset X", "RPM LEDs Offset Y"
    {28, 0, "Adjust the offset of the rpm LEDs."},
    {28, 2, "In order to see changes, you have to enable the rpm"},
    {28, 3, "gauge and the usage of LEDs. Menu point 'Features'"},
    {28, 4, "Also the rpm gauge is only available in cars and"},
    {28, 5, "motorcycles."},
};

}  // namespace

void buildHelpTexts() {
    for (std::string& line : texts.helpLines)
        line.clear();
    for (const HelpLine& h : helpTable)
        texts.helpLines[static_cast<size_t>(h.block * helpBlockLines + h.line)] = h.text;
}

}  // namespace velquist
