#include "tools/ini_listing.h"

#include "host/portable/profile_encoding.h"

namespace sim {

namespace portable = velquist::platform::portable;

IniListing listIni(std::string_view bytes) {
    return portable::parseProfileFile(bytes).doc;
}

const ListedSection* firstSection(const IniListing& listing, std::u16string_view name) {
    return name.empty() ? nullptr : portable::findSection(listing, name);
}

const ListedKey* firstKey(const ListedSection& section, std::u16string_view name) {
    return portable::findKey(section, name);
}

bool isCommentLine(const ListedKey& key) {
    return !key.name.empty() && (key.name.front() == u';' || key.name.front() == u'#');
}

std::string utf8(std::u16string_view text) {
    return portable::toUtf8(text);
}

std::u16string fromUtf8(std::string_view text) {
    return portable::fromUtf8(text);
}

}  // namespace sim
