// An INI file listed line by line for the folder check: its sections and key lines with
// the line numbers they stand on. Lines are read by the rules of the plug-in's INI layer
// (blanks, "[section]" headers, "key=value" lines, names compared without regard to
// case), so the first section and the first key of a name found here are the ones the
// plug-in reads.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sim {

struct ListedKey {
    std::u16string name;    // blanks trimmed; cut at a zero character
    std::u16string value;   // blanks trimmed; only when hasValue
    bool hasValue = false;  // false for a line without "="
    int line = 0;           // 1-based
};

struct ListedSection {
    std::u16string name;  // empty for the lines before the first header
    int line = 0;         // of its header; 0 for the lines before the first header
    std::vector<ListedKey> keys;
};

struct IniListing {
    std::vector<ListedSection> sections;  // the head section (line 0) comes first
};

// Lists the file's bytes (any encoding the INI layer reads).
IniListing listIni(std::string_view bytes);

// The first section of that name, or null.
const ListedSection* firstSection(const IniListing& listing, std::u16string_view name);
// The first key line of that name in the section, or null.
const ListedKey* firstKey(const ListedSection& section, std::u16string_view name);

// A line that holds no setting: ";" or "#" starts it.
bool isCommentLine(const ListedKey& key);

// Texts of a listing as UTF-8, for messages.
std::string utf8(std::u16string_view text);
std::u16string fromUtf8(std::string_view text);

}  // namespace sim
