// An INI file listed for the folder check: its sections and key lines with the line
// numbers they stand on. The listing is the plug-in's own parse of the file (the portable
// private-profile layer's document), so the first section and the first key of a name
// found here are the ones the plug-in reads, and the check cannot disagree with it.
#pragma once

#include <string>
#include <string_view>

#include "host/portable/profile_document.h"

namespace sim {

using ListedKey = velquist::platform::portable::ProfileKey;
using ListedSection = velquist::platform::portable::ProfileSection;
using IniListing = velquist::platform::portable::ProfileDocument;

// Lists the file's bytes (any encoding the INI layer reads).
IniListing listIni(std::string_view bytes);

// The first section of that name, or null (never the nameless head section).
const ListedSection* firstSection(const IniListing& listing, std::u16string_view name);
// The first key line of that name in the section, or null.
const ListedKey* firstKey(const ListedSection& section, std::u16string_view name);

// A line that holds no setting: ";" or "#" starts it.
bool isCommentLine(const ListedKey& key);

// Texts of a listing as UTF-8, for messages, and back.
std::string utf8(std::u16string_view text);
std::u16string fromUtf8(std::string_view text);

}  // namespace sim
