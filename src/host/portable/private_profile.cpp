// The portable private-profile functions: GetPrivateProfileIntA, GetPrivateProfileStringA
// and WritePrivateProfileStringA as kernel32 behaves, on plug-in paths mapped onto the
// host's file system. Every call reads the file afresh; a write that changes the file
// replaces it whole (see replaceFileContents), in kernel32's normalised form.
//
// Like kernel32, the functions work in UTF-16 inside: the caller's texts are turned from
// the ANSI code page into UTF-16 on the way in and the answer back on the way out.
#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

#include "host/platform.h"
#include "host/portable/file_system.h"
#include "host/portable/portable_platform.h"
#include "host/portable/profile_document.h"
#include "host/portable/profile_encoding.h"

namespace velquist::platform {

namespace {

using portable::FileEncoding;
using portable::FileRead;
using portable::ProfileDocument;

struct LoadedProfile {
    FileRead state = FileRead::missing;
    ProfileDocument doc;  // empty unless the file was read
    FileEncoding encoding = FileEncoding::ansi;
    size_t textLength = 0;  // characters of the decoded file
};

// The file's document; a missing file reads as an empty one.
LoadedProfile loadProfile(const char* path) {
    LoadedProfile loaded;
    std::string bytes;
    loaded.state = portable::fileSystem.read(portable::toHostPath(path), bytes);
    if (loaded.state == FileRead::ok) {
        portable::ProfileFile file = portable::parseProfileFile(bytes);
        loaded.doc = std::move(file.doc);
        loaded.encoding = file.encoding;
        loaded.textLength = file.textLength;
    }
    return loaded;
}

// Copies text into out (size > 0) as kernel32 copies a value: a value enclosed in a pair of
// equal quotes (" or ') loses them. The closing quote is dropped only when it would have
// been copied, so a cut value can lose one more character. Returns the length copied.
uint32_t copyValue(std::u16string_view text, char16_t* out, uint32_t size) {
    bool quoted = false;
    if (text.size() >= 2 && (text.front() == u'"' || text.front() == u'\'') &&
        text.back() == text.front()) {
        text.remove_prefix(1);
        quoted = true;
    }
    size_t n = std::min<size_t>(text.size(), size - 1);
    std::copy_n(text.data(), n, out);
    out[n] = u'\0';
    if (quoted && size >= text.size() && n > 0) out[--n] = u'\0';
    return static_cast<uint32_t>(n);
}

// The names of the document's named sections, each ending in a zero, the list ending in
// one more zero. When they do not fit, the last one is cut and size - 2 is returned.
uint32_t copySectionNames(const ProfileDocument& doc, char16_t* out, uint32_t size) {
    if (size == 1) {
        out[0] = u'\0';
        return 0;
    }
    uint32_t room = size - 1;
    char16_t* p = out;
    for (const auto& section : doc.sections) {
        const std::u16string& name = section.name;
        if (name.empty()) continue;
        const uint32_t need = static_cast<uint32_t>(name.size()) + 1;
        if (need >= room) {
            std::copy_n(name.data(), room - 1, p);
            p += room - 1;
            *p++ = u'\0';
            *p = u'\0';
            return size - 2;
        }
        std::copy_n(name.c_str(), need, p);
        p += need;
        room -= need;
    }
    *p = u'\0';
    return static_cast<uint32_t>(p - out);
}

// The key names of the first section named section (untrimmed), each ending in a zero, the
// list ending in one more zero; lines without "=" and comment lines are left out. When they
// do not fit, the last one is cut and size - 2 is returned.
uint32_t copyKeyNames(const ProfileDocument& doc, std::u16string_view section, char16_t* out,
                      uint32_t size) {
    for (const auto& s : doc.sections) {
        if (!portable::sameName(s.name, section)) continue;
        uint32_t room = size;
        char16_t* p = out;
        for (const auto& key : s.keys) {
            if (room <= 2) break;
            if (!key.hasValue || (!key.name.empty() && key.name[0] == u';')) continue;
            const size_t n = std::min<size_t>(key.name.size(), room - 2);
            std::copy_n(key.name.data(), n, p);
            p[n] = u'\0';
            room -= static_cast<uint32_t>(n) + 1;
            p += n + 1;
            if (room < 2) break;
        }
        *p = u'\0';
        if (room <= 1) {
            p[-1] = u'\0';
            return size - 2;
        }
        return size - room;
    }
    if (size >= 2) out[1] = u'\0';
    out[0] = u'\0';
    return 0;
}

// The text reader in UTF-16: fills the work buffer out (size > 0) and returns how many of
// its characters the caller receives.
uint32_t readProfileText(LoadedProfile& file, const char* section, const char* key,
                         const char* defaultValue, char16_t* out, uint32_t size) {
    // Trailing spaces of the default are dropped, though never its first character.
    std::u16string def = portable::fromAnsi(defaultValue ? defaultValue : "");
    while (def.size() > 1 && def.back() == u' ')
        def.pop_back();

    if (file.state == FileRead::unreadable) {
        // A file that cannot be read gives the default as it stands, quotes and all, but
        // no list of names.
        if (!defaultValue || !section) {
            out[0] = u'\0';
            return 0;
        }
        const size_t n = std::min<size_t>(def.size(), size - 1);
        std::copy_n(def.data(), n, out);
        out[n] = u'\0';
        return static_cast<uint32_t>(n);
    }
    if (!section) return copySectionNames(file.doc, out, size);
    const std::u16string sectionName = portable::fromAnsi(section);
    if (!key) {
        const uint32_t n = copyKeyNames(file.doc, sectionName, out, size);
        if (out[0] != u'\0') return n;
        // Instead of an empty list: the default, trailing spaces and all.
        return copyValue(portable::fromAnsi(defaultValue ? defaultValue : ""), out, size);
    }
    const portable::ProfileKey* found = nullptr;
    if (auto* s = portable::findSection(file.doc, sectionName))
        found = portable::findKey(*s, portable::fromAnsi(key));
    return copyValue(found && found->hasValue ? std::u16string_view(found->value) : def, out, size);
}

// kernel32's reading of a number: characters up to the space skipped, an optional sign,
// then a base prefix "0x", "0o" or "0b" (lower case only) or decimal, then digits up to
// the first character that is not one. The value wraps around modulo 2^32.
uint32_t parseProfileNumber(const char16_t* p) {
    while (*p != 0 && *p <= u' ')
        ++p;
    bool negative = false;
    if (*p == u'+') {
        ++p;
    } else if (*p == u'-') {
        negative = true;
        ++p;
    }
    uint32_t base = 10;
    if (p[0] == u'0' && (p[1] == u'x' || p[1] == u'o' || p[1] == u'b')) {
        base = p[1] == u'x' ? 16 : p[1] == u'o' ? 8 : 2;
        p += 2;
    }
    uint32_t total = 0;
    for (;; ++p) {
        uint32_t digit;
        if (*p >= u'0' && *p <= u'9')
            digit = *p - u'0';
        else if (*p >= u'a' && *p <= u'z')
            digit = *p - u'a' + 10;
        else if (*p >= u'A' && *p <= u'Z')
            digit = *p - u'A' + 10;
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
    LoadedProfile file = loadProfile(path);
    // kernel32 assembles the answer in a work buffer of the same size and hands over only
    // the counted characters and one terminating zero; the rest of out stays untouched.
    // No answer is longer than the file's text and the default together, so a larger
    // size is cut to that: the answer is the same, without a buffer of a size the caller
    // may only have claimed.
    const size_t longest = file.textLength + (defaultValue ? std::strlen(defaultValue) : 0) + 2;
    const auto workSize = static_cast<uint32_t>(std::min<size_t>(size, longest));
    std::u16string work(workSize, u'\0');
    const uint32_t n = readProfileText(file, section, key, defaultValue, work.data(), workSize);
    const std::string answer = portable::toAnsi(std::u16string_view(work).substr(0, n));
    const size_t copied = std::min<size_t>(answer.size(), size - 1);
    std::memcpy(out, answer.data(), copied);
    out[copied] = '\0';
    return static_cast<uint32_t>(copied);
}

uint32_t getPrivateProfileInt(const char* section, const char* key, int32_t defaultValue,
                              const char* path) {
    // kernel32 reads the value into a buffer of 30 characters first, so only its first 29
    // characters count.
    char16_t text[30];
    LoadedProfile file = loadProfile(path);
    if (readProfileText(file, section, key, "", text, 30) == 0 || text[0] == u'\0')
        return static_cast<uint32_t>(defaultValue);
    return parseProfileNumber(text);
}

bool writePrivateProfileString(const char* section, const char* key, const char* value,
                               const char* path) {
    if (!section || !path) return false;
    LoadedProfile file = loadProfile(path);
    if (file.state == FileRead::unreadable || file.state == FileRead::noFolder) return false;
    // kernel32 opens the file for writing first: a read-only file is refused, changed or not.
    if (file.state == FileRead::ok &&
        portable::fileSystem.probe(portable::toHostPath(path)) == FileProbe::readOnly)
        return false;
    const std::u16string sectionName = portable::fromAnsi(section);
    bool changed;
    if (!key)
        changed = portable::deleteProfileSection(file.doc, sectionName);
    else if (!value)
        changed = portable::deleteProfileKey(file.doc, sectionName, portable::fromAnsi(key));
    else
        changed = portable::setProfileValue(file.doc, sectionName, portable::fromAnsi(key),
                                            portable::fromAnsi(value));
    if (!changed) return true;
    return portable::replaceFileContents(
        portable::toHostPath(path),
        portable::encodeFile(portable::renderProfile(file.doc), file.encoding));
}

}  // namespace velquist::platform
