// The players' README.txt of the release package: a hand-written text whose tables of
// settings keys are filled in from the plug-in's own key tables, so the defaults and
// ranges it documents are the ones the plug-in applies.
#pragma once

#include <map>
#include <string>

namespace player_readme {

// What a settings comment says a key means: the comment without its leading ";", its
// default mark "(n)" and its range mark "<a-b>", blanks and tabs folded into single spaces.
std::string commentMeaning(const std::string& comment);

// The keys of settingsGeneral.ini and of a profile file, one aligned line per key (key,
// default, range, meaning), the profile's grouped by section.
std::string generalKeyTable();
std::string profileKeyTable();

// Replaces each @NAME@ (capital letters and _) by its value. False, naming the mark, when
// the text holds a mark that has no value; an @ that starts no mark stays as it is.
bool fillTemplate(const std::string& text, const std::map<std::string, std::string>& values,
                  std::string& out, std::string& error);

// The text with CR LF line ends, as Windows editors expect them.
std::string withCrLf(const std::string& text);

}  // namespace player_readme
