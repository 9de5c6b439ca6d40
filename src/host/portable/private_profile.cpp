// The portable private-profile functions: GetPrivateProfileIntA, GetPrivateProfileStringA
// and WritePrivateProfileStringA as kernel32 behaves, on plug-in paths mapped onto the
// host's file system. Every call reads the file afresh; a write that changes the file
// replaces it whole (see replaceFileContents), in kernel32's normalised form.
#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "host/platform.h"
#include "host/portable/file_system.h"
#include "host/portable/portable_platform.h"
#include "host/portable/profile_document.h"

namespace velquist::platform {

namespace {

using portable::FileRead;
using portable::ProfileDocument;

// The file's document; a missing file reads as an empty one. False when the file cannot
// be read at all (a folder).
bool loadProfile(const char* path, ProfileDocument& doc) {
    std::string bytes;
    const FileRead r = portable::fileSystem.read(portable::toHostPath(path), bytes);
    if (r == FileRead::unreadable) return false;
    doc = portable::parseProfile(bytes);
    return true;
}

// Copies text into out (size > 0) as kernel32 copies a value: a value enclosed in a pair of
// equal quotes (" or ') loses them. The closing quote is dropped only when it would have
// been copied, so a cut value can lose one more character. Returns the length copied.
uint32_t copyValue(std::string_view text, char* out, uint32_t size) {
    bool quoted = false;
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front()) {
        text.remove_prefix(1);
        quoted = true;
    }
    size_t n = std::min<size_t>(text.size(), size - 1);
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
    if (quoted && size >= text.size() && n > 0) out[--n] = '\0';
    return static_cast<uint32_t>(n);
}

// The names of the document's named sections, each ending in a zero, the list ending in
// one more zero. When they do not fit, the last one is cut and size - 2 is returned.
uint32_t copySectionNames(const ProfileDocument& doc, char* out, uint32_t size) {
    if (size == 1) {
        out[0] = '\0';
        return 0;
    }
    uint32_t room = size - 1;
    char* p = out;
    for (const auto& section : doc.sections) {
        const std::string name = section.name;
        if (name.empty()) continue;
        const uint32_t need = static_cast<uint32_t>(name.size()) + 1;
        if (need >= room) {
            std::memcpy(p, name.data(), room - 1);
            p += room - 1;
            *p++ = '\0';
            *p = '\0';
            return size - 2;
        }
        std::memcpy(p, name.c_str(), need);
        p += need;
        room -= need;
    }
    *p = '\0';
    return static_cast<uint32_t>(p - out);
}

// The key names of the first section named section (untrimmed), each ending in a zero, the
// list ending in one more zero; lines without "=" and comment lines are left out. When they
// do not fit, the last one is cut and size - 2 is returned.
uint32_t copyKeyNames(const ProfileDocument& doc, std::string_view section, char* out,
                      uint32_t size) {
    for (const auto& s : doc.sections) {
        if (!portable::sameName(s.name, section)) continue;
        uint32_t room = size;
        char* p = out;
        for (const auto& key : s.keys) {
            if (room <= 2) break;
            if (!key.hasValue || (!key.name.empty() && key.name[0] == ';')) continue;
            const size_t n = std::min<size_t>(key.name.size(), room - 2);
            std::memcpy(p, key.name.data(), n);
            p[n] = '\0';
            room -= static_cast<uint32_t>(n) + 1;
            p += n + 1;
            if (room < 2) break;
        }
        *p = '\0';
        if (room <= 1) {
            p[-1] = '\0';
            return size - 2;
        }
        return size - room;
    }
    if (size >= 2) out[1] = '\0';
    out[0] = '\0';
    return 0;
}

// The text reader before its final step: fills the work buffer out (size > 0) and returns
// how many of its characters the caller receives.
uint32_t readProfileText(const char* section, const char* key, const char* defaultValue, char* out,
                         uint32_t size, const char* path) {
    // Trailing spaces of the default are dropped, though never its first character.
    std::string_view def = defaultValue ? defaultValue : "";
    while (def.size() > 1 && def.back() == ' ')
        def.remove_suffix(1);

    ProfileDocument doc;
    if (!loadProfile(path, doc)) {
        if (!defaultValue) return 0;
        const size_t n = std::min<size_t>(def.size(), size - 1);
        std::memcpy(out, def.data(), n);
        out[n] = '\0';
        return static_cast<uint32_t>(n);
    }
    if (!section) return copySectionNames(doc, out, size);
    if (!key) {
        const uint32_t n = copyKeyNames(doc, section, out, size);
        if (out[0] != '\0') return n;
        return copyValue(def, out, size);
    }
    const portable::ProfileKey* found = nullptr;
    if (auto* s = portable::findSection(doc, section)) found = portable::findKey(*s, key);
    return copyValue(found && found->hasValue ? std::string_view(found->value) : def, out, size);
}

// kernel32's reading of a number: blanks and control characters skipped, an optional sign,
// then a base prefix "0x", "0o" or "0b" (lower case only) or decimal, then digits up to
// the first character that is not one. The value wraps around modulo 2^32.
uint32_t parseProfileNumber(const char* text) {
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p != 0 && *p <= ' ')
        ++p;
    bool negative = false;
    if (*p == '+') {
        ++p;
    } else if (*p == '-') {
        negative = true;
        ++p;
    }
    uint32_t base = 10;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'o' || p[1] == 'b')) {
        base = p[1] == 'x' ? 16 : p[1] == 'o' ? 8 : 2;
        p += 2;
    }
    uint32_t total = 0;
    for (;; ++p) {
        uint32_t digit;
        if (*p >= '0' && *p <= '9')
            digit = *p - '0';
        else if (*p >= 'a' && *p <= 'z')
            digit = *p - 'a' + 10;
        else if (*p >= 'A' && *p <= 'Z')
            digit = *p - 'A' + 10;
        else
            break;
        if (digit >= base) break;
        total = total * base + digit;
    }
    return negative ? 0u - total : total;
}

}  // namespace

uint32_t getPrivateProfileString(const char* section, const char* key, const char* defaultValue,
                                 char* out, uint32_t size, const char* path) {
    if (!out || size == 0) return 0;
    // kernel32 assembles the answer in a work buffer of the same size and hands over only
    // the counted characters and one terminating zero; the rest of out stays untouched.
    std::string work(size, '\0');
    const uint32_t n =
        std::min(readProfileText(section, key, defaultValue, work.data(), size, path), size - 1);
    std::memcpy(out, work.data(), n);
    out[n] = '\0';
    return n;
}

uint32_t getPrivateProfileInt(const char* section, const char* key, int32_t defaultValue,
                              const char* path) {
    // kernel32 reads the value into a buffer of 30 characters first, so only its first 29
    // characters count.
    char text[30];
    if (readProfileText(section, key, "", text, sizeof text, path) == 0 || text[0] == '\0')
        return static_cast<uint32_t>(defaultValue);
    return parseProfileNumber(text);
}

bool writePrivateProfileString(const char* section, const char* key, const char* value,
                               const char* path) {
    if (!section || !path) return false;
    ProfileDocument doc;
    if (!loadProfile(path, doc)) return false;
    bool changed;
    if (!key)
        changed = portable::deleteProfileSection(doc, section);
    else if (!value)
        changed = portable::deleteProfileKey(doc, section, key);
    else
        changed = portable::setProfileValue(doc, section, key, value);
    if (!changed) return true;
    return portable::replaceFileContents(portable::toHostPath(path), portable::renderProfile(doc));
}

}  // namespace velquist::platform
