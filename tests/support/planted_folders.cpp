#include "support/planted_folders.h"

#include <sys/stat.h>

#include <string>

#include "render/png_file.h"
#include "support/huge_png.h"
#include "support/planted_images.h"
#include "support/temp_files.h"

namespace fs = std::filesystem;

namespace planted_folders {

namespace {

void write(const fs::path& data, const std::string& name, const std::string& text) {
    temp_files::writeFile(data / name, text);
}

// A FIFO, or a test failure where one cannot be made.
void fifo(const fs::path& file) {
    if (::mkfifo(file.c_str(), 0644) != 0) throw fs::filesystem_error("mkfifo", file, {});
}

}  // namespace

void everyKindOfFault(const fs::path& data) {
    write(data, "settingsGeneral.ini",
          "[GENERAL]\n"
          "menuKey=13\n"           // 2: out of range
          "refreshInterval=abc\n"  // 3: not a number
          "actSetting=2\n"
          "ACTSETTING=3\n"  // 5: written twice (names compare without case)
          "volume=3\n"      // 6: unknown key
          "[SOUND]\n"       // 7: unknown section
          "level=2\n");
    write(data, "settings2.ini",
          "hudSize=100\n"  // 1: before any section
          "[PLACEMENT]\r\n"
          "hudSize 120\r\n"        // 3: no "="
          "mainOffsetX=900.5\r\n"  // 4: a fraction (the cluster stays where it was)
          "mainOffsetY=\r\n"       // 5: no value
          "; a comment\r\n"
          "\r\n"
          "ledsOffsetX=-1000 ; the far left\r\n");
    write(data, "settingsExtended.ini",
          "[CONSTANTS]\n"
          "led1R=256\n"              // 2: out of range
          "picCarSlowMphVel1=200\n"  // 3: beyond Vel2 (180)
          "picMaxKnoDeg1=2475\n"
          "picMaxKnoDeg2=2475\n"    // 5: all three angles alike
          "picLinSlowKmhVel0=90\n"  // 6: all three speeds alike
          "[Constants]\n"           // 7: the section again
          "led2R=0\n");
    write(data, "settingsBrands.ini",
          "[BRAND]\n"
          "brand0=Generic\n"
          "brand1=Albany\n"
          "brand2=NoSuchLogo\n"  // 4: no logo image
          "brand100=Extra\n"     // 5: never read
          "[LIVERY]\n"
          "ADDER=Albany\n"
          "BUFFALO=Bravado\n"               // 8: brand not in the list
          "AVERYLONGLIVERYNAME=Albany\n");  // 9: longer than any livery
    write(data, "settingsMaxRpm.ini",
          "[MAXRPM]\n"
          "ADDER=70\n"
          "ZENTORNO=9\n"  // 3: outside 10..150
          "T20=151\n"     // 4: outside 10..150
          "adder=80\n");  // 5: written twice
    fs::remove(data / "Needles" / "NeedleBigB.png");
    write(data, "Rpm/Rpm5.png", "not a picture");
    write(data, "settingsGenral.ini", "[GENERAL]\n");
}

void brandsLeftUnset(const fs::path& data) {
    write(data, "settingsBrands.ini", "[BRAND]\nbrand0=Generic\n");
    fs::remove(data / "Brands" / "Empty.png");
}

void unicodeProfile(const fs::path& data) {
    // UTF-16 with its byte-order mark: the INI layer reads it, so the check does too.
    const std::u16string text = u"\uFEFF[PLACEMENT]\r\nhudSize=300\r\n";
    write(data, "settings3.ini",
          std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t)));
}

void noDataFolder(const fs::path& data) {
    fs::remove_all(data);
}

void placementKeysMoveClusterOff(const fs::path& data) {
    write(data, "settings1.ini",
          "[TOGGLEHUD]\n"
          "isEnabledInBic=0\n"
          "isEnabledInBoa=0\n"
          "isEnabledInPla=0\n"
          "isEnabledInTra=0\n"
          "[FEATURES]\n"
          "rpm=2\n"
          "[PLACEMENT]\n"         // 8
          "mainOffsetX=990\n"     // 9: 90 per mille of 1920 further right
          "ledsOffsetY=1000\n");  // 10: the LEDs 2000 units below the velocity gauge's centre
}

void gaugesOverlap(const fs::path& data) {
    for (const auto& entry : fs::recursive_directory_iterator(data))
        if (entry.path().extension() == ".png")
            planted_images::writeBox(entry.path(), 1, 1, 0, 0, 0, 0);
    // 300 units right and 400 up of the velocity face; the fuel scale's lower-left quarter
    // reaches over it from the fuel gauge at (+381, -496).
    planted_images::writeBox(data / "Velocity" / "LinKmhFast.png", 1024, 1024, 512, 112, 812, 512);
    planted_images::writeBox(data / "Fuel" / "ExtFuelCokeScale.png", 512, 512, 0, 256, 256, 512);
}

void clusterMovedRight(const fs::path& data) {
    write(data, "settings1.ini", "[PLACEMENT]\nmainOffsetX=990\n");
}

void imagesTooLarge(const fs::path& data) {
    // One a pixel wider than the check decodes, one 1.6 GB once decoded.
    constexpr int side = sim::imageSideMax + 1;
    planted_images::writeBox(data / "Damage.png", side, 2, 0, 0, side, 2);
    huge_png::write(data / "Shadow" / "ShadowMain.png", 20000, 20000);
}

void fifosAndEndlessFile(const fs::path& data) {
    fifo(data / "settings1.ini");
    fs::create_symlink("/dev/zero", data / "settings2.ini");
    fs::remove(data / "Needles" / "NeedleBigA.png");
    fifo(data / "Needles" / "NeedleBigA.png");
}

void loopsOfLinks(const fs::path& data) {
    fs::remove(data / "settingsExtended.ini");
    fs::create_symlink("settingsExtended.ini", data / "settingsExtended.ini");
    fs::create_symlink("loop-b", data / "settings3.ini");
    fs::create_symlink("settings3.ini", data / "loop-b");
    fs::remove(data / "Needles" / "NeedleSmallA.png");
    fs::create_symlink("NeedleSmallA.png", data / "Needles" / "NeedleSmallA.png");
}

const std::vector<Folder>& all() {
    static const std::vector<Folder> folders = {
        {"shipped", nullptr, true},
        {"every kind of fault", everyKindOfFault, true},
        {"brands left unset", brandsLeftUnset, true},
        {"unicode profile", unicodeProfile, true},
        {"no data folder", noDataFolder, true},
        {"placement keys move the cluster off", placementKeysMoveClusterOff, true},
        {"gauges overlap", gaugesOverlap, true},
        {"cluster moved right", clusterMovedRight, true},
        {"images too large", imagesTooLarge, true},
        {"FIFOs and an endless file", fifosAndEndlessFile, false},
        {"loops of symbolic links", loopsOfLinks, false},
    };
    return folders;
}

}  // namespace planted_folders
