// libFuzzer target for the portable private-profile functions: arbitrary file bytes and
// arbitrary section, key, default and value texts.
//
// - Reads never crash and never touch memory outside the caller's destination (which is
//   allocated at exactly its declared size, so the address sanitizer sees any overrun).
// - A write followed by a read of the same key gives back what was written, within what
//   kernel32 itself can give back (see roundTrips below).
//
// Files live in memory, through the file-system seam, so that every run starts clean and
// runs fast.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "host/platform.h"
#include "host/portable/file_system.h"

namespace portable = velquist::platform::portable;
using namespace velquist::platform;

namespace {

std::map<std::string, std::string> files;

portable::FileSystem memoryFileSystem() {
    portable::FileSystem fs{};
    fs.read = [](const std::string& path, std::string& bytes) {
        const auto it = files.find(path);
        if (it == files.end()) return portable::FileRead::missing;
        bytes = it->second;
        return portable::FileRead::ok;
    };
    fs.probe = [](const std::string& path) {
        return files.count(path) ? FileProbe::readable : FileProbe::absent;
    };
    fs.create = [](const std::string& path, const std::string& bytes) {
        return files.emplace(path, bytes).second ? portable::FileCreate::ok
                                                 : portable::FileCreate::exists;
    };
    fs.rename = [](const std::string& from, const std::string& to) {
        const auto it = files.find(from);
        if (it == files.end()) return false;
        files[to] = it->second;
        files.erase(from);
        return true;
    };
    fs.remove = [](const std::string& path) { return files.erase(path) > 0; };
    return fs;
}

const char* const path = "C:\\fuzz\\Velquist\\test.ini";
const std::string hostPath = "C:/fuzz/Velquist/test.ini";

std::string shown(const std::string& s) {
    std::string out;
    for (const unsigned char c : s) {
        char hex[8];
        std::snprintf(hex, sizeof hex, c >= 0x20 && c < 0x7f && c != '\\' ? "%c" : "\\x%02x", c);
        out += hex;
    }
    return out;
}

[[noreturn]] void fail(const char* what, const std::string& expected, const std::string& got) {
    std::fprintf(stderr, "%s\n  expected [%s]\n  got      [%s]\n", what, shown(expected).c_str(),
                 shown(got).c_str());
    std::abort();
}

bool isBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a';
}

std::string trimmed(std::string s) {
    while (!s.empty() && isBlank(s.back()))
        s.pop_back();
    size_t start = 0;
    while (start < s.size() && isBlank(s[start]))
        ++start;
    return s.substr(start);
}

bool hasByteOrderMark(const std::string& bytes) {
    return bytes.rfind("\xEF\xBB\xBF", 0) == 0 || bytes.rfind("\xFF\xFE", 0) == 0 ||
           bytes.rfind("\xFE\xFF", 0) == 0;
}

bool hasZeroCharacter(const std::string& bytes) {
    if (bytes.rfind("\xFF\xFE", 0) == 0 || bytes.rfind("\xFE\xFF", 0) == 0) {
        for (size_t i = 2; i + 1 < bytes.size(); i += 2)
            if (bytes[i] == '\0' && bytes[i + 1] == '\0') return true;
        return false;
    }
    return bytes.find('\0') != std::string::npos;
}

// Whether kernel32 can give back a value written under these names, and what it gives.
// Excluded, because the file's line syntax cannot carry them: line breaks in any of the
// three texts, "=" in a key (the line would split there) and a key that starts with "["
// (the line could read as a section header). What comes back is the value without the
// blanks around it and without a pair of enclosing quotes.
bool roundTrips(const std::string& section, const std::string& key, const std::string& value,
                std::string& expected) {
    for (const std::string* s : {&section, &key, &value})
        if (s->find_first_of("\r\n") != std::string::npos) return false;
    if (key.find('=') != std::string::npos) return false;
    const std::string k = trimmed(key);
    if (!k.empty() && k.front() == '[') return false;
    expected = trimmed(value);
    if (expected.size() >= 2 && (expected.front() == '"' || expected.front() == '\'') &&
        expected.back() == expected.front())
        expected = expected.substr(1, expected.size() - 2);
    return true;
}

// A destination of exactly size bytes on the heap, so that any write past it is caught.
std::string readText(const char* section, const char* key, const char* def, uint32_t size,
                     uint32_t& returned) {
    std::unique_ptr<char[]> buf(new char[size == 0 ? 1 : size]);
    returned =
        getPrivateProfileString(section, key, def, size == 0 ? nullptr : buf.get(), size, path);
    if (size == 0) return {};
    if (returned >= size) fail("answer longer than its destination", "", "");
    return std::string(buf.get(), returned);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool installed = [] {
        portable::fileSystem = memoryFileSystem();
        return true;
    }();
    (void)installed;
    FuzzedDataProvider in(data, size);
    const uint8_t flags = in.ConsumeIntegral<uint8_t>();
    // The functions take zero-terminated texts: each ends at its first zero byte.
    const std::string section = in.ConsumeRandomLengthString(64).c_str();
    const std::string key = in.ConsumeRandomLengthString(64).c_str();
    const std::string value = in.ConsumeRandomLengthString(200).c_str();
    const std::string def = in.ConsumeRandomLengthString(80).c_str();
    const uint32_t bufferSize = in.ConsumeIntegralInRange<uint32_t>(0, 300);
    const auto number = in.ConsumeIntegral<int32_t>();
    files.clear();
    if (flags & 1) files[hostPath] = in.ConsumeRemainingBytesAsString();

    const char* s = (flags & 2) ? nullptr : section.c_str();
    const char* k = (flags & 4) ? nullptr : key.c_str();
    const char* d = (flags & 8) ? nullptr : def.c_str();

    // Reads of any kind, with names or lists.
    uint32_t returned = 0;
    readText(s, k, d, bufferSize, returned);
    getPrivateProfileInt(s, k, 7, path);

    // A write, then the same key read back.
    const bool markedBefore = hasByteOrderMark(files[hostPath]);
    // A zero character ends a name or value where it stands, but the blanks in front of it
    // survive the write and are trimmed when the file is read again; such a file can read
    // differently after any write, with kernel32 as well.
    const bool zeroInFile = hasZeroCharacter(files[hostPath]);
    if (!writePrivateProfileString(section.c_str(), key.c_str(), value.c_str(), path))
        fail("write failed", "", "");
    // A file without a byte-order mark whose first line, blanks trimmed, begins with the
    // bytes of one is read back in that encoding: kernel32 loses it in the same way.
    const bool gainedMark = !markedBefore && hasByteOrderMark(files[hostPath]);
    std::string expected;
    if (!gainedMark && !zeroInFile && roundTrips(section, key, value, expected)) {
        const std::string got = readText(section.c_str(), key.c_str(), "\x01 missing",
                                         static_cast<uint32_t>(expected.size()) + 2, returned);
        if (got != expected) {
            std::fprintf(stderr, "section [%s] key [%s] value [%s]\nfile [%s]\n",
                         shown(section).c_str(), shown(key).c_str(), shown(value).c_str(),
                         shown(files[hostPath]).c_str());
            fail("value did not round-trip", expected, got);
        }
    }

    // A number with the plug-in's kind of comment behind it reads back as the number.
    if (!gainedMark && !zeroInFile && roundTrips(section, key, "0", expected)) {
        const std::string text = std::to_string(number) + ";\t(0) <0-9>";
        writePrivateProfileString(section.c_str(), key.c_str(), text.c_str(), path);
        const int32_t got =
            static_cast<int32_t>(getPrivateProfileInt(section.c_str(), key.c_str(), 7, path));
        if (got != number)
            fail("number did not round-trip", std::to_string(number), std::to_string(got));
    }
    return 0;
}
