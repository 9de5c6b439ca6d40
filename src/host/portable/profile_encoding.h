// Text encodings of the private-profile functions. Their callers speak the Windows-1252
// code page; a file is that code page too unless it opens with a byte-order mark of UTF-8,
// UTF-16LE or UTF-16BE, and it keeps its encoding when it is written back. Everything in
// between is held as UTF-16, as kernel32 holds it, so that lengths, cuts and comparisons
// come out the same.
#pragma once

#include <string>
#include <string_view>

namespace velquist::platform::portable {

enum class FileEncoding { ansi, utf8, utf16le, utf16be };

// The file's text and the encoding it was found in.
struct DecodedFile {
    std::u16string text;
    FileEncoding encoding = FileEncoding::ansi;
};

DecodedFile decodeFile(std::string_view bytes);
// The file's bytes for text in the given encoding, byte-order mark included.
std::string encodeFile(std::u16string_view text, FileEncoding encoding);

// Windows-1252 text to UTF-16 and back. Every byte has a character of its own; a character
// outside the code page becomes "?".
std::u16string fromAnsi(std::string_view text);
std::string toAnsi(std::u16string_view text);

// UTF-8 text to UTF-16 and back. A malformed UTF-8 sequence, and a lone surrogate the other
// way, become one replacement character (U+FFFD).
std::u16string fromUtf8(std::string_view text);
std::string toUtf8(std::u16string_view text);

}  // namespace velquist::platform::portable
