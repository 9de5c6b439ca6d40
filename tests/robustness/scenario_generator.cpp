#include "robustness/scenario_generator.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <set>
#include <string_view>
#include <vector>

#include "hud/texture_catalogue.h"
#include "settings/extended_settings.h"
#include "settings/profile_keys.h"

namespace scenario_fuzz {

uint64_t Rng::next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

namespace {

namespace catalogue = velquist::catalogue;

// Values an INI key may hold that are not a plain number in its range: bounds and one
// past them, numbers beyond 32 bits, other bases, signs, blanks, comments, quotes, text,
// digits of other scripts, nothing at all.
constexpr const char* oddIniValues[] = {"0",
                                        "1",
                                        "-1",
                                        "2",
                                        "3",
                                        "4",
                                        "5",
                                        "9",
                                        "10",
                                        "12",
                                        "13",
                                        "29",
                                        "30",
                                        "49",
                                        "50",
                                        "51",
                                        "100",
                                        "101",
                                        "150",
                                        "151",
                                        "199",
                                        "200",
                                        "201",
                                        "255",
                                        "256",
                                        "1000",
                                        "1001",
                                        "-1000",
                                        "-1001",
                                        "7200",
                                        "7201",
                                        "-7200",
                                        "-7201",
                                        "10000",
                                        "10001",
                                        "2147483647",
                                        "2147483648",
                                        "-2147483648",
                                        "-2147483649",
                                        "4294967295",
                                        "4294967296",
                                        "18446744073709551617",
                                        "99999999999999999999999999999999999999",
                                        "0x10",
                                        "0xFFFFFFFF",
                                        "0x7fffffff",
                                        "0o17",
                                        "0b101",
                                        "+7",
                                        "   8",
                                        "8   ",
                                        "\t-250",
                                        "abc",
                                        "",
                                        "-",
                                        "+",
                                        "1e3",
                                        "12abc",
                                        "5;comment",
                                        "7 ;\t\tF1-F12 Key to open the mod menu.\t\t (10) < 1-12>",
                                        "\"5\"",
                                        "'6'",
                                        "\"\"",
                                        "\xd9\xa3",
                                        "\xef\xbc\x95",
                                        "=",
                                        "==5",
                                        "0000000000000000000000000000007",
                                        "3.9",
                                        ",",
                                        "-0"};

// Floats the game could answer: the extremes and values that are no number at all.
constexpr const char* oddFloats[] = {"nan",   "inf",    "-inf",    "0",     "-0",  "1e30",
                                     "-1e30", "3.4e38", "-3.4e38", "1e-40", "-5",  "12.5",
                                     "27.8",  "0.1",    "0.5",     "1",     "1.5", "-0.1",
                                     "100",   "800",    "-4000",   "-5000", "1e9", "0.9999"};

constexpr const char* decoratorNames[] = {"CokeInPossession",
                                          "MethInPossession",
                                          "WeedInPossession",
                                          "hunt_score",
                                          "hunt_weapon",
                                          "fuel_level",
                                          "x"};

constexpr const char* floatDecoratorValues[] = {"0.5", "1.0",  "0.0",  "1.5", "-0.1",   "nan",
                                                "inf", "-inf", "0.25", "2.",  "1.0e38", "0.49"};
constexpr const char* intDecoratorValues[] = {"0",  "1",          "2",           "3",
                                              "-1", "2147483647", "-2147483648", "9"};

constexpr int32_t classes[] = {0,  1,  2,   3,          4,  5,  6,  7,  8,  9,  10,
                               11, 12, 13,  14,         15, 16, 17, 18, 19, 20, 21,
                               22, -1, 100, 2147483647, 13, 14, 15, 16, 21, 7,  -2147483647};

constexpr int32_t gameVersions[] = {-2147483647, -1, 0, 3, 4, 25, 26, 30, 99, 2147483647};

constexpr int32_t controls[] = {19, 76, 106, 107, 172, 173, 174, 175, 201, 202, 0, 255, 1000};

// Menu keys by what they do: up, down, left, right, select, back (keypad), and the game
// controls that stand for them.
constexpr const char* menuKeys[] = {"NUMPAD8", "NUMPAD2", "NUMPAD4",
                                    "NUMPAD6", "NUMPAD5", "NUMPAD0"};
constexpr int32_t menuControls[] = {172, 173, 174, 175, 201, 202};

class Generator {
  public:
    explicit Generator(uint64_t seed) : rng_(seed), seed_(seed) {}
    GeneratedScenario run();

  private:
    void line(const std::string& text) {
        out_ += text + "\n";
        // The plug-in is loaded when time first passes.
        if (text.rfind("run ", 0) == 0 || text.rfind("frames ", 0) == 0 ||
            text.rfind("press ", 0) == 0)
            loaded_ = true;
    }
    std::string num(int64_t v) { return std::to_string(v); }
    std::string floatWord();
    std::string label();

    // The game folder before the plug-in loads.
    void setup();
    void dataFiles();
    void iniFile(const std::string& name, const std::string& text);
    std::string iniValue(int32_t lo, int32_t hi);
    std::string generalIni();
    std::string profileIni();
    std::string extendedIni();
    std::string brandsIni();
    std::string maxRpmIni();
    std::string garbageLines();
    std::string mangle(std::string text);
    void images();
    void file(const std::string& path, const std::string& bytes);

    // Time and the world while it runs.
    void planVehicles();
    void step();
    void wait();
    void worldChange();
    void keyEvent();
    void tap(const std::string& key, uint32_t holdMs);
    void menuSession();
    void accelerationTour();
    bool spend(uint64_t ms);

    Rng rng_;
    uint64_t seed_;
    std::string out_;
    GeneratedScenario result_;
    std::vector<std::string> vehicleNames_;
    std::vector<std::string> vehicleLines_;  // defined once the game folder is ready
    std::vector<std::string> labels_;        // the labels that are texts (not null)
    std::set<std::string> folders_;          // settings files now replaced by folders
    uint32_t frameMs_ = 16;
    uint64_t framesLeft_ = 2500;  // a bound on the run's length
    std::string menuKey_ = "F10";
    bool loaded_ = false;    // time has passed: the plug-in was loaded
    bool unloaded_ = false;  // ... and is unloaded now
};

std::string Generator::floatWord() {
    if (rng_.percent(50)) return rng_.pick(oddFloats);
    char buf[32];
    const double v = static_cast<double>(rng_.range(-200000, 200000)) / 1000.0;
    std::snprintf(buf, sizeof buf, "%.3f", v);
    return buf;
}

std::string Generator::label() {
    switch (rng_.below(9)) {
        case 0:
            return "null";
        case 1:
            return "";
        case 2:
            return std::string(static_cast<size_t>(rng_.range(16, 17)), 'L');  // the cut
        case 3:
            return std::string(static_cast<size_t>(rng_.range(64, 300)), 'W');
        case 4:
            return "[odd]=;x\\y/z";
        case 5:
            return "\xc3\x9c\xff\x80\x01";  // UTF-8, stray bytes, a control character
        case 6:
            return "CARNOTFOUND";
        default: {
            constexpr const char* known[] = {"ADDER", "BATI",    "BMX",      "JETMAX", "BUZZARD",
                                             "LAZER", "FREIGHT", "ZENTORNO", "T20"};
            return rng_.pick(known);
        }
    }
}

std::string Generator::iniValue(int32_t lo, int32_t hi) {
    if (rng_.percent(55)) return num(rng_.range(lo, hi));
    return rng_.pick(oddIniValues);
}

// A key line with a value, at times with odd spacing or a comment behind it.
std::string keyLine(Rng& rng, const std::string& key, const std::string& value) {
    switch (rng.below(6)) {
        case 0:
            return "  " + key + " =\t" + value;
        case 1:
            return key + "=" + value + ";\tcomment (1) <0-1>";
        case 2: {
            std::string upper = key;
            for (char& c : upper)
                if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
            return upper + "=" + value;
        }
        default:
            return key + "=" + value;
    }
}

std::string Generator::generalIni() {
    std::string text = "[GENERAL]\n";
    const int32_t key = static_cast<int32_t>(rng_.range(1, 12));
    menuKey_ = "F10";
    if (rng_.percent(70)) {
        text += "menuKey=" + num(key) + "\n";
        menuKey_ = "F" + num(key);
    } else if (rng_.percent(50)) {
        text += keyLine(rng_, "menuKey", rng_.pick(oddIniValues)) + "\n";
        menuKey_ = "F" + num(rng_.range(1, 12));  // a guess: odd values may fall back
    }
    if (rng_.percent(80)) text += keyLine(rng_, "refreshInterval", iniValue(5, 50)) + "\n";
    if (rng_.percent(80)) text += keyLine(rng_, "actSetting", iniValue(1, 3)) + "\n";
    return text;
}

std::string Generator::profileIni() {
    std::string text;
    const char* section = "";
    for (const auto& k : velquist::profileKeys) {
        if (std::string_view(section) != k.section) {
            section = k.section;
            if (rng_.percent(95)) text += std::string("[") + section + "]\n";
        }
        if (rng_.percent(70)) text += keyLine(rng_, k.key, iniValue(k.minimum, k.maximum)) + "\n";
    }
    return text;
}

std::string Generator::extendedIni() {
    std::string text = "[CONSTANTS]\n";
    const char colours[] = {'R', 'G', 'B'};
    for (int led = 1; led <= 9; ++led)
        for (char c : colours)
            if (rng_.percent(30))
                text += keyLine(rng_, "led" + num(led) + c, iniValue(0, 255)) + "\n";
    const char* fields[] = {"Deg0", "Deg1", "Deg2", "Vel0", "Vel1", "Vel2"};
    for (const auto& group : velquist::calibrationDefaults) {
        for (int f = 0; f < 6; ++f) {
            if (!rng_.percent(30)) continue;
            const std::string value = f < 3 ? iniValue(-7200, 7200) : iniValue(0, 10000);
            text += keyLine(rng_, std::string(group.group) + fields[f], value) + "\n";
        }
    }
    return text;
}

std::string Generator::brandsIni() {
    std::string text = "[BRAND]\n";
    constexpr const char* names[] = {"Grotti",       "Pegassi",       "",    "UnkownLivery",
                                     "Empty",        "..\\..\\..\\x", "a/b", "Brand With Spaces",
                                     "\xc3\x9c\xff", "CON",           "nul"};
    for (int i = 0; i < 110; ++i) {
        if (!rng_.percent(20)) continue;
        std::string name = rng_.percent(80)
                               ? std::string(rng_.pick(names))
                               : std::string(static_cast<size_t>(rng_.range(60, 400)), 'B');
        text += "brand" + num(i) + "=" + name + "\n";
    }
    text += "[LIVERY]\n";
    for (const std::string& l : labels_)
        if (rng_.percent(60)) text += l + "=" + std::string(rng_.pick(names)) + "\n";
    return text;
}

std::string Generator::maxRpmIni() {
    std::string text = "[MAXRPM]\n";
    for (const std::string& l : labels_)
        if (rng_.percent(70)) text += keyLine(rng_, l, iniValue(10, 150)) + "\n";
    return text;
}

std::string Generator::garbageLines() {
    std::string text;
    const int n = static_cast<int>(rng_.range(1, 6));
    for (int i = 0; i < n; ++i) {
        switch (rng_.below(7)) {
            case 0:  // raw bytes, NUL included
                for (int64_t k = rng_.range(1, 200); k > 0; --k)
                    text += static_cast<char>(rng_.below(256));
                break;
            case 1:  // a very long line
                text +=
                    "menuKey=" +
                    std::string(static_cast<size_t>(rng_.percent(90) ? rng_.range(300, 10000)
                                                                     : rng_.range(60000, 200000)),
                                static_cast<char>('0' + rng_.below(10)));
                break;
            case 2:
                text += "[" + std::string(static_cast<size_t>(rng_.range(0, 3000)), 'S');
                break;
            case 3:
                text += "[]\n=\n==\n[GENERAL\n]";
                break;
            case 4:
                text += "; a comment line = with [brackets]";
                break;
            case 5:
                text += std::string(static_cast<size_t>(rng_.range(1, 5000)), '\r');
                break;
            default:
                text += "\x1a";  // a DOS end-of-file mark
                break;
        }
        text += "\n";
    }
    return text;
}

// Garbage between the lines, another line ending, a byte-order mark, the file cut short.
std::string Generator::mangle(std::string text) {
    if (rng_.percent(35)) {
        const size_t at = static_cast<size_t>(rng_.below(text.size() + 1));
        text.insert(std::min(at, text.size()), garbageLines());
    }
    if (rng_.percent(20)) {
        std::string crlf;
        for (char c : text) {
            if (c == '\n') crlf += '\r';
            crlf += c;
        }
        text = crlf;
    }
    if (rng_.percent(15) && !text.empty())
        text.resize(static_cast<size_t>(rng_.below(text.size())));
    switch (rng_.below(12)) {
        case 0:
            return "\xef\xbb\xbf" + text;
        case 1: {
            std::string utf16 = "\xff\xfe";
            for (char c : text) {
                utf16 += c;
                utf16 += '\0';
            }
            return utf16;
        }
        case 2: {
            std::string utf16 = "\xfe\xff";
            for (char c : text) {
                utf16 += '\0';
                utf16 += c;
            }
            return utf16;
        }
        default:
            return text;
    }
}

// The scenario writes a file line by line and ends it with a line feed; no line of the
// body may read `end`.
void Generator::file(const std::string& path, const std::string& bytes) {
    line("file " + path);
    size_t start = 0;
    while (start < bytes.size()) {
        size_t nl = bytes.find('\n', start);
        if (nl == std::string::npos) nl = bytes.size();
        std::string body = bytes.substr(start, nl - start);
        size_t a = 0, b = body.size();
        while (a < b && std::isspace(static_cast<unsigned char>(body[a])))
            ++a;
        while (b > a && std::isspace(static_cast<unsigned char>(body[b - 1])))
            --b;
        if (body.compare(a, b - a, "end") == 0) body += "x";
        line(body);
        start = nl + 1;
    }
    line("end");
}

void Generator::iniFile(const std::string& name, const std::string& text) {
    // A folder in the file's place goes first.
    if (folders_.erase(name)) line("remove " + name);
    switch (rng_.below(14)) {
        case 0:  // a folder where the file should be
            line("remove " + name);
            file(name + "/inside.txt", "x\n");
            folders_.insert(name);
            return;
        case 1:  // zero bytes
            file(name, "");
            return;
        case 2:
            line("remove " + name);
            return;
        default:
            file(name, mangle(text));
    }
}

void Generator::images() {
    std::vector<std::string> paths = {catalogue::shadowMain,   catalogue::rpmText,
                                      catalogue::ledOn,        catalogue::needleBigA,
                                      catalogue::needleSmallA, catalogue::damageImage,
                                      catalogue::verticalDial, catalogue::fuelScale};
    for (const char* p : catalogue::rpmDials)
        paths.push_back(p);
    for (const auto& face : catalogue::velocityFaces)
        paths.push_back(face.file);
    for (const char* p : catalogue::gearDigits)
        paths.push_back(p);
    for (std::string& p : paths)
        std::replace(p.begin(), p.end(), '\\', '/');
    for (int64_t n = rng_.range(0, 6); n > 0; --n) {
        const std::string& path = paths[rng_.below(paths.size())];
        switch (rng_.below(4)) {
            case 0:
                line("remove " + path);
                break;
            case 1:
                file(path, "");  // zero bytes
                break;
            case 2:  // a PNG signature and then garbage
                file(path, std::string("\x89PNG\r\n\x1a\n", 8) + garbageLines());
                break;
            default:
                file(path, "not an image at all\n");
                break;
        }
    }
}

void Generator::dataFiles() {
    if (rng_.percent(70)) iniFile("settingsGeneral.ini", generalIni());
    for (int n = 1; n <= 3; ++n)
        if (rng_.percent(50)) iniFile("settings" + num(n) + ".ini", profileIni());
    if (rng_.percent(50)) iniFile("settingsExtended.ini", extendedIni());
    if (rng_.percent(50)) iniFile("settingsBrands.ini", brandsIni());
    if (rng_.percent(50)) iniFile("settingsMaxRpm.ini", maxRpmIni());
    if (rng_.percent(20)) iniFile("analytics.ini", "[ADDER]\n__0-100kmh=5230ms\n");
    if (rng_.percent(60)) images();
}

void Generator::setup() {
    line("# generated by velquist-scenario-fuzz, seed " + std::to_string(seed_));
    // The menu is laid out in pixels and needs 800 x 600 to stay on the screen.
    constexpr int widths[] = {800, 1280, 1600, 1920, 2560, 3840, 7680};
    constexpr int heights[] = {600, 720, 900, 1080, 1440, 2160, 4320};
    if (rng_.percent(60)) line("screen " + num(rng_.pick(widths)) + " " + num(rng_.pick(heights)));
    constexpr uint32_t frames[] = {16, 16, 16, 16, 33, 1, 5, 12, 50, 100, 1000, 60000};
    frameMs_ = rng_.pick(frames);
    if (frameMs_ != 16) line("frame " + num(frameMs_));
    switch (rng_.below(4)) {
        case 0:  // the plug-in starts just before the tick count wraps
            line("tick " + num(4294967296ll - rng_.range(1, 20000)));
            break;
        case 1:
            line("tick " + num(rng_.range(0, 4294967295ll)));
            break;
        case 2:
            line("tick 0");
            break;
        default:
            break;
    }
    if (rng_.percent(30)) line("version " + num(rng_.pick(gameVersions)));
    if (rng_.percent(30)) line("daytime " + num(rng_.range(0, 23)) + " " + num(rng_.range(0, 59)));
    result_.dataFolder = rng_.percent(92);
    if (result_.dataFolder) dataFiles();
    if (rng_.percent(10)) line(rng_.percent(50) ? "disk full" : "disk readonly");
}

void Generator::planVehicles() {
    const int64_t n = rng_.range(1, 6);
    for (int64_t i = 0; i < n; ++i) {
        const std::string name = "v" + num(i);
        const std::string l = label();
        if (l != "null") labels_.push_back(l);
        // Vehicles of one model share a label: each gets a model of its own.
        vehicleLines_.push_back("vehicle " + name + " label=" + l +
                                " class=" + num(rng_.pick(classes)) + " model=" + num(1000 + i));
        vehicleNames_.push_back(name);
    }
}

bool Generator::spend(uint64_t ms) {
    const uint64_t frames = std::max<uint64_t>(1, (ms + frameMs_ - 1) / frameMs_);
    if (frames > framesLeft_) return false;
    framesLeft_ -= frames;
    return true;
}

void Generator::wait() {
    const uint64_t ms = rng_.percent(70) ? static_cast<uint64_t>(rng_.range(0, 600))
                                         : static_cast<uint64_t>(rng_.range(600, 8000));
    if (rng_.percent(20)) {
        const uint64_t n = static_cast<uint64_t>(rng_.range(1, 30));
        if (spend(n * frameMs_)) line("frames " + num(static_cast<int64_t>(n)));
        return;
    }
    if (spend(ms)) line("run " + num(static_cast<int64_t>(ms)));
}

void Generator::tap(const std::string& key, uint32_t holdMs) {
    if (!spend(holdMs + 250)) return;
    line("press " + key + " " + num(holdMs));
    line("run " + num(rng_.range(0, 260)));
}

// The menu opened with its key, then random moves and value steps, some held for long.
void Generator::menuSession() {
    tap(menuKey_, 16);
    for (int64_t n = rng_.range(1, 25); n > 0; --n) {
        const size_t what = rng_.below(6);
        const uint32_t hold = rng_.percent(85) ? 16 : static_cast<uint32_t>(rng_.range(100, 3000));
        if (rng_.percent(85)) {
            tap(menuKeys[what], hold);
        } else if (spend(hold + 250)) {  // the game pad
            line("control " + num(menuControls[what]) + " pressed");
            line("run " + num(hold));
            line("control " + num(menuControls[what]) + " released");
            line("run 250");
        }
    }
    if (rng_.percent(70)) {
        tap("NUMPAD0", 16);
        tap("NUMPAD0", 16);
    }
}

// Right after loading every selection is 0: up to the Analytics page, arm the test with
// random speeds, and drive.
void Generator::accelerationTour() {
    tap(menuKey_, 16);
    tap("NUMPAD8", 16);
    tap("NUMPAD5", 16);
    for (int64_t n = rng_.range(1, 2); n > 0; --n)
        tap("NUMPAD6", 16);
    tap("NUMPAD2", 16);
    for (int64_t n = rng_.range(0, 3); n > 0; --n)
        tap("NUMPAD6", 16);
    tap("NUMPAD2", 16);
    for (int64_t n = rng_.range(0, 3); n > 0; --n)
        tap(rng_.percent(50) ? "NUMPAD6" : "NUMPAD4", 16);
    tap("NUMPAD0", 16);
    tap("NUMPAD0", 16);
    const std::string& v = vehicleNames_[rng_.below(vehicleNames_.size())];
    line("enter " + v);
    line("drive " + v + " throttle=1");
    if (spend(12000)) line("run 12000");
    line("drive " + v + " throttle=0 brake=1");
    if (spend(8000)) line("run 8000");
}

void Generator::worldChange() {
    const std::string& v = vehicleNames_[rng_.below(vehicleNames_.size())];
    switch (rng_.below(16)) {
        case 0:
        case 1: {
            std::string l = "set " + v;
            constexpr const char* floatFields[] = {"speed", "health", "rpm", "throttle"};
            for (int64_t n = rng_.range(1, 4); n > 0; --n) {
                switch (rng_.below(7)) {
                    case 0:
                        l += " vel=" + floatWord() + "," + floatWord() + "," + floatWord();
                        break;
                    case 1:
                        l += " engine=" + num(rng_.range(0, 1));
                        break;
                    case 2:
                        l += " gear=" +
                             num(rng_.percent(80) ? rng_.range(0, 10) : rng_.range(0, 65535));
                        break;
                    case 3:
                        l += " colour=" + num(rng_.range(0, 255)) + "," + num(rng_.range(0, 255)) +
                             "," + num(rng_.range(0, 255));
                        break;
                    case 4: {
                        constexpr const char* drivers[] = {"player", "other", "none"};
                        l += std::string(" driver=") + rng_.pick(drivers);
                        break;
                    }
                    default:
                        l += std::string(" ") + rng_.pick(floatFields) + "=" + floatWord();
                        break;
                }
            }
            line(l);
            break;
        }
        case 2: {
            const char* name = rng_.pick(decoratorNames);
            line(std::string("deco ") + v + " " + name + "=" +
                 (rng_.percent(50) ? rng_.pick(floatDecoratorValues)
                                   : rng_.pick(intDecoratorValues)));
            break;
        }
        case 3:
            line(std::string("undeco ") + v + " " + rng_.pick(decoratorNames));
            break;
        case 4:
        case 5:
            line("enter " + v + (rng_.percent(25) ? " seat=passenger" : ""));
            break;
        case 6:
            line("leave");
            break;
        case 7: {
            constexpr const char* states[] = {"exists", "control", "dead", "arrested", "phone"};
            if (rng_.percent(20))
                line("player index=" + num(rng_.percent(50) ? rng_.range(-1, 3)
                                                            : rng_.range(-2147483647, 2147483647)));
            else
                line(std::string("player ") + rng_.pick(states) + "=" + num(rng_.range(0, 1)));
            break;
        }
        case 8:
            line("view " + num(rng_.percent(80) ? rng_.range(0, 4) : rng_.range(-5, 100)));
            break;
        case 9:
            line("hud " + num(rng_.percent(70) ? (rng_.percent(50) ? 3 : 6) : rng_.range(0, 30)) +
                 (rng_.percent(50) ? " shown" : " hidden"));
            break;
        case 10: {
            constexpr const char* states[] = {"pressed", "released", "enabled", "disabled"};
            line("control " + num(rng_.pick(controls)) + " " + rng_.pick(states));
            break;
        }
        case 11:
            line("daytime " + num(rng_.range(0, 23)) + " " + num(rng_.range(0, 59)));
            break;
        case 12:
            if (rng_.percent(25)) {
                line("drive " + v + " off");
            } else {
                char buf[96];
                std::snprintf(buf, sizeof buf, "drive %s throttle=%.2f brake=%.2f", v.c_str(),
                              static_cast<double>(rng_.below(101)) / 100.0,
                              static_cast<double>(rng_.percent(70) ? 0 : rng_.below(101)) / 100.0);
                line(buf);
            }
            break;
        case 13:
            line("version " + num(rng_.pick(gameVersions)));
            break;
        default:
            line("set " + v + " speed=" + floatWord() + " engine=1 rpm=" + floatWord() +
                 " throttle=" + floatWord() + " gear=" + num(rng_.range(0, 12)));
            break;
    }
}

void Generator::keyEvent() {
    switch (rng_.below(6)) {
        case 0:  // any code, 255 and above included
            line("key " + num(rng_.percent(50) ? rng_.range(0, 0xFFFF) : rng_.range(250, 260)) +
                 (rng_.percent(70) ? " down" : " up"));
            break;
        case 1:  // a key pressed and never let go
            line("key " + std::string(rng_.pick(menuKeys)) + " down");
            break;
        case 2:
            line("key F" + num(rng_.range(1, 12)) + (rng_.percent(50) ? " down" : " up"));
            break;
        case 3:
            tap(menuKey_, rng_.percent(80) ? 16 : static_cast<uint32_t>(rng_.range(100, 6000)));
            break;
        default:
            tap(rng_.pick(menuKeys), 16);
            break;
    }
}

void Generator::step() {
    const uint64_t what = rng_.below(100);
    if (what < 35) {
        worldChange();
    } else if (what < 50) {
        keyEvent();
    } else if (what < 58) {
        menuSession();
    } else if (what < 85) {
        wait();
    } else if (what < 88) {
        constexpr uint32_t frames[] = {1, 5, 16, 16, 33, 100, 1000};
        frameMs_ = rng_.pick(frames);
        line("frame " + num(frameMs_));
    } else if (what < 90) {
        // The clock jumps: forward, back, or to just before the wrap.
        line("tick " + num(rng_.percent(50) ? 4294967296ll - rng_.range(1, 5000)
                                            : rng_.range(0, 4294967295ll)));
    } else if (what < 93 && result_.dataFolder) {
        // A settings file changed on the disk while the game runs; the menu reloads.
        switch (rng_.below(3)) {
            case 0:
                iniFile("settingsExtended.ini", extendedIni());
                break;
            case 1:
                iniFile("settings" + num(rng_.range(1, 3)) + ".ini", profileIni());
                break;
            default:
                iniFile("settingsBrands.ini", brandsIni());
                break;
        }
    } else if (what < 95) {
        constexpr const char* states[] = {"ok", "full", "readonly"};
        line(std::string("disk ") + rng_.pick(states));
    } else if (what < 97 && loaded_ && !result_.shots) {
        result_.shots = true;
        line("shot fuzz.png");
    } else if (what < 98 && loaded_) {
        // The plug-in unloaded and, a while later, loaded again with a fresh start.
        line(unloaded_ ? "load" : "unload");
        unloaded_ = !unloaded_;
    } else {
        line("mark " + num(rng_.range(0, 1000)));
    }
}

GeneratedScenario Generator::run() {
    planVehicles();
    setup();
    for (const std::string& l : vehicleLines_)
        line(l);
    if (rng_.percent(30)) accelerationTour();
    while (framesLeft_ > 0) {
        const uint64_t before = framesLeft_;
        step();
        // Steps that pass no time still end the run now and then.
        if (framesLeft_ == before && rng_.percent(3)) break;
        if (out_.size() > (16u << 20)) break;
    }
    if (!unloaded_ && rng_.percent(10)) {
        line("unload");
        line("run 100");
    }
    result_.text = std::move(out_);
    return result_;
}

}  // namespace

GeneratedScenario generateScenario(uint64_t seed) {
    return Generator(seed).run();
}

}  // namespace scenario_fuzz
