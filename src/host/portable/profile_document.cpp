// Parsing, lookup, change and rendering of an INI document, byte for byte as the
// private-profile functions do it.
#include "host/portable/profile_document.h"

#include <algorithm>

namespace velquist::platform::portable {

namespace {

char16_t asciiLower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

std::u16string_view trimLeft(std::u16string_view s) {
    while (!s.empty() && isProfileBlank(s.front()))
        s.remove_prefix(1);
    return s;
}

std::u16string_view trimRight(std::u16string_view s) {
    while (!s.empty() && isProfileBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::u16string_view trim(std::u16string_view s) {
    return trimRight(trimLeft(s));
}

// The first section or key of a list whose name equals the trimmed query, or null.
template <class List>
auto firstNamed(List& list, std::u16string_view name) -> decltype(&list.front()) {
    name = trim(name);
    for (auto& item : list)
        if (sameName(item.name, name)) return &item;
    return nullptr;
}

// Names and values are kept as zero-terminated texts: a zero character ends them.
std::u16string upToZero(std::u16string_view s) {
    return std::u16string(s.substr(0, s.find(u'\0')));
}

}  // namespace

bool isProfileBlank(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r') || c == u'\x1a';
}

bool sameName(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char16_t x, char16_t y) { return asciiLower(x) == asciiLower(y); });
}

ProfileDocument parseProfile(std::u16string_view text) {
    ProfileDocument doc;
    doc.sections.emplace_back();
    ProfileSection* section = &doc.sections.front();
    bool afterEmptyName = false;  // the section's last stored key has an empty name
    size_t pos = 0;
    int lineNumber = 1;  // of the line at pos
    while (pos < text.size()) {
        // A line ends at a run of CR and LF characters in any mix.
        const size_t end = text.find_first_of(u"\r\n", pos);
        std::u16string_view line =
            text.substr(pos, end == std::u16string_view::npos ? end : end - pos);
        const int number = lineNumber;
        pos = end == std::u16string_view::npos ? text.size() : end;
        while (pos < text.size() && (text[pos] == u'\r' || text[pos] == u'\n')) {
            pos += text.compare(pos, 2, u"\r\n") == 0 ? 2 : 1;
            ++lineNumber;
        }

        line = trim(line);
        if (line.empty()) continue;

        if (line.front() == u'[') {
            const size_t close = line.rfind(u']');
            if (close != std::u16string_view::npos) {
                // Anything after the last "]" is ignored.
                doc.sections.push_back({upToZero(trim(line.substr(1, close - 1))), number, {}});
                section = &doc.sections.back();
                afterEmptyName = false;
                continue;
            }
            // "[" without "]": an ordinary key line.
        }

        ProfileKey key;
        key.line = number;
        std::u16string_view name = line;
        const size_t eq = line.find(u'=');
        if (eq != std::u16string_view::npos) {
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

ProfileFile parseProfileFile(std::string_view bytes) {
    ProfileFile file;
    if (bytes.empty()) return file;
    DecodedFile decoded = decodeFile(bytes);
    file.doc = parseProfile(decoded.text);
    file.encoding = decoded.encoding;
    file.textLength = decoded.text.size();
    return file;
}

std::u16string renderProfile(const ProfileDocument& doc) {
    std::u16string out;
    for (const ProfileSection& section : doc.sections) {
        // A section with an empty name, "[]" included, is written without its header.
        if (!section.name.empty()) out += u"[" + section.name + u"]\r\n";
        for (const ProfileKey& key : section.keys) {
            out += key.name;
            if (key.hasValue) out += u"=" + key.value;
            out += u"\r\n";
        }
    }
    return out;
}

const ProfileSection* findSection(const ProfileDocument& doc, std::u16string_view section) {
    return firstNamed(doc.sections, section);
}

ProfileSection* findSection(ProfileDocument& doc, std::u16string_view section) {
    return firstNamed(doc.sections, section);
}

const ProfileKey* findKey(const ProfileSection& section, std::u16string_view key) {
    return firstNamed(section.keys, key);
}

ProfileKey* findKey(ProfileSection& section, std::u16string_view key) {
    return firstNamed(section.keys, key);
}

bool setProfileValue(ProfileDocument& doc, std::u16string_view section, std::u16string_view key,
                     std::u16string_view value) {
    value = trimLeft(value);
    ProfileSection* s = findSection(doc, section);
    if (!s) {
        // A new section and key keep the names as given, less their leading blanks.
        doc.sections.push_back({std::u16string(trimLeft(section)), 0, {}});
        s = &doc.sections.back();
    }
    ProfileKey* k = findKey(*s, key);
    if (!k) {
        s->keys.push_back({std::u16string(trimLeft(key)), {}, false, 0});
        k = &s->keys.back();
    }
    if (k->hasValue && k->value == value) return false;
    k->value = std::u16string(value);
    k->hasValue = true;
    return true;
}

bool deleteProfileKey(ProfileDocument& doc, std::u16string_view section, std::u16string_view key) {
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

bool deleteProfileSection(ProfileDocument& doc, std::u16string_view section) {
    const auto it =
        std::find_if(doc.sections.begin(), doc.sections.end(),
                     [&](const ProfileSection& s) { return sameName(s.name, section); });
    if (it == doc.sections.end()) return false;
    doc.sections.erase(it);
    return true;
}

}  // namespace velquist::platform::portable
