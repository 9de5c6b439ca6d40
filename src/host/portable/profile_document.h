// An INI file held as the private-profile functions see it: a list of sections, each a
// list of key lines. Parsing keeps what those functions keep (names, values, lines without
// "=", comment lines) and drops what they drop (blank lines, blanks around names and values,
// the line-ending style); writing the document back gives the file they would write. Each
// parsed line keeps the number it stood on, so that the folder check can point at it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "host/portable/profile_encoding.h"

namespace velquist::platform::portable {

struct ProfileKey {
    std::u16string name;    // as read, blanks trimmed; may be empty ("=value" lines)
    std::u16string value;   // blanks before it trimmed; meaningful only when hasValue
    bool hasValue = false;  // false for a line without "=" (a comment, a stray word)
    int line = 0;           // 1-based line of the text it was parsed from; 0 when added
};

struct ProfileSection {
    std::u16string name;  // empty for the lines before the first section header
    int line = 0;         // 1-based line of its header; 0 for the head section and when added
    std::vector<ProfileKey> keys;
};

struct ProfileDocument {
    // Parsing starts with the nameless head section: the key lines before any header. An
    // empty or missing file has no sections at all, not even that one.
    std::vector<ProfileSection> sections;
};

// The document is UTF-16 text (see profile_encoding.h).

// Blanks as the private-profile functions see them: tab, line feed, vertical tab, form
// feed, carriage return, space, and ^Z (a DOS end-of-file mark).
bool isProfileBlank(char16_t c);

// Equality of two names without regard to ASCII letter case; other characters compare
// exactly.
bool sameName(std::u16string_view a, std::u16string_view b);

// Lines end at CR LF, at a lone CR and at a lone LF (for the line numbers; the keys are
// the same whatever the line ends).
ProfileDocument parseProfile(std::u16string_view text);

// A file as the private-profile functions read it: its bytes decoded and parsed. A file of
// zero bytes holds nothing at all, not even the nameless head section any other file has.
struct ProfileFile {
    ProfileDocument doc;
    FileEncoding encoding = FileEncoding::ansi;
    size_t textLength = 0;  // characters of the decoded text
};
ProfileFile parseProfileFile(std::string_view bytes);

// The file's text: "[name]" lines for named sections, "name=value" or "name" key lines,
// every line ending in CR LF.
std::u16string renderProfile(const ProfileDocument& doc);

// The first section whose name equals the trimmed query, or null.
const ProfileSection* findSection(const ProfileDocument& doc, std::u16string_view section);
ProfileSection* findSection(ProfileDocument& doc, std::u16string_view section);
// The first key of the section whose name equals the trimmed query, or null.
const ProfileKey* findKey(const ProfileSection& section, std::u16string_view key);
ProfileKey* findKey(ProfileSection& section, std::u16string_view key);

// Stores value under key (both already checked for null). Returns whether the document
// changed: writing a key's present value again changes nothing.
bool setProfileValue(ProfileDocument& doc, std::u16string_view section, std::u16string_view key,
                     std::u16string_view value);
// Removes the first key named key from the first section named section that holds one
// (names compared untrimmed). Returns whether something was removed.
bool deleteProfileKey(ProfileDocument& doc, std::u16string_view section, std::u16string_view key);
// Removes the first section named section (untrimmed). Returns whether one was removed.
bool deleteProfileSection(ProfileDocument& doc, std::u16string_view section);

}  // namespace velquist::platform::portable
