#include "tools/ini_listing.h"

#include "host/portable/profile_document.h"
#include "host/portable/profile_encoding.h"

namespace sim {

namespace portable = velquist::platform::portable;

namespace {

std::u16string_view trim(std::u16string_view s) {
    while (!s.empty() && portable::isProfileBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && portable::isProfileBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::u16string upToZero(std::u16string_view s) {
    return std::u16string(s.substr(0, s.find(u'\0')));
}

}  // namespace

IniListing listIni(std::string_view bytes) {
    IniListing listing;
    // The INI layer finds nothing at all in a file of zero bytes.
    if (bytes.empty()) return listing;
    const std::u16string text = portable::decodeFile(bytes).text;
    listing.sections.emplace_back();
    int lineNumber = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        ++lineNumber;
        size_t end = text.find_first_of(u"\r\n", pos);
        if (end == std::u16string::npos) end = text.size();
        const std::u16string_view line = trim(std::u16string_view(text).substr(pos, end - pos));
        // CR LF ends one line, as do a lone CR and a lone LF.
        pos = end + (text.compare(end, 2, u"\r\n") == 0 ? 2 : 1);
        if (line.empty()) continue;

        if (line.front() == u'[') {
            const size_t close = line.rfind(u']');
            if (close != std::u16string_view::npos) {
                listing.sections.push_back(
                    {upToZero(trim(line.substr(1, close - 1))), lineNumber, {}});
                continue;
            }
        }
        ListedKey key;
        key.line = lineNumber;
        std::u16string_view name = line;
        const size_t eq = line.find(u'=');
        if (eq != std::u16string_view::npos) {
            name = trim(line.substr(0, eq));
            key.value = upToZero(trim(line.substr(eq + 1)));
            key.hasValue = true;
        }
        key.name = upToZero(name);
        listing.sections.back().keys.push_back(std::move(key));
    }
    return listing;
}

const ListedSection* firstSection(const IniListing& listing, std::u16string_view name) {
    for (const ListedSection& s : listing.sections)
        if (s.line > 0 && portable::sameName(s.name, name)) return &s;
    return nullptr;
}

const ListedKey* firstKey(const ListedSection& section, std::u16string_view name) {
    for (const ListedKey& k : section.keys)
        if (portable::sameName(k.name, name)) return &k;
    return nullptr;
}

bool isCommentLine(const ListedKey& key) {
    return !key.name.empty() && (key.name.front() == u';' || key.name.front() == u'#');
}

std::string utf8(std::u16string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::u16string fromUtf8(std::string_view text) {
    // Names the tools look up are the plug-in's own ASCII key names.
    return std::u16string(text.begin(), text.end());
}

}  // namespace sim
