// Decoding and encoding of profile files and of the callers' Windows-1252 texts.
#include "host/portable/profile_encoding.h"

#include <cstdint>

namespace velquist::platform::portable {

namespace {

// Windows-1252 bytes 0x80..0x9F; the five bytes the code page leaves unassigned stand for
// the control characters of the same number, so every byte survives a round trip.
constexpr char16_t ansiHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char16_t replacement = 0xFFFD;

void appendCodePoint(std::u16string& out, uint32_t cp) {
    if (cp < 0x10000) {
        out += static_cast<char16_t>(cp);
    } else {
        cp -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (cp >> 10));
        out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    }
}

// One UTF-8 character starting with the byte lead (0x80 or above) at in[i - 1]; advances
// i past the bytes it takes. Returns the code point, or -1 for a malformed sequence, which
// takes the bytes read up to the point where it went wrong. A sequence cut off by the end of
// the text takes the rest of the text.
int32_t decodeUtf8(uint8_t lead, std::string_view in, size_t& i) {
    // 0xC0, 0xC1 and 0xF5 upwards could only start overlong forms or values above U+10FFFF
    // and count as stray bytes.
    const int follow = lead >= 0xC2 && lead < 0xE0   ? 1
                       : lead >= 0xE0 && lead < 0xF0 ? 2
                       : lead >= 0xF0 && lead < 0xF5 ? 3
                                                     : 0;
    if (follow == 0) return -1;
    if (i + follow > in.size()) {
        i = in.size();
        return -1;
    }
    static constexpr uint8_t leadBits[4] = {0x7F, 0x1F, 0x0F, 0x07};
    uint32_t cp = lead & leadBits[follow];
    auto next = [&](uint32_t& value) {
        const uint8_t c = static_cast<uint8_t>(in[i]) ^ 0x80;
        if (c >= 0x40) return false;
        value = (value << 6) | c;
        return true;
    };
    if (follow == 3) {
        if (!next(cp)) return -1;
        ++i;
        if (cp < 0x10) return -1;  // overlong: below U+10000
    }
    if (follow >= 2) {
        uint32_t v = cp;
        if (!next(v)) return -1;
        if (v >= (0x110000 >> 6)) return -1;  // above U+10FFFF; this byte is not taken
        cp = v;
        ++i;
        if (cp < 0x20) return -1;                                   // overlong: below U+0800
        if (cp >= (0xD800 >> 6) && cp <= (0xDFFF >> 6)) return -1;  // a surrogate
    }
    if (!next(cp)) return -1;
    ++i;
    if (cp < 0x80) return -1;  // overlong: below U+0080
    return static_cast<int32_t>(cp);
}

}  // namespace

std::u16string fromUtf8(std::string_view in) {
    std::u16string out;
    size_t i = 0;
    while (i < in.size()) {
        const auto lead = static_cast<uint8_t>(in[i++]);
        if (lead < 0x80) {
            out += static_cast<char16_t>(lead);
            continue;
        }
        const int32_t cp = decodeUtf8(lead, in, i);
        if (cp < 0)
            out += replacement;
        else
            appendCodePoint(out, static_cast<uint32_t>(cp));
    }
    return out;
}

std::string toUtf8(std::u16string_view in) {
    std::string out;
    for (size_t i = 0; i < in.size(); ++i) {
        uint32_t cp = in[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < in.size() && in[i + 1] >= 0xDC00 &&
            in[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (in[++i] - 0xDC00);
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = replacement;  // a lone surrogate
        }
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

namespace {

// A lone byte at the end counts as the character of that number, whatever the byte order.
std::u16string fromUtf16(std::string_view in, bool bigEndian) {
    std::u16string out;
    if (in.size() % 2 != 0) {
        out = fromUtf16(in.substr(0, in.size() - 1), bigEndian);
        out += static_cast<char16_t>(static_cast<uint8_t>(in.back()));
        return out;
    }
    for (size_t i = 0; i < in.size(); i += 2) {
        const auto a = static_cast<uint8_t>(in[i]);
        const auto b = static_cast<uint8_t>(in[i + 1]);
        out += static_cast<char16_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
    }
    return out;
}

std::string toUtf16(std::u16string_view in, bool bigEndian) {
    std::string out;
    for (const char16_t c : in) {
        const char hi = static_cast<char>(c >> 8);
        const char lo = static_cast<char>(c & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    }
    return out;
}

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

}  // namespace

std::u16string fromAnsi(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (const char ch : text) {
        const auto b = static_cast<uint8_t>(ch);
        out += b >= 0x80 && b < 0xA0 ? ansiHigh[b - 0x80] : static_cast<char16_t>(b);
    }
    return out;
}

std::string toAnsi(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char16_t c : text) {
        if (c < 0x80 || (c >= 0xA0 && c < 0x100)) {
            out += static_cast<char>(c);
            continue;
        }
        char b = '?';
        for (int k = 0; k < 32; ++k)
            if (ansiHigh[k] == c) b = static_cast<char>(0x80 + k);
        out += b;
    }
    return out;
}

DecodedFile decodeFile(std::string_view bytes) {
    if (startsWith(bytes, "\xEF\xBB\xBF")) return {fromUtf8(bytes.substr(3)), FileEncoding::utf8};
    if (startsWith(bytes, "\xFF\xFE"))
        return {fromUtf16(bytes.substr(2), false), FileEncoding::utf16le};
    if (startsWith(bytes, "\xFE\xFF"))
        return {fromUtf16(bytes.substr(2), true), FileEncoding::utf16be};
    return {fromAnsi(bytes), FileEncoding::ansi};
}

std::string encodeFile(std::u16string_view text, FileEncoding encoding) {
    switch (encoding) {
        case FileEncoding::utf8:
            return "\xEF\xBB\xBF" + toUtf8(text);
        case FileEncoding::utf16le:
            return "\xFF\xFE" + toUtf16(text, false);
        case FileEncoding::utf16be:
            return "\xFE\xFF" + toUtf16(text, true);
        case FileEncoding::ansi:
            break;
    }
    return toAnsi(text);
}

}  // namespace velquist::platform::portable
