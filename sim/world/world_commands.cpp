// [SECTION] Values: floats, integers, NAME=VALUE options
// [SECTION] Command forms: each command read into its arguments
// [SECTION] Checking: the forms plus what earlier lines defined
// [SECTION] Running: the arguments applied to the world
#include "world/world_commands.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <limits>
#include <vector>

#include "world/world.h"

namespace sim {

namespace {

//-----------------------------------------------------------------------------
// [SECTION] Values: floats, integers, NAME=VALUE options
//-----------------------------------------------------------------------------

struct Option {
    std::string key;
    std::string value;
};

// Splits NAME=VALUE at the first '='; false when there is no '=' or no name.
bool splitOption(const std::string& word, Option& out) {
    const size_t eq = word.find('=');
    if (eq == std::string::npos || eq == 0) return false;
    out.key = word.substr(0, eq);
    out.value = word.substr(eq + 1);
    return true;
}

std::string bad(const char* what, const std::string& word) {
    return std::string("bad ") + what + ": " + word;
}

std::string outOfRange(const char* what, int64_t lo, int64_t hi, const std::string& word) {
    return std::string(what) + " out of range " + std::to_string(lo) + ".." + std::to_string(hi) +
           ": " + word;
}

// An integer within lo..hi, or the reason it is not.
std::string readInteger(const std::string& word, const char* what, int64_t lo, int64_t hi,
                        int64_t& out) {
    const auto v = parseInteger(word);
    if (!v) return bad(what, word);
    if (*v < lo || *v > hi) return outOfRange(what, lo, hi, word);
    out = *v;
    return {};
}

std::string readInt32(const std::string& word, const char* what, int64_t lo, int64_t hi,
                      int32_t& out) {
    int64_t v = 0;
    std::string e = readInteger(word, what, lo, hi, v);
    if (e.empty()) out = static_cast<int32_t>(v);
    return e;
}

std::string readSwitch(const std::string& word, const char* what, bool& out) {
    int64_t v = 0;
    std::string e = readInteger(word, what, 0, 1, v);
    if (e.empty()) out = v != 0;
    return e;
}

std::string readFloat(const std::string& word, const char* what, float& out) {
    const auto v = parseFloat(word);
    if (!v) return bad(what, word);
    out = *v;
    return {};
}

// A finite float within lo..hi.
std::string readFraction(const std::string& word, const char* what, float lo, float hi,
                         float& out) {
    const auto v = parseFloat(word);
    if (!v || !std::isfinite(*v)) return bad(what, word);
    if (*v < lo || *v > hi) {
        char range[32];
        std::snprintf(range, sizeof range, "%g..%g", static_cast<double>(lo),
                      static_cast<double>(hi));
        return std::string(what) + " out of range " + range + ": " + word;
    }
    out = *v;
    return {};
}

// N comma-separated parts.
std::vector<std::string> splitCommas(const std::string& text) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma == std::string::npos ? comma : comma - start));
        if (comma == std::string::npos) return parts;
        start = comma + 1;
    }
}

std::string wantCount(const Command& c, size_t lo, size_t hi) {
    if (c.words.size() < lo) return "missing argument to " + c.name;
    if (c.words.size() > hi) return "unexpected word: " + c.words[hi];
    return {};
}

//-----------------------------------------------------------------------------
// [SECTION] Command forms: each command read into its arguments
//-----------------------------------------------------------------------------

struct VehicleArgs {
    std::string name;
    std::optional<std::string> label;  // nullopt: label=null
    int32_t vehicleClass = 0;
    uint32_t model = 0;
};

std::string readVehicle(const Command& c, VehicleArgs& a) {
    std::string e = wantCount(c, 1, 4);
    if (!e.empty()) return e;
    a.name = c.words[0];
    if (a.name.find('=') != std::string::npos) return "bad vehicle name: " + a.name;
    bool haveLabel = false, haveClass = false, haveModel = false;
    for (size_t i = 1; i < c.words.size(); ++i) {
        Option o;
        if (!splitOption(c.words[i], o)) return "expected name=value: " + c.words[i];
        if (o.key == "label") {
            haveLabel = true;
            if (o.value == "null")
                a.label.reset();
            else
                a.label = o.value;
        } else if (o.key == "class") {
            haveClass = true;
            e = readInt32(o.value, "class", INT32_MIN, INT32_MAX, a.vehicleClass);
        } else if (o.key == "model") {
            haveModel = true;
            int64_t v = 0;
            e = readInteger(o.value, "model", INT32_MIN, UINT32_MAX, v);
            a.model = static_cast<uint32_t>(v);
        } else {
            return "unknown option of vehicle: " + o.key;
        }
        if (!e.empty()) return e;
    }
    if (!haveLabel) return "vehicle needs label=";
    if (!haveClass) return "vehicle needs class=";
    if (!haveModel) a.model = modelHash(a.name);
    return {};
}

struct SetArgs {
    std::string name;
    std::optional<float> speed, health, rpm, throttle;
    std::optional<std::array<float, 3>> velocity;
    std::optional<bool> engine;
    std::optional<uint16_t> gear;
    std::optional<std::array<int32_t, 3>> colour;
    std::optional<Driver> driver;
};

std::string readSet(const Command& c, SetArgs& a) {
    std::string e = wantCount(c, 2, 64);
    if (!e.empty()) return e;
    a.name = c.words[0];
    for (size_t i = 1; i < c.words.size(); ++i) {
        Option o;
        if (!splitOption(c.words[i], o)) return "expected name=value: " + c.words[i];
        const std::string& v = o.value;
        float f = 0.0f;
        if (o.key == "speed" || o.key == "health" || o.key == "rpm" || o.key == "throttle") {
            e = readFloat(v, o.key.c_str(), f);
            if (o.key == "speed") a.speed = f;
            if (o.key == "health") a.health = f;
            if (o.key == "rpm") a.rpm = f;
            if (o.key == "throttle") a.throttle = f;
        } else if (o.key == "vel") {
            const auto parts = splitCommas(v);
            if (parts.size() != 3) return bad("vel (x,y,z)", v);
            std::array<float, 3> xyz{};
            for (size_t k = 0; k < 3 && e.empty(); ++k)
                e = readFloat(parts[k], "vel", xyz[k]);
            a.velocity = xyz;
        } else if (o.key == "engine") {
            bool on = false;
            e = readSwitch(v, "engine", on);
            a.engine = on;
        } else if (o.key == "gear") {
            int32_t g = 0;
            e = readInt32(v, "gear", 0, 65535, g);
            a.gear = static_cast<uint16_t>(g);
        } else if (o.key == "colour") {
            const auto parts = splitCommas(v);
            if (parts.size() != 3) return bad("colour (r,g,b)", v);
            std::array<int32_t, 3> rgb{};
            for (size_t k = 0; k < 3 && e.empty(); ++k)
                e = readInt32(parts[k], "colour", 0, 255, rgb[k]);
            a.colour = rgb;
        } else if (o.key == "driver") {
            if (v == "player")
                a.driver = Driver::player;
            else if (v == "other")
                a.driver = Driver::other;
            else if (v == "none")
                a.driver = Driver::none;
            else
                return "expected driver=player, other or none: " + v;
        } else {
            return "unknown option of set: " + o.key;
        }
        if (!e.empty()) return e;
    }
    return {};
}

struct DecoArgs {
    std::string name;
    std::string decorator;
    Decorator value;
};

std::string readDeco(const Command& c, DecoArgs& a) {
    std::string e = wantCount(c, 2, 2);
    if (!e.empty()) return e;
    a.name = c.words[0];
    Option o;
    if (!splitOption(c.words[1], o)) return "expected DECORATOR=VALUE: " + c.words[1];
    a.decorator = o.key;
    const bool isFloat = o.value.find('.') != std::string::npos || o.value == "nan" ||
                         o.value == "inf" || o.value == "-inf";
    a.value.isFloat = isFloat;
    if (isFloat) return readFloat(o.value, "decorator value", a.value.floatValue);
    return readInt32(o.value, "decorator value", INT32_MIN, INT32_MAX, a.value.intValue);
}

struct PlayerArgs {
    std::optional<bool> exists, control, dead, arrested, phone;
    std::optional<int32_t> index;
};

std::string readPlayer(const Command& c, PlayerArgs& a) {
    std::string e = wantCount(c, 1, 64);
    if (!e.empty()) return e;
    for (const std::string& word : c.words) {
        Option o;
        if (!splitOption(word, o)) return "expected name=value: " + word;
        bool on = false;
        if (o.key == "index") {
            int32_t index = 0;
            e = readInt32(o.value, "player index", INT32_MIN, INT32_MAX, index);
            a.index = index;
            if (!e.empty()) return e;
            continue;
        }
        std::optional<bool>* field = o.key == "exists"     ? &a.exists
                                     : o.key == "control"  ? &a.control
                                     : o.key == "dead"     ? &a.dead
                                     : o.key == "arrested" ? &a.arrested
                                     : o.key == "phone"    ? &a.phone
                                                           : nullptr;
        if (!field) return "unknown option of player: " + o.key;
        e = readSwitch(o.value, o.key.c_str(), on);
        if (!e.empty()) return e;
        *field = on;
    }
    return {};
}

struct DriveArgs {
    std::string name;
    DriveInput input;
};

std::string readDrive(const Command& c, DriveArgs& a) {
    std::string e = wantCount(c, 2, 3);
    if (!e.empty()) return e;
    a.name = c.words[0];
    if (c.words[1] == "off") {
        if (c.words.size() > 2) return "unexpected word: " + c.words[2];
        return {};
    }
    a.input.on = true;
    bool haveThrottle = false;
    for (size_t i = 1; i < c.words.size(); ++i) {
        Option o;
        if (!splitOption(c.words[i], o)) return "expected name=value or off: " + c.words[i];
        if (o.key == "throttle") {
            haveThrottle = true;
            e = readFraction(o.value, "throttle", 0.0f, 1.0f, a.input.throttle);
        } else if (o.key == "brake") {
            e = readFraction(o.value, "brake", 0.0f, 1.0f, a.input.brake);
        } else {
            return "unknown option of drive: " + o.key;
        }
        if (!e.empty()) return e;
    }
    if (!haveThrottle) return "drive needs throttle= or off";
    return {};
}

//-----------------------------------------------------------------------------
// [SECTION] Checking: the forms plus what earlier lines defined
//-----------------------------------------------------------------------------

std::string knownVehicle(const std::string& name, const WorldCheck& check) {
    return check.vehicles.count(name) ? std::string() : "no such vehicle: " + name;
}

std::string checkVehicle(const Command& c, WorldCheck& check) {
    VehicleArgs a;
    std::string e = readVehicle(c, a);
    if (!e.empty()) return e;
    if (check.vehicles.count(a.name)) return "vehicle defined twice: " + a.name;
    if (check.vehicles.size() >= static_cast<size_t>(maxVehicles))
        return "too many vehicles (at most " + std::to_string(maxVehicles) + ")";
    // The label belongs to the model: vehicles of one model share it.
    auto it = check.modelLabels.find(a.model);
    if (it != check.modelLabels.end() && it->second != a.label) {
        char hash[16];
        std::snprintf(hash, sizeof hash, "0x%08X", a.model);
        return std::string("model ") + hash + " already has another label";
    }
    check.vehicles.insert(a.name);
    check.modelLabels[a.model] = a.label;
    return {};
}

std::string checkEnter(const Command& c, const WorldCheck& check) {
    std::string e = wantCount(c, 1, 2);
    if (e.empty()) e = knownVehicle(c.words[0], check);
    if (e.empty() && c.words.size() == 2 && c.words[1] != "seat=driver" &&
        c.words[1] != "seat=passenger")
        e = "expected seat=driver or seat=passenger: " + c.words[1];
    return e;
}

std::string checkTwoState(const Command& c, const char* what, int64_t lo, int64_t hi,
                          std::initializer_list<const char*> states) {
    std::string e = wantCount(c, 2, 2);
    int32_t n = 0;
    if (e.empty()) e = readInt32(c.words[0], what, lo, hi, n);
    if (!e.empty()) return e;
    std::string expected;
    for (const char* s : states) {
        if (c.words[1] == s) return {};
        expected += expected.empty() ? s : std::string(", ") + s;
    }
    return "expected " + expected + ": " + c.words[1];
}

//-----------------------------------------------------------------------------
// [SECTION] Running: the arguments applied to the world
//-----------------------------------------------------------------------------

void runSet(const SetArgs& a) {
    Vehicle* v = vehicleNamed(a.name);
    if (!v) return;
    if (a.speed) v->speed = *a.speed;
    if (a.velocity)
        for (size_t k = 0; k < 3; ++k)
            v->velocity[k] = (*a.velocity)[k];
    if (a.engine) v->engine = *a.engine;
    if (a.health) v->health = *a.health;
    if (a.gear) v->gear = *a.gear;
    if (a.rpm) v->rpm = *a.rpm;
    if (a.throttle) v->throttle = *a.throttle;
    if (a.colour)
        for (size_t k = 0; k < 3; ++k)
            v->colour[k] = (*a.colour)[k];
    if (a.driver) v->driver = *a.driver;
}

void runPlayer(const PlayerArgs& a) {
    Player& p = world.player;
    if (a.index) p.index = *a.index;
    if (a.exists) p.exists = *a.exists;
    if (a.control) p.control = *a.control;
    if (a.dead) p.dead = *a.dead;
    if (a.arrested) p.arrested = *a.arrested;
    if (a.phone) p.phone = *a.phone;
}

int32_t intWord(const std::string& word) {
    return static_cast<int32_t>(*parseInteger(word));
}

std::optional<ObjectPlace> objectPlace(const std::string& word) {
    if (word == "own") return ObjectPlace::own;
    if (word == "unmapped") return ObjectPlace::unmapped;
    if (word == "cut") return ObjectPlace::cut;
    return std::nullopt;
}

}  // namespace

std::optional<float> parseFloat(const std::string& word) {
    if (word == "nan") return std::numeric_limits<float>::quiet_NaN();
    if (word == "inf") return std::numeric_limits<float>::infinity();
    if (word == "-inf") return -std::numeric_limits<float>::infinity();
    // Only digits, a sign, a point and an exponent: no other spelling of the specials.
    for (char ch : word)
        if (!((ch >= '0' && ch <= '9') || ch == '.' || ch == '-' || ch == '+' || ch == 'e' ||
              ch == 'E'))
            return std::nullopt;
    const char* first = word.data();
    const char* last = first + word.size();
    if (first != last && *first == '+') ++first;
    float value = 0.0f;
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec != std::errc() || end != last) return std::nullopt;
    return value;
}

bool isWorldCommand(const std::string& name) {
    static const char* const names[] = {"vehicle", "set",    "deco", "undeco", "enter",
                                        "leave",   "player", "view", "hud",    "control",
                                        "daytime", "drive",  "pool", "object"};
    for (const char* n : names)
        if (name == n) return true;
    return false;
}

std::string checkWorldCommand(const Command& c, WorldCheck& check) {
    const std::string& n = c.name;
    if (n == "vehicle") return checkVehicle(c, check);
    if (n == "set") {
        SetArgs a;
        std::string e = readSet(c, a);
        return e.empty() ? knownVehicle(a.name, check) : e;
    }
    if (n == "deco") {
        DecoArgs a;
        std::string e = readDeco(c, a);
        return e.empty() ? knownVehicle(a.name, check) : e;
    }
    if (n == "undeco") {
        std::string e = wantCount(c, 2, 2);
        return e.empty() ? knownVehicle(c.words[0], check) : e;
    }
    if (n == "enter") return checkEnter(c, check);
    if (n == "leave") return wantCount(c, 0, 0);
    if (n == "player") {
        PlayerArgs a;
        return readPlayer(c, a);
    }
    if (n == "view") {
        std::string e = wantCount(c, 1, 1);
        int32_t mode = 0;
        return e.empty() ? readInt32(c.words[0], "view mode", INT32_MIN, INT32_MAX, mode) : e;
    }
    if (n == "hud")
        return checkTwoState(c, "HUD component", INT32_MIN, INT32_MAX, {"shown", "hidden"});
    if (n == "control")
        return checkTwoState(c, "control", INT32_MIN, INT32_MAX,
                             {"pressed", "released", "enabled", "disabled"});
    if (n == "daytime") {
        std::string e = wantCount(c, 2, 2);
        int32_t h = 0, m = 0;
        if (e.empty()) e = readInt32(c.words[0], "hours", 0, 23, h);
        if (e.empty()) e = readInt32(c.words[1], "minutes", 0, 59, m);
        return e;
    }
    if (n == "drive") {
        DriveArgs a;
        std::string e = readDrive(c, a);
        return e.empty() ? knownVehicle(a.name, check) : e;
    }
    if (n == "pool") {
        std::string e = wantCount(c, 1, 1);
        Option o;
        if (e.empty() && (!splitOption(c.words[0], o) || o.key != "slots"))
            return "expected slots=N: " + c.words[0];
        int32_t count = 0;
        return e.empty() ? readInt32(o.value, "slot count", 1, SimulatedMemory::slotCount, count)
                         : e;
    }
    if (n == "object") {
        std::string e = wantCount(c, 2, 2);
        if (e.empty()) e = knownVehicle(c.words[0], check);
        if (e.empty() && !objectPlace(c.words[1]))
            e = "expected own, unmapped or cut: " + c.words[1];
        return e;
    }
    return "unknown command: " + n;
}

void runWorldCommand(const Command& c) {
    const std::string& n = c.name;
    const auto& w = c.words;
    if (n == "vehicle") {
        VehicleArgs a;
        readVehicle(c, a);
        addVehicle(a.name, a.label ? &*a.label : nullptr, a.vehicleClass, a.model);
    } else if (n == "set") {
        SetArgs a;
        readSet(c, a);
        runSet(a);
    } else if (n == "deco") {
        DecoArgs a;
        readDeco(c, a);
        if (Vehicle* v = vehicleNamed(a.name)) v->decorators[a.decorator] = a.value;
    } else if (n == "undeco") {
        if (Vehicle* v = vehicleNamed(w[0])) v->decorators.erase(w[1]);
    } else if (n == "enter") {
        if (Vehicle* v = vehicleNamed(w[0]))
            enterVehicle(*v, w.size() == 2 && w[1] == "seat=passenger");
    } else if (n == "leave") {
        leaveVehicle();
    } else if (n == "player") {
        PlayerArgs a;
        readPlayer(c, a);
        runPlayer(a);
    } else if (n == "view") {
        world.viewMode = intWord(w[0]);
    } else if (n == "hud") {
        if (w[1] == "shown")
            world.hudShown.insert(intWord(w[0]));
        else
            world.hudShown.erase(intWord(w[0]));
    } else if (n == "control") {
        const int32_t control = intWord(w[0]);
        if (w[1] == "pressed") world.pressed.insert(control);
        if (w[1] == "released") world.pressed.erase(control);
        if (w[1] == "disabled") world.disabled.insert(control);
        if (w[1] == "enabled") world.disabled.erase(control);
    } else if (n == "daytime") {
        world.hours = intWord(w[0]);
        world.minutes = intWord(w[1]);
    } else if (n == "drive") {
        DriveArgs a;
        readDrive(c, a);
        Vehicle* v = vehicleNamed(a.name);
        if (!v) return;
        // A driver who drives off starts the engine first.
        if (a.input.on) v->engine = true;
        v->drive = a.input;
    } else if (n == "pool") {
        memory.setSlotCount(intWord(w[0].substr(w[0].find('=') + 1)));
    } else if (n == "object") {
        if (Vehicle* v = vehicleNamed(w[0])) memory.placeObject(v->entity, *objectPlace(w[1]));
    }
}

}  // namespace sim
