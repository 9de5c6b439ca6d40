#include "player_readme.h"

#include <cstdio>

#include "settings/general_keys.h"
#include "settings/profile_keys.h"

namespace player_readme {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string trimmed(const std::string& s) {
    size_t a = 0, b = s.size();
    while (a < b && isBlank(s[a]))
        ++a;
    while (b > a && isBlank(s[b - 1]))
        --b;
    return s.substr(a, b - a);
}

// A trailing "(n)" (blanks allowed inside) that stands after a tab: the default mark.
// "Left side (1), Above (0)" keeps its parentheses, which are part of the meaning.
void dropDefaultMark(std::string& s) {
    s = trimmed(s);
    if (s.empty() || s.back() != ')') return;
    const size_t open = s.rfind('(');
    if (open == std::string::npos || open == 0) return;
    for (size_t i = open + 1; i + 1 < s.size(); ++i)
        if (!isBlank(s[i]) && (s[i] < '0' || s[i] > '9')) return;
    size_t before = open;
    while (before > 0 && s[before - 1] == ' ')
        --before;
    if (before == 0 || s[before - 1] != '\t') return;
    s.erase(open);
}

std::string line(const char* key, int32_t defaultValue, int32_t minimum, int32_t maximum,
                 const char* comment) {
    char buf[256];
    const std::string range = std::to_string(minimum) + " to " + std::to_string(maximum);
    std::snprintf(buf, sizeof buf, "  %-17s %7d  %-14s %s\n", key, defaultValue, range.c_str(),
                  commentMeaning(comment).c_str());
    return buf;
}

const char* const header =
    "  Key               Default  Range          Meaning\n"
    "  ----------------- -------  -------------- -------------------------------------\n";

}  // namespace

std::string commentMeaning(const std::string& comment) {
    std::string s = comment;
    if (!s.empty() && s[0] == ';') s.erase(0, 1);
    s = trimmed(s);
    if (!s.empty() && s.back() == '>') {
        const size_t open = s.rfind('<');
        if (open != std::string::npos) s.erase(open);
    }
    dropDefaultMark(s);
    std::string out;
    for (char c : trimmed(s)) {
        if (isBlank(c)) {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else {
            out += c;
        }
    }
    return out;
}

std::string generalKeyTable() {
    std::string out = header;
    for (const velquist::GeneralKey& k : velquist::generalKeys)
        out += line(k.key, k.defaultValue, k.minimum, k.maximum, k.comment);
    return out;
}

std::string profileKeyTable() {
    std::string out = header;
    std::string section;
    for (const velquist::ProfileKey& k : velquist::profileKeys) {
        if (section != k.section) {
            section = k.section;
            out += std::string("  [") + k.section + "]\n";
        }
        out += line(k.key, k.defaultValue, k.minimum, k.maximum, k.comment);
    }
    return out;
}

bool fillTemplate(const std::string& text, const std::map<std::string, std::string>& values,
                  std::string& out, std::string& error) {
    out.clear();
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] != '@') {
            out += text[i++];
            continue;
        }
        size_t j = i + 1;
        while (j < text.size() && ((text[j] >= 'A' && text[j] <= 'Z') || text[j] == '_'))
            ++j;
        if (j == i + 1 || j >= text.size() || text[j] != '@') {
            out += text[i++];
            continue;
        }
        const std::string name = text.substr(i + 1, j - i - 1);
        auto it = values.find(name);
        if (it == values.end()) {
            error = "no value for @" + name + "@";
            return false;
        }
        out += it->second;
        i = j + 1;
    }
    return true;
}

std::string withCrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

}  // namespace player_readme
