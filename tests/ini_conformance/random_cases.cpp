// Random conformance cases: INI-like files built from the pieces that trouble parsers
// (blanks, quotes, brackets, "=", ";", odd line endings, zero and high bytes) and random
// operations on a small pool of names, so that lookups hit as often as they miss. The
// generator is self-contained and deterministic, so both builds produce the same cases
// from the same seed.
#include "conformance_corpus.h"

namespace ini_conformance {

namespace {

// splitmix64: small, fast and the same everywhere.
class Random {
  public:
    explicit Random(uint64_t seed) : state(seed) {}
    uint64_t next() {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    uint32_t below(uint32_t n) { return static_cast<uint32_t>(next() % n); }
    bool chance(uint32_t percent) { return below(100) < percent; }
    template <size_t n>
    const char* pick(const char* const (&items)[n]) {
        return items[below(n)];
    }

  private:
    uint64_t state;
};

const char* const names[] = {"a",  "A",  "b",  "key", "KEY", "Key",  " a",   "a ", "",
                             ";a", "[a", "a]", "x y", "s",   "\xe9", "\xc9", "==", "\"a\""};
const char* const blanks[] = {"", "", "", " ", "\t", "  ", " \t ", "\x1a", "\x0b", "\x0c"};
const char* const endings[] = {"\r\n", "\r\n", "\n", "\n", "\r", "\r\r\n", "\n\n", "\r\n\r\n"};
const char* const values[] = {
    "1",    "-250",       "0x10", "\"q\"",       "'q'",         "\"",      "",      " 7 ;c",
    "abc",  "2147483648", "v=w",  "[s]",         ";c",          "\"a b\"", "12abc", "\xe9\x80",
    "'x\"", "  padded  ", "=",    "99999999999", "-2147483649", "+5"};

std::string randomBytes(Random& r, size_t n) {
    std::string s;
    for (size_t i = 0; i < n; ++i) {
        // Mostly printable, sometimes anything but the line breaks that would end the line.
        char c = static_cast<char>(r.chance(80) ? 0x20 + r.below(95) : r.below(256));
        if (c == '\r' || c == '\n') c = ' ';
        s += c;
    }
    return s;
}

std::string randomLine(Random& r) {
    std::string line;
    switch (r.below(10)) {
        case 0:
        case 1:  // a section header
            line = std::string(r.pick(blanks)) + "[" + r.pick(blanks) + r.pick(names) +
                   r.pick(blanks) + "]" + (r.chance(20) ? " ; c" : "") + r.pick(blanks);
            break;
        case 2:  // a key line without "="
            line = std::string(r.pick(blanks)) + r.pick(names) + r.pick(blanks);
            break;
        case 3:  // a comment
            line = std::string(";") + r.pick(names) + "=" + r.pick(values);
            break;
        case 4:  // anything
            line = randomBytes(r, r.below(12));
            break;
        default:  // a key line
            line = std::string(r.pick(blanks)) + r.pick(names) + r.pick(blanks) + "=" +
                   r.pick(blanks) + (r.chance(10) ? randomBytes(r, r.below(70)) : r.pick(values)) +
                   r.pick(blanks);
            break;
    }
    if (r.chance(3)) line.insert(r.below(static_cast<uint32_t>(line.size()) + 1), 1, '\0');
    return line;
}

// Mostly the text as it is; sometimes behind a UTF-8 byte-order mark (the random bytes
// then make malformed UTF-8), sometimes widened to UTF-16 of either byte order. (Never
// UTF-16 of odd length: kernel32 under Wine reads the lone last byte together with
// whatever lies behind it in memory.)
std::string encodeRandomly(Random& r, const std::string& text) {
    const uint32_t roll = r.below(100);
    if (roll < 85) return text;
    if (roll < 95) return "\xef\xbb\xbf" + text;
    const bool bigEndian = roll >= 98;
    std::string out = bigEndian ? "\xfe\xff" : "\xff\xfe";
    for (const char c : text) {
        out += bigEndian ? '\0' : c;
        out += bigEndian ? c : '\0';
    }
    return out;
}

std::optional<std::string> maybe(Random& r, const char* text, uint32_t nullPercent) {
    if (r.chance(nullPercent)) return std::nullopt;
    return std::string(text);
}

Operation randomOperation(Random& r) {
    Operation op{};
    const uint32_t kind = r.below(10);
    op.section = maybe(r, r.pick(names), 3);
    op.key = maybe(r, r.pick(names), 4);
    if (kind < 4) {
        op.kind = Operation::readText;
        op.text = maybe(r, r.pick(values), 10);
        op.size = r.chance(70) ? 64 : r.below(12);
    } else if (kind < 6) {
        op.kind = Operation::readInt;
        op.number = static_cast<int32_t>(r.below(2000)) - 1000;
    } else {
        op.kind = Operation::write;
        // kernel32 under Wine crashes on a write with neither section nor key.
        if (!op.section && !op.key) op.key = "a";
        op.text = maybe(r, r.pick(values), 8);
        if (op.text && r.chance(15))
            *op.text = std::string(r.pick(blanks)) + *op.text + r.pick(blanks);
    }
    return op;
}

}  // namespace

std::vector<Case> randomCases(uint64_t seed, int count) {
    Random r(seed);
    std::vector<Case> cases;
    for (int i = 0; i < count; ++i) {
        Case c;
        c.name = "random" + std::to_string(i);
        if (!r.chance(5)) {
            std::string text;
            const uint32_t lines = r.below(14);
            for (uint32_t k = 0; k < lines; ++k) {
                text += randomLine(r);
                if (k + 1 < lines || r.chance(70)) text += r.pick(endings);
            }
            c.content = encodeRandomly(r, text);
        }
        const uint32_t ops = 1 + r.below(8);
        for (uint32_t k = 0; k < ops; ++k)
            c.operations.push_back(randomOperation(r));
        cases.push_back(std::move(c));
    }
    return cases;
}

}  // namespace ini_conformance
