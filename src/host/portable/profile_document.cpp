// Parsing, lookup, change and rendering of an INI document, byte for byte as the
// private-profile functions do it.
#include "host/portable/profile_document.h"

#include <algorithm>

namespace velquist::platform::portable {

namespace {

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string_view trimLeft(std::string_view s) {
    while (!s.empty() && isProfileBlank(s.front()))
        s.remove_prefix(1);
    return s;
}

std::string_view trimRight(std::string_view s) {
    while (!s.empty() && isProfileBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string_view trim(std::string_view s) {
    return trimRight(trimLeft(s));
}

// Names and values are kept as zero-terminated texts: a zero byte ends them.
std::string upToZero(std::string_view s) {
    return std::string(s.substr(0, s.find('\0')));
}

}  // namespace

bool isProfileBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a';
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return asciiLower(x) == asciiLower(y);
           });
}

ProfileDocument parseProfile(std::string_view bytes) {
    ProfileDocument doc;
    ProfileSection* section = &doc.sections.front();
    bool afterEmptyName = false;  // the section's last stored key has an empty name
    size_t pos = 0;
    while (pos < bytes.size()) {
        // A line ends at a run of CR and LF characters in any mix.
        const size_t end = bytes.find_first_of("\r\n", pos);
        std::string_view line = bytes.substr(pos, end == std::string_view::npos ? end : end - pos);
        pos = bytes.find_first_not_of("\r\n", end == std::string_view::npos ? bytes.size() : end);
        if (pos == std::string_view::npos) pos = bytes.size();

        line = trim(line);
        if (line.empty()) continue;

        if (line.front() == '[') {
            const size_t close = line.rfind(']');
            if (close != std::string_view::npos) {
                // Anything after the last "]" is ignored.
                doc.sections.push_back({upToZero(trim(line.substr(1, close - 1))), {}});
                section = &doc.sections.back();
                afterEmptyName = false;
                continue;
            }
            // "[" without "]": an ordinary key line.
        }

        ProfileKey key;
        std::string_view name = line;
        const size_t eq = line.find('=');
        if (eq != std::string_view::npos) {
            name = trimRight(line.substr(0, eq));
            key.value = upToZero(trimLeft(line.substr(eq + 1)));
            key.hasValue = true;
        }
        // A line with an empty name right after another one with an empty name is dropped.
        if (name.empty() && afterEmptyName) continue;
        key.name = upToZero(name);
        afterEmptyName = key.name.empty();
        section->keys.push_back(std::move(key));
    }
    return doc;
}

std::string renderProfile(const ProfileDocument& doc) {
    std::string out;
    for (const ProfileSection& section : doc.sections) {
        // A section with an empty name, "[]" included, is written without its header.
        if (!section.name.empty()) out += "[" + section.name + "]\r\n";
        for (const ProfileKey& key : section.keys) {
            out += key.name;
            if (key.hasValue) out += "=" + key.value;
            out += "\r\n";
        }
    }
    return out;
}

ProfileSection* findSection(ProfileDocument& doc, std::string_view section) {
    section = trim(section);
    for (ProfileSection& s : doc.sections)
        if (sameName(s.name, section)) return &s;
    return nullptr;
}

ProfileKey* findKey(ProfileSection& section, std::string_view key) {
    key = trim(key);
    for (ProfileKey& k : section.keys)
        if (sameName(k.name, key)) return &k;
    return nullptr;
}

bool setProfileValue(ProfileDocument& doc, std::string_view section, std::string_view key,
                     std::string_view value) {
    value = trimLeft(value);
    ProfileSection* s = findSection(doc, section);
    if (!s) {
        // A new section and key keep the names as given, less their leading blanks.
        doc.sections.push_back({std::string(trimLeft(section)), {}});
        s = &doc.sections.back();
    }
    ProfileKey* k = findKey(*s, key);
    if (!k) {
        s->keys.push_back({std::string(trimLeft(key)), {}, false});
        k = &s->keys.back();
    }
    if (k->hasValue && k->value == value) return false;
    k->value = std::string(value);
    k->hasValue = true;
    return true;
}

bool deleteProfileKey(ProfileDocument& doc, std::string_view section, std::string_view key) {
    for (ProfileSection& s : doc.sections) {
        if (!sameName(s.name, section)) continue;
        const auto it = std::find_if(s.keys.begin(), s.keys.end(),
                                     [&](const ProfileKey& k) { return sameName(k.name, key); });
        if (it != s.keys.end()) {
            s.keys.erase(it);
            return true;
        }
    }
    return false;
}

bool deleteProfileSection(ProfileDocument& doc, std::string_view section) {
    const auto it =
        std::find_if(doc.sections.begin(), doc.sections.end(),
                     [&](const ProfileSection& s) { return sameName(s.name, section); });
    if (it == doc.sections.end()) return false;
    doc.sections.erase(it);
    return true;
}

}  // namespace velquist::platform::portable
